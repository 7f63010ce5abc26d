// A pattern as pattern software exports it: an A1 sheet counted at 72 px to the
// inch, every piece in groups three deep, lines and curves, letter-spaced labels.
// A person grades the front through every command that saves or reloads it, and
// each time sees the piece still selected and previewed; the output keeps the
// sheet, and a viewer draws it where the host has it.
#include <cmath>
#include <filesystem>
#include <regex>
#include <set>

#include "headless_run.h"
#include "support/viewer_pixels.h"
#include "host/host_driver.h"
#include "win/win_driver.h"

namespace vmtest {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;

std::string ExportedBodice() {
  const char* data = std::getenv("VESTAMARK_TEST_DATA");
  return std::string(data != nullptr ? data : "tests/data") + "/svg/exported-bodice.svg";
}

// What a person sees of a saved document: the selected arts, and the preview of the piece.
struct Seen {
  std::vector<std::string> selected;
  std::vector<PathSegment> preview;  // the copy of the six-anchor front
};

Seen SeenIn(const std::string& path) {
  Seen seen;
  OpenedDocument opened(path);
  EXPECT_NE(opened.doc, nullptr) << opened.error;
  if (opened.doc == nullptr) return seen;
  for (HostLayer* layer : opened.doc->d.layers)
    ForEachArt(layer->group, [&](HostArt* a) {
      if (a != layer->group && vmhost::IsSelected(a)) seen.selected.push_back(a->d.id);
    });
  if (LayerHandle preview = vmhost::FindLayer("<<Vestamark Preview>>"))
    ForEachArt(preview->group, [&](HostArt* a) {
      if (a->d.type == kPathArt && a->d.segments.size() == 6) seen.preview = vmhost::Segments(a);
    });
  return seen;
}

// The art with this id alone on the sheet of a saved document, as a viewer paints it and as the
// host has it, both in pixels of the sheet at 96 dpi.
struct Drawn {
  std::optional<PixelBox> viewer;
  double left = 0, top = 0, right = 0, bottom = 0;  // the host's bounds
};

Drawn DrawnAlone(const std::string& path, const char* id, const std::string& alone) {
  Drawn drawn;
  OpenedDocument opened(path);
  HostArt* art = vmhost::FindArtById(id);
  if (opened.doc == nullptr || art == nullptr) return drawn;
  std::set<HostArt*> kept;
  for (HostArt* a = art; a != nullptr; a = a->d.parent) kept.insert(a);
  ForEachArt(art, [&](HostArt* a) { kept.insert(a); });
  for (HostLayer* layer : opened.doc->d.layers)
    ForEachArt(layer->group, [&](HostArt* a) {
      if (!kept.count(a)) a->d.attrs |= kArtHidden;
    });
  std::string error;
  EXPECT_TRUE(vmhost::SaveDocument(opened.doc, alone, &error)) << error;
  drawn.viewer = PaintedPixels(alone);
  bool empty = true;
  const RealRect b = ArtBounds(art, false, &empty);
  const DocumentPage& page = opened.doc->page;
  const double pixels = 96.0 / 72;
  drawn.left = (b.left - page.x) * pixels;
  drawn.right = (b.right - page.x) * pixels;
  drawn.top = (-b.top - page.y) * pixels;
  drawn.bottom = (-b.bottom - page.y) * pixels;
  return drawn;
}

double Width(const std::vector<PathSegment>& s) {
  double left = 1e9, right = -1e9;
  for (const PathSegment& p : s) {
    left = std::min(left, p.p.h);
    right = std::max(right, p.p.h);
  }
  return right - left;
}

TEST_F(HeadlessTest, APieceThreeGroupsDeepOnAnA1SheetIsGradedThroughEveryCommand) {
  // The file counts 72 px to the inch: read so, its sheet is A1 and the front's hem is 400 pt wide.
  const ProgramRun list = Host({"--list", "--px-per-inch", "72", ExportedBodice()});
  ASSERT_EQ(list.status, 0) << list.err;
  EXPECT_EQ(list.out.substr(0, list.out.find('\n')), "page 594.00 x 841.00 mm, px read as 1/72 inch (a point)");
  EXPECT_NE(list.out.find("front        path   \"Layer 1\"        6   29.99  -282.22  190.50    -52.92"),
            std::string::npos)
      << list.out;
  const ProgramRun asSvgSays = Host({"--list", ExportedBodice()});
  EXPECT_EQ(asSvgSays.out.substr(0, asSvgSays.out.find('\n')), "page 445.50 x 630.75 mm, px read as 1/96 inch");

  // The hem's right end (500, -800) to the underarm (540, -450); the front is the only art selected.
  const std::vector<std::string> commands = {
      "tool Distance revision\ndown 500 -800\ndrag 520 -600\nup 540 -450\ntick",
      // the handle edited in its dialog (its row is the second of the Information list)
      "dialog 17154\n  set 4 120\n  set 9 \"side seam\"\n  click 1\nend\npanel Vestamark_INF_PANEL double-click 1 1",
      "flyout Vestamark_INF_PANEL S", "flyout Vestamark_INF_PANEL L", "flyout Vestamark_INF_PANEL LL",
      "flyout Vestamark_INF_PANEL M",
      "dialog 17161\n  click 1\nend\nflyout Vestamark_INF_PANEL \"Preset setting...\"",
      "dialog 17070\n  click 4\n  check 6 1\n  check 8 1\n  check 9 1\n  click 1\nend\n"
      "panel Vestamark_INF_PANEL click 6",
      "undo"};
  // Four sizes of their own scales.
  std::filesystem::create_directories(Path("documents/Adobe/Illustrator/Prefs"));
  Write("documents/Adobe/Illustrator/Prefs/Vestamark.ini",
        "grading_preset_01 = \"S\",0.96,0.985,1,0,1,0\r\n"
        "grading_preset_02 = \"M\",1,1,1,1,1,0\r\n"
        "grading_preset_03 = \"L\",1.04,1.015,1,2,1,0\r\n"
        "grading_preset_04 = \"LL\",1.08,1.03,1,3,1,0\r\n");
  std::string session = "px-per-inch 72\ndocuments " + Path("documents") + "\nlanguage english\nselect front\ntick\n";
  for (size_t i = 0; i < commands.size(); ++i)
    session += commands[i] + "\ntick 2\nsave " + Path("after-" + std::to_string(i) + ".svg") + "\n";
  const ProgramRun run = Grade(session, ExportedBodice());
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("beep"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("   page 594.00 x 841.00 mm, px read as 1/72 inch (a point)\n"), std::string::npos);
  EXPECT_NE(run.out.find("undo text: \"Undo Distance revision\""), std::string::npos) << run.out;

  for (size_t i = 0; i < commands.size(); ++i) {
    SCOPED_TRACE(commands[i]);
    const Seen seen = SeenIn(Path("after-" + std::to_string(i) + ".svg"));
    EXPECT_EQ(seen.selected, std::vector<std::string>{"front"});
    EXPECT_EQ(seen.preview.size(), 6u) << "the preview holds the graded front";
  }
  // Each size shows a front of its own width.
  std::set<long> widths;
  for (size_t i = 2; i <= 5; ++i)
    widths.insert(std::lround(100 * Width(SeenIn(Path("after-" + std::to_string(i) + ".svg")).preview)));
  EXPECT_EQ(widths.size(), 4u);

  // The output is on the sheet the file was drawn on, counted in points now.
  const std::string output = ReadHostFile(Path("graded.svg"));
  EXPECT_NE(output.find("width=\"1683.78pt\" height=\"2383.94pt\" viewBox=\"0 0 1683.78 2383.94\""),
            std::string::npos)
      << output.substr(0, 400);
  // The letter-spaced labels read as the words they are.
  EXPECT_NE(output.find("vm:text=\"FRONT BODICE\""), std::string::npos);
  EXPECT_NE(output.find("vm:text=\"BACK\""), std::string::npos);
  if (!CanRender()) GTEST_SKIP() << "rsvg-convert is not installed";
  // A viewer draws the front's closing curve, out to x 85, where the host has it (its line of
  // 1 pt half outside), and the turned label upright along the back's side.
  const Drawn front = DrawnAlone(Path("graded.svg"), "front", Path("front.svg"));
  ASSERT_TRUE(front.viewer);
  EXPECT_NEAR(front.viewer->left, front.left, 1.5);
  EXPECT_NEAR(front.viewer->right, front.right, 1.5);
  EXPECT_NEAR(front.viewer->top, front.top, 1.5);
  EXPECT_NEAR(front.viewer->bottom, front.bottom, 1.5);
  EXPECT_NEAR(front.left, 85 * 96.0 / 72, 1e-6) << "the closing curve bulges out";
  const Drawn label = DrawnAlone(Path("graded.svg"), "back-label", Path("label.svg"));
  ASSERT_TRUE(label.viewer);
  EXPECT_GT(label.viewer->bottom - label.viewer->top, 1.5 * (label.viewer->right - label.viewer->left));
  EXPECT_GT(label.bottom - label.top, 1.5 * (label.right - label.left));
  EXPECT_NEAR((label.viewer->left + label.viewer->right) / 2.0, (label.left + label.right) / 2, 4);
  EXPECT_NEAR((label.viewer->top + label.viewer->bottom) / 2.0, (label.top + label.bottom) / 2, 8);
}

// A piece that stores more handles than the table's 200 (another program wrote them) is loaded
// with the first 200, and the person is told so once, not at every tick.
TEST_F(HeadlessTest, APieceWithMoreHandlesThanTheTableHoldsSaysSoOnce) {
  std::string pattern = ReadHostFile(ExamplePatternPath());
  const size_t conf = pattern.find("vm:tag.vmk_grading_fxh_conf_1=", pattern.find("id=\"front\""));
  ASSERT_NE(conf, std::string::npos);
  const size_t end = pattern.find('"', pattern.find('"', conf) + 1) + 1;
  const std::string stored = pattern.substr(conf, end - conf);
  const std::string beyond = std::regex_replace(stored, std::regex("conf_1="), "conf_201=");
  pattern = pattern.substr(0, end) + " " + beyond + pattern.substr(end);
  const ProgramRun run = Grade("language english\nselect front\ntick 3\nselect back\ntick\nselect front\ntick\n",
                               Write("crowded.svg", pattern));
  ASSERT_EQ(run.status, 0) << run.err;
  const std::string told =
      "alert: \"This piece has more than 200 revision handles.\rOnly the first 200 are loaded; the others are lost "
      "when it is saved.\"";
  const size_t first = run.out.find(told);
  EXPECT_NE(first, std::string::npos) << run.out;
  EXPECT_EQ(run.out.find(told, first + 1), std::string::npos) << run.out;
}

}  // namespace
}  // namespace vmtest
