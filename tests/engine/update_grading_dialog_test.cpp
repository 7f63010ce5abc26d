// The "Update grading" dialog as the user works it: options that enable each
// other, the list of sets, and the preview of the output while it is open.
#include <cstring>

#include "engine/update_grading_scene.h"
#include "store/art_tags.h"

namespace vmtest {
namespace {

using vmwin::Check;
using vmwin::Click;
using vmwin::ClickItemAt;
using vmwin::PressEnter;
using vmwin::PressEscape;

constexpr int kList = 7;

bool Enabled(HWND dialog, int id) { return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE; }
bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

class UpdateGradingDialogTest : public UpdateGradingScene {};

TEST_F(UpdateGradingDialogTest, OptionsEnableEachOtherAsTheyAreClicked) {
  globals().updateGrading.renewal_leave = 0;
  // After each action: box 6 checked; enabled: 6, list, 9, 10 and 11.
  struct Step {
    vmwin::UserAction action;
    const char* state;
  } steps[] = {
      {Check(6, 0), "0 10100"}, {Click(4), "1 00100"},    {Click(3), "1 10100"},    {Click(6), "0 10100"},
      {Click(5), "1 01100"},    {Check(9, 0), "1 01111"}, {Check(8, 0), "1 01000"}, {Check(8, 1), "1 01111"},
  };
  std::vector<vmwin::UserAction> actions;
  std::vector<std::string> seen;
  for (const Step& step : steps) {
    actions.push_back(step.action);
    actions.push_back(Look([&](HWND d) {
      std::string s = Checked(d, 6) ? "1 " : "0 ";
      for (int id : {6, kList, 9, 10, 11}) s += Enabled(d, id) ? '1' : '0';
      seen.push_back(s);
    }));
  }
  actions.push_back(PressEscape());
  EXPECT_EQ(ShowDialog(actions), 2);
  for (size_t i = 0; i < std::size(steps); ++i) EXPECT_EQ(seen.at(i), steps[i].state) << "after step " << i;
  EXPECT_EQ(globals().updateGrading.renewal_out_preset, 0) << "clicked options are kept after Cancel";
}

TEST_F(UpdateGradingDialogTest, ThePreviewShowsEveryPresetAtOnceAndClosingPutsEverythingBack) {
  // The last set previewed is the current one, so nothing is reloaded after.
  globals().currentPresetSlot = 3;
  globals().currentScaleIndex = 3;
  globals().presetScale[1] = {9, 9};
  const int32_t redraws = vmhost::Redraws();
  std::vector<double> shown;
  bool shownOrSelected = false;  // the preview layer, or a copy in the group
  ArtHandle afterPreviewOff = piece;
  EXPECT_EQ(ShowDialog({Click(4), Look([&](HWND) {
                          shown = RightEdges(PreviewGroup());
                          shownOrSelected = vmhost::FindLayer(kPreview)->d.visible;
                          for (ArtHandle copy : vmhost::Children(PreviewGroup()))
                            shownOrSelected |= vmhost::IsSelected(copy);
                        }),
                        Check(12, 0), Look([&](HWND) { afterPreviewOff = PreviewGroup(); }), PressEscape()}),
            2);
  EXPECT_EQ(shown, (std::vector<double>{200, 200, 300, 300, 400, 400, 500, 500}));
  EXPECT_FALSE(shownOrSelected);
  EXPECT_EQ(afterPreviewOff, nullptr);
  EXPECT_GT(vmhost::Redraws(), redraws + 2) << "opening, each set and the preview box redraw";

  EXPECT_TRUE(PreviewGroup() == nullptr && vmhost::FindLayer(kPreview)->d.visible);
  EXPECT_EQ(globals().currentPresetSlot, 3);
  EXPECT_EQ(globals().presetScale[1].h, 9) << "the working pairs are put back";
  for (ArtHandle member : members) EXPECT_TRUE(vmhost::IsSelected(member));
}

TEST_F(UpdateGradingDialogTest, ClosingPutsBackASelectionOfOnePathOfThePiece) {
  vmhost::SetSelected(piece, false);
  vmhost::SetSelected(members[1], true);
  InModuleCall([] { RefreshGradingPreview(0); });
  EXPECT_EQ(ShowDialog({Click(4), PressEscape()}), 2);
  EXPECT_FALSE(vmhost::IsSelected(piece));
  EXPECT_FALSE(vmhost::IsSelected(members[0]));
  EXPECT_TRUE(vmhost::IsSelected(members[1]));
}

TEST_F(UpdateGradingDialogTest, TheSetListHasOneRowPerEnabledPresetUpToTheFirstEmptySlot) {
  globals().presets[1].enabled = 0;
  globals().presets[3].empty = 1;
  std::strcpy(globals().presets[4].name, "XL");
  globals().presets[4].enabled = 1;
  for (int s = 0; s < 5; ++s) globals().presets[s].output = s == 0;
  // Thirty "あ" and one byte: cutting two bytes at a time would end inside a character.
  std::string wide;
  for (int i = 0; i < 30; ++i) wide += "\202\240";
  std::strcpy(globals().presets[2].name, (wide + "a").c_str());
  std::vector<LRESULT> data;
  std::vector<vmwin::DrawRecord> drawn;
  ShowDialog({Look([&](HWND d) {
    HWND list = GetDlgItem(d, kList);
    for (WPARAM row = 0; row < static_cast<WPARAM>(SendMessage(list, LB_GETCOUNT, 0, 0)); ++row)
      data.push_back(SendMessage(list, LB_GETITEMDATA, row, 0));
    drawn = vmwin::DrawingOf(list);
  })});
  EXPECT_EQ(data, (std::vector<LRESULT>{0, 2}));

  std::vector<std::string> texts;
  std::vector<std::vector<int>> lines;
  for (const vmwin::DrawRecord& r : drawn) {
    if (r.op == vmwin::DrawRecord::Op::Text) {
      texts.push_back(r.text);
      EXPECT_EQ(r.textColor, RGB(128, 128, 128)) << "the list is greyed outside chosen sets";
    }
    if (r.op == vmwin::DrawRecord::Op::Line) lines.push_back({r.from.x, r.from.y, r.to.x, r.to.y});
  }
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0] + texts[1], std::string("S").append(wide, 0, texts[1].size()));
  EXPECT_EQ(texts[1].size(), 28u) << "as much as fits beside the check square";
  EXPECT_EQ(texts[1].size() % 2, 0u) << "no half character at the end";
  EXPECT_EQ(lines, (std::vector<std::vector<int>>{
                       {6, 10, 10, 13}, {10, 13, 18, 6}, {6, 9, 10, 12}, {10, 12, 18, 5}}))
      << "only S is ticked";
}

TEST_F(UpdateGradingDialogTest, TheCheckSquareTogglesAPresetAndTheRestOfTheRowOnlySelectsIt) {
  globals().updateGrading.renewal_mode = 2;
  for (int s = 0; s < 4; ++s) globals().presets[s].output = 0;
  size_t copiesAfterTick = 0;
  ShowDialog(
      {ClickItemAt(kList, 10, 30), Look([&](HWND) { copiesAfterTick = RightEdges(PreviewGroup()).size(); }),
       ClickItemAt(kList, 120, 50), ClickItemAt(kList, 10, 70), ClickItemAt(kList, 10, 70), PressEscape()});
  for (int s = 0; s < 4; ++s) EXPECT_EQ(globals().presets[s].output, s == 1) << "slot " << s;
  EXPECT_EQ(copiesAfterTick, 2u);
}

TEST_F(UpdateGradingDialogTest, WithNoLayerToPreviewInTheDialogDoesNotOpen) {
  // The piece's only layer locked, then hidden.
  for (const bool hidden : {false, true}) {
    SCOPED_TRACE(hidden);
    {
      ModuleSuites suites;
      sAILayer->DeleteLayer(vmhost::FindLayer(kPreview));
      sAILayer->SetLayerEditable(CurrentLayer(), hidden);
      sAILayer->SetLayerVisible(CurrentLayer(), !hidden);
    }
    EXPECT_EQ(ShowDialog({PressEnter()}), 0);
    EXPECT_TRUE(vmwin::ShownDialogs().empty());
    EXPECT_NE(vmhost::FindLayer(kPreview), nullptr) << "the preview layer made for it stays";
    vmwin::ClearScript();
  }
}

TEST_F(UpdateGradingDialogTest, InDocumentModeEveryTitledPieceIsPreviewedAndThePreviewLayerGoes) {
  ASSERT_EQ(vmhost::SelectTool(nullptr), kNoErr);
  target = vmhost::AddLayer("Second");
  ArtHandle second = GradedPiece(target);
  {
    ModuleSuites suites;
    ArtHandle unnumbered = Rect(LayerGroup(), 0, 0, 5, 5);
    WriteStringTag(unnumbered, "vmk_grading_title", "Loose");
    WriteStringTag(unnumbered, "vmk_grading_serial", "0");
  }
  globals().varTitlesValid = 1;
  std::vector<double> shown;
  EXPECT_EQ(ShowDialog({Look([&](HWND) { shown = RightEdges(PreviewGroup()); }), PressEscape()}), 2);
  EXPECT_EQ(shown, (std::vector<double>{200, 200, 200, 200}));
  EXPECT_EQ(vmhost::FindLayer(kPreview), nullptr);
  EXPECT_EQ(globals().previewLayer, nullptr);
  EXPECT_EQ(vmhost::Children(LayerGroup(target)), (std::vector<ArtHandle>{second}));
}

TEST_F(UpdateGradingDialogTest, AnEnglishUserGetsTheEnglishCopyAndAnUnknownModeReadsAsTheCurrentSet) {
  globals().language = 1;
  globals().updateGrading.renewal_mode = 7;
  char label[64] = {};
  bool currentSet = false;
  ShowDialog({Look([&](HWND d) { GetDlgItemText(d, 4, label, sizeof label), currentSet = Checked(d, 3); })},
             17070);
  EXPECT_STREQ(label, "Output all sets");
  EXPECT_TRUE(currentSet);
  EXPECT_EQ(globals().updateGrading.renewal_mode, 0);
}

}  // namespace
}  // namespace vmtest
