// The measurement tool: a drag measured in millimetres, added up with Ctrl,
// and written into the size table scaled by each size's pitch; the size chart
// tool and the size table behind both tools' options.
#include <string>

#include "tools_scene.h"
#include "win_driver.h"

namespace vmtest {
namespace {

using MeasureTools = ToolsScene;

constexpr double kPointsPerMm = 72 / 25.4;

// From (0, 5) along x.
RealPoint Mm(double mm) { return {mm * kPointsPerMm, 5}; }

TEST_F(MeasureTools, AMeasurementFillsTheChosenColumnOfTheFirstFourSizes) {
  const struct {
    int16_t type;
    double SizeTableRow::*column;
    double factor;  // girths are stored doubled
  } cases[] = {
      {0, &SizeTableRow::collarWidth, 1}, {2, &SizeTableRow::dressLength, 1},
      {3, &SizeTableRow::bustGirth, 2},   {5, &SizeTableRow::shoulderWidth, 2},
      {7, &SizeTableRow::cuffsHeight, 1},
  };
  UseKind(4);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.type);
    globals().sizeTable[4].collarWidth = 77;
    std::string shown;
    vmwin::ScriptDialog(16167, {vmwin::Do([&](HWND d) { shown = FieldText(d, 5); }),
                                vmwin::Check(11 + c.type, 1), vmwin::Click(IDOK)});
    DragTool({0, 5}, Mm(100.04));
    EXPECT_EQ(shown, "100");
    const double expected[4] = {90.5, 95.2, 100, 104.8};
    for (int row = 0; row < 4; ++row)
      EXPECT_NEAR(globals().sizeTable[row].*c.column, c.factor * expected[row], 1e-9);
    EXPECT_EQ(globals().sizeTable[4].collarWidth, 77) << "rows 4 to 9 stay";
    EXPECT_EQ(globals().simpleGrading.measureLength, 0);
  }
}

TEST_F(MeasureTools, WithCtrlTheLengthsAddUpUntilAMeasurementWithoutIt) {
  UseKind(4);
  std::string shown;
  vmwin::ScriptDialog(16167, {vmwin::Do([&](HWND d) { shown = FieldText(d, 5); }), vmwin::Click(IDCANCEL)});
  DragTool({0, 5}, Mm(25), kModCommand);
  DragTool({10, 10}, {10 + Mm(30.26).h, 10}, kModCommand);  // 30.3
  EXPECT_EQ(shown, "") << "no dialog yet";
  EXPECT_NEAR(globals().simpleGrading.measureLength, 55.3, 1e-9);
  const SizeTableRow before = globals().sizeTable[0];
  DragTool({0, 5}, Mm(4.7));
  EXPECT_EQ(shown, "60");
  EXPECT_EQ(globals().simpleGrading.measureLength, 0);
  EXPECT_EQ(globals().sizeTable[0].collarWidth, before.collarWidth) << "cancelled";
}

TEST_F(MeasureTools, TooShortAMeasurementOrABasicSizeWithoutPitchIsRefused) {
  UseKind(4);
  const int beeps = vmwin::BeepCount();
  DragTool({0, 5}, Mm(0.1));
  globals().simpleGrading.grading_basic_size = 6;  // no pitch to scale by
  vmwin::ScriptDialog(16167, {vmwin::Click(IDOK)});
  DragTool({0, 5}, Mm(50));
  EXPECT_EQ(vmwin::BeepCount(), beeps + 2);
  EXPECT_EQ(globals().sizeTable[1].collarWidth, 1);
  EXPECT_EQ(globals().simpleGrading.measureLength, 0);
}

TEST_F(MeasureTools, TheChartHangsFromTheDragStartAndTheTableDialogRedrawsIt) {
  UseKind(0);
  DragTool({100, 800}, {300, 500});
  EXPECT_EQ(Box(Object(1)), "100 800.003 943.046 289.753") << "four rows";
  vmwin::ScriptDialog(16163, {vmwin::PickItem(6, 0), vmwin::Click(IDCANCEL)});
  ASSERT_EQ(vmhost::EditToolOptions(), kNoErr);
  EXPECT_EQ(globals().simpleGrading.grading_basic_size, 2);
  EXPECT_EQ(globals().sizeTable[0].pitch, 90.5);

  // OK: the chart is drawn again where it stood, and a block follows the new basic size.
  globals().simpleGrading.grading_front_bust_position = 50;
  Piece({200, 200}, {150, 450});
  UseKind(1);
  DragTool({100, 500}, {460, 140});
  UseKind(0);
  vmwin::ScriptDialog(16163, {vmwin::PickItem(6, 4), vmwin::SetText(21 + 30, "120"),
                              vmwin::SetText(21 + 40 + 4, "508"), vmwin::Click(IDOK)});
  ASSERT_EQ(vmhost::EditToolOptions(), kNoErr);
  EXPECT_EQ(Box(Object(1)), "100 910.753 943.046 289.753") << "five rows";
  EXPECT_EQ(Box(Object(2)), "100 500 820 140") << "50 % of a 508 mm bust girth";
  EXPECT_DOUBLE_EQ(globals().presetScale[3].h, 1.2);
}

TEST_F(MeasureTools, ARedrawnChartKeepsItsOwnGroupWhateverWasGradedLast) {
  UseKind(0);
  DragTool({100, 800}, {300, 500});
  const std::string origin = vmhost::Tag(Object(1), kGradingOriginKey);
  globals().simpleGrading.grading_front_bust_position = 50;
  Piece({200, 200}, {150, 450});
  UseKind(1);
  DragTool({100, 500}, {460, 140});
  ASSERT_NE(vmhost::Tag(Object(12), kGradingOriginKey), origin);

  // Each measurement redraws the chart, then grades the front again.
  UseKind(4);
  for (int measurement = 0; measurement < 2; ++measurement) {
    vmwin::ScriptDialog(16167, {vmwin::Check(11, 1), vmwin::Click(IDOK)});
    DragTool({0, 5}, Mm(40));
    EXPECT_EQ(vmhost::Tag(Object(1), kGradingOriginKey), origin) << "measurement " << measurement;
  }
  ArtHandle chart = Object(1);
  globals().sizeTable[0].collarWidth = 0;
  InModuleCall([&] { LoadGradingGroup(&chart, 1); });
  EXPECT_NEAR(globals().sizeTable[0].collarWidth, 36.2, 1e-9) << "the chart holds the table as measured";
}

TEST_F(MeasureTools, ANewTableReshapesEveryBlockWhateverIsSelected) {
  globals().simpleGrading.grading_front_bust_position = 50;
  globals().simpleGrading.grading_back_bust_position = 50;
  Piece({200, 200}, {150, 450});
  UseKind(1);
  DragTool({100, 500}, {460, 140});
  ArtHandle back = Piece({700, 200}, {650, 450});
  UseKind(2);
  DragTool({600, 500}, {960, 140});
  vmhost::SetSelected(back, false);  // nothing selected now

  UseKind(0);
  vmwin::ScriptDialog(16163, {vmwin::SetText(21 + 20 + 4, "508"), vmwin::Click(IDOK)});
  const int beeps = vmwin::BeepCount();
  ASSERT_EQ(vmhost::EditToolOptions(), kNoErr);
  EXPECT_EQ(Box(Object(2)), "100 500 820 140") << "50 % of a 508 mm bust girth";
  EXPECT_EQ(Box(Object(3)), "240 500 960 140") << "the back keeps its right edge";
  EXPECT_EQ(vmwin::BeepCount(), beeps);
}

}  // namespace
}  // namespace vmtest
