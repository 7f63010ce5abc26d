// A person grades a pattern drawn in another program: they list it, choose a
// piece, draw a handle on it with the mouse and write every size. Outputs are
// written whole or not at all.
#include <filesystem>
#include <map>
#include <sstream>

#include "headless_run.h"
#include "host/host_driver.h"
#include "win/win_driver.h"

namespace vmtest {
namespace {

namespace fs = std::filesystem;

constexpr double kPointsPerMillimetre = 72 / 25.4;

std::string PatternFile(const std::string& name) {
  const char* data = std::getenv("VESTAMARK_TEST_DATA");
  return std::string(data != nullptr ? data : "tests/data") + "/svg/" + name;
}

std::string EditorPattern() { return PatternFile("editor-layers.svg"); }

std::vector<std::string> WordsOf(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// The row of --list that names this art.
std::vector<std::string> ListRow(const std::string& listing, const std::string& id) {
  std::istringstream in(listing);
  for (std::string line; std::getline(in, line);) {
    std::vector<std::string> words = WordsOf(line);
    if (!words.empty() && words[0] == id) return words;
  }
  return {};
}

// Files the program left beside its outputs while writing them.
std::vector<std::string> LeftOvers(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string name = entry.path().filename().string();
    if (name[0] == '.') names.push_back(name);
  }
  return names;
}

TEST_F(HeadlessTest, ListNamesEveryArtOfAnotherProgramsPatternWithItsPlace) {
  const ProgramRun list = Host({"--list", EditorPattern()});
  ASSERT_EQ(list.status, 0) << list.err;
  EXPECT_EQ(list.err, "");
  // First the page, so that a file read at the wrong size shows at once; then the arts.
  EXPECT_EQ(list.out.substr(0, list.out.find('\n')), "page 210.00 x 297.00 mm, px read as 1/96 inch");
  EXPECT_EQ(ListRow(list.out, "ID")[1], "KIND");
  // Bounds in millimetres, y upwards, as a session names points.
  EXPECT_EQ(ListRow(list.out, "front"),
            (std::vector<std::string>{"front", "path", "\"Pattern\"", "6", "30.00", "-220.00", "160.00", "-40.00"}));
  EXPECT_EQ(ListRow(list.out, "note"),
            (std::vector<std::string>{"note", "text", "\"Notes\"", "0", "60.00", "-251.20", "96.00", "-245.20"}));
  EXPECT_EQ(ListRow(list.out, "hundred")[2], "\"Layer");  // the layer of art outside the editor's layers
  // Layers from the top; art from the topmost.
  EXPECT_LT(list.out.find("hundred"), list.out.find("note"));
  EXPECT_LT(list.out.find("label-box"), list.out.find("front"));

  const ProgramRun exported = Host({"--list", PatternFile("commercial-export.svg")});
  ASSERT_EQ(exported.status, 0) << exported.err;
  EXPECT_NE(exported.err.find("line 24: skipped <image>"), std::string::npos) << exported.err;
  EXPECT_EQ(ListRow(exported.out, "a8")[1], "path");  // the same ids every time: art the file left unnamed
  // A session on it shows the same, after the document opens.
  const ProgramRun session = Grade("tick\n", PatternFile("commercial-export.svg"));
  ASSERT_EQ(session.status, 0) << session.err;
  EXPECT_NE(session.out.find("commercial-export.svg\n   " + PatternFile("commercial-export.svg") +
                             ": line 13: skipped <linearGradient>"),
            std::string::npos)
      << session.out;

  EXPECT_EQ(Host({"--list", Path("absent.svg")}).status, 1);
  EXPECT_EQ(Host({"--list"}).status, 2);
}

TEST_F(HeadlessTest, APieceOfAnotherProgramsPatternIsGradedByGesturesForEverySize) {
  // The piece: the path of six anchors on the layer "Pattern", from 30 to 160 mm across.
  const ProgramRun list = Host({"--list", EditorPattern()});
  std::string piece;
  std::istringstream rows(list.out);
  for (std::string line; std::getline(rows, line);) {
    const std::vector<std::string> row = WordsOf(line);
    if (row.size() == 8 && row[1] == "path" && row[2] == "\"Pattern\"" && row[3] == "6") piece = row[0];
  }
  ASSERT_EQ(piece, "front") << list.out;
  EXPECT_EQ(ListRow(list.out, piece)[6], "160.00");
  // The README's walk through it: sizes 36, 38 and 40 in place of S to LL, each at 100 %; the
  // side seam's top and the hem's corner moved across by handles from free points 60 mm to their
  // left: 4 mm in for 36, 4 mm out for 40.
  const std::string basic = "dialog \"Basic settings\"\n  set \"Standard scale (horizontal)\" 100\n  click OK\nend\n"
                            "panel Vestamark_INF_PANEL double-click List 0\n";
  const std::string remove = "  pick Presets 0\n  click Remove\n";
  const auto length = [](const char* type, const char* mm, int row) {
    return std::string("dialog \"Distance revision\"\n") + type + "  set Length " + mm +
           "\n  click OK\nend\npanel Vestamark_INF_PANEL double-click List " + std::to_string(row) + "\n";
  };
  const ProgramRun run = Grade(
      "language english\n"
      "tick\n"
      "dialog \"Preset config\"\n  click Add...\n  click Add...\n  click Add...\n" + remove + remove + remove +
          remove + "  click OK\nend\n"
          "dialog \"New preset\"\n  set Name 36\n  click OK\nend\n"
          "dialog \"New preset\"\n  set Name 38\n  click OK\nend\n"
          "dialog \"New preset\"\n  set Name 40\n  click OK\nend\n"
          "flyout Vestamark_INF_PANEL \"Preset setting...\"\n"
          "select " + piece + "\ntool Distance revision\ntick\n"
          "flyout Vestamark_INF_PANEL 36\n" + basic + "flyout Vestamark_INF_PANEL 38\n" + basic +
          "flyout Vestamark_INF_PANEL 40\n" + basic +
          "down 100mm -120mm\ndrag 160mm -120mm\nup 160mm -120mm\ntick\n"
          "down 90mm -220mm\ndrag 150mm -220mm\nup 150mm -220mm\ntick\n"
          "flyout Vestamark_INF_PANEL 36\n" + length("  pick Type 1\n", "56", 1) + length("  pick Type 1\n", "56", 2) +
          "flyout Vestamark_INF_PANEL 40\n" + length("", "64", 1) + length("", "64", 2) +
          "tick 40\n"
          "dialog \"Update grading\"\n  click \"Output all sets\"\n  check \"Leave original objects\" 1\n"
          "  check \"Make in the other layer\" 1\n  check \"Make a layer every preset\" 1\n  click OK\nend\n"
          "panel Vestamark_INF_PANEL click Update\n"
          "tool none\ntick\n",
      EditorPattern());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("beep"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("alert: \"Are you sure you want to delete this preset (LL)?\" [OK]"), std::string::npos);

  vmhost::ResetHost();
  std::string error;
  DocumentHandle graded = vmhost::OpenDocument(Path("graded.svg"), &error);
  ASSERT_NE(graded, nullptr) << error;
  // Each size on a layer of its own, and no preview over them.
  const std::map<std::string, double> moved{{"36", -4}, {"38", 0}, {"40", 4}};
  for (const auto& [size, mm] : moved) {
    LayerHandle layer = vmhost::FindLayer(size.c_str());
    ASSERT_NE(layer, nullptr) << size;
    const auto arts = vmhost::Children(layer->group);
    ASSERT_EQ(arts.size(), 1u) << size;
    const std::vector<PathSegment> segments = vmhost::Segments(arts[0]);
    ASSERT_EQ(segments.size(), 6u) << size;
    EXPECT_NEAR(segments[1].p.h / kPointsPerMillimetre, 150 + mm, 0.01) << size;
    EXPECT_NEAR(segments[1].p.v / kPointsPerMillimetre, -220, 0.01) << size;
    EXPECT_NEAR(segments[2].p.h / kPointsPerMillimetre, 160 + mm, 0.01) << size;
    EXPECT_NEAR(segments[2].p.v / kPointsPerMillimetre, -120, 0.01) << size;
    EXPECT_NEAR(segments[3].p.h / kPointsPerMillimetre, 155, 0.01) << size;
  }
  EXPECT_EQ(vmhost::FindLayer("S"), nullptr);
  EXPECT_EQ(vmhost::FindLayer("<<Vestamark Preview>>"), nullptr);
  EXPECT_TRUE(vmhost::FindLayer("Pattern")->d.visible);
  EXPECT_FALSE(vmhost::FindLayer("Notes")->d.visible);
  vmhost::ResetHost();
  vmwin::ResetWindowsLayer();
}

TEST_F(HeadlessTest, APressWhereThePointerAlreadyRestsReachesTheTool) {
  const std::string square =
      Write("square.svg",
            "<svg xmlns='http://www.w3.org/2000/svg' width='300pt' height='300pt' viewBox='-100 -200 300 300'>"
            "<path id='sq' d='M0 0 L100 0 L100 -100 L0 -100 Z'/></svg>");
  // The pointer starts at the origin, and a release leaves it resting where it was let go.
  const ProgramRun run = Grade(
      "select sq\ntick\ntool 距離補正\n"
      "down 0 0\ndrag 50 0\nup 100 0\ntick\n"
      "down 100 0\ndrag 100 50\nup 100 100\ntick\n",
      square);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("beep"), std::string::npos) << run.out;
  size_t handles = 0;
  for (size_t at = run.out.find("undo text:"); at != std::string::npos; at = run.out.find("undo text:", at + 1))
    ++handles;
  EXPECT_EQ(handles, 2u) << run.out;
}

TEST_F(HeadlessTest, AnOutputThatCannotBeWrittenLeavesEveryFileAsItWas) {
  // A name one character too long for the folder's temporary file: the second output cannot be
  // written, so the first is not written either.
  const std::string tooLong = Path(std::string(250, 'g') + ".svg");
  const ProgramRun second = Host({ExamplePatternPath(), Write("session.txt", "save first.svg\ntick\n"), tooLong});
  EXPECT_EQ(second.status, 1);
  EXPECT_NE(second.err.find("cannot be written"), std::string::npos) << second.err;
  EXPECT_NE(second.err.find("nothing was written"), std::string::npos) << second.err;
  EXPECT_FALSE(fs::exists(Path("first.svg")));
  EXPECT_FALSE(fs::exists(tooLong));
  EXPECT_EQ(LeftOvers(folder->root()), std::vector<std::string>{});

  // A full disk: no file may grow past a few kilobytes. The old output stays whole.
  Write("graded.svg", "the old pattern\n");
  const ProgramRun full =
      Host({ExamplePatternPath(), Path("session.txt"), Path("graded.svg")}, "trap '' XFSZ; ulimit -f 4;");
  EXPECT_EQ(full.status, 1);
  EXPECT_NE(full.err.find("cannot be written"), std::string::npos) << full.err;
  EXPECT_EQ(ReadHostFile(Path("graded.svg")), "the old pattern\n");
  EXPECT_FALSE(fs::exists(Path("first.svg")));
  EXPECT_EQ(LeftOvers(folder->root()), std::vector<std::string>{});

  // With room, both are written.
  const ProgramRun room = Host({ExamplePatternPath(), Path("session.txt"), Path("graded.svg")});
  EXPECT_EQ(room.status, 0) << room.err;
  EXPECT_TRUE(fs::exists(Path("first.svg")));
  EXPECT_NE(ReadHostFile(Path("graded.svg")), "the old pattern\n");
}

}  // namespace
}  // namespace vmtest
