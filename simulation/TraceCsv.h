#pragma once

#include <string>
#include <string_view>

namespace zuvar {
class TTraceBuffer;
}

// The trace as a CSV text (RFC 4180): UTF-8, a header row of the column titles, fields
// separated by commas, records ended by CR LF; a field holding a comma, a quote or a line break
// is put in quotes, with its quotes doubled.
namespace zuvar::TraceCsv {

std::string Text(const TTraceBuffer& rows);
// Appends one field, quoted when it has to be.
void AppendField(std::string_view field, std::string& text);

}  // namespace zuvar::TraceCsv
