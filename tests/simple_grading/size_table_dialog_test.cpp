// The size table dialog: the grid and the basic size, and the named
// size-table files listed, loaded, saved, saved as and deleted from its combo.
#include <cstring>

#include "simple_grading_scene.h"

namespace vmtest {
namespace {

using vmwin::Do;
using vmwin::PickItem;
using vmwin::PickItemText;
using vmwin::SetText;

constexpr int kEnglishDialog = 17163;
constexpr int kFiles = 4;
constexpr int kBasic = 6;

class SizeTableDialogTest : public SimpleGradingScene {
 protected:
  void SetUp() override {
    SimpleGradingScene::SetUp();
    globals().language = 1;
    WriteSizeTable("Beta", "grading_size_table_01 = 90,1,2,3,4,5,6,7,8\r\n");
    WriteSizeTable("alpha", "grading_size_table_01 = 80,1,1,1,1,1,1,1,1\r\n");
    WriteSizeTable("gamma", "grading_size_table_01 = 70,2,2,2,2,2,2,2,2\r\n");
    WriteSizeTable("@hidden", "");
    WriteSizeTable("Untitled copy", "");
    std::filesystem::create_directories(SizeTablePath("folder"));
    std::strcpy(globals().sizeTableName, "Beta");
  }
  vmwin::UserAction Look(std::function<void(HWND)> look) { return Do(std::move(look)); }
  std::vector<std::string> Files(HWND dialog) { return ComboRows(dialog, kFiles); }
  // Field texts joined by "|", and enabled states as "1" and "0".
  static std::string Fields(HWND dialog, std::initializer_list<int> ids) {
    std::string out;
    for (int id : ids) out.append(out.empty() ? "" : "|").append(FieldText(dialog, id));
    return out;
  }
  static std::string Enabled(HWND dialog, std::initializer_list<int> ids) {
    std::string out;
    for (int id : ids) out += IsWindowEnabled(GetDlgItem(dialog, id)) ? "1" : "0";
    return out;
  }
};

TEST_F(SizeTableDialogTest, OpeningShowsTheTableHeldAndListsTheFolder) {
  globals().sizeTable[1].collarWidth = 0;
  std::strcpy(globals().presets[1].name, "");
  std::vector<std::string> files, basicRows;
  std::string fields, enabled;
  std::vector<int> selections;
  ShowDialog(kEnglishDialog, {Look([&](HWND d) {
               files = Files(d);
               basicRows = ComboRows(d, kBasic);
               selections = {ComboSelection(d, kFiles), ComboSelection(d, kBasic)};
               fields = Fields(d, {20, 30, 110, 21, 32, 23});
               enabled = Enabled(d, {21, 31, 41, 51});
             })});
  EXPECT_EQ(files, (std::vector<std::string>{"Untitled", "alpha", "Beta", "gamma", "-", "Save", "Save As...",
                                             "Delete"}));
  EXPECT_EQ(selections, (std::vector<int>{2, 2})) << "the file of the size-table name; the basic row";
  EXPECT_EQ(basicRows, (std::vector<std::string>{"S", "2", "L", "LL", "5", "6", "7", "8", "9", "10"}));
  EXPECT_EQ(fields, "S|2|10|90.5||780") << "the table held, not the file's; exactly 0 shows empty";
  EXPECT_EQ(enabled, "1101");

  std::strcpy(globals().sizeTableName, "beta");  // names match with case
  ShowDialog(kEnglishDialog, {Look([&](HWND d) { selections = {ComboSelection(d, kFiles)}; })});
  EXPECT_EQ(selections, std::vector<int>{0});
  EXPECT_STREQ(globals().sizeTableName, "Untitled");
}

TEST_F(SizeTableDialogTest, ChoosingAFileLoadsItAndSaveWritesTheGridBack) {
  std::vector<int> selections;
  auto selection = [&] { return Look([&](HWND d) { selections.push_back(ComboSelection(d, kFiles)); }); };
  std::string pitch0;
  ShowDialog(kEnglishDialog, {PickItemText(kFiles, "gamma"), Look([&](HWND d) { pitch0 = FieldText(d, 21); }),
                              SetText(21, "91.5"), PickItemText(kFiles, "Save"), selection(),
                              PickItemText(kFiles, "-"), selection()});
  EXPECT_EQ(pitch0, "70");
  EXPECT_EQ(selections, (std::vector<int>{3, 3}));
  const std::string saved = ReadHostFile(SizeTablePath("gamma"));
  EXPECT_NE(saved.find("grading_size_table_01 = 91.5,2,2,2,2,2,2,2,2\r\n"), std::string::npos);
  EXPECT_NE(saved.find("grading_size_table_03 = 100,420,"), std::string::npos);
}

TEST_F(SizeTableDialogTest, SaveAndDeleteAreGreyAndDoNothingWhileUntitled) {
  std::vector<int> selections;
  auto selection = [&] { return Look([&](HWND d) { selections.push_back(ComboSelection(d, kFiles)); }); };
  std::vector<vmwin::DrawRecord> drawn;
  char small[6] = "xxxxx";
  ShowDialog(kEnglishDialog,
             {PickItemText(kFiles, "Untitled"), PickItemText(kFiles, "Save"), selection(), Look([&](HWND d) {
                drawn = vmwin::DrawingOf(GetDlgItem(d, kFiles));
                GetSizeTableComboText(GetDlgItem(d, kFiles), 7, small, sizeof small);
              }),
              PickItemText(kFiles, "Delete"), selection(), vmwin::Click(IDOK)});
  EXPECT_EQ(selections, (std::vector<int>{0, 0}));
  EXPECT_STREQ(globals().sizeTableName, "Untitled");
  EXPECT_EQ(vmwin::ShownMessageBoxes().size(), 0u);
  EXPECT_FALSE(SizeTableExists("Untitled"));
  EXPECT_STREQ(small, "") << "\"Delete\" does not fit: nothing is copied";
  std::string texts;  // the rows' texts, "*" after a grey one; "=" for a line
  for (const vmwin::DrawRecord& r : drawn) {
    if (r.op == vmwin::DrawRecord::Op::Text)
      texts += " " + r.text + (r.textColor == RGB(127, 127, 127) ? "*" : "");
    if (r.op == vmwin::DrawRecord::Op::Line && r.penColor == RGB(127, 127, 127)) texts += " =";
  }
  EXPECT_NE(texts.find(" Untitled alpha Beta gamma = Save* Save As... Delete*"), std::string::npos) << texts;
}

TEST_F(SizeTableDialogTest, AnotherBasicSizeTakesPitch100AndFreesTheOldRow) {
  globals().sizeTable[2].pitch = 101;
  std::string fields, enabled;
  EXPECT_EQ(
      ShowDialog(kEnglishDialog, {PickItem(kBasic, 3), Look([&](HWND d) {
                                    fields = Fields(d, {41, 51});
                                    enabled = Enabled(d, {41, 51});
                                  }),
                                  SetText(41, "99"), SetText(51, "50"), SetText(22, ""), vmwin::Click(IDOK)}),
      IDOK);
  EXPECT_EQ(fields, "101|100");
  EXPECT_EQ(enabled, "10");
  EXPECT_EQ(globals().simpleGrading.grading_basic_size, 3);
  EXPECT_EQ(globals().sizeTable[3].pitch, 100) << "the basic row's cell cannot be typed into";
  EXPECT_EQ(globals().sizeTable[2].pitch, 99);
  EXPECT_EQ(globals().sizeTable[0].collarWidth, 0) << "an emptied cell";
}

TEST_F(SizeTableDialogTest, SaveAsProposesAFreeNameAndAddsTheNewFile) {
  WriteSizeTable("Custom-1", "");
  vmwin::ScriptDialog(kEnglishDialog, {PickItemText(kFiles, "Save As..."), Look([&](HWND d) {
                                         EXPECT_EQ(Files(d)[5], "Ladies") << "after the files";
                                         EXPECT_EQ(ComboSelection(d, kFiles), 5);
                                       }),
                                       vmwin::Click(IDOK)});
  std::string proposed;
  vmwin::ScriptDialog(
      17061, {Look([&](HWND d) { proposed = FieldText(d, 3); }), SetText(3, "Ladies"), vmwin::Click(IDOK)});
  EXPECT_EQ(RunDialog(kEnglishDialog), IDOK);
  EXPECT_EQ(proposed, "Custom-2");
  EXPECT_STREQ(globals().sizeTableName, "Ladies");
  EXPECT_NE(ReadHostFile(SizeTablePath("Ladies")).find("grading_size_table_03 = 100,"), std::string::npos);
  EXPECT_EQ(vmwin::ScriptStepsLeft(), 0u);
}

TEST_F(SizeTableDialogTest, SaveAsOverAnExistingFileAsksFirst) {
  const std::string alpha = ReadHostFile(SizeTablePath("alpha"));
  std::vector<int> current;
  for (int answer : {IDCANCEL, IDOK}) {
    vmwin::ScriptDialog(kEnglishDialog, {PickItemText(kFiles, "Save As..."), Look([&](HWND d) {
                                           current.push_back(ComboSelection(d, kFiles));
                                         })});
    vmwin::ScriptDialog(17061, {SetText(3, "alpha"), vmwin::Click(IDOK)});
    vmwin::ScriptMessageBox(answer);
    RunDialog(kEnglishDialog);
    EXPECT_EQ(ReadHostFile(SizeTablePath("alpha")) == alpha, answer == IDCANCEL) << "written only on OK";
  }
  ASSERT_EQ(vmwin::ShownMessageBoxes().size(), 2u);
  EXPECT_EQ(vmwin::ShownMessageBoxes()[0].text,
            "The file already exists. \rDo you want the 'alpha' file to overwrite?");
  EXPECT_EQ(vmwin::ShownMessageBoxes()[0].type, MB_OKCANCEL | MB_ICONQUESTION);
  EXPECT_EQ(current, (std::vector<int>{2, 1})) << "Beta kept, then the entry of the file written";
  EXPECT_STREQ(globals().sizeTableName, "alpha");
}

TEST_F(SizeTableDialogTest, AFailedSaveAsSaysSoAndKeepsTheName) {
  vmwin::ScriptDialog(kEnglishDialog, {PickItemText(kFiles, "Save As...")});
  vmwin::ScriptDialog(17061, {SetText(3, "bad\\name"), vmwin::Click(IDOK)});
  vmwin::ScriptMessageBox(IDOK);
  const int beeps = vmwin::BeepCount();
  RunDialog(kEnglishDialog);
  ASSERT_EQ(vmwin::ShownMessageBoxes().size(), 1u);
  EXPECT_EQ(vmwin::ShownMessageBoxes()[0].text,
            "Create 'bad\\name' File is Failed.\rDestination file already exists or filename is invalid.");
  EXPECT_EQ(vmwin::ShownMessageBoxes()[0].type, MB_OK | MB_ICONINFORMATION);
  EXPECT_EQ(vmwin::BeepCount(), beeps + 1);
  EXPECT_STREQ(globals().sizeTableName, "Beta");
}

TEST_F(SizeTableDialogTest, DeletingTheLastFileMovesToTheOneAbove) {
  std::strcpy(globals().sizeTableName, "gamma");
  std::vector<std::string> files;
  std::string pitch0;
  vmwin::ScriptDialog(kEnglishDialog, {PickItemText(kFiles, "Delete"), Look([&](HWND d) {
                                         files = Files(d);
                                         pitch0 = FieldText(d, 21);
                                       })});
  vmwin::ScriptMessageBox(IDOK);
  RunDialog(kEnglishDialog);
  EXPECT_EQ(vmwin::ShownMessageBoxes().back().text, "Do you want to completely remove the file \"gamma\"?");
  EXPECT_FALSE(SizeTableExists("gamma"));
  EXPECT_EQ(files,
            (std::vector<std::string>{"Untitled", "alpha", "Beta", "-", "Save", "Save As...", "Delete"}));
  EXPECT_STREQ(globals().sizeTableName, "Beta");
  EXPECT_EQ(pitch0, "90") << "the entry above is loaded";

  std::filesystem::remove(SizeTablePath("alpha"));
  vmwin::ScriptDialog(kEnglishDialog,
                      {PickItemText(kFiles, "Delete"), Look([&](HWND d) { files = Files(d); })});
  vmwin::ScriptMessageBox(IDOK);
  RunDialog(kEnglishDialog);
  EXPECT_EQ(files, (std::vector<std::string>{"Untitled", "-", "Save", "Save As...", "Delete"}));
  EXPECT_STREQ(globals().sizeTableName, "Untitled");
}

// A file saved as "@mine" or "x.ini" would never be listed again (or be
// listed under another name): such names are refused as a failed save.
TEST_F(SizeTableDialogTest, SaveAsRefusesANameTheListWouldNotShowAgain) {
  for (const char* name : {"@hidden", "x.ini", "Untitled 2"}) {
    SCOPED_TRACE(name);
    vmwin::ClearScript();
    const size_t boxes = vmwin::ShownMessageBoxes().size();
    std::vector<std::string> files;
    int selection = -1;
    vmwin::ScriptDialog(kEnglishDialog, {PickItemText(kFiles, "Save As..."), Look([&](HWND d) {
                                           files = Files(d);
                                           selection = ComboSelection(d, kFiles);
                                         })});
    vmwin::ScriptDialog(17061, {SetText(3, name), vmwin::Click(IDOK)});
    vmwin::ScriptMessageBox(IDOK);
    RunDialog(kEnglishDialog);
    ASSERT_EQ(vmwin::ShownMessageBoxes().size(), boxes + 1) << "no question of overwriting";
    EXPECT_EQ(vmwin::ShownMessageBoxes().back().text, "Create '" + std::string(name) +
                                                          "' File is Failed.\rDestination file already "
                                                          "exists or filename is invalid.");
    EXPECT_STREQ(globals().sizeTableName, "Beta");
    EXPECT_EQ(selection, 2);
    EXPECT_EQ(files, (std::vector<std::string>{"Untitled", "alpha", "Beta", "gamma", "-", "Save",
                                               "Save As...", "Delete"}));
  }
  EXPECT_EQ(ReadHostFile(SizeTablePath("@hidden")), "") << "never written over";
  EXPECT_FALSE(SizeTableExists("x.ini"));
  EXPECT_FALSE(SizeTableExists("Untitled 2"));
}

TEST_F(SizeTableDialogTest, ADeleteThatFailsSaysSoAndKeepsTheEntry) {
  std::strcpy(globals().sizeTableName, "gamma");
  globals().sizeTable[0].pitch = 91;
  std::vector<std::string> files;
  std::string pitch0;
  int selection = -1;
  // The file goes behind the dialog's back.
  vmwin::ScriptDialog(kEnglishDialog,
                      {Look([&](HWND) { std::filesystem::remove(SizeTablePath("gamma")); }),
                       PickItemText(kFiles, "Delete"), Look([&](HWND d) {
                         files = Files(d);
                         selection = ComboSelection(d, kFiles);
                         pitch0 = FieldText(d, 21);
                       })});
  vmwin::ScriptMessageBox(IDOK);
  const int beeps = vmwin::BeepCount();
  RunDialog(kEnglishDialog);
  EXPECT_EQ(vmwin::BeepCount(), beeps + 1);
  EXPECT_EQ(files, (std::vector<std::string>{"Untitled", "alpha", "Beta", "gamma", "-", "Save", "Save As...",
                                             "Delete"}));
  EXPECT_EQ(selection, 3);
  EXPECT_STREQ(globals().sizeTableName, "gamma");
  EXPECT_EQ(pitch0, "91") << "nothing else is loaded";
}

}  // namespace
}  // namespace vmtest
