#include "NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "LanguageTables.h"

namespace zuvar {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the shape of a decimal number and tells where its parts are.
struct NumberShape {
  bool valid = false;
  bool negative = false;
  std::size_t mantissaStart = 0;  // after the sign
  int firstSignificant = 0;       // decimal position of the first non-zero digit (1 = units)
  bool allZero = true;
  long long exponent = 0;
};

NumberShape ScanNumber(std::string_view text) {
  NumberShape shape;
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    shape.negative = text[i] == '-';
    ++i;
  }
  shape.mantissaStart = i;
  int digits = 0;
  int integerDigits = 0;
  bool afterPoint = false;
  int leadingFractionZeros = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      ++digits;
      if (!afterPoint) {
        if (c != '0' || !shape.allZero) ++integerDigits;
      } else if (shape.allZero && c == '0') {
        ++leadingFractionZeros;
      }
      if (c != '0') shape.allZero = false;
    } else if (c == '.' && !afterPoint) {
      afterPoint = true;
    } else {
      break;
    }
  }
  if (digits == 0) return shape;
  if (i < text.size()) {
    if (text[i] != 'e' && text[i] != 'E') return shape;
    ++i;
    bool expNegative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
      expNegative = text[i] == '-';
      ++i;
    }
    if (i >= text.size()) return shape;
    long long exponent = 0;
    for (; i < text.size(); ++i) {
      if (!IsDigit(text[i])) return shape;
      if (exponent < 1000000000LL) exponent = exponent * 10 + (text[i] - '0');
    }
    shape.exponent = expNegative ? -exponent : exponent;
  }
  shape.firstSignificant = integerDigits > 0 ? integerDigits : -leadingFractionZeros;
  shape.valid = true;
  return shape;
}

constexpr double kTwo32 = 4294967296.0;

}  // namespace

bool NumberText::ParseInteger(std::string_view text, int32_t& value) {
  std::size_t start = 0;
  if (!text.empty() && text[0] == '+') start = 1;
  if (start < text.size() && text[start] == '-' && start == 1) return false;
  const char* first = text.data() + start;
  const char* last = text.data() + text.size();
  if (first == last) return false;
  if (*first == '-') {
    if (last - first < 2 || !IsDigit(first[1])) return false;
  } else if (!IsDigit(*first)) {
    return false;
  }
  int32_t parsed = 0;
  const auto result = std::from_chars(first, last, parsed);
  if (result.ec != std::errc() || result.ptr != last) return false;
  value = parsed;
  return true;
}

bool NumberText::ParseNumber(std::string_view text, double& value) {
  // Fast path: plain digits, the most common value text.
  if (!text.empty() && text.size() <= 9) {
    bool plain = true;
    int32_t small = 0;
    for (char c : text) {
      if (!IsDigit(c)) { plain = false; break; }
      small = small * 10 + (c - '0');
    }
    if (plain) {
      value = small;
      return true;
    }
  }
  const NumberShape shape = ScanNumber(text);
  if (!shape.valid) return false;
  const char* first = text.data() + shape.mantissaStart;
  const char* last = text.data() + text.size();
  double parsed = 0;
  const auto result = std::from_chars(first, last, parsed);
  if (result.ec == std::errc::result_out_of_range) {
    const bool huge = !shape.allZero && shape.firstSignificant + shape.exponent > 0;
    parsed = huge ? std::numeric_limits<double>::infinity() : 0.0;
  } else if (result.ec != std::errc() || result.ptr != last) {
    return false;
  }
  value = shape.negative ? -parsed : parsed;
  return true;
}

double NumberText::NumberOrZero(std::string_view text) {
  double value = 0;
  return ParseNumber(text, value) ? value : 0.0;
}

int32_t NumberText::IntegerOrZero(std::string_view text) {
  int32_t value = 0;
  return ParseInteger(text, value) ? value : 0;
}

int32_t NumberText::TruncateToInt32(double value) {
  if (!std::isfinite(value)) return std::numeric_limits<int32_t>::min();
  double truncated = std::trunc(value);
  if (truncated >= -2147483648.0 && truncated <= 2147483647.0) {
    return static_cast<int32_t>(truncated);
  }
  double reduced = std::fmod(truncated, kTwo32);
  if (reduced < 0) reduced += kTwo32;
  const auto bits = static_cast<uint32_t>(reduced);
  return static_cast<int32_t>(bits);
}

void NumberText::FormatInteger(int32_t value, std::string& out) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.assign(buffer, result.ptr);
}

void NumberText::AppendInteger(int32_t value, std::string& out) {
  char buffer[16];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

bool NumberText::FormatFixed(double value, bool roundTo15, std::string& out) {
  if (!std::isfinite(value)) return false;
  char buffer[64];
  if (roundTo15) {
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    double rounded = 0;
    const auto read = std::from_chars(buffer, written.ptr, rounded);
    if (read.ec != std::errc()) return false;  // rounding carried past the largest double
    value = rounded;
  }
  if (value == 0) {
    out.assign("0.000000000000000000");
    return true;
  }
  // Ten significant digits: d.ddddddddde[+-]XX
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 9);
  const char* p = buffer;
  const bool negative = *p == '-';
  if (negative) ++p;
  char digits[10];
  digits[0] = p[0];
  for (int i = 1; i < 10; ++i) digits[i] = p[i + 1];
  int exponent = 0;
  std::from_chars(p + 12 + (p[12] == '+' ? 1 : 0), written.ptr, exponent);

  if (exponent >= 10) {
    // Exponent notation: the significant digits without trailing zeros.
    int used = 10;
    while (used > 1 && digits[used - 1] == '0') --used;
    out.clear();
    if (negative) out.push_back('-');
    out.push_back(digits[0]);
    if (used > 1) {
      out.push_back('.');
      out.append(digits + 1, used - 1);
    }
    out.push_back('E');
    AppendInteger(exponent, out);
    return true;
  }
  if (exponent < -9) {
    // The eighteenth decimal is reached before the tenth significant digit.
    const auto fixed =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 18);
    const char* start = buffer;
    bool zero = true;
    for (const char* q = buffer; q < fixed.ptr; ++q) {
      if (*q >= '1' && *q <= '9') zero = false;
    }
    if (zero && *start == '-') ++start;
    out.assign(start, static_cast<std::size_t>(fixed.ptr - start));
    return true;
  }
  out.clear();
  if (negative) out.push_back('-');
  if (exponent >= 0) {
    out.append(digits, exponent + 1);
    out.push_back('.');
    out.append(digits + exponent + 1, 9 - exponent);
    out.append(18 - (9 - exponent), '0');
  } else {
    out.append("0.");
    out.append(-exponent - 1, '0');
    out.append(digits, 10);
    out.append(18 - (-exponent - 1) - 10, '0');
  }
  return true;
}

bool NumberText::CanonicalText(uint8_t type, double value, std::string& out) {
  switch (type) {
    case vtChar:
      FormatInteger(static_cast<int8_t>(static_cast<uint8_t>(TruncateToInt32(value) & 0xFF)), out);
      return true;
    case vtInt:
      FormatInteger(static_cast<int16_t>(static_cast<uint16_t>(TruncateToInt32(value) & 0xFFFF)),
                    out);
      return true;
    case vtLong:
      FormatInteger(TruncateToInt32(value), out);
      return true;
    case vtDouble:
      return FormatFixed(value, false, out);
    default:
      return false;
  }
}

uint8_t NumberText::TypeOfText(std::string_view text) {
  int32_t value = 0;
  if (!ParseInteger(text, value)) return vtDouble;
  const auto unsignedValue = static_cast<uint32_t>(value);
  if (unsignedValue > 65535u) return vtLong;
  if (unsignedValue > 255u) return vtInt;
  return vtChar;
}

}  // namespace zuvar
