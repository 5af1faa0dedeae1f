#pragma once

#include <Qt>
#include <cstdint>

namespace zuvar {

class TSchematView;

// The mouse on the empty sheet: placing a block with the current tool, the rubber band and
// panning with the right button. Coordinates are sheet coordinates.
class TSheetMouse {
 public:
  explicit TSheetMouse(TSchematView& view) : view_(view) {}

  void SchematMouseDown(Qt::MouseButton button, int32_t x, int32_t y);
  void SchematMouseMove(Qt::MouseButtons buttons, int32_t x, int32_t y);
  void SchematMouseUp(Qt::MouseButton button, int32_t x, int32_t y);

  // Whether a block's rectangle overlaps the band from (PressX, PressY) to (x, y).
  static bool Overlaps(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t left, int32_t top,
                       int32_t width, int32_t height);

  // Why no block can be placed once the largest Id has been handed out.
  static constexpr const char* kIdsExhausted =
      "Nie można dodać bloku: wyczerpano numery identyfikatorów bloków (Id).";

 private:
  void DeselectAll();
  void DragBand(int32_t x, int32_t y);
  void PlaceBlock(int32_t x, int32_t y);
  void ReportIdsExhausted();
  void SelectByBand(int32_t x, int32_t y);

  TSchematView& view_;
};

}  // namespace zuvar
