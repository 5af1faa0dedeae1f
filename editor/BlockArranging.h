#pragma once

#include "model/BlockAlignment.h"

namespace zuvar {

class TSchematView;

// Edits that arrange the selected blocks of a canvas.
namespace BlockArranging {

// Moves the selected blocks so that their centres line up with the active block's (the same x
// for Vertical, the same y for Horizontal), as one edit with their links re-routed. Nothing
// happens without an active block or when no block has to move; returns whether blocks moved.
bool Align(TSchematView& view, BlockAlignment::TAxis axis);

}  // namespace BlockArranging

}  // namespace zuvar
