#include "simulation/TraceCsv.h"

#include "simulation/TraceBuffer.h"
#include "simulation/TraceColumns.h"

namespace zuvar::TraceCsv {

namespace {
constexpr std::string_view kRecordEnd = "\r\n";
}

void AppendField(std::string_view field, std::string& text) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
    text += field;
    return;
  }
  text += '"';
  for (const char c : field) {
    if (c == '"') text += '"';
    text += c;
  }
  text += '"';
}

std::string Text(const TTraceBuffer& rows) {
  std::string text;
  for (int column = 0; column < TraceColumns::kCount; ++column) {
    if (column > 0) text += ',';
    AppendField(TraceColumns::Title(column), text);
  }
  text += kRecordEnd;
  std::string cell;
  for (std::size_t i = 0; i < rows.Size(); ++i) {
    for (int column = 0; column < TraceColumns::kCount; ++column) {
      if (column > 0) text += ',';
      cell.clear();
      TraceColumns::AppendCell(rows.At(i), column, cell);
      AppendField(cell, text);
    }
    text += kRecordEnd;
  }
  return text;
}

}  // namespace zuvar::TraceCsv
