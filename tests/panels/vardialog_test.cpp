// The variable list and edit dialogs as the user sees them, and a pick
// inserted into an expression field at its saved selection.
#include <cstdio>

#include "panels/var_dialog_launch.h"
#include "panels/variable_dialogs.h"
#include "resources/handle_dialog_resource_ids.h"
#include "store/art_tags.h"
#include "tools/dialogs_scene.h"

namespace vmtest {
namespace {

using vmwin::Click;
using vmwin::PickItem;
using vmwin::SelectText;
using vmwin::SetText;
using Rows = std::vector<std::string>;

class VariableDialogTest : public DialogScene {
 protected:
  void SetUp() override {
    DialogScene::SetUp();
    SetVariable(0, "W", "10");
    SetVariable(1, "H", "20", 1);
  }
  void TitledPiece(const std::string& title, const Rows& names) {
    ArtHandle art = Rect(LayerGroup(), 0, 0, 10, 10);
    WriteStringTag(art, "vmk_grading_title", title.c_str());
    for (size_t k = 0; k < names.size(); ++k) {
      char key[64];
      std::snprintf(key, sizeof key, "vmk_grading_var_name_%03zu", k);
      WriteStringTag(art, key, names[k].c_str());
    }
  }
  // The list dialog run with the user's steps: the text it gives back.
  std::string Pick(std::vector<vmwin::UserAction> steps) {
    vmwin::ScriptDialog(0, std::move(steps));
    char picked[kPickedVariableSize] = "";
    InModuleCall([&] { ShowVariableListDialog(module, nullptr, picked); });
    return picked;
  }
  // The edit dialog on a variable named W; it is given back as OK leaves it.
  std::string Edit(std::string* value, uint32_t* isPrivate, std::vector<vmwin::UserAction> steps,
                   std::vector<vmwin::UserAction> listSteps = {}) {
    vmwin::ScriptDialog(0, std::move(steps));
    if (!listSteps.empty()) vmwin::ScriptDialog(0, std::move(listSteps));
    static char n[kNameSize], v[kVarValueSize];
    std::strcpy(n, "W");
    std::strcpy(v, value->c_str());
    InModuleCall([&] { ShowVariableDialog(module, n, v, isPrivate); });
    *value = v;
    return n;
  }
  static vmwin::UserAction ReadRows(int control, Rows* out) {
    return vmwin::Do([control, out](HWND d) {
      const bool combo = control == kVarListSourceCombo;
      out->clear();
      for (LRESULT row = 0; row < SendDlgItemMessage(d, control, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
           ++row) {
        char text[256] = "";
        SendDlgItemMessage(d, control, combo ? CB_GETLBTEXT : LB_GETTEXT, row,
                           reinterpret_cast<LPARAM>(text));
        out->push_back(text);
      }
    });
  }
  const std::vector<vmwin::UserAction> pickFrontW = {PickItem(kVarListSourceCombo, 3),
                                                     PickItem(kVarListNames, 0), Click(IDOK)};
};

const std::string kT80(80, 'T'), kN90(90, 'n');
const char kLocal[] = "\203\215\201[\203J\203\213\225\317\220\224";  // "ローカル変数"
const char kEnvironment[] = "\212\302\213\253\225\317\220\224";      // "環境変数"
const Rows kJapanese = {kLocal, kEnvironment, "-", "Front", kT80};
const Rows kEnglish = {"Local variable", "Environment variable", "-", "Front", kT80};
const Rows kMacros = {"%%GR_SCALE_H%%", "%%GR_SCALE_V%%", "%%GR_ORIGIN_H%%", "%%GR_ORIGIN_V%%",
                      "%%GR_ANGLE%%",   "%%PRESET_IDX%%", "%%PRESET_NAME%%"};

TEST_F(VariableDialogTest, SourcesListTheirNamesAndAPickGivesTheTextToInsert) {
  const struct {
    int16_t language;
    int source, row;
    Rows sources, names;
    std::string picked;
  } cases[] = {
      {0, 0, 1, {kLocal, kEnvironment}, {"W", "H"}, "H"},
      {1, 1, 6, kEnglish, kMacros, "%%PRESET_NAME%%"},
      // Another piece's private names are offered too; a title and a name of 80 characters are kept whole.
      {0, 3, 1, kJapanese, {"W", "secret"}, "Front:secret"},
      {1, 4, 0, kEnglish, {kN90.substr(9)}, kT80 + ":" + kN90.substr(10)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picked);
    globals().language = c.language;
    // Art made later stands higher in the layer and is listed first.
    if (&c == &cases[1]) {
      TitledPiece(kT80 + "cut", {kN90});
      TitledPiece("Front", {"W", "secret"});
    }
    Rows sources, names;
    BOOL okBeforeARow = TRUE;
    EXPECT_EQ(Pick({ReadRows(kVarListSourceCombo, &sources), PickItem(kVarListSourceCombo, c.source),
                    ReadRows(kVarListNames, &names),
                    vmwin::Do([&](HWND d) { okBeforeARow = IsWindowEnabled(GetDlgItem(d, IDOK)); }),
                    Click(IDOK), PickItem(kVarListNames, c.row), Click(IDOK)}),
              c.picked);
    EXPECT_EQ(sources, c.sources);
    EXPECT_EQ(names, c.names);
    EXPECT_FALSE(okBeforeARow);
  }
}

TEST_F(VariableDialogTest, SeparatorChosenOnceOrTwiceKeepsThePreviousSourceAndItsNames) {
  TitledPiece("Front", {"F1", "F2"});
  for (int times : {1, 2}) {
    Rows names;
    std::vector<vmwin::UserAction> steps(times + 1, PickItem(kVarListSourceCombo, 2));
    steps[0] = PickItem(kVarListSourceCombo, 3);
    steps.insert(steps.end(), {ReadRows(kVarListNames, &names), PickItem(kVarListNames, 1), Click(IDOK)});
    EXPECT_EQ(Pick(steps), "Front:F2");
    EXPECT_EQ(names, (Rows{"F1", "F2"}));
  }
}

TEST_F(VariableDialogTest, EditGivesBackNameValueAndFlagCut) {
  const std::string longName = std::string(79, 'a') + "\225\317";  // a double-byte character across the 80th
  std::string value = "10 + 2";
  uint32_t isPrivate = 1;
  globals().varTitlesValid = 0;
  EXPECT_EQ(Edit(&value, &isPrivate,
                 {SetText(kVarEditNameField, longName), SetText(kVarEditValueField, std::string(5000, '7')),
                  Click(kVarEditPrivateCheck), Click(IDOK)}),
            std::string(79, 'a'));
  EXPECT_EQ(value, std::string(4095, '7'));
  EXPECT_EQ(isPrivate, 0u);
  // Document mode: the private box is disabled and keeps the flag.
  globals().varTitlesValid = 1;
  isPrivate = 1;
  EXPECT_EQ(
      Edit(&value, &isPrivate, {Click(kVarEditPrivateCheck), SetText(kVarEditNameField, "V"), Click(IDOK)}),
      "V");
  EXPECT_EQ(isPrivate, 1u);
}

TEST_F(VariableDialogTest, VariableButtonReplacesTheValueFieldsSavedSelectionUndoably) {
  TitledPiece("Front", {"W"});
  uint32_t isPrivate = 0;
  std::string value = "1 + 2", inserted, undone;
  const int beeps = vmwin::BeepCount();
  Edit(&value, &isPrivate, {Click(kVarEditVariableButton), Click(IDOK)}, pickFrontW);
  EXPECT_EQ(value, "1 + 2");  // the field never had the focus
  EXPECT_EQ(vmwin::BeepCount(), beeps + 1);
  Edit(&value, &isPrivate,
       {SelectText(kVarEditValueField, 4, 5), Click(kVarEditVariableButton),
        Read(kVarEditValueField, &inserted),
        vmwin::Do([](HWND d) { SendDlgItemMessage(d, kVarEditValueField, EM_UNDO, 0, 0); }),
        Read(kVarEditValueField, &undone), Click(IDOK)},
       pickFrontW);
  EXPECT_EQ(inserted, "1 + Front:W");
  EXPECT_EQ(undone, "1 + 2");
  EXPECT_EQ(vmwin::BeepCount(), beeps + 1);
}

TEST_F(VariableDialogTest, PickGoesIntoAHandleDialogsFieldAtItsSavedSelection) {
  Handle(0, kHandleDistance, Free({0, 0}), Free({72, 0}), "(15) / %%DISTANCE%% * 100 * %%GR_COMPSCALE%%");
  vmwin::ScriptDialog(kDistanceDialogResource,
                      {SelectText(kAmountLengthField, 1, 2), Click(kAmountVariableButton), Click(IDOK)});
  vmwin::ScriptDialog(kVariableListDialogId, {PickItem(kVarListNames, 0), Click(IDOK)});
  InModuleCall([&] { ShowRevisionDialog(module, 0); });
  EXPECT_EQ(Amount(0), "(1W) / %%DISTANCE%% * 100 * %%GR_COMPSCALE%%");
}

}  // namespace
}  // namespace vmtest
