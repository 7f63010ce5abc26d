// The variable edit dialog as the user sees it, and a pick from the variable
// list inserted into an expression field at its saved selection.
#include "panels/vardialog_scene.h"
#include "resources/handle_dialog_resource_ids.h"

namespace vmtest {
namespace {

using vmwin::Check;
using vmwin::Click;
using vmwin::Focus;
using vmwin::PickItem;
using vmwin::SelectText;
using vmwin::SetText;

class VariableEditTest : public VarDialogScene {
 protected:
  struct Edited {
    intptr_t result;
    std::string name, value;
    uint32_t isPrivate;
  };
  // The edit dialog opened on a variable, then the list's steps when one opens.
  Edited Edit(const char* name, const std::string& value, uint32_t isPrivate,
              std::vector<vmwin::UserAction> steps, std::vector<vmwin::UserAction> listSteps = {}) {
    vmwin::ScriptDialog(kVariableEditDialogId, std::move(steps));
    if (!listSteps.empty()) vmwin::ScriptDialog(kVariableListDialogId, std::move(listSteps));
    static char n[kNameSize], v[kVarValueSize];
    std::strcpy(n, name);
    std::strcpy(v, value.c_str());
    Edited e{0, "", "", isPrivate};
    InModuleCall([&] { e.result = ShowVariableDialog(module, n, v, &e.isPrivate); });
    e.name = n;
    e.value = v;
    return e;
  }
};

TEST_F(VariableEditTest, FieldsShowTheVariableAndOkGivesThemBackCut) {
  // 79 characters and a double-byte one across the 80th: the name keeps 79.
  const std::string longName = std::string(79, 'a') + "\225\317";
  const struct {
    int16_t mode;
    std::vector<vmwin::UserAction> steps;
    Edited expected;
  } cases[] = {
      {0, {Click(IDOK)}, {IDOK, "W", "10 + 2", 1}},
      {0,
       {SetText(kVarEditNameField, longName), SetText(kVarEditValueField, std::string(5000, '7')),
        Check(kVarEditPrivateCheck, BST_UNCHECKED), Click(IDOK)},
       {IDOK, std::string(79, 'a'), std::string(4095, '7'), 0}},
      // In document mode the box is disabled and keeps the flag.
      {1,
       {Click(kVarEditPrivateCheck), SetText(kVarEditNameField, "V"), Click(IDOK)},
       {IDOK, "V", "10 + 2", 1}},
      {0, {SetText(kVarEditNameField, "X"), Click(IDCANCEL)}, {IDCANCEL, "W", "10 + 2", 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected.name.size());
    globals().varTitlesValid = c.mode;
    std::string shownName, shownValue;
    UINT shownCheck = 9;
    std::vector<vmwin::UserAction> steps = {Read(kVarEditNameField, &shownName),
                                            Read(kVarEditValueField, &shownValue),
                                            ReadCheck(kVarEditPrivateCheck, &shownCheck)};
    steps.insert(steps.end(), c.steps.begin(), c.steps.end());
    const Edited e = Edit("W", "10 + 2", 1, steps);
    EXPECT_EQ(shownName, "W");
    EXPECT_EQ(shownValue, "10 + 2");
    EXPECT_EQ(shownCheck, BST_CHECKED);
    EXPECT_EQ(e.result, c.expected.result);
    EXPECT_EQ(e.name, c.expected.name);
    EXPECT_EQ(e.value, c.expected.value);
    EXPECT_EQ(e.isPrivate, c.expected.isPrivate);
  }
}

TEST_F(VariableEditTest, VariableButtonInsertsThePickAtTheValueFieldsSelection) {
  TitledPiece("Front", {"W"});
  const auto pickFrontW = std::vector<vmwin::UserAction>{PickItem(kVarListSourceCombo, 3),
                                                         PickItem(kVarListNames, 0), Click(IDOK)};
  // Before the value field ever had the focus: a beep, and nothing inserted.
  int beeps = vmwin::BeepCount();
  Edited e = Edit("A", "1 + 2", 0, {Click(kVarEditVariableButton), Click(IDOK)}, pickFrontW);
  EXPECT_EQ(vmwin::BeepCount(), beeps + 1);
  EXPECT_EQ(e.value, "1 + 2");

  std::string undone;
  beeps = vmwin::BeepCount();
  e = Edit("A", "1 + 2", 0,
           {SelectText(kVarEditValueField, 4, 5), Click(kVarEditVariableButton), Click(IDOK)}, pickFrontW);
  EXPECT_EQ(e.value, "1 + Front:W");
  EXPECT_EQ(vmwin::BeepCount(), beeps);

  // The insertion is one step the field can undo; another control's focus
  // forgets the selection.
  e = Edit("A", "1 + 2", 0,
           {SelectText(kVarEditValueField, 0, 1), Click(kVarEditVariableButton),
            vmwin::Do([](HWND d) { SendDlgItemMessage(d, kVarEditValueField, EM_UNDO, 0, 0); }),
            Read(kVarEditValueField, &undone), Focus(kVarEditNameField), Focus(kVarEditPrivateCheck),
            Click(kVarEditVariableButton), Click(IDOK)},
           pickFrontW);
  EXPECT_EQ(undone, "1 + 2");
  EXPECT_EQ(vmwin::BeepCount(), beeps + 1);
}

TEST_F(VariableEditTest, PickGoesIntoAHandleDialogsFieldAtItsSavedSelection) {
  TitledPiece("Front", {"W"});
  SetVariable(0, "cuff", "3");
  Handle(0, kHandleDistance, Free({0, 0}), Free({72, 0}), "(15) / %%DISTANCE%% * 100 * %%GR_COMPSCALE%%");
  std::string length;
  vmwin::ScriptDialog(kDistanceDialogResource,
                      {SelectText(kAmountLengthField, 1, 2), Click(kAmountVariableButton),
                       Read(kAmountLengthField, &length), Click(IDOK)});
  vmwin::ScriptDialog(kVariableListDialogId, {PickItem(kVarListNames, 0), Click(IDOK)});
  int32_t result = 0;
  InModuleCall([&] { result = ShowRevisionDialog(module, 0); });
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(length, "1cuff");
  EXPECT_EQ(Amount(0), "(1cuff) / %%DISTANCE%% * 100 * %%GR_COMPSCALE%%");
}

}  // namespace
}  // namespace vmtest
