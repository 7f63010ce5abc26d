// The application starts: both panels appear with their flyout menus, lists,
// icon buttons in the host's theme, and keep their layout when resized.
#include "panels/panel_scene.h"

using namespace vmtest;

namespace {

using PanelCreationTest = PanelScene;

class PanelStartTest : public PanelScene {
 protected:
  PanelStartTest() { startModule = false; }
  // Start-up with settings chosen before the application starts, and back.
  void Start(int16_t language, bool dark, bool locked = false) {
    ASSERT_EQ(StartModule(), kNoErr);
    globals().language = language;
    globals().handlesLocked = locked;
    vmhost::SetDarkTheme(dark);
    ASSERT_EQ(vmhost::NotifyAppStarted(), kNoErr);
  }
  void Stop() {
    ASSERT_EQ(StopModule(), kNoErr);
    vmhost::ResetHost();
    vmwin::ResetWindowsLayer();
    module = vmhost::LoadModule();
  }
};

TEST_F(PanelCreationTest, BothPanelsAreShownWithAListAndFourButtons) {
  ASSERT_EQ(globals().infPanel, InfPanel());
  ASSERT_EQ(globals().varPanel, VarPanel());
  EXPECT_EQ(InfPanel()->title, u"Vestamark Inf.");
  EXPECT_EQ(VarPanel()->title, u"Vestamark Var.");
  struct Expected {
    HWND window;
    int rowHeight;
    bool lockEnabled;
    int timers;
  };
  for (const Expected& e : {Expected{InfWindow(), 40, true, 1}, Expected{VarWindow(), 20, false, 0}}) {
    HWND list = Control(e.window, 1);
    EXPECT_EQ(GetWindowLong(list, GWL_STYLE), 0x50201151);
    EXPECT_EQ(SendMessage(list, LB_GETITEMHEIGHT, 0, 0), e.rowHeight);
    const char* iconTexts[] = {"1", "0", "3", "2"};
    for (int id = 3; id <= 6; ++id) {
      char text[8] = "";
      GetWindowText(Control(e.window, id), text, sizeof text);
      EXPECT_STREQ(text, iconTexts[id - 3]);
      EXPECT_EQ(IsWindowEnabled(Control(e.window, id)) != 0, id == 5 && e.lockEnabled) << "button " << id;
    }
    EXPECT_EQ(vmwin::TimerCount(e.window), e.timers);
  }
  const PanelHandle panel = InfPanel();
  ASSERT_EQ(vmhost::NotifyAppStarted(), kNoErr);
  EXPECT_EQ(globals().infPanel, panel) << "made once";
}

TEST_F(PanelStartTest, FlyoutTextsFollowTheLanguage) {
  struct Case {
    int16_t language;
    const char* grouping;  // UTF-8
    const char* import;
  };
  for (const Case& c :
       {Case{0, "補正ハンドルのグループ化", "読み込み..."}, Case{1, "Grouping revision handle", "Import..."},
        Case{2, "Grouping revision handle", "Import..."}}) {
    Start(c.language, false);
    std::vector<FlyoutItem> inf = vmhost::FlyoutItems(InfPanel());
    ASSERT_EQ(inf.size(), 15u);  // the placeholders give way to the four presets
    EXPECT_EQ(inf[0].text, Utf16(c.grouping));
    for (size_t i = 0; i < inf.size(); ++i) {
      EXPECT_EQ(inf[i].id, i + 1);
      EXPECT_EQ(inf[i].separator, i == 2 || i == 5 || i == 7 || i == 10) << "item " << i + 1;
    }
    EXPECT_EQ(inf[14].text, u"LL");
    std::vector<FlyoutItem> var = vmhost::FlyoutItems(VarPanel());
    ASSERT_EQ(var.size(), 7u) << "the four default presets follow the separator";
    EXPECT_EQ(var[0].text, Utf16(c.import));
    EXPECT_TRUE(var[2].separator);
    EXPECT_EQ(var[6].text, u"LL");
    Stop();
  }
}

TEST_F(PanelStartTest, ButtonsAndListArePaintedInTheHostTheme) {
  struct Case {
    bool dark;
    bool locked;
    COLORREF background;
    int lockIcon;
  };
  for (const Case& c :
       {Case{false, false, RGB(240, 240, 240), 16255}, Case{true, false, RGB(51, 51, 51), 16355},
        Case{true, true, RGB(51, 51, 51), 16356}}) {
    Start(0, c.dark, c.locked);
    vmwin::PaintInvalidWindows();
    auto iconOf = [](HWND button) {
      for (const vmwin::DrawRecord& r : vmwin::DrawingOf(button))
        if (r.op == vmwin::DrawRecord::Op::Icon) return r;
      return vmwin::DrawRecord{};
    };
    // Disabled buttons always take the light disabled set.
    EXPECT_EQ(iconOf(Control(InfWindow(), 3)).resourceId, 16212);
    EXPECT_EQ(iconOf(Control(VarWindow(), 5)).resourceId, 16214);
    const vmwin::DrawRecord lock = iconOf(Control(InfWindow(), 5));
    EXPECT_EQ(lock.resourceId, c.lockIcon);
    EXPECT_EQ(lock.rect.left, 0);
    EXPECT_EQ(lock.rect.top, -7);  // 32 x 32 centred on a 32 x 18 button
    EXPECT_EQ(vmwin::DrawingOf(Control(InfWindow(), 5)).front().brushColor, c.background);
    EXPECT_EQ(vmwin::DrawingOf(Control(VarWindow(), 1)).front().brushColor, c.background);

    SendMessage(Control(InfWindow(), 5), BM_SETSTATE, TRUE, 0);
    vmwin::ClearDrawing(Control(InfWindow(), 5));
    vmwin::PaintInvalidWindows();
    EXPECT_EQ(vmwin::DrawingOf(Control(InfWindow(), 5)).front().brushColor, RGB(0x44, 0x44, 0x44));
    Stop();
  }
}

TEST_F(PanelCreationTest, AResizedPanelKeepsItsLayout) {
  HostPanels()->SetSize(InfPanel(), 400, 300);
  EXPECT_EQ(globals().infLayout.right, 400);
  EXPECT_EQ(globals().infLayout.bottom, 300);
  const RECT& list = Control(InfWindow(), 1)->rect;
  EXPECT_EQ(list.left, 5);
  EXPECT_EQ(list.right - list.left, 390);
  EXPECT_EQ(list.bottom - list.top, 278);
  for (auto [id, left] : {std::pair{3, 354}, {4, 323}, {5, 292}, {6, 0}}) {
    const RECT& button = Control(InfWindow(), id)->rect;
    EXPECT_EQ(button.left, left) << "button " << id;
    EXPECT_EQ(button.top, 283) << "button " << id;
    EXPECT_EQ(button.bottom - button.top, 18) << "button " << id;
  }
  EXPECT_EQ(Control(VarWindow(), 3)->rect.left, 204);  // the other panel stays
  EXPECT_EQ(gSuiteNesting, 0);
}

}  // namespace
