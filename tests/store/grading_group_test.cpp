// A piece's grading group saved into the tags of its arts and loaded back.
#include <cstddef>
#include <functional>
#include <map>

#include "host/host_driver.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/object_ids.h"
#include "store/tag_mirror.h"
#include "store/variable_number.h"
#include "store_scene.h"

namespace vmtest {
namespace {

void ExpectSameHandle(const RevisionHandle& x, const RevisionHandle& y, int slot) {
  SCOPED_TRACE(slot);
  EXPECT_EQ(x.listSelected, y.listSelected);
  EXPECT_EQ(x.groupId, y.groupId);
  EXPECT_STREQ(x.name, y.name);
  EXPECT_EQ(x.kind, y.kind);
  if (x.kind == kHandlePoint) {
    EXPECT_EQ(x.point.art, y.point.art);
    EXPECT_EQ(x.point.anchorIndex, y.point.anchorIndex);
    for (int s = 0; s < kMaxPresets; ++s) EXPECT_STREQ(x.point.xExpr[s], y.point.xExpr[s]);
    for (int s = 0; s < kMaxPresets; ++s) EXPECT_STREQ(x.point.yExpr[s], y.point.yExpr[s]);
  } else if (x.kind != kHandleFree) {
    EXPECT_EQ(x.direction, y.direction);
    EXPECT_EQ(x.bothEnds, y.bothEnds);
    EXPECT_EQ(x.proportional, y.proportional);
    EXPECT_EQ(memcmp(&x.line, &y.line, offsetof(TwoPointHandleData, amountExpr)), 0);
    for (int s = 0; s < kMaxPresets; ++s) EXPECT_STREQ(x.line.amountExpr[s], y.line.amountExpr[s]);
  }
}

class GradingGroupTest : public StoreScene {
 protected:
  void SetUp() override {
    StoreScene::SetUp();
    piece = vmhost::AddGroup(LayerGroup());
    a = Rect(piece, 0, 0, 100, 50);
    b = Rect(piece, 200, 0, 260, 80);
    SetPiece({a, b});
  }

  RevisionHandle& TwoPoint(int slot, int16_t kind, ArtHandle art1, int32_t index1, ArtHandle art2,
                           int32_t index2) {
    RevisionHandle& h = globals().handles[slot];
    memset(&h, 0, sizeof h);
    h.kind = kind;
    h.line.art1 = art1;
    h.line.art2 = art2;
    h.line.index1 = index1;
    h.line.index2 = index2;
    h.line.p1 = art1 ? vmhost::Segments(art1)[index1].p : RealPoint{5, 5};
    h.line.p2 = art2 ? vmhost::Segments(art2)[index2].p : RealPoint{7, 9};
    for (auto& amount : h.line.amountExpr) strcpy(amount, kind == kHandleMeasurement ? "" : "100.0");
    return h;
  }

  // A distance handle between the two rectangles and a variable, saved.
  void SaveOneHandleAndVariable() {
    TwoPoint(0, kHandleDistance, a, 1, b, 0);
    SetVariable(0, "v", "1");
    ArtHandle arts[] = {a, b};
    SaveGradingGroup(arts, 2, 0);
  }

  void SaveAndReload() {
    ArtHandle arts[] = {a, b};
    SaveGradingGroup(arts, 2, 0);
    saved = globals();  // what memory held when the group was saved
    ASSERT_EQ(LoadGradingGroup(nullptr, 0), 0);
    ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  }

  ArtHandle piece = nullptr, a = nullptr, b = nullptr;
  PluginGlobals saved{};
};

TEST_F(GradingGroupTest, EveryKindOfHandleComesBackFieldByField) {
  RevisionHandle& distance = TwoPoint(0, kHandleDistance, a, 1, b, 0);
  strcpy(distance.name, "cut \"a\", b");
  distance.listSelected = 1;
  distance.direction = 3;
  distance.bothEnds = 1;
  distance.proportional = 1;
  strcpy(distance.line.amountExpr[0], "120");
  strcpy(distance.line.amountExpr[5], "max(x,2)");
  TwoPoint(1, kHandleLength, a, 2, a, 3).groupId = 0xF0000077u;
  RevisionHandle& measure = TwoPoint(2, kHandleMeasurement, a, 0, nullptr, 0);
  measure.groupId = 0xF0000077u;
  strcpy(measure.line.amountExpr[0], "dist");
  strcpy(measure.line.amountExpr[2], "len");
  RevisionHandle& point = globals().handles[3];
  point.kind = kHandlePoint;
  point.listSelected = 1;
  point.point.art = b;
  point.point.anchorIndex = 2;
  strcpy(point.point.xExpr[0], "1.5");
  strcpy(point.point.yExpr[98], "-2,\"q\"");
  TwoPoint(4, kHandleAngle, a, 0, b, 0).direction = 12;  // a measurement frame beyond the fifth
  TwoPoint(5, kHandlePlain, nullptr, 0, nullptr, 0);
  TwoPoint(6, kHandleArc, b, 1, nullptr, 0);
  for (int s = 0; s < kMaxPresets; ++s) globals().groupPresetScale[s] = {1 + s / 8.0, 2 + s / 4.0};
  globals().groupPresetScale[1] = globals().groupPresetScale[0];
  globals().grading_origin = {10, 20};
  globals().grading_angle = 0.5;
  globals().grading_length = 33;
  globals().grading_compscale = 1.25;
  globals().grading_hvlock = 0;
  globals().grading_selected = 1;
  globals().grading_unit = 1;
  strcpy(globals().grading_title, "Front");
  SetVariable(0, "width", std::string(300, 'w'), 1);
  SetVariable(1, "\x95\x5c", "12.5");

  SaveAndReload();
  for (int slot = 0; slot < kMaxHandles; ++slot) {
    ExpectSameHandle(globals().handles[slot], saved.handles[slot], slot);
  }
  EXPECT_EQ(globals().handles[0].listSelected, 1);
  EXPECT_STREQ(globals().handles[0].name, "cut \"a\", b");
  EXPECT_EQ(globals().handles[4].direction, 12);
  for (int s = 0; s < kMaxPresets; ++s) {
    EXPECT_EQ(globals().groupPresetScale[s].h, saved.groupPresetScale[s].h) << s;
    EXPECT_EQ(globals().presetScale[s].v, saved.groupPresetScale[s].v) << s;
  }
  EXPECT_EQ(globals().grading_origin.h, 10);
  EXPECT_EQ(globals().grading_origin.v, 20);
  EXPECT_EQ(globals().grading_compscale, 1.25);
  EXPECT_EQ(globals().grading_selected, 1);
  EXPECT_EQ(globals().grading_hvlock, 0);
  EXPECT_EQ(globals().unitPerPoint, 0.035277777777777776);
  EXPECT_STREQ(globals().unitName, "cm");
  EXPECT_STREQ(globals().grading_title, "Front");
  EXPECT_EQ(globals().grading_serial, saved.grading_serial);
  EXPECT_EQ(std::string(globals().variables.varValues[0]), std::string(300, 'w'));
  EXPECT_EQ(globals().variables.varPrivate[0], 1u);
  EXPECT_STREQ(globals().variables.varNames[1], "\x95\x5c");
  EXPECT_EQ(globals().variables.varPrivate[1], 0u);
  EXPECT_EQ(GetVariableNumber("\x95\x5c", -1), 12.5);
  EXPECT_EQ(GetVariableNumber("missing", -1), -1);

  // What a reader of the document finds in the tags.
  EXPECT_EQ(
      vmhost::Tag(piece, "vmk_grading_fxh_conf_1").rfind("-11302,0,\"cut \"\"a\"\", b\",100,0,200,0,", 0),
      0u);
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_fxh_conf_4"),
            "-4,0,\"\"," + vmhost::Tag(b, "vmk_grading_object_id") + ",2");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_fxh_ratio_101"), "120");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_fxh_ratio_102"), "");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_preset_2"), "");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_preset_3"), "0,1.25,2.5");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_var_value_000001").size(), 128u);
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_var_value_000002").size(), 44u);
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_var_value_000003"), "");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_var_private_001"), "");
  EXPECT_EQ(vmhost::Tag(a, "vmk_grading_member"), std::to_string(saved.grading_serial));
  EXPECT_NE(vmhost::Tag(a, "vmk_grading_object_id"), vmhost::Tag(b, "vmk_grading_object_id"));
}

TEST_F(GradingGroupTest, DefaultAmountsLeaveNoTagAndAClearedAmountStaysEmpty) {
  RevisionHandle& length = TwoPoint(0, kHandleLength, a, 0, a, 2);
  strcpy(length.line.amountExpr[1], "");
  strcpy(length.line.amountExpr[2], "100");
  RevisionHandle& measure = TwoPoint(1, kHandleMeasurement, a, 0, nullptr, 0);
  strcpy(measure.line.amountExpr[0], "d");
  SaveAndReload();
  std::map<std::string, std::string> tags;
  for (const auto& [key, value] : vmhost::Tags(piece)) tags[key] = value;
  EXPECT_EQ(tags.count("vmk_grading_fxh_ratio_101"), 0u);
  EXPECT_EQ(tags.count("vmk_grading_fxh_ratio_102"), 1u);
  EXPECT_EQ(tags["vmk_grading_fxh_ratio_102"], "");
  EXPECT_EQ(tags["vmk_grading_fxh_ratio_103"], "100");
  EXPECT_EQ(tags.count("vmk_grading_fxh_ratio_202"), 0u);
  EXPECT_STREQ(globals().handles[0].line.amountExpr[0], "100.0");
  EXPECT_STREQ(globals().handles[0].line.amountExpr[1], "");
  EXPECT_STREQ(globals().handles[0].line.amountExpr[2], "100");
  EXPECT_STREQ(globals().handles[1].line.amountExpr[0], "d");
  EXPECT_STREQ(globals().handles[1].line.amountExpr[1], "");  // names no variable, not an amount
}

TEST_F(GradingGroupTest, TheGroupSurvivesTheDocumentFile) {
  TwoPoint(0, kHandleLength, a, 0, a, 2);
  SetVariable(0, "\x95\x5c", "1,\"2\"");
  strcpy(globals().grading_title, "\x95\x5c piece");
  ArtHandle arts[] = {a, b};
  SaveGradingGroup(arts, 2, 0);
  const std::string file = folders->root() + "/piece.svg";
  std::string error;
  ASSERT_TRUE(vmhost::SaveDocument(doc, file, &error)) << error;
  ASSERT_NE(vmhost::OpenDocument(file, &error), nullptr) << error;
  std::vector<ArtHandle> reopened = vmhost::Children(vmhost::Children(LayerGroup())[0]);
  ASSERT_EQ(reopened.size(), 2u);
  SetPiece(reopened);
  ASSERT_EQ(LoadGradingGroup(reopened.data(), 2), 1);
  EXPECT_EQ(globals().handles[0].kind, kHandleLength);
  EXPECT_EQ(globals().handles[0].line.art1, globals().handles[0].line.art2);
  EXPECT_NE(globals().handles[0].line.art1, nullptr);
  EXPECT_STREQ(globals().variables.varValues[0], "1,\"2\"");
  EXPECT_STREQ(globals().grading_title, "\x95\x5c piece");
}

TEST_F(GradingGroupTest, OmittedScalePairsTakeTheFirstPairAsTheWriterMeant) {
  // Written by the older writer: size 2 equals size 1, sizes 3 and 50 differ.
  WriteStringTag(piece, "vmk_grading_origin", "12,34,0");  // where it stands, not from the centre
  WriteStringTag(piece, "vmk_grading_preset_1", "0,1.1,1.2");
  WriteStringTag(piece, "vmk_grading_preset_3", "0,1.3,1.4");
  WriteStringTag(piece, "vmk_grading_preset_50", "0,2,3");
  WriteStringTag(piece, "vmk_grading_var_name_000", "w");
  WriteStringTag(piece, "vmk_grading_var_private_000", "0");
  globals().grading_selected = 1;  // the piece before's
  ArtHandle arts[] = {a, b};
  ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  EXPECT_EQ(globals().grading_origin.v, 34);
  EXPECT_EQ(globals().grading_selected, 0);
  EXPECT_EQ(globals().variables.varPrivate[0], 0u);
  EXPECT_EQ(globals().groupPresetScale[1].h, 1.1);
  EXPECT_EQ(globals().groupPresetScale[2].v, 1.4);
  EXPECT_EQ(globals().groupPresetScale[49].h, 2);
  EXPECT_EQ(globals().presetScale[98].v, 1.2);
}

TEST_F(GradingGroupTest, HandleEndsFollowTheAnchorNowAtTheirIndex) {
  TwoPoint(0, kHandleArc, a, 2, nullptr, 0);  // p1 on (100, 50), p2 free at (7, 9)
  ArtHandle arts[] = {a, b};
  SaveGradingGroup(arts, 2, 0);
  // The path gains an anchor before the handle's anchor.
  std::vector<PathSegment> segments = vmhost::Segments(a);
  segments.insert(segments.begin() + 1, vmhost::Corner(50, -10));
  sAIPath->SetPathSegmentCount(a, 5);
  sAIPath->SetPathSegments(a, 0, 5, segments.data());
  ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  const TwoPointHandleData& d = globals().handles[0].line;
  EXPECT_EQ(d.art1, a);
  EXPECT_EQ(d.p1.h, 100);  // the anchor now at index 2
  EXPECT_EQ(d.p1.v, 0);
  EXPECT_EQ(d.p2.h, 7);  // the free end moved by the same offset
  EXPECT_EQ(d.p2.v, -41);
}

TEST_F(GradingGroupTest, LoadingWithoutArtsResetsTheGroup) {
  TwoPoint(0, kHandlePlain, nullptr, 0, nullptr, 0);
  SetVariable(0, "x", "1");
  globals().grading_serial = 1234;
  globals().presetScale[7] = {1.5, 1.75};
  EXPECT_EQ(LoadGradingGroup(nullptr, 0), 0);
  EXPECT_EQ(globals().handles[0].kind, kHandleFree);
  EXPECT_EQ(globals().grading_serial, 0u);
  EXPECT_EQ(std::string(globals().grading_title).rfind("GR_", 0), 0u);
  EXPECT_EQ(strlen(globals().grading_title), 7u);
  EXPECT_EQ(globals().groupPresetScale[7].v, 1.75);
  EXPECT_STREQ(globals().variables.varNames[0], "");
}

TEST_F(GradingGroupTest, NewObjectIdsAreNeverZeroNorAlreadyInTheDocument) {
  TwoPoint(0, kHandleDistance, a, 0, b, 0);
  globals().grading_serial = 99;  // kept, so the first draw goes to an object id
  sAIRandom->SetRandomSeed(7);
  const int32_t firstDraw = static_cast<int32_t>(sAIRandom->FloatRnd() * 99999999.0);
  ArtHandle stranger = Rect(LayerGroup(), 500, 500, 510, 510);
  WriteTagInteger(stranger, kObjectIdKey, firstDraw);
  sAIRandom->SetRandomSeed(7);
  ArtHandle arts[] = {a, b};
  SaveGradingGroup(arts, 2, 0);
  EXPECT_NE(ReadObjectId(a), firstDraw);
  EXPECT_GT(ReadObjectId(a), 0);
  EXPECT_NE(ReadObjectId(a), ReadObjectId(b));
  EXPECT_EQ(ReadObjectId(stranger), firstDraw);
}

// The saved arts' ids are given up before new ones are drawn, so a draw may
// give an art the very id it carried.
TEST_F(GradingGroupTest, ASavedArtMayDrawTheIdItCarried) {
  TwoPoint(0, kHandleDistance, a, 0, b, 0);
  globals().grading_serial = 99;
  sAIRandom->SetRandomSeed(11);
  const int32_t firstDraw = static_cast<int32_t>(sAIRandom->FloatRnd() * 99999999.0);
  WriteTagInteger(a, kObjectIdKey, firstDraw);
  sAIRandom->SetRandomSeed(11);
  ArtHandle arts[] = {a, b};
  SaveGradingGroup(arts, 2, 0);
  EXPECT_EQ(ReadObjectId(a), firstDraw);
}

// The first draw of a seed, as an object id.
int32_t FirstIdDrawn(int32_t seed) {
  sAIRandom->SetRandomSeed(seed);
  return static_cast<int32_t>(sAIRandom->FloatRnd() * 99999999.0);
}

// One command saving piece after piece reads the document's ids once: an id
// carried before or drawn by one save is not drawn again by the next, an id a
// saved art gives up may be, and an id written by other means is seen after an
// undo and in the next command.
TEST_F(GradingGroupTest, ACommandSavingPieceAfterPieceDrawsNoIdTwice) {
  ArtHandle c = Rect(LayerGroup(), 400, 0, 450, 40);
  ArtHandle d = Rect(LayerGroup(), 500, 0, 550, 40);
  ArtHandle stranger = Rect(LayerGroup(), 600, 0, 650, 40);
  auto saveBetween = [&](ArtHandle x, ArtHandle y, int32_t seed) {
    TwoPoint(0, kHandleDistance, x, 0, y, 0);
    globals().grading_serial = 99;
    sAIRandom->SetRandomSeed(seed);
    ArtHandle arts[] = {x, y};
    SaveGradingGroup(arts, 2, 0);
  };
  WriteTagInteger(stranger, kObjectIdKey, FirstIdDrawn(5));
  {
    const KeptTagsScope command;
    saveBetween(a, b, 7);
    EXPECT_EQ(ReadObjectId(a), FirstIdDrawn(7));
    saveBetween(c, d, 7);
    EXPECT_NE(ReadObjectId(c), ReadObjectId(a));
    saveBetween(a, b, 7);
    EXPECT_EQ(ReadObjectId(a), FirstIdDrawn(7));
    saveBetween(c, d, 5);
    EXPECT_NE(ReadObjectId(c), FirstIdDrawn(5));
    WriteTagInteger(stranger, kObjectIdKey, FirstIdDrawn(13));  // as an undo would bring it back
    ForgetAllKeptTags();
    saveBetween(c, d, 13);
    EXPECT_NE(ReadObjectId(c), FirstIdDrawn(13));
  }
  WriteTagInteger(stranger, kObjectIdKey, FirstIdDrawn(17));
  const KeptTagsScope next;
  saveBetween(c, d, 17);
  EXPECT_NE(ReadObjectId(c), FirstIdDrawn(17));
}

TEST_F(GradingGroupTest, DamagedTagsLoadWithoutTouchingTheGoodRecords) {
  SaveOneHandleAndVariable();
  ArtHandle arts[] = {a, b};
  const std::string id = vmhost::Tag(a, "vmk_grading_object_id");
  const std::string longName(300, 'n');
  const struct {
    const char* key;
    std::string value;
  } damaged[] = {
      {"vmk_grading_fxh_conf_2", ""},         // no fields
      {"vmk_grading_fxh_conf_3", "x,y,\"z"},  // non-numbers, open quote
      {"vmk_grading_fxh_conf_4", "2,0,\"" + longName + "\",0,0,0,0," + id + ",1,0,0"},   // no second path
      {"vmk_grading_fxh_conf_5", "1,0,\"" + longName + "\",0,0,0,0," + id + ",99,0,0"},  // index out of range
      {"vmk_grading_fxh_conf_6", "-2147483648,0,\"\""},
      {"vmk_grading_fxh_conf_7", "4,0,\"p\",abc,-1"},
      {"vmk_grading_fxh_conf_8", "1,0,\"" + longName + "\",1e999,nan,0,0,0,0,0,0"},
      {"vmk_grading_fxh_ratio_801", std::string(200, 'r')},
      {"vmk_grading_preset_2", "garbage"},
      {"vmk_grading_unit", "7"},
      {"vmk_grading_var_name_001", ""},
      {"vmk_grading_var_value_001000", std::string(5000, 'V')},
      {"vmk_grading_title", std::string(79, 't') + "\x95\x5c"},
  };
  for (const auto& tag : damaged) WriteStringTag(piece, tag.key, tag.value.c_str());
  ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  EXPECT_EQ(globals().handles[0].kind, kHandleDistance);
  EXPECT_EQ(globals().handles[0].line.art2, b);
  // An unknown kind keeps its common fields; of the rest only key 8 survives,
  // a plain handle with no paths.
  EXPECT_EQ(globals().handles[1].kind, 48);
  const RevisionHandle& plain = globals().handles[2];
  EXPECT_EQ(plain.kind, kHandlePlain);
  EXPECT_EQ(strlen(plain.name), 80u);
  EXPECT_EQ(plain.line.p1.h, 0);
  EXPECT_EQ(strlen(plain.line.amountExpr[0]), 81u);
  EXPECT_EQ(globals().handles[3].kind, kHandleFree);
  EXPECT_EQ(globals().groupPresetScale[1].h, 0);
  EXPECT_EQ(globals().grading_unit, 0);
  EXPECT_EQ(strlen(globals().grading_title), 79u);  // the double-byte character does not fit
  EXPECT_EQ(strlen(globals().variables.varValues[1]), 4095u);
  EXPECT_STREQ(globals().variables.varNames[0], "v");
}

// A key is the group's only in the form the writer gives it: other spellings
// of the same numbers are someone else's tags.
TEST_F(GradingGroupTest, KeysSpelledOtherwiseAreNotRead) {
  SaveOneHandleAndVariable();
  ArtHandle arts[] = {a, b};
  const std::string conf = vmhost::Tag(piece, "vmk_grading_fxh_conf_1");
  for (const char* key : {"vmk_grading_fxh_conf_02", "vmk_grading_fxh_conf_+3", "vmk_grading_fxh_conf_201",
                          "vmk_grading_fxh_conf_4x"})
    WriteStringTag(piece, key, conf.c_str());
  for (const char* key : {"vmk_grading_fxh_ratio_100", "vmk_grading_fxh_ratio_0103", "vmk_grading_fxh_ratio_15",
                          "vmk_grading_fxh_ratio_1+05", "vmk_grading_fxh_ratio_107x"})
    WriteStringTag(piece, key, "50");
  const std::pair<const char*, const char*> rows[] = {
      {"vmk_grading_preset_01", "0,3,3"},      {"vmk_grading_var_name_01", "w"},
      {"vmk_grading_var_name_0001", "w"},      {"vmk_grading_var_value_00000", "9"},
      {"vmk_grading_var_value_0000000", "9"},  {"vmk_grading_var_private_0", "1"},
      {"vmk_grading_var_value_000002", "9"}};  // after a missing chunk
  for (const auto& [key, value] : rows) WriteStringTag(piece, key, value);
  ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  EXPECT_EQ(globals().handles[0].kind, kHandleDistance);
  EXPECT_EQ(globals().handles[1].kind, kHandleFree);
  EXPECT_EQ(globals().handlesLeftOut, 1) << "a handle beyond the table's 200 is known to be left out";
  for (int s : {0, 2, 4, 6}) EXPECT_STREQ(globals().handles[0].line.amountExpr[s], "100.0") << s;
  EXPECT_NE(globals().groupPresetScale[0].h, 3);
  EXPECT_STREQ(globals().variables.varNames[0], "v");
  EXPECT_STREQ(globals().variables.varValues[0], "1");
  EXPECT_EQ(globals().variables.varPrivate[0], 0u);
  EXPECT_STREQ(globals().variables.varNames[1], "");
}

// Saving again rewrites only the tags whose text changed, yet the tags end in
// the order of a save that removed them all and wrote them anew: another
// program's tag set in between comes before every tag of the group.
TEST_F(GradingGroupTest, ASaveAgainLeavesTheTagsAsAWholeRewriteWould) {
  RevisionHandle& h = TwoPoint(0, kHandleDistance, a, 1, b, 0);
  strcpy(h.line.amountExpr[3], "104");
  SetVariable(0, "v", std::string(300, 'v'));
  ArtHandle arts[] = {a, b};
  SaveGradingGroup(arts, 2, 0);
  auto names = [](ArtHandle art) {
    std::vector<std::string> keys;
    for (const auto& tag : vmhost::Tags(art)) keys.push_back(tag.first);
    return keys;
  };
  const std::vector<std::string> written = names(piece);
  ASSERT_EQ(written.front(), "vmk_grading_fxh_conf_1");
  WriteStringTag(piece, "note", "kept");
  WriteStringTag(a, "note", "kept");

  strcpy(h.line.amountExpr[3], "100.0");  // its tag goes
  strcpy(h.line.amountExpr[5], "96");     // a new one comes
  SetVariable(0, "v", "short");           // two chunks go
  SaveGradingGroup(arts, 2, 0);
  std::vector<std::string> expected{"note"};
  for (const std::string& key : written) {
    if (key == "vmk_grading_fxh_ratio_104") {
      expected.push_back("vmk_grading_fxh_ratio_106");
    } else if (key.rfind("vmk_grading_var_value_000", 0) != 0 || key == "vmk_grading_var_value_000000") {
      expected.push_back(key);
    }
  }
  EXPECT_EQ(names(piece), expected);
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_fxh_ratio_106"), "96");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_var_value_000000"), "short");
  EXPECT_EQ(names(a), (std::vector<std::string>{"note", "vmk_grading_object_id", "vmk_grading_member"}));
  ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  EXPECT_EQ(globals().handles[0].line.art1, a);
  EXPECT_EQ(globals().handles[0].line.art2, b);
}

// A command that loads and saves a group again and again reads its tags
// once, yet every load sees what the command wrote, by a save or otherwise.
TEST_F(GradingGroupTest, WithinOneCommandEveryLoadSeesWhatWasWritten) {
  ArtHandle arts[] = {a, b};
  const KeptTagsScope command;
  SaveOneHandleAndVariable();
  ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  EXPECT_STREQ(globals().handles[0].line.amountExpr[2], "100.0");
  WriteStringTag(piece, "vmk_grading_var_value_000000", "8");  // a new text
  ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  EXPECT_STREQ(globals().variables.varValues[0], "8");
  WriteStringTag(piece, "vmk_grading_fxh_ratio_103", "77");  // a new tag
  ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  EXPECT_STREQ(globals().handles[0].line.amountExpr[2], "77");
  strcpy(globals().handles[0].line.amountExpr[4], "55");
  strcpy(globals().variables.varValues[0], "2");
  SaveGradingGroup(arts, 2, 0);
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_fxh_ratio_105"), "55");
  ASSERT_EQ(LoadGradingGroup(nullptr, 0), 0);
  ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  EXPECT_STREQ(globals().handles[0].line.amountExpr[2], "77");
  EXPECT_STREQ(globals().handles[0].line.amountExpr[4], "55");
  EXPECT_STREQ(globals().variables.varValues[0], "2");
  strcpy(globals().handles[0].line.amountExpr[2], "66");  // a tag that stands takes a new text
  SaveGradingGroup(arts, 2, 0);
  ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  EXPECT_STREQ(globals().handles[0].line.amountExpr[2], "66");
}

// What a command read is not taken for true by the next: between commands
// the host changes tags on its own (an undo), which no write of the module shows.
TEST_F(GradingGroupTest, TheNextCommandReadsTheTagsAnew) {
  ArtHandle arts[] = {a, b};
  SaveOneHandleAndVariable();
  {
    const KeptTagsScope command;
    ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  }
  sAITag->SetTag(piece, "vmk_grading_var_value_000000", "5");
  {
    const KeptTagsScope command;
    ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  }
  EXPECT_STREQ(globals().variables.varValues[0], "5");
}

// Saved again and again in one command, a group writes each change: the
// saves after the first compare with what the first wrote.
TEST_F(GradingGroupTest, WithinOneCommandEverySaveWritesWhatChanged) {
  ArtHandle arts[] = {a, b};
  const KeptTagsScope command;
  SaveOneHandleAndVariable();
  SaveGradingGroup(arts, 2, 0);  // the same group: only the ids are drawn anew
  PluginGlobals& g = globals();
  const struct {
    const char* change;
    std::function<void()> make;
    const char* key;
    std::string expected;
  } cases[] = {
      {"an amount", [&] { strcpy(g.handles[0].line.amountExpr[6], "93"); }, "vmk_grading_fxh_ratio_107", "93"},
      {"a handle's name", [&] { strcpy(g.handles[0].name, "hem"); }, "vmk_grading_fxh_conf_1", "hem"},
      {"a scale pair", [&] { g.groupPresetScale[4] = {1.5, 0.5}; }, "vmk_grading_preset_5", "0,1.5,0.5"},
      {"the angle", [&] { g.grading_angle = 0.25; }, "vmk_grading_angle", "0.25"},
      {"the title", [&] { strcpy(g.grading_title, "Cuff"); }, "vmk_grading_title", "Cuff"},
      {"a variable", [&] { strcpy(g.variables.varValues[0], "42"); }, "vmk_grading_var_value_000000", "42"},
      {"a private flag", [&] { g.variables.varPrivate[0] = 1; }, "vmk_grading_var_private_000", "1"},
      {"the aspect lock", [&] { g.grading_hvlock = 2; }, "vmk_grading_hvlock", "2"},
      {"a new handle", [&] { TwoPoint(1, kHandlePlain, a, 0, b, 1); }, "vmk_grading_fxh_conf_2", "1,0,"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.change);
    c.make();
    SaveGradingGroup(arts, 2, 0);
    EXPECT_NE(vmhost::Tag(piece, c.key).find(c.expected), std::string::npos) << vmhost::Tag(piece, c.key);
    SaveGradingGroup(arts, 2, 0);
  }
  const std::string confBefore = vmhost::Tag(piece, "vmk_grading_fxh_conf_1");
  ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  EXPECT_EQ(g.handles[0].line.art1, a) << confBefore;
  EXPECT_EQ(g.handles[1].line.art2, b);
}

// An id names the first member that carries it; when that one has no anchor
// at the handle's index the handle is dropped, though a later member carrying
// the same id (a copy) would have one.
TEST_F(GradingGroupTest, AnIdNamesTheFirstMemberCarryingItOnly) {
  ArtHandle twin = vmhost::AddPolyline(piece, {{0, 0}, {10, 0}, {20, 0}, {30, 0}, {40, 0}, {50, 0}}, false);
  SetPiece({a, b, twin});
  TwoPoint(0, kHandleDistance, b, 0, twin, 5);
  ArtHandle arts[] = {a, b, twin};
  SaveGradingGroup(arts, 3, 0);
  WriteStringTag(a, kObjectIdKey, vmhost::Tag(twin, kObjectIdKey).c_str());  // a carries twin's id, first
  ASSERT_EQ(LoadGradingGroup(arts, 3), 1);
  EXPECT_EQ(globals().handles[0].kind, kHandleFree) << "anchor 5 is past a's four";
}

TEST_F(GradingGroupTest, SimpleGradingObjectsTakeTheirSizeTableFromVariables) {
  WriteStringTag(piece, "vmk_grading_origin", "0,0,1");
  WriteStringTag(piece, "vmk_simple_grading_object_type", "1,0,0,0,0,0,0,0");
  WriteStringTag(piece, "vmk_grading_var_name_000", "pitch_M");
  WriteStringTag(piece, "vmk_grading_var_value_000000", "97.5");
  WriteStringTag(piece, "vmk_grading_var_name_001", "cuffs_height_6");
  WriteStringTag(piece, "vmk_grading_var_value_001000", "61");
  WriteStringTag(piece, "vmk_grading_var_name_002", "\x83\x73\x83\x62\x83\x60_M");
  WriteStringTag(piece, "vmk_grading_var_value_002000", "88");
  globals().language = 1;
  strcpy(globals().presets[1].name, "M");
  globals().presets[5].name[0] = '\0';
  ArtHandle arts[] = {a, b};
  ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  EXPECT_EQ(globals().sizeTable[1].pitch, 97.5);
  EXPECT_EQ(globals().sizeTable[5].cuffsHeight, 61);
  EXPECT_EQ(globals().sizeTable[0].pitch, 90.5);  // no variable: the cell keeps its value
  globals().language = 0;
  ASSERT_EQ(LoadGradingGroup(arts, 2), 1);
  EXPECT_EQ(globals().sizeTable[1].pitch, 88);
}

}  // namespace
}  // namespace vmtest
