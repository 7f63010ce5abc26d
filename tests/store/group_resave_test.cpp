// Saving a grading group again after the user changed it: the tags then say
// what the group holds now, and nothing of what it held before.
#include <algorithm>

#include "expr/script.h"
#include "host/host_driver.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/object_ids.h"
#include "store/piece_queries.h"
#include "store_scene.h"

namespace vmtest {
namespace {

class GroupResaveTest : public StoreScene {
 protected:
  // The keys of an art's grading tags, in the order the art holds them.
  static std::vector<std::string> GradingKeys(ArtHandle art) {
    std::vector<std::string> keys;
    for (const auto& tag : vmhost::Tags(art))
      if (tag.first.rfind("vmk_grading_", 0) == 0) keys.push_back(tag.first);
    std::sort(keys.begin(), keys.end());
    return keys;
  }
  void Distance(int slot, ArtHandle a, ArtHandle b) {
    RevisionHandle& h = globals().handles[slot];
    h.kind = kHandleDistance;
    h.line = TwoPointHandleData{vmhost::Segments(a)[0].p, vmhost::Segments(b)[0].p, a, b, 0, 0, {}};
    for (auto& amount : h.line.amountExpr) strcpy(amount, "100.0");
  }
};

TEST_F(GroupResaveTest, TheBaseArtKeepsNoTagOfDeletedHandlesVariablesOrScalePairs) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle a = Rect(piece, 0, 0, 100, 50), b = Rect(piece, 200, 0, 260, 80);
  std::vector<ArtHandle> arts = {a, b};
  SetPiece(arts);
  for (ScalePair& pair : globals().groupPresetScale) pair = {1, 1};
  for (int slot = 0; slot < 3; ++slot) Distance(slot, a, b);
  strcpy(globals().handles[2].line.amountExpr[4], "110");
  SetVariable(0, "w", std::string(300, 'w'), 1);
  SetVariable(1, "h", "1");
  globals().groupPresetScale[5] = {1.5, 1.5};
  SaveGradingGroup(arts.data(), 2, 0);
  ASSERT_EQ(vmhost::Tag(piece, "vmk_grading_var_value_000002").size(), 44u);

  // The user deletes the third handle and the second variable, shortens the
  // first variable and makes it public, and sets size 6 back to size 1's scale.
  memset(&globals().handles[2], 0, sizeof globals().handles[2]);
  SetVariable(0, "w", "short");
  SetVariable(1, "", "");
  globals().groupPresetScale[5] = globals().groupPresetScale[0];
  SaveGradingGroup(arts.data(), 2, 0);
  EXPECT_EQ(GradingKeys(piece),
            (std::vector<std::string>{"vmk_grading_angle", "vmk_grading_compscale", "vmk_grading_fxh_conf_1",
                                      "vmk_grading_fxh_conf_2", "vmk_grading_hvlock", "vmk_grading_length",
                                      "vmk_grading_origin", "vmk_grading_preset_1", "vmk_grading_selected",
                                      "vmk_grading_serial", "vmk_grading_title", "vmk_grading_unit",
                                      "vmk_grading_var_name_000", "vmk_grading_var_value_000000"}));
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_var_value_000000"), "short");

  ASSERT_EQ(LoadGradingGroup(arts.data(), 2), 1);
  EXPECT_EQ(globals().handles[2].kind, kHandleFree);
  EXPECT_STREQ(globals().variables.varValues[0], "short");
  EXPECT_EQ(globals().variables.varPrivate[0], 0u);
  EXPECT_STREQ(globals().variables.varNames[1], "");
}

TEST_F(GroupResaveTest, ASaveKeepsTheTagsThatAreNotTheGroups) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle a = Rect(piece, 0, 0, 100, 50);
  WriteStringTag(piece, "vmk_simple_grading_object_type", "1,0,0,0,0,0,0,0");
  WriteStringTag(piece, "note", "kept");
  WriteStringTag(a, "vmk_simple_grading_object_type", "3");
  SetPiece({a});
  SaveGradingGroup(&a, 1, 0);
  SaveGradingGroup(&a, 1, 0);
  EXPECT_EQ(vmhost::Tag(piece, "vmk_simple_grading_object_type"), "1,0,0,0,0,0,0,0");
  EXPECT_EQ(vmhost::Tag(piece, "note"), "kept");
  EXPECT_EQ(vmhost::Tag(a, "vmk_simple_grading_object_type"), "3");
}

// Every size whose pair differs from size 1's in either direction is stored.
TEST_F(GroupResaveTest, AScalePairDifferingInOneDirectionOnlyIsStored) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle a = Rect(piece, 0, 0, 100, 50);
  for (ScalePair& pair : globals().groupPresetScale) pair = {1, 1};
  globals().groupPresetScale[3] = {1, 1.2};
  globals().groupPresetScale[4] = {0.9, 1};
  SetPiece({a});
  SaveGradingGroup(&a, 1, 0);
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_preset_4"), "0,1,1.2");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_preset_5"), "0,0.9,1");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_preset_6"), "");
  for (ScalePair& pair : globals().presetScale) pair = {2, 2};
  ASSERT_EQ(LoadGradingGroup(&a, 1), 1);
  EXPECT_EQ(globals().groupPresetScale[3].v, 1.2);
  EXPECT_EQ(globals().presetScale[4].h, 0.9);
  EXPECT_EQ(globals().presetScale[5].h, 1);
}

// A serial below 2 is no serial: the save draws one; a real one is kept.
TEST_F(GroupResaveTest, AGroupWithoutARealSerialGetsOneWhenSaved) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle a = Rect(piece, 0, 0, 100, 50);
  SetPiece({a});
  for (uint32_t serial : {0u, 1u}) {
    globals().grading_serial = serial;
    SaveGradingGroup(&a, 1, 0);
    EXPECT_GE(globals().grading_serial, 2u) << serial;
    EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_serial"), std::to_string(globals().grading_serial)) << serial;
    EXPECT_EQ(vmhost::Tag(a, "vmk_grading_member"), std::to_string(globals().grading_serial)) << serial;
  }
  globals().grading_serial = 2;
  SaveGradingGroup(&a, 1, 0);
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_serial"), "2");
}

// A path once saved as a piece of its own, then grouped with another into a
// new piece, must not still read as its own piece.
TEST_F(GroupResaveTest, AMemberKeepsNoneOfTheTagsOfThePieceItWasBefore) {
  ArtHandle alone = Rect(LayerGroup(), 0, 0, 100, 50);
  Distance(0, alone, alone);
  strcpy(globals().grading_title, "Old");
  SetPiece({alone});
  SaveGradingGroup(&alone, 1, 1);
  ASSERT_EQ(vmhost::Tag(alone, "vmk_grading_title"), "Old");

  ArtHandle group = vmhost::AddGroup(LayerGroup());
  ASSERT_EQ(sAIArt->ReorderArt(alone, kPlaceInsideOnTop, group), kNoErr);
  ArtHandle other = Rect(group, 200, 0, 260, 80);
  std::vector<ArtHandle> arts = {alone, other};
  memset(globals().handles, 0, sizeof globals().handles);
  strcpy(globals().grading_title, "New");
  SetPiece(arts);
  SaveGradingGroup(arts.data(), 2, 1);
  EXPECT_EQ(GradingKeys(alone), std::vector<std::string>{"vmk_grading_member"});
  EXPECT_EQ(vmhost::Tag(alone, "vmk_grading_member"), vmhost::Tag(group, "vmk_grading_serial"));
  EXPECT_EQ(vmhost::Tag(group, "vmk_grading_title"), "New");

  ArtHandle* titled = nullptr;
  int32_t count = 0;
  CollectTitledArt(LayerGroup(), &titled, &count);
  ASSERT_EQ(count, 1);
  EXPECT_EQ(titled[0], group);
  free(titled);
}

// A value is at most 32 chunks of 128 bytes: a 33rd chunk that some other
// writer left is not part of it, neither for the piece nor for a reader of
// its variables by title.
TEST_F(GroupResaveTest, AStoredValueEndsAfterItsThirtySecondChunk) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle a = Rect(piece, 0, 0, 100, 50);
  WriteStringTag(piece, kGradingOriginKey, "0,0,1");
  WriteStringTag(piece, kGradingTitleKey, "Front");
  WriteStringTag(piece, "vmk_grading_var_name_000", "v");
  for (int chunk = 0; chunk <= 32; ++chunk) {
    char key[64];
    snprintf(key, sizeof key, "vmk_grading_var_value_000%03d", chunk);
    WriteStringTag(piece, key, chunk == 32 ? "X" : "1");
  }
  const std::string value(32, '1');
  std::vector<char> byTitle(kVarValueSize);
  ASSERT_EQ(LookupVariableValue("Front:v", byTitle.data()), 1);
  EXPECT_EQ(std::string(byTitle.data()), value);
  ASSERT_EQ(LoadGradingGroup(&a, 1), 1);
  EXPECT_EQ(std::string(globals().variables.varValues[0]), value);
}

// "GR_" and four characters drawn from the digits, then the capitals, then
// the small letters, each at the random fraction times 61.
TEST_F(GroupResaveTest, ANewGroupIsTitledFromTheDigitsAndLettersInOrder) {
  const char kAlphabet[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
  for (int32_t seed : {1, 7, 2024}) {
    sAIRandom->SetRandomSeed(seed);
    std::string expected = "GR_";
    for (int i = 0; i < 4; ++i) expected += kAlphabet[static_cast<int>(sAIRandom->FloatRnd() * 61)];
    sAIRandom->SetRandomSeed(seed);
    LoadGradingGroup(nullptr, 0);
    EXPECT_EQ(std::string(globals().grading_title), expected) << seed;
  }
}

}  // namespace
}  // namespace vmtest
