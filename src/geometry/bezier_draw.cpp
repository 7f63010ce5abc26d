#include "geometry/bezier_draw.h"

#include "common/suite_pointers.h"
#include "geometry/bezier_tables.h"
#include "geometry/host_math.h"
#include "geometry/numeric.h"
#include "win_gdi.h"

namespace {

bool ToWindow(DocViewHandle view, const RealPoint& p, int32_t* x, int32_t* y) {
  return sAIDocumentView->ArtworkPointToViewPoint(view, &p, x, y) == kNoErr;
}

}  // namespace

void DrawBezierInView(HDC dc, const RealPoint& p0, const RealPoint& p1, const RealPoint& p2,
                      const RealPoint& p3) {
  const DocViewHandle view = FirstView();
  int32_t x, y;
  if (!view || !ToWindow(view, p0, &x, &y)) return;
  const double zoom = FirstViewZoom();
  // Points closer than a pixel to the last drawn one are passed over; a zero zoom passes none.
  const double pixel = zoom > 0 ? 1 / zoom : (zoom < 0 ? 1 / -zoom : 0);
  MoveToEx(dc, x, y, nullptr);
  const CubicPoints c{p0, p1, p2, p3};
  RealPoint last = p0;
  for (int k = 1; k < 32; ++k) {
    const RealPoint next = CubicStep32(c, k);
    if (AbsOf(next.h - last.h) < pixel && AbsOf(next.v - last.v) < pixel) continue;
    if (ToWindow(view, next, &x, &y)) LineTo(dc, x, y);
    last = next;
  }
  if (ToWindow(view, p3, &x, &y)) LineTo(dc, x, y);
}
