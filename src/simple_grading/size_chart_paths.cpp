#include "common/suite_pointers.h"
#include "simple_grading/size_chart.h"

namespace {

constexpr float kChartLineGray = 0.5f;

ArtHandle NewChartPath(ArtHandle group, const PathSegment* corners, int16_t count, bool closed,
                       const PathStyle& style) {
  ArtHandle path = nullptr;
  if (group == nullptr || sAIArt == nullptr || sAIPath == nullptr || sAIPathStyle == nullptr ||
      sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, group, &path) != kNoErr || path == nullptr) {
    return nullptr;
  }
  sAIPath->SetPathSegmentCount(path, count);
  sAIPath->SetPathSegments(path, 0, count, corners);
  sAIPath->SetPathClosed(path, closed ? 1 : 0);
  sAIPathStyle->SetPathStyle(path, &style);
  return path;
}

PathSegment Corner(double h, double v) { return PathSegment{{h, v}, {h, v}, {h, v}, 1}; }

ArtHandle NewRectangle(ArtHandle group, double left, double top, double width, double height,
                       const PathStyle& style) {
  const PathSegment corners[4] = {Corner(left, top), Corner(left + width, top),
                                  Corner(left + width, top + height), Corner(left, top + height)};
  return NewChartPath(group, corners, 4, true, style);
}

}  // namespace

void SetChartPathStyle(PathStyle* style, int16_t fill, int16_t stroke, float gray) {
  *style = PathStyle{};
  style->fillPaint = fill;
  style->strokePaint = stroke;
  style->fillColor = HostColor{ColorKind::Gray, gray, 0, 0, 0, 0};
  style->strokeColor = style->fillColor;
  style->strokeWidth = 2;
  style->miterLimit = 4;
}

ArtHandle CreateRectanglePath(ArtHandle group, double left, double top, double width, double height,
                              float gray) {
  PathStyle style;
  SetChartPathStyle(&style, 1, 0, gray);
  return NewRectangle(group, left, top, width, height, style);
}

ArtHandle CreateFilledRectanglePath(ArtHandle group, double left, double top, double width, double height) {
  PathStyle style;
  SetChartPathStyle(&style, 0, 1, kChartLineGray);
  return NewRectangle(group, left, top, width, height, style);
}

ArtHandle CreateLinePath(ArtHandle group, double x, double y, double dx, double dy) {
  PathStyle style;
  SetChartPathStyle(&style, 0, 1, kChartLineGray);
  const PathSegment ends[2] = {Corner(x, y), Corner(x + dx, y + dy)};
  return NewChartPath(group, ends, 2, false, style);
}
