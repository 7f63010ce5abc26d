// A drag with a revision tool off every mark makes a new handle whose kind follows from the tool and
// from where its ends land; a measurement names and registers its variables.
#include <cmath>
#include <cstring>
#include <string>

#include "host/host_driver.h"
#include "panels/variable_registration.h"
#include "store/grading_group_tags.h"
#include "support/module_fixture.h"
#include "support/module_suites.h"
#include "support/tool_gestures.h"
#include "text/localize.h"
#include "win_driver.h"

namespace vmtest {
namespace {

using Strings = std::vector<std::string>;
// Shift-JIS: 距離, 角度, 長さ, 半径.
const std::string kD = "\213\227\227\243", kA = "\212p\223x", kL = "\222\267\202\263", kR = "\224\274\214a";

enum ToolSlot { kDistanceSlot = 1, kLengthSlot, kPointSlot, kAngleSlot, kMeasureSlot, kArcSlot };

class Handlers : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    {
      ModuleSuites suites;
      piece = vmhost::AddGroup(CurrentLayerGroup());
      line = vmhost::AddPolyline(piece, {{0, 0}, {100, 0}, {200, 0}, {300, 0}}, false);
      rect = vmhost::AddPolyline(piece, {{0, 100}, {100, 100}, {100, 200}, {0, 200}}, true);
      std::vector<PathSegment> arcs;  // four quarter arcs, counter-clockwise from the right
      for (int i = 0; i < 4; ++i) {
        const RealPoint p = CircleAnchor(i), t{-std::sin(i * M_PI / 2), std::cos(i * M_PI / 2)};
        const double k = 0.5522847498 * 50;
        arcs.push_back({p, {p.h - k * t.h, p.v - k * t.v}, {p.h + k * t.h, p.v + k * t.v}, 0});
      }
      circle = vmhost::AddPath(piece, arcs, true);
      arcs.resize(2);  // a quarter of it, open, 300 points lower
      for (PathSegment& s : arcs) s.p.v += 300, s.in.v += 300, s.out.v += 300;
      arc = vmhost::AddPath(piece, arcs, false);
      vmhost::AddPolyline(piece, {{500, 0}}, false);  // one anchor: no handle's end lands on it
      globals().grading_origin = {-500, -500};
      globals().grading_hvlock = 1;
      std::vector<ArtHandle> arts{line, rect, circle};
      SaveGradingGroup(arts.data(), 3, 1);
    }
    vmhost::SetSelected(piece, true);
    ASSERT_EQ(TickOnce(), kNoErr);
    UseTool(kDistanceSlot);
    vmhost::TrackCursor({-50, -50});  // the pointer comes onto the canvas
    vmhost::ClearRecordings();
  }

  static RealPoint CircleAnchor(int i) {
    return {300 + 50 * std::cos(i * M_PI / 2), 300 + 50 * std::sin(i * M_PI / 2)};
  }
  // Choosing a tool reloads the piece's grading group from the document.
  void UseTool(int slot) { ASSERT_EQ(vmhost::SelectTool(globals().toolHandles[slot]), kNoErr); }
  static void Drag(RealPoint from, RealPoint to, uint32_t modifiers = 0) { DragTool(from, to, modifiers); }

  int UsedSlots() {
    int used = 0;
    for (const RevisionHandle& h : globals().handles) used += h.kind != kHandleFree;
    return used;
  }
  const RevisionHandle& Slot(int s) { return globals().handles[s]; }
  // Arts below `art`, or below the preview layer.
  static int ArtCount(ArtHandle art = nullptr) {
    if (art == nullptr) sAILayer->GetFirstArtOfLayer(vmhost::FindLayer("<<Vestamark Preview>>"), &art);
    int count = 0;
    for (ArtHandle child : vmhost::Children(art)) count += 1 + ArtCount(child);
    return count;
  }
  std::string StoredHandle(int s) {
    return vmhost::Tag(piece, ("vmk_grading_fxh_conf_" + std::to_string(s + 1)).c_str());
  }

  void SetTable(const Strings& names) {
    for (int r = 0; r < kMaxVariables; ++r) {
      std::strcpy(globals().variables.varNames[r], r < static_cast<int>(names.size()) ? names[r].c_str() : "");
      globals().variables.varPrivate[r] = r;
    }
  }
  Strings Table() {
    Strings names;
    for (int r = 0; r < kMaxVariables && globals().variables.varNames[r][0]; ++r)
      names.push_back(globals().variables.varNames[r]);
    return names;
  }
  Strings Names(int slot) { return {Slot(slot).line.amountExpr, Slot(slot).line.amountExpr + 4}; }
  // "kind p1 p2 amount", each end with its path (L line, R rectangle, C circle) and anchor; or "beep".
  std::string Outcome(int beepsBefore) {
    if (vmwin::BeepCount() > beepsBefore) return "beep";
    const TwoPointHandleData& h = Slot(0).line;
    auto end = [&](RealPoint p, ArtHandle art, int32_t index) {
      const char* name = art == line ? "L" : art == rect ? "R" : art == circle ? "C" : art == arc ? "A" : "";
      char text[64];
      std::snprintf(text, sizeof text, " %.4g,%.4g%s", p.h, p.v, name);
      return std::string(text) + (*name ? std::to_string(index) : "");
    };
    const int from = Slot(0).kind == kHandleMeasurement ? 4 : 0;  // a measurement's first four hold names
    std::string amount = h.amountExpr[from];
    for (int s = from; s < kMaxPresets; ++s) amount = amount == h.amountExpr[s] ? amount : "mixed";
    const std::string ends = end(h.p1, h.art1, h.index1) + end(h.p2, h.art2, h.index2);
    return std::to_string(Slot(0).kind) + ends + " " + amount;
  }
  ArtHandle piece = nullptr, line = nullptr, rect = nullptr, circle = nullptr, arc = nullptr;
};

TEST_F(Handlers, KindAndEndsFollowTheToolAndThePathsTheEndsLandOn) {
  const RealPoint c0 = CircleAnchor(0), c1 = CircleAnchor(1), c2 = CircleAnchor(2), c3 = CircleAnchor(3);
  const struct {
    int slot;
    RealPoint from, to;
    const char* outcome;
  } cases[] = {
      {kLengthSlot, {300, 0}, {100, 0}, "3 100,0L1 300,0L3 100.0"},  // forwards along an open path
      {kLengthSlot, {300, 0}, {100, 100}, "beep"},                    // two paths
      {kLengthSlot, {300, 0}, {250, 60}, "beep"},                     // a free end
      {kDistanceSlot, {50, 50}, {100, 0}, "2 50,50 100,0L1 100.0"},
      {kDistanceSlot, {100, 0}, {50, 50}, "2 50,50 100,0L1 100.0"},  // the end on a path comes second
      {kDistanceSlot, {300, 0}, {100, 100}, "2 300,0L3 100,100R1 100.0"},
      {kDistanceSlot, {50, 50}, {60, 70}, "beep"},
      {kDistanceSlot, {0, 100}, {196.5, 1.2}, "2 0,100R0 200,0L2 100.0"},  // within five pixels of an anchor
      {kDistanceSlot, {0, 100}, {195, 0}, "2 195,0 0,100R0 100.0"},  // five pixels: free
      {kDistanceSlot, {450, 50}, {500, 0}, "beep"},
      {kAngleSlot, {300, 0}, {100, 0}, "7 300,0L3 100,0L1 0"},
      {kArcSlot, c0, c2, "6 350,300C0 250,300C2 100.0"},
      {kArcSlot, c3, c1, "6 300,250C3 300,350C1 100.0"},  // across the closing anchor
      {kArcSlot, {300, 650}, {350, 600}, "6 350,600A0 300,650A1 100.0"},  // forwards along an open path
      {kArcSlot, {0, 0}, {200, 0}, "beep"},               // straight lines
      {kArcSlot, c0, {300, 0}, "beep"},
      {kMeasureSlot, {50, 50}, {60, 70}, "5 60,70 50,50 "},
      {kMeasureSlot, {100, 0}, {50, 50}, "5 50,50 100,0L1 "},
      {kMeasureSlot, {200, 0}, {0, 0}, "5 0,0L0 200,0L2 "},
  };
  for (const auto& c : cases) {
    UseTool(c.slot);
    std::memset(globals().handles, 0, sizeof globals().handles);
    const int before = vmwin::BeepCount();
    Drag(c.from, c.to);
    EXPECT_EQ(Outcome(before), c.outcome) << c.slot << " from " << c.from.h << "," << c.from.v;
    EXPECT_EQ(UsedSlots(), c.outcome[0] == 'b' ? 0 : 1);
  }
}

TEST_F(Handlers, ItIsTheOnlySelectedHandleInTheFirstFreeSlotStoredShownAndNamedForUndo) {
  Drag({0, 0}, {100, 0});
  Drag({100, 0}, {200, 0});
  Drag({200, 0}, {300, 0});
  UseTool(kLengthSlot);
  std::memset(&globals().handles[1], 0, sizeof(RevisionHandle));
  globals().handles[0].listSelected = globals().grading_selected = 1;
  const int previewArts = [] { ModuleSuites suites; return ArtCount(); }();
  Drag({0, 100}, {100, 200});
  ASSERT_EQ(Slot(1).kind, kHandleLength);
  EXPECT_EQ(Slot(0).listSelected, 0);
  EXPECT_EQ(Slot(1).listSelected, 1);
  EXPECT_EQ(globals().grading_selected, 0);
  EXPECT_EQ(StoredHandle(1).substr(0, 3), "-3,");  // a selected length handle
  InModuleCall([&] { EXPECT_GT(ArtCount(), previewArts); });  // the new handle's marks
  EXPECT_EQ(vmhost::UndoText(), "長さ補正の取り消し");
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(vmhost::RedoText(), "長さ補正のやり直し");
  for (const auto& [name, value] : vmhost::Tags(piece)) EXPECT_NE(value.rfind("-3,", 0), 0u) << name;
}

TEST_F(Handlers, RefusalsBeepAndOtherGesturesOrAFullTableMakeNoHandle) {
  Drag({0, 0}, {100, 0});
  const int32_t depth = vmhost::UndoDepth();
  const struct {
    int slot;
    RealPoint from, to;
    uint32_t modifiers;
    int beeps;
  } cases[] = {
      {kLengthSlot, {0, 0}, {0, 100}, 0, 1},                 // two paths
      {kMeasureSlot, {150, 150}, {150, 150}, 0, 1},          // a click off every anchor
      {kPointSlot, {150, 150}, {160, 160}, 0, 1},            // a marquee around no anchor
      {kLengthSlot, {100, 100}, {0, 200}, kModOption, 1},    // an Alt marquee
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

TEST_F(Handlers, AMeasurementTakesTheLetterAfterTheLargestInUse) {
  UseTool(kMeasureSlot);
  Strings many(195, "v");
  const struct {
    Strings table;
    std::string letter;  // "": no names
  } cases[] = {
      {{}, "A"}, {{"x", kL + "B", kD + "A"}, "C"}, {{kA + "b", kD + "Y"}, "c"}, {{kR + "Z"}, "a"},
      {{kD + "1", kD}, "A"}, {{kD + "z", "w"}, ""}, {many, "A"}, {Strings(196, "v"), ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.table.empty() ? "" : c.table[0]);
    std::memset(globals().handles, 0, sizeof globals().handles);
    SetTable(c.table);
    Drag({0, 0}, {200, 0});
    ASSERT_EQ(Slot(0).kind, kHandleMeasurement);
    const std::string& x = c.letter;
    EXPECT_EQ(Names(0), x.empty() ? Strings(4) : (Strings{kD + x, kA + x, kL + x, ""}));
    EXPECT_EQ(Table().size(), c.table.size() + (x.empty() ? 0 : 3));
  }
  EXPECT_TRUE(AlertTexts().empty());
  EXPECT_EQ(vmhost::UndoText(), "計測の取り消し");

  SetTable({kA + "A"});
  Drag(CircleAnchor(0), CircleAnchor(1));  // along an arc the radius is measured too
  EXPECT_EQ(Names(1), (Strings{kD + "B", kA + "B", kL + "B", kR + "B"}));
  SetTable({});
  globals().language = kLanguageEnglish;
  Drag(CircleAnchor(2), CircleAnchor(3));
  EXPECT_EQ(Table(), (Strings{"GDA", "GAA", "GLA", "GRA"}));
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_var_name_003"), "GRA");
}

TEST_F(Handlers, RegistrationGivesARowOrRefusesWithAnAlert) {
  const std::string cannot = "変数を登録出来ませんでした。\r", dup = cannot + "変数名が重複しています。";
  const Strings all(kMaxVariables, "n");
  const std::string longName(120, 'N');
  const struct {
    Strings table;
    std::string oldName, newName;
    int32_t row;
    Strings after;
    std::string alert;
  } cases[] = {
      {{"A", "B"}, "", "C", 2, {"A", "B", "C"}, ""},
      {{"x", "y", "z", "A"}, "A", "A", 3, {"x", "y", "z", "A"}, ""},
      {{"A", "B"}, "", "B", kVariableDuplicate, {"A", "B"}, dup},
      {{"A", "B"}, "B", "A", kVariableDuplicate, {"A", "B"}, dup},
      {all, "", "extra", kVariableTableFull, all, cannot + "変数が多すぎます。"},
      {{}, "", longName, 0, {longName.substr(0, kVarNameSize - 1)}, ""},
      {{"A", "B", "C"}, "A", "", 0, {"B", "C"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.oldName + " -> " + c.newName);
    SetTable(c.table);
    vmhost::ClearRecordings();
    InModuleCall([&] {
      EXPECT_EQ(RegisterVariable(globals().pluginRef, c.oldName.c_str(), c.newName.c_str(), "12", 0), c.row);
    });
    EXPECT_EQ(Table(), c.after);
    EXPECT_EQ(AlertTexts(), c.alert.empty() ? Strings{} : Strings{c.alert});
  }
  // A deletion moves the private flags down with the names and clears the last row.
  EXPECT_EQ(globals().variables.varPrivate[1], 2u);
  EXPECT_EQ(globals().variables.varPrivate[kMaxVariables - 1], 0u);
}

}  // namespace
}  // namespace vmtest
