#include "svg_shapes.h"

#include <algorithm>
#include <cmath>

#include "svg_numbers.h"
#include "svg_scan.h"
#include "svg_transform.h"

namespace {

struct BadAttribute {
  std::string name;
};

class Shape {
 public:
  Shape(pugi::xml_node node, SvgViewport viewport) : node_(node), viewport_(viewport) {}

  // A length attribute; percentages of the viewport's width, height or normalised diagonal.
  double Length(const char* name, char axis, double absent = 0) const {
    pugi::xml_attribute a = node_.attribute(name);
    if (!a) return absent;
    const double whole = axis == 'x'   ? viewport_.width
                         : axis == 'y' ? viewport_.height
                                       : std::hypot(viewport_.width, viewport_.height) / std::sqrt(2.0);
    double v;
    if (!ReadLength(a.value(), whole, &v, viewport_.pixelsPerInch, viewport_.pixelsPerInch)) throw BadAttribute{name};
    return v;
  }

  std::string Outline() const {
    const std::string_view name = node_.name();
    if (name == "line")
      return Step("M", Length("x1", 'x'), Length("y1", 'y')) + Step("L", Length("x2", 'x'), Length("y2", 'y'));
    if (name == "polyline" || name == "polygon") return Points(name == "polygon");
    if (name == "rect") return Rect();
    const double cx = Length("cx", 'x'), cy = Length("cy", 'y');
    double rx, ry;
    if (name == "circle") {
      rx = ry = Length("r", 'd');
    } else {
      // An ellipse's missing radius takes the other's.
      rx = Length("rx", 'x', NAN);
      ry = Length("ry", 'y', NAN);
      if (std::isnan(rx)) rx = ry;
      if (std::isnan(ry)) ry = rx;
    }
    if (!(rx > 0 && ry > 0)) return "";
    const std::string arc = Step("A", rx, ry) + "0 0 1 ";
    return Step("M", cx + rx, cy) + arc + Step("", cx, cy + ry) + arc + Step("", cx - rx, cy) + arc +
           Step("", cx, cy - ry) + arc + Step("", cx + rx, cy) + "Z";
  }

 private:
  // A command and a point: "L1 2 ".
  static std::string Step(const char* command, double x, double y) {
    return std::string(command).append(Num(x)).append(" ").append(Num(y)).append(" ");
  }

  std::string Points(bool closed) const {
    SvgScanner scan(node_.attribute("points").value());
    std::vector<double> v;
    double n;
    while (scan.NextNumber(&n)) v.push_back(n);
    scan.SkipSeparators();
    if (!scan.AtEnd() || v.size() % 2 != 0) throw BadAttribute{"points"};
    if (v.empty()) return "";
    std::string d;
    for (size_t i = 0; i < v.size(); i += 2) d += Step(i == 0 ? "M" : "", v[i], v[i + 1]);
    return closed ? d + "Z" : d;
  }

  // Corners rounded by quarter ellipses when rx or ry is given; one of them stands for both.
  std::string Rect() const {
    const double x = Length("x", 'x'), y = Length("y", 'y');
    const double w = Length("width", 'x'), h = Length("height", 'y');
    if (!(w > 0 && h > 0)) return "";
    double rx = Length("rx", 'x', NAN), ry = Length("ry", 'y', NAN);
    if (!(rx >= 0)) rx = NAN;
    if (!(ry >= 0)) ry = NAN;
    if (std::isnan(rx)) rx = std::isnan(ry) ? 0 : ry;
    if (std::isnan(ry)) ry = rx;
    rx = std::min(rx, w / 2);
    ry = std::min(ry, h / 2);
    if (rx == 0 || ry == 0)
      return Step("M", x, y) + Step("L", x + w, y) + Step("L", x + w, y + h) + Step("L", x, y + h) + "Z";
    const std::string arc = Step("A", rx, ry) + "0 0 1 ";
    std::string d = Step("M", x + rx, y);
    auto line = [&](double fromX, double fromY, double toX, double toY) {
      if (fromX != toX || fromY != toY) d += Step("L", toX, toY);
    };
    line(x + rx, y, x + w - rx, y);
    d += arc + Step("", x + w, y + ry);
    line(x + w, y + ry, x + w, y + h - ry);
    d += arc + Step("", x + w - rx, y + h);
    line(x + w - rx, y + h, x + rx, y + h);
    d += arc + Step("", x, y + h - ry);
    line(x, y + h - ry, x, y + ry);
    d += arc + Step("", x + rx, y);
    return d + "Z";
  }

  pugi::xml_node node_;
  SvgViewport viewport_;
};

}  // namespace

bool IsBasicShape(std::string_view element) {
  for (const char* name : {"line", "polyline", "polygon", "rect", "circle", "ellipse"})
    if (element == name) return true;
  return false;
}

bool ShapeOutline(pugi::xml_node node, SvgViewport viewport, std::vector<SvgSubpath>* out, std::string* why) {
  out->clear();
  std::string d;
  try {
    d = Shape(node, viewport).Outline();
  } catch (const BadAttribute& bad) {
    *why = "bad " + bad.name;
    return false;
  }
  if (d.empty()) return true;
  return ReadPathData(d, out, why);
}
