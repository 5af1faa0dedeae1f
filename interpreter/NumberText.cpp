#include "interpreter/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "interpreter/LanguageTables.h"

namespace zuvar {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the shape of a decimal number and tells where its parts are.
struct TNumberShape {
  bool valid = false;
  bool negative = false;
  std::size_t mantissaStart = 0;  // after the sign
  int firstSignificant = 0;       // decimal position of the first non-zero digit (1 = units)
  bool allZero = true;
  long long exponent = 0;
};

TNumberShape ScanNumber(std::string_view text) {
  TNumberShape shape;
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

// Powers of ten that a double holds exactly.
constexpr double kPowersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The digits as an integer; below 2^53, so the conversion to double is exact.
double DigitsValue(const char* digits, int count) {
  int64_t value = 0;
  for (int i = 0; i < count; ++i) value = value * 10 + (digits[i] - '0');
  return static_cast<double>(value);
}

// Fast path for the common shape [-]digits[.digits] with at most 15 significant digits once
// the zeros after the last non-zero decimal are dropped: the mantissa is then exact in a double
// and one division by an exact power of ten rounds correctly, as a full conversion would.
bool ParseShortDecimal(std::string_view text, double& value) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (negative) i = 1;
  int64_t mantissa = 0;
  int significant = 0;
  int decimals = 0;
  int pendingZeros = 0;  // zeros after the point not yet known to be significant
  bool anyDigit = false;
  bool afterPoint = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.') {
      if (afterPoint) return false;
      afterPoint = true;
      continue;
    }
    if (!IsDigit(c)) return false;
    anyDigit = true;
    if (afterPoint && c == '0') {
      ++pendingZeros;
      continue;
    }
    for (; pendingZeros > 0; --pendingZeros) {
      mantissa *= 10;
      ++decimals;
      if (mantissa != 0) ++significant;
      if (significant > 15 || decimals > 22) return false;
    }
    mantissa = mantissa * 10 + (c - '0');
    if (afterPoint) ++decimals;
    if (mantissa != 0) ++significant;
    if (significant > 15 || decimals > 22) return false;
  }
  if (!anyDigit) return false;
  const double magnitude = static_cast<double>(mantissa) / kPowersOfTen[decimals];
  value = negative ? -magnitude : magnitude;
  return true;
}

// The exponent of a text written by to_chars in scientific format: e points at the 'e'.
int ExponentAfter(const char* e, const char* last) {
  const char* p = e + 1;
  const bool negative = *p == '-';
  ++p;  // to_chars always writes the sign
  int exponent = 0;
  for (; p < last; ++p) exponent = exponent * 10 + (*p - '0');
  return negative ? -exponent : exponent;
}

// Reads "[-]d.ddd...e[+-]XX" with the given number of digits as ParseNumber would.
double ReadScientific(const char* first, const char* last, int digitCount) {
  const char* p = first;
  const bool negative = *p == '-';
  if (negative) ++p;
  int64_t mantissa = p[0] - '0';
  for (int i = 1; i < digitCount; ++i) mantissa = mantissa * 10 + (p[i + 1] - '0');
  const char* e = p + digitCount + 1;  // the 'e'
  int exponent = 0;
  exponent = ExponentAfter(e, last);
  const int scale = exponent - (digitCount - 1);
  double magnitude = 0;
  if (scale >= -22 && scale <= 22) {
    magnitude = scale >= 0 ? static_cast<double>(mantissa) * kPowersOfTen[scale]
                           : static_cast<double>(mantissa) / kPowersOfTen[-scale];
  } else {
    const auto read = std::from_chars(p, last, magnitude);
    if (read.ec == std::errc::result_out_of_range) {
      magnitude = exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
  }
  return negative ? -magnitude : magnitude;
}

void ReadBackText(const std::string& text, double* readBack) {
  if (readBack) *readBack = NumberText::NumberOrZero(text);
}

}  // namespace

bool NumberText::ParseInteger(std::string_view text, int32_t& value) {
  // Fast path: up to nine digits with an optional minus.
  if (!text.empty() && text.size() <= 10) {
    const bool negative = text[0] == '-';
    const std::size_t start = negative ? 1 : 0;
    if (start < text.size() && text.size() - start <= 9) {
      int32_t parsed = 0;
      bool plain = true;
      for (std::size_t i = start; i < text.size(); ++i) {
        if (!IsDigit(text[i])) {
          plain = false;
          break;
        }
        parsed = parsed * 10 + (text[i] - '0');
      }
      if (plain) {
        value = negative ? -parsed : parsed;
        return true;
      }
    }
  }
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
      if (!IsDigit(c)) {
        plain = false;
        break;
      }
      small = small * 10 + (c - '0');
    }
    if (plain) {
      value = small;
      return true;
    }
  }
  if (ParseShortDecimal(text, value)) return true;
  const TNumberShape shape = ScanNumber(text);
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

namespace {

// Writes ten significant digits d0.d1...d9 x 10^exponent (-9 <= exponent) as the fixed text or,
// from 10 on, in exponent notation; the read-back value comes from the digits exactly.
void EmitTenDigits(bool negative, const char* digits, int exponent, std::string& out,
                   double* readBack) {
  out.clear();
  if (negative) out.push_back('-');
  if (exponent >= 10) {
    int used = 10;
    while (used > 1 && digits[used - 1] == '0') --used;
    out.push_back(digits[0]);
    if (used > 1) {
      out.push_back('.');
      out.append(digits + 1, static_cast<std::size_t>(used - 1));
    }
    out.push_back('E');
    NumberText::AppendInteger(exponent, out);
    if (readBack && exponent - 9 <= 22) {
      const double magnitude = DigitsValue(digits, 10) * kPowersOfTen[exponent - 9];
      *readBack = negative ? -magnitude : magnitude;
    } else {
      ReadBackText(out, readBack);
    }
    return;
  }
  if (exponent >= 0) {
    out.append(digits, static_cast<std::size_t>(exponent + 1));
    out.push_back('.');
    out.append(digits + exponent + 1, static_cast<std::size_t>(9 - exponent));
    out.append(static_cast<std::size_t>(18 - (9 - exponent)), '0');
  } else {
    out.append("0.");
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out.append(digits, 10);
    out.append(static_cast<std::size_t>(18 - (-exponent - 1) - 10), '0');
  }
  if (readBack) {
    // One correctly rounded division of exact operands: the value ParseNumber reads.
    const double magnitude = DigitsValue(digits, 10) / kPowersOfTen[9 - exponent];
    *readBack = negative ? -magnitude : magnitude;
  }
}

// Values below 10^-9: the eighteenth decimal comes before the tenth significant digit.
void EmitTiny(double value, std::string& out, double* readBack) {
  char buffer[64];
  const auto fixed =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 18);
  const char* start = buffer;
  bool zero = true;
  for (const char* q = buffer; q < fixed.ptr; ++q) {
    if (*q >= '1' && *q <= '9') zero = false;
  }
  if (zero && *start == '-') ++start;
  out.assign(start, static_cast<std::size_t>(fixed.ptr - start));
  ReadBackText(out, readBack);
}

// Rounds value to 15 significant digits and then to 10 in one pass over its 15-digit text.
// The result equals rounding the 15-digit value as a double to 10 digits except when digits
// 11 to 15 are exactly 50000; false then (and for tiny values, and near the largest double,
// where the rounding may overflow), so the caller takes the long way.
bool TenOfFifteenDigits(double value, bool& negative, char* digits, int& exponent) {
  char buffer[64];
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
  const char* p = buffer;
  negative = *p == '-';
  if (negative) ++p;
  char all[15];
  all[0] = p[0];
  for (int i = 1; i < 15; ++i) all[i] = p[i + 1];
  exponent = ExponentAfter(p + 16, written.ptr);
  if (std::string_view(all + 10, 5) == "50000" || exponent < -9 || exponent >= 308) return false;
  for (int i = 0; i < 10; ++i) digits[i] = all[i];
  if (all[10] >= '5') {
    int i = 9;
    while (i >= 0 && digits[i] == '9') digits[i--] = '0';
    if (i >= 0) {
      ++digits[i];
    } else {
      digits[0] = '1';
      ++exponent;
    }
  }
  return true;
}

}  // namespace

bool NumberText::FormatFixed(double value, bool roundTo15, std::string& out, double* readBack) {
  if (!std::isfinite(value)) return false;
  char buffer[64];
  // An integer below 10^15 already has at most 15 significant digits.
  const bool exactInteger = std::fabs(value) < 1e15 && value == std::trunc(value);
  if (value == 0) {
    out.assign("0.000000000000000000");
    if (readBack) *readBack = 0;
    return true;
  }
  if (exactInteger && std::fabs(value) < 1e10) {
    // At most ten digits: the integer itself and eighteen zero decimals.
    const auto integer = static_cast<int64_t>(value);
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, integer);
    out.assign(buffer, static_cast<std::size_t>(end.ptr - buffer));
    out.append(".000000000000000000");
    if (readBack) *readBack = value;
    return true;
  }
  bool negative = false;
  char digits[10];
  int exponent = 0;
  if (roundTo15 && !exactInteger) {
    if (TenOfFifteenDigits(value, negative, digits, exponent)) {
      EmitTenDigits(negative, digits, exponent, out, readBack);
      return true;
    }
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    value = ReadScientific(buffer, written.ptr, 15);
    if (!std::isfinite(value)) return false;  // rounding carried past the largest double
    if (value == 0) return FormatFixed(0, false, out, readBack);
  }
  // Ten significant digits: d.ddddddddde[+-]XX
  const auto written =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 9);
  const char* p = buffer;
  negative = *p == '-';
  if (negative) ++p;
  digits[0] = p[0];
  for (int i = 1; i < 10; ++i) digits[i] = p[i + 1];
  exponent = ExponentAfter(p + 11, written.ptr);
  if (exponent < -9) {
    EmitTiny(value, out, readBack);
  } else {
    EmitTenDigits(negative, digits, exponent, out, readBack);
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
