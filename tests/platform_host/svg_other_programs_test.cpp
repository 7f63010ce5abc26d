// Patterns drawn in other programs, opened in the host: an editor's layered file
// in millimetres, a commercial program's export, a pattern library's export and
// a file of arcs and quadratics. Each reads with the geometry its file defines,
// draws the same in a viewer once saved, and saves again byte for byte.
#include <cmath>
#include <cstdio>

#include "support/host_dump.h"
#include "support/host_fixture.h"
#include "svg_test_files.h"

using namespace vmtest;

namespace {

constexpr const char* kFiles[] = {"editor-layers.svg", "commercial-export.svg", "pattern-library.svg",
                                  "arcs-and-quadratics.svg"};

class OtherProgramsTest : public HostTest {
 protected:
  DocumentHandle Open(const std::string& name, std::vector<std::string>* warnings = nullptr) {
    std::string error;
    DocumentHandle read = vmhost::OpenDocument(SvgDataPath(name), &error, warnings);
    EXPECT_NE(read, nullptr) << error;
    return read;
  }
  static ArtHandle Child(ArtHandle parent, size_t topmostFirst) {
    const auto kids = vmhost::Children(parent);
    EXPECT_LT(topmostFirst, kids.size());
    return topmostFirst < kids.size() ? kids[topmostFirst] : nullptr;
  }
  static ArtHandle Loose(DocumentHandle read) {  // the layer of art outside any layer
    LayerHandle layer = vmhost::FindLayer("Layer 1");
    EXPECT_NE(layer, nullptr);
    EXPECT_EQ(layer->doc, read);
    return layer ? layer->group : nullptr;
  }
};

struct Anchor {
  ArtHandle art;
  size_t index;
  double h, v;  // document points, y up
};

void ExpectAnchors(const std::vector<Anchor>& expected) {
  for (const Anchor& e : expected) {
    ASSERT_NE(e.art, nullptr);
    const auto segments = vmhost::Segments(e.art);
    ASSERT_LT(e.index, segments.size()) << vmhost::ArtId(e.art);
    EXPECT_NEAR(segments[e.index].p.h, e.h, 0.001) << vmhost::ArtId(e.art) << " anchor " << e.index;
    EXPECT_NEAR(segments[e.index].p.v, e.v, 0.001) << vmhost::ArtId(e.art) << " anchor " << e.index;
  }
}

int32_t Closed(ArtHandle art) {
  int32_t closed = -1;
  kPathSuite.GetPathClosed(art, &closed);
  return closed;
}

TEST_F(OtherProgramsTest, AnEditorsLayersInMillimetresReadAsDrawn) {
  DocumentHandle read = Open("editor-layers.svg");
  ASSERT_NE(read, nullptr);
  // Millimetre user units under the layer's translate(10,20); y turned up.
  auto mm = [](double x, double y) { return std::pair{x * kPointsPerMm, -y * kPointsPerMm}; };
  ArtHandle front = vmhost::FindArtById("front");
  std::vector<Anchor> expected;
  const double frontAnchors[][2] = {{30, 220}, {150, 220}, {160, 120}, {155, 60}, {95, 40}, {30, 80}};
  for (size_t i = 0; i < 6; ++i) {
    auto [h, v] = mm(frontAnchors[i][0], frontAnchors[i][1]);
    expected.push_back({front, i, h, v});
  }
  const double boxAnchors[][2] = {{53, 170}, {77, 170}, {80, 173}, {80, 187},
                                  {77, 190}, {53, 190}, {50, 187}, {50, 173}};
  for (size_t i = 0; i < 8; ++i) {
    auto [h, v] = mm(boxAnchors[i][0], boxAnchors[i][1]);
    expected.push_back({vmhost::FindArtById("label-box"), i, h, v});
  }
  ExpectAnchors(expected);
  const auto segments = vmhost::Segments(front);
  ASSERT_EQ(segments.size(), 6u);
  EXPECT_EQ(Closed(front), 1);
  EXPECT_NEAR(segments[2].out.h, 145 * kPointsPerMm, 0.001);  // c -15,-20 from (150,100), moved
  EXPECT_NEAR(segments[3].in.v, -80 * kPointsPerMm, 0.001);
  EXPECT_EQ(vmhost::Segments(vmhost::FindArtById("label-box")).size(), 8u);

  // A 100 mm line is 283.46 points long.
  const auto hundred = vmhost::Segments(vmhost::FindArtById("hundred"));
  ASSERT_EQ(hundred.size(), 2u);
  EXPECT_NEAR(hundred[1].p.h - hundred[0].p.h, 283.465, 0.001);
  PathStyle style;
  kPathStyleSuite.GetPathStyle(vmhost::FindArtById("hundred"), &style);
  EXPECT_EQ(style.fillPaint, 0);
  EXPECT_EQ(style.strokePaint, 1);
  EXPECT_NEAR(style.strokeWidth, 0.5 * kPointsPerMm, 1e-9);

  // Layers from the top: the art outside every layer (drawn last), the hidden notes, the pattern.
  std::vector<std::string> titles;
  for (HostLayer* layer : read->d.layers) titles.push_back(vmhost::LayerTitle(layer));
  EXPECT_EQ(titles, (std::vector<std::string>{"Layer 1", "Notes", "Pattern"}));
  EXPECT_FALSE(vmhost::FindLayer("Notes")->d.visible);
  EXPECT_TRUE(vmhost::FindLayer("Pattern")->d.visible);
  EXPECT_EQ(vmhost::Children(vmhost::FindLayer("Pattern")->group).size(), 3u);

  // The note is point text where its tspan places it, 6 mm high.
  ArtHandle note = vmhost::FindArtById("note");
  EXPECT_EQ(vmhost::Text(note), "Front, cut 2");
  EXPECT_NEAR(note->d.text.anchor.h, 60 * kPointsPerMm, 0.001);
  EXPECT_NEAR(note->d.text.anchor.v, -250 * kPointsPerMm, 0.001);
  EXPECT_NEAR(note->d.text.chars.size, 6 * kPointsPerMm, 1e-9);
}

TEST_F(OtherProgramsTest, ACommercialExportWithRelativeCurvesAndTurnedTextReadsAsDrawn) {
  std::vector<std::string> warnings;
  DocumentHandle read = Open("commercial-export.svg", &warnings);
  ASSERT_NE(read, nullptr);
  // Pixels of 0.75 point; the top-level group stands as a group on the one layer.
  ArtHandle back = vmhost::FindArtById("Back");
  ASSERT_NE(back, nullptr);
  EXPECT_EQ(back->d.parent, Loose(read));
  ASSERT_EQ(vmhost::Children(back).size(), 5u);
  ArtHandle piece = Child(back, 4), line = Child(back, 3), ellipse = Child(back, 2);
  std::vector<Anchor> expected;
  const double pieceAnchors[][2] = {{50, 400}, {60, 280}, {60, 160}, {140, 140}, {200, 170}, {205, 230}, {210, 350}};
  for (size_t i = 0; i < 7; ++i) expected.push_back({piece, i, 0.75 * pieceAnchors[i][0], -0.75 * pieceAnchors[i][1]});
  expected.push_back({line, 0, 45, -225});
  expected.push_back({line, 1, 150, -225});
  // The ellipse's anchors through its matrix.
  auto matrix = [](double x, double y) {
    return std::pair{0.75 * (0.866 * x + 0.5 * y - 108.9), -0.75 * (-0.5 * x + 0.866 * y + 93.49)};
  };
  const double ellipseAnchors[][2] = {{132, 250}, {120, 256}, {108, 250}, {120, 244}};
  for (size_t i = 0; i < 4; ++i) {
    auto [h, v] = matrix(ellipseAnchors[i][0], ellipseAnchors[i][1]);
    expected.push_back({ellipse, i, h, v});
  }
  ExpectAnchors(expected);
  // The closing line ends on the start: seven anchors, the last curve of s reflecting c's handle.
  const auto segments = vmhost::Segments(piece);
  ASSERT_EQ(segments.size(), 7u);
  EXPECT_EQ(Closed(piece), 1);
  EXPECT_NEAR(segments[1].out.h, 0.75 * 65, 1e-9);
  EXPECT_NEAR(segments[1].out.v, -0.75 * 240, 1e-9);
  PathStyle style;
  kPathStyleSuite.GetPathStyle(piece, &style);
  EXPECT_EQ(style.fillPaint, 0);
  EXPECT_NEAR(style.strokeWidth, 0.75, 1e-12);
  kPathStyleSuite.GetPathStyle(line, &style);
  EXPECT_NEAR(style.strokeWidth, 0.375, 1e-12);
  EXPECT_EQ(style.strokeColor.kind, ColorKind::Process);

  // Text at its place: upright, and turned to read upwards along the fold.
  ArtHandle label = Child(back, 1), fold = Child(back, 0);
  EXPECT_EQ(vmhost::Text(label), "BACK");
  EXPECT_NEAR(label->d.text.anchor.h, 67.875, 1e-9);
  EXPECT_NEAR(label->d.text.anchor.v, -262.6875, 1e-9);
  EXPECT_NEAR(label->d.text.chars.size, 9, 1e-9);
  EXPECT_EQ(label->d.text.matrix.a, 1);
  EXPECT_EQ(label->d.text.matrix.b, 0);
  EXPECT_EQ(vmhost::Text(fold), "CB fold");
  EXPECT_NEAR(fold->d.text.anchor.h, 52.5, 1e-9);
  EXPECT_NEAR(fold->d.text.anchor.v, -247.5, 1e-9);
  const RealMatrix& turn = fold->d.text.matrix;
  EXPECT_NEAR(turn.a, 0, 1e-12);
  EXPECT_NEAR(turn.b, 1, 1e-12);
  EXPECT_NEAR(turn.c, -1, 1e-12);
  EXPECT_NEAR(turn.d, 0, 1e-12);
  const RealPoint fixed = ApplyMatrix(turn, fold->d.text.anchor);  // turned about its anchor
  EXPECT_NEAR(fixed.h, 52.5, 1e-9);
  EXPECT_NEAR(fixed.v, -247.5, 1e-9);
  ASSERT_NE(fold->d.text.chars.font, nullptr);
  EXPECT_EQ(fold->d.text.chars.font->name, "ArialMT");

  // The gradient-filled rectangle stays, painted; the gradient and the image are skipped aloud.
  const auto loose = vmhost::Children(Loose(read));
  ASSERT_EQ(loose.size(), 3u);  // polygon, rect, the group
  kPathStyleSuite.GetPathStyle(loose[1], &style);
  EXPECT_EQ(style.fillPaint, 1);
  EXPECT_EQ(vmhost::Segments(loose[0]).size(), 4u);
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_NE(warnings[0].find("commercial-export.svg: line 13: skipped <linearGradient> (id 'SVGID_1_')"),
            std::string::npos)
      << warnings[0];
  EXPECT_NE(warnings[1].find("commercial-export.svg: line 24: skipped <image>"), std::string::npos) << warnings[1];
}

TEST_F(OtherProgramsTest, APatternLibrarysExportWithUseStylesheetAndTspansReadsAsDrawn) {
  std::vector<std::string> warnings;
  DocumentHandle read = Open("pattern-library.svg", &warnings);
  ASSERT_NE(read, nullptr);
  auto mm = [](double x, double y) { return std::pair{x * kPointsPerMm, -y * kPointsPerMm}; };
  ArtHandle sleeve = vmhost::FindArtById("sleeve");
  std::vector<Anchor> expected;
  const double sleeveAnchors[][2] = {{20, 80}, {100, 30}, {180, 80}, {170, 180}, {30, 180}};
  for (size_t i = 0; i < 5; ++i) {
    auto [h, v] = mm(sleeveAnchors[i][0], sleeveAnchors[i][1]);
    expected.push_back({sleeve, i, h, v});
  }
  // Each use draws the notch again at its place, under the use's id; the circle is drawn first.
  for (auto [id, x] : {std::pair{"notch-front", 60.0}, std::pair{"notch-back", 140.0}}) {
    ArtHandle notch = vmhost::FindArtById(id);
    ASSERT_NE(notch, nullptr) << id;
    ASSERT_EQ(vmhost::Children(notch).size(), 2u);
    auto [h, v] = mm(x + 1.5, 40);
    expected.push_back({Child(notch, 1), 0, h, v});
    auto [h2, v2] = mm(x - 1.5, 40);
    expected.push_back({Child(notch, 0), 0, h2, v2});
  }
  ExpectAnchors(expected);
  // The quadratic and its smooth continuation as cubics: two thirds towards each control point.
  const auto segments = vmhost::Segments(sleeve);
  ASSERT_EQ(segments.size(), 5u);
  EXPECT_NEAR(segments[0].out.h, (20 + 80.0 / 3) * kPointsPerMm, 1e-9);
  EXPECT_NEAR(segments[0].out.v, -40 * kPointsPerMm, 1e-9);
  EXPECT_NEAR(segments[2].in.h, (20 + 400.0 / 3) * kPointsPerMm, 1e-9);
  EXPECT_NEAR(segments[2].in.v, -(20 + 100.0 / 3) * kPointsPerMm, 1e-9);

  // The stylesheet: a class rule over an element rule, element rules for what a class leaves.
  PathStyle style;
  kPathStyleSuite.GetPathStyle(sleeve, &style);
  EXPECT_NEAR(style.strokeWidth, 0.6 * kPointsPerMm, 1e-9);
  EXPECT_EQ(style.fillPaint, 0);
  kPathStyleSuite.GetPathStyle(vmhost::FindArtById("grainline"), &style);
  EXPECT_NEAR(style.strokeWidth, 0.2 * kPointsPerMm, 1e-9);
  kPathStyleSuite.GetPathStyle(Child(vmhost::FindArtById("notch-front"), 1), &style);
  EXPECT_NEAR(style.strokeWidth, 0.4 * kPointsPerMm, 1e-9);
  EXPECT_EQ(style.strokeColor.kind, ColorKind::Process);

  // The tspans' words on one line of point text, centred where the text stands.
  ArtHandle label = Child(vmhost::FindArtById("stack-sleeve"), 0);
  EXPECT_EQ(vmhost::Text(label), "Sleeve (cut 2)");
  EXPECT_NEAR(label->d.text.anchor.h, 100 * kPointsPerMm, 1e-9);
  EXPECT_NEAR(label->d.text.anchor.v, -120 * kPointsPerMm, 1e-9);
  EXPECT_EQ(label->d.text.para.justification, kJustifyCenter);
  EXPECT_NEAR(label->d.text.chars.size, 5 * kPointsPerMm, 1e-9);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("line 20: skipped <marker> (id 'grainlineTo')"), std::string::npos) << warnings[0];
}

TEST_F(OtherProgramsTest, ArcsAndQuadraticsReadWithTheirAnchorsOnTheCurve) {
  ASSERT_NE(Open("arcs-and-quadratics.svg"), nullptr);
  // Hundredths of an inch: 0.72 point.
  const struct {
    const char* id;
    std::vector<std::pair<double, double>> anchors;
  } paths[] = {
      // Half circles split at their tops, a half ellipse, a grown half circle, a semicircle back.
      {"arcs",
       {{100, 300},
        {200, 200},
        {300, 300},
        {350, 325},
        {400, 300},
        {425, 275},
        {450, 300},
        {450, 400},
        {275, 575},
        {100, 400}}},
      {"grown", {{500, 100}, {550, 50}, {600, 100}}},
      {"flat", {{500, 200}, {550, 250}}},
      {"three-quarters", {{650, 250}, {600, 200}, {650, 150}, {700, 200}}},
      {"quads", {{100, 500}, {200, 500}, {300, 500}, {400, 500}, {500, 500}}},
      {"compact", {{600, 330}, {590, 310}, {610.5, 310.5}}},
      {"circle", {{700, 450}, {650, 500}, {600, 450}, {650, 400}}},
  };
  for (const auto& path : paths) {
    ArtHandle art = vmhost::FindArtById(path.id);
    ASSERT_NE(art, nullptr) << path.id;
    EXPECT_EQ(vmhost::Segments(art).size(), path.anchors.size()) << path.id;
    std::vector<Anchor> expected;
    for (size_t i = 0; i < path.anchors.size(); ++i)
      expected.push_back({art, i, 0.72 * path.anchors[i].first, -0.72 * path.anchors[i].second});
    ExpectAnchors(expected);
  }
  // A zero radius draws a line; quadratics are cubics with their controls two thirds along.
  const auto flat = vmhost::Segments(vmhost::FindArtById("flat"));
  EXPECT_EQ(flat[0].out.h, flat[0].p.h);
  EXPECT_EQ(flat[1].in.v, flat[1].p.v);
  const auto quads = vmhost::Segments(vmhost::FindArtById("quads"));
  EXPECT_NEAR(quads[0].out.h, 0.72 * (100 + 100.0 / 3), 1e-9);
  EXPECT_NEAR(quads[1].out.v, -0.72 * (500 + 100.0 / 3), 1e-9);  // T reflects Q's control below
  EXPECT_NEAR(quads[3].out.v, -0.72 * (500 + 100.0 / 3), 1e-9);  // q drawn below again
  EXPECT_EQ(Closed(vmhost::FindArtById("compact")), 1);
  EXPECT_EQ(Closed(vmhost::FindArtById("circle")), 1);
}

TEST_F(OtherProgramsTest, AViewerDrawsTheSavedFileOnTheOriginalsSheetWithinAPixel) {
  if (!CanRender()) GTEST_SKIP() << "rsvg-convert is not installed";
  for (const char* name : kFiles) {
    SCOPED_TRACE(name);
    DocumentHandle read = Open(name);
    ASSERT_NE(read, nullptr);
    const std::string saved = ScratchPath(std::string("render-") + name);
    std::string error;
    ASSERT_TRUE(vmhost::SaveDocument(read, saved, &error)) << error;
    const auto original = PaintedPixels(SvgDataPath(name)), ours = PaintedPixels(saved);
    ASSERT_TRUE(original && ours);
    // Ours is written on the original's sheet: a viewer paints the same pixels.
    EXPECT_NEAR(original->left, ours->left, 1);
    EXPECT_NEAR(original->right, ours->right, 1);
    EXPECT_NEAR(original->top, ours->top, 1);
    EXPECT_NEAR(original->bottom, ours->bottom, 1);
    std::remove(saved.c_str());
  }
}

TEST_F(OtherProgramsTest, AFileFromAnotherProgramSavedReopensAndSavesByteForByte) {
  for (const char* name : kFiles) {
    SCOPED_TRACE(name);
    DocumentHandle read = Open(name);
    ASSERT_NE(read, nullptr);
    const std::string dump = DumpDocument(read);
    const std::string first = ScratchPath("first.svg"), second = ScratchPath("second.svg");
    std::string error;
    ASSERT_TRUE(vmhost::SaveDocument(read, first, &error)) << error;
    DocumentHandle reopened = vmhost::OpenDocument(first, &error);
    ASSERT_NE(reopened, nullptr) << error;
    EXPECT_EQ(DumpDocument(reopened), dump);
    ASSERT_TRUE(vmhost::SaveDocument(reopened, second, &error)) << error;
    EXPECT_EQ(ReadWholeFile(second), ReadWholeFile(first));
    // The same file gives the same ids, so a session can name art that had none.
    DocumentHandle again = Open(name);
    EXPECT_EQ(DumpDocument(again), dump);
    std::remove(first.c_str());
    std::remove(second.c_str());
  }
}

}  // namespace
