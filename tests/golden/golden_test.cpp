// Results frozen byte for byte: graded pieces taken through choosing the tool,
// every one of the 99 presets, the Information list, a handle drawn anew and
// "Update grading" from either panel, compared with the files in
// tests/golden/data.
// A change meant to alter results writes the files anew, from either build:
//
//   VESTAMARK_GOLDEN_WRITE=1 build-release/tests/test_golden
//
// and the diff of tests/golden/data shows what it altered.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "golden/golden_scene.h"
#include "host/host_driver.h"

namespace vmtest {
namespace {

using GoldenTest = GoldenScene;

constexpr double kThirtyDegrees = 0.52359877559829882;
// Control handle length of a 30-degree arc of radius 70.
const double kArc30 = 70 * 4.0 / 3 * std::tan(M_PI / 24);

UpdateGradingSettings Options(int16_t mode, int16_t leave, int16_t otherLayer, int16_t layerPerPreset,
                              const char* layerName = "") {
  UpdateGradingSettings options{leave, mode, 1, otherLayer, layerPerPreset, {}};
  std::snprintf(options.renewal_out_lname, sizeof options.renewal_out_lname, "%s", layerName);
  return options;
}

// Straight sides in a group with a group inside it: distance handles of every
// direction, one or both ends moving, across two paths, moving by
// millimetres, one end free (the reader drops such a handle); a group with
// proportional and plain members; a point handle; an angle group whose
// leader's free end the engine turns round; a plain handle; a selected one.
TEST_F(GoldenTest, StraightSidesInNestedGroups) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle line =
      vmhost::AddPolyline(piece, {{0, 0}, {60, 10}, {120, 0}, {180, 15}, {240, 0}, {300, 10}}, false);
  ArtHandle body = vmhost::AddPolyline(
      vmhost::AddGroup(piece), {{0, 50}, {100, 40}, {200, 50}, {220, 150}, {100, 170}, {-20, 150}}, true);
  ArtHandle yoke = vmhost::AddPolyline(piece, {{0, 200}, {100, 190}, {200, 200}, {200, 260}, {0, 260}}, true);
  Settings({100, 100}, 0, 1, 0, 80);

  std::snprintf(Line(0, kHandleDistance, body, 1, body, 3, {"100.0", "104.5", "97"}).name, kNameSize,
                "side seam");
  RevisionHandle& across = Line(2, kHandleDistance, line, 4, body, 2, {"102", "100.0", "95.5"});
  across.direction = 1;
  across.bothEnds = 1;
  RevisionHandle& vertical = Line(3, kHandleDistance, body, 0, body, 5, {"103", "98", "100.0"});
  vertical.direction = 2;
  vertical.listSelected = 1;
  RevisionHandle& radial = Line(4, kHandleDistance, yoke, 0, yoke, 2, {"101.5", "99", "100.0"});
  radial.direction = 3;
  radial.bothEnds = 1;
  Line(5, kHandleDistance, yoke, 2, yoke, 4, {"106", "100.0", "94"}).direction = 3;
  Line(6, kHandleDistance, line, 1, line, 3, {"110"}).direction = 4;
  const int16_t members[3][4] = {
      {5, 4, 1, 0}, {5, 3, 1, 1}, {0, 2, 0, 0}};  // anchors, direction, proportional
  for (int k = 0; k < 3; ++k) {
    ArtHandle art = k < 2 ? body : line;
    RevisionHandle& h =
        Line(7 + k, kHandleDistance, art, members[k][0], art, members[k][1], {"105", "100.0", "95"});
    h.groupId = 7;
    h.direction = members[k][2];
    h.proportional = members[k][3];
  }
  Line(10, kHandleDistance, line, 2, nullptr, 0, {"108", "100.0", "92"}).line.p2 = {120, -40};
  Line(11, kHandleDistance, body, 0, body, 1,
       {"100.0", "moving_distance(6) / %%DISTANCE%% * 100 * %%GR_COMPSCALE%%",
        "moving_distance(-4) / %%DISTANCE%% * 100 * %%GR_COMPSCALE%%"})
      .direction = 1;
  Point(12, line, 4, {"0", "1.5", "-2"}, {"0", "-1", "0.5"});
  RevisionHandle& turn = Line(13, kHandleAngle, yoke, 4, nullptr, 0, {"0", "3", "-2.5"});
  turn.line.p2 = {-40, 300};
  turn.groupId = 13;
  Line(14, kHandleAngle, yoke, 4, yoke, 2, {"0", "3", "-2.5"}).groupId = 13;
  Line(15, kHandlePlain, line, 0, yoke, 0, {"120"});
  RevisionHandle& hem = Line(16, kHandleDistance, line, 0, line, 1, {"100.0", "107", "93"});
  hem.bothEnds = 1;
  std::snprintf(hem.name, kNameSize, "front hem");
  StoreGroup({line, body, yoke}, "Bodice");

  ChooseToolOn(piece);
  RecordEveryPreset();
  DeleteRow(4);
  DrawHandle({300, 10}, {100, 190});
  RunUpdate(Options(2, 1, 1, 1), {0, 49, 98});
  RunUpdate(Options(0, 0, 0, 0), {});
  RecordAlerts();
  CheckRecord("straight_sides");
}

// Curves: a circle whose closing anchor lies inside the arcs, half a circle
// closed by straight sides, free curves ending in a quarter arc, and a path
// whose closing anchor splits an arc. Arc handles across the closing anchor
// (of the whole circle and of part of an arc), on part of an arc, on curves
// that are no arc and on one anchor; length handles on arcs, across the
// closing anchor, on free curves and on straight sides; an angle handle; a
// measurement whose results later handles read. The grading direction is
// turned 30 degrees.
TEST_F(GoldenTest, CurvesAndArcs) {
  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle circle = Circle(piece, {0, 0}, 80, 4, M_PI / 4);
  std::vector<PathSegment> half;
  const double k = 60 * 4.0 / 3 * std::tan(M_PI / 24);
  for (int i = 0; i <= 6; ++i) {
    const double a = i * M_PI / 6;
    const RealPoint p{250 + 60 * std::cos(a), 60 * std::sin(a)};
    const RealPoint t{-std::sin(a) * k, std::cos(a) * k};
    half.push_back({p, i == 0 ? p : RealPoint{p.h - t.h, p.v - t.v},
                    i == 6 ? p : RealPoint{p.h + t.h, p.v + t.v}, static_cast<int16_t>(i == 0 || i == 6)});
  }
  for (RealPoint p : {RealPoint{190, -40}, RealPoint{250, -60}, RealPoint{310, -40}})
    half.push_back(vmhost::Corner(p.h, p.v));
  ArtHandle outline = vmhost::AddPath(piece, half, true);
  ArtHandle curves = vmhost::AddPath(piece,
                                     {{{400, 0}, {400, 0}, {430, 60}, 1},
                                      {{500, 0}, {470, -60}, {530, 60}, 0},
                                      {{600, 0}, {570, -60}, {600, 27.614}, 0},
                                      {{650, 50}, {622.386, 50}, {650, 50}, 1}},
                                     false);
  // Arcs on both sides of the closing anchor, straight sides between them.
  std::vector<PathSegment> lens;
  for (int degrees : {0, 30, 60, 300, 330}) {
    const double a = degrees * M_PI / 180;
    const RealPoint p{70 * std::cos(a), -250 + 70 * std::sin(a)};
    const RealPoint t{-std::sin(a) * kArc30, std::cos(a) * kArc30};
    lens.push_back({p, degrees == 300 ? p : RealPoint{p.h - t.h, p.v - t.v},
                    degrees == 60 ? p : RealPoint{p.h + t.h, p.v + t.v},
                    static_cast<int16_t>(degrees % 120 == 60)});
    if (degrees == 60) {
      lens.push_back(vmhost::Corner(-60, -200));
      lens.push_back(vmhost::Corner(-60, -300));
    }
  }
  ArtHandle split = vmhost::AddPath(piece, lens, true);
  Settings({-50, 30}, kThirtyDegrees, 1.1, 1, 120);

  Line(0, kHandleArc, circle, 3, circle, 1, {"100.0", "105", "96"});
  Line(1, kHandleLength, outline, 1, outline, 4, {"103", "100.0", "98"});
  Line(2, kHandleArc, outline, 2, outline, 3, {"104", "100.0", "97.5"});
  Line(3, kHandleLength, circle, 2, circle, 0, {"100.0", "101", "99"});
  Line(4, kHandleArc, curves, 0, curves, 2, {"110", "100.0", "90"});
  Line(5, kHandleLength, curves, 0, curves, 3, {"102", "97", "100.0"});
  Line(6, kHandleAngle, curves, 3, curves, 2, {"0", "5", "-4"});
  Line(7, kHandleDistance, outline, 7, outline, 9,
       {"(40) / %%DISTANCE%% * 100 * %%GR_COMPSCALE%%", "100.0",
        "(36) / %%DISTANCE%% * 100 * %%GR_COMPSCALE%%"});
  RevisionHandle& chord = Line(8, kHandleMeasurement, circle, 0, circle, 2, {});
  const char* names[4] = {"chord", "chord_angle", "arc_len", "arc_r"};
  for (int i = 0; i < 4; ++i) std::snprintf(chord.line.amountExpr[i], kExprSize, "%s", names[i]);
  Line(9, kHandleArc, outline, 6, outline, 6, {"100.0", "102", "98"});
  Line(10, kHandleLength, outline, 7, outline, 9, {"120"});
  Line(11, kHandleDistance, curves, 1, curves, 3, {"chord / 2 + 95", "100.0", "arc_r + 95"}).direction = 3;
  Line(12, kHandleArc, split, 6, split, 1, {"100.0", "106", "95"});
  Line(13, kHandleLength, split, 5, split, 0, {"104", "100.0", "97"});
  for (int i = 0; i < 4; ++i) Variable(i, names[i], "");
  StoreGroup({circle, outline, curves, split}, "Sleeve");

  ChooseToolOn(piece);
  RecordEveryPreset();
  DrawHandle({310, 0}, {250, -60});
  RunUpdate(Options(2, 1, 1, 0, "Graded sizes"), {1, 97});
  RunUpdate(Options(0, 1, 0, 0), {});
  RecordAlerts();
  CheckRecord("curves_and_arcs");
}

// Measurements and variables: a handle before the measurement reads what it
// measures; a distance in the frame of a measurement; a variable of another
// piece (a single titled path) read by its title; chained, private, long and
// preset-dependent variables; a measurement across two paths, whose length
// and radius stay unknown; an amount that is no expression for some presets.
TEST_F(GoldenTest, MeasurementsAndVariables) {
  ArtHandle sleeve = vmhost::AddPolyline(LayerGroup(), {{0, 300}, {150, 300}, {120, 400}, {30, 400}}, true);
  Settings({0, 0}, -0.2, 0.95, 2, 60);
  Line(0, kHandleDistance, sleeve, 0, sleeve, 1, {"100.0", "cap_ease", "98"}).direction = 1;
  Variable(0, "cap", "12.5");
  Variable(1, "cap_ease", "IF(%%PRESET_IDX%% > 50){103}ELSE{101}");
  StoreGroup({sleeve}, "Sleeve");

  ArtHandle piece = vmhost::AddGroup(LayerGroup());
  ArtHandle front =
      vmhost::AddPolyline(piece, {{0, 0}, {120, 0}, {140, 80}, {120, 160}, {0, 170}, {-10, 80}}, true);
  ArtHandle back =
      vmhost::AddPolyline(piece, {{200, 0}, {330, 0}, {340, 90}, {320, 170}, {260, 175}, {200, 160}}, true);
  Line(0, kHandleDistance, front, 1, front, 2, {"waist / 10 + 95"});
  RevisionHandle& waist = Line(1, kHandleMeasurement, front, 0, front, 4, {});
  const char* waistNames[4] = {"waist", "waist_angle", "waist_len", "waist_r"};
  for (int i = 0; i < 4; ++i) std::snprintf(waist.line.amountExpr[i], kExprSize, "%s", waistNames[i]);
  Line(2, kHandleDistance, back, 0, back, 1, {"102", "100.0", "ease"}).direction = 5;
  Line(3, kHandleDistance, back, 2, back, 5, {"Sleeve:cap * 8", "100.0", "half + 50"}).bothEnds = 1;
  Point(4, back, 3, {"dx", "0", "-dx"}, {"dy", "dy * 2", "0"});
  RevisionHandle& span = Line(5, kHandleMeasurement, front, 5, back, 5, {});
  std::snprintf(span.line.amountExpr[0], kExprSize, "span");
  std::snprintf(span.line.amountExpr[2], kExprSize, "span_len");
  std::snprintf(span.line.amountExpr[3], kExprSize, "span_r");
  Line(6, kHandleDistance, front, 4, back, 2, {"span / 20 + 90", "100.0", "IF(span > 100){98}ELSE{102}"})
      .direction = 3;
  Line(7, kHandleDistance, front, 5, front, 0,
       {"101", "101", "101", "101", "101", "101", "101", "bogus(2)", "101", "101", "101", "101", "101", "101",
        "99"});
  std::string ease = "(";
  for (int i = 0; i < 40; ++i) ease += "1 + ";
  ease += "62)";
  const char* measured[] = {"waist", "waist_angle", "waist_len", "waist_r", "span", "span_len", "span_r"};
  for (int row = 0; row < 7; ++row) Variable(row, measured[row], "");
  Variable(7, "ease", ease);
  Variable(8, "half", "waist_len / 4");
  Variable(9, "dx", "IF(%%PRESET_IDX%% > 49){1.5}ELSE{-0.5}");
  Variable(10, "dy", "dx / 2");
  Variable(11, "note", std::string(300, 'n'), 1);
  StoreGroup({front, back}, "Bodice");

  ChooseToolOn(piece);
  RecordEveryPreset();
  DrawHandle({120, 160}, {260, 175});
  RunUpdate(Options(2, 1, 1, 1), {0, 7, 98});
  RunUpdate(Options(0, 0, 1, 1), {});
  RecordAlerts();
  CheckRecord("measurements_and_variables");
}

// A front drawn as a compound path, an outline whose neckline arcs run across
// its closing anchor and a hole, next to a back of loose paths on the layer
// (no group: the larger path carries the group) with an open curved hem. A
// length and a measurement reversed on the open hem, a measurement reversed
// across the hole's closing anchor, grouped point handles, a proportional
// group across both back paths, a frame beyond the measurements, and the
// front reading a variable of the back by its title. Each piece is graded
// with a tool in hand; at the end, with none, the Variable panel updates
// every titled piece of the document.
TEST_F(GoldenTest, CompoundFrontAndLooseBack) {
  ArtHandle front = vmhost::AddGroup(LayerGroup(), kCompoundPathArt);
  std::vector<PathSegment> rim;
  const double k = 60 * 4.0 / 3 * std::tan(M_PI / 16);
  auto arcAnchor = [&](int degrees, bool in, bool out) {
    const double a = degrees * M_PI / 180;
    const RealPoint p{60 + 60 * std::cos(a), 120 + 60 * std::sin(a)};
    const RealPoint t{-std::sin(a) * k, std::cos(a) * k};
    return PathSegment{p, in ? RealPoint{p.h - t.h, p.v - t.v} : p, out ? RealPoint{p.h + t.h, p.v + t.v} : p,
                       static_cast<int16_t>(!(in && out))};
  };
  rim.push_back(arcAnchor(90, true, true));
  rim.push_back(arcAnchor(135, true, true));
  rim.push_back(arcAnchor(180, true, false));
  rim.push_back(vmhost::Corner(0, 0));
  rim.push_back(vmhost::Corner(120, 0));
  rim.push_back(arcAnchor(0, false, true));
  rim.push_back(arcAnchor(45, true, true));
  ArtHandle outline = vmhost::AddPath(front, rim, true);
  ArtHandle hole = vmhost::AddPolyline(front, {{40, 30}, {80, 30}, {80, 70}, {40, 70}}, true);
  ArtHandle body =
      vmhost::AddPolyline(LayerGroup(), {{200, 0}, {330, 0}, {340, 90}, {320, 170}, {200, 160}}, true);
  ArtHandle hem = vmhost::AddPath(LayerGroup(),
                                  {{{200, -20}, {200, -20}, {220, -45}, 1},
                                   {{260, -40}, {240, -45}, {280, -35}, 0},
                                   {{330, -20}, {310, -35}, {350, -5}, 0},
                                   {{380, 10}, {365, 0}, {380, 10}, 1}},
                                  false);
  Settings({260, 80}, 0, 1, 0, 50);
  Line(0, kHandleLength, hem, 3, hem, 1, {"104", "100.0", "97"});
  RevisionHandle& along = Line(1, kHandleMeasurement, hem, 3, hem, 0, {});
  const char* hemNames[4] = {"hem", "hem_angle", "hem_len", "hem_r"};
  for (int i = 0; i < 4; ++i) std::snprintf(along.line.amountExpr[i], kExprSize, "%s", hemNames[i]);
  RevisionHandle& leader = Line(2, kHandleDistance, body, 1, body, 2, {"103", "100.0", "98"});
  leader.bothEnds = 1;
  leader.groupId = 5;
  for (int slot : {3, 4}) {
    RevisionHandle& member = Line(slot, kHandleDistance, body, 1, slot == 3 ? body : hem, slot == 3 ? 3 : 2,
                                  {"103", "100.0", "98"});
    member.groupId = 5;
    member.proportional = 1;
  }
  Line(5, kHandleDistance, body, 4, body, 0, {"102", "99"}).direction = 6;
  Line(6, kHandleDistance, body, 0, hem, 0, {"hem_len / 3 + 60", "100.0"}).direction = 2;
  for (int i = 0; i < 4; ++i) Variable(i, hemNames[i], "");
  Variable(4, "ease", "4");
  StoreGroup({body, hem}, "Back");

  Settings({60, 60}, 0.1, 1.05, 1, 70);
  Line(0, kHandleDistance, hole, 0, outline, 3, {"105", "100.0", "95"});
  Line(1, kHandleArc, outline, 6, outline, 1, {"100.0", "104", "97"});
  Line(2, kHandleLength, outline, 1, outline, 3, {"102", "98"});
  Point(3, hole, 1, {"1", "0", "-1"}, {"0.5"}).groupId = 9;
  Point(4, hole, 2, {"1", "0", "-1"}, {"-0.5"}).groupId = 9;
  RevisionHandle& pocket = Line(5, kHandleMeasurement, hole, 2, hole, 0, {});
  const char* pocketNames[3] = {"pocket", "pocket_angle", "pocket_len"};
  for (int i = 0; i < 3; ++i) std::snprintf(pocket.line.amountExpr[i], kExprSize, "%s", pocketNames[i]);
  Line(6, kHandleDistance, outline, 4, outline, 5, {"Back:ease + 100", "100.0", "pocket_len / 4 + 90"})
      .direction = 1;
  Line(7, kHandleAngle, outline, 4, outline, 5, {"0", "2", "-2"});
  for (int i = 0; i < 3; ++i) Variable(i, pocketNames[i], "");
  StoreGroup(vmhost::Children(front), "Front");

  ChooseToolOn(front);
  RecordEveryPreset();
  DrawHandle({40, 70}, {0, 120});
  RunUpdate(Options(2, 1, 1, 1), {2, 50});

  vmhost::SetSelected(front, false);
  ChooseToolOn({body, hem});
  RecordEveryPreset();
  RunUpdate(Options(0, 0, 0, 0), {});

  ASSERT_EQ(vmhost::SelectTool(nullptr), kNoErr);
  vmhost::SetSelected(front, true);
  ASSERT_EQ(TickOnce(), kNoErr);
  ASSERT_EQ(globals().varTitlesValid, 1);
  RunDocumentUpdate(Options(2, 1, 1, 0, "Every piece"), {0, 98});
  RecordAlerts();
  CheckRecord("compound_front_and_loose_back");
}

}  // namespace
}  // namespace vmtest
