// The amount dialogs as the user sees them: the stored amount as a percent and
// a length, the live preview on the sample layer, the direction list and the
// group's proportional box, and what OK and Cancel leave in the handle table.
#include <cmath>

#include "resources/handle_dialog_resource_ids.h"
#include "tools/dialogs_scene.h"

namespace vmtest {
namespace {

using vmwin::Check;
using vmwin::Click;
using vmwin::Focus;
using vmwin::PickItem;
using vmwin::PressEnter;
using vmwin::SetText;

constexpr char kWrapped[] = ") / %%DISTANCE%% * 100 * %%GR_COMPSCALE%%";

class AmountDialogTest : public DialogScene {};

TEST_F(AmountDialogTest, StoredAmountShowsAsPercentAndLength) {
  const struct {
    double distance;
    const char* amount;
    const char* percent;
    const char* length;
    UINT moving;
    double compscale = 1, scale = 1;  // the free ends are drawn at distance / scale
  } cases[] = {
      {72, "(15) / %%DISTANCE%% * 100 * %%GR_COMPSCALE%%", "59.06", "15", BST_UNCHECKED},
      {100, "100.0", "100.0", "35.28", BST_UNCHECKED},
      // The moving form measures the distance after the move: 15 + 25.4 mm.
      {72, "moving_distance(15) / %%DISTANCE%% * 100 * %%GR_COMPSCALE%%", "159.06", "15", BST_CHECKED},
      {72, "(2 * 5) / %%DISTANCE%% * 100", "39.37", "2 * 5", BST_UNCHECKED},
      {72, "(15) / %%DISTANCE%% * 100 * %%GR_COMPSCALE%%", "29.53", "15", BST_UNCHECKED, 0.5, 2},
      {100, "100.0", "100.0", "70.56", BST_UNCHECKED, 0.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.amount);
    globals().grading_compscale = c.compscale;
    globals().presetScale[kScale] = {c.scale, c.scale};
    Handle(0, kHandleDistance, Free({0, 0}), Free({c.distance / c.scale, 0}), c.amount);
    std::string percent, length;
    UINT moving = 9;
    EXPECT_EQ(Run(ShowRevisionDialog, 0, kDistanceDialogResource,
                  {Read(kAmountPercentField, &percent), Read(kAmountLengthField, &length),
                   ReadCheck(kAmountMovingCheck, &moving), Focus(kAmountPercentField),
                   Focus(kAmountLengthField), Click(IDOK)}),
              1);
    EXPECT_EQ(percent, c.percent);
    EXPECT_EQ(length, c.length);
    EXPECT_EQ(moving, c.moving);
    // Fields only passed through rewrite nothing.
    EXPECT_EQ(Amount(0), c.amount);
    EXPECT_DOUBLE_EQ(globals().envDistance, c.distance);
  }
}

TEST_F(AmountDialogTest, LengthTypedIsStoredAsPercentOfTheBaseAndMovingBoxChoosesTheForm) {
  Handle(0, kHandleDistance, Free({0, 0}), Free({72, 0}), "100.0");
  std::string percent;
  EXPECT_EQ(Run(ShowRevisionDialog, 0, kDistanceDialogResource,
                {SetText(kAmountLengthField, "5"), Focus(kAmountNameField),
                 Read(kAmountPercentField, &percent), Check(kAmountMovingCheck, BST_CHECKED), Click(IDOK)}),
            1);
  EXPECT_EQ(percent, "19.68");
  EXPECT_EQ(Amount(0), std::string("moving_distance(5") + kWrapped);

  EXPECT_EQ(Run(ShowRevisionDialog, 0, kDistanceDialogResource,
                {Check(kAmountMovingCheck, BST_UNCHECKED), Click(IDOK)}),
            1);
  EXPECT_EQ(Amount(0), std::string("(5") + kWrapped);

  std::string length;
  Run(ShowRevisionDialog, 0, kDistanceDialogResource,
      {SetText(kAmountPercentField, "50"), Focus(kAmountNameField), Read(kAmountLengthField, &length),
       Click(IDCANCEL)});
  EXPECT_EQ(length, "12.70");
}

TEST_F(AmountDialogTest, PercentTypedAndConfirmedWithEnterIsKept) {
  Handle(0, kHandleLength, Free({0, 0}), Free({72, 0}), "100.0");
  std::strcpy(globals().handles[0].name, "front");
  EXPECT_EQ(Run(ShowRevisionDialog, 0, kLengthDialogResource,
                {SetText(kAmountNameField, std::string(90, 'n')), SetText(kAmountPercentField, "80"),
                 PressEnter()}),
            1);
  EXPECT_EQ(Amount(0), "80");
  EXPECT_EQ(std::string(globals().handles[0].name), std::string(80, 'n'));
}

TEST_F(AmountDialogTest, LivePreviewIsDrawnOnTheSampleLayerAndGoesWithTheDialog) {
  ArtHandle art = Polyline({{0, 0}, {100, 0}, {100, 50}}, false);
  Handle(0, kHandleDistance, On(art, 0), On(art, 1), "100.0");
  for (int button : {IDCANCEL, IDOK}) {
    SCOPED_TRACE(button);
    bool sampleShown = false;
    size_t copies = 0;
    double graded = 0;
    const int32_t result =
        Run(ShowRevisionDialog, 0, kDistanceDialogResource,
            {SetText(kAmountPercentField, "150"), Focus(kAmountNameField), vmwin::Do([&](HWND) {
               LayerHandle sample = vmhost::FindLayer(kSampleLayer);
               sampleShown = sample != nullptr && sample == globals().editPreviewLayer;
               if (sampleShown) copies = vmhost::Children(LayerGroup(sample)).size();
               if (copies == 1)
                 graded = vmhost::Segments(vmhost::Children(vmhost::Children(LayerGroup(sample))[0])[0])[1].p.h;
               // The edit is previewed, not yet stored.
               EXPECT_EQ(Amount(0), "100.0");
             }),
             Click(button)});
    EXPECT_EQ(result, button);
    EXPECT_TRUE(sampleShown);
    EXPECT_EQ(copies, 1u);
    EXPECT_DOUBLE_EQ(graded, 150);  // the edit as typed
    EXPECT_EQ(vmhost::FindLayer(kSampleLayer), nullptr);
    EXPECT_EQ(globals().editPreviewLayer, nullptr);
    EXPECT_EQ(Amount(0), button == IDOK ? "150" : "100.0");
  }
}

TEST_F(AmountDialogTest, DirectionListEndsWithMeasurementAngleNames) {
  Handle(0, kHandleMeasurement, Free({0, 0}), Free({1, 0}), "dA");
  std::strcpy(globals().handles[0].line.amountExpr[1], "aA");
  Handle(1, kHandleMeasurement, Free({0, 0}), Free({1, 0}), "dB");
  Handle(2, kHandleMeasurement, Free({0, 0}), Free({1, 0}), "dC");
  std::strcpy(globals().handles[2].line.amountExpr[1], "aC");
  Handle(3, kHandleDistance, Free({0, 0}), Free({72, 0}), "100", 7).proportional = 1;
  UINT proportional = 9;
  int count = 0;
  int selected = -1;
  char last[32] = "", second[32] = "";
  Run(ShowRevisionDialog, 3, kDistanceDialogResource,
      {vmwin::Do([&](HWND dialog) {
         count = static_cast<int>(SendDlgItemMessage(dialog, kAmountTypeCombo, CB_GETCOUNT, 0, 0));
         selected = static_cast<int>(SendDlgItemMessage(dialog, kAmountTypeCombo, CB_GETCURSEL, 0, 0));
         SendDlgItemMessage(dialog, kAmountTypeCombo, CB_GETLBTEXT, 6, reinterpret_cast<LPARAM>(last));
         SendDlgItemMessage(dialog, kAmountTypeCombo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(second));
       }),
       PickItem(kAmountTypeCombo, 6), Click(kAmountProportionalCheck),
       ReadCheck(kAmountProportionalCheck, &proportional), Click(IDOK)});
  EXPECT_EQ(count, 7);
  EXPECT_EQ(selected, 0);
  EXPECT_STREQ(last, "aC");
  EXPECT_STREQ(second, "\220\205\225\275\225\373\214\374");  // "水平方向"
  EXPECT_EQ(globals().handles[3].direction, 6);
  // A click on the checked box would make it indeterminate: it stays checked.
  EXPECT_EQ(proportional, BST_CHECKED);
  EXPECT_EQ(globals().handles[3].proportional, 1);
}

TEST_F(AmountDialogTest, GroupEditReachesEveryMemberAndMixedProportionalOpensIndeterminate) {
  ArtHandle art = Polyline({{0, 0}, {100, 0}, {100, 50}}, false);
  for (int slot : {1, 2, 3}) {
    Handle(slot, kHandleDistance, On(art, 0), On(art, slot - 1), "100.0").groupId = 77;
    globals().handles[slot].proportional = slot == 3 ? 1 : 0;
  }
  Handle(4, kHandleDistance, On(art, 0), On(art, 1), "100.0");
  UINT opened = 9, afterFirst = 9, afterSecond = 9;
  EXPECT_EQ(Run(ShowRevisionDialog, 2, kDistanceDialogResource,
                {ReadCheck(kAmountProportionalCheck, &opened), Click(kAmountProportionalCheck),
                 Click(kAmountProportionalCheck), ReadCheck(kAmountProportionalCheck, &afterFirst),
                 Click(kAmountProportionalCheck), ReadCheck(kAmountProportionalCheck, &afterSecond),
                 Check(kAmountBothEndsCheck, BST_CHECKED), PickItem(kAmountTypeCombo, 2),
                 SetText(kAmountPercentField, "90"), Click(IDOK)}),
            1);
  // Opened on the second slot, the box shows that slot's own value and sets that slot's only.
  EXPECT_EQ(opened, BST_UNCHECKED);
  EXPECT_EQ(afterFirst, BST_UNCHECKED);
  EXPECT_EQ(afterSecond, BST_CHECKED);
  for (int slot : {1, 2, 3}) {
    SCOPED_TRACE(slot);
    EXPECT_EQ(Amount(slot), "90");
    EXPECT_EQ(globals().handles[slot].bothEnds, 1);
    EXPECT_EQ(globals().handles[slot].direction, 2);
    EXPECT_EQ(globals().handles[slot].proportional, slot == 1 ? 0 : 1);
    EXPECT_EQ(globals().handles[slot].line.index2, slot - 1);
  }
  EXPECT_EQ(Amount(4), "100.0");

  globals().handles[3].proportional = 0;
  globals().handles[1].proportional = 1;
  UINT mixed = 9, clicked = 9;
  Run(ShowRevisionDialog, 1, kDistanceDialogResource,
      {ReadCheck(kAmountProportionalCheck, &mixed), Click(kAmountProportionalCheck),
       ReadCheck(kAmountProportionalCheck, &clicked), Click(IDOK)});
  EXPECT_EQ(mixed, BST_INDETERMINATE);
  EXPECT_EQ(clicked, BST_UNCHECKED);
  for (int slot : {1, 2, 3}) EXPECT_EQ(globals().handles[slot].proportional, 0);
}

// Alt+Shift gives each member its own proportional flag; the box changes the slot it was opened
// on, and the other members too only when the group opened mixed (the box indeterminate).
TEST_F(AmountDialogTest, ProportionalBoxKeepsTheFlagsEachMemberWasGiven) {
  ArtHandle art = Polyline({{0, 0}, {100, 0}, {100, 50}}, false);
  const struct {
    int opened;
    std::vector<int16_t> flags;
    UINT box;  // what the user leaves in the box; 9: untouched
    std::vector<int16_t> stored;
  } cases[] = {
      {1, {0, 0, 0}, BST_CHECKED, {1, 0, 0}},
      {2, {1, 0, 1}, BST_CHECKED, {1, 1, 1}},
      {3, {0, 1, 0}, BST_CHECKED, {0, 1, 1}},
      {1, {1, 0, 1}, 9, {1, 0, 1}},
      {1, {1, 0, 1}, BST_UNCHECKED, {0, 0, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.opened);
    for (int slot : {1, 2, 3}) {
      Handle(slot, kHandleDistance, On(art, 0), On(art, slot - 1), "100.0").groupId = 77;
      globals().handles[slot].proportional = c.flags[slot - 1];
    }
    std::vector<vmwin::UserAction> steps{SetText(kAmountPercentField, "90"), Focus(kAmountNameField)};
    if (c.box != 9) steps.push_back(Check(kAmountProportionalCheck, c.box));
    steps.push_back(Click(IDOK));
    ASSERT_EQ(Run(ShowRevisionDialog, c.opened, kDistanceDialogResource, steps), 1);
    std::vector<int16_t> stored;
    for (int slot : {1, 2, 3}) stored.push_back(globals().handles[slot].proportional);
    EXPECT_EQ(stored, c.stored);
    EXPECT_EQ(Amount(3), "90");
  }
}

// An amount holds 81 bytes: a longer text is refused with a beep, never stored cut (which would
// change what it adds up to); one that fits is stored whole.
TEST_F(AmountDialogTest, AnAmountTooLongToStoreIsRefusedNotCut) {
  std::string fits = "100";
  while (fits.size() < 79) fits += "+0";
  fits += "+5";
  ASSERT_EQ(fits.size(), 81u);
  const std::string tooLong = fits + "+0";
  const struct {
    int16_t kind;
    int dialog;
    std::string typed;
    const char* stored;  // null: what was typed
  } cases[] = {{kHandleDistance, kDistanceDialogResource, tooLong, "100.0"},
               {kHandleAngle, kAngleDialogResource, tooLong, "100.0"},
               {kHandleLength, kLengthDialogResource, fits, nullptr}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dialog);
    Handle(0, c.kind, Free({0, 0}), Free({72, 0}), "100.0");
    const int beeps = vmwin::BeepCount();
    std::string shown;
    Run(ShowRevisionDialog, 0, c.dialog,
        {SetText(kAmountPercentField, c.typed), Focus(kAmountNameField), Read(kAmountPercentField, &shown),
         Click(IDOK)});
    const std::string stored = c.stored != nullptr ? c.stored : c.typed;
    EXPECT_EQ(vmwin::BeepCount() - beeps, c.stored != nullptr ? 1 : 0);
    EXPECT_EQ(shown, stored);
    EXPECT_EQ(Amount(0), stored);
  }
}

TEST_F(AmountDialogTest, OverlongLengthIsRefusedWithABeepAndVariableNeedsAnExpressionField) {
  Handle(0, kHandleArc, Free({0, 0}), Free({72, 0}), "100.0");
  const int beeps = vmwin::BeepCount();
  std::string length;
  Run(ShowRevisionDialog, 0, kArcDialogResource,
      {Click(kAmountVariableButton), SetText(kAmountLengthField, std::string(60, '1')),
       Focus(kAmountNameField), Read(kAmountLengthField, &length), Click(IDOK)});
  EXPECT_EQ(vmwin::BeepCount(), beeps + 2);
  EXPECT_EQ(length, "0.00");
  EXPECT_EQ(Amount(0), "100.0");
}

TEST_F(AmountDialogTest, BaseLengthIsMeasuredOverTheRangeOfCurvesBetweenTheEnds) {
  // Curves 0-1 .. 5-0 have the lengths 1, 2, 4, 8, 16 and 32.
  const std::vector<RealPoint> hexagon = {{0, 0}, {1, 0}, {1, 2}, {-3, 2}, {-3, -6}, {13, -6}};
  const double closing = std::hypot(13.0, 6.0);
  const struct {
    bool closed;
    int32_t i1, i2;
    double length;
  } cases[] = {
      {true, 3, 1, 8 + 16 + closing + 1}, {false, 4, 2, 4 + 8}, {true, 1, 3, 2 + 4}, {true, 2, 2, 0}};
  for (const auto& c : cases) {
    SetPiece({});
    ArtHandle art = Polyline(hexagon, c.closed);
    Handle(0, kHandleLength, On(art, c.i1), On(art, c.i2), "100");
    Run(ShowRevisionDialog, 0, kLengthDialogResource, {});
    EXPECT_NEAR(globals().envLength, c.length, 1e-3);
    EXPECT_EQ(globals().envRadius, 0);
  }
  // The base is the piece as the handles before the edited one leave it.
  SetPiece({});
  ArtHandle art = Polyline({{0, 0}, {72, 0}}, false);
  Handle(0, kHandleDistance, On(art, 0), On(art, 1), "200");
  Handle(1, kHandleDistance, On(art, 0), On(art, 1), "50");
  Run(ShowRevisionDialog, 1, kDistanceDialogResource, {});
  EXPECT_DOUBLE_EQ(globals().envDistance, 144);
}

TEST_F(AmountDialogTest, EachKindOpensItsDialogInTheUserLanguage) {
  const struct {
    int16_t kind, language;
    int dialog;
  } cases[] = {{kHandleDistance, 0, 16154},
               {kHandlePlain, 0, 16155},
               {kHandleLength, 1, 17155},
               {kHandleArc, 2, 16160},
               {kHandleAngle, 1, 17162}};
  for (const auto& c : cases) {
    globals().language = c.language;
    Handle(0, c.kind, Free({0, 0}), Free({72, 0}), "100");
    EXPECT_EQ(Run(ShowRevisionDialog, 0, c.dialog, {}), 2);
    EXPECT_EQ(vmwin::ShownDialogs().back().templateId, c.dialog);
  }
  globals().handles[0].kind = kHandlePoint;
  EXPECT_EQ(ShowRevisionDialog(module, 0), 2);
  EXPECT_EQ(ShowRevisionDialog(module, kMaxHandles), 2);
}

}  // namespace
}  // namespace vmtest
