// A person runs vestamark-host on a pattern with a session, and reads what it printed and wrote.
#include <algorithm>
#include <filesystem>

#include "headless_run.h"
#include "host/host_driver.h"
#include "win/win_driver.h"

namespace vmtest {
namespace {

namespace fs = std::filesystem;

constexpr char kSvgHead[] =
    "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:vm=\"urn:x-vestamark:document:1\">\n";

struct PieceShape {
  std::vector<PathSegment> segments;
  std::vector<std::pair<std::string, std::string>> tags;
  bool selected = false;
};

// Every save of a grading group draws new object ids; they are compared as "#id".
void MaskObjectId(std::vector<std::pair<std::string, std::string>>* tags) {
  std::string id;
  for (const auto& [name, value] : *tags)
    if (name == "vmk_grading_object_id") id = value;
  if (id.empty()) return;
  for (auto& tag : *tags)
    for (size_t at = tag.second.find(id); at != std::string::npos; at = tag.second.find(id, at + 3))
      tag.second.replace(at, id.size(), "#id");
}

std::map<std::string, PieceShape> Pieces(const std::string& path) {
  OpenedDocument opened(path);
  EXPECT_NE(opened.doc, nullptr) << opened.error;
  std::map<std::string, PieceShape> pieces;
  for (const char* id : {"back", "front", "sleeve"}) {
    ArtHandle art = vmhost::FindArtById(id);
    if (art != nullptr) pieces[id] = {vmhost::Segments(art), vmhost::Tags(art), vmhost::IsSelected(art)};
    if (art != nullptr) MaskObjectId(&pieces[id].tags);
  }
  return pieces;
}

bool SameSegments(const std::vector<PathSegment>& a, const std::vector<PathSegment>& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (a[i].p.h != b[i].p.h || a[i].p.v != b[i].p.v || a[i].in.h != b[i].in.h || a[i].in.v != b[i].in.v ||
        a[i].out.h != b[i].out.h || a[i].out.v != b[i].out.v || a[i].corner != b[i].corner)
      return false;
  return true;
}

TEST_F(HeadlessTest, HelpShowsTheCommandAndTheSteps) {
  const ProgramRun help = Host({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("usage: vestamark-host [--px-per-inch 96|72] DOCUMENT.svg SESSION OUTPUT.svg"),
            std::string::npos);
  EXPECT_NE(help.out.find("dialog ID|TITLE ... end"), std::string::npos);

  const ProgramRun wrong = Host({ExamplePatternPath(), "session.txt"});
  EXPECT_EQ(wrong.status, 2);
  EXPECT_NE(wrong.err.find("expected a document, a session and an output file"), std::string::npos);
  EXPECT_EQ(Host({"--px-per-inch", "100", ExamplePatternPath(), "session.txt", "out.svg"}).status, 2);
}

TEST_F(HeadlessTest, ExampleSessionRunsAndKeepsEveryPieceWithItsGrading) {
  const ProgramRun run = Host({ExamplePatternPath(), ExampleSessionPath(), Path("graded.svg")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("line 17: tool Distance revision"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("\"Pattern\": 3 art(s)"), std::string::npos);
  EXPECT_NE(run.out.find("wrote " + Path("graded.svg")), std::string::npos);

  const auto before = Pieces(ExamplePatternPath());
  const auto after = Pieces(Path("graded.svg"));
  ASSERT_EQ(before.size(), 3u);
  ASSERT_EQ(after.size(), 3u);
  // Each piece gained the session's handle (back: length, front and sleeve: distance) and was
  // stored with a new serial.
  const std::map<std::string, std::string> added{{"back", "-3,"}, {"front", "-2,"}, {"sleeve", "-2,"}};
  for (const auto& [id, piece] : before) {
    EXPECT_TRUE(SameSegments(piece.segments, after.at(id).segments)) << id;
    std::map<std::string, std::string> tags(after.at(id).tags.begin(), after.at(id).tags.end());
    for (const auto& [name, value] : piece.tags) {
      if (name != "vmk_grading_serial" && name != "vmk_grading_member") {
        EXPECT_EQ(tags[name], value) << id << " " << name;
      }
    }
    EXPECT_EQ(tags["vmk_grading_fxh_conf_2"].rfind(added.at(id), 0), 0u)
        << id << " " << tags["vmk_grading_fxh_conf_2"];
  }
  EXPECT_EQ(after.at("front").tags.front().first, "vmk_grading_object_id");
  EXPECT_TRUE(after.at("sleeve").selected);  // the last piece chosen
}

// The session ends with Update grading for every size, each on a layer of its own: the sleeve
// graded for S to LL, each size a little wider at the hem than the one before.
TEST_F(HeadlessTest, ExampleSessionWritesTheSleeveGradedForEverySize) {
  ASSERT_EQ(Host({ExamplePatternPath(), ExampleSessionPath(), Path("graded.svg")}).status, 0);
  OpenedDocument opened(Path("graded.svg"));
  ASSERT_NE(opened.doc, nullptr) << opened.error;
  double previousWidth = 0;
  for (const char* size : {"S", "M", "L", "LL"}) {
    LayerHandle layer = vmhost::FindLayer(size);
    ASSERT_NE(layer, nullptr) << size;
    std::vector<ArtHandle> arts = vmhost::Children(layer->group);
    ASSERT_EQ(arts.size(), 1u) << size;
    while (!vmhost::Children(arts.front()).empty()) arts = vmhost::Children(arts.front());
    double left = 1e9, right = -1e9;
    for (const PathSegment& s : vmhost::Segments(arts.front())) {
      left = std::min(left, s.p.h);
      right = std::max(right, s.p.h);
    }
    EXPECT_GT(right - left, previousWidth) << size;
    previousWidth = right - left;
  }
}

TEST_F(HeadlessTest, WrittenPatternRendersInAViewer) {
  if (std::system("command -v rsvg-convert >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "rsvg-convert is not installed";
  ASSERT_EQ(Host({ExamplePatternPath(), ExampleSessionPath(), Path("graded.svg")}).status, 0);
  const std::string command = "rsvg-convert -o '" + Path("graded.png") + "' '" + Path("graded.svg") +
                              "' 2>'" + Path("rsvg.txt") + "'";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_GT(fs::file_size(Path("graded.png")), 1000u);
}

TEST_F(HeadlessTest, SaveStepsKeepTheDocumentAsItStoodThen) {
  const ProgramRun run = Grade("save copy.svg\nselect front\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("wrote copy.svg"), std::string::npos);
  EXPECT_FALSE(Pieces(Path("copy.svg")).at("front").selected);
  EXPECT_TRUE(Pieces(Path("graded.svg")).at("front").selected);

  const ProgramRun lost = Host({ExamplePatternPath(), Path("session.txt"), Path("nowhere/graded.svg")});
  EXPECT_EQ(lost.status, 1);
  EXPECT_NE(lost.err.find("no folder " + Path("nowhere")), std::string::npos) << lost.err;
}

TEST_F(HeadlessTest, DialogsAlertsAndUndoArePrintedAsSeen) {
  const ProgramRun run = Grade(
      "menu Vestamark...\n"
      "dialog 0\n  enter\nend\n"
      "menu Vestamark...\n"
      "undo\n"
      "alert ok\n"
      "dialog \"About Vestamark\"\n  click OK\nend\n"
      "menu Vestamark...\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(
      run.out.find(
          "line 1: menu Vestamark...\n   dialog 16150 closed with 2 (no answers were given: cancelled)"),
      std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("line 5: menu Vestamark...\n   dialog 16150 closed with 1\n"), std::string::npos);
  EXPECT_NE(run.out.find("line 6: undo\n   nothing to undo"), std::string::npos);
  // The English title answers the Japanese copy too.
  EXPECT_NE(run.out.find("line 11: menu Vestamark...\n   dialog 16150 closed with 1\n"), std::string::npos);
  EXPECT_NE(run.out.find("note: 1 alert answer(s) were not used"), std::string::npos);
}

// Sizes are often named by numbers: a word that is one item's text and another's number
// chooses neither unless the step says which way it names; an item may be named by its own number.
TEST_F(HeadlessTest, AFlyoutWordThatIsOneItemsTextAndAnothersNumberStopsTheRun) {
  fs::create_directories(Path("docs/Adobe/Illustrator/Prefs"));
  Write("docs/Adobe/Illustrator/Prefs/Vestamark.ini",
        "grading_preset_01 = \"12\",1,1,1,0,1,0\r\ngrading_preset_02 = \"14\",1,1,1,1,1,0\r\n"
        "grading_preset_03 = \"13\",1,1,1,2,1,0\r\n");
  const ProgramRun run = Grade("documents " + Path("docs") +
                               "\ntick\nflyout Vestamark_INF_PANEL 12\nflyout Vestamark_INF_PANEL text 13\n"
                               "flyout Vestamark_INF_PANEL number 13\nflyout Vestamark_INF_PANEL 13\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find(":6: \"13\" fits two flyout items of panel \"Vestamark_INF_PANEL\": \"13\" (number 14) by "
                         "its text and \"14\" by its number; write \"flyout Vestamark_INF_PANEL text 13\" or "
                         "\"flyout Vestamark_INF_PANEL number 13\""),
            std::string::npos)
      << run.err;
}

TEST_F(HeadlessTest, LanguageGoesIntoThePreferencesOfTheNamedDocumentsFolder) {
  const std::string prefs = Path("docs/Adobe/Illustrator/Prefs/Vestamark.ini");
  fs::create_directories(fs::path(prefs).parent_path());
  Write("docs/Adobe/Illustrator/Prefs/Vestamark.ini", "grading_unit = 1\r\nlanguage = JAPANESE\r\n");
  const ProgramRun run = Grade("documents " + Path("docs") + "\nlanguage english\ntick\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string text = ReadHostFile(prefs);
  EXPECT_NE(text.find("grading_unit = 1"), std::string::npos) << text;
  EXPECT_NE(text.find("language = ENGLISH"), std::string::npos);
  EXPECT_EQ(text.find("JAPANESE"), std::string::npos);
}

struct SessionFault {
  const char* session;
  int line;
  const char* message;
};

TEST_F(HeadlessTest, SessionFaultsNameTheirLineAndWriteNothing) {
  const SessionFault faults[] = {
      {"select front\nsave early.svg\nselect nowhere\n", 3, "no art with the id \"nowhere\" in the document"},
      {"tick\n\njump 3\n", 3, "unknown step \"jump\""},
      {"tool Scissors\n", 1, "no tool titled \"Scissors\"; the tools are \"距離補正\", \"長さ補正\""},
      {"down 10 20\n", 1, "no tool of the module is chosen"},
      {"tool 距離補正\ndown 10mmm 20\n", 2, "\"10mmm\" is not a coordinate"},
      {"tool 距離補正\nup 1 2 double\n", 2, "only a mouse-down can be a double-click"},
      {"tool 距離補正\ndrag 1 2\n", 2, "the mouse button is not down"},
      {"tool 距離補正\ndown 1 2\ntick\ntrack 3 4\n", 4, "the mouse button is still down"},
      {"tick\nlanguage english\n", 2, "\"language\" is a start-up option and comes before every step"},
      {"language english\nlanguage klingon\n", 2, "the language is japanese, english or korean"},
      {"px-per-inch 90\n", 1, "px-per-inch is 96 or 72, not \"90\""},
      {"tick\npx-per-inch 72\n", 2, "\"px-per-inch\" is a start-up option and comes before every step"},
      {"dialog 100\n  click 1\n", 1, "the dialog has no \"end\""},
      {"click 1\n", 1, "\"click\" answers a dialog"},
      {"dialog 100\n  enter\ntick\nend\n", 3, "the dialog from line 1 needs its \"end\" first"},
      {"# answers\ndialog 100\n  check 5\nend\n", 3, "check needs a control and a number"},
      {"menu \"Open Sesame\n", 1, "a quote is not closed"},
      {"menu Cut\n", 1, "no menu item \"Cut\"; the module's items are"},
      {"flyout Brushes New\n", 1, "no panel \"Brushes\""},
      {"panel Brushes click 3\n", 1, "no panel \"Brushes\""},
      {"zoom 0\n", 1, "zoom needs a factor"},
      {"alert maybe\n", 1, "alert needs ok, yes, cancel or no"},
      {"tick 0\n", 1, "the count must be a whole number from 1"},
      {"save nowhere/copy.svg\n", 1, "cannot save to nowhere/copy.svg: no folder nowhere"},
      // Dialogs by their English titles, controls by their English labels, exactly.
      {"dialog \"basic settings\"\nend\n", 1, "no dialog is titled \"basic settings\"; the titles are"},
      {"dialog \"Basic settings\"\n  set \"Standard scale\" 100\nend\n", 2,
       "the label \"Standard scale\" names the controls 9 \"Standard scale (horizontal)\" and 10 \"Standard "
       "scale (vertical)\" of \"Basic settings\"; name one of them"},
      {"dialog 16152\n  set name x\nend\n", 2, "\"Basic settings\" has no control labelled \"name\"; its labels are"},
      {"dialog 0\n  click OK\nend\n", 2, "the control \"OK\" is named by its label, so the dialog must be named"},
      {"panel Vestamark_INF_PANEL click update\n", 1,
       "panel \"Vestamark_INF_PANEL\" has no control labelled \"update\"; its labels are"},
      {"panel Brushes click Update\n", 1, "no panel \"Brushes\"; the panels are"},
      // Answers queued for a dialog that opens inside another, before the other's.
      {"language english\ntick\ndialog \"New preset\"\n  click OK\nend\ndialog 17161\n  click Add...\n  click OK\n"
       "end\nflyout Vestamark_INF_PANEL \"Preset setting...\"\n",
       10,
       "\"Preset config\" (dialog 17161) opened, but the answers waiting first (line 3) are for \"New preset\" "
       "(dialog 16062 or 17062): answers are taken in the order the dialogs open"},
      {"language japanese\ntick 40\nmessage-box ok\nmenu Vestamark...\n", 4,
       "\"About Vestamark\" (dialog 16150) opened, but the answers waiting first (line 3) are for a message box"},
  };
  for (const SessionFault& f : faults) {
    SCOPED_TRACE(f.session);
    const ProgramRun run = Grade(f.session);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.rfind(Path("session.txt") + ":" + std::to_string(f.line) + ": ", 0), 0u) << run.err;
    EXPECT_NE(run.err.find(f.message), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("nothing was written"), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("graded.svg")));
    EXPECT_FALSE(fs::exists(Path("early.svg")));
    // What was saved before the fault was written beside its place, and is gone again.
    EXPECT_EQ(LeftOvers(folder->root()), std::vector<std::string>{});
  }
}

struct DocumentFault {
  std::string text;  // empty: no file at all
  const char* where;
  const char* message;
};

TEST_F(HeadlessTest, BadDocumentsStopWithTheirLineAndWriteNothing) {
  const std::string head = kSvgHead;
  const std::string open = head + "<g vm:type=\"layer\" vm:title=\"Pattern\">\n";
  const DocumentFault faults[] = {
      {"", "", "cannot be opened"},
      {"<html/>\n", ": line 1: ", "the root element is not <svg>"},
      {"<svg>\n<g>\n</svg>\n", ": line 3: ", "not well-formed XML"},
      {(open + "<path id=\"p\" vm:segments=\"1 2 3\"/>\n</g></svg>\n"),
       ": line 3: ", "broken vm:segments (id 'p')"},
      {(open + "\n<g vm:type=\"banner\"/>\n</g></svg>\n"), ": line 4: ", "unknown vm:type 'banner'"},
      {(open + "<path d=\"M0 0 B 1 1 2 2\"/>\n</g></svg>\n"), ": line 3: ", "unsupported path command 'B'"},
      {(head + "<path vm:tag.key=\"%zz\" d=\"M0 0 L1 1\"/>\n</svg>\n"),
       ": line 2: ", "bad value of tag 'key'"},
  };
  for (const DocumentFault& f : faults) {
    SCOPED_TRACE(f.message);
    const std::string document = !f.text.empty() ? Write("pattern.svg", f.text) : Path("absent.svg");
    const ProgramRun run = Grade("tick\n", document);
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(document + f.where), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(f.message), std::string::npos) << run.err;
    EXPECT_FALSE(fs::exists(Path("graded.svg")));
  }
  // An endless input stops at its first fault: what follows is never asked for.
  const ProgramRun endless = Host({"--list", "/dev/stdin"}, "{ head -c 64000000 /dev/zero && echo all read >&2; } |");
  EXPECT_EQ(endless.err, "vestamark-host: /dev/stdin: line 1: a character XML does not allow (U+0000)\n");
}

}  // namespace
}  // namespace vmtest
