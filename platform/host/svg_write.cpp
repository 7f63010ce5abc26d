// Document files as the host writes them: SVG that any browser draws, with the
// exact document in attributes of our own namespace. Layers are top-level
// groups marked as layers; paths keep every anchor and control point as
// shortest round-trip numbers; tags keep their order and their bytes
// (percent-encoded). The page is the sheet a file of another program was drawn
// on, else the drawing's bounds with a margin, in points.
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <set>

#include "host_model.h"
#include "svg_codes.h"
#include "svg_xml_out.h"
#include "win/whole_file.h"

namespace {

void PutStateWords(XmlOut& out, uint32_t attrs) {
  const std::pair<uint32_t, const char*> words[] = {
      {kArtSelected, "selected"}, {kArtLocked, "locked"}, {kArtHidden, "hidden"}, {kArtIsGuide, "guide"}};
  bool first = true;
  for (auto [bit, word] : words) {
    if (!(attrs & bit)) continue;
    if (!first) out.Char(' ');
    out.Plain(word);
    first = false;
  }
}

// Numbers with a blank between them.
void PutNumbers(XmlOut& out, std::initializer_list<double> numbers) {
  bool first = true;
  for (double v : numbers) {
    if (!first) out.Char(' ');
    out.Number(v);
    first = false;
  }
}

void PutColorWords(XmlOut& out, const HostColor& c) {
  switch (c.kind) {
    case ColorKind::Gray:
      out.Plain("gray ");
      out.Number(c.gray);
      break;
    case ColorKind::Process:
      out.Plain("cmyk ");
      PutNumbers(out, {c.c, c.m, c.y, c.k});
      break;
    default:
      out.Plain("none");
  }
}

void PutCssColor(XmlOut& out, const HostColor& c, bool painted) {
  if (!painted || c.kind == ColorKind::None) {
    out.Plain("none");
    return;
  }
  double r, g, b;
  if (c.kind == ColorKind::Gray) {
    r = g = b = 1 - c.gray;
  } else {
    r = (1 - c.c) * (1 - c.k);
    g = (1 - c.m) * (1 - c.k);
    b = (1 - c.y) * (1 - c.k);
  }
  auto byte = [](double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); };
  out.Char('#');
  for (double v : {r, g, b}) out.Hex(static_cast<unsigned>(byte(v)), 2);
}

void PutSegmentWords(XmlOut& out, const std::vector<PathSegment>& segments) {
  bool first = true;
  for (const PathSegment& s : segments) {
    if (!first) out.Char(';');
    PutNumbers(out, {s.p.h, s.p.v, s.in.h, s.in.v, s.out.h, s.out.v});
    out.Char(' ');
    out.Integer(s.corner);
    first = false;
  }
}

// The drawing of a path for viewers: y flipped, since SVG has y down.
void PutPathData(XmlOut& out, const std::vector<PathSegment>& s, bool closed) {
  if (s.empty()) return;
  auto pt = [&](RealPoint p) { PutNumbers(out, {p.h, -p.v}); };
  auto piece = [&](const PathSegment& a, const PathSegment& b) {
    bool straight = a.out.h == a.p.h && a.out.v == a.p.v && b.in.h == b.p.h && b.in.v == b.p.v;
    if (straight) {
      out.Plain(" L");
    } else {
      out.Plain(" C");
      pt(a.out);
      out.Char(' ');
      pt(b.in);
      out.Char(' ');
    }
    pt(b.p);
  };
  out.Char('M');
  pt(s[0].p);
  for (size_t i = 1; i < s.size(); i++) piece(s[i - 1], s[i]);
  if (closed) {
    const PathSegment& last = s.back();
    bool straight = last.out.h == last.p.h && last.out.v == last.p.v && s[0].in.h == s[0].p.h && s[0].in.v == s[0].p.v;
    if (!straight && s.size() > 1) piece(last, s[0]);
    out.Plain(" Z");
  }
}

class Writer {
 public:
  Writer(HostDocument* doc, XmlOut& out) : doc_(doc), out_(out) {}

  void Write() {
    out_.Declaration();
    out_.Start("svg");
    out_.Attribute("xmlns", "http://www.w3.org/2000/svg");
    out_.Attribute("xmlns:vm", kVmNamespace);
    out_.Attribute("version", "1.1");
    const DocumentPage& page = doc_->page;
    if (page.kept) {  // the sheet the file was drawn on
      out_.Attribute("width", page.width);
      out_.Attribute("height", page.height);
      out_.AttributeStart("viewBox");
      PutNumbers(out_, {page.x, page.y, page.w, page.h});
      out_.AttributeEnd();
      out_.Attribute("vm:page", "1");
    } else {
      WriteBoundsPage();
    }
    out_.AttributeStart("vm:zoom");
    out_.Number(doc_->view.zoom);
    out_.AttributeEnd();
    out_.AttributeStart("vm:center");
    PutNumbers(out_, {doc_->view.center.h, doc_->view.center.v});
    out_.AttributeEnd();
    // SVG paints later elements on top: the bottom layer goes first.
    out_.Open();
    for (auto it = doc_->d.layers.rbegin(); it != doc_->d.layers.rend(); ++it) WriteLayer(*it);
    out_.End("svg");
  }

 private:
  // The drawing's bounds with a margin, in points.
  void WriteBoundsPage() {
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
    out_.AttributeStart("width");
    out_.Number(w);
    out_.Plain("pt");
    out_.AttributeEnd();
    out_.AttributeStart("height");
    out_.Number(h);
    out_.Plain("pt");
    out_.AttributeEnd();
    out_.AttributeStart("viewBox");
    PutNumbers(out_, {box.left - margin, -box.top - margin, w, h});
    out_.AttributeEnd();
  }

  void WriteLayer(HostLayer* layer) {
    out_.Start("g");
    out_.Attribute("id", layer->group->d.id);
    out_.Attribute("vm:type", "layer");
    out_.Attribute("vm:title", ToUtf8(layer->d.title));
    out_.Attribute("vm:visible", layer->d.visible ? "1" : "0");
    out_.Attribute("vm:editable", layer->d.editable ? "1" : "0");
    out_.AttributeStart("vm:color");
    out_.Hex(layer->d.color.red, 4);
    out_.Char(' ');
    out_.Hex(layer->d.color.green, 4);
    out_.Char(' ');
    out_.Hex(layer->d.color.blue, 4);
    out_.AttributeEnd();
    if (layer == doc_->d.current) out_.Attribute("vm:current", "1");
    if (!layer->d.visible) out_.Attribute("display", "none");
    WriteCommon(layer->group, !layer->d.visible);
    WriteChildren("g", layer->group);
  }

  // The children, or the end of an element that has none.
  void WriteChildren(const char* element, HostArt* art) {
    if (art->d.children.empty()) {
      out_.EndEmpty();
      return;
    }
    out_.Open();
    for (auto it = art->d.children.rbegin(); it != art->d.children.rend(); ++it) WriteArt(*it);
    out_.End(element);
  }

  void WriteCommon(HostArt* art, bool displayWritten) {
    uint32_t state = art->d.attrs & ~static_cast<uint32_t>(kArtFullySelected);
    if (state) {
      out_.AttributeStart("vm:state");
      PutStateWords(out_, state);
      out_.AttributeEnd();
    }
    if ((state & kArtHidden) && !displayWritten) out_.Attribute("display", "none");
    for (const TagRef& tag : art->d.tags) {
      out_.Char(' ');
      out_.Plain(kTagPrefix);
      out_.Encoded(tag->name(), '-', KeepKeyByte);
      out_.Plain("=\"");
      out_.Encoded(tag->value(), '%', KeepValueByte);
      out_.AttributeEnd();
    }
  }

  void WriteStyle(const PathStyle& s) {
    out_.AttributeStart("fill");
    PutCssColor(out_, s.fillColor, s.fillPaint);
    out_.AttributeEnd();
    out_.AttributeStart("stroke");
    PutCssColor(out_, s.strokeColor, s.strokePaint);
    out_.AttributeEnd();
    out_.AttributeStart("stroke-width");
    out_.Number(s.strokeWidth);
    out_.AttributeEnd();
    out_.AttributeStart("vm:style");
    out_.Integer(s.fillPaint);
    out_.Char(' ');
    PutColorWords(out_, s.fillColor);
    out_.Char(' ');
    out_.Integer(s.strokePaint);
    out_.Char(' ');
    PutColorWords(out_, s.strokeColor);
    out_.Char(' ');
    PutNumbers(out_, {s.strokeWidth, s.miterLimit});
    out_.Char(' ');
    out_.Integer(s.cap);
    out_.Char(' ');
    out_.Integer(s.join);
    out_.Char(' ');
    out_.Number(s.dashOffset);
    for (int i = 0; i < s.dashCount && i < 6; i++) {
      out_.Char(' ');
      out_.Number(s.dash[i]);
    }
    out_.AttributeEnd();
  }

  void WriteArt(HostArt* art) {
    const ArtData& d = art->d;
    switch (d.type) {
      case kPathArt:
        out_.Start("path");
        out_.Attribute("id", d.id);
        out_.AttributeStart("d");
        PutPathData(out_, d.segments, d.closed);
        out_.AttributeEnd();
        WriteStyle(d.style);
        out_.Attribute("vm:closed", d.closed ? "1" : "0");
        out_.AttributeStart("vm:segments");
        PutSegmentWords(out_, d.segments);
        out_.AttributeEnd();
        WriteCommon(art, false);
        WriteChildren("path", art);
        return;
      case kTextFrameArt:
        WriteText(art);
        return;
      default:
        out_.Start("g");
        out_.Attribute("id", d.id);
        out_.Attribute("vm:type", d.type == kGroupArt          ? "group"
                                  : d.type == kCompoundPathArt ? "compound"
                                                               : "other");
        if (d.type == kPlacedArt || d.type == kOtherArt) {
          out_.AttributeStart("vm:art-type");
          out_.Integer(d.type);
          out_.AttributeEnd();
        }
        if (d.type == kCompoundPathArt) WriteStyle(d.style);
        if (d.clipped) out_.Attribute("vm:clipped", "1");
        WriteCommon(art, false);
        WriteChildren("g", art);
        return;
    }
  }

  void WriteText(HostArt* art) {
    const TextData& t = art->d.text;
    out_.Start("text");
    out_.Attribute("id", art->d.id);
    out_.AttributeStart("x");
    out_.Number(t.anchor.h);
    out_.AttributeEnd();
    out_.AttributeStart("y");
    out_.Number(-t.anchor.v);
    out_.AttributeEnd();
    const RealMatrix& m = t.matrix;
    out_.AttributeStart("transform");
    out_.Plain("matrix(");
    PutNumbers(out_, {m.a, -m.b, -m.c, m.d, m.tx, -m.ty});
    out_.Plain(")");
    out_.AttributeEnd();
    const std::string font = t.chars.font ? t.chars.font->name : "";
    out_.Attribute("font-family", font);
    out_.AttributeStart("font-size");
    out_.Number(t.chars.size);
    out_.AttributeEnd();
    out_.AttributeStart("fill");
    PutCssColor(out_, t.chars.fillColor, t.chars.fill);
    out_.AttributeEnd();
    out_.Attribute("text-anchor", t.para.justification == kJustifyCenter  ? "middle"
                                  : t.para.justification == kJustifyRight ? "end"
                                                                          : "start");
    out_.Attribute("vm:type", "text");
    out_.AttributeStart("vm:anchor");
    PutNumbers(out_, {t.anchor.h, t.anchor.v});
    out_.AttributeEnd();
    out_.AttributeStart("vm:matrix");
    PutNumbers(out_, {m.a, m.b, m.c, m.d, m.tx, m.ty});
    out_.AttributeEnd();
    out_.AttributeStart("vm:orientation");
    out_.Integer(t.orientation);
    out_.AttributeEnd();
    out_.Attribute("vm:font", font);
    out_.AttributeStart("vm:chars");
    out_.Number(t.chars.size);
    out_.Char(' ');
    out_.Integer(t.chars.fill);
    out_.Char(' ');
    out_.Integer(t.chars.stroke);
    out_.Char(' ');
    out_.Number(t.chars.horizontalScale);
    out_.AttributeEnd();
    out_.AttributeStart("vm:fill");
    PutColorWords(out_, t.chars.fillColor);
    out_.AttributeEnd();
    out_.AttributeStart("vm:stroke");
    PutColorWords(out_, t.chars.strokeColor);
    out_.AttributeEnd();
    out_.AttributeStart("vm:para");
    out_.Integer(t.para.justification);
    out_.Char(' ');
    PutNumbers(out_, {t.para.firstLineIndent, t.para.startIndent});
    out_.AttributeEnd();
    const std::string text = ToUtf8(t.text);
    out_.AttributeStart("vm:text");
    out_.Encoded(text, '%', KeepValueByte);
    out_.AttributeEnd();
    WriteCommon(art, false);
    // A control character the module put into a text would make the file no XML; the exact text
    // is kept percent-encoded above.
    out_.EndWithText("text", text);
  }

  HostDocument* doc_;
  XmlOut& out_;
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

void WriteSvgText(HostDocument* doc, const std::function<void(std::string_view)>& put) {
  GiveArtIds(doc);
  XmlOut out(put);
  Writer(doc, out).Write();
  out.Flush();
}

std::string SvgDocumentText(HostDocument* doc) {
  GiveArtIds(doc);
  XmlOut out;
  Writer(doc, out).Write();
  return out.Take();
}

std::string WriteSvgBeside(HostDocument* doc, const std::string& path, std::string* error) {
  if (!doc) {
    if (error) *error = "no document";
    return "";
  }
  FileBeside file(path);
  if (file.Open(error)) WriteSvgText(doc, [&](std::string_view piece) { file.Put(piece); });
  return file.Finish(error);
}

bool WriteSvgDocument(HostDocument* doc, const std::string& path, std::string* error) {
  const std::string temp = WriteSvgBeside(doc, path, error);
  return !temp.empty() && PutInPlace(temp, path, error);
}
