// Document files: SVG that any browser draws, with the exact document in
// attributes of our own namespace. Layers are top-level groups marked as
// layers; paths keep every anchor and control point as shortest round-trip
// numbers; tags keep their order and their bytes (percent-encoded).
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <pugixml.hpp>
#include <set>
#include <sstream>
#include <string_view>

#include "host_model.h"

namespace {

constexpr const char* kNamespace = "urn:x-vestamark:document:1";
constexpr const char* kTagPrefix = "vm:tag.";

// ---- numbers and encodings --------------------------------------------------------

std::string Num(double v) {
  if (v == 0) v = 0;  // no "-0"
  char buffer[40];
  auto r = std::to_chars(buffer, buffer + sizeof buffer, v);
  return std::string(buffer, r.ptr);
}

bool ParseNum(std::string_view s, double& out) {
  if (s.empty()) return false;
  if (s.front() == '+') s.remove_prefix(1);
  auto r = std::from_chars(s.data(), s.data() + s.size(), out);
  return r.ec == std::errc() && r.ptr == s.data() + s.size() && std::isfinite(out);
}

std::vector<std::string_view> Split(std::string_view s, char sep) {
  std::vector<std::string_view> parts;
  size_t start = 0;
  while (true) {
    size_t at = s.find(sep, start);
    parts.push_back(s.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
    if (at == std::string_view::npos) break;
    start = at + 1;
  }
  return parts;
}

std::vector<std::string_view> Words(std::string_view s) {
  std::vector<std::string_view> words;
  for (std::string_view w : Split(s, ' '))
    if (!w.empty()) words.push_back(w);
  return words;
}

bool ParseNums(std::string_view s, std::vector<double>& out) {
  out.clear();
  for (std::string_view w : Words(s)) {
    double v;
    if (!ParseNum(w, v)) return false;
    out.push_back(v);
  }
  return true;
}

const char kHex[] = "0123456789ABCDEF";

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Printable ASCII stays as it is; every other byte and '%' become %HH.
std::string EncodeBytes(const std::string& bytes, char escape, bool (*keep)(unsigned char)) {
  std::string out;
  for (unsigned char c : bytes) {
    if (keep(c) && c != static_cast<unsigned char>(escape)) {
      out += static_cast<char>(c);
    } else {
      out += escape;
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

bool DecodeBytes(std::string_view text, char escape, std::string& out) {
  out.clear();
  for (size_t i = 0; i < text.size(); i++) {
    if (text[i] != escape) {
      out += text[i];
      continue;
    }
    if (i + 2 >= text.size()) return false;
    int hi = HexValue(text[i + 1]), lo = HexValue(text[i + 2]);
    if (hi < 0 || lo < 0) return false;
    out += static_cast<char>(hi * 16 + lo);
    i += 2;
  }
  return true;
}

bool KeepValueByte(unsigned char c) { return c >= 0x20 && c < 0x7F; }
bool KeepKeyByte(unsigned char c) { return std::isalnum(c) || c == '_' || c == '.'; }

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
    return straight ? " L" + pt(b.p) : " C" + pt(a.out) + " " + pt(b.in) + " " + pt(b.p);
  };
  std::string d = "M" + pt(s[0].p);
  for (size_t i = 1; i < s.size(); i++) d += piece(s[i - 1], s[i]);
  if (closed) {
    const PathSegment& last = s.back();
    bool straight =
        last.out.h == last.p.h && last.out.v == last.p.v && s[0].in.h == s[0].p.h && s[0].in.v == s[0].p.v;
    if (!straight && s.size() > 1) d += piece(last, s[0]);
    d += " Z";
  }
  return d;
}

// ---- writing --------------------------------------------------------------------------

class Writer {
 public:
  explicit Writer(HostDocument* doc) : doc_(doc) {}

  void AssignIds() {
    std::set<std::string> used;
    std::vector<HostArt*> order;
    for (HostLayer* layer : doc_->d.layers)
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
      do id = std::string("a").append(std::to_string(doc_->nextArtNumber++));
      while (used.count(id));
      ForgetKeptCopy(a);
      a->d.id = id;
      used.insert(id);
    }
  }

  void Write(pugi::xml_document& xml) {
    pugi::xml_node svg = xml.append_child("svg");
    svg.append_attribute("xmlns") = "http://www.w3.org/2000/svg";
    svg.append_attribute("xmlns:vm") = kNamespace;
    svg.append_attribute("version") = "1.1";
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
    svg.append_attribute("width") = Num(w).c_str();
    svg.append_attribute("height") = Num(h).c_str();
    svg.append_attribute("viewBox") =
        (Num(box.left - margin) + " " + Num(-box.top - margin) + " " + Num(w) + " " + Num(h)).c_str();
    svg.append_attribute("vm:zoom") = Num(doc_->view.zoom).c_str();
    svg.append_attribute("vm:center") = (Num(doc_->view.center.h) + " " + Num(doc_->view.center.v)).c_str();
    // SVG paints later elements on top: the bottom layer goes first.
    for (auto it = doc_->d.layers.rbegin(); it != doc_->d.layers.rend(); ++it) WriteLayer(svg, *it);
  }

 private:
  void WriteLayer(pugi::xml_node parent, HostLayer* layer) {
    pugi::xml_node g = parent.append_child("g");
    g.append_attribute("id") = layer->group->d.id.c_str();
    g.append_attribute("vm:type") = "layer";
    g.append_attribute("vm:title") = ToUtf8(layer->d.title).c_str();
    g.append_attribute("vm:visible") = layer->d.visible ? "1" : "0";
    g.append_attribute("vm:editable") = layer->d.editable ? "1" : "0";
    char color[20];
    std::snprintf(color, sizeof color, "%04x %04x %04x", layer->d.color.red, layer->d.color.green,
                  layer->d.color.blue);
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
                        std::to_string(s.strokePaint) + " " + ColorWords(s.strokeColor) + " " +
                        Num(s.strokeWidth) + " " + Num(s.miterLimit) + " " + std::to_string(s.cap) + " " +
                        std::to_string(s.join) + " " + Num(s.dashOffset);
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
    node.append_attribute("transform") = ("matrix(" + Num(m.a) + " " + Num(-m.b) + " " + Num(-m.c) + " " +
                                          Num(m.d) + " " + Num(m.tx) + " " + Num(-m.ty) + ")")
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
        (Num(m.a) + " " + Num(m.b) + " " + Num(m.c) + " " + Num(m.d) + " " + Num(m.tx) + " " + Num(m.ty))
            .c_str();
    node.append_attribute("vm:orientation") = t.orientation;
    node.append_attribute("vm:font") = font.c_str();
    node.append_attribute("vm:chars") = (Num(t.chars.size) + " " + std::to_string(t.chars.fill) + " " +
                                         std::to_string(t.chars.stroke) + " " + Num(t.chars.horizontalScale))
                                            .c_str();
    node.append_attribute("vm:fill") = ColorWords(t.chars.fillColor).c_str();
    node.append_attribute("vm:stroke") = ColorWords(t.chars.strokeColor).c_str();
    node.append_attribute("vm:para") = (std::to_string(t.para.justification) + " " +
                                        Num(t.para.firstLineIndent) + " " + Num(t.para.startIndent))
                                           .c_str();
    node.append_attribute("vm:text") = EncodeBytes(ToUtf8(t.text), '%', KeepValueByte).c_str();
    node.text().set(ToUtf8(t.text).c_str());
    return node;
  }

  HostDocument* doc_;
};

// ---- reading --------------------------------------------------------------------------

struct ReadError {
  std::string message;
};

class Reader {
 public:
  Reader(HostDocument* doc, const std::string& source, const std::string& text)
      : doc_(doc), source_(source), text_(text) {}

  void ReadRoot(pugi::xml_node svg) {
    if (std::strcmp(svg.name(), "svg") != 0) Fail(svg, "the root element is not <svg>");
    double zoom = 1;
    if (auto a = svg.attribute("vm:zoom"); a && !ParseNum(a.value(), zoom)) Fail(svg, "bad vm:zoom");
    doc_->view.zoom = zoom;
    std::vector<double> center;
    if (auto a = svg.attribute("vm:center")) {
      if (!ParseNums(a.value(), center) || center.size() != 2) Fail(svg, "bad vm:center");
      doc_->view.center = RealPoint{center[0], center[1]};
    }
    HostLayer* loose = nullptr;  // for art outside any layer
    HostLayer* current = nullptr;
    for (pugi::xml_node child : svg.children()) {
      if (child.type() != pugi::node_element) continue;
      if (std::strcmp(child.attribute("vm:type").value(), "layer") == 0) {
        HostLayer* layer = ReadLayer(child);
        if (child.attribute("vm:current").as_int() == 1) current = layer;
        continue;
      }
      if (!IsArtElement(child)) continue;
      if (!loose) loose = NewHostLayer(doc_, u"Layer 1", 0);
      ReadArt(child, loose->group);
    }
    if (doc_->d.layers.empty()) NewHostLayer(doc_, u"Layer 1", 0);
    doc_->d.current = current ? current : doc_->d.layers.front();
  }

 private:
  [[noreturn]] void Fail(pugi::xml_node node, const std::string& what) {
    std::string where = source_;
    ptrdiff_t offset = node.offset_debug();
    if (offset >= 0) where += ": line " + std::to_string(LineOf(static_cast<size_t>(offset)));
    const char* id = node.attribute("id").value();
    throw ReadError{where + ": " + what + (*id ? std::string(" (id '") + id + "')" : std::string())};
  }

  // A number that must fit the host's 16-bit fields.
  int16_t Short(pugi::xml_node node, double v, const char* attr) {
    if (!(v >= -32768 && v <= 32767)) Fail(node, std::string("bad ") + attr);
    return static_cast<int16_t>(v);
  }

  size_t LineOf(size_t offset) const {
    return 1 + static_cast<size_t>(
                   std::count(text_.begin(), text_.begin() + std::min(offset, text_.size()), '\n'));
  }

  static bool IsArtElement(pugi::xml_node node) {
    std::string_view name = node.name();
    return name == "g" || name == "path" || name == "text";
  }

  HostLayer* ReadLayer(pugi::xml_node node) {
    HostLayer* layer = NewHostLayer(doc_, FromUtf8(node.attribute("vm:title").value()), 0);
    layer->d.visible = node.attribute("vm:visible").as_int(1) != 0;
    layer->d.editable = node.attribute("vm:editable").as_int(1) != 0;
    if (auto c = node.attribute("vm:color")) {
      unsigned r, g, b;
      if (std::sscanf(c.value(), "%4x %4x %4x", &r, &g, &b) != 3) Fail(node, "bad vm:color");
      layer->d.color =
          RGBColor16{static_cast<uint16_t>(r), static_cast<uint16_t>(g), static_cast<uint16_t>(b)};
    }
    ReadCommon(node, layer->group);
    ReadChildren(node, layer->group);
    return layer;
  }

  void ReadChildren(pugi::xml_node node, HostArt* parent) {
    // Far deeper than any drawing, and well within the stack of every walk over the tree.
    if (++depth_ > kMaxDepth) Fail(node, "groups nested more than " + std::to_string(kMaxDepth) + " deep");
    for (pugi::xml_node child : node.children()) {
      if (child.type() != pugi::node_element || !IsArtElement(child)) continue;
      if (std::strcmp(child.attribute("vm:type").value(), "layer") == 0) Fail(child, "a layer inside art");
      ReadArt(child, parent);
    }
    --depth_;
  }

  void Place(pugi::xml_node node, HostArt* art, HostArt* parent) {
    if (LinkArt(art, kPlaceInsideOnTop, parent) != kNoErr)
      Fail(node, "this art cannot stand inside its parent");
  }

  void ReadArt(pugi::xml_node node, HostArt* parent) {
    std::string_view name = node.name();
    std::string_view type = node.attribute("vm:type").value();
    HostArt* art;
    if (name == "path") {
      art = NewHostArt(doc_, kPathArt);
      ReadPath(node, art, parent);
      return;
    }
    if (name == "text") {
      art = NewHostArt(doc_, kTextFrameArt);
      ReadText(node, art);
    } else if (type == "compound") {
      art = NewHostArt(doc_, kCompoundPathArt);
      if (node.attribute("vm:style")) art->d.style = ReadStyle(node);
    } else if (type == "other") {
      int artType = node.attribute("vm:art-type").as_int(kOtherArt);
      if (artType != kPlacedArt && artType != kOtherArt) Fail(node, "bad vm:art-type");
      art = NewHostArt(doc_, static_cast<int16_t>(artType));
    } else if (type.empty() || type == "group") {
      art = NewHostArt(doc_, kGroupArt);
    } else {
      Fail(node, "unknown vm:type '" + std::string(type) + "'");
    }
    art->d.clipped = node.attribute("vm:clipped").as_int() == 1;
    Place(node, art, parent);
    ReadCommon(node, art);
    ReadChildren(node, art);
  }

  void ReadCommon(pugi::xml_node node, HostArt* art) {
    std::string id = node.attribute("id").value();
    if (!id.empty() && ids_.insert(id).second) art->d.id = id;  // a repeated id is renewed on save
    for (std::string_view w : Words(node.attribute("vm:state").value())) {
      if (w == "selected")
        art->d.attrs |= kArtSelected;
      else if (w == "locked")
        art->d.attrs |= kArtLocked;
      else if (w == "hidden")
        art->d.attrs |= kArtHidden;
      else if (w == "guide")
        art->d.attrs |= kArtIsGuide;
      else
        Fail(node, "unknown state '" + std::string(w) + "'");
    }
    if (art->d.attrs & kArtSelected)
      std::fill(art->d.segmentSelected.begin(), art->d.segmentSelected.end(), 1);
    for (pugi::xml_attribute a : node.attributes()) {
      std::string_view n = a.name();
      if (n.substr(0, std::strlen(kTagPrefix)) != kTagPrefix) continue;
      std::string key, value;
      if (!DecodeBytes(n.substr(std::strlen(kTagPrefix)), '-', key) || key.empty())
        Fail(node, "bad tag name '" + std::string(n) + "'");
      if (!DecodeBytes(a.value(), '%', value)) Fail(node, "bad value of tag '" + key + "'");
      if (art->d.tags.Find(key)) Fail(node, "tag '" + key + "' given twice");
      art->d.tags.Set(std::make_shared<const ArtTag>(ArtTag{key, value}));
    }
  }

  HostColor ReadColor(pugi::xml_node node, const std::vector<std::string_view>& w, size_t& i) {
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

  HostColor ReadColorAttr(pugi::xml_node node, const char* attr) {
    std::vector<std::string_view> w = Words(node.attribute(attr).value());
    size_t i = 0;
    HostColor c = ReadColor(node, w, i);
    if (i != w.size()) Fail(node, std::string("bad ") + attr);
    return c;
  }

  PathStyle ReadStyle(pugi::xml_node node) {
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
    s.fillColor = ReadColor(node, w, i);
    s.strokePaint = Short(node, num(), "vm:style");
    s.strokeColor = ReadColor(node, w, i);
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

  void ReadPath(pugi::xml_node node, HostArt* art, HostArt* parent) {
    if (node.attribute("vm:style")) {
      art->d.style = ReadStyle(node);
    } else if (std::string_view(node.attribute("fill").value()) == "none") {
      art->d.style.fillPaint = 0;
    }
    std::vector<std::vector<PathSegment>> paths;
    std::vector<bool> closed;
    if (auto exact = node.attribute("vm:segments")) {
      paths.emplace_back();
      std::string_view text = exact.value();
      if (!text.empty())
        for (std::string_view seg : Split(text, ';')) {
          std::vector<double> v;
          if (!ParseNums(seg, v) || v.size() != 7) Fail(node, "broken vm:segments");
          paths.back().push_back(
              PathSegment{{v[0], v[1]}, {v[2], v[3]}, {v[4], v[5]}, Short(node, v[6], "vm:segments")});
        }
      closed.push_back(node.attribute("vm:closed").as_int() == 1);
    } else {
      ParsePathData(node, paths, closed);
    }
    for (auto& p : paths)
      if (p.size() > 32767) Fail(node, "a path of more than 32767 segments");
    if (paths.size() == 1) {
      art->d.segments = paths[0];
      art->d.segmentSelected.assign(paths[0].size(), 0);
      art->d.closed = closed[0];
      Place(node, art, parent);
      ReadCommon(node, art);
      return;
    }
    // Several subpaths: a compound path of one path each.
    art->d.type = kCompoundPathArt;
    Place(node, art, parent);
    ReadCommon(node, art);
    for (size_t k = 0; k < paths.size(); k++) {
      HostArt* sub = NewHostArt(doc_, kPathArt);
      sub->d.style = art->d.style;
      sub->d.segments = paths[k];
      sub->d.segmentSelected.assign(paths[k].size(), 0);
      sub->d.closed = closed[k];
      LinkArt(sub, kPlaceInsideOnBottom, art);
    }
  }

  // Path data of other editors: M, L, H, V, C and Z, absolute or relative.
  void ParsePathData(pugi::xml_node node, std::vector<std::vector<PathSegment>>& paths,
                     std::vector<bool>& closed) {
    std::string_view d = node.attribute("d").value();
    size_t i = 0;
    auto skip = [&]() {
      while (i < d.size() && (std::isspace(static_cast<unsigned char>(d[i])) || d[i] == ',')) i++;
    };
    auto number = [&]() {
      skip();
      size_t start = i;
      if (i < d.size() && (d[i] == '-' || d[i] == '+')) i++;
      bool dot = false;
      while (i < d.size() && (std::isdigit(static_cast<unsigned char>(d[i])) || (d[i] == '.' && !dot)))
        dot |= d[i++] == '.';
      if (i < d.size() && (d[i] == 'e' || d[i] == 'E')) {
        i++;
        if (i < d.size() && (d[i] == '-' || d[i] == '+')) i++;
        while (i < d.size() && std::isdigit(static_cast<unsigned char>(d[i]))) i++;
      }
      double v;
      if (!ParseNum(d.substr(start, i - start), v) || !std::isfinite(v))
        Fail(node, "broken path data near offset " + std::to_string(start));
      return v;
    };
    char command = 0;
    RealPoint at{0, 0};
    bool lastWasCurveToStart = false;
    auto finish = [&]() {
      if (!paths.empty() && closed.size() < paths.size()) closed.push_back(false);
    };
    // Drawing on after Z starts a new subpath where the closed one began.
    auto drawing = [&]() -> std::vector<PathSegment>& {
      if (paths.empty()) Fail(node, "path data must start with M");
      if (closed.size() == paths.size()) paths.emplace_back(1, PathSegment{at, at, at, 1});
      return paths.back();
    };
    while (true) {
      skip();
      if (i >= d.size()) break;
      if (std::isalpha(static_cast<unsigned char>(d[i]))) command = d[i++];
      bool rel = std::islower(static_cast<unsigned char>(command));
      auto point = [&]() {
        double x = number(), y = -number();
        return rel ? RealPoint{at.h + x, at.v + y} : RealPoint{x, y};
      };
      switch (std::toupper(static_cast<unsigned char>(command))) {
        case 'M': {
          finish();
          at = point();
          paths.emplace_back();
          paths.back().push_back(PathSegment{at, at, at, 1});
          command = rel ? 'l' : 'L';
          lastWasCurveToStart = false;
          break;
        }
        case 'L':
        case 'H':
        case 'V': {
          std::vector<PathSegment>& segs = drawing();
          char c = static_cast<char>(std::toupper(static_cast<unsigned char>(command)));
          RealPoint p = at;
          if (c == 'L') p = point();
          if (c == 'H') p.h = rel ? at.h + number() : number();
          if (c == 'V') p.v = rel ? at.v - number() : -number();
          at = p;
          segs.push_back(PathSegment{p, p, p, 1});
          lastWasCurveToStart = false;
          break;
        }
        case 'C': {
          std::vector<PathSegment>& segs = drawing();
          RealPoint c1 = point(), c2 = point(), p = point();
          segs.back().out = c1;
          at = p;
          segs.push_back(PathSegment{p, c2, p, 0});
          lastWasCurveToStart = p.h == segs.front().p.h && p.v == segs.front().p.v;
          break;
        }
        case 'Z': {
          if (paths.empty()) Fail(node, "path data must start with M");
          auto& segs = paths.back();
          if (lastWasCurveToStart && segs.size() > 1) {
            segs.front().in = segs.back().in;
            segs.pop_back();
          }
          if (closed.size() < paths.size()) closed.push_back(true);  // a second Z closes nothing more
          at = segs.front().p;
          command = 0;
          lastWasCurveToStart = false;
          break;
        }
        default:
          Fail(node, std::string("unsupported path command '") + command + "'");
      }
    }
    finish();
    if (paths.empty()) Fail(node, "a path without data");
  }

  void ReadText(pugi::xml_node node, HostArt* art) {
    TextData& t = art->d.text;
    std::vector<double> v;
    if (auto a = node.attribute("vm:anchor")) {
      if (!ParseNums(a.value(), v) || v.size() != 2) Fail(node, "bad vm:anchor");
      t.anchor = RealPoint{v[0], v[1]};
    } else {
      t.anchor = RealPoint{node.attribute("x").as_double(), -node.attribute("y").as_double()};
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
    } else if (auto size = node.attribute("font-size")) {
      t.chars.size = size.as_double(12.0) > 0 ? size.as_double(12.0) : 12.0;
    }
    if (node.attribute("vm:fill")) t.chars.fillColor = ReadColorAttr(node, "vm:fill");
    if (node.attribute("vm:stroke")) t.chars.strokeColor = ReadColorAttr(node, "vm:stroke");
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

  HostDocument* doc_;
  std::string source_;
  const std::string& text_;
  std::set<std::string> ids_;
  static constexpr int kMaxDepth = 256;
  int depth_ = 0;
};

}  // namespace

HostDocument* ReadSvgDocument(const std::string& path, std::string* error) {
  std::string text;
  {
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
      if (error) *error = path + ": cannot be opened";
      return nullptr;
    }
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) text.append(buffer, n);
    std::fclose(f);
  }
  pugi::xml_document xml;
  pugi::xml_parse_result parsed =
      xml.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8);
  if (!parsed) {
    size_t line = 1 + static_cast<size_t>(std::count(
                          text.begin(),
                          text.begin() + std::min(static_cast<size_t>(parsed.offset), text.size()), '\n'));
    if (error)
      *error = path + ": line " + std::to_string(line) + ": not well-formed XML: " + parsed.description();
    return nullptr;
  }
  HostDocument* previous = gHost.current;
  std::string name = path.substr(path.find_last_of('/') + 1);
  HostDocument* doc = NewHostDocument(name);
  Reader reader(doc, path, text);
  try {
    reader.ReadRoot(xml.document_element());
  } catch (const ReadError& e) {
    CloseHostDocument(doc);
    gHost.current = previous;
    if (error) *error = e.message;
    return nullptr;
  }
  return doc;
}

bool WriteSvgDocument(HostDocument* doc, const std::string& path, std::string* error) {
  if (!doc) {
    if (error) *error = "no document";
    return false;
  }
  Writer writer(doc);
  writer.AssignIds();
  pugi::xml_document xml;
  writer.Write(xml);
  std::ostringstream out;
  xml.save(out, "  ", pugi::format_default, pugi::encoding_utf8);
  FILE* f = std::fopen(path.c_str(), "wb");
  std::string bytes = out.str();
  if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
    if (f) std::fclose(f);
    if (error) *error = path + ": cannot be written";
    return false;
  }
  if (std::fclose(f) != 0) {
    if (error) *error = path + ": cannot be written";
    return false;
  }
  return true;
}
