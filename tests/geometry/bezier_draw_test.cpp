// Drawing a curve into the document window of the stand-in host.
#include "geometry/bezier_draw.h"

#include <algorithm>
#include <cmath>

#include "support/module_suites.h"
#include "support/module_fixture.h"
#include "win/win_driver.h"
#include "win_gdi.h"

using namespace vmtest;

namespace {

using CurveFeedback = ModuleTest;

bool DrawnAt(const POINT& drawn, const RealPoint& p) {
  int32_t x = 0, y = 0;
  sAIDocumentView->ArtworkPointToViewPoint(vmhost::CurrentView(), &p, &x, &y);
  return drawn.x == x && drawn.y == y;
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
    ModuleSuites held;
    HDC dc = GetDC(nullptr);
    const size_t before = vmwin::DrawingOf(dc).size();
    DrawBezierInView(dc, p0, p1, p2, p3);
    const std::vector<vmwin::DrawRecord> drawn(vmwin::DrawingOf(dc).begin() + before,
                                               vmwin::DrawingOf(dc).end());
    ASSERT_FALSE(drawn.empty());
    EXPECT_EQ(drawn.size() < 32, c.thinned) << c.zoom;
    EXPECT_TRUE(DrawnAt(drawn.front().from, p0) && DrawnAt(drawn.back().to, p3)) << c.zoom;
    for (size_t i = 1; i < drawn.size(); ++i) {
      const POINT &from = drawn[i - 1].from, &to = drawn[i - 1].to;
      EXPECT_TRUE(drawn[i].from.x == to.x && drawn[i].from.y == to.y);  // one unbroken line
      EXPECT_TRUE(c.zoom == 0 || std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)) >= 1) << c.zoom;
    }
    ReleaseDC(nullptr, dc);
  }
}

}  // namespace
