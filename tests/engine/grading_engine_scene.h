// A piece in the stand-in host, graded by the engine for one preset.
#pragma once

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "engine/grading_engine.h"
#include "host/host_driver.h"
#include "store/store_scene.h"

namespace vmtest {

constexpr int16_t kScale = 3;
constexpr double kKappa = 55.22847498;     // control handle of a quarter circle of radius 100
constexpr double kMm = 2.834645669291339;  // points per millimetre

// One end of a handle: on anchor `index` of a path, or a free point.
struct End {
  ArtHandle art;
  int32_t index;
  RealPoint point;
};
inline End On(ArtHandle art, int32_t index) { return {art, index, vmhost::Segments(art).at(index).p}; }
inline End Free(RealPoint p) { return {nullptr, 0, p}; }
inline PathSegment Smooth(RealPoint in, RealPoint p, RealPoint out) { return {p, in, out, 0}; }

class GradingScene : public StoreScene {
 protected:
  void SetUp() override {
    StoreScene::SetUp();
    PluginGlobals& g = globals();
    std::memset(g.handles, 0, sizeof g.handles);
    g.currentScaleIndex = kScale;
    g.presetScale[kScale] = {1.0, 1.0};
    g.grading_origin = {0, 0};
    g.grading_angle = 0;
    g.grading_compscale = 1.0;
    g.unitPerPoint = 25.4 / 72;
  }

  ArtHandle Path(const std::vector<PathSegment>& segments, bool closed) {
    pieces_.push_back(vmhost::AddPath(LayerGroup(), segments, closed));
    SetPiece(pieces_);
    return pieces_.back();
  }
  ArtHandle Polyline(const std::vector<RealPoint>& points, bool closed) {
    std::vector<PathSegment> segments;
    for (const RealPoint& p : points) segments.push_back(vmhost::Corner(p.h, p.v));
    return Path(segments, closed);
  }

  RevisionHandle& Handle(int slot, int16_t kind, End e1, End e2, const char* amount, int16_t direction = 0,
                         int16_t bothEnds = 0) {
    RevisionHandle& h = globals().handles[slot];
    h = RevisionHandle{0, 0, "", kind, direction, bothEnds, 0, {}};
    h.line = TwoPointHandleData{e1.point, e2.point, e1.art, e2.art, e1.index, e2.index, {}};
    std::strcpy(h.line.amountExpr[kScale], amount);
    return h;
  }

  std::vector<PathSegment> Grade(ArtHandle art, int32_t lastSlot = 200) {
    GradedSegment* graded = ComputeGradedSegments(art, lastSlot);
    if (graded == nullptr) return {};
    std::vector<PathSegment> out(graded, graded + vmhost::Segments(art).size());
    std::free(graded);
    return out;
  }

  std::string Variable(int row) { return globals().variables.varValues[row]; }

 private:
  std::vector<ArtHandle> pieces_;
};

inline void ExpectNear(const RealPoint& actual, const RealPoint& expected, double tol) {
  EXPECT_NEAR(actual.h, expected.h, tol);
  EXPECT_NEAR(actual.v, expected.v, tol);
}

inline void ExpectSamePath(const std::vector<PathSegment>& a, const std::vector<PathSegment>& b, double tol) {
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectNear(a[i].p, b[i].p, tol);
    ExpectNear(a[i].in, b[i].in, tol);
    ExpectNear(a[i].out, b[i].out, tol);
  }
}

}  // namespace vmtest
