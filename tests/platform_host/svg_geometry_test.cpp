// The geometry of SVG as drawing programs write it, opened in the host: path
// data in all its forms, arcs, the basic shapes, transforms, and the page's
// units. Each case is a small file; the anchors read are what the file defines.
#include <cmath>
#include <cstdio>

#include "support/host_fixture.h"
#include "svg_test_files.h"

using namespace vmtest;

namespace {

class SvgGeometryTest : public HostTest {
 protected:
  // A file whose root is `root` (attributes) holding `body`; the art with id 's'.
  ArtHandle Read(const std::string& body, const std::string& root = kPointPage) {
    const std::string path = ScratchPath("geometry.svg");
    WriteWholeText(path, "<svg xmlns='http://www.w3.org/2000/svg' " + root + ">\n" + body + "\n</svg>\n");
    std::string error;
    DocumentHandle read = vmhost::OpenDocument(path, &error);
    std::remove(path.c_str());
    EXPECT_NE(read, nullptr) << body << ": " << error;
    return read ? vmhost::FindArtById("s") : nullptr;
  }
  // One user unit is one point: anchors read are the file's numbers with y turned up.
  static constexpr const char* kPointPage = "width='1000pt' height='1000pt' viewBox='0 0 1000 1000'";
};

struct Point {
  double x, y;  // the file's user units, y down
};

void ExpectAnchors(ArtHandle art, const std::vector<Point>& expected, double scale = 1) {
  ASSERT_NE(art, nullptr);
  const auto segments = vmhost::Segments(art);
  ASSERT_EQ(segments.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NEAR(segments[i].p.h, scale * expected[i].x, 1e-9) << "anchor " << i;
    EXPECT_NEAR(segments[i].p.v, -scale * expected[i].y, 1e-9) << "anchor " << i;
  }
}

void ExpectPoint(RealPoint p, Point expected, const char* what) {
  EXPECT_NEAR(p.h, expected.x, 1e-9) << what;
  EXPECT_NEAR(p.v, -expected.y, 1e-9) << what;
}

int32_t Closed(ArtHandle art) {
  int32_t closed = -1;
  kPathSuite.GetPathClosed(art, &closed);
  return closed;
}

struct PathCase {
  const char* d;
  std::vector<Point> anchors;
  bool closed;
};

TEST_F(SvgGeometryTest, PathDataInEveryFormReadsToItsAnchors) {
  const PathCase cases[] = {
      {"M1.5.5L-1-2", {{1.5, .5}, {-1, -2}}, false},                // a second point, a sign: new numbers
      {"M0 0 1e1 0 1e-3,5", {{0, 0}, {10, 0}, {0.001, 5}}, false},  // after M, pairs draw lines
      {"m10 10 20 0 0 20", {{10, 10}, {30, 10}, {30, 30}}, false},
      {"M0 0H10h5V10v-5", {{0, 0}, {10, 0}, {15, 0}, {15, 10}, {15, 5}}, false},
      {"M0 0 L 10 0 10 10", {{0, 0}, {10, 0}, {10, 10}}, false},
      {"M0 0L10 0L10 10L0 0Z", {{0, 0}, {10, 0}, {10, 10}}, true},  // drawn back onto the start
      {"M0 0 10 0 10 10z", {{0, 0}, {10, 0}, {10, 10}}, true},
      {"M0 0C1 2 3 4 5 6S9 10 11 12", {{0, 0}, {5, 6}, {11, 12}}, false},
      {"M0 0c1 2 3 4 5 6s4 4 6 6", {{0, 0}, {5, 6}, {11, 12}}, false},
      {"M0 0Q3 3 6 0T12 0", {{0, 0}, {6, 0}, {12, 0}}, false},
      {"M0 0q3 3 6 0t6 0", {{0, 0}, {6, 0}, {12, 0}}, false},
      {"M0 0A5 5 0 0 1 10 0", {{0, 0}, {5, -5}, {10, 0}}, false},  // half circles split at the top
      {"M0 0a5 5 0 0 0 10 0", {{0, 0}, {5, 5}, {10, 0}}, false},
      {"M0 0a5 5 0 0010 0", {{0, 0}, {5, 5}, {10, 0}}, false},            // flags written together
      {"M0 0A5 5 0 1 1 5 5", {{0, 0}, {5, -5}, {10, 0}, {5, 5}}, false},  // three quarters
      {"M0 0A1 1 0 0 1 10 0", {{0, 0}, {5, -5}, {10, 0}}, false},         // radii grown to reach
      {"M0 0A0 5 0 0 1 10 0", {{0, 0}, {10, 0}}, false},                  // no radius: a line
      {"M0 0A5 5 0 0 1 0 0L1 1", {{0, 0}, {1, 1}}, false},                // no arc to the same point
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.d);
    ArtHandle art = Read(std::string("<path id='s' d='") + c.d + "'/>");
    ExpectAnchors(art, c.anchors);
    EXPECT_EQ(Closed(art), c.closed ? 1 : 0);
  }
}

TEST_F(SvgGeometryTest, SmoothCurvesReflectTheHandleBeforeThem) {
  const struct {
    const char* d;
    size_t anchor;
    Point in, out;  // control points around that anchor
  } cases[] = {
      {"M0 0C1 2 3 4 5 6S9 10 11 12", 1, {3, 4}, {7, 8}},
      {"M0 0c1 2 3 4 5 6s4 4 6 6", 1, {3, 4}, {7, 8}},
      {"M0 0S4 4 6 6", 0, {0, 0}, {0, 0}},  // nothing before: the first handle is the start
      {"M0 0L5 5S7 7 8 8", 1, {5, 5}, {5, 5}},
      // Quadratics as cubics: handles two thirds of the way to the control point.
      {"M0 0Q3 3 6 0T12 0", 1, {4, 2}, {8, -2}},
      {"M0 0q3 3 6 0t6 0", 1, {4, 2}, {8, -2}},
      {"M0 0L5 5T11 5", 1, {5, 5}, {5, 5}},
      {"M0 0Q3 3 6 0T12 0", 2, {10, -2}, {12, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.d);
    ArtHandle art = Read(std::string("<path id='s' d='") + c.d + "'/>");
    ASSERT_NE(art, nullptr);
    const auto segments = vmhost::Segments(art);
    ASSERT_LT(c.anchor, segments.size());
    ExpectPoint(segments[c.anchor].in, c.in, "in");
    ExpectPoint(segments[c.anchor].out, c.out, "out");
  }
}

TEST_F(SvgGeometryTest, ArcsAreCubicsOfAtMostAQuarterTurnOnTheirEllipse) {
  const struct {
    const char* d;
    double cx, cy, rx, ry, degrees;  // the ellipse the arc lies on, radii as grown
    size_t pieces;
  } cases[] = {
      {"M90 50 A40 20 0 1 0 50 70", 50, 50, 40, 20, 0, 3},
      {"M14.142135623730951 14.142135623730951 A20 10 45 0 1 -14.142135623730951 -14.142135623730951", 0, 0, 20, 10, 45,
       2},
      // Radii too small for the ends: grown about the chord's middle.
      {"M100 0 A100 50 30 0 1 -100 0", 0, 0, 100 * std::sqrt(1.75), 50 * std::sqrt(1.75), 30, 2},
      {"M10 0 a10 10 0 0 1 -10 10", 0, 0, 10, 10, 0, 1},
      // Negative radii are taken as their size.
      {"M10 0 a-10 10 0 0 1 -10 10", 0, 0, 10, 10, 0, 1},
      {"M90 50 A-40 -20 0 1 0 50 70", 50, 50, 40, 20, 0, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.d);
    ArtHandle art = Read(std::string("<path id='s' d='") + c.d + "'/>");
    ASSERT_NE(art, nullptr);
    const auto s = vmhost::Segments(art);
    ASSERT_EQ(s.size(), c.pieces + 1);
    const double a = c.degrees * M_PI / 180;
    auto onEllipse = [&](RealPoint p) {  // 1 on the ellipse; the file's y is down
      const double x = p.h - c.cx, y = -p.v - c.cy;
      const double u = x * std::cos(a) + y * std::sin(a), v = -x * std::sin(a) + y * std::cos(a);
      return std::hypot(u / c.rx, v / c.ry);
    };
    for (size_t i = 0; i + 1 < s.size(); ++i) {
      EXPECT_NEAR(onEllipse(s[i + 1].p), 1, 1e-9) << "anchor " << i + 1;
      const RealPoint middle{(s[i].p.h + 3 * s[i].out.h + 3 * s[i + 1].in.h + s[i + 1].p.h) / 8,
                             (s[i].p.v + 3 * s[i].out.v + 3 * s[i + 1].in.v + s[i + 1].p.v) / 8};
      EXPECT_NEAR(onEllipse(middle), 1, 5e-4) << "piece " << i;
    }
  }
}

struct ShapeCase {
  const char* element;
  std::vector<Point> anchors;
  bool closed;
};

TEST_F(SvgGeometryTest, BasicShapesAreThePathsTheyStandFor) {
  const ShapeCase cases[] = {
      {"<line id='s' x1='1' y1='2' x2='3' y2='4'/>", {{1, 2}, {3, 4}}, false},
      {"<polyline id='s' points='0,0 10,0 10,10'/>", {{0, 0}, {10, 0}, {10, 10}}, false},
      {"<polygon id='s' points='0 0,10 0 10 10 '/>", {{0, 0}, {10, 0}, {10, 10}}, true},
      {"<polygon id='s' points='0,0 10,0 10,10 0,0'/>", {{0, 0}, {10, 0}, {10, 10}}, true},
      {"<rect id='s' x='1' y='2' width='10' height='5'/>", {{1, 2}, {11, 2}, {11, 7}, {1, 7}}, true},
      {"<rect id='s' width='10' height='6' rx='2'/>",
       {{2, 0}, {8, 0}, {10, 2}, {10, 4}, {8, 6}, {2, 6}, {0, 4}, {0, 2}},
       true},
      {"<rect id='s' width='10' height='6' ry='1'/>",
       {{1, 0}, {9, 0}, {10, 1}, {10, 5}, {9, 6}, {1, 6}, {0, 5}, {0, 1}},
       true},
      {"<rect id='s' width='10' height='6' rx='8' ry='3'/>", {{5, 0}, {10, 3}, {5, 6}, {0, 3}}, true},
      {"<circle id='s' cx='5' cy='5' r='5'/>", {{10, 5}, {5, 10}, {0, 5}, {5, 0}}, true},
      {"<ellipse id='s' cx='5' cy='5' rx='4' ry='2'/>", {{9, 5}, {5, 7}, {1, 5}, {5, 3}}, true},
      {"<ellipse id='s' cx='5' cy='5' rx='4'/>", {{9, 5}, {5, 9}, {1, 5}, {5, 1}}, true},
      {"<rect id='s' width='50%' height='10%'/>", {{0, 0}, {500, 0}, {500, 100}, {0, 100}}, true},
      {"<rect id='s' width='2.54cm' height='72pt'/>", {{0, 0}, {96, 0}, {96, 96}, {0, 96}}, true},
  };
  for (const ShapeCase& c : cases) {
    SCOPED_TRACE(c.element);
    ArtHandle art = Read(c.element);
    ExpectAnchors(art, c.anchors);
    EXPECT_EQ(Closed(art), c.closed ? 1 : 0);
  }
  // A rounded corner is a quarter ellipse: its handles point along the sides.
  const auto rounded = vmhost::Segments(Read("<rect id='s' width='10' height='6' rx='2' ry='1'/>"));
  ASSERT_EQ(rounded.size(), 8u);
  EXPECT_EQ(rounded[1].out.v, rounded[1].p.v);
  EXPECT_NEAR(rounded[1].out.h, 8 + 2 * 0.5522847498, 1e-9);
  EXPECT_NEAR(rounded[2].in.v, -(1 - 0.5522847498), 1e-9);
  // A circle is four quarter arcs round its centre.
  const auto circle = vmhost::Segments(Read("<circle id='s' cx='5' cy='5' r='5'/>"));
  ASSERT_EQ(circle.size(), 4u);
  ExpectPoint(circle[0].out, {10, 5 + 5 * 0.5522847498}, "the first handle");
  ExpectPoint(circle[1].in, {5 + 5 * 0.5522847498, 10}, "the second handle");
  // A circle's radius in percent is of the viewport's normalised diagonal, sqrt((w^2 + h^2) / 2).
  const double r = 0.1 * std::sqrt((400.0 * 400 + 300 * 300) / 2);
  ExpectAnchors(Read("<circle id='s' r='10%'/>", "width='400pt' height='300pt' viewBox='0 0 400 300'"),
                {{r, 0}, {0, r}, {-r, 0}, {0, -r}});
  // Shapes of no size draw nothing, and become no art.
  for (const char* empty : {"<rect id='s' width='0' height='5'/>", "<circle id='s' r='0'/>",
                            "<polyline id='s' points=''/>", "<ellipse id='s' rx='3' ry='0'/>"}) {
    SCOPED_TRACE(empty);
    EXPECT_EQ(Read(empty), nullptr);
  }
}

TEST_F(SvgGeometryTest, TransformsOnAnyElementMoveItsCoordinates) {
  const struct {
    const char* transform;
    Point first;  // where (10, 5) goes
  } cases[] = {
      {"translate(5)", {15, 5}},
      {"translate(5,6)", {15, 11}},
      {"translate(5 -6)", {15, -1}},
      {"scale(2)", {20, 10}},
      {"scale(2, 3)", {20, 15}},
      {"rotate(90)", {-5, 10}},
      {"rotate(90 10 10)", {15, 10}},
      {"skewX(45)", {15, 5}},
      {"skewY(45)", {10, 15}},
      {"matrix(1 2 3 4 5 6)", {30, 46}},
      {"matrix(1,2,3,4,5,6)", {30, 46}},
      {"translate(10) scale(2)", {30, 10}},  // the last is applied first
      {"scale(2) translate(10)", {40, 10}},
      {"rotate(90)translate(0,5)", {-10, 10}},
      {" translate( 1 , 1 ) , scale( 2 ) ", {21, 11}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.transform);
    const auto s =
        vmhost::Segments(Read(std::string("<path id='s' transform='") + c.transform + "' d='M10 5 L20 5'/>"));
    ASSERT_EQ(s.size(), 2u);
    ExpectPoint(s[0].p, c.first, c.transform);
  }
  // Nested groups: the innermost transform first, then each group's outwards.
  const auto nested =
      vmhost::Segments(Read("<g transform='translate(100)'><g transform='scale(2)'>"
                            "<path id='s' transform='translate(1,1)' d='M10 5 L20 5'/></g></g>"));
  ASSERT_EQ(nested.size(), 2u);
  ExpectPoint(nested[0].p, {122, 12}, "nested");
  // Lines thicken with the scale; a use moves its copy by x and y after its own transform.
  ArtHandle thick = Read("<g transform='scale(3)'><path id='s' stroke='#000' stroke-width='0.5' d='M0 0 L1 1'/></g>");
  PathStyle style;
  kPathStyleSuite.GetPathStyle(thick, &style);
  EXPECT_NEAR(style.strokeWidth, 1.5, 1e-12);
  const auto copy = vmhost::Segments(
      Read("<defs><path id='p' d='M10 5 L20 5'/></defs><use id='s' href='#p' x='1' y='2' transform='scale(2)'/>"));
  ASSERT_EQ(copy.size(), 2u);
  ExpectPoint(copy[0].p, {22, 14}, "use");
}

TEST_F(SvgGeometryTest, ThePagesUnitsMakeTheDocumentsPointsAndItsSheetIsWrittenBack) {
  constexpr double mm = 72 / 25.4;
  const struct {
    const char* root;
    double across, down;    // points per user unit
    const char* width;      // the sheet written back (null: the drawing's bounds)
    const char* height;
    double x, y, w, h;      // the part of the document it shows, in points, y down
    double pixelsPerInch = 96;
  } cases[] = {
      {"width='100mm' height='100mm' viewBox='0 0 100 100'", mm, mm, "100mm", "100mm", 0, 0, 100 * mm, 100 * mm},
      {"width='100pt' height='100pt' viewBox='0 0 100 100'", 1, 1, "100pt", "100pt", 0, 0, 100, 100},
      {"width='10pc' height='10pc' viewBox='0 0 100 100'", 1.2, 1.2, "10pc", "10pc", 0, 0, 120, 120},
      {"width='10cm' height='10cm' viewBox='0 0 100 100'", mm, mm, "10cm", "10cm", 0, 0, 100 * mm, 100 * mm},
      {"width='2in' height='2in' viewBox='0,0,100,100'", 1.44, 1.44, "2in", "2in", 0, 0, 144, 144},
      // px, as viewers count them, written as the points they are
      {"width='100px' height='100px' viewBox='0 0 100 100'", 0.75, 0.75, "75pt", "75pt", 0, 0, 75, 75},
      {"width='100' height='100'", 0.75, 0.75, "75pt", "75pt", 0, 0, 75, 75},
      {"", 0.75, 0.75, nullptr, nullptr, 0, 0, 0, 0},
      {"width='100%' height='100%' viewBox='0 0 50 50'", 0.75, 0.75, "37.5pt", "37.5pt", 0, 0, 37.5, 37.5},
      {"viewBox='-10 20 50 50'", 0.75, 0.75, "37.5pt", "37.5pt", -7.5, 15, 37.5, 37.5},
      // fitted whole in the middle of the sheet, sliced, stretched, or fitted to a corner
      {"width='200mm' height='100mm' viewBox='0 0 100 100'", mm, mm, "200mm", "100mm", -50 * mm, 0, 200 * mm,
       100 * mm},
      {"width='200mm' height='100mm' viewBox='0 0 100 100' preserveAspectRatio='xMidYMid slice'", 2 * mm, 2 * mm,
       "200mm", "100mm", 0, 50 * mm, 200 * mm, 100 * mm},
      {"width='200mm' height='100mm' viewBox='0 0 100 100' preserveAspectRatio='none'", 2 * mm, mm, "200mm",
       "100mm", 0, 0, 200 * mm, 100 * mm},
      {"width='200pt' height='100pt' viewBox='0 0 100 100' preserveAspectRatio='xMaxYMax'", 1, 1, "200pt", "100pt",
       -100, 0, 200, 100},
      // A file counted at 72 px to the inch: px are points.
      {"width='100' height='50'", 1, 1, "100pt", "50pt", 0, 0, 100, 50, 72},
      {"width='100px' height='100px' viewBox='0 0 50 50'", 2, 2, "100pt", "100pt", 0, 0, 100, 100, 72},
      {"width='100mm' height='100mm' viewBox='0 0 100 100'", mm, mm, "100mm", "100mm", 0, 0, 100 * mm, 100 * mm,
       72},
      // The host's own files are in points, their page written with a unit or not; a sheet they
      // keep is kept as written.
      {"xmlns:vm='urn:x-vestamark:document:1' width='100' height='100' viewBox='0 0 100 100'", 1, 1, nullptr,
       nullptr, 0, 0, 0, 0},
      {"xmlns:vm='urn:x-vestamark:document:1'", 1, 1, nullptr, nullptr, 0, 0, 0, 0, 72},
      {"xmlns:vm='urn:x-vestamark:document:1' vm:page='1' width='10mm' height='2in' viewBox='1 -2 28.5 144'", 1, 1,
       "10mm", "2in", 1, -2, 28.5, 144},
  };
  // Lengths in other units inside the drawing count px as the file does: an inch is 72 user units
  // of a file counted at 72 to the inch, so a point each.
  const std::string inch = ScratchPath("inch.svg");
  WriteWholeText(inch, "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100' viewBox='0 0 100 100'>"
                       "<rect id='s' width='1in' height='2.54cm'/></svg>");
  std::string why;
  ASSERT_NE(vmhost::OpenDocument(inch, &why, nullptr, SvgReadOptions{72}), nullptr) << why;
  std::remove(inch.c_str());
  ExpectAnchors(vmhost::FindArtById("s"), {{0, 0}, {72, 0}, {72, 72}, {0, 72}});
  for (const auto& c : cases) {
    SCOPED_TRACE(c.root);
    const std::string path = ScratchPath("page.svg");
    WriteWholeText(path, std::string("<svg xmlns='http://www.w3.org/2000/svg' ") + c.root +
                             "><path id='s' d='M0 0 H100 V100'/></svg>");
    std::string error;
    SvgReadOptions options;
    options.pixelsPerInch = c.pixelsPerInch;
    DocumentHandle read = vmhost::OpenDocument(path, &error, nullptr, options);
    std::remove(path.c_str());
    ASSERT_NE(read, nullptr) << error;
    const auto s = vmhost::Segments(vmhost::FindArtById("s"));
    ASSERT_EQ(s.size(), 3u);
    EXPECT_NEAR(s[1].p.h, 100 * c.across, 1e-9);
    EXPECT_NEAR(s[2].p.v, -100 * c.down, 1e-9);
    const DocumentPage& page = read->page;
    ASSERT_EQ(page.kept, c.width != nullptr);
    if (!page.kept) continue;
    EXPECT_EQ(page.width, c.width);
    EXPECT_EQ(page.height, c.height);
    EXPECT_NEAR(page.x, c.x, 1e-9);
    EXPECT_NEAR(page.y, c.y, 1e-9);
    EXPECT_NEAR(page.w, c.w, 1e-9);
    EXPECT_NEAR(page.h, c.h, 1e-9);
    const std::string saved = vmhost::DocumentText(read);
    EXPECT_NE(saved.find(std::string("width=\"") + c.width + "\" height=\"" + c.height + "\" viewBox=\""),
              std::string::npos)
        << saved.substr(0, 300);
  }
}

}  // namespace
