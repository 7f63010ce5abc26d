// A small settings dialog of the tests' own, driven by the scripted user.
#include <cstdio>
#include <string>
#include <vector>

#include "support/win_fixture.h"
#include "support/win_temp_folders.h"

namespace {

using namespace vmwin;

constexpr int kSettingsDialog = 16900;
constexpr int kNameDialog = 16901;
constexpr UINT kSaveMessage = 2025;

const DialogItemTemplate kSettingsItems[] = {
    {4, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 10, 10, 80, 20},
    {5, "EDIT", "", WS_TABSTOP | ES_AUTOHSCROLL, 10, 40, 80, 20},
    {11, "BUTTON", "Aspect ratio fixation", BS_AUTOCHECKBOX | WS_TABSTOP, 10, 70, 120, 20},
    {22, "BUTTON", "Proportional balance", BS_AUTO3STATE | WS_TABSTOP, 10, 100, 120, 20},
    {24, "COMBOBOX", "", CBS_DROPDOWNLIST | WS_TABSTOP, 10, 130, 80, 100},
    {13, "BUTTON", "Variable...", BS_PUSHBUTTON | WS_TABSTOP, 100, 10, 80, 20},
    {1, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 100, 160, 60, 24},
    {2, "BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 170, 160, 60, 24},
};
const DialogTemplate kSettings{"Basic settings", WS_CAPTION, 260, 200, kSettingsItems, 8};

const DialogItemTemplate kNameItems[] = {
    {3, "EDIT", "", WS_TABSTOP, 10, 10, 150, 20},
    {1, "BUTTON", "OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 40, 60, 24},
    {2, "BUTTON", "Cancel", BS_PUSHBUTTON | WS_TABSTOP, 80, 40, 60, 24},
};
const DialogTemplate kName{"Save File As", WS_CAPTION, 180, 80, kNameItems, 3};

// What the dialog procedure saw and read.
struct Seen {
  std::vector<std::string> log;
  std::string amount;
  int lock = -1;
  int balance = -1;
  int unit = -1;
  HWND savedField = nullptr;
  DWORD selStart = 0, selEnd = 0;
} seen;

INT_PTR SettingsProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    seen.log.push_back("init");
    SetDlgItemText(dialog, 4, "100.0");
    for (const char* unit : {"mm", "cm", "in"})
      SendDlgItemMessage(dialog, 24, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(unit));
    SendDlgItemMessage(dialog, 24, CB_SETCURSEL, 0, 0);
    CheckDlgButton(dialog, 22, BST_INDETERMINATE);
    return TRUE;
  }
  if (message == kSaveMessage) {
    seen.log.push_back("save");
    return TRUE;
  }
  if (message != WM_COMMAND) return FALSE;
  const int id = LOWORD(wParam);
  const int code = HIWORD(wParam);
  seen.log.push_back(std::to_string(id) + ":" + std::to_string(code));
  if (id == 4 && code == EN_KILLFOCUS) {
    seen.savedField = GetDlgItem(dialog, 4);
    SendMessage(seen.savedField, EM_GETSEL, reinterpret_cast<WPARAM>(&seen.selStart),
                reinterpret_cast<LPARAM>(&seen.selEnd));
  }
  if (id == 13 && code == BN_CLICKED) {
    if (seen.savedField == nullptr) {
      MessageBeep(0);
    } else {
      SetFocus(seen.savedField);
      SendMessage(seen.savedField, EM_SETSEL, seen.selStart, seen.selEnd);
      SendMessage(seen.savedField, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("@GD"));
    }
  }
  if (id == 24 && code == CBN_SELCHANGE) PostMessage(dialog, kSaveMessage, 0, 0);
  if (id == IDOK) {
    char text[81];
    GetDlgItemText(dialog, 4, text, sizeof text);
    seen.amount = text;
    seen.lock = static_cast<int>(IsDlgButtonChecked(dialog, 11));
    seen.balance = static_cast<int>(IsDlgButtonChecked(dialog, 22));
    seen.unit = static_cast<int>(SendDlgItemMessage(dialog, 24, CB_GETCURSEL, 0, 0));
    EndDialog(dialog, 1);
  }
  if (id == IDCANCEL) EndDialog(dialog, 2);
  return TRUE;
}

std::string nameTransfer;

INT_PTR NameProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
  if (message == WM_INITDIALOG) {
    SetDlgItemText(dialog, 3, "Custom-1");
    return TRUE;
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDOK) {
    char text[80];
    GetDlgItemText(dialog, 3, text, sizeof text);
    nameTransfer = text;
    EndDialog(dialog, 1);
  }
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) EndDialog(dialog, 2);
  return message == WM_COMMAND;
}

// A procedure that ignores every command.
INT_PTR StubbornProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

class DialogTest : public WinLayerTest {
 protected:
  void SetUp() override {
    WinLayerTest::SetUp();
    seen = Seen{};
    nameTransfer.clear();
    RegisterTestResource(RT_DIALOG, kSettingsDialog, &kSettings);
    RegisterTestResource(RT_DIALOG, kNameDialog, &kName);
    owner = CreateHostMainWindow("Host", 800, 600);
  }
  INT_PTR Run(int id = kSettingsDialog, DLGPROC proc = SettingsProc) {
    return DialogBoxParam(TestInstance(), MAKEINTRESOURCE(id), owner, proc, 0);
  }
  size_t IndexOf(const std::string& entry) const {
    for (size_t i = 0; i < seen.log.size(); ++i)
      if (seen.log[i] == entry) return i;
    return std::string::npos;
  }
  HWND owner = nullptr;
};

TEST_F(DialogTest, FieldsAreReadBackWhenTheUserPressesOk) {
  ScriptDialog(kSettingsDialog,
               {SetText(4, "15"), Check(11, BST_CHECKED), PickItemText(24, "cm"), Click(IDOK)});
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(seen.amount, "15");
  EXPECT_EQ(seen.lock, 1);
  EXPECT_EQ(seen.unit, 1);
  EXPECT_EQ(seen.balance, 2);
  // The message the procedure posted to itself reached it before OK.
  ASSERT_NE(IndexOf("save"), std::string::npos);
  EXPECT_LT(IndexOf("save"), IndexOf("1:0"));
  ASSERT_EQ(ShownDialogs().size(), 1u);
  EXPECT_TRUE(ShownDialogs()[0].scripted);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_TRUE(OpenDialogs().empty());
}

TEST_F(DialogTest, WithoutAScriptTheDialogIsCancelled) {
  EXPECT_EQ(Run(), 2);
  EXPECT_NE(IndexOf("2:0"), std::string::npos);
  EXPECT_EQ(seen.amount, "");
  ASSERT_EQ(ShownDialogs().size(), 1u);
  EXPECT_FALSE(ShownDialogs()[0].scripted);
}

TEST_F(DialogTest, AStepForAnotherDialogIsLeftForIt) {
  ScriptDialog(kNameDialog, {Click(IDOK)});
  EXPECT_EQ(Run(), 2);
  EXPECT_EQ(ScriptStepsLeft(), 1u);
  EXPECT_EQ(Run(kNameDialog, NameProc), 1);
  EXPECT_EQ(ScriptStepsLeft(), 0u);
}

TEST_F(DialogTest, AClickSendsTheEditsKillFocusFirstButEnterDoesNot) {
  ScriptDialog(kSettingsDialog, {SetText(4, "7"), Click(IDOK)});
  Run();
  const size_t kill = IndexOf("4:512");
  ASSERT_NE(kill, std::string::npos);
  EXPECT_LT(kill, IndexOf("1:0"));

  seen = Seen{};
  ScriptDialog(kSettingsDialog, {SetText(4, "7"), PressEnter()});
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(seen.amount, "7");
  EXPECT_EQ(IndexOf("4:512"), std::string::npos);
}

TEST_F(DialogTest, VariableButtonReplacesTheSavedSelectionAsAnUndoableEdit) {
  std::string afterInsert, afterUndo;
  BOOL couldUndo = FALSE;
  ScriptDialog(kSettingsDialog, {SetText(4, "abcdef"), SelectText(4, 2, 4), Click(13), Do([&](HWND d) {
                                   char text[81];
                                   GetDlgItemText(d, 4, text, sizeof text);
                                   afterInsert = text;
                                   couldUndo = static_cast<BOOL>(SendDlgItemMessage(d, 4, EM_CANUNDO, 0, 0));
                                   SendDlgItemMessage(d, 4, EM_UNDO, 0, 0);
                                   GetDlgItemText(d, 4, text, sizeof text);
                                   afterUndo = text;
                                 }),
                                 PressEscape()});
  Run();
  EXPECT_EQ(afterInsert, "ab@GDef");
  EXPECT_TRUE(couldUndo);
  EXPECT_EQ(afterUndo, "abcdef");
  EXPECT_EQ(BeepCount(), 0);
}

TEST_F(DialogTest, TheFirstFieldHasTheFocusWhenTheDialogOpens) {
  HWND focused = nullptr;
  ScriptDialog(kSettingsDialog, {Do([&](HWND d) { focused = GetFocus() == GetDlgItem(d, 4) ? d : nullptr; }),
                                 Click(13), Click(IDOK)});
  Run();
  EXPECT_NE(focused, nullptr);
  // So "Variable..." finds the field it left, with the caret at its start.
  EXPECT_EQ(seen.amount, "@GD100.0");
  EXPECT_EQ(BeepCount(), 0);
}

TEST_F(DialogTest, NestedDialogsAndMessageBoxesTakeTheirOwnSteps) {
  INT_PTR nested = 0;
  int answer = 0;
  int unscripted = 0;
  ScriptDialog(kSettingsDialog,
               {Do([&](HWND d) {
                  nested = DialogBoxParam(TestInstance(), MAKEINTRESOURCE(kNameDialog), d, NameProc, 0);
                  answer = MessageBox(d, "The file already exists.", "", MB_OKCANCEL | MB_ICONQUESTION);
                  unscripted = MessageBox(d, "Remove?", "", MB_OKCANCEL);
                }),
                Click(IDOK)});
  ScriptDialog(kNameDialog, {SetText(3, "Custom-2"), Click(IDOK)});
  ScriptMessageBox(IDOK);
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(nested, 1);
  EXPECT_EQ(nameTransfer, "Custom-2");
  EXPECT_EQ(answer, IDOK);
  EXPECT_EQ(unscripted, IDCANCEL);
  ASSERT_EQ(ShownMessageBoxes().size(), 2u);
  EXPECT_EQ(ShownMessageBoxes()[0].text, "The file already exists.");
  EXPECT_EQ(ShownMessageBoxes()[0].type, MB_OKCANCEL | MB_ICONQUESTION);
  ASSERT_EQ(ShownDialogs().size(), 2u);
  EXPECT_EQ(ShownDialogs()[0].templateId, kNameDialog);
  EXPECT_EQ(ShownDialogs()[1].templateId, kSettingsDialog);
}

TEST_F(DialogTest, DisabledControlsCannotBeUsed) {
  ScriptDialog(kSettingsDialog,
               {Do([](HWND d) { EnableWindow(GetDlgItem(d, 4), FALSE); }), SetText(4, "9"), PressEnter()});
  Run();
  EXPECT_EQ(seen.amount, "100.0");
}

TEST_F(DialogTest, AProcedureThatNeverEndsIsStillClosed) {
  RegisterTestResource(RT_DIALOG, 16902, &kName);
  EXPECT_EQ(Run(16902, StubbornProc), IDCANCEL);
  EXPECT_TRUE(OpenDialogs().empty());
}

TEST_F(DialogTest, AMissingTemplateFails) {
  EXPECT_EQ(Run(17900), -1);
  EXPECT_EQ(GetLastError(), ERROR_RESOURCE_NOT_FOUND);
  EXPECT_TRUE(ShownDialogs().empty());
}

TEST_F(DialogTest, StringsAreCutToTheBufferWithoutSplittingACharacter) {
  // Forty double-byte characters ("あ" each) do not fit 62 bytes.
  std::string longText;
  for (int i = 0; i < 40; ++i) longText += "\x82\xA0";
  static std::string kept;
  kept = longText;
  static const StringTableEntry entries[] = {
      {16071, "\x83\x6E\x83\x93\x83\x68\x83\x8B\x82\xCC\x8A\x70\x93\x78"}, {16072, nullptr}};
  static StringTableEntry withLong[2];
  withLong[0] = entries[0];
  withLong[1] = {16072, kept.c_str()};
  static const StringTable table{withLong, 2};
  RegisterTestResource(RT_STRING, 16000, &table);
  char buffer[62];
  EXPECT_EQ(LoadString(TestInstance(), 16071, buffer, sizeof buffer), 14);
  EXPECT_STREQ(buffer, "\x83\x6E\x83\x93\x83\x68\x83\x8B\x82\xCC\x8A\x70\x93\x78");  // "ハンドルの角度"
  EXPECT_EQ(LoadString(TestInstance(), 16072, buffer, sizeof buffer), 60);
  EXPECT_EQ(LoadString(TestInstance(), 16099, buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "");
}

TEST_F(DialogTest, OpenFileDialogAnswersFromTheScript) {
  TempUserFolders user;
  WriteHostFile(user.documents() + "/sizes.csv", "a,b\n");
  const std::string existing = user.documentsWindowsPath() + "\\sizes.csv";
  char file[260] = "";
  OPENFILENAME ofn{};
  ofn.lStructSize = sizeof ofn;
  ofn.lpstrFilter = "CSV\0*.csv\0";
  ofn.lpstrFile = file;
  ofn.nMaxFile = sizeof file;
  ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;

  EXPECT_FALSE(GetOpenFileName(&ofn));  // nobody answers: cancelled
  ScriptOpenFile(user.documentsWindowsPath() + "\\missing.csv");
  EXPECT_FALSE(GetOpenFileName(&ofn));
  ScriptOpenFile(existing);
  ASSERT_TRUE(GetOpenFileName(&ofn));
  EXPECT_EQ(std::string(file), existing);
  EXPECT_STREQ(file + ofn.nFileOffset, "sizes.csv");
  EXPECT_STREQ(file + ofn.nFileExtension, "csv");

  char tiny[8];
  ofn.lpstrFile = tiny;
  ofn.nMaxFile = sizeof tiny;
  ScriptOpenFile(existing);
  EXPECT_FALSE(GetOpenFileName(&ofn));
  EXPECT_EQ(CommDlgExtendedError(), FNERR_BUFFERTOOSMALL);
}

TEST_F(DialogTest, ASessionScriptDrivesTheDialogLikeATest) {
  std::string error;
  ASSERT_TRUE(ScriptFromText(R"(# basic settings
dialog 16900
set 4 "角度 15"
check 11 1
pick-text 24 cm
click 1
message-box ok
)",
                             &error))
      << error;
  EXPECT_EQ(Run(), 1);
  EXPECT_EQ(seen.amount, "\x8A\x70\x93\x78 15");  // Shift-JIS in the field
  EXPECT_EQ(seen.lock, 1);
  EXPECT_EQ(seen.unit, 1);
  EXPECT_EQ(MessageBox(nullptr, "?", "", MB_OKCANCEL), IDOK);

  struct {
    const char* text;
    const char* error;
  } bad[] = {
      {"click 1", "line 1: \"click\" outside a dialog"},
      {"dialog 5\nset 4 \"open", "line 2: unclosed quote"},
      {"dialog 5\ndrag 3 1", "line 2: drag needs a control and two numbers"},
      {"message-box maybe", "line 1: message-box needs an answer"},
      {"dialog 5\nwave", "line 2: unknown step \"wave\""},
  };
  for (const auto& b : bad) {
    ClearScript();
    EXPECT_FALSE(ScriptFromText(b.text, &error)) << b.text;
    EXPECT_EQ(error, b.error);
  }
}

}  // namespace
