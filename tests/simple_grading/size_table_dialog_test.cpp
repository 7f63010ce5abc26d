// The size table dialog: the grid and the basic size, and the named
// size-table files listed, loaded, saved, saved as and deleted from its combo.
#include <cstring>
#include <map>

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
};

const std::vector<std::string> kListed = {"Untitled", "alpha", "Beta",       "gamma",
                                          "-",        "Save",  "Save As...", "Delete"};

TEST_F(SizeTableDialogTest, OpeningShowsTheTableHeldAndListsTheFolder) {
  globals().sizeTable[1].collarWidth = 0;
  std::strcpy(globals().presets[1].name, "");
  std::vector<std::string> files, basicRows, labels;
  int current = -1, basic = -1;
  std::string pitch0, collar1, sleeve0;
  std::vector<bool> pitchEnabled;
  EXPECT_EQ(ShowDialog(kEnglishDialog, {Look([&](HWND d) {
                         files = Files(d);
                         current = ComboSelection(d, kFiles);
                         basicRows = ComboRows(d, kBasic);
                         basic = ComboSelection(d, kBasic);
                         for (int row : {0, 1, 9}) labels.push_back(FieldText(d, 20 + 10 * row));
                         pitch0 = FieldText(d, 21);
                         collar1 = FieldText(d, 32);
                         sleeve0 = FieldText(d, 23);
                         for (int row = 0; row < 4; ++row)
                           pitchEnabled.push_back(IsWindowEnabled(GetDlgItem(d, 21 + 10 * row)));
                       })}),
            IDCANCEL);
  EXPECT_EQ(files, kListed);
  EXPECT_EQ(current, 2) << "the file of the size-table name";
  EXPECT_EQ(labels, (std::vector<std::string>{"S", "2", "10"}));
  EXPECT_EQ(basicRows.size(), 10u);
  EXPECT_EQ(basicRows[1], "2");
  EXPECT_EQ(basic, 2);
  EXPECT_EQ(pitch0, "90.5") << "the table held, not the file's";
  EXPECT_EQ(collar1, "") << "exactly 0 shows empty";
  EXPECT_EQ(sleeve0, "780");
  EXPECT_EQ(pitchEnabled, (std::vector<bool>{true, true, false, true}));
  EXPECT_EQ(vmwin::ShownMessageBoxes().size(), 0u);

  std::strcpy(globals().sizeTableName, "beta");  // names match with case
  ShowDialog(kEnglishDialog, {Look([&](HWND d) { current = ComboSelection(d, kFiles); })});
  EXPECT_EQ(current, 0);
  EXPECT_STREQ(globals().sizeTableName, "Untitled");
}

TEST_F(SizeTableDialogTest, ChoosingAFileLoadsItAndCommandsOnUntitledDoNothing) {
  std::string pitch0;
  std::vector<int> selections;
  auto selection = [&] { return Look([&](HWND d) { selections.push_back(ComboSelection(d, kFiles)); }); };
  EXPECT_EQ(
      ShowDialog(kEnglishDialog,
                 {PickItemText(kFiles, "gamma"), selection(),
                  Look([&](HWND d) { pitch0 = FieldText(d, 21); }), PickItemText(kFiles, "-"), selection(),
                  PickItemText(kFiles, "Untitled"), selection(), PickItemText(kFiles, "Save"), selection(),
                  PickItemText(kFiles, "Delete"), selection(), vmwin::Click(IDOK)}),
      IDOK);
  EXPECT_EQ(pitch0, "70");
  EXPECT_EQ(selections, (std::vector<int>{3, 3, 0, 0, 0}));
  EXPECT_STREQ(globals().sizeTableName, "Untitled");
  EXPECT_EQ(globals().sizeTable[0].pitch, 70) << "gamma's row, read back on OK";
  EXPECT_EQ(vmwin::ShownMessageBoxes().size(), 0u);
  EXPECT_FALSE(SizeTableExists("Untitled"));
}

TEST_F(SizeTableDialogTest, AnotherBasicSizeTakesPitch100AndFreesTheOldRow) {
  globals().sizeTable[2].pitch = 101;
  std::vector<std::string> texts;
  std::vector<bool> enabled;
  EXPECT_EQ(
      ShowDialog(kEnglishDialog, {PickItem(kBasic, 3), Look([&](HWND d) {
                                    texts = {FieldText(d, 41), FieldText(d, 51)};
                                    enabled = {IsWindowEnabled(GetDlgItem(d, 41)) != FALSE,
                                               IsWindowEnabled(GetDlgItem(d, 51)) != FALSE};
                                  }),
                                  SetText(41, "99"), SetText(51, "50"), SetText(22, ""), vmwin::Click(IDOK)}),
      IDOK);
  EXPECT_EQ(texts, (std::vector<std::string>{"101", "100"}));
  EXPECT_EQ(enabled, (std::vector<bool>{true, false}));
  EXPECT_EQ(globals().simpleGrading.grading_basic_size, 3);
  EXPECT_EQ(globals().sizeTable[3].pitch, 100) << "the basic row's cell cannot be typed into";
  EXPECT_EQ(globals().sizeTable[2].pitch, 99);
  EXPECT_EQ(globals().sizeTable[0].collarWidth, 0) << "an emptied cell";
}

TEST_F(SizeTableDialogTest, SaveWritesTheGridUnderTheCurrentName) {
  std::vector<int> selections;
  EXPECT_EQ(ShowDialog(kEnglishDialog, {SetText(21, "91.5"), PickItemText(kFiles, "Save"), Look([&](HWND d) {
                                          selections.push_back(ComboSelection(d, kFiles));
                                        }),
                                        vmwin::PressEscape()}),
            IDCANCEL);
  EXPECT_EQ(selections, (std::vector<int>{2}));
  const std::string saved = ReadHostFile(SizeTablePath("Beta"));
  EXPECT_NE(saved.find("grading_size_table_01 = 91.5,380,780,660,540,550,452,216,54\r\n"), std::string::npos);
  EXPECT_NE(saved.find("grading_size_table_10 = 0,0,0,0,0,0,0,0,0\r\n"), std::string::npos);
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
  for (int answer : {IDCANCEL, IDOK}) {
    int current = -1;
    vmwin::ScriptDialog(kEnglishDialog, {PickItemText(kFiles, "Save As..."),
                                         Look([&](HWND d) { current = ComboSelection(d, kFiles); })});
    vmwin::ScriptDialog(17061, {SetText(3, "alpha"), vmwin::Click(IDOK)});
    vmwin::ScriptMessageBox(answer);
    RunDialog(kEnglishDialog);
    ASSERT_FALSE(vmwin::ShownMessageBoxes().empty());
    EXPECT_EQ(vmwin::ShownMessageBoxes().back().text,
              "The file already exists. \rDo you want the 'alpha' file to overwrite?");
    EXPECT_EQ(vmwin::ShownMessageBoxes().back().type, MB_OKCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) {
      EXPECT_STREQ(globals().sizeTableName, "Beta");
      EXPECT_EQ(current, 2);
      EXPECT_EQ(ReadHostFile(SizeTablePath("alpha")), alpha) << "nothing written";
    } else {
      EXPECT_STREQ(globals().sizeTableName, "alpha");
      EXPECT_EQ(current, 1) << "the entry of the file written";
      EXPECT_NE(ReadHostFile(SizeTablePath("alpha")), alpha);
    }
  }
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

  globals().language = 0;
  vmwin::ScriptDialog(16163, {PickItem(kFiles, 6)});  // "別名で保存..."
  vmwin::ScriptDialog(16061, {SetText(3, "a:b"), vmwin::Click(IDOK)});
  vmwin::ScriptMessageBox(IDOK);
  RunDialog(16163);
  // "\"a:b\" ファイルを作成出来ませんでした。[-1]\r..."
  EXPECT_EQ(vmwin::ShownMessageBoxes().back().text.rfind("\"a:b\" \203t\203@\203C\203\213", 0), 0u);
  EXPECT_NE(vmwin::ShownMessageBoxes().back().text.find("[-1]\r"), std::string::npos);
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

  vmwin::ScriptDialog(kEnglishDialog, {PickItemText(kFiles, "Delete")});
  vmwin::ScriptMessageBox(IDCANCEL);
  RunDialog(kEnglishDialog);
  EXPECT_TRUE(SizeTableExists("Beta"));

  std::filesystem::remove(SizeTablePath("alpha"));
  vmwin::ScriptDialog(kEnglishDialog,
                      {PickItemText(kFiles, "Delete"), Look([&](HWND d) { files = Files(d); })});
  vmwin::ScriptMessageBox(IDOK);
  RunDialog(kEnglishDialog);
  EXPECT_EQ(files, (std::vector<std::string>{"Untitled", "-", "Save", "Save As...", "Delete"}));
  EXPECT_STREQ(globals().sizeTableName, "Untitled");
}

TEST_F(SizeTableDialogTest, SaveAndDeleteAreGreyWhileUntitled) {
  std::strcpy(globals().sizeTableName, "");
  std::vector<vmwin::DrawRecord> drawn;
  ShowDialog(kEnglishDialog, {PickItemText(kFiles, "-"),
                              Look([&](HWND d) { drawn = vmwin::DrawingOf(GetDlgItem(d, kFiles)); })});
  std::map<std::string, COLORREF> texts;
  int lines = 0;
  for (const vmwin::DrawRecord& r : drawn) {
    if (r.op == vmwin::DrawRecord::Op::Text) texts[r.text] = r.textColor;
    if (r.op == vmwin::DrawRecord::Op::Line) {
      ++lines;
      EXPECT_EQ(r.penColor, RGB(127, 127, 127));
      EXPECT_EQ(r.from.y, r.to.y);
    }
  }
  const COLORREF grey = RGB(127, 127, 127);
  EXPECT_EQ(texts, (std::map<std::string, COLORREF>{{"Untitled", 0},
                                                    {"alpha", 0},
                                                    {"Beta", 0},
                                                    {"gamma", 0},
                                                    {"Save", grey},
                                                    {"Save As...", 0},
                                                    {"Delete", grey}}));
  EXPECT_EQ(lines, 1);
}

TEST_F(SizeTableDialogTest, AComboRowLongerThanTheBufferIsNotCopied) {
  ShowDialog(kEnglishDialog, {Look([&](HWND d) {
               char small[6];
               std::memset(small, 'x', sizeof small);
               EXPECT_EQ(GetSizeTableComboText(GetDlgItem(d, kFiles), 7, small, sizeof small), 0)
                   << "\"Delete\"";
               EXPECT_STREQ(small, "");
               EXPECT_EQ(GetSizeTableComboText(GetDlgItem(d, kFiles), 1, small, sizeof small), 1);
               EXPECT_STREQ(small, "alpha");
             })});
}

}  // namespace
}  // namespace vmtest
