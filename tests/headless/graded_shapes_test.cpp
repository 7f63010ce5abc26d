// Sessions over pieces of other shapes than the bodice's: a front drawn as a
// compound path, and a measurement along an open hem whose ends were dragged
// past each other.
#include <algorithm>

#include "headless_run.h"

namespace vmtest {
namespace {

double Width(ArtHandle path) {
  double left = 1e9, right = -1e9;
  for (const PathSegment& s : vmhost::Segments(path)) {
    left = std::min(left, s.p.h);
    right = std::max(right, s.p.h);
  }
  return right - left;
}

// The front with its pocket opening, written for each size on a layer of the size's name: one
// compound path each, the outline and the opening, each size wider than the one before.
TEST_F(HeadlessTest, FrontDrawnAsACompoundPathIsWrittenForEverySizeWithItsOpening) {
  const ProgramRun run = Host(
      {ExampleFile("front-with-pocket.svg"), ExampleFile("grade-front-with-pocket.session"), Path("graded.svg")});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("beep"), std::string::npos) << run.out;
  OpenedDocument written(Path("graded.svg"));
  ASSERT_NE(written.doc, nullptr) << written.error;
  EXPECT_NE(vmhost::Tag(vmhost::FindArtById("front"), "vmk_grading_fxh_conf_1"), "") << "the drawn handle";
  double previous = 0;
  for (const char* size : {"S", "M", "L", "LL"}) {
    SCOPED_TRACE(size);
    LayerHandle layer = vmhost::FindLayer(size);
    ASSERT_NE(layer, nullptr);
    const std::vector<ArtHandle> top = vmhost::Children(layer->group);
    ASSERT_EQ(top.size(), 1u);
    EXPECT_EQ(top[0]->d.type, kCompoundPathArt);
    const std::vector<ArtHandle> paths = vmhost::Children(top[0]);
    ASSERT_EQ(paths.size(), 2u);
    const double outline = std::max(Width(paths[0]), Width(paths[1]));
    const double opening = std::min(Width(paths[0]), Width(paths[1]));
    EXPECT_GT(outline, previous);
    EXPECT_NEAR(opening / outline, 0.4, 1e-6) << "80 of 200 mm at every size";
    previous = outline;
  }
}

// A measurement from the second anchor of a hem to the fourth, whose first end is then dragged
// beyond the fourth: it measures from the fourth anchor to the fifth, and the saved preview marks
// that stretch, wide, along the hem.
TEST_F(HeadlessTest, MeasurementReversedOnAnOpenHemMarksTheStretchItMeasures) {
  Write("hem.svg",
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:vm=\"urn:x-vestamark:document:1\">\n"
        "  <g id=\"pattern\" vm:type=\"layer\" vm:title=\"Pattern\" vm:current=\"1\">\n"
        "    <path id=\"hem\" d=\"M0 0 L100 0 L200 0 L300 0 L400 0\" fill=\"none\" stroke=\"#000000\"/>\n"
        "  </g>\n"
        "</svg>\n");
  const ProgramRun run = Grade(
      "language english\n"
      "tick\n"
      "tool Measurement\n"
      "select hem\n"
      "tick\n"
      "down 100 0\ndrag 200 10\ndrag 300 0\nup 300 0\n"
      "down 100 0\ndrag 250 10\ndrag 400 0\nup 400 0\n"
      "tick\n",
      Path("hem.svg"));
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out.find("beep"), std::string::npos) << run.out;

  OpenedDocument written(Path("graded.svg"));
  ASSERT_NE(written.doc, nullptr) << written.error;
  ArtHandle hem = vmhost::FindArtById("hem");
  // The hem's 100 points, graded at 120 %, in millimetres: distance and length alike.
  EXPECT_EQ(vmhost::Tag(hem, "vmk_grading_var_name_002"), "GLA");
  EXPECT_EQ(vmhost::Tag(hem, "vmk_grading_var_value_002000"), "42.33");
  EXPECT_EQ(vmhost::Tag(hem, "vmk_grading_var_value_000000"), "42.33");

  LayerHandle preview = vmhost::FindLayer("<<Vestamark Preview>>");
  ASSERT_NE(preview, nullptr);
  std::vector<ArtHandle> wide;
  std::vector<ArtHandle> arts = vmhost::Children(preview->group);
  while (!arts.empty()) {
    ArtHandle art = arts.back();
    arts.pop_back();
    for (ArtHandle child : vmhost::Children(art)) arts.push_back(child);
    if (art->d.type == kPathArt && art->d.style.strokeWidth == 2) wide.push_back(art);
  }
  ASSERT_EQ(wide.size(), 1u);
  const std::vector<PathSegment> stretch = vmhost::Segments(wide[0]);
  ASSERT_EQ(stretch.size(), 2u);
  EXPECT_EQ(stretch[0].p.h, 300);
  EXPECT_EQ(stretch[1].p.h, 400);
}

}  // namespace
}  // namespace vmtest
