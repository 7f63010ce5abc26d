#include "svg_test_files.h"

#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

namespace vmtest {

std::string SvgDataPath(const std::string& name) {
  const char* data = std::getenv("VESTAMARK_TEST_DATA");
  return std::string(data != nullptr ? data : "tests/data") + "/svg/" + name;
}

std::string ScratchPath(const std::string& name) {
  return ::testing::TempDir() + "/vm_svg_" + std::to_string(::getpid()) + "_" + name;
}

std::string ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void WriteWholeText(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

bool CanRender() { return std::system("command -v rsvg-convert >/dev/null 2>&1") == 0; }

std::optional<PixelBox> PaintedPixels(const std::string& svgPath) {
  const std::string png = ScratchPath(svgPath.substr(svgPath.rfind('/') + 1) + ".png");
  const std::string command = "rsvg-convert -o '" + png + "' '" + svgPath + "' 2>/dev/null";
  if (std::system(command.c_str()) != 0) return std::nullopt;
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  std::vector<unsigned char> pixels;
  if (png_image_begin_read_from_file(&image, png.c_str())) {
    image.format = PNG_FORMAT_RGBA;
    pixels.resize(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) pixels.clear();
  }
  std::remove(png.c_str());
  PixelBox box{1 << 30, 1 << 30, -1, -1};
  for (int y = 0; y < static_cast<int>(image.height) && !pixels.empty(); ++y)
    for (int x = 0; x < static_cast<int>(image.width); ++x) {
      if (pixels[(static_cast<size_t>(y) * image.width + static_cast<size_t>(x)) * 4 + 3] == 0) continue;
      box = PixelBox{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                     std::max(box.bottom, y + 1)};
    }
  if (box.right < 0) return std::nullopt;
  return box;
}

}  // namespace vmtest
