#pragma once

#include <string>
#include <string_view>

namespace zuvar {
struct TTraceRow;
}

// The columns of the trace, as its window shows them and its CSV file holds them.
namespace zuvar::TraceColumns {

enum TColumn : int { Step, Block, Line, Code, Changed, Written };
inline constexpr int kCount = 6;

// The column's title.
std::string_view Title(int column);
// Appends the text of the row's cell in the column; the written text keeps its line breaks.
void AppendCell(const TTraceRow& row, int column, std::string& text);

}  // namespace zuvar::TraceColumns
