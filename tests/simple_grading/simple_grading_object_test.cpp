// Simple-grading objects found by their tag, and the record the tag holds.
#include "simple_grading/simple_grading_object.h"

#include "simple_grading_scene.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/tool_config_tag.h"

namespace vmtest {
namespace {

using SimpleGradingObjectTest = SimpleGradingScene;

TEST_F(SimpleGradingObjectTest, ObjectsAreFoundByTypeAndTheirRecordsReadBack) {
  ArtHandle foreign = vmhost::AddGroup();
  ArtHandle insideForeign = vmhost::AddGroup(foreign);
  ArtHandle chart = vmhost::AddGroup(vmhost::AddGroup());
  ArtHandle sleeve = vmhost::AddGroup(chart);  // inside another object: not searched
  ArtHandle front = vmhost::AddGroup(vmhost::AddGroup());
  RealPoint point{7, 7};
  int16_t rotation = 9;
  double reals[4] = {5, 5, 5, 5};
  ArtHandle found[3] = {};
  int read[3] = {};
  InModuleCall([&] {
    WriteStringTag(foreign, kToolConfigTagKey, "1");
    WriteStringTag(insideForeign, kSimpleGradingObjectTypeKey, "1");
    WriteStringTag(chart, kSimpleGradingObjectTypeKey, "1");
    WriteSimpleGradingObjectRecord(sleeve, 3, {1, 2}, 1, reals);
    WriteSimpleGradingObjectRecord(front, 1, {-12.5, 3.25}, 2, nullptr);
    found[0] = FindSimpleGradingObject(1);
    found[1] = FindSimpleGradingObject(4);
    found[2] = FindSimpleGradingObject(2);
    read[0] = ReadSimpleGradingObjectRecord(0, &point, &rotation, reals);  // "1": the type alone
    EXPECT_TRUE(point.h == 7 && rotation == 9 && reals[3] == 5) << "fields it lacks stay";
    read[1] = ReadSimpleGradingObjectRecord(3, &point, &rotation, nullptr);
    read[2] = ReadSimpleGradingObjectRecord(1, &point, &rotation, reals);
  });
  EXPECT_EQ(found[0], chart) << "not inside the group of another tool";
  EXPECT_EQ(found[1], nullptr);
  EXPECT_EQ(found[2], front);
  EXPECT_EQ(vmhost::Tag(front, kSimpleGradingObjectTypeKey), "2,-12.5,3.25,2,0,0,0,0");
  EXPECT_EQ((std::vector<int>{read[0], read[1], read[2]}), (std::vector<int>{1, 0, 1}));
  EXPECT_EQ(point.h, -12.5);
  EXPECT_EQ(point.v, 3.25);
  EXPECT_EQ(rotation, 2);
  EXPECT_EQ(reals[0], 0);
}

}  // namespace
}  // namespace vmtest
