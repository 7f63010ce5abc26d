#include "geometry/host_math.h"

#include "common/suite_pointers.h"

int32_t HostPointsEqual(const RealPoint& a, const RealPoint& b) {
  if (sAIRealMath) return sAIRealMath->EqualPoints(&a, &b) ? 1 : 0;
  return a.h == b.h && a.v == b.v ? 1 : 0;
}

int32_t RealRectsOverlap(const RealRect& a, const RealRect& b, RealRect* out) {
  *out = {0, 0, 0, 0};
  if (!sAIRealMath) return 0;
  sAIRealMath->IntersectRect(&a, &b, out);
  return sAIRealMath->EmptyRect(out) ? 0 : 1;
}

DocViewHandle FirstView() {
  DocViewHandle view = nullptr;
  if (!sAIDocumentView || sAIDocumentView->GetNthDocumentView(0, &view) != kNoErr) return nullptr;
  return view;
}

double FirstViewZoom() {
  const DocViewHandle view = FirstView();
  double zoom = 1.0;
  if (!view || sAIDocumentView->GetDocumentViewZoom(view, &zoom) != kNoErr) return 1.0;
  return zoom;
}

double ScreenPixelsToPoints(double pixels, double zoom) { return zoom > 0 ? pixels / zoom : -pixels * zoom; }

double ViewTolerance() { return ScreenPixelsToPoints(2, FirstViewZoom()); }
