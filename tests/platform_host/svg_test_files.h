// Files for the document-file tests: the SVG files of other programs kept with
// the tests, scratch files, and what a viewer paints of a file.
#pragma once

#include <string>

#include "support/viewer_pixels.h"

namespace vmtest {

constexpr double kPointsPerMm = 72 / 25.4;

// A file of tests/data/svg.
std::string SvgDataPath(const std::string& name);
// A scratch file of this test process.
std::string ScratchPath(const std::string& name);
std::string ReadWholeFile(const std::string& path);
void WriteWholeText(const std::string& path, const std::string& text);

}  // namespace vmtest
