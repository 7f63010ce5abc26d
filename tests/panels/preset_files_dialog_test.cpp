// Preset files in the configuration dialog: the list of files, loading one
// into the working copy, saving, saving under a new name and deleting.
#include <filesystem>

#include "preset_dialog_scene.h"

namespace vmtest {
namespace {

using namespace vmwin;

constexpr int kConfigEnglish = kPresetConfigDialogResource + 1000;
constexpr int kSaveAsEnglish = kSaveFileAsDialogResource + 1000;
const std::vector<std::string> kCommands{"-", "Save", "Save As...", "Delete"};

std::vector<std::string> WithCommands(std::vector<std::string> files) {
  files.insert(files.end(), kCommands.begin(), kCommands.end());
  return files;
}

class PresetFilesDialogTest : public PresetDialogScene {
 protected:
  void SetUp() override {
    PresetDialogScene::SetUp();
    globals().language = kLanguageEnglish;
    SetPresets({{"S", 0, 1}, {"M", 1, 1}, {"L", 2, 1}});
    WritePresetFile("A",
                    "grading_preset_01 = \"XS\",1.1,1.05,1,5,1,0\r\n"
                    "grading_preset_02 = \"XL\",1.3,1.3,0,6,0,0\r\n");
    WritePresetFile("b", "grading_preset_01 = \"B1\",1,1,1,0,1,0\r\n");
  }
  // Queues the dialog's steps, keeping the combo box and the list as they were
  // after `actions`; the steps of dialogs it opens are queued after it.
  void Script(std::vector<UserAction> actions, UserAction end = Click(IDOK)) {
    actions.push_back(Do([this](HWND d) {
      combo = ComboTexts(d, kPresetFileCombo);
      current = ComboText(d, kPresetFileCombo);
      rows = ListRows(d);
    }));
    actions.push_back(end);
    ScriptDialog(kConfigEnglish, std::move(actions));
  }
  intptr_t Run(std::vector<UserAction> actions, UserAction end = Click(IDOK)) {
    Script(std::move(actions), std::move(end));
    return RunConfig();
  }
  std::vector<std::string> combo;
  std::string current;
  std::vector<std::string> rows;
};

TEST_F(PresetFilesDialogTest, ListsPresetFilesSortedAndSkipsHiddenUntitledAndFolders) {
  WritePresetFile("@hidden", "");
  WritePresetFile("Untitled-old", "");
  WritePresetFile("", "");
  WriteHostFile((PresetFolder() / "notes.txt").string(), "");
  std::filesystem::create_directories(PresetFolder() / "dir.ini");
  WritePresetFile(std::string(80, 'x'), "");  // too long to be chosen
  EXPECT_EQ(Run({}, Click(IDCANCEL)), IDCANCEL);
  EXPECT_EQ(combo, WithCommands({"Untitled", "A", "b"}));
  EXPECT_EQ(current, "Untitled");
  EXPECT_STREQ(globals().presetFileName, "");  // a cancelled dialog keeps the name it found
}

TEST_F(PresetFilesDialogTest, ChosenFileFillsTheListAndOnlyOkTakesItsPresetsScalesAndName) {
  for (const int button : {IDCANCEL, IDOK}) {
    SetPresets({{"S", 0, 1}, {"M", 1, 1}, {"L", 2, 1}});
    globals().presetScale[5] = {2.0, 2.0};
    EXPECT_EQ(Run({PickItemText(kPresetFileCombo, "A")}, Click(button)), button);
    EXPECT_EQ(rows, (std::vector<std::string>{"XS/5/1", "XL/6/0"}));
    const bool ok = button == IDOK;
    EXPECT_EQ(Presets(), ok ? rows : (std::vector<std::string>{"S/0/1", "M/1/1", "L/2/1"}));
    EXPECT_EQ(globals().presetScale[5].h, ok ? 1.1 : 2.0);
    EXPECT_EQ(globals().presetScale[5].v, ok ? 1.05 : 2.0);
    EXPECT_STREQ(globals().presetFileName, ok ? "A" : "");
  }
}

TEST_F(PresetFilesDialogTest, SaveAsProposesAFreeNameAndWritesTheListInItsOrder) {
  WritePresetFile("Custom-1", "");
  std::string proposed;
  Script({DragItem(kPresetList, 2, 0), PickItemText(kPresetFileCombo, "Save As...")});
  ScriptDialog(kSaveAsEnglish,
               {Do([&](HWND d) { proposed = ComboText(d, kSaveFileAsNameEdit); }), PressEnter()});
  EXPECT_EQ(RunConfig(), IDOK);
  EXPECT_EQ(proposed, "Custom-2");
  EXPECT_EQ(ReadPresetFile("Custom-2"),
            "grading_preset_01 = \"L\",1.2,1.2,1,2,1,0\r\n"
            "grading_preset_02 = \"S\",1.2,1.2,1,0,1,0\r\n"
            "grading_preset_03 = \"M\",1.2,1.2,1,1,1,0\r\n");
  EXPECT_EQ(combo, WithCommands({"Untitled", "A", "b", "Custom-1", "Custom-2"}));
  EXPECT_EQ(current, "Custom-2");
  EXPECT_STREQ(globals().presetFileName, "Custom-2");
  const std::string main = ReadHostFile((PresetFolder().parent_path() / "Vestamark.ini").string());
  EXPECT_NE(main.find("grading_prefspath = \"Custom-2\"\r\n"), std::string::npos);
}

TEST_F(PresetFilesDialogTest, SaveAsOverAnExistingFileAsksFirst) {
  const std::string before = ReadPresetFile("b");
  for (int answer : {0, 1}) {
    vmhost::ClearRecordings();
    vmhost::QueueAlertAnswer(answer);
    Script({PickItemText(kPresetFileCombo, "Save As...")}, Click(IDCANCEL));
    ScriptDialog(kSaveAsEnglish, {SetText(kSaveFileAsNameEdit, "b"), PressEnter()});
    RunConfig();
    EXPECT_EQ(
        AlertTexts(),
        (std::vector<std::string>{"The file already exists. \rDo you want the 'b' file to overwrite?"}));
    EXPECT_EQ(current, answer ? "b" : "Untitled");
    EXPECT_EQ(combo, WithCommands({"Untitled", "A", "b"}));
    EXPECT_EQ(ReadPresetFile("b") == before, !answer);
  }
}

TEST_F(PresetFilesDialogTest, SaveAsRefusesNamesThatCouldNotBeListedOrOpened) {
  for (const char* name : {"@x", "Untitled-2", "a\\b", ".."}) {
    vmhost::ClearRecordings();
    const int beeps = BeepCount();
    Script({PickItemText(kPresetFileCombo, "Save As...")}, Click(IDCANCEL));
    ScriptDialog(kSaveAsEnglish, {SetText(kSaveFileAsNameEdit, name), PressEnter()});
    RunConfig();
    EXPECT_EQ(BeepCount(), beeps + 1) << name;
    EXPECT_EQ(AlertTexts(), (std::vector<std::string>{std::string("Create '") + name +
                                                      "' File is Failed.\rDestination file already exists or "
                                                      "filename is invalid."}));
    EXPECT_EQ(current, "Untitled");
    EXPECT_EQ(ReadPresetFile(name), "<missing>");
  }
}

TEST_F(PresetFilesDialogTest, SaveNeedsANamedFile) {
  EXPECT_EQ(Run({PickItemText(kPresetFileCombo, "Save")}), IDOK);
  EXPECT_EQ(current, "Untitled");
  EXPECT_TRUE(AlertTexts().empty());
  EXPECT_EQ(ReadPresetFile("Untitled"), "<missing>");
}

TEST_F(PresetFilesDialogTest, DeleteRemovesTheFileAndFallsBackToTheFirstEntry) {
  vmhost::QueueAlertAnswer(0);
  vmhost::QueueAlertAnswer(1);
  Run({PickItemText(kPresetFileCombo, "A"), PickItemText(kPresetFileCombo, "Delete"),
       PickItemText(kPresetFileCombo, "Delete")},
      Click(IDCANCEL));
  EXPECT_EQ(AlertTexts(), (std::vector<std::string>(2, "Do you want to completely remove the file \"A\"?")));
  EXPECT_EQ(ReadPresetFile("A"), "<missing>");
  EXPECT_EQ(combo, WithCommands({"Untitled", "b"}));
  EXPECT_EQ(current, "Untitled");
  EXPECT_EQ(rows, (std::vector<std::string>{"S/0/1", "M/1/1", "L/2/1"}));

  std::snprintf(globals().presetFileName, kNameSize, "b");
  vmhost::QueueAlertAnswer(1);
  Run({PickItemText(kPresetFileCombo, "Delete")}, Click(IDCANCEL));
  EXPECT_EQ(combo, WithCommands({"Untitled"}));
  EXPECT_EQ(ReadPresetFile("b"), "<missing>");
}

}  // namespace
}  // namespace vmtest
