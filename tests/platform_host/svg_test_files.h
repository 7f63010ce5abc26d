// Files for the document-file tests: the SVG files of other programs kept with
// the tests, scratch files, and what a viewer paints of a file.
#pragma once

#include <optional>
#include <string>

namespace vmtest {

constexpr double kPointsPerMm = 72 / 25.4;

// A file of tests/data/svg.
std::string SvgDataPath(const std::string& name);
// A scratch file of this test process.
std::string ScratchPath(const std::string& name);
std::string ReadWholeFile(const std::string& path);
void WriteWholeText(const std::string& path, const std::string& text);

// The box of the pixels rsvg-convert paints at 96 dpi, in pixels from the page's top left;
// nothing when rsvg-convert is not installed or paints nothing.
struct PixelBox {
  int left, top, right, bottom;  // right and bottom exclusive
};
bool CanRender();
std::optional<PixelBox> PaintedPixels(const std::string& svgPath);

}  // namespace vmtest
