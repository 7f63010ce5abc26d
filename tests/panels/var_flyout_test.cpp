// The Variable flyout: the presets to choose from, and CSV files read into the
// current piece.

#include <filesystem>

#include "panels/preset_flyout_items.h"
#include "panels/var_scene.h"
#include "support/file_size_limit.h"

using namespace vmtest;

namespace {

using VarFlyoutTest = VarScene;

std::vector<std::pair<uint32_t, bool>> PresetItems(PanelHandle panel, uint32_t firstItem = kVarFirstPresetItem) {
  std::vector<std::pair<uint32_t, bool>> items;
  for (const FlyoutItem& item : vmhost::FlyoutItems(panel))
    if (item.id >= firstItem) items.emplace_back(item.id, item.checked);
  return items;
}

TEST_F(VarFlyoutTest, ChoosingAPresetMovesTheMarkWithoutAnUndoStep) {
  using Items = std::vector<std::pair<uint32_t, bool>>;
  globals().presets[1].enabled = 0;
  ASSERT_EQ(vmhost::NotifyDocumentChanged(), kNoErr);
  EXPECT_EQ(PresetItems(VarPanel()), (Items{{4, true}, {6, false}, {7, false}}));

  const int32_t depth = vmhost::UndoDepth();
  ASSERT_TRUE(vmhost::ChooseFlyoutItem(VarPanel(), 6));
  EXPECT_EQ(globals().currentPresetSlot, 2);
  EXPECT_EQ(globals().currentScaleIndex, globals().presets[2].scaleIndex);
  EXPECT_EQ(PresetItems(VarPanel()), (Items{{4, false}, {6, true}, {7, false}}));
  EXPECT_EQ(vmhost::UndoDepth(), depth);
  EXPECT_EQ(TableNames(), (std::vector<std::string>{"A", "B", "C"})) << "the piece's variables stay listed";

  // Each flyout marks the preset chosen in the other.
  EXPECT_EQ(PresetItems(InfPanel(), kInfFirstPresetItem), (Items{{12, false}, {14, true}, {15, false}}));
  ASSERT_TRUE(vmhost::ChooseFlyoutItem(InfPanel(), 15));
  EXPECT_EQ(PresetItems(VarPanel()), (Items{{4, false}, {6, false}, {7, true}}));
}

TEST_F(VarFlyoutTest, AStaleItemOfAFreedOrDamagedPresetChoosesNothing) {
  ASSERT_EQ(vmhost::NotifyDocumentChanged(), kNoErr);
  // Changed behind the flyout's back: its items 6 and 7 still show.
  globals().presets[2].empty = 1;
  globals().presets[3].scaleIndex = kMaxPresets + 50;
  const int16_t slot = globals().currentPresetSlot, scale = globals().currentScaleIndex;
  for (uint32_t item : {6u, 7u}) {
    SCOPED_TRACE(item);
    ASSERT_TRUE(vmhost::ChooseFlyoutItem(VarPanel(), item));
    EXPECT_EQ(globals().currentPresetSlot, slot);
    EXPECT_EQ(globals().currentScaleIndex, scale);
    EXPECT_TRUE(PresetItems(VarPanel()).front().second) << "the current preset keeps its mark";
  }
}

// The file as another system's spreadsheet saves it: lines ended by CR alone,
// values bare, one line cut short. Each value goes to its own variable, the
// import is one undo step with its texts, and the user hears of the line.
TEST_F(VarFlyoutTest, AnImportedFileSetsTheValuesOfThePiecesOwnVariables) {
  const std::string path = folders->root() + "/in.csv";
  WriteHostFile(path, "Front,B,0,91\rFront,New,0,1\rBack,A,0,7\rFront,C,0\rFront,C,0,B+1\r");
  vmwin::ScriptOpenFile(path);
  vmhost::ClearRecordings();
  HWND list = Control(VarWindow(), 1);
  vmwin::PaintInvalidWindows();
  vmwin::ClearDrawing(list);
  ASSERT_TRUE(vmhost::ChooseFlyoutItem(VarPanel(), 1));
  vmwin::PaintInvalidWindows();
  bool shown = false;  // the list shows the value at once
  for (const vmwin::DrawRecord& r : vmwin::DrawingOf(list)) shown = shown || r.text == "B+1";
  EXPECT_TRUE(shown);
  EXPECT_EQ(TableNames(), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_EQ(std::string(globals().variables.varValues[0]), "10");
  EXPECT_EQ(VarTag(front, "vmk_grading_var_value_%03d000", 1), "91");
  EXPECT_EQ(VarTag(front, "vmk_grading_var_value_%03d000", 2), "B+1");
  ASSERT_EQ(AlertTexts().size(), 1u);
  EXPECT_NE(AlertTexts()[0].find("in.csv\""), std::string::npos) << AlertTexts()[0];
  EXPECT_NE(AlertTexts()[0].find(" 4 "), std::string::npos) << "line 4: " << AlertTexts()[0];
  EXPECT_EQ(vmhost::UndoText(), "変数編集の取り消し");
  EXPECT_EQ(vmhost::RedoText(), "");
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(vmhost::RedoText(), "変数編集のやり直し");
  EXPECT_EQ(VarTag(front, "vmk_grading_var_value_%03d000", 1), "20") << "undone as one step";
  ASSERT_TRUE(vmhost::Redo());

  // A chosen path longer than the dialog's buffer writes nothing anywhere.
  const std::string deep = folders->root() + "/" + std::string(320, 'd') + ".csv";
  vmhost::QueuePutFileAnswer(deep);
  ASSERT_TRUE(vmhost::ChooseFlyoutItem(VarPanel(), 2));
  EXPECT_EQ(ReadHostFile(deep), "<missing>");
  vmhost::QueuePutFileAnswer(folders->root() + "/out.csv");
  ASSERT_TRUE(vmhost::ChooseFlyoutItem(VarPanel(), 2));
  EXPECT_EQ(ReadHostFile(folders->root() + "/out.csv"),
            "\"Front\",A,0,\"10\"\r\n\"Front\",B,0,\"91\"\r\n\"Front\",C,0,\"B+1\"\r\n");
}

// The user exports the variables where no file can be written: an alert says
// so, and a file that was there keeps what it held.
TEST_F(VarFlyoutTest, AnExportThatCannotBeWrittenIsReportedAndKeepsTheOldFile) {
  const std::string root = folders->root();
  std::filesystem::create_directories(root + "/blocked.csv");  // a folder in the file's place
  std::string longValue(4000, 'v');
  const struct {
    const char* what;
    std::string path;
    rlim_t fileSizeLimit;  // RLIM_INFINITY: as the system has it
  } cases[] = {
      {"a folder that is not there", root + "/missing/out.csv", RLIM_INFINITY},
      {"a folder in the file's place", root + "/blocked.csv", RLIM_INFINITY},
      {"a disk that fills up", root + "/full.csv", 1024},
      {"a path too long for the file calls", root + "/" + std::string(150, 'p') + "/" + std::string(150, 'q') + ".csv",
       RLIM_INFINITY},
  };
  InModuleCall([&] { std::snprintf(globals().variables.varValues[0], kVarValueSize, "%s", longValue.c_str()); });
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const bool blocked = c.path.find("blocked") != std::string::npos;
    const bool existed = c.path.find("missing") == std::string::npos && c.path.size() < 300 && !blocked;
    if (existed) WriteHostFile(c.path, "old export\r\n");
    vmhost::ClearRecordings();
    vmhost::QueuePutFileAnswer(c.path);
    const bool chosen = WithFileSizeLimit(c.fileSizeLimit, [] { return vmhost::ChooseFlyoutItem(VarPanel(), 2); });
    ASSERT_TRUE(chosen);
    ASSERT_EQ(AlertTexts().size(), 2u);  // the save dialog, then the alert
    const std::string alert = AlertTexts()[1];
    // ""...out.csv" ファイルを作成出来ませんでした。[-1]"
    EXPECT_NE(alert.find("\xE3\x83\x95\xE3\x82\xA1\xE3\x82\xA4\xE3\x83\xAB\xE3\x82\x92"
                         "\xE4\xBD\x9C\xE6\x88\x90"),
              std::string::npos)
        << alert;
    EXPECT_NE(alert.find(std::filesystem::path(c.path).filename().string()), std::string::npos);
    if (blocked) {
      EXPECT_TRUE(std::filesystem::is_directory(c.path));
    } else {
      EXPECT_EQ(ReadHostFile(c.path), existed ? "old export\r\n" : "<missing>");
    }
    for (const auto& entry : std::filesystem::directory_iterator(root))
      EXPECT_NE(entry.path().extension(), ".tmp") << "no half-written file is left";
  }
  vmhost::QueuePutFileAnswer(root + "/full.csv");
  ASSERT_TRUE(vmhost::ChooseFlyoutItem(VarPanel(), 2));
  EXPECT_EQ(ReadHostFile(root + "/full.csv").substr(0, 20), "\"Front\",A,0,\"vvvvvvv");
}

}  // namespace
