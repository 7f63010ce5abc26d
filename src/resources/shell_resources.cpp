// Toolbox images of the six revision tools, for the light and the dark theme.
#include "resources/module_resources.h"
#include "resources/pixel_art.h"
#include "resources/shell_resource_ids.h"
#include "win_api.h"

namespace {

using Rows = char[16][17];

constexpr Rows kDistance = {
    "................", "................", "................", "................",
    "##............##", "##............##", "##............##", "################",
    "################", "##............##", "##............##", "##............##",
    "................", "................", "................", "................"};
constexpr Rows kLength = {
    "................", "................", "................", "................",
    "################", "#..#..#..#..#..#", "#..#..#..#..#..#", "#..............#",
    "#..............#", "################", "................", "................",
    "................", "................", "................", "................"};
constexpr Rows kPoint = {
    ".......##.......", ".......##.......", ".......##.......", ".......##.......",
    ".......##.......", "......####......", ".....##..##.....", "######....######",
    "######....######", ".....##..##.....", "......####......", ".......##.......",
    ".......##.......", ".......##.......", ".......##.......", ".......##......."};
constexpr Rows kAngle = {
    "...............#", "..............##", ".............##.", "............##..",
    "...........##...", "..........##....", ".........##.....", "........##..#...",
    ".......##....#..", "......##......#.", ".....##.......#.", "....##........#.",
    "...##.........#.", "..##..........#.", ".###############", "################"};
constexpr Rows kMeasurement = {
    "................", "................", "#..............#", "#..............#",
    "#..............#", "################", "#..............#", "#..............#",
    "#..............#", "................", "..#.#.#.#.#.#...", "..#.#.#.#.#.#...",
    "..###########...", "................", "................", "................"};
constexpr Rows kArc = {
    "................", "................", ".....######.....", "...##......##...",
    "..#..........#..", ".#............#.", ".#............#.", "#..............#",
    "#..............#", "#.......#......#", "................", "................",
    "................", "................", "................", "................"};

constexpr uint32_t kInkLight = 0xFF333333;
constexpr uint32_t kInkDark = 0xFFDDDDDD;

constexpr auto kDistanceLight = PixelArt<16, 16>(kDistance, kInkLight);
constexpr auto kDistanceDark = PixelArt<16, 16>(kDistance, kInkDark);
constexpr auto kLengthLight = PixelArt<16, 16>(kLength, kInkLight);
constexpr auto kLengthDark = PixelArt<16, 16>(kLength, kInkDark);
constexpr auto kPointLight = PixelArt<16, 16>(kPoint, kInkLight);
constexpr auto kPointDark = PixelArt<16, 16>(kPoint, kInkDark);
constexpr auto kAngleLight = PixelArt<16, 16>(kAngle, kInkLight);
constexpr auto kAngleDark = PixelArt<16, 16>(kAngle, kInkDark);
constexpr auto kMeasurementLight = PixelArt<16, 16>(kMeasurement, kInkLight);
constexpr auto kMeasurementDark = PixelArt<16, 16>(kMeasurement, kInkDark);
constexpr auto kArcLight = PixelArt<16, 16>(kArc, kInkLight);
constexpr auto kArcDark = PixelArt<16, 16>(kArc, kInkDark);

const ImageResource kImages[] = {
    {16, 16, kDistanceLight.data(), 0, 0},    {16, 16, kDistanceDark.data(), 0, 0},
    {16, 16, kLengthLight.data(), 0, 0},      {16, 16, kLengthDark.data(), 0, 0},
    {16, 16, kPointLight.data(), 0, 0},       {16, 16, kPointDark.data(), 0, 0},
    {16, 16, kAngleLight.data(), 0, 0},       {16, 16, kAngleDark.data(), 0, 0},
    {16, 16, kMeasurementLight.data(), 0, 0}, {16, 16, kMeasurementDark.data(), 0, 0},
    {16, 16, kArcLight.data(), 0, 0},         {16, 16, kArcDark.data(), 0, 0},
};

const ResourceEntry kShellResources[] = {
    {RT_PNGI, 16252, &kImages[0]},  {RT_PNGI, 16352, &kImages[1]},
    {RT_PNGI, 16253, &kImages[2]},  {RT_PNGI, 16353, &kImages[3]},
    {RT_PNGI, 16254, &kImages[4]},  {RT_PNGI, 16354, &kImages[5]},
    {RT_PNGI, 16260, &kImages[6]},  {RT_PNGI, 16360, &kImages[7]},
    {RT_PNGI, 16258, &kImages[8]},  {RT_PNGI, 16358, &kImages[9]},
    {RT_PNGI, 16259, &kImages[10]}, {RT_PNGI, 16359, &kImages[11]},
    {RT_DIALOG, kAboutDialogResource, &kAboutDialogJapanese},
    {RT_DIALOG, kAboutDialogResource + 1000, &kAboutDialogEnglish},
};

}  // namespace

void RegisterShellResources(HINSTANCE__* instance) {
  RegisterCursorResources(instance);
  RegisterModuleResources(instance, kShellResources, static_cast<int>(sizeof kShellResources / sizeof kShellResources[0]));
}
