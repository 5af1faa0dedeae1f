#pragma once

#include <string>
#include <vector>

#include "interpreter/Interpreter.h"

namespace zuvar {

// One row of the two-column variables grid.
struct TGridRow {
  std::string Name;
  std::string Value;

  bool operator==(const TGridRow&) const = default;
};

// Builds the rows of the variables grid on demand, so that a run never pays for the grid: a
// view asks for the rows when it draws (at most once per frame), a terminal at the end.
namespace VariablesGrid {

// The title row ("Nazwa zmiennej", "Wartość"), then one row per entry in list order, and at
// least one (empty) row below the titles. With separateIndexes each array element takes a
// row "name[i]"; without, an array takes one row "{v0, v1, ...}".
std::vector<TGridRow> Rows(const TInterpreter& interpreter, bool separateIndexes);
// As Rows, with the context's option "Pokazuj indeksy tablic w osobnych polach".
inline std::vector<TGridRow> Rows(const TInterpreter& interpreter) {
  return Rows(interpreter, interpreter.ShowArrayIndexesSeparately);
}

}  // namespace VariablesGrid

}  // namespace zuvar
