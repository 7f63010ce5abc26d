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
  ArtHandle front = vmhost::AddGroup(chart);  // inside another object: not searched
  RealPoint point{7, 7};
  int16_t rotation = 9;
  double reals[4] = {5, 5, 5, 5};
  InModuleCall([&] {
    WriteStringTag(foreign, kToolConfigTagKey, "1");
    WriteStringTag(insideForeign, kSimpleGradingObjectTypeKey, "1");
    WriteStringTag(chart, kSimpleGradingObjectTypeKey, "1");
    WriteSimpleGradingObjectRecord(front, 1, {-12.5, 3.25}, 2, nullptr);
    EXPECT_EQ(FindSimpleGradingObject(1), chart) << "not inside the group of another tool";
    EXPECT_EQ(FindSimpleGradingObject(2), nullptr);
    EXPECT_EQ(ReadSimpleGradingObjectRecord(0, &point, &rotation, reals), 1);  // "1": the type alone
  });
  EXPECT_EQ(point.h, 7) << "fields it lacks stay";
  EXPECT_EQ(rotation, 9) << "fields it lacks stay";
  EXPECT_EQ(reals[3], 5) << "fields it lacks stay";
  EXPECT_EQ(vmhost::Tag(front, kSimpleGradingObjectTypeKey), "2,-12.5,3.25,2,0,0,0,0");
  int32_t type = 0;
  ParseSimpleGradingObjectRecord("4,1.5,-2,3,33,90,20,20", &type, &point, &rotation, reals);
  EXPECT_EQ(type, 4);
  EXPECT_EQ(point.h, 1.5);
  EXPECT_EQ(point.v, -2);
  EXPECT_EQ(rotation, 3);
  EXPECT_EQ(reals[1], 90);
  EXPECT_EQ(reals[3], 20);
}

}  // namespace
}  // namespace vmtest
