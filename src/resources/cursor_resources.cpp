// Cursors of the revision tools: a cross hair with a sign of what the point snapped to.
#include <array>
#include <cstdint>

#include "resources/module_resources.h"
#include "win_api.h"

namespace {

constexpr int kSize = 16;
constexpr int kHot = 5;  // the cross hair's centre
constexpr int kSignAt = 9;
using Sign = char[7][8];

constexpr uint32_t kInk = 0xFF000000;
constexpr uint32_t kHalo = 0xFFFFFFFF;

// The cross hair (a gap at its centre) and the sign in the lower right, each
// ringed by white so that they read on dark art.
constexpr std::array<uint32_t, kSize * kSize> CursorPixels(const Sign& sign) {
  std::array<bool, kSize * kSize> ink{};
  for (int i = 0; i <= 2 * kHot; ++i) {
    if (i == kHot) continue;
    ink[kHot * kSize + i] = true;
    ink[i * kSize + kHot] = true;
  }
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 7; ++x)
      if (sign[y][x] == '#') ink[(kSignAt + y) * kSize + kSignAt + x] = true;
  std::array<uint32_t, kSize * kSize> pixels{};
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      if (ink[y * kSize + x]) {
        pixels[y * kSize + x] = kInk;
        continue;
      }
      for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
          const int nx = x + dx, ny = y + dy;
          if (nx >= 0 && ny >= 0 && nx < kSize && ny < kSize && ink[ny * kSize + nx])
            pixels[y * kSize + x] = kHalo;
        }
    }
  }
  return pixels;
}

constexpr Sign kNothing = {".......", ".......", ".......", ".......", ".......", ".......", "......."};
constexpr Sign kHandleEnd = {".......", ".#####.", ".#####.", ".#####.", ".#####.", ".#####.", "......."};
constexpr Sign kHandleLine = {"......#", ".....#.", "....#..", "...#...", "..#....", ".#.....", "#......"};
constexpr Sign kFreePoint = {".......", ".......", "..###..", "..###..", "..###..", ".......", "......."};
constexpr Sign kAnchor = {".......", ".#####.", ".#...#.", ".#...#.", ".#...#.", ".#####.", "......."};
constexpr Sign kIntersection = {"#.....#", ".#...#.", "..#.#..", "...#...", "..#.#..", ".#...#.", "#.....#"};
constexpr Sign kOnPath = {".......", ".......", "##...##", "..###..", ".......", ".......", "......."};
constexpr Sign kNormal = {"...#...", "...#...", "...#...", "...#...", "...#...", "...#...", "#######"};
constexpr Sign kTangent = {".......", "..###..", ".#...#.", ".#...#.", "..###..", ".......", "#######"};
constexpr Sign kBoundsCentre = {"#######", "#.....#", "#.....#", "#..#..#", "#.....#", "#.....#", "#######"};

// The simple-grading tools over a block: its edge, or one of its dividers.
constexpr Sign kBlockEdge = {"...#...", "..###..", ".#.#.#.", "...#...", ".#.#.#.", "..###..", "...#..."};
constexpr Sign kBlockDivider = {".......", ".#...#.", "##...##", "#######", "##...##", ".#...#.", "......."};

constexpr auto kPixelsNothing = CursorPixels(kNothing);
constexpr auto kPixelsHandleEnd = CursorPixels(kHandleEnd);
constexpr auto kPixelsHandleLine = CursorPixels(kHandleLine);
constexpr auto kPixelsFreePoint = CursorPixels(kFreePoint);
constexpr auto kPixelsAnchor = CursorPixels(kAnchor);
constexpr auto kPixelsIntersection = CursorPixels(kIntersection);
constexpr auto kPixelsOnPath = CursorPixels(kOnPath);
constexpr auto kPixelsNormal = CursorPixels(kNormal);
constexpr auto kPixelsTangent = CursorPixels(kTangent);
constexpr auto kPixelsBoundsCentre = CursorPixels(kBoundsCentre);
constexpr auto kPixelsBlockEdge = CursorPixels(kBlockEdge);
constexpr auto kPixelsBlockDivider = CursorPixels(kBlockDivider);

const ImageResource kCursors[] = {
    {kSize, kSize, kPixelsNothing.data(), kHot, kHot},
    {kSize, kSize, kPixelsHandleEnd.data(), kHot, kHot},
    {kSize, kSize, kPixelsHandleLine.data(), kHot, kHot},
    {kSize, kSize, kPixelsFreePoint.data(), kHot, kHot},
    {kSize, kSize, kPixelsAnchor.data(), kHot, kHot},
    {kSize, kSize, kPixelsIntersection.data(), kHot, kHot},
    {kSize, kSize, kPixelsOnPath.data(), kHot, kHot},
    {kSize, kSize, kPixelsNormal.data(), kHot, kHot},
    {kSize, kSize, kPixelsTangent.data(), kHot, kHot},
    {kSize, kSize, kPixelsBoundsCentre.data(), kHot, kHot},
    {kSize, kSize, kPixelsBlockEdge.data(), kHot, kHot},
    {kSize, kSize, kPixelsBlockDivider.data(), kHot, kHot},
};

// 16101 nothing tracked, 16102 handle end, 16103 handle line, 16104 free point, 16105 anchor,
// 16106 intersection, 16107 on path, 16108 normal, 16109 tangent, 16110 bounds centre.
const ResourceEntry kCursorResources[] = {
    {RT_CURSOR, 16101, &kCursors[0]}, {RT_CURSOR, 16102, &kCursors[1]}, {RT_CURSOR, 16103, &kCursors[2]},
    {RT_CURSOR, 16104, &kCursors[3]}, {RT_CURSOR, 16105, &kCursors[4]}, {RT_CURSOR, 16106, &kCursors[5]},
    {RT_CURSOR, 16107, &kCursors[6]}, {RT_CURSOR, 16108, &kCursors[7]}, {RT_CURSOR, 16109, &kCursors[8]},
    {RT_CURSOR, 16110, &kCursors[9]},
    // 16124-16130 a block's edge and 16134-16140 a divider under the simple-grading tools.
    {RT_CURSOR, 16124, &kCursors[10]}, {RT_CURSOR, 16125, &kCursors[10]}, {RT_CURSOR, 16126, &kCursors[10]},
    {RT_CURSOR, 16127, &kCursors[10]}, {RT_CURSOR, 16128, &kCursors[10]}, {RT_CURSOR, 16129, &kCursors[10]},
    {RT_CURSOR, 16130, &kCursors[10]}, {RT_CURSOR, 16134, &kCursors[11]}, {RT_CURSOR, 16135, &kCursors[11]},
    {RT_CURSOR, 16136, &kCursors[11]}, {RT_CURSOR, 16137, &kCursors[11]}, {RT_CURSOR, 16138, &kCursors[11]},
    {RT_CURSOR, 16139, &kCursors[11]}, {RT_CURSOR, 16140, &kCursors[11]},
};

}  // namespace

void RegisterCursorResources(HINSTANCE__* instance) {
  RegisterModuleResources(instance, kCursorResources,
                          static_cast<int>(sizeof kCursorResources / sizeof kCursorResources[0]));
}
