// The driver's input: button state over time, the cursor, posted mouse messages and the beep.
#include "support/win_fixture.h"

namespace {

using namespace vmwin;

using InputTest = WinLayerTest;

TEST_F(InputTest, TheTimelineAdvancesOnEachButtonQueryAndEndsReleased) {
  PlayInputTimeline({{false, 10, 10, 1}, {true, 10, 10, 2}, {true, 30, 12, 1}});
  POINT p;
  struct {
    bool down;
    int x;
  } expected[] = {{false, 10}, {true, 10}, {true, 10}, {true, 30}, {false, 30}, {false, 30}};
  for (const auto& e : expected) {
    EXPECT_EQ((GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0, e.down);
    GetCursorPos(&p);
    EXPECT_EQ(p.x, e.x);
  }
  EXPECT_FALSE(InputTimelineRunning());
  // Other keys never move the timeline; they are set by the driver.
  SetKeyDown(VK_SHIFT, true);
  EXPECT_NE(GetAsyncKeyState(VK_SHIFT) & 0x8000, 0);
  EXPECT_NE(GetKeyState(VK_SHIFT) & 0x8000, 0);
  EXPECT_EQ(GetAsyncKeyState(VK_CONTROL), 0);
}

TEST_F(InputTest, AButtonLeftDownWithoutATimelineIsLetGoInTheEnd) {
  SetKeyDown(VK_LBUTTON, true);
  int polls = 0;
  while ((GetAsyncKeyState(VK_LBUTTON) & 0x8000) && polls < 1000000) ++polls;
  EXPECT_LT(polls, 1000000);
  EXPECT_GT(polls, 1000);
}

TEST_F(InputTest, MovesPostMouseMessagesToTheWindowUnderTheCursor) {
  HWND main = CreateHostMainWindow("Host", 400, 300);
  HWND panel = CreateHostPanelWindow(main, "p", 200, 100);
  HWND list = CreateWindowEx(0, "LISTBOX", "", WS_CHILD | WS_VISIBLE, 10, 10, 100, 50, panel, nullptr,
                             nullptr, nullptr);
  PlayInputTimeline({{true, 20, 20, 1}, {true, 25, 30, 1}});
  GetAsyncKeyState(VK_LBUTTON);
  GetAsyncKeyState(VK_LBUTTON);
  MSG msg;
  ASSERT_TRUE(PeekMessage(&msg, list, WM_MOUSEFIRST, WM_MOUSELAST, PM_NOREMOVE));
  EXPECT_EQ(msg.message, static_cast<UINT>(WM_MOUSEMOVE));
  EXPECT_EQ(GET_X_LPARAM(msg.lParam), 10);
  EXPECT_EQ(msg.wParam, MK_LBUTTON);
  // Removing by range leaves other messages alone.
  PostMessage(list, WM_USER + 5, 0, 0);
  while (PeekMessage(&msg, list, WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE)) {
  }
  EXPECT_EQ(PostedMessageCount(), 1u);
  EXPECT_FALSE(PeekMessage(&msg, panel, 0, 0, PM_REMOVE));
  EXPECT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, WM_USER + 5);
}

TEST_F(InputTest, BeepsAreCountedAndSleepMovesTheClock) {
  MessageBeep(0);
  MessageBeep(MB_ICONQUESTION);
  EXPECT_EQ(BeepCount(), 2);
  SetTickCount(1000);
  Sleep(10);
  EXPECT_EQ(GetTickCount(), 1010u);
  ResetWindowsLayer();
  EXPECT_EQ(BeepCount(), 0);
  EXPECT_EQ(GetTickCount(), 0u);
}

TEST_F(InputTest, TooltipsKeepTheirToolsTexts) {
  HWND main = CreateHostMainWindow("Host", 400, 300);
  HWND tip =
      CreateWindowEx(0, TOOLTIPS_CLASS, nullptr, WS_POPUP, 0, 0, 0, 0, main, nullptr, nullptr, nullptr);
  ASSERT_NE(tip, nullptr);
  char text[] = "Delete";
  TOOLINFO info{sizeof(TOOLINFO), TTF_IDISHWND, main, 3, {}, nullptr, text, 0};
  EXPECT_TRUE(SendMessage(tip, TTM_ADDTOOL, 0, reinterpret_cast<LPARAM>(&info)));
  EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
  SendMessage(tip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(SendMessage(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
}

}  // namespace
