// One undo transaction per host call that changes the document, and real
// undo and redo that give back exactly the document there was.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

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

  void SetUndoTexts(const std::string& undoText, const std::string& redoText) {
    const char* undo = undoText.c_str();
    const char* redo = redoText.c_str();
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

// Disposed art keeps nothing but its identity; undo brings it back whole.
TEST_F(UndoTest, DisposedArtKeepsNothingButUndoBringsItBackWhole) {
  ArtHandle made = nullptr, copy = nullptr;
  InHostCall([&] {
    kArtSuite.NewArt(kGroupArt, kPlaceAboveAll, nullptr, &made);
    kArtSuite.DuplicateArt(front, kPlaceInsideOnTop, made, &copy);
    kArtSuite.DisposeArt(made);
    kArtSuite.DisposeArt(group);
  });
  int32_t valid = 1;
  kArtSuite.ValidArt(copy, &valid);
  EXPECT_EQ(valid, 0);
  EXPECT_TRUE(made->d.children.empty());
  EXPECT_EQ(copy->d.segments.size(), 0u);
  EXPECT_EQ(copy->d.tags.size(), 0u);
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(vmhost::Segments(front).size(), 2u);
  EXPECT_EQ(vmhost::Tag(front, "vmk_grading_title"), "Front");
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

// The dump, and what it leaves out: which art is valid and which segments are
// selected.
void AddSegmentSelection(ArtHandle art, std::string& out) {
  int32_t valid = 0;
  kArtSuite.ValidArt(art, &valid);
  out += valid ? "valid\n" : "disposed\n";
  int16_t count = 0;
  if (kPathSuite.GetPathSegmentCount(art, &count) == kNoErr) {
    out += "selected segments";
    for (int16_t i = 0; i < count; ++i) {
      int16_t selected = 0;
      kPathSuite.GetPathSegmentSelected(art, i, &selected);
      out.append(" ").append(std::to_string(selected));
    }
    out += "\n";
  }
  for (ArtHandle kid : vmhost::Children(art)) AddSegmentSelection(kid, out);
}

std::string State(DocumentHandle doc) {
  std::string out = DumpDocument(doc);
  for (const HostLayer* layer : doc->d.layers) AddSegmentSelection(layer->group, out);
  return out;
}

// A long session: each call makes a different kind of change to a piece that
// carries a grading group's worth of tags.
class UndoSessionTest : public UndoTest {
 protected:
  void SetUp() override {
    UndoTest::SetUp();
    for (int t = 0; t < 300; ++t) kTagSuite.SetTag(group, Key(t).c_str(), "0");
  }
  static std::string Key(int n) { return "vmk_grading_" + std::to_string(n % 300); }

  void Change(int n) {
    const std::string step = std::to_string(n);
    InHostCall([&] {
      switch (n % 8) {
        case 0:
          kTagSuite.SetTag(group, Key(n * 7).c_str(), step.c_str());
          break;
        case 1: {
          PathSegment moved = vmhost::Corner(n, -n);
          kPathSuite.SetPathSegments(front, 1, 1, &moved);
          break;
        }
        case 2: {
          ArtHandle inner = nullptr, art = nullptr;
          kArtSuite.NewArt(kGroupArt, kPlaceInsideOnBottom, group, &inner);
          kArtSuite.NewArt(kPathArt, kPlaceInsideOnTop, inner, &art);
          PathSegment ends[2] = {vmhost::Corner(n, 0), vmhost::Corner(n, 10)};
          kPathSuite.SetPathSegmentCount(art, 2);
          kPathSuite.SetPathSegments(art, 0, 2, ends);
          made.push_back(inner);
          everMade.push_back(inner);
          break;
        }
        case 3:
          kArtSuite.DisposeArt(made[made.size() / 2]);
          made.erase(made.begin() + static_cast<std::ptrdiff_t>(made.size() / 2));
          break;
        case 4: {
          kArtSuite.ReorderArt(back, n % 16 == 4 ? kPlaceAboveAll : kPlaceBelowAll, nullptr);
          RealMatrix shift;
          kRealMathSuite.MatrixSetTranslate(&shift, 1, 2);
          kTransformArtSuite.TransformArt(group, &shift, 1.0, kTransformObjects);
          break;
        }
        case 5:
          vmhost::SetSelected(group, !vmhost::IsSelected(group));
          kPathSuite.SetPathSegmentSelected(back, static_cast<int16_t>(n % 3), 1);
          break;
        case 6: {
          ArtHandle text = nullptr;
          kTextFrameSuite.NewPointText(kPlaceAboveAll, nullptr, kHorizontalText, RealPoint{1.0 * n, 5}, &text);
          TextRangeHandle range = nullptr;
          kTextFrameSuite.GetTextRange(text, &range);
          const std::u16string words = u"身丈 " + std::u16string(step.begin(), step.end());
          kTextRangeSuite.InsertAfterUtf16(range, reinterpret_cast<const uint16_t*>(words.data()),
                                           static_cast<int32_t>(words.size()));
          kTextRangeSuite.ReleaseTextRange(range);
          break;
        }
        default:
          // A removed name set again goes last.
          kTagSuite.RemoveTag(group, Key(n * 11).c_str());
          kTagSuite.SetTag(group, Key(n * 13).c_str(), step.c_str());
          break;
      }
      SetUndoTexts("Undo " + step, "Redo " + step);
    });
  }

  std::vector<ArtHandle> made, everMade;
};

TEST_F(UndoSessionTest, AHundredStepsBackAndForthGiveBackEveryDocumentExactly) {
  const int calls = 130;
  std::vector<std::string> states{State(doc)};
  for (int n = 1; n <= calls; ++n) {
    Change(n);
    states.push_back(State(doc));
  }
  ASSERT_EQ(vmhost::UndoDepth(), 100) << "the history keeps the last 100 calls";
  for (int n = calls; n > calls - 100; --n) {
    EXPECT_EQ(vmhost::UndoText(), "Undo " + std::to_string(n));
    ASSERT_TRUE(vmhost::Undo());
    ASSERT_EQ(State(doc), states[static_cast<size_t>(n - 1)]) << "undone to before call " << n;
  }
  EXPECT_FALSE(vmhost::Undo());
  for (int n = calls - 99; n <= calls; ++n) {
    EXPECT_EQ(vmhost::RedoText(), "Redo " + std::to_string(n));
    ASSERT_TRUE(vmhost::Redo());
    ASSERT_EQ(State(doc), states[static_cast<size_t>(n)]) << "redone call " << n;
  }
  EXPECT_FALSE(vmhost::Redo());
}

TEST_F(UndoSessionTest, DisposedArtComesBackOnlyWithTheUndoOfItsDisposal) {
  for (int n = 1; n <= 40; ++n) Change(n);
  ASSERT_TRUE(made.empty());
  ASSERT_EQ(everMade.size(), 5u);
  auto valid = [](ArtHandle art) {
    int32_t v = 0;
    kArtSuite.ValidArt(art, &v);
    return v == 1;
  };
  for (int n = 40; n > 35; --n) ASSERT_TRUE(vmhost::Undo());
  for (ArtHandle art : everMade) EXPECT_FALSE(valid(art));
  ASSERT_TRUE(vmhost::Undo());  // call 35 disposed what call 34 made
  EXPECT_TRUE(valid(everMade[4]));
  EXPECT_TRUE(valid(vmhost::Children(everMade[4]).at(0))) << "with what is in it";
  EXPECT_EQ(vmhost::Children(group).back(), everMade[4]) << "back in its place";
  for (size_t k = 0; k < 4; ++k) EXPECT_FALSE(valid(everMade[k]));
}

TEST_F(UndoTest, ChangesNoEntryRecordsGoBackWithTheEntryBefore) {
  const std::string before = State(doc);
  InHostCall([&] { kTagSuite.SetTag(front, "step", "1"); });
  InHostCall([&] {
    EditEverything();
    kUndoSuite.SetSilent(1);
  });
  ArtHandle drawn = vmhost::AddPolyline(nullptr, {{7, 7}, {8, 8}}, false);  // outside any call
  const std::string after = State(doc);
  ASSERT_EQ(vmhost::UndoDepth(), 1);
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(State(doc), before);
  int32_t valid = 1;
  kArtSuite.ValidArt(drawn, &valid);
  EXPECT_EQ(valid, 0);
  ASSERT_TRUE(vmhost::Redo());
  EXPECT_EQ(State(doc), after);
}

TEST_F(UndoTest, UndoAfterASaveGivesBackTheDocumentIdsIncluded) {
  const std::string before = State(doc);
  InHostCall([&] { kTagSuite.SetTag(front, "step", "1"); });
  const std::string path = ::testing::TempDir() + "/vm_undo_" + std::to_string(::getpid()) + ".svg";
  std::string error;
  ASSERT_TRUE(vmhost::SaveDocument(doc, path, &error)) << error;
  std::remove(path.c_str());
  const std::string saved = State(doc);
  ASSERT_NE(saved, before) << "the save named every art";
  ASSERT_TRUE(vmhost::Undo());
  EXPECT_EQ(State(doc), before);
  ASSERT_TRUE(vmhost::Redo());
  EXPECT_EQ(State(doc), saved);
}

}  // namespace
