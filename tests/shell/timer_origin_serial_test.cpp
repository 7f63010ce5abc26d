// Which grading group a selection belongs to, as the timer reads it.
#include "host/host_driver.h"
#include "shell/selection_signature.h"
#include "store/art_tags.h"
#include "timer_scene.h"

namespace vmtest {
namespace {

class TimerOriginSerialTest : public TimerScene {
 protected:
  static void Tag(ArtHandle art, const char* serial, const char* origin = "1,1") {
    HeldSuites suites;
    WriteStringTag(art, kGradingOriginKey, origin);
    WriteStringTag(art, kGradingSerialKey, serial);
  }
  static int32_t Serial() {
    HeldSuites suites;
    return FindGradingOriginSerial();
  }
};

TEST_F(TimerOriginSerialTest, TheGroupOfTheSelectionGivesItsSerial) {
  ArtHandle group = vmhost::AddGroup(LayerGroup());
  ArtHandle a = Rect(group, 0, 0, 10, 10);
  ArtHandle b = Rect(group, 20, 0, 90, 90);
  Tag(group, "4242");
  Tag(b, "9");
  Select({a, b});
  EXPECT_EQ(Serial(), 4242);

  // An untagged common parent leaves the choice to the paths' own tags.
  Tag(group, "4242", "");
  EXPECT_EQ(Serial(), 9);
}

TEST_F(TimerOriginSerialTest, AmongLoosePathsTheLargestTaggedOneWins) {
  ArtHandle top = LayerGroup();
  ArtHandle small = Rect(top, 0, 0, 10, 10);
  ArtHandle equalFirst = Rect(top, 0, 0, 30, 30);
  ArtHandle equalSecond = Rect(top, 50, 0, 80, 30);
  ArtHandle largestUntagged = Rect(top, 0, 0, 500, 500);
  ArtHandle onePoint = Line(top, 1);
  Tag(small, "1");
  Tag(equalSecond, "2");
  Tag(equalFirst, "3");
  Tag(onePoint, "4");
  Select({small, equalFirst, equalSecond, largestUntagged, onePoint});
  // Children run from the top down: equalSecond was added after equalFirst.
  EXPECT_EQ(Serial(), 2);

  Tag(equalSecond, "2", "");
  EXPECT_EQ(Serial(), 3);
  Tag(equalFirst, "");
  EXPECT_EQ(Serial(), 0);  // the chosen path has no serial

  Select({small, equalFirst, equalSecond, onePoint}, false);
  vmhost::SetSelected(onePoint, true);
  EXPECT_EQ(Serial(), 0);
  Select({onePoint}, false);
  EXPECT_EQ(Serial(), 0);
}

}  // namespace
}  // namespace vmtest
