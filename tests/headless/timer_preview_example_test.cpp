// The example pattern graded on screen: with a revision tool current, the
// piece the user selects shows its graded outline once the timer has ticked.
#include "headless_run.h"
#include "host/host_driver.h"
#include "win/win_driver.h"

namespace vmtest {
namespace {

TEST_F(HeadlessTest, TheSelectedPieceIsPreviewedForTheCurrentPreset) {
  const ProgramRun run = Grade("language english\ntool Distance revision\nselect front\ntick\nsave\n");
  ASSERT_EQ(run.status, 0) << run.err;
  vmhost::ResetHost();
  std::string error;
  ASSERT_NE(vmhost::OpenDocument(Path("graded.svg"), &error), nullptr) << error;
  const std::vector<PathSegment> base = vmhost::Segments(vmhost::FindArtById("front"));
  std::vector<PathSegment> copy;
  for (ArtHandle copies : vmhost::Children(vmhost::FindLayer("<<Vestamark Preview>>")->group))
    for (ArtHandle art : vmhost::Children(copies))
      if (vmhost::Segments(art).size() == base.size()) copy = vmhost::Segments(art);
  // The first preset S: 96 % wide, 98.5 % high, about the front's lower left.
  ASSERT_EQ(copy.size(), base.size());
  for (size_t i = 0; i < base.size(); ++i) EXPECT_NEAR(copy[i].p.v, base[i].p.v * 0.985, 1e-3) << i;
  EXPECT_NEAR(copy[2].p.h, base[0].p.h + (base[2].p.h - base[0].p.h) * 0.96, 1e-3);
  vmhost::ResetHost();
  vmwin::ResetWindowsLayer();
}

}  // namespace
}  // namespace vmtest
