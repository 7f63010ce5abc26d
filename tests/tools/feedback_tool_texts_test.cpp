// What the user sees around a revision tool besides the drawing: the cursor of
// each snap kind, the refusal beep, the undo texts and the cursor hint.
#include <filesystem>

#include "shell/suite_pointers.h"
#include "support/module_fixture.h"
#include "tools/cursor_hint.h"
#include "tools/tool_utilities.h"
#include "tools/tracking_state.h"
#include "win_driver.h"

namespace vmtest {
namespace {

using ToolCursors = ModuleTest;

TEST_F(ToolCursors, EachSnapKindShowsItsCursor) {
  const struct {
    int16_t kind;
    int id;
  } cases[] = {{0, 16101}, {1, 16104}, {2, 16105}, {3, 16106}, {4, 16107}, {5, 16108},
               {6, 16109}, {7, 16110}, {8, 16103}, {9, 16102}, {10, 16101}, {-1, 16101}};
  InModuleCall([&] {
    for (const auto& c : cases) {
      SetCursorFromResource(module, CursorIdForSnapKind(c.kind));
      EXPECT_EQ(vmwin::CurrentCursorId(), c.id) << c.kind;
    }
    // A cursor the module does not hold leaves the current one.
    SetCursorFromResource(module, 16999);
    EXPECT_EQ(vmwin::CurrentCursorId(), 16101);
    const int before = vmwin::BeepCount();
    Beep();
    EXPECT_EQ(vmwin::BeepCount(), before + 1);
  });
}

TEST_F(ToolCursors, ClearingAndSavingTheTrackingRecord) {
  InModuleCall([&] {
    TrackingState& t = globals().tracking;
    t = TrackingState{1, {3, 4}, 0x200, {3, 4}, {{1, 2}, 2, 0.5}, {{5, 6}, 4, 32000}, 7, 3, {}, {}};
    SaveTrackingState();
    EXPECT_EQ(globals().trackingPrev.hitSlot, 7u);
    EXPECT_EQ(globals().trackingPrev.first.angle, 0.5);
    ResetDragStart();
    EXPECT_TRUE(t.dragging == 0 && t.cursor.h == 0 && t.modifiers == 0 && t.first.point.h == 1);
    ClearTrackingState();
    for (const TrackingState* r : {&globals().tracking, &globals().trackingPrev}) {
      EXPECT_EQ(r->first.angle, kNoAngle);
      EXPECT_EQ(r->second.snapKind, 0);
      EXPECT_TRUE(r->hitSlot == 0 && r->hitCode == 0 && r->lastCursor.h == 0);
      for (int i = 0; i < kHitRecords; ++i) {
        EXPECT_TRUE(r->firstHits[i].art == nullptr && r->firstHits[i].segment == kNoSegment);
        EXPECT_TRUE(r->secondHits[i].art == nullptr && r->secondHits[i].segment == kNoSegment);
      }
    }
    EXPECT_EQ(globals().tracking.dragging, 0);
    EXPECT_EQ(globals().trackingPrev.dragging, kNothingDrawn);
  });
}

// The undo texts come from the tool's registered name, which follows the
// language at start-up.
struct UndoTextCase {
  const char* language;
  const char* title;  // code page 932, as registered
  const char* undo;  // UTF-8, as the host shows it
  const char* redo;
};

class ToolUndoTexts : public ModuleTest, public ::testing::WithParamInterface<UndoTextCase> {
 protected:
  ToolUndoTexts() { startModule = false; }
};

TEST_P(ToolUndoTexts, UndoAndRedoNamedAfterTheTool) {
  const UndoTextCase& c = GetParam();
  const std::string prefs = folders->documents() + "/Adobe/Illustrator/Prefs/Vestamark.ini";
  std::filesystem::create_directories(std::filesystem::path(prefs).parent_path());
  WriteHostFile(prefs, std::string("language = ") + c.language + "\r\n");
  ASSERT_EQ(StartModule(), kNoErr);
  doc = vmhost::NewDocument("Pattern-1");
  const ToolHandle tool = Tool(c.title);
  ASSERT_NE(tool, nullptr);
  ArtHandle before = nullptr, after = nullptr;
  InModuleCall([&] {
    LayerHandle layer = nullptr;
    ArtHandle group = nullptr;
    sAILayer->GetCurrentLayer(&layer);
    sAILayer->GetFirstArtOfLayer(layer, &group);
    sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, group, &before);
    SetToolUndoRedoText(tool);
    sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, group, &after);
  });
  EXPECT_EQ(vmhost::UndoText(), c.undo);
  // What the call changed before the texts were set is taken back.
  int32_t valid = -1;
  InModuleCall([&] { sAIArt->ValidArt(before, &valid); });
  EXPECT_EQ(valid, 0);
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(vmhost::RedoText(), c.redo);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, ToolUndoTexts,
    ::testing::Values(
        UndoTextCase{"ENGLISH", "Distance revision_Vestamark", "Undo Distance revision", "Redo Distance revision"},
        UndoTextCase{"ENGLISH", "Measurement_Vestamark", "Undo Measurement", "Redo Measurement"},
        UndoTextCase{"JAPANESE", "\213\227\227\243\225\342\220\263_Vestamark", "距離補正の取り消し", "距離補正のやり直し"},
        // Korean has no texts of its own: Japanese names in the English pattern.
        UndoTextCase{"KOREAN", "\211~\214\312\225\342\220\263_Vestamark", "Undo 円弧補正", "Redo 円弧補正"}),
    [](const ::testing::TestParamInfo<UndoTextCase>& info) {
      return std::string(info.param.language) + std::to_string(info.index);
    });

using CursorHint = ModuleTest;

COLORREF Screen(int x, int y) { return vmwin::PixelAt(GetDesktopWindow(), x, y); }

std::vector<vmwin::DrawRecord> ScreenDrawing(vmwin::DrawRecord::Op op) {
  std::vector<vmwin::DrawRecord> out;
  for (const auto& r : vmwin::DrawingOf(GetDesktopWindow()))
    if (r.op == op) out.push_back(r);
  return out;
}

TEST_F(CursorHint, LabelsSizedByLanguageAndTakenAwayAgain) {
  using Op = vmwin::DrawRecord::Op;
  const struct {
    int16_t language;
    const char* text;
    int x, y;
    RECT rect;
    const char* face;
  } cases[] = {
      // Ten bytes of Japanese are 72 pixels wide whatever the font says.
      {0, "\213\227\227\243\225\342\220\263AB", 200, 100, {164, 100, 236, 118}, "\202l\202r \203S\203V\203b\203N"},
      {1, "Edit", 200, 100, {182, 100, 218, 118}, "Arial"},
      {1, "Delete", 5, -20, {0, 0, 48, 18}, "Arial"},
  };
  for (const auto& c : cases) {
    globals().language = c.language;
    vmwin::ClearDrawing(GetDesktopWindow());
    ShowCursorHint(c.text, c.x, c.y);
    const std::vector<vmwin::DrawRecord> fills = ScreenDrawing(Op::FillRect);
    ASSERT_EQ(fills.size(), 1u) << c.text;
    EXPECT_TRUE(EqualRect(&fills[0].rect, &c.rect)) << c.text << " " << fills[0].rect.left << ".."
                                                    << fills[0].rect.right;
    EXPECT_EQ(fills[0].brushColor, 0xF2F2F2u);
    const std::vector<vmwin::DrawRecord> texts = ScreenDrawing(Op::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, c.text);
    EXPECT_EQ(texts[0].textColor, 0x444444u);
    EXPECT_EQ(texts[0].fontFace, c.face);
    EXPECT_EQ(texts[0].fontHeight, 12);
    EXPECT_TRUE(texts[0].from.x == (c.rect.left + c.rect.right) / 2 && texts[0].from.y == c.rect.top + 3);
    EXPECT_EQ(texts[0].textAlign, TA_CENTER | TA_TOP);
    EXPECT_EQ(ScreenDrawing(Op::FrameRect).size(), 1u);
    EXPECT_EQ(Screen(c.rect.left + 1, c.rect.top + 1), 0xF2F2F2u);

    // The next label puts back the screen under this one; an empty text only does that.
    ShowCursorHint("", 0, 0);
    EXPECT_EQ(Screen(c.rect.left + 1, c.rect.top + 1), vmwin::kBlankPixel);
    EXPECT_EQ(ScreenDrawing(Op::FillRect).size(), 1u);
    EXPECT_EQ(globals().cursorHint.memoryDC, nullptr);
  }
  ShowCursorHint("Edit", 300, 300);
  ShowCursorHint("New", 600, 300);
  EXPECT_EQ(Screen(300, 305), vmwin::kBlankPixel);
  EXPECT_EQ(Screen(600, 305), 0xF2F2F2u);
}

}  // namespace
}  // namespace vmtest
