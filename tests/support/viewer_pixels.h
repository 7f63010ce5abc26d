// What a viewer paints of a document file: rsvg-convert draws it at 96 dpi.
#pragma once

#include <optional>
#include <string>

namespace vmtest {

// The box of the pixels rsvg-convert paints at 96 dpi, in pixels from the page's top left;
// nothing when rsvg-convert is not installed or paints nothing.
struct PixelBox {
  int left, top, right, bottom;  // right and bottom exclusive
};
bool CanRender();
std::optional<PixelBox> PaintedPixels(const std::string& svgPath);

}  // namespace vmtest
