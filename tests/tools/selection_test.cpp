// Clicks, marquees and drags of the revision tools on existing handles: what
// is selected, which handles form a group, and where ends and the origin go.
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "host/host_driver.h"
#include "support/module_suites.h"
#include "store/grading_group_tags.h"
#include "support/module_fixture.h"
#include "support/tool_gestures.h"
#include "win_driver.h"

namespace vmtest {
namespace {

enum ToolSlot { kDistanceSlot = 1, kLengthSlot, kPointSlot, kAngleSlot, kMeasureSlot };
constexpr uint32_t kAlt = kModOption, kShift = kModShift;

class Selection : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    {
      ModuleSuites suites;
      LayerHandle layer = nullptr;
      sAILayer->GetCurrentLayer(&layer);
      piece = vmhost::AddGroup(layer->group);
      line = vmhost::AddPolyline(piece, {{0, 0}, {100, 0}, {200, 0}, {300, 0}}, false);
      rect = vmhost::AddPolyline(piece, {{0, 100}, {100, 100}, {100, 200}, {0, 200}}, true);
      globals().grading_origin = {-500, -500};
      std::vector<ArtHandle> arts{line, rect};
      SaveGradingGroup(arts.data(), 2, 1);
    }
    vmhost::SetSelected(piece, true);
    ASSERT_EQ(TickOnce(), kNoErr);
    UseTool(kDistanceSlot);
  }

  void UseTool(int slot) { ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[slot]), kNoErr); }
  // The pointer comes to `from`, the button goes down there and comes up at `to`.
  static void Drag(RealPoint from, RealPoint to, uint32_t modifiers = 0) {
    vmhost::TrackCursor({from.h + 20, from.v + 20}, modifiers);
    DragTool(from, to, modifiers);
  }
  // Refusals since the last call.
  int Beeps() {
    const int count = vmwin::BeepCount();
    return count - std::exchange(beeps_, count);
  }

  const RevisionHandle& Slot(int s) { return globals().handles[s]; }
  std::string On(ArtHandle art, int32_t index) {
    if (art != line && art != rect) return "";
    return std::string(art == line ? "L" : "R").append(std::to_string(index));
  }
  // A word per used slot: kind and second end ("2L1"), or a point handle's anchor ("R0"); "*" when
  // list-selected, joined by "~" to the slot before in its group.
  std::string Table() {
    std::string text;
    for (int s = 0; s < kMaxHandles && Slot(s).kind != kHandleFree; ++s) {
      const RevisionHandle& h = Slot(s);
      const bool grouped = s > 0 && h.groupId != 0 && h.groupId == Slot(s - 1).groupId;
      text += text.empty() ? "" : grouped ? "~" : " ";
      text += h.kind == kHandlePoint ? On(h.point.art, h.point.anchorIndex)
                                     : std::to_string(h.kind) + On(h.line.art2, h.line.index2);
      text += h.listSelected ? "*" : "";
    }
    return text;
  }
  // "x,y<path anchor>" of both ends, or a point handle's anchor.
  std::string Ends(int s) {
    const RevisionHandle& h = Slot(s);
    if (h.kind == kHandlePoint) return On(h.point.art, h.point.anchorIndex);
    char text[64];
    std::snprintf(text, sizeof text, "%g,%g%s %g,%g%s", h.line.p1.h, h.line.p1.v,
                  On(h.line.art1, h.line.index1).c_str(), h.line.p2.h, h.line.p2.v,
                  On(h.line.art2, h.line.index2).c_str());
    return text;
  }
  std::string Stored(int s) {
    return vmhost::Tag(piece, ("vmk_grading_fxh_conf_" + std::to_string(s + 1)).c_str());
  }

  // A gesture with the current tool (a click where `to` is `from`), and what the table then holds.
  struct Step {
    RealPoint from, to;
    uint32_t modifiers;
    const char* table;
    int beeps;
  };
  void Play(std::initializer_list<Step> steps) {
    for (const Step& step : steps) {
      Drag(step.from, step.to, step.modifiers);
      EXPECT_EQ(Table(), step.table) << step.from.h << "," << step.from.v;
      EXPECT_EQ(Beeps(), step.beeps) << step.from.h << "," << step.from.v;
    }
  }

  ArtHandle piece = nullptr, line = nullptr, rect = nullptr;

 private:
  int beeps_ = 0;
};

TEST_F(Selection, ClicksSelectWholeGroupsAndAltClicksAddOrRemoveMembers) {
  Drag({50, 50}, {100, 0});
  Play({
      {{200, 0}, {200, 0}, kAlt, "2L1*~2L2*", 0},
      {{203, 1}, {203, 1}, kAlt, "2L1*~2L2*", 1},    // that anchor is in the group already
      {{250, 50}, {250, 50}, kAlt, "2L1*~2L2*", 1},  // no anchor
      {{300, 0}, {300, 0}, kAlt | kShift, "2L1*~2L2*~2L3*", 0},
  });
  EXPECT_EQ(Slot(2).line.p1.h, 250);   // the copy keeps the lead's offset
  EXPECT_EQ(Slot(2).proportional, 1);  // Shift
  Play({
      {{250, 150}, {250, 150}, 0, "2L1*~2L2*~2L3*", 1},  // an empty spot with the distance tool
      {{50, 150}, {0, 100}, 0, "2L1~2L2~2L3 2R0*", 0},
      {{150, 50}, {150, 50}, kShift, "2L1*~2L2*~2L3* 2R0*", 0},  // a whole group
      {{0, 100}, {0, 100}, kShift, "2L1*~2L2*~2L3* 2R0", 0},
      {{0, 100}, {0, 100}, 0, "2L1~2L2~2L3 2R0*", 0},       // a plain click: that handle alone
      {{150, 50}, {150, 50}, kAlt, "2L1~2L2~2L3 2R0*", 1},  // a member of a group not selected
      {{300, 0}, {300, 0}, 0, "2L1*~2L2*~2L3* 2R0", 0},
      {{100, 0}, {100, 0}, kAlt, "2L1*~2L2*~2L3* 2R0", 1},  // the group's first handle stays
      {{150, 50}, {150, 50}, kAlt, "2L1*~2L3* 2R0", 0},
      {{250, 50}, {250, 50}, kAlt, "2L1* 2R0", 0},    // a group of one is no group
      {{-500, -500}, {-500, -500}, 0, "2L1 2R0", 0},  // the origin
      {{0, 100}, {0, 100}, kAlt, "2L1 2R0", 1},       // not selected
  });
  EXPECT_EQ(globals().grading_selected, 0);  // even a refused click on a handle
  EXPECT_EQ(Slot(0).groupId, 0u);
  EXPECT_EQ(Stored(1).substr(0, 4), "2,0,");            // saved without a group
  EXPECT_EQ(vmhost::UndoText(), "距離補正の取り消し");  // selections make no undo step
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_NE(Stored(1).substr(0, 4), "2,0,");
}

TEST_F(Selection, TheFirstAnchorInsideAMarqueeDecidesWhetherItAddsOrRemoves) {
  Drag({50, 50}, {100, 0});
  Play({
      {{150, -10}, {250, 10}, kAlt, "2L1*~2L2*", 0},
      {{-10, -10}, {350, 10}, kAlt, "2L1*~2L2*~2L0*~2L3*", 0},  // L0 is new, so L2 stays
      {{50, -10}, {350, 10}, kAlt, "2L1*~2L0*", 0},             // L2 is a member: L2 and L3 go
      {{-10, -10}, {150, 10}, kAlt, "2L1*", 0},
  });
  UseTool(kLengthSlot);
  Play({{{-10, -10}, {350, 10}, kAlt, "2L1*", 1}});
  UseTool(kPointSlot);
  Play({
      {{50, -10}, {350, 10}, 0, "2L1 L1~L2~L3", 0},  // one handle and two members
      {{0, 0}, {0, 0}, 0, "2L1 L1~L2~L3 L0*", 0},
      {{0, 100}, {0, 100}, kAlt, "2L1 L1~L2~L3 L0*~R0*", 0},
      {{103, 0}, {103, 0}, kAlt, "2L1 L1~L2~L3 L0*~R0*", 1},  // a point handle stands there
      {{90, 90}, {110, 210}, kAlt, "2L1 L1~L2~L3 L0*~R0*~R1*~R2*", 0},
      {{-10, 90}, {110, 110}, kAlt, "2L1 L1~L2~L3 L0*~R2*", 0},  // R0 is a member: R0 and R1 go
      {{500, 500}, {600, 600}, 0, "2L1 L1~L2~L3 L0*~R2*", 1},
  });
  for (int s = 6; s < kMaxHandles; ++s) globals().handles[s] = Slot(0);
  Drag({100, 100}, {100, 100}, kAlt);
  EXPECT_EQ(Beeps(), 1);  // a full table
  EXPECT_EQ(Slot(6).kind, kHandleDistance);
  EXPECT_STREQ(Slot(1).name, "B-2");  // the line is the piece's second path
  EXPECT_STREQ(Slot(5).name, "B-1");
}
TEST_F(Selection, DraggingAMarkMovesAnEndTheHandleOrAPointHandle) {
  Drag({50, 50}, {100, 0});
  UseTool(kLengthSlot);
  Drag({0, 0}, {200, 0});
  UseTool(kPointSlot);
  Drag({0, 100}, {0, 100});
  const struct {
    RealPoint from, to;
    const char* ends;  // the moved handle's ends, or "beep"
    int slot;
  } steps[] = {
      {{100, 0}, {200, 0}, "50,50 200,0L2", 0},
      {{50, 50}, {250, 60}, "250,60 200,0L2", 0},   // one end free
      {{200, 0}, {200, 50}, "beep", 0},             // both free
      {{225, 30}, {325, 30}, "350,60 300,0L3", 0},  // the line: both ends
      {{200, 0}, {100, 100}, "beep", 1},            // a length handle on two paths
      {{0, 0}, {300, 0}, "200,0L2 300,0L3", 1},     // its ends in path order
      {{0, 100}, {100, 200}, "R2", 2},
      {{100, 200}, {400, 400}, "beep", 2},
  };
  for (const auto& step : steps) {
    const std::string before = Ends(step.slot);
    Drag(step.from, step.to);
    const std::string after = Ends(step.slot);
    EXPECT_EQ(Beeps() ? (after == before ? "beep" : "beep, changed") : after, step.ends);
  }
  EXPECT_EQ(Stored(2).substr(0, 5), "-4,0,");
  EXPECT_EQ(vmhost::UndoText(), "ポイント補正の取り消し");
}

TEST_F(Selection, TheLeadsEndsCarryTheGroupAndTheOriginTurnsWithItsArrow) {
  Drag({50, 50}, {100, 0});
  Drag({200, 0}, {200, 0}, kAlt);
  Drag({50, 50}, {50, 80});
  EXPECT_EQ(Slot(1).line.p1.h, 150);
  EXPECT_EQ(Slot(1).line.p1.v, 80);

  globals().grading_hvlock = 0;
  globals().grading_length = 100;
  vmhost::SetZoom(2);
  const struct {
    RealPoint from, to;
    const char* origin;  // x, angle, length
  } steps[] = {
      {{-400, -500}, {-500, -400}, "-500 1.571 100"},  // the arrow's end turns it
      {{-500, -500}, {-450, -500}, "-450 1.571 100"},  // the origin takes the arrow along
      {{-450, -400}, {-450, -500}, "-450 0 50"},       // onto the origin: 100 screen pixels
      {{-425, -500}, {-425, -450}, "-450 0 50"},       // the arrow's line moves it whole
  };
  for (const auto& step : steps) {
    Drag(step.from, step.to);
    char origin[64];
    std::snprintf(origin, sizeof origin, "%g %.4g %g", globals().grading_origin.h, globals().grading_angle,
                  globals().grading_length);
    EXPECT_STREQ(origin, step.origin);
  }
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_length"), "50");
  EXPECT_EQ(vmhost::UndoText(), "基本設定の取り消し");
}

// The annotation paths of the preview drawn twice as wide as the rest: the runs along the outline.
std::vector<ArtHandle> PreviewRuns(ArtHandle art = nullptr) {
  if (art == nullptr) art = vmhost::FindLayer("<<Vestamark Preview>>")->group;
  std::vector<ArtHandle> runs;
  for (ArtHandle child : vmhost::Children(art)) {
    if (child->d.type == kPathArt && child->d.style.strokeWidth == 2) runs.push_back(child);
    for (ArtHandle run : PreviewRuns(child)) runs.push_back(run);
  }
  return runs;
}

TEST_F(Selection, AMeasurementDraggedPastItsOtherEndMeasuresAndMarksTheStretchBetweenThem) {
  UseTool(kMeasureSlot);
  Drag({0, 0}, {200, 0});
  Drag({0, 0}, {300, 0});  // the first end goes beyond the second
  EXPECT_EQ(Beeps(), 0);
  EXPECT_EQ(Ends(0), "300,0L3 200,0L2");
  // Along the straight line the measured length is the distance between the ends.
  EXPECT_STREQ(globals().variables.varNames[2], "\222\267\202\263A");  // 長さA
  EXPECT_STREQ(globals().variables.varValues[2], globals().variables.varValues[0]);

  std::vector<ArtHandle> runs = PreviewRuns();
  ASSERT_EQ(runs.size(), 1u);
  const std::vector<PathSegment> run = vmhost::Segments(runs[0]);
  ASSERT_EQ(run.size(), 2u);
  EXPECT_EQ(run[0].p.h, 200);
  EXPECT_EQ(run[1].p.h, 300);
  // The number sits on a box at half the stretch.
  double boxH = 0;
  int boxes = 0;
  for (ArtHandle art : vmhost::Children(runs[0]->d.parent)) {
    if (art->d.type != kPathArt || art->d.style.fillColor.kind != ColorKind::Gray) continue;
    for (const PathSegment& corner : vmhost::Segments(art)) boxH += corner.p.h / 4;
    ++boxes;
  }
  ASSERT_EQ(boxes, 1);
  EXPECT_NEAR(boxH, 250, 2);
}

TEST_F(Selection, AnAngleHandleFromAFreePointKeepsItsKindWhileItsEndIsDragged) {
  UseTool(kAngleSlot);
  Drag({50, 50}, {100, 0});
  ASSERT_EQ(Table(), "7L1*");
  Play({{{100, 0}, {200, 0}, 0, "7L2*", 0},
        {{200, 0}, {200, 50}, 0, "7L2*", 1}});  // both ends free: refused
  EXPECT_EQ(Ends(0), "50,50 200,0L2");
  Play({{{300, 0}, {300, 0}, kAlt, "7L2*~7L3*", 0}, {{50, -10}, {150, 10}, kAlt, "7L2*~7L3*~7L1*", 0}});
  EXPECT_EQ(Ends(1), "50,50 300,0L3");  // the members turn about the lead's first end
}

TEST_F(Selection, AltGesturesTouchOnlyTheOneSelectedGroupsOwnMembers) {
  Drag({250, 50}, {300, 0});  // a handle of its own on L3
  Drag({50, 50}, {100, 0});
  Play({
      {{150, -10}, {250, 10}, kAlt, "2L3 2L1*~2L2*", 0},
      {{150, -10}, {350, 10}, kAlt, "2L3 2L1*", 0},  // L2 goes; L3 is no member and is not added
      {{100, 200}, {100, 200}, kAlt, "2L3 2L1*~2R2*", 0},
      {{300, 0}, {300, 0}, kShift, "2L3* 2L1*~2R2*", 0},
      {{200, 0}, {200, 0}, kAlt, "2L3* 2L1*~2R2*", 1},  // two groups selected
  });
  EXPECT_EQ(Ends(2), "50,250 100,200R2");  // the lead's offset on both axes
}

}  // namespace
}  // namespace vmtest
