// The preset list of the configuration dialog: adding, renaming, removing,
// enabling and reordering presets, and what OK and Cancel leave behind.
#include <memory>

#include "preset_dialog_scene.h"

namespace vmtest {
namespace {

using namespace vmwin;

constexpr int kConfig = kPresetConfigDialogResource;
constexpr int kNew = kNewPresetDialogResource;
constexpr int kRename = kRenamePresetDialogResource;

class PresetConfigDialogTest : public PresetDialogScene {
 protected:
  void SetUp() override {
    PresetDialogScene::SetUp();
    SetFourPresets();
  }
  void SetFourPresets() { SetPresets({{"S", 0, 1}, {"M", 1, 1}, {"L", 2, 1}, {"LL", 3, 1}}); }
  // A click on the check box of a row (rows are 20 px high, the box is at the right end).
  static UserAction ClickCheckBox(HWND dialog, int row) {
    RECT list{};
    GetClientRect(GetDlgItem(dialog, kPresetList), &list);
    return ClickItemAt(kPresetList, list.right - 10, row * kPresetListRowHeight + 10);
  }
};

TEST_F(PresetConfigDialogTest, DraggedRowsAreWrittenBackInListOrderOnOk) {
  const struct {
    int from, to;
    std::vector<std::string> order;
    bool framed;
  } cases[] = {{0, 2, {"M/1/1", "L/2/1", "S/0/1", "LL/3/1"}, true},
               {1, 1, {"S/0/1", "M/1/1", "L/2/1", "LL/3/1"}, false}};  // never 9 px away
  for (const auto& c : cases) {
    SetFourPresets();
    int frames = 0;
    ScriptDialog(kConfig, {DragItem(kPresetList, c.from, c.to), Do([&](HWND d) {
                             for (const DrawRecord& r : DrawingOf(GetDlgItem(d, kPresetList)))
                               frames += r.op == DrawRecord::Op::Rectangle && r.rop2 == R2_NOT;
                           }),
                           Click(IDOK)});
    EXPECT_EQ(RunConfig(), IDOK);
    EXPECT_EQ(Presets(), c.order);
    EXPECT_EQ(frames > 0, c.framed);
    EXPECT_EQ(frames % 2, 0);  // every inverted frame was inverted back
    EXPECT_EQ(globals().dragListMessage, -1);
  }
}

TEST_F(PresetConfigDialogTest, CancelDropsEveryChange) {
  ScriptDialog(kConfig, {Click(kPresetAddButton), DoubleClickItem(kPresetList, 0),
                         DragItem(kPresetList, 3, 0), Click(IDCANCEL)});
  ScriptDialog(kNew, {PressEnter()});
  ScriptDialog(kRename, {SetText(kPresetNameEdit, "XS"), PressEnter()});
  EXPECT_EQ(RunConfig(), IDCANCEL);
  EXPECT_EQ(Presets(), (std::vector<std::string>{"S/0/1", "M/1/1", "L/2/1", "LL/3/1"}));
  EXPECT_EQ(ScriptStepsLeft(), 0u);
  EXPECT_EQ(globals().dragListMessage, -1);
}

TEST_F(PresetConfigDialogTest, AddProposesAFreeNameAndTakesTheSmallestFreeScaleIndex) {
  SetPresets({{"S", 0, 1}, {"UNTITLED-1", 2, 1}, {"L", 1, 1}});
  std::string proposed;
  ScriptDialog(kConfig,
               {Click(kPresetAddButton), PickItem(kPresetList, 1), Click(kPresetAddButton), Click(IDOK)});
  ScriptDialog(kNew, {Do([&](HWND d) { proposed = ComboText(d, kPresetNameEdit); }), PressEnter()});
  ScriptDialog(kNew, {SetText(kPresetNameEdit, "XL"), PressEnter()});
  EXPECT_EQ(RunConfig(), IDOK);
  EXPECT_EQ(proposed, "UNTITLED-2");
  // The first goes to the end; the second in front of the selected row.
  EXPECT_EQ(Presets(),
            (std::vector<std::string>{"S/0/1", "XL/4/1", "UNTITLED-1/2/1", "L/1/1", "UNTITLED-2/3/1"}));
  EXPECT_EQ(globals().presets[1].output, 1);
}

TEST_F(PresetConfigDialogTest, AddFindsTheOneScaleIndexLeftAndStopsAtNinetyNineRows) {
  std::vector<PresetSpec> specs;
  static char names[98][8];
  for (int i = 0; i < 98; ++i) {
    std::snprintf(names[i], sizeof names[i], "P%d", i);
    specs.push_back({names[i], i < 57 ? i : i + 1, 1});
  }
  SetPresets(specs);
  BOOL addEnabled = TRUE;
  ScriptDialog(kConfig, {Click(kPresetAddButton),
                         Do([&](HWND d) { addEnabled = IsWindowEnabled(GetDlgItem(d, kPresetAddButton)); }),
                         Click(IDOK)});
  ScriptDialog(kNew, {SetText(kPresetNameEdit, "Last"), PressEnter()});
  EXPECT_EQ(RunConfig(), IDOK);
  EXPECT_EQ(Presets().back(), "Last/57/1");
  EXPECT_FALSE(addEnabled);
}

TEST_F(PresetConfigDialogTest, BadNamesAreRefusedWithTheMessage) {
  const struct {
    std::string typed;
    std::string alert;
  } cases[] = {
      {"L", "Can't create to preset (L).\rinappropriate or repeated name."},
      {"", "Can't create to preset ().\rinappropriate or repeated name."},
      {"A\"B", "Can't create to preset (A\"B).\rinappropriate or repeated name."},
  };
  globals().language = kLanguageEnglish;
  for (const auto& c : cases) {
    vmhost::ClearRecordings();
    ScriptDialog(kConfig + 1000, {DoubleClickItem(kPresetList, 0), Click(kPresetAddButton), Click(IDOK)});
    ScriptDialog(kRename + 1000, {SetText(kPresetNameEdit, c.typed), PressEnter()});
    ScriptDialog(kNew + 1000, {SetText(kPresetNameEdit, c.typed), PressEnter()});
    EXPECT_EQ(RunConfig(), IDOK);
    EXPECT_EQ(AlertTexts(), (std::vector<std::string>{c.alert, c.alert})) << c.typed;
    EXPECT_EQ(Presets(), (std::vector<std::string>{"S/0/1", "M/1/1", "L/2/1", "LL/3/1"})) << c.typed;
  }
}

TEST_F(PresetConfigDialogTest, RemoveAsksFirstAndKeepsTheLastRowAndTheLastEnabledPreset) {
  vmhost::QueueAlertAnswer(0);
  vmhost::QueueAlertAnswer(1);
  ScriptDialog(kConfig, {PickItem(kPresetList, 1), Click(kPresetRemoveButton), Click(kPresetRemoveButton),
                         Click(IDOK)});
  EXPECT_EQ(RunConfig(), IDOK);
  EXPECT_EQ(AlertTexts().size(), 2u);
  EXPECT_EQ(AlertTexts()[0],
            "\xE3\x83\x97\xE3\x83\xAA\xE3\x82\xBB\xE3\x83\x83\xE3\x83\x88 \"M\" "
            "\xE3\x82\x92\xE5\x89\x8A\xE9\x99\xA4\xE3\x81\x97\xE3\x81\xA6\xE3\x82\x82"
            "\xE3\x81\x84\xE3\x81\x84\xE3\x81\xA7\xE3\x81\x99\xE3\x81\x8B\xEF\xBC\x9F");
  EXPECT_EQ(Presets(), (std::vector<std::string>{"S/0/1", "L/2/1", "LL/3/1"}));

  // The last enabled preset, and the last row, stay.
  for (const std::vector<PresetSpec>& presets :
       {std::vector<PresetSpec>{{"S", 0, 0}, {"M", 1, 1}}, std::vector<PresetSpec>{{"M", 1, 1}}}) {
    SetPresets(presets);
    vmhost::ClearRecordings();
    const int beeps = BeepCount();
    ScriptDialog(kConfig, {PickItem(kPresetList, static_cast<int>(presets.size()) - 1),
                           Click(kPresetRemoveButton), Click(IDOK)});
    EXPECT_EQ(RunConfig(), IDOK);
    EXPECT_EQ(BeepCount(), beeps + 1);
    EXPECT_TRUE(AlertTexts().empty());
    EXPECT_EQ(Presets().back(), "M/1/1");
  }
}

TEST_F(PresetConfigDialogTest, CheckBoxTogglesButTheLastEnabledPresetStays) {
  SetPresets({{"S", 0, 1}, {"M", 1, 0}, {"L", 2, 1}});
  const int beeps = BeepCount();
  ScriptDialog(kConfig, {Do([&](HWND d) {
                           PerformUserAction(d, ClickCheckBox(d, 0));               // S off
                           PerformUserAction(d, ClickCheckBox(d, 2));               // L is the last: beep
                           PerformUserAction(d, ClickCheckBox(d, 1));               // M on
                           PerformUserAction(d, ClickItemAt(kPresetList, 40, 50));  // on the name: nothing
                         }),
                         Click(IDOK)});
  EXPECT_EQ(RunConfig(), IDOK);
  EXPECT_EQ(BeepCount(), beeps + 1);
  EXPECT_EQ(Presets(), (std::vector<std::string>{"S/0/0", "M/1/1", "L/2/1"}));
}

TEST_F(PresetConfigDialogTest, RowsShowNumberNameCutAtAWholeCharacterAndCheckMark) {
  std::string longName;
  for (int i = 0; i < 40; ++i) longName += "\x83\x41";  // a katakana letter, 80 bytes in all
  SetPresets({{"S", 4, 1}, {longName.c_str(), 1, 0}});
  std::vector<DrawRecord> drawing;
  int room = 0;
  ScriptDialog(kConfig, {PickItem(kPresetList, 0), Do([&](HWND d) {
                           HWND list = GetDlgItem(d, kPresetList);
                           ClearDrawing(list);
                           InvalidateRect(list, nullptr, TRUE);
                           PaintInvalidWindows();
                           drawing = DrawingOf(list);
                           RECT client{};
                           GetClientRect(list, &client);
                           room = client.right - 94;
                         }),
                         Click(IDCANCEL)});
  RunConfig();
  std::vector<std::string> texts;
  int checkLines = 0;
  for (const DrawRecord& r : drawing) {
    if (r.op == DrawRecord::Op::Text) texts.push_back(r.text);
    if (r.op == DrawRecord::Op::Line && r.penWidth == 2) ++checkLines;
  }
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0], "5");
  EXPECT_EQ(texts[1], "S");
  EXPECT_EQ(texts[2], "2");
  ASSERT_GT(texts[3].size(), 3u);
  EXPECT_LT(texts[3].size(), longName.size());
  EXPECT_EQ(texts[3].substr(texts[3].size() - 3), "...");
  EXPECT_EQ((texts[3].size() - 3) % 2, 0u);  // whole double-byte characters only
  SIZE size{};
  HDC screen = GetDC(nullptr);
  GetTextExtentPoint32(screen, texts[3].c_str(), static_cast<int>(texts[3].size()), &size);
  ReleaseDC(nullptr, screen);
  EXPECT_LE(size.cx, room);
  EXPECT_EQ(checkLines, 2);  // only the enabled row has a check mark
}

TEST(PresetNameBytes, LeadAndTrailBytesAreFoundByAScanFromTheStart) {
  // "A", a katakana letter, a lead byte whose trail looks like a lead, a lead byte at the end.
  const std::string text = "A\x83\x41\x81\x81\x83";
  // Exactly as long as the text: a read past it is caught.
  const std::unique_ptr<char[]> heap(new char[text.size() + 1]);
  std::memcpy(heap.get(), text.c_str(), text.size() + 1);
  const int expected[] = {0, 1, 2, 1, 2, 0, 0, 0, 0};
  for (int offset = 0; offset < 9; ++offset) {
    SCOPED_TRACE(offset);
    EXPECT_EQ(ShiftJisByteKind(heap.get(), offset), expected[offset]);
  }
}

}  // namespace
}  // namespace vmtest
