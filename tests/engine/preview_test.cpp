// The grading preview as the user sees it on the preview layers: graded
// copies, marks and labels read back from the stand-in host.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <vector>

#include "engine/annotation_labels.h"
#include "engine/preview_builder.h"
#include "store/art_tags.h"
#include "store/store_scene.h"

namespace vmtest {
namespace {

class PreviewTest : public StoreScene {
 protected:
  void SetUp() override {
    StoreScene::SetUp();
    preview = vmhost::AddLayer("<<Vestamark Preview>>");
    globals().previewLayer = preview;
    std::memset(globals().handles, 0, sizeof globals().handles);
    globals().grading_length = 40;
    globals().grading_hvlock = 0;
    back = Rect(LayerGroup(), 0, 0, 10, 10);
    front = Rect(LayerGroup(), 20, 0, 30, 10);
    SetPiece({back, vmhost::AddPolyline(LayerGroup(), {{5, 5}}, false), front});
  }

  // Children in drawing order (the topmost last).
  static std::vector<ArtHandle> Drawn(ArtHandle group) {
    std::vector<ArtHandle> arts = vmhost::Children(group);
    std::reverse(arts.begin(), arts.end());
    return arts;
  }
  std::vector<ArtHandle> Layer(LayerHandle layer = nullptr) {
    return Drawn(LayerGroup(layer ? layer : preview));
  }
  // The copies, then the plain and the selected annotation group.
  std::vector<ArtHandle> Copies() {
    return Layer().size() == 1 ? Drawn(Layer()[0]) : std::vector<ArtHandle>{};
  }
  std::vector<ArtHandle> PlainMarks() { return Drawn(Copies().rbegin()[1]); }
  std::vector<ArtHandle> SelectedMarks() { return Drawn(Copies().back()); }

  RevisionHandle& Line(int slot, int16_t kind, RealPoint p1, RealPoint p2, ArtHandle art1 = nullptr,
                       ArtHandle art2 = nullptr, int32_t i1 = 0, int32_t i2 = 0) {
    RevisionHandle& h = globals().handles[slot];
    h.kind = kind;
    h.line = {p1, p2, art1, art2, i1, i2, {}};
    return h;
  }

  static RealPoint Anchor(ArtHandle art, size_t n) { return art->d.segments.at(n).p; }
  static void ExpectPoints(ArtHandle art, const std::vector<RealPoint>& anchors) {
    ASSERT_EQ(art->d.segments.size(), anchors.size());
    for (size_t n = 0; n < anchors.size(); ++n) {
      EXPECT_NEAR(Anchor(art, n).h, anchors[n].h, 1e-12) << "anchor " << n;
      EXPECT_NEAR(Anchor(art, n).v, anchors[n].v, 1e-12) << "anchor " << n;
    }
  }
  static std::array<double, 4> Cmyk(const HostColor& c) { return {c.c, c.m, c.y, c.k}; }
  static std::vector<std::string> Texts(const std::vector<ArtHandle>& arts) {
    std::vector<std::string> texts;
    for (ArtHandle art : arts)
      if (art->d.type == kTextFrameArt) texts.push_back(vmhost::Text(art));
    return texts;
  }

  // The art of one rotated label, in drawing order.
  std::vector<ArtHandle> Rotated(RealPoint a, RealPoint b, int16_t highlight = 0) {
    ArtHandle group = vmhost::AddGroup(LayerGroup(preview));
    CreateRotatedTextLabel(group, a, b, 0, "12", highlight, 1);
    return Drawn(group);
  }

  LayerHandle preview = nullptr;
  ArtHandle back = nullptr, front = nullptr;
};

constexpr std::array<double, 4> kCyan{0.5, 0, 0, 0}, kRed{0, 1, 1, 0};

TEST_F(PreviewTest, EachBuildDrawsGradedCopiesAfreshAndAnEmptyPieceLeavesTheLayerEmptyAndLocked) {
  Rect(LayerGroup(preview), 0, 0, 1, 1);
  globals().presetScale[globals().currentScaleIndex] = {1.2, 1.5};
  WriteStringTag(back, "vmk_grading_title", "Back");
  WriteStringTag(back, "note", "kept");
  back->d.style.fillPaint = 1;  // the copy is an outline all the same
  Line(0, kHandleDistance, {0, 0}, {10, 0});
  for (int16_t deselect : {0, 1}) {
    vmhost::SetSelected(back, true);
    BuildGradingPreview(deselect, 0);
    ASSERT_EQ(globals().previewArtCount, 4);
    ArtHandle* arts = globals().previewArts;
    EXPECT_EQ(arts[1], nullptr);
    EXPECT_EQ(Copies(), (std::vector<ArtHandle>{arts[0], arts[2], arts[3], Copies().back()}));
    EXPECT_EQ(Anchor(arts[0], 2).h, 12);
    EXPECT_EQ(Anchor(arts[0], 2).v, 15);
    const PathStyle& style = arts[0]->d.style;
    EXPECT_EQ(style.fillPaint, 0);
    EXPECT_EQ(style.strokePaint, 1);
    EXPECT_EQ(style.strokeWidth, 1.0);
    EXPECT_EQ(Cmyk(style.strokeColor), kCyan);
    EXPECT_EQ(vmhost::Tags(arts[0]), (std::vector<std::pair<std::string, std::string>>{{"note", "kept"}}));
    EXPECT_TRUE(vmhost::IsSelected(back));
    for (ArtHandle art : {arts[0], PlainMarks()[0], PlainMarks().back()})
      EXPECT_FALSE(vmhost::IsSelected(art));
    EXPECT_FALSE(preview->d.editable);
  }
  SetPiece({});
  BuildGradingPreview(0, 0);
  EXPECT_TRUE(Layer().empty());
}

// The copies come out as if each member had a pass of its own: a handle that
// reads what a later measurement measures sees the value of the pass before.
TEST_F(PreviewTest, EachCopyIsGradedAfterWhatThePassBeforeItMeasured) {
  PluginGlobals& g = globals();
  const int16_t index = g.currentScaleIndex;
  g.presetScale[index] = {1.0, 1.0};
  std::strcpy(g.variables.varNames[0], "w");
  g.variables.varValues[0][0] = '\0';
  std::strcpy(Line(0, kHandleDistance, {20, 0}, {30, 0}, front, front, 0, 1).line.amountExpr[index], "100 + w");
  RevisionHandle& width = Line(1, kHandleMeasurement, {0, 0}, {10, 0}, back, back, 0, 1);
  std::strcpy(width.line.amountExpr[0], "w");
  BuildGradingPreview(1, 0);
  ASSERT_EQ(g.previewArtCount, 4);
  EXPECT_EQ(std::string(g.variables.varValues[0]), "3.53");
  EXPECT_EQ(Anchor(g.previewArts[0], 1).h, 10) << "the back: graded before anything was measured";
  EXPECT_NEAR(Anchor(g.previewArts[2], 1).h, 20 + 10 * 1.0353, 1e-9) << "the front: after the back's pass";

  // Outside any action each pass shows its failing amount, one per copy.
  std::strcpy(g.handles[0].line.amountExpr[index], "100 + nothing(");
  vmhost::ClearRecordings();
  BuildGradingPreview(1, 0);
  EXPECT_EQ(AlertTexts().size(), 2u);
}

TEST_F(PreviewTest, EditPreviewLayerGetsCopiesOnlyInTheSecondColour) {
  globals().editPreviewLayer = vmhost::AddLayer("<<Vestamark Sample>>");
  BuildGradingPreview(1, 1);
  EXPECT_EQ(globals().previewArtCount, 3);
  std::vector<ArtHandle> top = Layer(globals().editPreviewLayer);
  ASSERT_EQ(top.size(), 1u);
  ASSERT_EQ(Drawn(top[0]).size(), 2u);
  EXPECT_EQ(Cmyk(Drawn(top[0])[0]->d.style.strokeColor), (std::array<double, 4>{0, 0.5, 0.5, 0}));
  EXPECT_TRUE(globals().editPreviewLayer->d.editable);
  EXPECT_TRUE(Layer().empty());
}

TEST_F(PreviewTest, OriginCrossRingsAndArrowKeepTheirSizeOnScreen) {
  globals().lastZoom = 2;
  globals().grading_origin = {10, 20};
  BuildGradingPreview(1, 0);
  std::vector<ArtHandle> marks = PlainMarks();
  ASSERT_EQ(marks.size(), 6u);
  const double expected[][2] = {{Anchor(marks[0], 0).h, 7.5},  {Anchor(marks[1], 1).v, 22.5},
                                {Anchor(marks[2], 0).h, 12.5}, {Anchor(marks[3], 1).v, 24},
                                {Anchor(marks[4], 1).h, 50},   {marks[5]->d.style.strokeWidth, 0.5}};
  for (auto [seen, want] : expected) EXPECT_EQ(seen, want);
  EXPECT_EQ(globals().previewArts[0]->d.style.strokeWidth, 0.5) << "the copies too";
  EXPECT_NEAR(Anchor(marks[5], 0).h, 50 - 5 * std::cos(0.5236), 1e-5);
  // The outer ring, 8 points across at zoom 2: four smooth quarters about the origin.
  const double k = 4 * 0.552277;
  const PathSegment ring[] = {{{14, 20}, {14, 20 - k}, {14, 20 + k}, 0},
                              {{10, 24}, {10 + k, 24}, {10 - k, 24}, 0},
                              {{6, 20}, {6, 20 + k}, {6, 20 - k}, 0},
                              {{10, 16}, {10 - k, 16}, {10 + k, 16}, 0}};
  ASSERT_EQ(marks[3]->d.segments.size(), 4u);
  EXPECT_TRUE(marks[3]->d.closed);
  for (size_t n = 0; n < 4; ++n) {
    SCOPED_TRACE(n);
    const PathSegment& seen = marks[3]->d.segments[n];
    for (auto [got, want] : {std::pair{seen.p, ring[n].p}, {seen.in, ring[n].in}, {seen.out, ring[n].out}}) {
      EXPECT_DOUBLE_EQ(got.h, want.h);
      EXPECT_DOUBLE_EQ(got.v, want.v);
    }
    EXPECT_EQ(seen.corner, 0);
  }
  EXPECT_NEAR(Anchor(marks[5], 2).v, 20 - 5 * std::sin(0.5236), 1e-5);

  globals().grading_hvlock = 1;
  globals().grading_selected = 1;
  BuildGradingPreview(1, 0);
  EXPECT_TRUE(PlainMarks().empty());
  ASSERT_EQ(SelectedMarks().size(), 4u);
  EXPECT_EQ(Cmyk(SelectedMarks()[0]->d.style.strokeColor), kRed);
}

TEST_F(PreviewTest, TwoPointHandlesGetLineEndsAndNumber) {
  // After the line: a cross at each end, a marker on an end that lies on a
  // path (distance, angle: the second only; measurement: none), the label.
  const struct {
    int16_t kind, proportional;
    size_t marks, secondMarker;  // 0: no marker at the second end
  } cases[] = {{kHandleDistance, 0, 8, 5}, {kHandleLength, -1, 9, 6}, {kHandleLength, 1, 9, 6},
               {kHandleAngle, 0, 8, 5},    {kHandleMeasurement, 0, 7, 0}};
  globals().lastZoom = 2;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    Line(4, c.kind, {0, 0}, {100, 0}, back, front).proportional = c.proportional;
    Line(5, kHandleDistance, {0, 50}, {100, 50}).listSelected = 1;
    BuildGradingPreview(1, 0);
    std::vector<ArtHandle> marks = PlainMarks();
    ASSERT_EQ(marks.size(), 6 + c.marks);
    EXPECT_EQ(Anchor(marks[6], 1).h, 100);
    // The first end's cross: two diagonals 5 pixels long each way, at zoom 2.
    const double d = 5 * std::sin(0.7854) / 2;
    ExpectPoints(marks[7], {{-d, -d}, {d, d}});
    ExpectPoints(marks[8], {{-d, d}, {d, -d}});
    if (c.secondMarker) {
      EXPECT_EQ(marks[6 + c.secondMarker]->d.segments[0].corner, c.proportional != 0);
    }
    EXPECT_EQ(Texts(marks), std::vector<std::string>{"5"});
    EXPECT_EQ(Texts(SelectedMarks()), std::vector<std::string>{"6"});
    EXPECT_EQ(Cmyk(SelectedMarks()[0]->d.style.strokeColor), kRed);
  }
}

TEST_F(PreviewTest, HandleGroupsDrawOneLeaderPerRunOfSlots) {
  for (int slot = 0; slot < 3; ++slot)
    Line(slot, kHandleDistance, {0, 0}, {10.0 * slot, 30}, back, front).groupId = 7;
  BuildGradingPreview(1, 0);
  EXPECT_EQ(PlainMarks().size(), 6u + 8u + 3u + 3u);
  EXPECT_EQ(Texts(PlainMarks()), std::vector<std::string>{"1"});
  globals().handles[1].groupId = 0;
  BuildGradingPreview(1, 0);
  EXPECT_EQ(Texts(PlainMarks()), (std::vector<std::string>{"1", "2", "3"}));
}

TEST_F(PreviewTest, LengthHandleRunsThroughTheClosingSegmentAndIsLabelledHalfway) {
  ArtHandle outline = Rect(LayerGroup(), 0, 0, 100, 60);
  SetPiece({outline});
  Line(0, kHandleLength, {100, 60}, {0, 0}, outline, outline, 2, 0);
  BuildGradingPreview(1, 0);
  std::vector<ArtHandle> marks = PlainMarks();
  ASSERT_EQ(marks.size(), 6u + 9u);
  const ArtData& run = marks[6]->d;
  ASSERT_EQ(run.segments.size(), 3u);
  EXPECT_EQ(run.segments[0].p.v, 60);
  EXPECT_EQ(run.segments[2].p.h, 0);
  EXPECT_EQ(run.closed, 0);
  EXPECT_EQ(run.style.strokeWidth, 2);
  // Half of 160 points falls on the chord of steps 45 to 46 of the top edge.
  auto step = [](double k) { return 100 - 100 * (3 * k * k / 4096 - 2 * k * k * k / 262144); };
  const RealMatrix& label = marks.back()->d.text.matrix;
  EXPECT_NEAR(label.tx, (step(45) + step(46)) / 2, 1e-4);
  EXPECT_NEAR(label.ty, 56, 1e-4);

  // From the left edge's top round to the bottom's right end: the two pieces
  // on either side of the closing anchor join there once.
  Line(0, kHandleLength, {0, 60}, {100, 0}, outline, outline, 3, 1);
  BuildGradingPreview(1, 0);
  ExpectPoints(PlainMarks()[6], {{0, 60}, {0, 0}, {100, 0}});
}

TEST_F(PreviewTest, PointHandlesAreSquaresNamedOrLetteredByMemberAndAnchor) {
  globals().lastZoom = 2;
  globals().handles[0].kind = globals().handles[1].kind = globals().handles[2].kind = kHandlePoint;
  globals().handles[0].point = {front, 2, {}, {}};
  globals().handles[1].point = {back, 2, {}, {}};
  std::strcpy(globals().handles[1].name, "Hem");
  // A further point of Hem's group gets its square but no label of its own.
  globals().handles[2].point = {back, 0, {}, {}};
  globals().handles[1].groupId = globals().handles[2].groupId = 4;
  BuildGradingPreview(1, 0);
  std::vector<ArtHandle> marks = PlainMarks();
  EXPECT_EQ(Texts(marks), (std::vector<std::string>{"C-3", "Hem"}));
  ASSERT_EQ(marks.size(), 6u + 5u);
  EXPECT_EQ(Anchor(marks[6], 0).h, 30 - 1.5);
  EXPECT_EQ(marks[7]->d.text.anchor.h, 34);
  EXPECT_EQ(marks[7]->d.text.anchor.v, 6);
}

TEST_F(PreviewTest, DamagedHandlesAndAZeroZoomNeitherOverrunNorMisplaceAnything) {
  globals().lastZoom = 0;
  ArtHandle square = Rect(LayerGroup(), 0, 0, 100, 100);
  SetPiece({square});
  // Anchors outside the path: the handle covers no curve of it, so only its ends are marked.
  Line(0, kHandleLength, {0, 0}, {0, 0}, square, square, -1, -5);
  globals().handles[1].kind = globals().handles[2].kind = kHandlePoint;
  globals().handles[1].point = {square, 65538, {}, {}};
  globals().handles[2].point = {square, 0, {}, {}};
  std::memset(globals().handles[2].name, 'x', kNameSize);
  BuildGradingPreview(1, 0);
  std::vector<ArtHandle> marks = PlainMarks();
  ASSERT_EQ(marks.size(), 6u + 6u + 2u);
  EXPECT_EQ(marks[6]->d.segments.size(), 2u);
  EXPECT_EQ(Texts(marks).size(), 1u);
  EXPECT_EQ(marks[0]->d.style.strokeWidth, 1);
  EXPECT_EQ(Texts(marks).back(), std::string(kNameSize - 1, 'x'));
}

TEST_F(PreviewTest, SavedDocumentShowsThePreviewInABrowser) {
  Line(0, kHandleDistance, {0, 0}, {100, 0}, back, front);
  BuildGradingPreview(0, 0);
  const std::string path = folders->documents() + "/preview.svg";
  std::string error;
  ASSERT_TRUE(vmhost::SaveDocument(doc, path, &error)) << error;
  const std::string svg = ReadHostFile(path);
  for (const char* part : {"Vestamark Preview", "stroke=\"#80ffff\"", ">1</text>"})
    EXPECT_NE(svg.find(part), std::string::npos) << part;
}

TEST_F(PreviewTest, SelectedHandleLabelsAreRedAndKeepTheirSizeOnScreenAtZoomTwo) {
  globals().lastZoom = 2;
  std::vector<ArtHandle> label = Rotated({0, 0}, {40, 0}, 1);
  ASSERT_EQ(label.size(), 2u);
  EXPECT_NEAR(Anchor(label[0], 2).h - Anchor(label[0], 0).h, 8, 1e-9);
  EXPECT_NEAR(Anchor(label[0], 2).v - Anchor(label[0], 0).v, 6, 1e-9);
  EXPECT_NEAR(Anchor(label[0], 0).h, 16, 1e-9);
  EXPECT_EQ(label[0]->d.style.strokeWidth, 0.5);
  EXPECT_EQ(label[0]->d.style.fillColor.kind, ColorKind::Gray);
  const TextData& text = label[1]->d.text;
  EXPECT_EQ(vmhost::Text(label[1]), "12");
  EXPECT_EQ(text.chars.size, 5);
  EXPECT_EQ(text.para.justification, kJustifyCenter);
  EXPECT_NEAR(text.matrix.tx, 20, 1e-4);
  EXPECT_NEAR(text.matrix.ty, -2, 1e-4);
  EXPECT_EQ(Cmyk(text.chars.fillColor), kRed);
  EXPECT_FALSE(vmhost::IsSelected(label[1]));
}

TEST_F(PreviewTest, LinesOfEitherDirectionReadTheSameWayUp) {
  const RealPoint ends[][2] = {{{0, 0}, {40, 0}}, {{0, 0}, {0, 40}}, {{0, 0}, {30, -40}}};
  for (const auto& e : ends) {
    std::vector<ArtHandle> forward = Rotated(e[0], e[1]), backward = Rotated(e[1], e[0]);
    const RealMatrix &f = forward[1]->d.text.matrix, &b = backward[1]->d.text.matrix;
    for (auto [x, y] : {std::pair{f.a, b.a}, {f.b, b.b}, {f.tx, b.tx}, {f.ty, b.ty}}) EXPECT_NEAR(x, y, 1e-5);
    for (size_t n = 0; n < 4; ++n) EXPECT_NEAR(Anchor(forward[0], n).h, Anchor(backward[0], n).h, 1e-5);
  }
}

TEST_F(PreviewTest, OsakaWhenTheHostHasItElseTheFirstFont) {
  // The font used, by its place in the host's list (-1: none at all).
  const std::pair<std::vector<std::string>, int32_t> cases[] = {{{"Arial", "Osaka", "Helvetica"}, 1},
                                                                {{"Osaka", "Arial", "Osaka", "Times"}, 2},
                                                                {{"Arial", "Osaka-Mono"}, 0},
                                                                {{}, -1}};
  for (const auto& [fonts, used] : cases) {
    SCOPED_TRACE(used);
    vmhost::SetFontList(fonts);
    FontHandle expected = nullptr;
    if (used >= 0) sAIFont->IndexFontList(used, &expected);
    ArtHandle group = vmhost::AddGroup(LayerGroup(preview));
    CreateTextLabel(group, {3, 4}, "B-3", 0, 0);
    ASSERT_EQ(Drawn(group).size(), 1u);
    const ArtHandle text = Drawn(group)[0];
    EXPECT_EQ(text->d.text.chars.font, expected);
    EXPECT_EQ(vmhost::Text(text), "B-3");
  }
}

}  // namespace
}  // namespace vmtest
