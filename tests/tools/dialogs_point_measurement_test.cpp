// The point dialog's offset, move and coordinate fields, and the measurement
// dialog's variable names, as the user edits them.
#include "resources/handle_dialog_resource_ids.h"
#include "tools/dialogs_scene.h"

namespace vmtest {
namespace {

using vmwin::Click;
using vmwin::Focus;
using vmwin::SetText;

class PointDialogTest : public DialogScene {
 protected:
  void SetUp() override {
    DialogScene::SetUp();
    // The preset doubles the piece: the anchor at (100, 0) is graded to (200, 0).
    globals().presetScale[kScale] = {2.0, 2.0};
    art = Polyline({{0, 0}, {100, 0}, {100, 50}}, false);
    ResetGroup();
  }
  // Two point handles of one group on the anchor.
  void ResetGroup() {
    for (int slot : {0, 1}) {
      RevisionHandle& h = globals().handles[slot];
      h = RevisionHandle{0, 9, "", kHandlePoint, 0, 0, 0, {}};
      h.point.art = art;
      h.point.anchorIndex = 1;
      std::strcpy(h.point.xExpr[kScale], "(3) * %%GR_COMPSCALE%%");
      std::strcpy(h.point.yExpr[kScale], "0");
    }
  }
  std::string X(int slot) { return globals().handles[slot].point.xExpr[kScale]; }
  std::string Y(int slot) { return globals().handles[slot].point.yExpr[kScale]; }

  ArtHandle art = nullptr;
};

TEST_F(PointDialogTest, OpensWithOffsetMoveAndCoordinateInTheDisplayUnit) {
  std::string offset, move, coordinate, unit;
  EXPECT_EQ(Run(ShowPointRevisionDialog, 1, kPointDialogResource,
                {Read(kPointOffsetXField, &offset), Read(kPointMoveXField, &move),
                 Read(kPointCoordinateXField, &coordinate), Read(kPointMoveUnitLabel, &unit)}),
            2);
  EXPECT_EQ(offset, "3");
  EXPECT_EQ(move, "38.28");
  EXPECT_EQ(coordinate, "73.56");
  EXPECT_EQ(unit, "mm");
  EXPECT_EQ(globals().envHandleSlot, 1u);
}

TEST_F(PointDialogTest, MoveAndCoordinateEditsBecomeScaledOffsets) {
  const struct {
    int field;
    const char* typed;
    const char* x;
    const char* y;
    int shownField;
    const char* shown;
    double compscale = 1;
  } cases[] = {
      {kPointMoveXField, "38.30", "(3) * %%GR_COMPSCALE%%", "0", kPointOffsetXField, "3"},
      {kPointMoveXField, "38.36", "(3.08) * %%GR_COMPSCALE%%", "0", kPointOffsetXField, "3.08"},
      {kPointMoveXField, "40", "(4.72) * %%GR_COMPSCALE%%", "0", kPointCoordinateXField, "75.28"},
      {kPointMoveXField, "40", "(2.36) * %%GR_COMPSCALE%%", "0", kPointCoordinateXField, "75.28", 0.5},
      {kPointCoordinateXField, "80", "(9.44) * %%GR_COMPSCALE%%", "0", kPointMoveXField, "44.72"},
      {kPointOffsetXField, "5", "(5) * %%GR_COMPSCALE%%", "0", kPointMoveXField, "40.28"},
      {kPointCoordinateYField, "10", "(3) * %%GR_COMPSCALE%%", "(10.00) * %%GR_COMPSCALE%%", kPointMoveYField,
       "10.00"},
      {kPointOffsetYField, "a + 1", "(3) * %%GR_COMPSCALE%%", "(a + 1) * %%GR_COMPSCALE%%",
       kPointOffsetYField, "a + 1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.typed);
    ResetGroup();
    globals().grading_compscale = c.compscale;
    std::string shown;
    EXPECT_EQ(
        Run(ShowPointRevisionDialog, 0, kPointDialogResource,
            {SetText(c.field, c.typed), Focus(kPointNameField), Read(c.shownField, &shown),
             SetText(kPointNameField, "hem"), Click(IDOK)}),
        1);
    EXPECT_EQ(shown, c.shown);
    EXPECT_STREQ(globals().handles[0].name, "hem");
    // The whole group takes the offsets.
    for (int slot : {0, 1}) {
      EXPECT_EQ(X(slot), c.x);
      EXPECT_EQ(Y(slot), c.y);
    }
    EXPECT_EQ(vmhost::FindLayer(kSampleLayer), nullptr);
  }
}

TEST_F(PointDialogTest, CancelKeepsTheHandlesAndAnOverlongOffsetIsRefused) {
  const int beeps = vmwin::BeepCount();
  EXPECT_EQ(Run(ShowPointRevisionDialog, 0, kPointDialogResource,
                {SetText(kPointOffsetXField, std::string(70, '7')), Focus(kPointNameField),
                 SetText(kPointMoveYField, "25"), Focus(kPointNameField), Click(IDCANCEL)}),
            2);
  EXPECT_EQ(vmwin::BeepCount(), beeps + 1);
  EXPECT_EQ(X(0), "(3) * %%GR_COMPSCALE%%");
  EXPECT_EQ(Y(0), "0");
  EXPECT_EQ(vmhost::FindLayer(kSampleLayer), nullptr);
}

TEST_F(PointDialogTest, AMoveTooLargeToStoreIsRefusedAndBothFieldsShowTheOffsetAgain) {
  for (const char* typed : {"1e70", "-1e300"}) {
    SCOPED_TRACE(typed);
    const int beeps = vmwin::BeepCount();
    std::string move, coordinate;
    EXPECT_EQ(Run(ShowPointRevisionDialog, 0, kPointDialogResource,
                  {SetText(kPointMoveXField, typed), Focus(kPointNameField), Read(kPointMoveXField, &move),
                   Read(kPointCoordinateXField, &coordinate), Click(IDOK)}),
              1);
    EXPECT_EQ(vmwin::BeepCount(), beeps + 1);
    EXPECT_EQ(move, "38.28");
    EXPECT_EQ(coordinate, "73.56");
    EXPECT_EQ(X(0), "(3) * %%GR_COMPSCALE%%");
  }
}

class MeasurementDialogTest : public DialogScene {
 protected:
  RevisionHandle& Measure(End e1, End e2, const char* distance, const char* angle, const char* length,
                          const char* radius) {
    RevisionHandle& h = Handle(0, kHandleMeasurement, e1, e2, "");
    const char* names[4] = {distance, angle, length, radius};
    for (int n = 0; n < 4; ++n) std::strcpy(h.line.amountExpr[n], names[n]);
    return h;
  }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (int row = 0; row < kMaxVariables && globals().variables.varNames[row][0]; ++row)
      names.push_back(std::string(globals().variables.varNames[row]) + "=" +
                      globals().variables.varValues[row]);
    return names;
  }
};

TEST_F(MeasurementDialogTest, NewNamesRenameTheVariablesAndAnEmptyNameDropsOne) {
  Measure(Free({0, 0}), Free({10, 0}), "dA", "aA", "lA", "");
  SetVariable(0, "dA", "3.5");
  SetVariable(1, "aA", "0");
  SetVariable(2, "lA", "");
  SetVariable(3, "keep", "1");
  EXPECT_EQ(Run(ShowMeasurementDialog, 0, kMeasurementDialogResource,
                {SetText(kMeasureDistanceField, "width"), SetText(kMeasureAngleField, ""),
                 SetText(kMeasureRadiusField, "ignored"), Click(IDOK)}),
            1);
  EXPECT_EQ(Names(), (std::vector<std::string>{"width=", "lA=", "keep=1"}));
  const RevisionHandle& h = globals().handles[0];
  EXPECT_STREQ(h.line.amountExpr[0], "width");
  EXPECT_STREQ(h.line.amountExpr[1], "");
  EXPECT_STREQ(h.line.amountExpr[3], "");
}

TEST_F(MeasurementDialogTest, RefusedRenameShowsItsAlertAndKeepsEveryVariable) {
  Measure(Free({0, 0}), Free({10, 0}), "dA", "aA", "lA", "");
  SetVariable(0, "taken", "1");
  SetVariable(1, "dA", "3.5");
  SetVariable(2, "aA", "0");
  SetVariable(3, "lA", "7");
  const std::vector<std::string> before = Names();
  EXPECT_EQ(
      Run(ShowMeasurementDialog, 0, kMeasurementDialogResource,
          {SetText(kMeasureDistanceField, "width"), SetText(kMeasureLengthField, "taken"), Click(IDOK)}),
      2);
  EXPECT_EQ(AlertTexts().size(), 1u);
  EXPECT_EQ(Names(), before);
  EXPECT_STREQ(globals().handles[0].line.amountExpr[0], "dA");
}

TEST_F(MeasurementDialogTest, OpenPathEndsAreStoredInPathOrderAndRadiusNeedsAnArc) {
  ArtHandle polyline = Polyline({{0, 0}, {10, 0}, {20, 5}, {30, 0}, {40, 5}}, false);
  // A half circle of radius 100 in two quarters.
  ArtHandle arc =
      Path({Smooth({-100, -kKappa}, {-100, 0}, {-100, kKappa}),
            Smooth({-kKappa, 100}, {0, 100}, {kKappa, 100}), Smooth({100, kKappa}, {100, 0}, {100, -kKappa})},
           false);
  const struct {
    End e1, e2;
    BOOL radiusEnabled;
    int32_t index1;
  } cases[] = {{On(polyline, 4), On(polyline, 2), FALSE, 2}, {On(arc, 0), On(arc, 2), TRUE, 0}};
  for (const auto& c : cases) {
    Measure(c.e1, c.e2, "", "", "", "rOld");
    SetVariable(0, "rOld", "1");
    BOOL enabled = -1;
    std::string shown;
    EXPECT_EQ(Run(ShowMeasurementDialog, 0, kMeasurementDialogResource,
                  {vmwin::Do([&](HWND dialog) {
                     enabled = IsWindowEnabled(GetDlgItem(dialog, kMeasureRadiusField));
                   }),
                   Read(kMeasureRadiusField, &shown), SetText(kMeasureRadiusField, "rA"), Click(IDOK)}),
              1);
    EXPECT_EQ(shown, "rOld");
    EXPECT_STREQ(globals().variables.varNames[0], c.radiusEnabled ? "rA" : "rOld");
    const RevisionHandle& h = globals().handles[0];
    EXPECT_EQ(enabled, c.radiusEnabled);
    EXPECT_EQ(h.line.index1, c.index1);
    EXPECT_EQ(h.line.p1.h, vmhost::Segments(h.line.art1).at(h.line.index1).p.h);
    EXPECT_STREQ(h.line.amountExpr[3], c.radiusEnabled ? "rA" : "rOld");
  }
}

}  // namespace
}  // namespace vmtest
