// Paths, basic shapes and text: exact from the host's own attributes, else
// from the SVG, carried through the element's transforms to document points.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

#include "svg_codes.h"
#include "svg_numbers.h"
#include "svg_reader.h"
#include "svg_transform.h"

namespace {

// Far beyond any pattern, and far within what the numbers of a page can hold.
constexpr double kMaxCoordinate = 1e9;

// How much the transform scales a length (a line width, a font size).
double LengthScale(const RealMatrix& m) { return std::sqrt(std::fabs(m.a * m.d - m.b * m.c)); }

std::string CollapsedBlanks(const std::string& text) {
  std::string out;
  bool blank = true;  // no blank at the start
  for (char c : text) {
    if (c == '\n' || c == '\r') continue;
    if (c == ' ' || c == '\t') {
      if (!blank) out += ' ';
      blank = true;
      continue;
    }
    out += c;
    blank = false;
  }
  if (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// The first number of an attribute's list ("10 20 30" places each character; the first places the text).
bool FirstNumber(pugi::xml_node node, const char* name, double* out) {
  std::string first = node.attribute(name).value();
  first.resize(std::min(first.size(), first.find_first_of(" ,\t\n\r")));
  double v;
  if (!ParseNum(first, v)) return false;
  *out = v;
  return true;
}

// A part of a text placed by its own tspan: where its characters start, and its place.
struct PlacedPart {
  size_t start;
  bool hasX;
  double x;
  bool newLine;  // placed on a line of its own
};

// The characters a part takes room for: blanks inside it as one, blanks at its ends none.
size_t Length(std::string_view text) {
  size_t n = 0;
  bool blank = false;
  for (char c : text) {
    if (c == ' ' || c == '\t') {
      blank = n > 0;
    } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80 && c != '\n' && c != '\r') {
      n += blank ? 2 : 1;
      blank = false;
    }
  }
  return n;
}

// The parts joined into one line. A part placed on a line of its own, or a word placed by itself,
// starts with a blank; parts placed one after another (letter-spaced or kerned text) stay one word
// while the step to the next is at most their length and a half at the usual step between letters
// placed one by one.
std::string JoinedParts(const std::string& characters, const std::vector<PlacedPart>& parts) {
  auto length = [&](size_t i) {
    const size_t end = i + 1 < parts.size() ? parts[i + 1].start : characters.size();
    return Length(std::string_view(characters).substr(parts[i].start, end - parts[i].start));
  };
  auto step = [&](size_t i) {  // from the part before on the same line, or 0
    const bool along = !parts[i].newLine && parts[i].hasX && parts[i - 1].hasX && parts[i].x > parts[i - 1].x;
    return along ? parts[i].x - parts[i - 1].x : 0.0;
  };
  std::vector<double> steps;
  for (size_t i = 1; i < parts.size(); ++i)
    if (length(i) == 1 && length(i - 1) == 1 && step(i) > 0) steps.push_back(step(i));
  double usual = 0;
  if (!steps.empty()) {
    std::nth_element(steps.begin(), steps.begin() + static_cast<ptrdiff_t>(steps.size() / 2), steps.end());
    usual = steps[steps.size() / 2];
  }
  std::string out;
  for (size_t i = 0; i < parts.size(); ++i) {
    const size_t end = i + 1 < parts.size() ? parts[i + 1].start : characters.size();
    if (i > 0 && !(step(i) > 0 && step(i) <= (static_cast<double>(length(i - 1)) + 0.5) * usual)) out += ' ';
    out.append(characters, parts[i].start, end - parts[i].start);
  }
  return out;
}

}  // namespace

RealPoint SvgReader::ToDocument(pugi::xml_node node, const RealMatrix& ctm, RealPoint p) const {
  const RealPoint q = ApplyMatrix(ctm, p);
  if (!(std::fabs(q.h) <= kMaxCoordinate && std::fabs(q.v) <= kMaxCoordinate)) Fail(node, "coordinates out of range");
  return q;
}

// ---- paths and basic shapes ---------------------------------------------------------------

HostArt* SvgReader::ReadPath(pugi::xml_node node, const RealMatrix& ctm, const SvgStyle& style) {
  std::vector<SvgSubpath> paths;
  PathStyle pathStyle = DefaultPathStyle();
  if (node.attribute("vm:segments")) {
    paths = OwnSegments(node);  // exact document points already
  } else {
    std::string why;
    const bool read = std::string_view(node.name()) == "path" ? ReadPathData(node.attribute("d").value(), &paths, &why)
                                                              : ShapeOutline(node, viewport_, &paths, &why);
    if (!read) Fail(node, why);
    if (paths.empty()) return nullptr;  // a shape of no size draws nothing
    for (SvgSubpath& path : paths)
      for (PathSegment& s : path.segments) {
        s.p = ToDocument(node, ctm, s.p);
        s.in = ToDocument(node, ctm, s.in);
        s.out = ToDocument(node, ctm, s.out);
      }
    pathStyle.fillPaint = style.fill;
    if (style.fill) pathStyle.fillColor = style.fillColor;
    pathStyle.strokePaint = style.stroke;
    if (style.stroke) pathStyle.strokeColor = style.strokeColor;
    pathStyle.strokeWidth = style.strokeWidth * LengthScale(ctm);
    if (!std::isfinite(pathStyle.strokeWidth)) Fail(node, "bad stroke-width");
  }
  if (node.attribute("vm:style")) pathStyle = OwnStyle(node);
  for (const SvgSubpath& path : paths) {
    if (path.segments.size() > 32767) Fail(node, "a path of more than 32767 segments");
    Spend(node, path.segments.size() * (sizeof(PathSegment) + sizeof(int16_t)));
  }
  HostArt* art = NewArt(node, paths.size() == 1 ? kPathArt : kCompoundPathArt);
  art->d.style = pathStyle;
  if (paths.size() == 1) {
    art->d.segments = paths[0].segments;
    art->d.segmentSelected.assign(paths[0].segments.size(), 0);
    art->d.closed = paths[0].closed;
    return art;
  }
  // Several subpaths: a compound path of one path each.
  for (const SvgSubpath& path : paths) {
    HostArt* sub = NewArt(node, kPathArt);
    sub->d.style = pathStyle;
    sub->d.segments = path.segments;
    sub->d.segmentSelected.assign(path.segments.size(), 0);
    sub->d.closed = path.closed;
    LinkArt(sub, kPlaceInsideOnBottom, art);
  }
  return art;
}

// "x y in-x in-y out-x out-y corner" a segment, ";" between segments, read number by number
// where they lie.
std::vector<SvgSubpath> SvgReader::OwnSegments(pugi::xml_node node) {
  std::vector<SvgSubpath> paths(1);
  const std::string_view text = node.attribute("vm:segments").value();
  const char* at = text.data();
  const char* const end = at + text.size();
  const auto broken = [&] { Fail(node, "broken vm:segments"); };
  while (at != end) {
    double v[7];
    for (double& number : v) {
      while (at != end && *at == ' ') ++at;
      if (at != end && *at == '+') ++at;
      const auto [next, fault] = std::from_chars(at, end, number);
      if (fault != std::errc() || !std::isfinite(number) || (next != end && *next != ' ' && *next != ';')) broken();
      at = next;
    }
    while (at != end && *at == ' ') ++at;
    if (at != end && (*at++ != ';' || at == end)) broken();
    paths[0].segments.push_back(
        PathSegment{{v[0], v[1]}, {v[2], v[3]}, {v[4], v[5]}, Short(node, v[6], "vm:segments")});
  }
  paths[0].closed = node.attribute("vm:closed").as_int() == 1;
  return paths;
}

HostColor SvgReader::OwnColor(pugi::xml_node node, const std::vector<std::string_view>& w, size_t& i) {
  auto num = [&](size_t k) {
    double v;
    if (k >= w.size() || !ParseNum(w[k], v)) Fail(node, "bad colour");
    return v;
  };
  if (i >= w.size()) Fail(node, "bad colour");
  std::string_view kind = w[i++];
  if (kind == "none") return HostColor{ColorKind::None, 0, 0, 0, 0, 0};
  if (kind == "gray") return HostColor{ColorKind::Gray, num(i++), 0, 0, 0, 0};
  if (kind != "cmyk") Fail(node, "bad colour");
  HostColor c{ColorKind::Process, 0, num(i), num(i + 1), num(i + 2), num(i + 3)};
  i += 4;
  return c;
}

HostColor SvgReader::OwnColorAttr(pugi::xml_node node, const char* attr) {
  std::vector<std::string_view> w = Words(node.attribute(attr).value());
  size_t i = 0;
  HostColor c = OwnColor(node, w, i);
  if (i != w.size()) Fail(node, std::string("bad ") + attr);
  return c;
}

PathStyle SvgReader::OwnStyle(pugi::xml_node node) {
  std::vector<std::string_view> w = Words(node.attribute("vm:style").value());
  PathStyle s{};
  size_t i = 0;
  auto num = [&]() {
    double v;
    if (i >= w.size() || !ParseNum(w[i], v)) Fail(node, "bad vm:style");
    i++;
    return v;
  };
  s.fillPaint = Short(node, num(), "vm:style");
  s.fillColor = OwnColor(node, w, i);
  s.strokePaint = Short(node, num(), "vm:style");
  s.strokeColor = OwnColor(node, w, i);
  s.strokeWidth = num();
  s.miterLimit = num();
  s.cap = Short(node, num(), "vm:style");
  s.join = Short(node, num(), "vm:style");
  s.dashOffset = num();
  while (i < w.size()) {
    if (s.dashCount == 6) Fail(node, "more than 6 dashes");
    s.dash[s.dashCount++] = num();
  }
  return s;
}

// ---- text -----------------------------------------------------------------------------------

void SvgReader::ReadOwnText(pugi::xml_node node, HostArt* art) {
  TextData& t = art->d.text;
  std::vector<double> v;
  if (auto a = node.attribute("vm:anchor")) {
    if (!ParseNums(a.value(), v) || v.size() != 2) Fail(node, "bad vm:anchor");
    t.anchor = RealPoint{v[0], v[1]};
  } else {
    double x = 0, y = 0;
    FirstNumber(node, "x", &x);
    FirstNumber(node, "y", &y);
    t.anchor = RealPoint{x, -y};
  }
  if (auto a = node.attribute("vm:matrix")) {
    if (!ParseNums(a.value(), v) || v.size() != 6) Fail(node, "bad vm:matrix");
    t.matrix = RealMatrix{v[0], v[1], v[2], v[3], v[4], v[5]};
  }
  t.orientation = static_cast<int16_t>(node.attribute("vm:orientation").as_int(kHorizontalText));
  std::string font =
      node.attribute("vm:font") ? node.attribute("vm:font").value() : node.attribute("font-family").value();
  t.chars.font = font.empty() ? nullptr : FontByName(font);
  if (auto a = node.attribute("vm:chars")) {
    if (!ParseNums(a.value(), v) || v.size() != 4 || !(v[0] > 0)) Fail(node, "bad vm:chars");
    t.chars.size = v[0];
    t.chars.fill = Short(node, v[1], "vm:chars");
    t.chars.stroke = Short(node, v[2], "vm:chars");
    t.chars.horizontalScale = v[3];
  } else if (double size; FirstNumber(node, "font-size", &size) && size > 0) {
    t.chars.size = size;
  }
  if (node.attribute("vm:fill")) t.chars.fillColor = OwnColorAttr(node, "vm:fill");
  if (node.attribute("vm:stroke")) t.chars.strokeColor = OwnColorAttr(node, "vm:stroke");
  if (auto a = node.attribute("vm:para")) {
    if (!ParseNums(a.value(), v) || v.size() != 3) Fail(node, "bad vm:para");
    t.para = ParaFeatures{Short(node, v[0], "vm:para"), v[1], v[2]};
  }
  std::string text;
  if (auto a = node.attribute("vm:text")) {
    if (!DecodeBytes(a.value(), '%', text)) Fail(node, "bad vm:text");
  } else {
    text = node.text().get();
  }
  t.text = FromUtf8(text);
}

// Point text at its place: the position and look of its first character, every character of its
// tspans on one line, turned and slanted as its transforms turn it.
HostArt* SvgReader::ReadText(pugi::xml_node node, const RealMatrix& ctm, const SvgStyle& style) {
  RealPoint at{0, 0};
  FirstNumber(node, "x", &at.h);
  FirstNumber(node, "y", &at.v);
  SvgStyle look = style;
  std::string characters;
  bool placed = false;
  std::vector<PlacedPart> parts{{0, true, at.h, false}};
  double lineY = at.v;
  // The characters in the order of the file, each tspan's style inherited from its parent.
  struct Walk {
    SvgReader& reader;
    RealPoint& at;
    SvgStyle& look;
    std::string& characters;
    bool& placed;
    std::vector<PlacedPart>& parts;
    double& lineY;
    void Visit(pugi::xml_node parent, const SvgStyle& parentStyle, int depth) {
      for (pugi::xml_node child : parent.children()) {
        if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) {
          if (!placed && CollapsedBlanks(child.value()).empty()) continue;
          if (!placed) look = parentStyle;
          placed = true;
          characters += child.value();
        } else if (child.type() == pugi::node_element && std::string_view(child.name()) == "tspan") {
          if (depth >= kMaxDepth) reader.Fail(child, "tspans nested more than " + std::to_string(kMaxDepth) + " deep");
          const SvgStyle own = ComputeStyle(parentStyle, child, reader.sheet_);
          // A tspan placed on a line of its own starts a new line: kept as a blank on the one line.
          const bool positioned = child.attribute("x") || child.attribute("y");
          if (!placed) {
            FirstNumber(child, "x", &at.h);
            FirstNumber(child, "y", &at.v);
            parts.front().x = at.h;
            lineY = at.v;
          } else if (positioned) {
            PlacedPart part{characters.size(), false, 0, false};
            part.hasX = FirstNumber(child, "x", &part.x);
            double y = lineY;
            part.newLine = FirstNumber(child, "y", &y) && y != lineY;
            lineY = y;
            parts.push_back(part);
          }
          Visit(child, own, depth + 1);
        }
      }
    }
  } walk{*this, at, look, characters, placed, parts, lineY};
  walk.Visit(node, style, 0);

  HostArt* art = NewArt(node, kTextFrameArt);
  TextData& t = art->d.text;
  t.anchor = ToDocument(node, ctm, at);
  // The transform without the page's turn of y: the text's own frame in document points.
  RealMatrix turn = MultiplyMatrix(RealMatrix{1, 0, 0, -1, 0, 0}, RealMatrix{ctm.a, ctm.b, ctm.c, ctm.d, 0, 0});
  const double scale = LengthScale(turn);
  t.chars.size = look.fontSize * scale;
  if (!(t.chars.size > 0 && std::isfinite(t.chars.size))) Fail(node, "text of no size");
  turn = RealMatrix{turn.a / scale, turn.b / scale, turn.c / scale, turn.d / scale, 0, 0};
  if (!(turn.a == 1 && turn.b == 0 && turn.c == 0 && turn.d == 1)) {
    // Turned about its anchor.
    const RealPoint moved = ApplyMatrix(turn, t.anchor);
    t.matrix = RealMatrix{turn.a, turn.b, turn.c, turn.d, t.anchor.h - moved.h, t.anchor.v - moved.v};
  }
  t.chars.font = look.fontFamily.empty() ? nullptr : FontByName(look.fontFamily);
  t.chars.fill = look.fill;
  if (look.fill) t.chars.fillColor = look.fillColor;
  t.chars.stroke = look.stroke;
  if (look.stroke) t.chars.strokeColor = look.strokeColor;
  t.para.justification = look.justification;
  t.text = FromUtf8(CollapsedBlanks(JoinedParts(characters, parts)));
  return art;
}
