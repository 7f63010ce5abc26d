// The example pattern opened in the module: each piece's grading group reads back as drawn.
#include <cstdlib>
#include <cstring>

#include "headless_run.h"
#include "support/module_suites.h"
#include "store/grading_group_tags.h"
#include "support/module_fixture.h"

namespace vmtest {
namespace {

constexpr double kMm = 2.834645669;

class ExamplePattern : public ModuleTest {
 protected:
  void SetUp() override {
    ModuleTest::SetUp();
    std::string error;
    ASSERT_NE(vmhost::OpenDocument(ExamplePatternPath(), &error), nullptr) << error;
    ASSERT_EQ(TickOnce(), kNoErr);
    suites_ = std::make_unique<ModuleSuites>();
  }
  void TearDown() override {
    std::free(globals().pieceArts);
    globals().pieceArts = nullptr;
    globals().pieceArtCount = 0;
    suites_.reset();
    ModuleTest::TearDown();
  }
  // The piece becomes the current one and its group is loaded.
  ArtHandle Load(const char* id) {
    ArtHandle art = vmhost::FindArtById(id);
    EXPECT_NE(art, nullptr) << id;
    std::free(globals().pieceArts);
    globals().pieceArts = static_cast<ArtHandle*>(std::malloc(sizeof(ArtHandle)));
    globals().pieceArts[0] = art;
    globals().pieceArtCount = 1;
    LoadGradingGroup(&art, 1);
    return art;
  }

 private:
  std::unique_ptr<ModuleSuites> suites_;
};

TEST_F(ExamplePattern, EveryPieceCarriesItsSizesHandleAndVariable) {
  struct Expected {
    const char* id;
    const char* title;
    const char* handle;
    int16_t bothEnds;
    int32_t index1, index2;
    double originX, originY;  // mm
  };
  const Expected pieces[] = {
      {"back", "BACK", "side", 0, 2, 1, 0, 0},
      {"front", "FRONT", "side", 0, 2, 1, 280, 0},
      {"sleeve", "SLEEVE", "bicep", 1, 6, 2, 800, 440},
  };
  for (const Expected& e : pieces) {
    SCOPED_TRACE(e.id);
    ArtHandle art = Load(e.id);
    const PluginGlobals& g = globals();
    EXPECT_STREQ(g.grading_title, e.title);
    EXPECT_NEAR(g.grading_origin.h, e.originX * kMm, 0.01);
    EXPECT_NEAR(g.grading_origin.v, e.originY * kMm, 0.01);
    const double sizes[4][2] = {{0.96, 0.985}, {1, 1}, {1.04, 1.015}, {1.08, 1.03}};
    for (int s = 0; s < 4; ++s) {
      EXPECT_DOUBLE_EQ(g.groupPresetScale[s].h, sizes[s][0]);
      EXPECT_DOUBLE_EQ(g.groupPresetScale[s].v, sizes[s][1]);
    }
    const RevisionHandle& h = g.handles[0];
    EXPECT_EQ(h.kind, 2);       // distance
    EXPECT_EQ(h.direction, 1);  // horizontal
    EXPECT_EQ(h.bothEnds, e.bothEnds);
    EXPECT_STREQ(h.name, e.handle);
    EXPECT_EQ(h.line.art1, art);
    EXPECT_EQ(h.line.art2, art);
    EXPECT_EQ(h.line.index1, e.index1);
    EXPECT_EQ(h.line.index2, e.index2);
    EXPECT_STREQ(h.line.amountExpr[0], "ease_s");  // the small size eases less
    EXPECT_STREQ(h.line.amountExpr[1], "100.0");
    EXPECT_EQ(g.handles[1].kind, 0);
    EXPECT_STREQ(g.variables.varNames[0], "ease_s");
    EXPECT_STREQ(g.variables.varValues[0], "90");
  }
}

}  // namespace
}  // namespace vmtest
