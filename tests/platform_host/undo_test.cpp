// One undo transaction per host call that changes the document, and real
// undo and redo that give back exactly the document there was.
#include "support/host_dump.h"
#include "support/host_fixture.h"

using namespace vmtest;

namespace {

class UndoTest : public HostTest {
 protected:
  void SetUp() override {
    HostTest::SetUp();
    group = vmhost::AddGroup();
    front = vmhost::AddPath(group, {{{0, 0}, {0, 0}, {0, 30}, 0}, {{50, 0}, {50, 30}, {50, 0}, 1}}, true);
    back = vmhost::AddPolyline(nullptr, {{100, 100}, {200, 100}, {200, 0}}, false);
    kTagSuite.SetTag(front, "vmk_grading_member", "77");
    kTagSuite.SetTag(front, "vmk_grading_title", "Front");
    vmhost::SetSelected(back, true);
  }

  void SetUndoTexts(const char* undo, const char* redo) {
    UnicodeStringHandle u, r;
    kUnicodeStringSuite.NewFromCodePage(undo, 932, &u);
    kUnicodeStringSuite.NewFromCodePage(redo, 932, &r);
    kUndoSuite.SetUndoTextUS(u, r);
    kUnicodeStringSuite.Dispose(u);
    kUnicodeStringSuite.Dispose(r);
  }

  // Many kinds of change in one call.
  void EditEverything() {
    PathSegment moved = vmhost::Corner(5, 5);
    kPathSuite.SetPathSegments(front, 1, 1, &moved);
    kTagSuite.SetTag(front, "vmk_grading_member", "78");
    kTagSuite.RemoveTag(front, "vmk_grading_title");
    kArtSuite.DisposeArt(back);
    ArtHandle fresh;
    kArtSuite.NewArt(kPathArt, kPlaceAboveAll, nullptr, &fresh);
    kArtSuite.ReorderArt(group, kPlaceAboveAll, nullptr);
    LayerHandle layer;
    kLayerSuite.InsertLayer(nullptr, kPlaceAboveAll, &layer);
    kLayerSuite.SetCurrentLayer(layer);
    kArtSuite.SetArtUserAttr(group, kArtSelected | kArtLocked, kArtSelected | kArtLocked);
  }

  ArtHandle group = nullptr, front = nullptr, back = nullptr;
};

TEST_F(UndoTest, UndoRestoresTheDocumentExactlyAndRedoReplaysIt) {
  std::string before = DumpDocument(doc);
  InHostCall([&] {
    EditEverything();
    SetUndoTexts("Undo edit", "Redo edit");
  });
  std::string after = DumpDocument(doc);
  ASSERT_NE(before, after);
  EXPECT_EQ(vmhost::UndoDepth(), 1);
  EXPECT_EQ(vmhost::UndoText(), "Undo edit");

  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(DumpDocument(doc), before);
  // The module's handles still name the same art.
  int32_t valid = 0;
  kArtSuite.ValidArt(back, &valid);
  EXPECT_EQ(valid, 1);
  EXPECT_EQ(vmhost::Tag(front, "vmk_grading_title"), "Front");
  EXPECT_EQ(vmhost::RedoText(), "Redo edit");

  ASSERT_TRUE(vmhost::Redo());
  EXPECT_EQ(DumpDocument(doc), after);
  kArtSuite.ValidArt(back, &valid);
  EXPECT_EQ(valid, 0);
  EXPECT_FALSE(vmhost::Redo());
}

TEST_F(UndoTest, CallsThatChangeNothingOrAreSilentLeaveNoEntry) {
  InHostCall([&] {
    int16_t count;
    kPathSuite.GetPathSegmentCount(front, &count);
    vmhost::SetSelected(back, true);  // already selected
  });
  InHostCall([&] {
    EditEverything();
    kUndoSuite.SetSilent(1);
  });
  EXPECT_EQ(vmhost::UndoDepth(), 0);
  EXPECT_TRUE(vmhost::UndoRecords().empty());
}

TEST_F(UndoTest, ARefusedPlacementLeavesNoEntryButKeepsAnEarlierChange) {
  ArtHandle made = nullptr;
  InHostCall([&] {
    EXPECT_EQ(kArtSuite.NewArt(kGroupArt, kPlaceInsideOnTop, front, &made), kWrongTypeErr);
    EXPECT_EQ(kArtSuite.DuplicateArt(group, kPlaceInsideOnTop, front, &made), kWrongTypeErr);
    EXPECT_EQ(kArtSuite.ReorderArt(group, kPlaceInsideOnTop, front), kWrongTypeErr);
  });
  EXPECT_EQ(vmhost::UndoDepth(), 0);
  const std::string before = DumpDocument(doc);
  InHostCall([&] {
    kTagSuite.SetTag(front, "step", "1");
    EXPECT_EQ(kArtSuite.ReorderArt(group, kPlaceInsideOnTop, front), kWrongTypeErr);
  });
  EXPECT_EQ(vmhost::UndoDepth(), 1);
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(DumpDocument(doc), before);
}

TEST_F(UndoTest, UndoChangesRevertsOnlyTheCurrentCall) {
  InHostCall([&] { kTagSuite.SetTag(front, "kept", "1"); });
  std::string kept = DumpDocument(doc);
  InHostCall([&] {
    EditEverything();
    kUndoSuite.UndoChanges();
  });
  EXPECT_EQ(DumpDocument(doc), kept);
  EXPECT_EQ(vmhost::UndoDepth(), 1);
}

TEST_F(UndoTest, ANewEntryClearsRedoAndEachCallIsOneStep) {
  InHostCall([&] { kTagSuite.SetTag(front, "step", "1"); });
  InHostCall([&] { kTagSuite.SetTag(front, "step", "2"); });
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(vmhost::Tag(front, "step"), "1");
  InHostCall([&] { kTagSuite.SetTag(front, "step", "3"); });
  EXPECT_FALSE(vmhost::Redo());
  ASSERT_TRUE(vmhost::Undo());
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(vmhost::Tag(front, "step"), "");
  EXPECT_FALSE(vmhost::Undo());
}

}  // namespace
