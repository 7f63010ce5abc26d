// A started module with a document for the tracking tests: the cursor events
// of a revision tool as the tool routing and its handlers would give them.
#pragma once

#include <cmath>
#include <cstring>
#include <vector>

#include "host/host_driver.h"
#include "store/store_scene.h"
#include "text/document_window.h"
#include "tools/tool_feedback.h"
#include "tools/tracking_snap.h"
#include "tools/tracking_state.h"
#include "win_driver.h"

namespace vmtest {

class TrackingScene : public StoreScene {
 protected:
  void SetUp() override {
    StoreScene::SetUp();
    InModuleCall([] { ClearTrackingState(); });
    Origin({-5000, -5000}, 0, false);
  }

  // One cursor event: the routing keeps the point and the modifiers, the
  // handler snaps and draws the feedback. Returns the snap kind.
  int16_t Track(RealPoint p, uint32_t modifiers = 0) {
    TrackingState& t = globals().tracking;
    t.cursor = t.lastCursor = p;
    t.modifiers = static_cast<int16_t>(modifiers);
    int16_t kind = -1;
    InModuleCall([&] {
      SnapCursorPoint(t.dragging, &kind);
      DrawToolFeedback(nullptr, tool);
    });
    return kind;
  }
  // The mouse goes down where the last tracking left the point.
  void Press() { globals().tracking.dragging = 1; }
  RevisionHandle& Handle(int slot, int16_t kind, RealPoint p1, RealPoint p2, bool selected = false) {
    RevisionHandle& h = globals().handles[slot];
    std::memset(&h, 0, sizeof h);
    h.kind = kind;
    h.listSelected = selected;
    h.line.p1 = p1;
    h.line.p2 = p2;
    return h;
  }
  // An unselected origin with its arrow along x, or without one (the aspect lock).
  void Origin(RealPoint at, double length, bool arrow) {
    globals().grading_origin = at;
    globals().grading_angle = 0;
    globals().grading_length = length;
    globals().grading_selected = 0;
    globals().grading_hvlock = !arrow;
  }
  // The view area of the document window, on which the feedback is drawn.
  static HWND ViewWindow() { return FindDocumentViewWindow(); }
  static bool Same(RealPoint a, RealPoint b) {
    return std::fabs(a.h - b.h) < 1e-4 && std::fabs(a.v - b.v) < 1e-4;
  }

  int16_t tool = 1;  // RevisionToolIndex
};

}  // namespace vmtest
