// Clicks, flyout choices and row painting in the panels become deferred
// commands that run inside a host call, and only while a document is open.
#include "panels/panel_scene.h"

using namespace vmtest;

namespace {

using PanelEventsTest = PanelScene;

std::vector<UINT> gSavedProcMessages;

LRESULT RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  gSavedProcMessages.push_back(message);
  return DefWindowProc(window, message, wParam, lParam);
}

TEST_F(PanelEventsTest, ClicksAndFlyoutChoicesRunAsCommandsInsideHostCalls) {
  SendMessage(Control(InfWindow(), 5), BM_CLICK, 0, 0);
  EXPECT_EQ(InternalActionPlays(), 1);
  EnableWindow(Control(VarWindow(), 3), TRUE);
  SendMessage(Control(VarWindow(), 3), BM_CLICK, 0, 0);
  EXPECT_EQ(InternalActionPlays(), 2);
  SendMessage(Control(VarWindow(), 4), BM_CLICK, 0, 0);  // disabled: no click
  EXPECT_TRUE(vmhost::ChooseFlyoutItem(InfPanel(), 7));
  EXPECT_TRUE(vmhost::ChooseFlyoutItem(VarPanel(), 1));
  EXPECT_EQ(InternalActionPlays(), 4);
  EXPECT_EQ(globals().deferredCommand.code, 0u);
  EXPECT_EQ(gSuiteNesting, 0);
  EXPECT_EQ(vmhost::HeldSuiteCount("AI Panel Suite"), 0);
  EXPECT_TRUE(vmhost::Alerts().empty());
}

TEST_F(PanelEventsTest, InformationRowsArePaintedInsideHostCallsVariableRowsAtOnce) {
  AddRows(InfWindow(), {-1, 0, 1});
  AddRows(VarWindow(), {0, 1});
  vmwin::PaintInvalidWindows();
  EXPECT_EQ(InternalActionPlays(), 3);
  const OwnerDrawRecord& row = globals().deferredCommand.drawItem;
  EXPECT_EQ(row.hwndItem, Control(InfWindow(), 1));
  EXPECT_EQ(row.itemId, 2u);
  EXPECT_EQ(row.itemData, 1u);
  EXPECT_EQ((std::vector<int>{row.rcItem.left, row.rcItem.top, row.rcItem.right, row.rcItem.bottom}),
            (std::vector<int>{0, 80, 240, 120}));
}

TEST_F(PanelEventsTest, WithoutADocumentPanelEventsAreDroppedAndNotPassedOn) {
  vmhost::CloseDocument(doc);
  ASSERT_EQ(TickOnce(), kNoErr);
  vmhost::ClearRecordings();
  PanelWindowState& state = globals().infPanelState;
  const WindowProcPtr saved = std::exchange(state.savedWndProc, RecordingProc);
  gSavedProcMessages.clear();
  SendMessage(Control(InfWindow(), 5), BM_CLICK, 0, 0);
  EXPECT_TRUE(vmhost::ChooseFlyoutItem(InfPanel(), 4));
  AddRows(InfWindow(), {-1, 0});
  vmwin::PaintInvalidWindows();
  state.savedWndProc = saved;
  EXPECT_EQ(InternalActionPlays(), 0);
  for (UINT message : gSavedProcMessages) {
    EXPECT_NE(message, WM_COMMAND);
    EXPECT_NE(message, WM_DRAWITEM);
  }
  EXPECT_EQ(gSuiteNesting, 0);
}

TEST_F(PanelEventsTest, ControlMessagesBeforeTheControlsExistGoToTheSavedProcedure) {
  PanelWindowState& state = globals().varPanelState;
  const WindowProcPtr saved = std::exchange(state.savedWndProc, RecordingProc);
  HBRUSH brush = std::exchange(state.backgroundBrush, nullptr);
  gSavedProcMessages.clear();
  DRAWITEMSTRUCT item{ODT_BUTTON, 3, 0, ODA_DRAWENTIRE, 0, Control(VarWindow(), 3), nullptr, {}, 0};
  SendMessage(VarWindow(), WM_DRAWITEM, 3, reinterpret_cast<LPARAM>(&item));
  const LRESULT color = SendMessage(VarWindow(), WM_CTLCOLORLISTBOX, 0, 0);
  state.backgroundBrush = brush;
  state.savedWndProc = saved;
  EXPECT_EQ(gSavedProcMessages, (std::vector<UINT>{WM_DRAWITEM, WM_CTLCOLORLISTBOX}));
  EXPECT_NE(color, reinterpret_cast<LRESULT>(brush));
}

}  // namespace
