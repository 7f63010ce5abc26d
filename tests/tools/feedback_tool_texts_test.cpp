// What the user sees around a revision tool besides the drawing: the cursor of
// each snap kind, the undo texts and the cursor hint.
#include <filesystem>

#include "common/suite_pointers.h"
#include "engine/piece_members.h"
#include "support/module_fixture.h"
#include "support/tool_gestures.h"
#include "tools/cursor_hint.h"
#include "tools/tool_utilities.h"
#include "win_driver.h"

namespace vmtest {
namespace {

using ToolCursors = ModuleTest;

TEST_F(ToolCursors, CursorsBySnapKindAndHandleLetters) {
  const int ids[] = {16101, 16104, 16105, 16106, 16107, 16108, 16109, 16110, 16103, 16102};
  InModuleCall([&] {
    for (int16_t kind = -1; kind <= 10; ++kind) {
      SetCursorFromResource(module, CursorIdForSnapKind(kind));
      EXPECT_EQ(vmwin::CurrentCursorId(), kind >= 0 && kind <= 9 ? ids[kind] : 16101) << kind;
    }
    EXPECT_EQ(std::string({HandleIndexToLetter(-1), HandleIndexToLetter(0), HandleIndexToLetter(25),
                           HandleIndexToLetter(26), HandleIndexToLetter(51), HandleIndexToLetter(52)}),
              "-AZaz-");
    // A cursor the module does not hold leaves the current one.
    SetCursorFromResource(module, 16999);
    EXPECT_EQ(vmwin::CurrentCursorId(), 16101);
  });
}

// The undo texts come from the tool's registered name, which follows the
// language at start-up.
struct UndoTextCase {
  const char* language;
  const char* title;  // code page 932, as registered
  const char* undo;   // UTF-8, as the host shows it
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
  int32_t valid = -1;
  InModuleCall([&] {
    ArtHandle group = CurrentLayerGroup();
    sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, group, &before);
    SetToolUndoRedoText(tool);
    sAIArt->NewArt(kPathArt, kPlaceInsideOnTop, group, &after);
    // What the call changed before the texts were set is taken back.
    sAIArt->ValidArt(before, &valid);
  });
  EXPECT_EQ(valid, 0);
  EXPECT_EQ(vmhost::UndoText(), c.undo);
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(vmhost::RedoText(), c.redo);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Languages, ToolUndoTexts, ::testing::Values(
    UndoTextCase{"ENGLISH", "Distance revision_Vestamark", "Undo Distance revision", "Redo Distance revision"},
    UndoTextCase{"JAPANESE", "\213\227\227\243\225\342\220\263_Vestamark", "距離補正の取り消し", "距離補正のやり直し"},
    // Korean has no texts of its own: Japanese names in the English pattern.
    UndoTextCase{"KOREAN", "\211~\214\312\225\342\220\263_Vestamark", "Undo 円弧補正", "Redo 円弧補正"}),
    [](const ::testing::TestParamInfo<UndoTextCase>& info) { return std::string(info.param.language); });
// clang-format on

using CursorHint = ModuleTest;

TEST_F(CursorHint, LabelsSizedByLanguageAndTakenAwayAgain) {
  const HWND screen = GetDesktopWindow();
  const struct {
    int16_t language;
    const char* text;
    int x, y;
    RECT rect;
  } cases[] = {// Ten bytes of Japanese are 72 pixels wide whatever the font says.
               {0, "\213\227\227\243\225\342\220\263AB", 200, 100, {164, 100, 236, 118}},
               {1, "Delete", 5, -20, {0, 0, 48, 18}}};
  for (const auto& c : cases) {
    globals().language = c.language;
    vmwin::ClearDrawing(screen);
    ShowCursorHint(c.text, c.x, c.y);
    const std::vector<vmwin::DrawRecord>& drawn = vmwin::DrawingOf(screen);
    ASSERT_EQ(drawn.size(), 3u);  // the fill, the text, the frame
    EXPECT_TRUE(EqualRect(&drawn[0].rect, &c.rect)) << c.text;
    EXPECT_EQ(drawn[0].brushColor, 0xF2F2F2u) << c.text;
    EXPECT_EQ(drawn[1].text, c.text);
    EXPECT_EQ(drawn[1].textColor, 0x444444u);
    EXPECT_EQ(drawn[1].fontHeight, 12);
    EXPECT_EQ(drawn[1].from.x, (c.rect.left + c.rect.right) / 2);
    EXPECT_EQ(drawn[1].from.y, c.rect.top + 3);
    EXPECT_EQ(drawn[1].fontFace, c.language ? "Arial" : "\202l\202r \203S\203V\203b\203N");
    // An empty text only puts back the screen under the last label.
    ShowCursorHint("", 0, 0);
    EXPECT_EQ(vmwin::PixelAt(screen, c.rect.left + 1, c.rect.top + 1), vmwin::kBlankPixel);
    EXPECT_EQ(globals().cursorHint.memoryDC, nullptr);
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[2].op, vmwin::DrawRecord::Op::FrameRect);
  }
}

}  // namespace
}  // namespace vmtest
