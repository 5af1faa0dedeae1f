#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zuvar {

// The Windows-1250 code page of project and log files. Inside the program every text is UTF-8;
// texts are converted only where they cross a file boundary.
namespace Cp1250 {

// Converts UTF-8 to Windows-1250 bytes. A character the code page cannot hold, and every byte
// of an invalid UTF-8 sequence, becomes "?".
std::string FromUtf8(std::string_view utf8);

// Converts Windows-1250 bytes to UTF-8. The five bytes the code page leaves undefined are kept
// as the code points U+0081, U+0083, U+0088, U+0090 and U+0098, so every file survives a
// round trip.
std::string ToUtf8(std::string_view bytes);

// The Windows-1250 byte of one code point, or std::nullopt when the code page cannot hold it.
std::optional<unsigned char> ByteOf(char32_t codePoint);

// Decodes one UTF-8 code point starting at text[pos] and advances pos past it. An invalid
// sequence yields U+FFFD and advances by one byte.
char32_t DecodeUtf8(std::string_view text, std::size_t& pos);

// Appends the UTF-8 encoding of a code point.
void AppendUtf8(std::string& out, char32_t codePoint);

}  // namespace Cp1250

}  // namespace zuvar
