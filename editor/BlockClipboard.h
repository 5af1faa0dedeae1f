#pragma once

#include <QPoint>
#include <optional>

namespace zuvar {

class TSchematView;

// Copying and pasting blocks through the system clipboard, also between two running programs.
// The clipboard holds the blocks as the text of a block set (BlockSetText) twice: under the
// program's own type and as plain text.
namespace BlockClipboard {

inline constexpr char MimeType[] = "application/x-zuvar-blocks";

// Puts the selected blocks and the active block, with the connections among them, on the
// clipboard. Without such blocks the clipboard stays as it is; returns whether it was filled.
bool Copy(TSchematView& view);

// Pastes the blocks on the clipboard as one edit and makes them the selection, with no block
// active. They stand 20 pixels right of and below where they were copied from, or with their
// top-left corner at the given sheet point; either way they are kept on the sheet where they
// fit. A clipboard without blocks changes nothing; returns whether blocks were pasted.
bool Paste(TSchematView& view, std::optional<QPoint> at = std::nullopt);

}  // namespace BlockClipboard

}  // namespace zuvar
