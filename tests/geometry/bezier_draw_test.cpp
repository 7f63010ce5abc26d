// Drawing a curve into the document window of the stand-in host.
#include "geometry/bezier_draw.h"

#include <algorithm>
#include <cmath>

#include "shell/held_suites.h"
#include "support/module_fixture.h"
#include "win/win_driver.h"
#include "win_gdi.h"

using namespace vmtest;

namespace {

using CurveFeedback = ModuleTest;

POINT InWindow(const RealPoint& p) {
  POINT w{};
  int32_t x = 0, y = 0;
  sAIDocumentView->ArtworkPointToViewPoint(vmhost::CurrentView(), &p, &x, &y);
  w.x = x;
  w.y = y;
  return w;
}

TEST_F(CurveFeedback, PolylineFromAnchorToAnchorWithoutSubPixelSteps) {
  const double k = 55.22847498;
  const RealPoint p0{100, 0}, p1{100, k}, p2{k, 100}, p3{0, 100};
  const struct {
    double zoom;
    bool thinned;  // points under a pixel from the last drawn one passed over
  } cases[] = {{1, false}, {0.05, true}, {-1, false}, {0, false}};
  for (const auto& c : cases) {
    vmhost::SetZoom(c.zoom);
    HeldSuites held;
    HDC dc = GetDC(nullptr);
    const size_t before = vmwin::DrawingOf(dc).size();
    DrawBezierInView(dc, p0, p1, p2, p3);
    const std::vector<vmwin::DrawRecord> drawn(vmwin::DrawingOf(dc).begin() + before,
                                               vmwin::DrawingOf(dc).end());
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.size() < 32, c.thinned) << c.zoom;
    EXPECT_EQ(drawn.front().from.x, InWindow(p0).x);
    EXPECT_EQ(drawn.front().from.y, InWindow(p0).y);
    EXPECT_EQ(drawn.back().to.x, InWindow(p3).x);
    EXPECT_EQ(drawn.back().to.y, InWindow(p3).y);
    for (size_t i = 1; i < drawn.size(); ++i) {
      EXPECT_EQ(drawn[i].from.x, drawn[i - 1].to.x);  // one unbroken line
      EXPECT_EQ(drawn[i].from.y, drawn[i - 1].to.y);
    }
    for (size_t i = 0; c.zoom != 0 && i + 1 < drawn.size(); ++i) {
      const int step =
          std::max(std::abs(drawn[i].to.x - drawn[i].from.x), std::abs(drawn[i].to.y - drawn[i].from.y));
      EXPECT_GE(step, 1) << c.zoom << " line " << i;
    }
    ReleaseDC(nullptr, dc);
  }
}

TEST_F(CurveFeedback, NothingDrawnWithoutADocument) {
  vmhost::CloseDocument(doc);
  HeldSuites held;
  HDC dc = GetDC(nullptr);
  const size_t before = vmwin::DrawingOf(dc).size();
  DrawBezierInView(dc, {0, 0}, {0, 10}, {10, 10}, {10, 0});
  EXPECT_EQ(vmwin::DrawingOf(dc).size(), before);
  ReleaseDC(nullptr, dc);
}

}  // namespace
