// A person grades a pattern drawn in another program: they list it, choose a
// piece, draw a handle on it with the mouse and write every size. Outputs are
// written whole or not at all.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <csignal>
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

// The worked example: a bodice block as pattern software exports it, graded from nothing into
// the sizes 36 to 42 by handles from free points, every piece written on a layer per size.
struct Handle {
  const char* piece;
  size_t anchor;
  double startX, startY;  // mm: a free point level with the anchor or plumb below it
  bool vertical;
  double lengths[4];  // the new distance from the start for 36, 38 (as drawn), 40 and 42: "Length"
};

const char* const kSizes[] = {"36", "38", "40", "42"};

// The anchors as drawn: the file's path data in mm, y turned over.
const std::map<std::string, std::vector<RealPoint>> kDrawn = {
    {"front", {{40, -495}, {260, -480}, {272, -255}, {235, -105}, {120, -75}, {40, -160}}},
    {"back", {{570, -490}, {570, -92}, {495, -75}, {365, -100}, {330, -255}, {340, -480}}},
    {"sleeve", {{130, -650}, {300, -545}, {470, -650}, {420, -820}, {180, -820}}},
};

const Handle kHandles[] = {
    {"front", 1, 200, -480, false, {50, 60, 70, 80}}, {"front", 2, 212, -255, false, {50, 60, 70, 80}},
    {"front", 3, 235, -165, true, {56, 60, 64, 68}},  {"back", 5, 400, -480, false, {50, 60, 70, 80}},
    {"back", 4, 390, -255, false, {50, 60, 70, 80}},  {"back", 3, 365, -160, true, {56, 60, 64, 68}},
    {"sleeve", 0, 190, -650, false, {52, 60, 68, 76}}, {"sleeve", 2, 410, -650, false, {52, 60, 68, 76}},
};

// A handle puts its anchor at the typed length from its start, on the side it was drawn.
std::vector<RealPoint> Graded(const std::string& piece, int size) {
  std::vector<RealPoint> anchors = kDrawn.at(piece);
  for (const Handle& h : kHandles) {
    if (h.piece != piece) continue;
    RealPoint& a = anchors[h.anchor];
    if (h.vertical) a.v = h.startY + (a.v > h.startY ? 1 : -1) * h.lengths[size];
    else a.h = h.startX + (a.h > h.startX ? 1 : -1) * h.lengths[size];
  }
  return anchors;
}

std::vector<RealPoint> AnchorsInMm(ArtHandle path) {
  std::vector<RealPoint> anchors;
  for (const PathSegment& s : vmhost::Segments(path))
    anchors.push_back({s.p.h / kPointsPerMillimetre, s.p.v / kPointsPerMillimetre});
  return anchors;
}

// The graded copy of a piece on a size's layer: the path of as many anchors whose first lies
// nearest the piece's first anchor as drawn.
std::vector<RealPoint> CopyOf(LayerHandle layer, const std::string& piece) {
  const RealPoint first = kDrawn.at(piece)[0];
  std::vector<RealPoint> best;
  double nearest = 1e9;
  for (ArtHandle group : vmhost::Children(layer->group))
    for (ArtHandle path : vmhost::Children(group)) {
      const std::vector<RealPoint> anchors = AnchorsInMm(path);
      if (anchors.size() != kDrawn.at(piece).size()) continue;
      const double d = std::hypot(anchors[0].h - first.h, anchors[0].v - first.v);
      if (d < nearest) nearest = d, best = anchors;
    }
  return best;
}

void ExpectAnchors(const std::vector<RealPoint>& seen, const std::vector<RealPoint>& expected) {
  ASSERT_EQ(seen.size(), expected.size());
  for (size_t i = 0; i < seen.size(); ++i) {
    EXPECT_NEAR(seen[i].h, expected[i].h, 0.01) << "anchor " << i;
    EXPECT_NEAR(seen[i].v, expected[i].v, 0.01) << "anchor " << i;
  }
}

TEST_F(HeadlessTest, TheWorkedExampleGradesEveryPieceOfAnExportedBlockOnALayerPerSize) {
  const std::string pattern = ExampleFile("exported-block.svg");
  const ProgramRun run = Host({pattern, ExampleFile("grade-exported-block.session"), Path("graded.svg")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("beep"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("cancelled"), std::string::npos) << run.out;
  // The pattern as it was, then a layer per size with the three pieces; no preview, no old sizes.
  EXPECT_NE(run.out.find("layers written to " + Path("graded.svg") +
                         ":\n     \"Layer 1\": 22 art(s)\n     \"36\": 6 art(s)\n     \"38\": 6 art(s)\n"
                         "     \"40\": 6 art(s)\n     \"42\": 6 art(s)\nwrote"),
            std::string::npos)
      << run.out;

  OpenedDocument graded(Path("graded.svg"));
  ASSERT_NE(graded.doc, nullptr) << graded.error;
  for (int size = 0; size < 4; ++size) {
    LayerHandle layer = vmhost::FindLayer(kSizes[size]);
    ASSERT_NE(layer, nullptr) << kSizes[size];
    for (const auto& [piece, drawn] : kDrawn) {
      SCOPED_TRACE(std::string(kSizes[size]) + " " + piece);
      ExpectAnchors(CopyOf(layer, piece), Graded(piece, size));
    }
  }
  for (const auto& [piece, drawn] : kDrawn) ExpectAnchors(AnchorsInMm(vmhost::FindArtById(piece.c_str())), drawn);
  EXPECT_EQ(vmhost::FindLayer("<<Vestamark Preview>>"), nullptr);
  EXPECT_EQ(vmhost::FindLayer("S"), nullptr);
}

// A front exported as separate seams, its side seam moved 10 mm a size by one point group: in
// every size each seam's end still lies on exactly one other seam's end.
TEST_F(HeadlessTest, SeparateSeamsMovedByAPointGroupStayJoinedInEverySize) {
  const std::string session = ExampleFile("grade-front-as-seams.session");
  ASSERT_EQ(Host({ExampleFile("front-as-seams.svg"), session, Path("g.svg")}).status, 0);
  OpenedDocument graded(Path("g.svg"));
  double side = 250;  // the side seam's foot, 10 mm out a size
  for (const char* size : {"S", "M", "L", "LL"}) {
    std::map<std::pair<double, double>, int> ends;  // in micrometres
    for (ArtHandle seam : vmhost::Children(vmhost::Children(vmhost::FindLayer(size)->group).at(0)))
      for (const RealPoint& p : AnchorsInMm(seam)) ++ends[{std::round(p.h * 1e3), std::round(p.v * 1e3)}];
    for (const auto& [at, count] : ends) EXPECT_EQ(count, 2) << size << " " << at.first << " " << at.second;
    const std::pair<double, double> foot{side * 1e3, -480e3}, top{(side + 12) * 1e3, -255e3};
    EXPECT_EQ(ends[foot] + ends[top], 4) << size;
    side += 10;
  }
}

// The README walks through the example: each session block it shows is a run of the session's
// lines, and each line of --list it shows is one the program prints.
TEST_F(HeadlessTest, TheReadmeShowsTheWorkedExampleAsItRuns) {
  const auto linesOf = [](const std::string& text, bool dropComments) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
      if (!line.empty() && !(dropComments && line[0] == '#')) lines.push_back(line);
    return lines;
  };
  std::vector<std::string> session = linesOf(ReadHostFile(ExampleFile("grade-exported-block.session")), true);
  for (const std::string& line : linesOf(ReadHostFile(ExampleFile("grade-front-as-seams.session")), true))
    session.push_back(line);
  const std::vector<std::string> listed = linesOf(Host({"--list", ExampleFile("exported-block.svg")}).out, false);
  const std::string readme = ReadHostFile(SourceFile("README.md"));
  const size_t from = readme.find("\n1. ", readme.find("## Grade your own pattern"));
  ASSERT_NE(from, std::string::npos);
  const std::string section = readme.substr(from, readme.find("\n## ", from) - from);

  // Code blocks: lines indented 7 blanks, in the section's numbered steps.
  std::vector<std::vector<std::string>> blocks(1);
  for (const std::string& line : linesOf(section + "\n", false)) {
    if (line.rfind("       ", 0) == 0) blocks.back().push_back(line.substr(7));
    else if (!blocks.back().empty()) blocks.emplace_back();
  }
  size_t sessionBlocks = 0;
  for (const std::vector<std::string>& block : blocks) {
    if (block.empty() || block[0].rfind("build-example/", 0) == 0) continue;
    if (block[0].rfind("page ", 0) == 0) {
      for (const std::string& line : block)
        EXPECT_NE(std::find(listed.begin(), listed.end(), line), listed.end()) << line;
      continue;
    }
    ++sessionBlocks;
    EXPECT_NE(std::search(session.begin(), session.end(), block.begin(), block.end()), session.end())
        << "not in the session: " << block[0] << " ... " << block.back();
  }
  EXPECT_GE(sessionBlocks, 5u);
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

// A link in a file's place stays, and the file it leads to is written: through a chain, relative
// or not, there or not yet; a circle of links is no file.
TEST_F(HeadlessTest, ALinkInAFilesPlaceStaysAndTheFileItLeadsToIsWritten) {
  const std::string prefs = "docs/Adobe/Illustrator/Prefs/Vestamark.ini";
  const struct {
    std::vector<std::pair<std::string, std::string>> links;  // made in this order: name, target
    std::string file, written;
  } cases[] = {{{{"graded.svg", "kept/old.svg"}}, "kept/old.svg", "<svg"},
               {{{"hop.svg", Path("kept/old.svg")}, {"graded.svg", "hop.svg"}}, "kept/old.svg", "<svg"},
               {{{prefs, "../../../../kept/new.ini"}}, "kept/new.ini", "language = ENGLISH"},
               {{{"graded.svg", "graded.svg"}}, "graded.svg", ""}};
  for (const auto& c : cases) {
    for (const char* made : {"kept", "docs", "graded.svg", "hop.svg"}) fs::remove_all(Path(made));
    for (const auto& made : {fs::path(Path(prefs)).parent_path(), fs::path(Path("kept"))}) fs::create_directories(made);
    Write("kept/old.svg", "the old pattern\n");
    for (const auto& [link, to] : c.links) fs::create_symlink(to, Path(link));
    const ProgramRun run = Grade("documents docs\nlanguage english\ntick\n");
    EXPECT_EQ(run.status, c.written.empty() ? 1 : 0) << run.err;
    for (const auto& [link, to] : c.links) EXPECT_TRUE(fs::is_symlink(Path(link))) << link;
    EXPECT_NE(ReadHostFile(Path(c.file)).find(c.written), std::string::npos) << c.file;
  }
}

// A run stopped while it writes, by a person or by a file-size limit, leaves no temporary beside
// its outputs (beside the file a link leads to) and no scratch folder; its status tells the signal.
TEST_F(HeadlessTest, ARunStoppedWhileItWritesLeavesNothingBehind) {
  std::string session = "save first.svg\n";
  for (int i = 0; i < 10000; ++i) session += "zoom 1\n";  // echoed into a pipe no one reads, where it waits
  Write("session.txt", session);
  for (const char* made : {"tmp", "kept"}) fs::create_directory(Path(made));
  fs::create_symlink("kept/first.svg", Path("first.svg"));
  for (const int stop : {SIGTERM, SIGINT, SIGHUP, SIGXFSZ}) {
    const std::string run = "cd '" + folder->root() + "' && export TMPDIR=tmp && " +
                            (stop == SIGXFSZ ? "ulimit -f 1 && " : "") + "echo $$ >pid && exec '" + ProgramPath() +
                            "' '" + ExamplePatternPath() + "' session.txt out.svg";
    FILE* unread = popen(run.c_str(), "r");
    for (int ms = 0; stop != SIGXFSZ && ms < 60000 && LeftOvers(Path("kept")).empty(); ++ms) usleep(1000);
    EXPECT_TRUE(stop == SIGXFSZ || LeftOvers(Path("kept")).size() == 1) << "beside the file the link leads to";
    if (stop != SIGXFSZ) kill(std::stoi(ReadHostFile(Path("pid"))), stop);
    const int status = pclose(unread);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == stop) << stop << " " << status;
    EXPECT_TRUE(fs::is_empty(Path("kept")) && fs::is_empty(Path("tmp"))) << stop;
  }
}

}  // namespace
}  // namespace vmtest
