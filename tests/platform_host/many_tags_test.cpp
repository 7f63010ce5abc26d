// A grading group keeps thousands of tags on one art: they keep their order
// and are found by name and by index through any mix of changes, and undo
// gives back the very list there was. A file's names chosen to fall together
// cost a few steps each.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "support/host_fixture.h"
#include "tag_names_met.h"

using namespace vmtest;

namespace {

using Tags = std::vector<std::pair<std::string, std::string>>;

class ManyTagsTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    piece = vmhost::AddGroup();
    for (int i = 0; i < 3000; ++i) Set("vmk_grading_" + std::to_string(i), std::string("v").append(std::to_string(i)));
  }

  // The tag suite and the list the test expects, changed alike.
  void Set(const std::string& name, const std::string& value) {
    kTagSuite.SetTag(piece, name.c_str(), value.c_str());
    auto it = std::find_if(expected.begin(), expected.end(), [&](const auto& t) { return t.first == name; });
    if (it == expected.end())
      expected.emplace_back(name, value);
    else
      it->second = value;
  }
  void Remove(const std::string& name) {
    kTagSuite.RemoveTag(piece, name.c_str());
    std::erase_if(expected, [&](const auto& t) { return t.first == name; });
  }

  // What the module reads: by index, then each value by name.
  Tags ReadTags() {
    Tags read;
    int32_t count = 0;
    kTagSuite.CountTags(piece, &count);
    for (int32_t n = 0; n < count; ++n) {
      const char *name = nullptr, *value = nullptr;
      kTagSuite.GetNthTag(piece, n, &name, nullptr);
      if (name == nullptr || kTagSuite.GetTag(piece, name, &value) != kNoErr) break;
      read.emplace_back(name, value);
    }
    return read;
  }

  ArtHandle piece = nullptr;
  Tags expected;
};

TEST_F(ManyTagsTest, OrderLookupsAndUndoHoldThroughAnyMixOfChanges) {
  const Tags original = expected;
  InHostCall([&] {
    for (int i = 0; i < 3000; i += 7) Set("vmk_grading_" + std::to_string(i), "changed");
    for (int i = 1; i < 3000; i += 5) Remove("vmk_grading_" + std::to_string(i));
    for (int i = 1; i < 300; i += 10) Set("vmk_grading_" + std::to_string(i), "again");  // goes last
    for (int i = 0; i < 200; ++i) Set("vmk_new_" + std::to_string(i), "new");
  });
  const Tags mixed = expected;
  EXPECT_EQ(ReadTags(), mixed);
  EXPECT_EQ(vmhost::Tags(piece), mixed);
  int32_t has = 1;
  kTagSuite.HasTag(piece, "vmk_grading_6", &has);
  EXPECT_EQ(has, 0) << "removed";

  // Most of the list goes: what is left still reads in order.
  InHostCall([&] {
    for (int i = 0; i < 3000; ++i)
      if (i % 13 != 0) Remove("vmk_grading_" + std::to_string(i));
  });
  EXPECT_EQ(ReadTags(), expected);
  const Tags thinned = expected;

  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(ReadTags(), mixed);
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(ReadTags(), original);
  ASSERT_TRUE(vmhost::Redo());
  EXPECT_EQ(ReadTags(), mixed);
  ASSERT_TRUE(vmhost::Redo());
  EXPECT_EQ(ReadTags(), thinned);
}

TEST_F(ManyTagsTest, ACopiedPieceChangesApartFromItsOriginal) {
  ArtHandle copy = nullptr;
  InHostCall([&] { kArtSuite.DuplicateArt(piece, kPlaceAbove, piece, &copy); });
  InHostCall([&] {
    kTagSuite.SetTag(copy, "vmk_grading_10", "copy");
    kTagSuite.RemoveTag(copy, "vmk_grading_2999");
    kTagSuite.SetTag(copy, "vmk_copy_only", "1");
  });
  EXPECT_EQ(vmhost::Tags(piece), expected) << "the original is untouched";
  Set("vmk_grading_10", "copy");
  Remove("vmk_grading_2999");
  Set("vmk_copy_only", "1");
  std::swap(piece, copy);
  EXPECT_EQ(ReadTags(), expected);
}

// 4000 names that the quick hash gives one value, then two again; the keyed hash differs in each run.
TEST(TagNamesMetTest, NamesChosenToFallTogetherAreFoundGivenTwiceInAFewStepsEach) {
  uint64_t first, second;
  std::vector<TagRef> tags;
  for (int i = 0; i < 4002; ++i) {
    std::string name = std::to_string(10000000 + (i < 4000 ? i : i == 4000 ? 7 : 1234));  // 7: met before it rekeys
    std::memcpy(&first, name.data(), 8);  // the second word brings the quick hash's sum to 0
    second = (0 - 16 * 0xD6E8FEB86659FD93 - first * 0x9E3779B97F4A7C15) * 0x0BA79078168D4BAF;  // 1 / its multiplier
    tags.push_back(TagRef::Make(name.append(reinterpret_cast<const char*>(&second), 8), ""));
  }
  NamesMet met(tags.size());
  for (size_t i = 0; i < 4002; ++i) EXPECT_EQ(met.Twice(tags, i, NamesMet::QuickHash(tags[i]->name())), i >= 4000);
  EXPECT_TRUE(met.Steps() > 4000 / 8 && met.Steps() < 4000 * 8) << met.Steps();  // about a slot a name
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // a child that starts the program again hashes otherwise
  setenv("VM_NAME_HASH", std::to_string(TagNameHash("n")).c_str(), 0);  // the child keeps it
  EXPECT_EXIT(std::exit(std::to_string(TagNameHash("n")) == std::getenv("VM_NAME_HASH")), testing::ExitedWithCode(0),
              "");
}

}  // namespace
