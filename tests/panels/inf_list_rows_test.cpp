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
  Point(5, circle, 0);
  InModuleCall([] {
    InsertHandleRow(5);
    InsertHandleRow(2);  // inside a group: no row of its own
  });
  EXPECT_EQ(RowData(), (std::vector<int>{-1, 0, 1, 4, 5, 6}));

  // Without a piece the handles start at row 0, and so does an inserted row.
  InModuleCall([this] {
    globals().pieceArtCount = 0;
    std::memset(&globals().handles[4], 0, 3 * sizeof(RevisionHandle));
    RebuildInfList();
    Point(9, circle, 1);
    InsertHandleRow(9);
  });
  EXPECT_EQ(RowData(), (std::vector<int>{0, 1, 9}));
}

TEST_F(InfListRowsTest, SelectedHandlesShowInTheListButtonsAndGroupingItems) {
  TwoPoint(0, kHandleDistance, line, 0, line, 1);
  TwoPoint(1, kHandleDistance, line, 1, line, 2);
  Point(2, square, 0, 5);
  Point(3, square, 1, 5);
  TwoPoint(4, kHandleLength, line, 2, line, 3);
  Rebuild();
  const struct {
    std::vector<int> selected;
    int16_t basicSelected;
    int currentRow;
    bool buttons, group, ungroup;
  } cases[] = {
      {{}, 0, -1, false, false, false}, {{}, 1, 0, false, false, false},    {{0, 1}, 0, 1, true, true, false},
      {{2, 3}, 0, 3, true, true, true}, {{1, 4}, 0, 2, true, false, false}, {{1}, 0, 2, true, false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.selected));
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
  const struct {
    bool ownTool, piece, update, items;
  } cases[] = {{true, true, true, true}, {true, false, false, true}, {false, true, false, false}};
  for (const auto& c : cases) {
    ASSERT_EQ(vmhost::SelectTool(c.ownTool ? globals().toolHandles[1] : nullptr), kNoErr);
    globals().pieceArtCount = c.piece ? 3 : 0;
    vmwin::AdvanceTime(500);
    vmwin::DispatchPostedMessages();
    EXPECT_EQ(IsWindowEnabled(Control(InfWindow(), 6)) != FALSE, c.update);
    for (uint32_t item : {4u, 5u, 9u, 10u}) EXPECT_EQ(FlyoutEnabled(item), c.items) << item;
  }
}

TEST_F(InfListRowsTest, AGroupDraggedDownLandsAfterTheTargetGroupAndUpBeforeTheTarget) {
  // Slots: 0 alone, 1-2 group A, 3-4 group B, 5 alone; rows -1, 0, 1, 3, 5.
  const struct {
    int targetRow, sourceRow;
    std::vector<int> order;  // the original slots in their new order
    int beeps;
  } cases[] = {
      {3, 2, {0, 3, 4, 1, 2, 5}, 0}, {1, 3, {3, 4, 0, 1, 2, 5}, 0}, {2, 4, {0, 5, 1, 2, 3, 4}, 0},
      {4, 1, {1, 2, 3, 4, 5, 0}, 0}, {0, 2, {0, 1, 2, 3, 4, 5}, 1}, {2, 0, {0, 1, 2, 3, 4, 5}, 1},
  };
  globals().language = 1;
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.order));
    for (int s = 0; s < 6; ++s)
      TwoPoint(s, kHandleDistance, line, 0, line, 1, "0",
               s == 1 || s == 2   ? 11
               : s == 3 || s == 4 ? 22
                                  : 0)
          .direction = static_cast<int16_t>(s);  // tells the records apart
    Rebuild();
    const std::vector<int> rows = RowData();
    const int beeps = vmwin::BeepCount();
    InModuleCall(
        [&] { ReorderRevisionHandles(c.targetRow, rows[c.targetRow], c.sourceRow, rows[c.sourceRow]); });
    std::vector<int> order;
    for (int s = 0; s < 6; ++s) order.push_back(globals().handles[s].direction);
    EXPECT_EQ(order, c.order);
    EXPECT_EQ(vmwin::BeepCount() - beeps, c.beeps);
    EXPECT_EQ(globals().handles[6].kind, kHandleFree);
    if (c.beeps == 0) {
      EXPECT_EQ(vmhost::UndoText(), "Undo Replace revision handle");
      EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_fxh_conf_1").empty(), false) << "the group is saved";
    }
  }
}

}  // namespace
