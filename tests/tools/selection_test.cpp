// Clicks, marquees and drags of the revision tools on existing handles: what
// is selected, which handles form a group, and where ends and the origin go.
#include <cmath>
#include <cstring>
#include <string>
#include <utility>

#include "host/host_driver.h"
#include "shell/held_suites.h"
#include "store/grading_group_tags.h"
#include "support/module_fixture.h"
#include "win_driver.h"

namespace vmtest {
namespace {

enum ToolSlot { kDistanceSlot = 1, kLengthSlot, kPointSlot, kAngleSlot };
constexpr uint32_t kAlt = kModOption, kShift = kModShift;

class Selection : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    {
      HeldSuites suites;
      LayerHandle layer = nullptr;
      sAILayer->GetCurrentLayer(&layer);
      piece = vmhost::AddGroup(layer->group);
      line = vmhost::AddPolyline(piece, {{0, 0}, {100, 0}, {200, 0}, {300, 0}}, false);
      rect = vmhost::AddPolyline(piece, {{0, 100}, {100, 100}, {100, 200}, {0, 200}}, true);
      globals().grading_origin = {-500, -500};
      globals().grading_length = 100;
      std::vector<ArtHandle> arts{line, rect};
      SaveGradingGroup(arts.data(), 2, 1);
    }
    vmhost::SetSelected(piece, true);
    ASSERT_EQ(TickOnce(), kNoErr);
    UseTool(kDistanceSlot);
    vmhost::TrackCursor({-50, -50});
  }

  void UseTool(int slot) { ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[slot]), kNoErr); }
  // The pointer comes to `from`, the button goes down there and comes up at
  // `to`.
  static void Drag(RealPoint from, RealPoint to, uint32_t modifiers = 0) {
    vmhost::TrackCursor({from.h + 20, from.v + 20}, modifiers);
    vmhost::TrackCursor(from, modifiers);
    vmhost::MouseDown(from, modifiers);
    vmhost::MouseDrag(to, modifiers);
    vmhost::MouseUp(to, modifiers);
  }
  static void Click(RealPoint at, uint32_t modifiers = 0) { Drag(at, at, modifiers); }
  // Refusals since the last call.
  int Beeps() {
    const int count = vmwin::BeepCount();
    return count - std::exchange(beeps_, count);
  }

  const RevisionHandle& Slot(int s) { return globals().handles[s]; }
  // One word a slot in use: "<kind><L|R><second end's index>", or for a point
  // handle "<L|R><anchor>"; "*" when list-selected, "~" in the group before it.
  std::string Table() {
    std::string text;
    for (int s = 0; s < kMaxHandles && Slot(s).kind != kHandleFree; ++s) {
      const RevisionHandle& h = Slot(s);
      const bool point = h.kind == kHandlePoint;
      ArtHandle art = point ? h.point.art : h.line.art2;
      const bool grouped = s > 0 && h.groupId != 0 && h.groupId == Slot(s - 1).groupId;
      text += std::string(text.empty() ? ""
                          : grouped    ? "~"
                                       : " ") +
              (point ? "" : std::to_string(h.kind)) +
              (art == line   ? "L"
               : art == rect ? "R"
                             : "-") +
              std::to_string(point ? h.point.anchorIndex : h.line.index2) + (h.listSelected ? "*" : "");
    }
    return text;
  }
  std::string Stored(int s) {
    return vmhost::Tag(piece, ("vmk_grading_fxh_conf_" + std::to_string(s + 1)).c_str());
  }

  ArtHandle piece = nullptr, line = nullptr, rect = nullptr;

 private:
  int beeps_ = 0;
};

TEST_F(Selection, ClicksSelectWholeGroupsAndAltClicksAddOrRemoveMembers) {
  Drag({50, 50}, {100, 0});
  const struct {
    RealPoint at;
    uint32_t modifiers;
    const char* table;
    int beeps;
    RealPoint to;  // a drag, unless (0, 0)
  } steps[] = {
      {{200, 0}, kAlt, "2L1*~2L2*", 0},
      {{203, 1}, kAlt, "2L1*~2L2*", 1},                // that anchor is in the group already
      {{250, 50}, kAlt, "2L1*~2L2*", 1},               // no anchor
      {{300, 0}, kAlt | kShift, "2L1*~2L2*~2L3*", 0},  // proportional
      {{250, 150}, 0, "2L1*~2L2*~2L3*", 1},            // an empty spot with the distance tool
      {{50, 150}, 0, "2L1~2L2~2L3 2R0*", 0, {0, 100}},
      {{150, 50}, kShift, "2L1*~2L2*~2L3* 2R0*", 0},  // a whole group
      {{0, 100}, kShift, "2L1*~2L2*~2L3* 2R0", 0},
      {{50, 150}, 0, "2L1~2L2~2L3 2R0*", 0},
      {{300, 0}, 0, "2L1*~2L2*~2L3* 2R0", 0},
      {{100, 0}, kAlt, "2L1*~2L2*~2L3* 2R0", 1},  // the group's first handle stays
      {{150, 50}, kAlt, "2L1*~2L3* 2R0", 0},
      {{250, 50}, kAlt, "2L1* 2R0", 0},  // a group of one is no group
      {{-500, -500}, 0, "2L1 2R0", 0},   // the origin
      {{0, 100}, kAlt, "2L1 2R0", 1},    // not selected
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(std::to_string(step.at.h) + "," + std::to_string(step.at.v));
    Drag(step.at, step.to.h == 0 && step.to.v == 0 ? step.at : step.to, step.modifiers);
    EXPECT_EQ(Table(), step.table);
    EXPECT_EQ(Beeps(), step.beeps);
    if (&step == &steps[3]) {
      EXPECT_EQ(Slot(2).line.p1.h, 250);  // the copy keeps the lead's offset
      EXPECT_EQ(Slot(2).proportional, 1);
    }
  }
  EXPECT_EQ(globals().grading_selected,
            0);  // even a refused click on a handle leaves the origin
  EXPECT_EQ(Slot(0).groupId, 0u);
  EXPECT_EQ(Stored(1).substr(0, 4), "2,0,");  // saved without a group
  EXPECT_EQ(vmhost::UndoText(),
            "距離補正の取り消し");  // the last removal; selections make no step
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_NE(Stored(1).substr(0, 4), "2,0,");
}

TEST_F(Selection, TheFirstAnchorInsideAnAltMarqueeDecidesWhetherItAddsOrRemoves) {
  Drag({50, 50}, {100, 0});
  const struct {
    RealPoint from, to;
    const char* table;
  } steps[] = {
      {{150, -10}, {250, 10}, "2L1*~2L2*"},
      {{-10, -10}, {350, 10}, "2L1*~2L2*~2L0*~2L3*"},  // L0 is new, so L2 stays
      {{50, -10}, {350, 10}, "2L1*~2L0*"},             // L2 is a member: L2 and L3 go
      {{-10, -10}, {150, 10}, "2L1*"},
  };
  for (const auto& step : steps) {
    Drag(step.from, step.to, kAlt);
    EXPECT_EQ(Table(), step.table);
  }
  UseTool(kLengthSlot);
  Drag({-10, -10}, {350, 10}, kAlt);
  EXPECT_EQ(Beeps(), 1);
  EXPECT_EQ(Table(), "2L1*");
}

TEST_F(Selection, ThePointToolMakesPointHandlesAndGroupsThem) {
  UseTool(kPointSlot);
  const struct {
    RealPoint from, to;
    uint32_t modifiers;
    const char* table;
    int beeps;
  } steps[] = {
      {{50, -10}, {350, 10}, 0, "L1~L2~L3", 0},  // one handle and two members
      {{0, 0}, {0, 0}, 0, "L1~L2~L3 L0*", 0},
      {{0, 100}, {0, 100}, kAlt, "L1~L2~L3 L0*~R0*", 0},
      {{103, 0}, {103, 0}, kAlt, "L1~L2~L3 L0*~R0*", 1},  // a point handle stands there
      {{90, 90}, {110, 210}, kAlt, "L1~L2~L3 L0*~R0*~R1*~R2*", 0},
      {{-10, 90}, {110, 110}, kAlt, "L1~L2~L3 L0*~R2*", 0},  // R0 is a member: R0 and R1 go
      {{500, 500}, {600, 600}, 0, "L1~L2~L3 L0*~R2*", 1},
  };
  for (const auto& step : steps) {
    Drag(step.from, step.to, step.modifiers);
    EXPECT_EQ(Table(), step.table);
    EXPECT_EQ(Beeps(), step.beeps);
  }
  EXPECT_STREQ(Slot(0).name, "B-2");  // the line is the piece's second path
  EXPECT_STREQ(Slot(4).name, "B-1");
  EXPECT_NE(Slot(3).groupId, Slot(0).groupId);
}

TEST_F(Selection, DraggingAMarkMovesAnEndTheHandleOrAPointHandle) {
  Drag({50, 50}, {100, 0});
  UseTool(kLengthSlot);
  Drag({0, 0}, {200, 0});
  UseTool(kPointSlot);
  Click({0, 100});
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
    SCOPED_TRACE(std::to_string(step.from.h) + "," + std::to_string(step.from.v));
    const RevisionHandle before = Slot(step.slot);
    Drag(step.from, step.to);
    const RevisionHandle& h = Slot(step.slot);
    auto end = [&](RealPoint p, ArtHandle art, int32_t index) {
      const char* name = art == line ? "L" : art == rect ? "R" : "";
      char text[64];
      std::snprintf(text, sizeof text, "%.4g,%.4g%s", p.h, p.v, name);
      return std::string(text) + (*name ? std::to_string(index) : "");
    };
    const std::string ends =
        h.kind == kHandlePoint
            ? std::string(h.point.art == rect ? "R" : "L") + std::to_string(h.point.anchorIndex)
            : end(h.line.p1, h.line.art1, h.line.index1) + " " + end(h.line.p2, h.line.art2, h.line.index2);
    if (std::string(step.ends) == "beep") {
      EXPECT_EQ(Beeps(), 1);
      EXPECT_EQ(std::memcmp(&before, &h, sizeof h), 0);
    } else {
      EXPECT_EQ(ends, step.ends);
    }
  }
  EXPECT_EQ(Stored(2).substr(0, 5), "-4,0,");
  EXPECT_EQ(vmhost::UndoText(), "ポイント補正の取り消し");
}

TEST_F(Selection, TheLeadsEndsCarryTheGroupAndTheOriginTurnsWithItsArrow) {
  Drag({50, 50}, {100, 0});
  Click({200, 0}, kAlt);
  Drag({50, 50}, {50, 80});
  EXPECT_EQ(Slot(1).line.p1.h, 150);
  EXPECT_EQ(Slot(1).line.p1.v, 80);

  globals().grading_hvlock = 0;
  vmhost::SetZoom(2);
  const double quarter = std::acos(0.0);
  const struct {
    RealPoint from, to;
    double originH, angle, length;
  } steps[] = {
      {{-400, -500}, {-500, -400}, -500, quarter, 100},  // the arrow's end turns it
      {{-500, -500}, {-450, -500}, -450, quarter, 100},  // the origin takes the arrow along
      {{-450, -400}, {-450, -500}, -450, 0, 50},         // onto the origin: 100 screen pixels
  };
  for (const auto& step : steps) {
    Drag(step.from, step.to);
    EXPECT_DOUBLE_EQ(globals().grading_origin.h, step.originH);
    EXPECT_NEAR(globals().grading_angle, step.angle, 1e-9);
    EXPECT_DOUBLE_EQ(globals().grading_length, step.length);
  }
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_length"), "50");
  EXPECT_EQ(vmhost::UndoText(), "基本設定の取り消し");
}

}  // namespace
}  // namespace vmtest
