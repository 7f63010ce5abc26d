// The front body, back body, sleeve and measurement dialogs as the user works
// them: what they show on opening, and what OK and Cancel leave behind.
#include "simple_grading_scene.h"

namespace vmtest {
namespace {

using vmwin::Check;
using vmwin::Click;
using vmwin::Do;
using vmwin::SetText;

using ProportionDialogTest = SimpleGradingScene;

struct Proportions {
  int id;
  std::vector<double SimpleGradingSettings::*> fields;
  int16_t SimpleGradingSettings::*choice;
};

const Proportions kDialogs[] = {
    {16164,
     {&SimpleGradingSettings::grading_front_body_width, &SimpleGradingSettings::grading_front_body_height,
      &SimpleGradingSettings::grading_front_bust_position},
     &SimpleGradingSettings::grading_front_rotation},
    {16165,
     {&SimpleGradingSettings::grading_back_body_width, &SimpleGradingSettings::grading_back_body_height,
      &SimpleGradingSettings::grading_back_bust_position},
     &SimpleGradingSettings::grading_back_rotation},
    {16166,
     {&SimpleGradingSettings::grading_sleeve_front_body_width,
      &SimpleGradingSettings::grading_sleeve_back_body_width,
      &SimpleGradingSettings::grading_sleeve_cap_height, &SimpleGradingSettings::grading_sleeve_depth},
     &SimpleGradingSettings::grading_sleeve_rotation},
};
const int kEdits[] = {5, 8, 11, 14};

TEST_F(ProportionDialogTest, EachBlockDialogShowsItsSettingsAndTakesThemOnOK) {
  for (const Proportions& d : kDialogs) {
    SimpleGradingSettings& s = globals().simpleGrading;
    for (size_t i = 0; i < d.fields.size(); ++i) s.*d.fields[i] = 10.1 * static_cast<double>(i + 1);
    s.*d.choice = 1;
    std::vector<std::string> shown;
    bool ninetyChecked = false;
    EXPECT_EQ(ShowDialog(d.id, {Do([&](HWND dialog) {
                                  for (size_t i = 0; i < d.fields.size(); ++i)
                                    shown.push_back(FieldText(dialog, kEdits[i]));
                                  ninetyChecked = IsDlgButtonChecked(dialog, 21) == BST_CHECKED;
                                }),
                                SetText(5, "55.5"), SetText(8, "abc"), SetText(11, "12.5mm"), Check(22, 1),
                                Click(IDOK)}),
              IDOK)
        << d.id;
    EXPECT_EQ(shown[0], "10.1");
    EXPECT_EQ(shown[2], "30.3");
    EXPECT_TRUE(ninetyChecked) << d.id;
    EXPECT_EQ(s.*d.fields[0], 55.5);
    EXPECT_EQ(s.*d.fields[1], 0) << "a text that is no number";
    EXPECT_EQ(s.*d.fields[2], 12.5) << "the number the text begins with";
    EXPECT_EQ(s.*d.choice, 2);
  }
}

TEST_F(ProportionDialogTest, CancelStoresNothing) {
  SimpleGradingSettings& s = globals().simpleGrading;
  const SimpleGradingSettings before = s;
  EXPECT_EQ(ShowDialog(16166, {SetText(5, "99"), Check(20, 1), vmwin::PressEscape()}), IDCANCEL);
  EXPECT_EQ(s.grading_sleeve_front_body_width, before.grading_sleeve_front_body_width);
  EXPECT_EQ(s.grading_sleeve_rotation, before.grading_sleeve_rotation);
}

TEST_F(ProportionDialogTest, TheMeasurementDialogAssignsTheLengthToAColumn) {
  SimpleGradingSettings& s = globals().simpleGrading;
  s.measureLength = 123.4;
  s.grading_measure_type = 3;
  std::string shown;
  bool bustChecked = false;
  EXPECT_EQ(ShowDialog(16167, {Do([&](HWND dialog) {
                                 shown = FieldText(dialog, 5);
                                 bustChecked = IsDlgButtonChecked(dialog, 14) == BST_CHECKED;
                               }),
                               SetText(5, "120.25"), Check(16, 1), Click(IDOK)}),
            IDOK);
  EXPECT_EQ(shown, "123.4");
  EXPECT_TRUE(bustChecked);
  EXPECT_EQ(s.measureLength, 120.25);
  EXPECT_EQ(s.grading_measure_type, 5);

  EXPECT_EQ(ShowDialog(16167, {Check(18, 1), Click(IDOK)}), IDOK);
  EXPECT_EQ(s.grading_measure_type, 7);
}

}  // namespace
}  // namespace vmtest
