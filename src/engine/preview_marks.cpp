#include "engine/preview_marks.h"

#include <cmath>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "engine/preview_builder.h"
#include "geometry/angles.h"

double PreviewZoom() {
  const PluginGlobals* g = gPlugin;
  return g != nullptr && g->lastZoom > 0 ? g->lastZoom : 1.0;
}

HostColor ProcessColor(double c, double m, double y, double k) { return {ColorKind::Process, 0, c, m, y, k}; }

HostColor AnnotationColor(int16_t selected) {
  return selected ? ProcessColor(0, 1, 1, 0) : ProcessColor(0.5, 0, 0, 0);
}

PathSegment CornerSegment(double h, double v) { return {{h, v}, {h, v}, {h, v}, 1}; }

ArtHandle DrawAnnotationPath(ArtHandle group, const PathSegment* segments, int16_t count, int32_t closed,
                             int16_t selected, double widthFactor) {
  ArtHandle path = nullptr;
  if (group == nullptr || sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, group, &path) != kNoErr ||
      path == nullptr)
    return nullptr;
  PathStyle style{};
  style.fillPaint = 0;
  style.fillColor = AnnotationColor(selected);
  style.strokePaint = 1;
  style.strokeColor = style.fillColor;
  style.strokeWidth = widthFactor / PreviewZoom();
  style.miterLimit = 4.0;
  sAIPathStyle->SetPathStyle(path, &style);
  if (previewDeselectNewArt) sAIArt->SetArtUserAttr(path, kArtSelected, 0);
  sAIPath->SetPathSegmentCount(path, count);
  sAIPath->SetPathSegments(path, 0, count, segments);
  sAIPath->SetPathClosed(path, closed);
  return path;
}

ArtHandle DrawAnnotationLine(ArtHandle group, const RealPoint& a, const RealPoint& b, int16_t selected) {
  const PathSegment line[2] = {CornerSegment(a.h, a.v), CornerSegment(b.h, b.v)};
  return DrawAnnotationPath(group, line, 2, 0, selected, 1.0);
}

void DrawEndCross(ArtHandle group, const RealPoint& at, int16_t selected) {
  const double d = std::sin(kQuarterPiShort) * 5.0 / PreviewZoom();
  DrawAnnotationLine(group, {at.h - d, at.v - d}, {at.h + d, at.v + d}, selected);
  DrawAnnotationLine(group, {at.h - d, at.v + d}, {at.h + d, at.v - d}, selected);
}

void DrawPreviewMarker(ArtHandle group, double x, double y, double size, int16_t square, int16_t selected) {
  const double r = size / 2;
  PathSegment s[4];
  if (square) {
    s[0] = CornerSegment(x - r, y + r);
    s[1] = CornerSegment(x + r, y + r);
    s[2] = CornerSegment(x + r, y - r);
    s[3] = CornerSegment(x - r, y - r);
  } else {
    const double k = r * 0.552277;
    s[0] = {{x + r, y}, {x + r, y - k}, {x + r, y + k}, 0};
    s[1] = {{x, y + r}, {x + k, y + r}, {x - k, y + r}, 0};
    s[2] = {{x - r, y}, {x - r, y + k}, {x - r, y - k}, 0};
    s[3] = {{x, y - r}, {x - k, y - r}, {x + k, y - r}, 0};
  }
  DrawAnnotationPath(group, s, 4, 1, selected, 1.0);
}
