// What a Japanese user reads in the five simple-grading dialogs and in the
// size table dialog's messages (compared here in UTF-8).
#include <cstring>
#include <map>
#include <string>

#include "simple_grading_scene.h"
#include "text/text_conversion.h"

namespace vmtest {
namespace {

using vmwin::Do;
using vmwin::PickItemText;

class JapaneseTexts : public SimpleGradingScene {
 protected:
  void SetUp() override {
    SimpleGradingScene::SetUp();
    globals().language = 0;
  }
};

std::string Utf8(const std::string& shiftJis) {
  char out[1024] = {};
  ShiftJisToUtf8(shiftJis.c_str(), out, sizeof out);
  return out;
}

std::string ShiftJis(const std::string& utf8) {
  char out[1024] = {};
  Utf8ToShiftJis(utf8.c_str(), out, sizeof out);
  return out;
}

std::string Title(HWND dialog) {
  char text[256] = {};
  GetWindowText(dialog, text, sizeof text);
  return Utf8(text);
}

using Texts = std::map<int, std::string>;

const std::string kRotations[4] = {"回転しない", "90°", "180°", "270°"};

Texts BodyTexts(const char* width, const char* picture) {
  return {{3, picture},         {4, width},          {6, "％"},           {7, "丈："},
          {9, "％"},            {10, "バスト高さ："}, {12, "％"},          {20, kRotations[0]},
          {21, kRotations[1]},  {22, kRotations[2]}, {23, kRotations[3]}};
}

TEST_F(JapaneseTexts, TheFiveDialogsSpeakJapanese) {
  const struct {
    int id;
    const char* title;
    Texts texts;
  } dialogs[] = {
      {16163,
       "サイズ表",
       {{3, "プリセット："},
        {5, "基準サイズ："},
        {11, "％ピッチ"},
        {12, "衿寸"},
        {13, "裄丈"},
        {14, "着丈"},
        {15, "バスト"},
        {16, "袖丈"},
        {17, "肩幅"},
        {18, "カフス幅"},
        {19, "カフス丈"}}},
      {16164, "前見頃", BodyTexts("前見頃　幅：", "#16101")},
      {16165, "後見頃", BodyTexts("後見頃　幅：", "#16102")},
      {16166,
       "袖",
       {{3, "#16103"},
        {4, "前見頃　袖幅："},
        {7, "後見頃　袖幅："},
        {10, "袖山高さ："},
        {13, "袖丈："},
        {6, "％"},
        {9, "％"},
        {12, "％"},
        {15, "％"},
        {20, kRotations[0]},
        {21, kRotations[1]},
        {22, kRotations[2]},
        {23, kRotations[3]}}},
      {16167,
       "計測",
       {{4, "計測長さ："},
        {6, "mm"},
        {11, "衿寸"},
        {12, "裄丈"},
        {13, "着丈"},
        {14, "バスト (×２)"},
        {15, "袖丈"},
        {16, "肩幅 (×２)"},
        {17, "カフス幅"},
        {18, "カフス丈"}}},
  };
  for (const auto& d : dialogs) {
    SCOPED_TRACE(d.id);
    std::string title;
    Texts shown;
    ShowDialog(d.id, {Do([&](HWND dialog) {
                        title = Title(dialog);
                        for (const auto& [id, text] : d.texts) shown[id] = Utf8(FieldText(dialog, id));
                      }),
                      vmwin::Click(IDCANCEL)});
    EXPECT_EQ(title, d.title);
    EXPECT_EQ(shown, d.texts);
  }
}

TEST_F(JapaneseTexts, TheSizeTableMessagesSpeakJapanese) {
  WriteSizeTable("alpha", "");
  WriteSizeTable("gamma", "");
  std::strcpy(globals().sizeTableName, "gamma");
  // A name the host refuses, a name already taken, then the file's removal.
  const std::string saveAs = ShiftJis("別名で保存...");
  vmwin::ScriptDialog(16163,
                      {PickItemText(4, saveAs), PickItemText(4, saveAs), PickItemText(4, ShiftJis("削除"))});
  for (const char* name : {"bad\\name", "alpha"}) {
    vmwin::ScriptDialog(16061, {vmwin::SetText(3, name), vmwin::Click(IDOK)});
    vmwin::ScriptMessageBox(name[0] == 'b' ? IDOK : IDCANCEL);
  }
  vmwin::ScriptMessageBox(IDOK);
  RunDialog(16163);
  std::vector<std::string> texts;
  for (const auto& box : vmwin::ShownMessageBoxes()) texts.push_back(Utf8(box.text));
  EXPECT_EQ(texts, (std::vector<std::string>{
                       "\"bad\\name\" ファイルを作成出来ませんでした。[-1]\rファイル名が不適切か重複しています。",
                       "プリセット \"alpha\" が重複しています。\r上書きしてよろしいですか？",
                       "プリセット \"gamma\" を完全に削除しますか？",
                   }));
  EXPECT_FALSE(SizeTableExists("gamma"));
}

}  // namespace
}  // namespace vmtest
