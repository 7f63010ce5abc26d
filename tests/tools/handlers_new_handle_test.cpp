// A drag with a revision tool off every mark makes a new handle whose kind
// follows from the tool and from the paths its two ends landed on.
#include "handlers_scene.h"

namespace vmtest {
namespace {

class NewHandle : public HandlersScene {
 protected:
  // "kind p1 p2", each end with its path (L line, R rectangle, C circle) and anchor; or "beep".
  std::string Outcome(int beepsBefore) {
    if (vmwin::BeepCount() > beepsBefore) return UsedSlots() == 0 ? "beep" : "beep and a handle";
    const TwoPointHandleData& h = Slot(0).line;
    auto end = [&](RealPoint p, ArtHandle art, int32_t index) {
      const char* name = art == line ? "L" : art == rect ? "R" : art == circle ? "C" : "";
      char text[64];
      std::snprintf(text, sizeof text, " %.4g,%.4g%s", p.h, p.v, name);
      return std::string(text) + (*name ? std::to_string(index) : "");
    };
    return std::to_string(Slot(0).kind) + end(h.p1, h.art1, h.index1) + end(h.p2, h.art2, h.index2);
  }
};

TEST_F(NewHandle, KindAndEndsFollowTheToolAndThePathsTheEndsLandOn) {
  const RealPoint c0 = CircleAnchor(0), c1 = CircleAnchor(1), c2 = CircleAnchor(2), c3 = CircleAnchor(3);
  const struct {
    int slot;
    RealPoint from, to;
    const char* outcome;
  } cases[] = {
      {kLengthSlot, {300, 0}, {100, 0}, "3 100,0L1 300,0L3"},  // forwards along an open path
      {kLengthSlot, {300, 0}, {100, 100}, "beep"},             // two paths
      {kLengthSlot, {300, 0}, {250, 60}, "beep"},              // a free end
      {kDistanceSlot, {50, 50}, {100, 0}, "2 50,50 100,0L1"},
      {kDistanceSlot, {100, 0}, {50, 50}, "2 50,50 100,0L1"},  // the end on a path comes second
      {kDistanceSlot, {300, 0}, {100, 100}, "2 300,0L3 100,100R1"},
      {kDistanceSlot, {50, 50}, {60, 70}, "beep"},
      {kDistanceSlot, {0, 100}, {196.5, 1.2}, "2 0,100R0 200,0L2"},  // within five pixels of an anchor
      {kAngleSlot, {300, 0}, {100, 0}, "7 300,0L3 100,0L1"},
      {kArcSlot, c0, c2, "6 350,300C0 250,300C2"},
      {kArcSlot, c3, c1, "6 300,250C3 300,350C1"},  // across the closing anchor
      {kArcSlot, {0, 0}, {200, 0}, "beep"},          // straight lines
      {kArcSlot, c0, {300, 0}, "beep"},
      {kMeasureSlot, {50, 50}, {60, 70}, "5 60,70 50,50"},
      {kMeasureSlot, {200, 0}, {0, 0}, "5 0,0L0 200,0L2"},
  };
  for (const auto& c : cases) {
    UseTool(c.slot);
    std::memset(globals().handles, 0, sizeof globals().handles);
    const int before = vmwin::BeepCount();
    Drag(c.from, c.to);
    EXPECT_EQ(Outcome(before), c.outcome) << c.slot << " from " << c.from.h << "," << c.from.v;
    EXPECT_LE(UsedSlots(), 1);
  }
}

TEST_F(NewHandle, ItIsTheOnlySelectedHandleInTheFirstFreeSlotStoredShownAndNamedForUndo) {
  Drag({0, 0}, {100, 0});
  Drag({100, 0}, {200, 0});
  Drag({200, 0}, {300, 0});
  UseTool(kLengthSlot);
  std::memset(&globals().handles[1], 0, sizeof(RevisionHandle));
  globals().handles[0].listSelected = globals().grading_selected = 1;
  const int previewArts = ArtCount(PreviewLayerGroup());
  Drag({0, 100}, {100, 200});
  ASSERT_EQ(Slot(1).kind, kHandleLength);
  for (int s = 0; s < kMaxPresets; ++s) ASSERT_STREQ(Slot(1).line.amountExpr[s], "100.0") << s;
  EXPECT_EQ(Slot(0).listSelected, 0);
  EXPECT_EQ(Slot(1).listSelected, 1);
  EXPECT_EQ(globals().grading_selected, 0);
  EXPECT_EQ(StoredHandle(1).substr(0, 3), "-3,");  // a selected length handle
  EXPECT_GT(ArtCount(PreviewLayerGroup()), previewArts);  // the new handle's marks
  EXPECT_EQ(vmhost::UndoText(), "長さ補正の取り消し");
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(vmhost::RedoText(), "長さ補正のやり直し");
  for (const auto& [name, value] : vmhost::Tags(piece)) EXPECT_NE(value.rfind("-3,", 0), 0u) << name;

  UseTool(kAngleSlot);
  Drag(CircleAnchor(0), CircleAnchor(1));
  EXPECT_EQ(Slot(UsedSlots() - 1).kind, kHandleAngle);
  EXPECT_STREQ(Slot(UsedSlots() - 1).line.amountExpr[98], "0");
}

TEST_F(NewHandle, RefusalsBeepAndOtherGesturesOrAFullTableMakeNoHandle) {
  Drag({0, 0}, {100, 0});
  const int32_t depth = vmhost::UndoDepth();
  const struct {
    int slot;
    RealPoint from, to;
    uint32_t modifiers;
    int beeps;
  } cases[] = {
      {kLengthSlot, {0, 0}, {0, 100}, 0, 1},                 // two paths
      {kMeasureSlot, {100, 100}, {100, 100}, 0, 0},          // a click
      {kPointSlot, {50, 50}, {150, 150}, 0, 0},              // a marquee
      {kDistanceSlot, {100, 100}, {0, 200}, kModOption, 0},  // an Alt marquee
      {kMeasureSlot, {0, 100}, {300, 0}, 0, 0},              // a full table
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.slot);
    UseTool(c.slot);
    if (&c == &cases[4]) {
      for (int s = 1; s < kMaxHandles; ++s) (globals().handles[s] = globals().handles[0]).listSelected = 0;
    }
    const int beeps = vmwin::BeepCount();
    Drag(c.from, c.to, c.modifiers);
    EXPECT_EQ(vmwin::BeepCount() - beeps, c.beeps);
    EXPECT_EQ(UsedSlots(), &c == &cases[4] ? kMaxHandles : 1);
    EXPECT_EQ(Slot(0).listSelected, 1);
    EXPECT_EQ(StoredHandle(0).rfind("-2,0,\"\",0,0,100,0,", 0), 0u) << StoredHandle(0);
    EXPECT_EQ(vmhost::UndoDepth(), depth);
    EXPECT_EQ(globals().tracking.dragging, 0);
  }
  EXPECT_STREQ(globals().variables.varNames[0], "");  // no names for a dropped measurement

  globals().snapKind = 0;  // as before the first tracking after start-up
  const int beeps = vmwin::BeepCount();
  vmhost::MouseDown({100, 100});
  EXPECT_EQ(vmwin::BeepCount() - beeps, 1);
  EXPECT_EQ(globals().tracking.dragging, 0);
}

}  // namespace
}  // namespace vmtest
