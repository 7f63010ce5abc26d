// The variable list as the user sees it: its sources, the names each one
// lists, the separator, and the text a pick gives back.
#include "panels/vardialog_scene.h"

namespace vmtest {
namespace {

using vmwin::Click;
using vmwin::PickItem;

class VariableListTest : public VarDialogScene {
 protected:
  void SetUp() override {
    VarDialogScene::SetUp();
    SetVariable(0, "W", "10");
    SetVariable(1, "H", "20", 1);
  }
};

// "ローカル変数", "環境変数"
const char kLocalJapanese[] = "\203\215\201[\203J\203\213\225\317\220\224";
const char kEnvironmentJapanese[] = "\212\302\213\253\225\317\220\224";

TEST_F(VariableListTest, SourcesListTheirNamesAndAPickGivesTheTextToInsert) {
  const struct {
    bool titled;
    int16_t language;
    int source, row;
    std::vector<std::string> sources, names;
    std::string picked;
  } cases[] = {
      {false, 0, 0, 1, {kLocalJapanese, kEnvironmentJapanese}, {"W", "H"}, "H"},
      {true, 1, 0, 0, {"Local variable", "Environment variable", "-", "Front", "Back"}, {"W", "H"}, "W"},
      {true, 0, 1, 6, {kLocalJapanese, kEnvironmentJapanese, "-", "Front", "Back"},
       {"%%GR_SCALE_H%%", "%%GR_SCALE_V%%", "%%GR_ORIGIN_H%%", "%%GR_ORIGIN_V%%", "%%GR_ANGLE%%",
        "%%PRESET_IDX%%", "%%PRESET_NAME%%"},
       "%%PRESET_NAME%%"},
      // Another piece's private names are offered too.
      {true, 1, 3, 0, {"Local variable", "Environment variable", "-", "Front", "Back"}, {"W", "secret"}, "Front:W"},
      {true, 0, 4, 0, {kLocalJapanese, kEnvironmentJapanese, "-", "Front", "Back"}, {"B1"}, "Back:B1"},
  };
  int piecesMade = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.picked);
    globals().language = c.language;
    // Art made later stands higher in the layer, and is listed first.
    if (c.titled && piecesMade++ == 0) {
      TitledPiece("Back", {"B1"});
      TitledPiece("Front", {"W", "secret"});
    }
    std::vector<std::string> sources, names;
    int32_t result = 0;
    EXPECT_EQ(Pick({ReadRows(kVarListSourceCombo, &sources), PickItem(kVarListSourceCombo, c.source),
                    ReadRows(kVarListNames, &names), PickItem(kVarListNames, c.row), Click(IDOK)},
                   &result),
              c.picked);
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(sources, c.sources);
    EXPECT_EQ(names, c.names);
  }
}

TEST_F(VariableListTest, SeparatorKeepsThePreviousSourceAndItsNames) {
  TitledPiece("Front", {"F1", "F2"});
  int source = -1;
  std::vector<std::string> names;
  const auto readSource = vmwin::Do(
      [&](HWND d) { source = static_cast<int>(SendDlgItemMessage(d, kVarListSourceCombo, CB_GETCURSEL, 0, 0)); });
  for (int times : {1, 2}) {
    SCOPED_TRACE(times);
    std::vector<vmwin::UserAction> steps = {PickItem(kVarListSourceCombo, 3)};
    for (int i = 0; i < times; ++i) steps.push_back(PickItem(kVarListSourceCombo, 2));
    steps.insert(steps.end(), {readSource, ReadRows(kVarListNames, &names), PickItem(kVarListNames, 1), Click(IDOK)});
    EXPECT_EQ(Pick(steps), "Front:F2");
    EXPECT_EQ(source, 3);
    EXPECT_EQ(names, (std::vector<std::string>{"F1", "F2"}));
  }
}

TEST_F(VariableListTest, OkWaitsForARowAndLongTextsArePickedWhole) {
  const std::string title(120, 'T'), name(90, 'n');
  TitledPiece(title, {name});
  BOOL before = TRUE, after = FALSE;
  const auto okEnabled = [](BOOL* out) {
    return vmwin::Do([out](HWND d) { *out = IsWindowEnabled(GetDlgItem(d, IDOK)); });
  };
  int32_t result = 0;
  const std::string picked =
      Pick({PickItem(kVarListSourceCombo, 3), okEnabled(&before), Click(IDOK), PickItem(kVarListNames, 0),
            okEnabled(&after), Click(IDOK)},
           &result);
  EXPECT_FALSE(before);
  EXPECT_TRUE(after);
  EXPECT_EQ(result, IDOK);
  // The title is cut at 80 characters, the name at 80.
  EXPECT_EQ(picked, std::string(80, 'T') + ":" + std::string(80, 'n'));
  EXPECT_EQ(Pick({vmwin::PressEscape()}, &result), "");
  EXPECT_EQ(result, IDCANCEL);
}

TEST_F(VariableListTest, JapaneseSourcesAreDrawnWithALineForTheSeparator) {
  TitledPiece("Front", {"F1"});
  std::vector<vmwin::DrawRecord> drawing;
  Pick({vmwin::Do([&](HWND d) {
          HWND combo = GetDlgItem(d, kVarListSourceCombo);
          for (int row : {2, 3}) {
            SendMessage(combo, CB_SETCURSEL, row, 0);
            InvalidateRect(combo, nullptr, TRUE);
            vmwin::PaintInvalidWindows();
          }
          drawing = vmwin::DrawingOf(combo);
        }),
        Click(IDCANCEL)});
  int lines = 0, texts = 0;
  for (const auto& r : drawing) {
    lines += r.op == vmwin::DrawRecord::Op::Line && r.penColor == RGB(127, 127, 127) && r.from.y == r.to.y;
    texts += r.op == vmwin::DrawRecord::Op::Text && r.text == "Front" && r.textColor == RGB(0, 0, 0) &&
             r.bkMode == TRANSPARENT;
  }
  EXPECT_GT(lines, 0);
  EXPECT_GT(texts, 0);
}

}  // namespace
}  // namespace vmtest
