#include "support/viewer_pixels.h"

#include <gtest/gtest.h>
#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace vmtest {

bool CanRender() { return std::system("command -v rsvg-convert >/dev/null 2>&1") == 0; }

std::optional<PixelBox> PaintedPixels(const std::string& svgPath) {
  const std::string png = ::testing::TempDir() + "/vm_view_" + std::to_string(::getpid()) + "_" +
                          svgPath.substr(svgPath.rfind('/') + 1) + ".png";
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
