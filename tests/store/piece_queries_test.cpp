// Finding pieces in the art tree, and the walk that writes every piece anew.
#include "store/piece_queries.h"

#include "host/host_driver.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/tool_config_tag.h"
#include "store_scene.h"

namespace vmtest {
namespace {

class PieceQueriesTest : public StoreScene {
 protected:
  std::vector<ArtHandle> Members(ArtHandle start, ArtHandle root, uint32_t serial) {
    ArtHandle* list = nullptr;
    int32_t count = 0;
    CollectPieceMembers(start, root, serial, &list, &count, 0);
    std::vector<ArtHandle> members(list, list + count);
    free(list);
    return members;
  }
  static ArtHandle Titled(ArtHandle art, const char* title, const char* serial) {
    WriteStringTag(art, kGradingTitleKey, title);
    WriteStringTag(art, kGradingSerialKey, serial);
    return art;
  }
};

TEST_F(PieceQueriesTest, CommonParentAndBaseArt) {
  ArtHandle group = vmhost::AddGroup(LayerGroup());
  ArtHandle inner = vmhost::AddGroup(group);
  ArtHandle p1 = Rect(inner, 0, 0, 10, 10);
  ArtHandle p2 = Rect(inner, 0, 0, 20, 20);
  ArtHandle p3 = Rect(group, 0, 0, 5, 5);
  ArtHandle small = Rect(LayerGroup(), 0, 0, 30, 30);
  ArtHandle large = Rect(LayerGroup(), 0, 0, 40, 40);
  ArtHandle line = vmhost::AddPolyline(LayerGroup(), {{0, 0}}, false);  // one segment, however large
  const struct {
    std::vector<ArtHandle> arts;
    ArtHandle parent;
  } cases[] = {
      {{group}, group}, {{p1, p2}, inner},         {{p1, p3}, group},
      {{p1}, inner},    {{small, large}, nullptr}, {{}, nullptr},
  };
  for (const auto& c : cases) {
    std::vector<ArtHandle> arts = c.arts;
    EXPECT_EQ(FindCommonParentArt(arts.data(), static_cast<int32_t>(arts.size())), c.parent) << arts.size();
  }
  std::vector<ArtHandle> loose = {line, small, large};
  EXPECT_EQ(FindGroupBaseArt(loose.data(), 3), large);
  WriteStringTag(small, kGradingOriginKey, "0,0,1");
  EXPECT_EQ(FindGroupBaseArt(loose.data(), 3), small);
  EXPECT_EQ(FindGroupBaseArt(&line, 1), nullptr);
}

TEST_F(PieceQueriesTest, ToolConfigurationGroupsAreNeitherEnteredNorGroups) {
  ArtHandle foreign = vmhost::AddGroup(LayerGroup());
  ArtHandle inside = Rect(foreign, 0, 0, 10, 10);
  WriteStringTag(inside, kGradingMemberKey, "55");
  int16_t type = 0;
  EXPECT_EQ(GetArtTypeWithToolConfig(foreign, &type), kNoErr);
  EXPECT_EQ(type, kGroupArt);
  EXPECT_EQ(Members(LayerGroup(), nullptr, 55).size(), 1u);
  WriteStringTag(foreign, kToolConfigTagKey, "cfg");
  EXPECT_EQ(GetArtTypeWithToolConfig(foreign, &type), kNoErr);
  EXPECT_EQ(type, kToolConfigGroupArt);
  EXPECT_EQ(HasToolConfigTag(foreign), 1);
  EXPECT_TRUE(Members(LayerGroup(), nullptr, 55).empty());
  EXPECT_EQ(FindCommonParentArt(&foreign, 1), nullptr);
}

TEST_F(PieceQueriesTest, TitledArtAndMembersAcrossLayers) {
  LayerHandle other = vmhost::AddLayer("Second");
  ArtHandle group = Titled(vmhost::AddGroup(LayerGroup()), "Back", "300");
  ArtHandle titledPath = Titled(Rect(group, 0, 0, 50, 50), "Sleeve", "400");
  ArtHandle sleevePart = Rect(LayerGroup(other), 0, 0, 5, 5);
  WriteStringTag(sleevePart, kGradingMemberKey, "400");
  ArtHandle backPart = Rect(group, 0, 0, 5, 5);
  WriteStringTag(backPart, kGradingMemberKey, "300");
  ArtHandle outsideBack = Rect(LayerGroup(other), 0, 0, 6, 6);
  WriteStringTag(outsideBack, kGradingMemberKey, "300");
  WriteStringTag(titledPath, kGradingMemberKey, "300");  // has a serial of its own

  ArtHandle* titled = nullptr;
  int32_t count = 0;
  CollectTitledArt(LayerGroup(), &titled, &count);
  ASSERT_EQ(count, 2);
  EXPECT_EQ(titled[0], titledPath);  // inner titled art first
  EXPECT_EQ(titled[1], group);
  free(titled);

  EXPECT_EQ(Members(group, group, 300), std::vector<ArtHandle>{backPart});
  std::vector<ArtHandle> sleeve = Members(LayerGroup(), titledPath, 400);
  std::vector<ArtHandle> more = Members(LayerGroup(other), titledPath, 400);
  sleeve.insert(sleeve.end(), more.begin(), more.end());
  EXPECT_EQ(sleeve, (std::vector<ArtHandle>{titledPath, sleevePart}));
}

TEST_F(PieceQueriesTest, RewritingEveryPieceKeepsWhatEachPieceHeld) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle a = Rect(piece, 0, 0, 100, 50);
  ArtHandle b = Rect(piece, 200, 0, 260, 80);
  ArtHandle arts[] = {a, b};
  globals().handles[0].kind = kHandleDistance;
  globals().handles[0].line = TwoPointHandleData{{100, 0}, {200, 0}, a, b, 1, 0, {}};
  strcpy(globals().grading_title, "Front");
  SetVariable(0, "w", "2");
  SetPiece({a, b});
  SaveGradingGroup(arts, 2, 1);
  const std::string serial = vmhost::Tag(piece, "vmk_grading_serial");
  // A titled piece whose group tags are gone must not be written back empty.
  ArtHandle broken = Titled(vmhost::AddGroup(LayerGroup()), "Broken", "77");
  ArtHandle brokenPart = Rect(broken, 0, 0, 9, 9);
  WriteStringTag(brokenPart, kGradingMemberKey, "77");
  WriteStringTag(broken, "vmk_grading_fxh_conf_1", "1,0,\"keep\"");
  int32_t before = 0;
  sAILayer->CountLayers(&before);

  SetPiece({});
  LoadPieceFromSelection(0);
  int32_t after = 0;
  sAILayer->CountLayers(&after);
  EXPECT_EQ(after, before);
  EXPECT_EQ(vmhost::FindLayer("<<Vestamark Simulate>>"), nullptr);
  EXPECT_EQ(vmhost::Tag(broken, "vmk_grading_fxh_conf_1"), "1,0,\"keep\"");
  EXPECT_EQ(vmhost::Tag(broken, "vmk_grading_title"), "Broken");
  EXPECT_EQ(vmhost::Tag(piece, "vmk_grading_serial"), serial);
  // No current piece: the group in memory is reset, not the last one rewritten.
  EXPECT_EQ(globals().grading_serial, 0u);
  EXPECT_EQ(globals().handles[0].kind, kHandleFree);

  SetPiece({a, b});
  LoadPieceFromSelection(0);
  EXPECT_STREQ(globals().grading_title, "Front");
  EXPECT_EQ(globals().handles[0].kind, kHandleDistance);
  EXPECT_EQ(globals().handles[0].line.art2, b);
  EXPECT_STREQ(globals().variables.varNames[0], "w");
}

// Five titled pieces, each a group of two paths with a handle between them,
// beside a path of no piece that carries an id.
TEST_F(PieceQueriesTest, RewritingEveryPieceReadsTheIdsInTheDocumentOnceAndTheCurrentOneLeavesTheOthers) {
  std::vector<ArtHandle> pieces;
  std::vector<std::vector<ArtHandle>> members;
  for (int p = 0; p < 5; ++p) {
    pieces.push_back(vmhost::AddGroup(LayerGroup()));
    members.push_back({Rect(pieces.back(), 300.0 * p, 0, 300.0 * p + 100, 50),
                       Rect(pieces.back(), 300.0 * p + 200, 0, 300.0 * p + 260, 80)});
    ArtHandle* arts = members.back().data();
    globals().handles[0].kind = kHandleDistance;
    globals().handles[0].line = TwoPointHandleData{{0, 0}, {0, 0}, arts[0], arts[1], 1, 0, {}};
    snprintf(globals().grading_title, sizeof globals().grading_title, "Piece %d", p);
    SetPiece(members.back());
    SaveGradingGroup(arts, 2, 1);
  }
  ArtHandle stranger = Rect(LayerGroup(), 0, 200, 10, 210);
  WriteTagInteger(stranger, "vmk_grading_object_id", 4242);
  auto tagsOf = [&](int p) {
    std::vector<std::vector<std::pair<std::string, std::string>>> tags{vmhost::Tags(pieces[p])};
    for (ArtHandle art : members[p]) tags.push_back(vmhost::Tags(art));
    return tags;
  };

  SetPiece({});
  vmhost::CountTagReads("vmk_grading_object_id", stranger);
  LoadPieceFromSelection(0);
  EXPECT_EQ(vmhost::TagReads(), 1) << "one walk of the document for five saves";

  std::vector<std::vector<std::vector<std::pair<std::string, std::string>>>> before;
  for (int p = 0; p < 5; ++p) before.push_back(tagsOf(p));
  SetPiece(members[2]);
  ReloadCurrentPiece();
  EXPECT_STREQ(globals().grading_title, "Piece 2");
  for (int p = 0; p < 5; ++p) {
    SCOPED_TRACE(p);
    if (p == 2) {
      EXPECT_NE(tagsOf(p), before[p]) << "saved, with ids drawn anew";
    } else {
      EXPECT_EQ(tagsOf(p), before[p]) << "neither saved nor given new ids";
    }
  }
}

TEST_F(PieceQueriesTest, ADocumentWithoutTitledArtIsLeftAsItWas) {
  ArtHandle path = Rect(LayerGroup(), 0, 0, 10, 10);
  LoadPieceFromSelection(0);
  int32_t layers = 0;
  sAILayer->CountLayers(&layers);
  EXPECT_EQ(layers, 1);
  EXPECT_TRUE(vmhost::Tags(path).empty());
  EXPECT_TRUE(vmhost::Tags(LayerGroup()).empty());
}

}  // namespace
}  // namespace vmtest
