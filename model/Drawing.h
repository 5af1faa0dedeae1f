#pragma once

#include <cstdint>

namespace zuvar {

// A colour as 0x00BBGGRR.
using TColor = uint32_t;

inline constexpr TColor clBlack = 0;
inline constexpr TColor clRed = 255;
inline constexpr TColor clGreen = 32768;
inline constexpr TColor clLime = 65280;
inline constexpr TColor clYellow = 65535;
inline constexpr TColor clSilver = 12632256;
inline constexpr TColor clWhite = 16777215;

// An outline: colour and width in pixels.
struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  friend bool operator==(const TPen&, const TPen&) = default;
};

// A fill. A clear brush fills nothing; assigning a colour through Solid makes it solid.
struct TBrush {
  TColor Color = clWhite;
  bool Clear = true;
  static TBrush Solid(TColor color) { return TBrush{color, false}; }
  friend bool operator==(const TBrush&, const TBrush&) = default;
};

// A point on the drawing sheet, in pixels.
struct TPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// A rectangle on the drawing sheet: left, top, width and height in pixels.
struct TRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Width = 0;
  int32_t Height = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

}  // namespace zuvar
