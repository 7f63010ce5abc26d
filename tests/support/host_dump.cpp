#include "host_dump.h"

#include <cstdio>

#include "host_model.h"

namespace vmtest {

namespace {

std::string Num(double v) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.17g", v);
  return buffer;
}

std::string Pt(RealPoint p) { return Num(p.h) + "," + Num(p.v); }

void DumpArt(const HostArt* art, int depth, std::string& out) {
  const ArtData& d = art->d;
  out += std::string(static_cast<size_t>(depth) * 2, ' ') + "type " + std::to_string(d.type) + " attrs " +
         std::to_string(d.attrs) + " id '" + d.id + "'";
  if (d.type == kPathArt) {
    out += d.closed ? " closed" : " open";
    for (const PathSegment& s : d.segments)
      out += " [" + Pt(s.p) + " " + Pt(s.in) + " " + Pt(s.out) + " " + std::to_string(s.corner) + "]";
    const PathStyle& st = d.style;
    out += " style " + std::to_string(st.fillPaint) + "/" + std::to_string(st.strokePaint) + "/" +
           Num(st.strokeWidth);
  }
  if (d.type == kTextFrameArt) out += " text '" + ToUtf8(d.text.text) + "' at " + Pt(d.text.anchor);
  out += "\n";
  for (const TagRef& t : d.tags)
    out += std::string(static_cast<size_t>(depth) * 2 + 2, ' ') + "tag " + std::string(t->name()) + "=" + std::string(t->value()) + "\n";
  for (const HostArt* kid : d.children) DumpArt(kid, depth + 1, out);
}

}  // namespace

std::string DumpDocument(DocumentHandle doc) {
  std::string out;
  if (!doc) return out;
  for (const HostLayer* layer : doc->d.layers) {
    out += "layer '" + ToUtf8(layer->d.title) + "' " + (layer->d.visible ? "visible" : "hidden") +
           (layer->d.editable ? " editable" : " locked") + (layer == doc->d.current ? " current" : "") + "\n";
    DumpArt(layer->group, 1, out);
  }
  return out;
}

}  // namespace vmtest
