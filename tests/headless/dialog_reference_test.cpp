// A newcomer reads the reference of dialogs and panels: the program prints it, the repository
// keeps it, and each language opens the copy of each dialog it names.
#include <array>
#include <map>
#include <regex>
#include <set>

#include "headless_run.h"

namespace vmtest {
namespace {

// English title -> the copy opened with the English, the Japanese and the Korean setting.
std::map<std::string, std::array<int, 3>> CopiesNamed(const std::string& reference) {
  static const std::regex heading(
      "\n## ([^\n]+)\n\nDialog (\\d+) in English, (\\d+) \"[^\"]*\" in Japanese; the Korean setting shows (\\d+)\\.");
  std::map<std::string, std::array<int, 3>> copies;
  for (std::sregex_iterator it(reference.begin(), reference.end(), heading), end; it != end; ++it)
    copies[(*it)[1]] = {std::stoi((*it)[2]), std::stoi((*it)[3]), std::stoi((*it)[4])};
  return copies;
}

std::set<int> DialogsShown(const std::string& out) {
  static const std::regex shown("dialog (\\d+) closed");
  std::set<int> ids;
  for (std::sregex_iterator it(out.begin(), out.end(), shown), end; it != end; ++it) ids.insert(std::stoi((*it)[1]));
  return ids;
}

TEST_F(HeadlessTest, TheDialogReferenceInTheRepositoryIsWhatTheProgramPrints) {
  const ProgramRun run = Host({"--dialogs"});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, ReadHostFile(SourceFile("platform/headless/DIALOGS.md")))
      << "print it anew: vestamark-host --dialogs > platform/headless/DIALOGS.md";
  // A field with a label of its own, and fields that share one.
  EXPECT_NE(run.out.find("| 24 | drop-down list | Unit | 単位： |"), std::string::npos);
  EXPECT_NE(run.out.find("| 9 | edit | Standard scale (horizontal) | 基準拡大率： |"), std::string::npos);
  EXPECT_EQ(Host({"--dialogs", "more"}).status, 2);
}

// One session opens every dialog a session can reach (the handle dialogs share one launcher, so
// the distance dialog stands for them), each cancelled but the ones that open the next.
TEST_F(HeadlessTest, EachLanguageOpensTheCopyOfEachDialogTheReferenceNames) {
  const auto copies = CopiesNamed(Host({"--dialogs"}).out);
  ASSERT_EQ(copies.size(), 16u);
  const std::string session =
      "tick\n"
      "down 150mm -220mm\ndrag 160mm -120mm\nup 160mm -120mm\n"
      "tick 40\n"
      "panel Vestamark_INF_PANEL double-click List 0\n"
      "panel Vestamark_INF_PANEL double-click List 1\n"
      "panel Vestamark_INF_PANEL click Update\n"
      "dialog \"Preset config\"\n  pick Presets 0\n  click Edit...\n  click Add...\n  pick Preset 3\nend\n"
      "flyout Vestamark_INF_PANEL 7\n"
      "flyout Vestamark_INF_PANEL 9\n"
      "dialog Variable\n  focus Value\n  focus \"Variable name\"\n  click Variable...\nend\n"
      "panel \"Vestamark Var.\" click New\n"
      "menu Vestamark...\n";
  const char* opened[] = {"Basic settings", "Distance revision", "Update grading", "Preset config",
                          "Rename preset",  "New preset",        "Save File As",   "Copy preset",
                          "Variable",       "Variable list",     "About Vestamark"};
  const struct {
    const char* language;
    const char* tool;
  } languages[] = {{"english", "Distance revision"}, {"japanese", "距離補正"}, {"korean", "距離補正"}};
  for (int column = 0; column < 3; ++column) {
    SCOPED_TRACE(languages[column].language);
    const ProgramRun run = Grade(std::string("language ") + languages[column].language + "\nselect front\ntool " +
                                     languages[column].tool + "\n" + session,
                                 SourceFile("tests/data/svg/editor-layers.svg"));
    ASSERT_EQ(run.status, 0) << run.err;
    std::set<int> expected;
    for (const char* title : opened) expected.insert(copies.at(title)[column]);
    EXPECT_EQ(DialogsShown(run.out), expected) << run.out;
  }
}

}  // namespace
}  // namespace vmtest
