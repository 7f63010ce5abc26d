// Button icons of the Information and Variable panels: light and dark theme
// sets and the disabled set, drawn at 16 x 16 and doubled to 32 x 32.
#include <array>
#include <cstdint>

#include "resources/panel_resources.h"
#include "win_api.h"

namespace {

using Rows = char[16][17];

constexpr Rows kEdit = {"................", "...........##...", "..........#..#..", ".........#.##.#.",
                        "........#.#..#..", ".......#.#..#...", "......#.#..#....", ".....#.#..#.....",
                        "....#.#..#......", "...#.#..#.......", "..#.#..#........", "..##..#.........",
                        "..###.#.........", "..####..........", "................", "................"};
constexpr Rows kDelete = {"................", "......####......", "..############..", "................",
                          "...##########...", "...#.#.##.#.#...", "...#.#.##.#.#...", "...#.#.##.#.#...",
                          "...#.#.##.#.#...", "...#.#.##.#.#...", "...#.#.##.#.#...", "...#.#.##.#.#...",
                          "...#.#.##.#.#...", "...##########...", "................", "................"};
constexpr Rows kUpdate = {"................", ".....######..#..", "...##......###..", "..#........####.",
                          "..#.........###.", ".#..............", ".#..............", ".#..............",
                          "..............#.", "..............#.", "..............#.", ".###.........#..",
                          ".####........#..", "..###......##...", "..#..######.....", "................"};
constexpr Rows kNew = {"................", "..#########.....", "..#.......##....", "..#.......#.#...",
                       "..#.......####..", "..#..........#..", "..#....#.....#..", "..#....#.....#..",
                       "..#..#####...#..", "..#....#.....#..", "..#....#.....#..", "..#..........#..",
                       "..#..........#..", "..############..", "................", "................"};
constexpr Rows kLockOff = {"................", ".........####...", "........#....#..", ".......#......#.",
                           ".......#......#.", ".......#......#.", ".......#........", ".......#........",
                           "..##########....", "..#........#....", "..#...##...#....", "..#...##...#....",
                           "..#....#...#....", "..#........#....", "..##########....", "................"};
constexpr Rows kLockOn = {"................", "......####......", ".....#....#.....", "....#......#....",
                          "....#......#....", "....#......#....", "....#......#....", "....#......#....",
                          "..############..", "..############..", "..#####..#####..", "..#####..#####..",
                          "..######.#####..", "..############..", "..############..", "................"};

constexpr uint32_t kInkLight = 0xFF333333;
constexpr uint32_t kInkDark = 0xFFDDDDDD;
constexpr uint32_t kInkDisabled = 0xFFA0A0A0;

// Each character becomes a 2 x 2 block.
constexpr std::array<uint32_t, 32 * 32> Doubled(const Rows& rows, uint32_t ink) {
  std::array<uint32_t, 32 * 32> pixels{};
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 32; ++x) pixels[y * 32 + x] = rows[y / 2][x / 2] == '#' ? ink : 0u;
  return pixels;
}

constexpr auto kEditLight = Doubled(kEdit, kInkLight);
constexpr auto kEditDark = Doubled(kEdit, kInkDark);
constexpr auto kEditDisabled = Doubled(kEdit, kInkDisabled);
constexpr auto kDeleteLight = Doubled(kDelete, kInkLight);
constexpr auto kDeleteDark = Doubled(kDelete, kInkDark);
constexpr auto kDeleteDisabled = Doubled(kDelete, kInkDisabled);
constexpr auto kUpdateLight = Doubled(kUpdate, kInkLight);
constexpr auto kUpdateDark = Doubled(kUpdate, kInkDark);
constexpr auto kUpdateDisabled = Doubled(kUpdate, kInkDisabled);
constexpr auto kNewLight = Doubled(kNew, kInkLight);
constexpr auto kNewDark = Doubled(kNew, kInkDark);
constexpr auto kNewDisabled = Doubled(kNew, kInkDisabled);
constexpr auto kLockOffLight = Doubled(kLockOff, kInkLight);
constexpr auto kLockOffDark = Doubled(kLockOff, kInkDark);
constexpr auto kLockOnLight = Doubled(kLockOn, kInkLight);
constexpr auto kLockOnDark = Doubled(kLockOn, kInkDark);

const ImageResource kIcons[] = {
    {32, 32, kEditLight.data(), 0, 0},      {32, 32, kEditDark.data(), 0, 0},
    {32, 32, kEditDisabled.data(), 0, 0},   {32, 32, kDeleteLight.data(), 0, 0},
    {32, 32, kDeleteDark.data(), 0, 0},     {32, 32, kDeleteDisabled.data(), 0, 0},
    {32, 32, kUpdateLight.data(), 0, 0},    {32, 32, kUpdateDark.data(), 0, 0},
    {32, 32, kUpdateDisabled.data(), 0, 0}, {32, 32, kNewLight.data(), 0, 0},
    {32, 32, kNewDark.data(), 0, 0},        {32, 32, kNewDisabled.data(), 0, 0},
    {32, 32, kLockOffLight.data(), 0, 0},   {32, 32, kLockOffDark.data(), 0, 0},
    {32, 32, kLockOnLight.data(), 0, 0},    {32, 32, kLockOnDark.data(), 0, 0},
};

const ResourceEntry kPanelResources[] = {
    {RT_ICON, 16201, &kIcons[0]},  {RT_ICON, 16351, &kIcons[1]},  {RT_ICON, 16211, &kIcons[2]},
    {RT_ICON, 16202, &kIcons[3]},  {RT_ICON, 16352, &kIcons[4]},  {RT_ICON, 16212, &kIcons[5]},
    {RT_ICON, 16203, &kIcons[6]},  {RT_ICON, 16353, &kIcons[7]},  {RT_ICON, 16213, &kIcons[8]},
    {RT_ICON, 16204, &kIcons[9]},  {RT_ICON, 16354, &kIcons[10]}, {RT_ICON, 16214, &kIcons[11]},
    {RT_ICON, 16255, &kIcons[12]}, {RT_ICON, 16355, &kIcons[13]}, {RT_ICON, 16256, &kIcons[14]},
    {RT_ICON, 16356, &kIcons[15]},
};

}  // namespace

void RegisterPanelResources(HINSTANCE__* instance) {
  RegisterModuleResources(instance, kPanelResources,
                          static_cast<int>(sizeof kPanelResources / sizeof kPanelResources[0]));
  RegisterInfListIcons(instance);
}
