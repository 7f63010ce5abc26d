// Document files as the host writes them: SVG that any browser draws, with the
// exact document in attributes of our own namespace. Layers are top-level
// groups marked as layers; paths keep every anchor and control point as
// shortest round-trip numbers; tags keep their order and their bytes
// (percent-encoded). The page is the sheet a file of another program was drawn
// on, else the drawing's bounds with a margin, in points.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <pugixml.hpp>
#include <set>
#include <sstream>

#include "host_model.h"
#include "svg_codes.h"
#include "svg_numbers.h"
#include "whole_file.h"

namespace {

std::string StateWords(uint32_t attrs) {
  std::string out;
  const std::pair<uint32_t, const char*> words[] = {
      {kArtSelected, "selected"}, {kArtLocked, "locked"}, {kArtHidden, "hidden"}, {kArtIsGuide, "guide"}};
  for (auto [bit, word] : words)
    if (attrs & bit) out += out.empty() ? word : std::string(" ") + word;
  return out;
}

std::string ColorWords(const HostColor& c) {
  switch (c.kind) {
    case ColorKind::Gray:
      return "gray " + Num(c.gray);
    case ColorKind::Process:
      return "cmyk " + Num(c.c) + " " + Num(c.m) + " " + Num(c.y) + " " + Num(c.k);
    default:
      return "none";
  }
}

std::string CssColor(const HostColor& c, bool painted) {
  if (!painted || c.kind == ColorKind::None) return "none";
  double r, g, b;
  if (c.kind == ColorKind::Gray) {
    r = g = b = 1 - c.gray;
  } else {
    r = (1 - c.c) * (1 - c.k);
    g = (1 - c.m) * (1 - c.k);
    b = (1 - c.y) * (1 - c.k);
  }
  auto byte = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
  char buffer[8];
  std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", byte(r), byte(g), byte(b));
  return buffer;
}

std::string SegmentWords(const std::vector<PathSegment>& segments) {
  std::string out;
  for (const PathSegment& s : segments) {
    if (!out.empty()) out += ";";
    out += Num(s.p.h) + " " + Num(s.p.v) + " " + Num(s.in.h) + " " + Num(s.in.v) + " " + Num(s.out.h) + " " +
           Num(s.out.v) + " " + std::to_string(s.corner);
  }
  return out;
}

// The drawing of a path for viewers: y flipped, since SVG has y down.
std::string PathData(const std::vector<PathSegment>& s, bool closed) {
  if (s.empty()) return "";
  auto pt = [](RealPoint p) { return Num(p.h) + " " + Num(-p.v); };
  auto piece = [&](const PathSegment& a, const PathSegment& b) {
    bool straight = a.out.h == a.p.h && a.out.v == a.p.v && b.in.h == b.p.h && b.in.v == b.p.v;
    std::string out = straight ? " L" : " C" + pt(a.out) + " " + pt(b.in) + " ";
    return out.append(pt(b.p));
  };
  std::string d = std::string("M").append(pt(s[0].p));
  for (size_t i = 1; i < s.size(); i++) d += piece(s[i - 1], s[i]);
  if (closed) {
    const PathSegment& last = s.back();
    bool straight = last.out.h == last.p.h && last.out.v == last.p.v && s[0].in.h == s[0].p.h && s[0].in.v == s[0].p.v;
    if (!straight && s.size() > 1) d += piece(last, s[0]);
    d += " Z";
  }
  return d;
}

class Writer {
 public:
  explicit Writer(HostDocument* doc) : doc_(doc) {}

  void Write(pugi::xml_document& xml) {
    pugi::xml_node svg = xml.append_child("svg");
    svg.append_attribute("xmlns") = "http://www.w3.org/2000/svg";
    svg.append_attribute("xmlns:vm") = kVmNamespace;
    svg.append_attribute("version") = "1.1";
    const DocumentPage& page = doc_->page;
    if (page.kept) {  // the sheet the file was drawn on
      svg.append_attribute("width") = page.width.c_str();
      svg.append_attribute("height") = page.height.c_str();
      svg.append_attribute("viewBox") =
          (Num(page.x) + " " + Num(page.y) + " " + Num(page.w) + " " + Num(page.h)).c_str();
      svg.append_attribute("vm:page") = "1";
    } else {
      WriteBoundsPage(svg);
    }
    svg.append_attribute("vm:zoom") = Num(doc_->view.zoom).c_str();
    svg.append_attribute("vm:center") = (Num(doc_->view.center.h) + " " + Num(doc_->view.center.v)).c_str();
    // SVG paints later elements on top: the bottom layer goes first.
    for (auto it = doc_->d.layers.rbegin(); it != doc_->d.layers.rend(); ++it) WriteLayer(svg, *it);
  }

 private:
  // The drawing's bounds with a margin, in points.
  void WriteBoundsPage(pugi::xml_node svg) {
    bool empty = true;
    RealRect box{0, 842, 595, 0};
    for (HostLayer* layer : doc_->d.layers) {
      bool none = false;
      RealRect b = ArtBounds(layer->group, true, &none);
      if (none) continue;
      if (empty)
        box = b;
      else
        box = RealRect{std::min(box.left, b.left), std::max(box.top, b.top), std::max(box.right, b.right),
                       std::min(box.bottom, b.bottom)};
      empty = false;
    }
    double margin = 10;
    double w = box.right - box.left + 2 * margin, h = box.top - box.bottom + 2 * margin;
    if (!std::isfinite(w) || !std::isfinite(h)) {  // art too far apart for a page: a page of its own
      box = RealRect{0, 842, 595, 0};
      w = 595 + 2 * margin;
      h = 842 + 2 * margin;
    }
    svg.append_attribute("width") = (Num(w) + "pt").c_str();
    svg.append_attribute("height") = (Num(h) + "pt").c_str();
    svg.append_attribute("viewBox") =
        (Num(box.left - margin) + " " + Num(-box.top - margin) + " " + Num(w) + " " + Num(h)).c_str();
  }

  void WriteLayer(pugi::xml_node parent, HostLayer* layer) {
    pugi::xml_node g = parent.append_child("g");
    g.append_attribute("id") = layer->group->d.id.c_str();
    g.append_attribute("vm:type") = "layer";
    g.append_attribute("vm:title") = ToUtf8(layer->d.title).c_str();
    g.append_attribute("vm:visible") = layer->d.visible ? "1" : "0";
    g.append_attribute("vm:editable") = layer->d.editable ? "1" : "0";
    char color[20];
    std::snprintf(color, sizeof color, "%04x %04x %04x", layer->d.color.red, layer->d.color.green, layer->d.color.blue);
    g.append_attribute("vm:color") = color;
    if (layer == doc_->d.current) g.append_attribute("vm:current") = "1";
    if (!layer->d.visible) g.append_attribute("display") = "none";
    WriteCommon(g, layer->group);
    WriteChildren(g, layer->group);
  }

  void WriteChildren(pugi::xml_node node, HostArt* art) {
    for (auto it = art->d.children.rbegin(); it != art->d.children.rend(); ++it) WriteArt(node, *it);
  }

  void WriteCommon(pugi::xml_node node, HostArt* art) {
    if (!node.attribute("id")) node.prepend_attribute("id") = art->d.id.c_str();
    uint32_t state = art->d.attrs & ~static_cast<uint32_t>(kArtFullySelected);
    if (state) node.append_attribute("vm:state") = StateWords(state).c_str();
    if ((state & kArtHidden) && !node.attribute("display")) node.append_attribute("display") = "none";
    for (const TagRef& tag : art->d.tags)
      node.append_attribute((kTagPrefix + EncodeBytes(tag->name, '-', KeepKeyByte)).c_str()) =
          EncodeBytes(tag->value, '%', KeepValueByte).c_str();
  }

  void WriteStyle(pugi::xml_node node, const PathStyle& s) {
    node.append_attribute("fill") = CssColor(s.fillColor, s.fillPaint).c_str();
    node.append_attribute("stroke") = CssColor(s.strokeColor, s.strokePaint).c_str();
    node.append_attribute("stroke-width") = Num(s.strokeWidth).c_str();
    std::string words = std::to_string(s.fillPaint) + " " + ColorWords(s.fillColor) + " " +
                        std::to_string(s.strokePaint) + " " + ColorWords(s.strokeColor) + " " + Num(s.strokeWidth) +
                        " " + Num(s.miterLimit) + " " + std::to_string(s.cap) + " " + std::to_string(s.join) + " " +
                        Num(s.dashOffset);
    for (int i = 0; i < s.dashCount && i < 6; i++) words.append(" ").append(Num(s.dash[i]));
    node.append_attribute("vm:style") = words.c_str();
  }

  void WriteArt(pugi::xml_node parent, HostArt* art) {
    const ArtData& d = art->d;
    pugi::xml_node node;
    switch (d.type) {
      case kPathArt:
        node = parent.append_child("path");
        node.append_attribute("id") = d.id.c_str();
        node.append_attribute("d") = PathData(d.segments, d.closed).c_str();
        WriteStyle(node, d.style);
        node.append_attribute("vm:closed") = d.closed ? "1" : "0";
        node.append_attribute("vm:segments") = SegmentWords(d.segments).c_str();
        break;
      case kTextFrameArt:
        node = WriteText(parent, art);
        break;
      default:
        node = parent.append_child("g");
        node.append_attribute("id") = d.id.c_str();
        node.append_attribute("vm:type") = d.type == kGroupArt          ? "group"
                                           : d.type == kCompoundPathArt ? "compound"
                                                                        : "other";
        if (d.type == kPlacedArt || d.type == kOtherArt) node.append_attribute("vm:art-type") = d.type;
        if (d.type == kCompoundPathArt) WriteStyle(node, d.style);
        if (d.clipped) node.append_attribute("vm:clipped") = "1";
        break;
    }
    WriteCommon(node, art);
    WriteChildren(node, art);
  }

  pugi::xml_node WriteText(pugi::xml_node parent, HostArt* art) {
    const TextData& t = art->d.text;
    pugi::xml_node node = parent.append_child("text");
    node.append_attribute("id") = art->d.id.c_str();
    node.append_attribute("x") = Num(t.anchor.h).c_str();
    node.append_attribute("y") = Num(-t.anchor.v).c_str();
    const RealMatrix& m = t.matrix;
    node.append_attribute("transform") = ("matrix(" + Num(m.a) + " " + Num(-m.b) + " " + Num(-m.c) + " " + Num(m.d) +
                                          " " + Num(m.tx) + " " + Num(-m.ty) + ")")
                                             .c_str();
    std::string font = t.chars.font ? t.chars.font->name : "";
    node.append_attribute("font-family") = font.c_str();
    node.append_attribute("font-size") = Num(t.chars.size).c_str();
    node.append_attribute("fill") = CssColor(t.chars.fillColor, t.chars.fill).c_str();
    node.append_attribute("text-anchor") = t.para.justification == kJustifyCenter  ? "middle"
                                           : t.para.justification == kJustifyRight ? "end"
                                                                                   : "start";
    node.append_attribute("vm:type") = "text";
    node.append_attribute("vm:anchor") = (Num(t.anchor.h) + " " + Num(t.anchor.v)).c_str();
    node.append_attribute("vm:matrix") =
        (Num(m.a) + " " + Num(m.b) + " " + Num(m.c) + " " + Num(m.d) + " " + Num(m.tx) + " " + Num(m.ty)).c_str();
    node.append_attribute("vm:orientation") = t.orientation;
    node.append_attribute("vm:font") = font.c_str();
    node.append_attribute("vm:chars") = (Num(t.chars.size) + " " + std::to_string(t.chars.fill) + " " +
                                         std::to_string(t.chars.stroke) + " " + Num(t.chars.horizontalScale))
                                            .c_str();
    node.append_attribute("vm:fill") = ColorWords(t.chars.fillColor).c_str();
    node.append_attribute("vm:stroke") = ColorWords(t.chars.strokeColor).c_str();
    node.append_attribute("vm:para") =
        (std::to_string(t.para.justification) + " " + Num(t.para.firstLineIndent) + " " + Num(t.para.startIndent))
            .c_str();
    node.append_attribute("vm:text") = EncodeBytes(ToUtf8(t.text), '%', KeepValueByte).c_str();
    node.text().set(ToUtf8(t.text).c_str());
    return node;
  }

  HostDocument* doc_;
};
}  // namespace

void GiveArtIds(HostDocument* doc) {
  std::set<std::string> used;
  std::vector<HostArt*> order;
  for (HostLayer* layer : doc->d.layers)
    ForEachArt(layer->group, [&](HostArt* a) {
      order.push_back(a);
      if (!a->d.id.empty() && !used.insert(a->d.id).second) {  // a repeated id is renewed
        ForgetKeptCopy(a);
        a->d.id.clear();
      }
    });
  for (HostArt* a : order) {
    if (!a->d.id.empty()) continue;
    std::string id;
    do id = std::string("a").append(std::to_string(doc->nextArtNumber++));
    while (used.count(id));
    ForgetKeptCopy(a);
    a->d.id = id;
    used.insert(id);
  }
}

std::string SvgDocumentText(HostDocument* doc) {
  GiveArtIds(doc);
  pugi::xml_document xml;
  Writer(doc).Write(xml);
  std::ostringstream out;
  // A control character the module put into a title or a text would make the file no XML; the
  // exact text is kept percent-encoded.
  xml.save(out, "  ", pugi::format_default | pugi::format_skip_control_chars, pugi::encoding_utf8);
  return out.str();
}

bool WriteSvgDocument(HostDocument* doc, const std::string& path, std::string* error) {
  if (!doc) {
    if (error) *error = "no document";
    return false;
  }
  return WriteWholeFile(path, SvgDocumentText(doc), error);
}
