// The example pattern graded on screen: with a revision tool current, the
// piece the user selects shows its graded outline once the timer has ticked.
#include "headless_run.h"
#include "host/host_driver.h"
#include "win/win_driver.h"

namespace vmtest {
namespace {

using TimerPreviewExample = HeadlessTest;

TEST_F(TimerPreviewExample, TheSelectedPieceIsPreviewedForTheCurrentPreset) {
  const ProgramRun run = Grade("language english\ntool Distance revision\nselect front\ntick\nsave\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_NE(run.out.find("\"<<Vestamark Preview>>\""), std::string::npos) << run.out;

  vmhost::ResetHost();
  std::string error;
  ASSERT_NE(vmhost::OpenDocument(Path("graded.svg"), &error), nullptr) << error;
  LayerHandle preview = vmhost::FindLayer("<<Vestamark Preview>>");
  ASSERT_NE(preview, nullptr);
  const std::vector<PathSegment> base = vmhost::Segments(vmhost::FindArtById("front"));
  ASSERT_EQ(base.size(), 6u);

  // The copy of the front, graded for the first preset S (96 % wide, 98.5 %
  // high) about the origin at the front's lower left.
  EXPECT_EQ(vmhost::Children(preview->group).size(), 1u);  // one copies group
  std::vector<PathSegment> copy;
  for (ArtHandle copies : vmhost::Children(preview->group))
    for (ArtHandle art : vmhost::Children(copies))
      if (vmhost::Segments(art).size() == base.size()) copy = vmhost::Segments(art);
  ASSERT_EQ(copy.size(), base.size());
  for (size_t i = 0; i < base.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(copy[i].p.v, base[i].p.v * 0.985, 1e-3);
  }
  EXPECT_NEAR(copy[0].p.h, base[0].p.h, 1e-3);
  EXPECT_NEAR(copy[2].p.h, base[0].p.h + (base[2].p.h - base[0].p.h) * 0.96, 1e-3);
  vmhost::ResetHost();
  vmwin::ResetWindowsLayer();
}

}  // namespace
}  // namespace vmtest
