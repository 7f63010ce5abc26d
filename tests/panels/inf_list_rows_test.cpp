// The Information list follows the handle table: one row per handle or group
// behind the basic-settings row, the selection, the buttons and flyout items,
// and handles reordered by dragging their rows.
#include "panels/inf_list_scene.h"

using namespace vmtest;

namespace {

using InfListRowsTest = InfListScene;

TEST_F(InfListRowsTest, RowsFollowTheHandleTableWithTheBasicRowOnlyForACurrentPiece) {
  TwoPoint(0, kHandleDistance, line, 0, line, 1);
  for (int s = 1; s <= 3; ++s) TwoPoint(s, kHandleDistance, line, 1, square, 0, "0", 7);
  Point(4, square, 1, 8);
  Point(6, square, 2);
  Rebuild();
  EXPECT_EQ(RowData(), (std::vector<int>{-1, 0, 1, 4, 6}));

  // A new handle's row goes where its slot belongs.
  Point(5, circle, 0);
  InModuleCall([] { InsertHandleRow(5); });
  EXPECT_EQ(RowData(), (std::vector<int>{-1, 0, 1, 4, 5, 6}));
  InModuleCall([] { InsertHandleRow(2); });  // inside a group: no row of its own
  EXPECT_EQ(RowData().size(), 6u);

  // Without a piece the handles start at row 0, and so does an inserted row.
  InModuleCall([this] {
    globals().pieceArtCount = 0;
    std::memset(&globals().handles[4], 0, 3 * sizeof(RevisionHandle));
    RebuildInfList();
  });
  EXPECT_EQ(RowData(), (std::vector<int>{0, 1}));
  Point(9, circle, 1);
  InModuleCall([] { InsertHandleRow(9); });
  EXPECT_EQ(RowData(), (std::vector<int>{0, 1, 9}));
}

TEST_F(InfListRowsTest, SelectedHandlesShowInTheListButtonsAndGroupingItems) {
  TwoPoint(0, kHandleDistance, line, 0, line, 1);
  TwoPoint(1, kHandleDistance, line, 1, line, 2);
  Point(2, square, 0, 5);
  Point(3, square, 1, 5);
  TwoPoint(4, kHandleLength, line, 2, line, 3);
  Rebuild();
  struct Case {
    const char* name;
    std::vector<int> selected;
    int16_t basicSelected;
    int currentRow;
    bool buttons, group, ungroup;
  };
  const Case cases[] = {
      {"nothing", {}, 0, -1, false, false, false},
      {"the basic row", {}, 1, 0, false, false, false},
      {"two distances", {0, 1}, 0, 1, true, true, false},
      {"a grouped pair of points", {2, 3}, 0, 3, true, true, true},
      {"distance and length", {1, 4}, 0, 2, true, false, false},
      {"one distance", {1}, 0, 2, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (RevisionHandle& h : globals().handles) h.listSelected = 0;
    for (int s : c.selected) globals().handles[s].listSelected = 1;
    globals().grading_selected = c.basicSelected;
    InModuleCall([] { SyncInfSelection(); });
    EXPECT_EQ(SendMessage(List(), LB_GETCURSEL, 0, 0), c.currentRow);
    EXPECT_EQ(IsWindowEnabled(Control(InfWindow(), 3)) != FALSE, c.buttons);
    EXPECT_EQ(IsWindowEnabled(Control(InfWindow(), 4)) != FALSE, c.buttons);
    EXPECT_EQ(FlyoutEnabled(1), c.group);
    EXPECT_EQ(FlyoutEnabled(2), c.ungroup);
  }
}

TEST_F(InfListRowsTest, TheWindowTimerEnablesUpdateAndToolItemsOnlyWithARevisionTool) {
  struct Case {
    const char* name;
    bool ownTool, piece;
    bool update, items;
  };
  const Case cases[] = {
      {"a revision tool on a piece", true, true, true, true},
      {"a revision tool without a piece", true, false, false, true},
      {"a host tool", false, true, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_EQ(vmhost::SelectTool(c.ownTool ? globals().toolHandles[1] : nullptr), kNoErr);
    globals().pieceArtCount = c.piece ? 3 : 0;
    vmwin::AdvanceTime(500);
    vmwin::DispatchPostedMessages();
    EXPECT_EQ(IsWindowEnabled(Control(InfWindow(), 6)) != FALSE, c.update);
    for (uint32_t item : {4u, 5u, 9u, 10u}) EXPECT_EQ(FlyoutEnabled(item), c.items) << item;
  }
}

TEST_F(InfListRowsTest, AGroupDraggedDownLandsAfterTheTargetGroupAndUpBeforeTheTarget) {
  struct Case {
    const char* name;
    int targetRow, sourceRow;
    std::vector<int> order;  // the original slots, in their new order
  };
  // Slots: 0 alone, 1-2 group A, 3-4 group B, 5 alone; rows -1, 0, 1, 3, 5.
  const Case cases[] = {
      {"group A down onto group B", 3, 2, {0, 3, 4, 1, 2, 5}},
      {"group B up onto slot 0", 1, 3, {3, 4, 0, 1, 2, 5}},
      {"slot 5 up onto group A", 2, 4, {0, 5, 1, 2, 3, 4}},
      {"slot 0 down onto slot 5", 4, 1, {1, 2, 3, 4, 5, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (int s = 0; s < 6; ++s) {
      RevisionHandle& h = TwoPoint(s, kHandleDistance, line, 0, line, 1, "0", s == 1 || s == 2 ? 11 : s == 3 || s == 4 ? 22 : 0);
      h.direction = static_cast<int16_t>(s);  // tells the records apart
    }
    Rebuild();
    const std::vector<int> rows = RowData();
    InModuleCall([&] { ReorderRevisionHandles(c.targetRow, rows[c.targetRow], c.sourceRow, rows[c.sourceRow]); });
    std::vector<int> order;
    for (int s = 0; s < 6; ++s) order.push_back(globals().handles[s].direction);
    EXPECT_EQ(order, c.order);
    EXPECT_EQ(globals().handles[6].kind, kHandleFree);
    EXPECT_EQ(RowData().size(), 5u);
    EXPECT_EQ(vmhost::UndoText(), "\xE8\xA3\x9C\xE6\xAD\xA3\xE3\x83\x8F\xE3\x83\xB3\xE3\x83\x89\xE3\x83\xAB"
                                  "\xE5\x85\xA5\xE6\x9B\xBF\xE3\x81\xAE\xE5\x8F\x96\xE3\x82\x8A\xE6\xB6\x88\xE3\x81\x97");
    EXPECT_FALSE(vmhost::Tag(piece, "vmk_grading_fxh_conf_1").empty()) << "the group is saved";
  }
}

TEST_F(InfListRowsTest, DraggingTheBasicRowOrAStaleRowOnlyBeeps) {
  TwoPoint(0, kHandleDistance, line, 0, line, 1);
  TwoPoint(1, kHandleLength, line, 1, line, 2);
  Rebuild();
  const int beeps = vmwin::BeepCount();
  InModuleCall([] {
    ReorderRevisionHandles(0, -1, 2, 1);
    ReorderRevisionHandles(1, 0, 0, -1);
    ReorderRevisionHandles(1, 0, 2, 4000);
    ReorderRevisionHandles(1, 0, 1, 0);  // the same row: not even a beep
  });
  EXPECT_EQ(vmwin::BeepCount(), beeps + 3);
  EXPECT_EQ(globals().handles[0].kind, kHandleDistance);
  EXPECT_EQ(globals().handles[1].kind, kHandleLength);
}

TEST_F(InfListRowsTest, ARowDraggedWithTheMouseMovesItsHandle) {
  TwoPoint(0, kHandleDistance, line, 0, line, 1);
  TwoPoint(1, kHandleLength, line, 1, line, 2);
  Rebuild();
  // The list lies at (5, 5) on the screen: rows 1 and 2 are handle rows.
  vmwin::PlayInputTimeline({{false, 50, 60}, {false, 50, 60}, {true, 50, 60}, {true, 50, 60},
                            {true, 50, 100}, {false, 50, 100}});
  ASSERT_EQ(TickOnce(), kNoErr);
  ASSERT_EQ(TickOnce(), kNoErr);
  EXPECT_EQ(globals().handles[0].kind, kHandleLength);
  EXPECT_EQ(globals().handles[1].kind, kHandleDistance);
}

TEST_F(InfListRowsTest, WithoutThePanelNothingHappens) {
  TwoPoint(0, kHandleDistance, line, 0, line, 1);
  Rebuild();
  const PanelHandle panel = std::exchange(globals().infPanel, nullptr);
  TwoPoint(1, kHandleLength, line, 1, line, 2);
  InModuleCall([] {
    RebuildInfList();
    InsertHandleRow(1);
    SyncInfSelection();
    InvalidateInfList();
  });
  globals().infPanel = panel;
  EXPECT_EQ(RowData(), (std::vector<int>{-1, 0}));
}

}  // namespace
