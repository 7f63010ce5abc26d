#include "svg_reader.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "svg_codes.h"
#include "svg_encoding.h"
#include "svg_numbers.h"
#include "svg_scan.h"
#include "svg_transform.h"
#include "tag_names_met.h"

namespace {

enum class Role {
  Art,          // drawn as art of the host
  Definitions,  // drawn only through use
  TextPart,     // characters of a text
  Quiet,        // metadata, descriptions, stylesheets, editors' settings
  CannotHold,   // skipped with a warning
  Unknown,      // likewise
};

Role RoleOf(pugi::xml_node node) {
  const std::string_view name = node.name();
  // An element of another namespace is an editor's own (its settings, its
  // view of the page).
  if (name.find(':') != std::string_view::npos) return Role::Quiet;
  for (const char* art : {"g", "a", "switch", "path", "text", "use"})
    if (name == art) return Role::Art;
  if (IsBasicShape(name)) return Role::Art;
  if (name == "defs" || name == "symbol") return Role::Definitions;
  if (name == "tspan") return Role::TextPart;
  for (const char* quiet : {"title", "desc", "metadata", "style"})
    if (name == quiet) return Role::Quiet;
  for (const char* held : {"image",
                           "linearGradient",
                           "radialGradient",
                           "meshgradient",
                           "pattern",
                           "clipPath",
                           "mask",
                           "filter",
                           "foreignObject",
                           "marker",
                           "script",
                           "textPath",
                           "font",
                           "font-face",
                           "hatch",
                           "solidcolor",
                           "view",
                           "cursor",
                           "animate",
                           "animateMotion",
                           "animateTransform",
                           "set",
                           "svg"})
    if (name == held) return Role::CannotHold;
  return Role::Unknown;
}

// A marked layer: a top-level group with a layer mode attribute, as editors mark them.
bool IsMarkedLayer(pugi::xml_node node) {
  if (std::strcmp(node.name(), "g") != 0) return false;
  for (pugi::xml_attribute a : node.attributes()) {
    const std::string_view name = a.name();
    const size_t colon = name.find(':');
    if (colon != std::string_view::npos && name.substr(colon + 1) == "groupmode" &&
        std::strcmp(a.value(), "layer") == 0)
      return true;
  }
  return false;
}

// The value of a namespaced attribute by its local name ("label" of any prefix).
const char* LocalAttribute(pugi::xml_node node, std::string_view local) {
  for (pugi::xml_attribute a : node.attributes()) {
    const std::string_view name = a.name();
    const size_t colon = name.find(':');
    if (colon != std::string_view::npos && name.substr(colon + 1) == local) return a.value();
  }
  return nullptr;
}

// The host's own attributes besides tags and state: the element is exact as the host wrote it.
bool HasOwnAttributes(pugi::xml_node node) {
  for (pugi::xml_attribute a : node.attributes()) {
    const std::string_view name = a.name();
    if (name.substr(0, 3) == "vm:" && name != "vm:state" && name.substr(0, std::strlen(kTagPrefix)) != kTagPrefix)
      return true;
  }
  return false;
}

std::string CharacterData(pugi::xml_node node) {
  std::string text;
  for (pugi::xml_node child : node.children())
    if (child.type() == pugi::node_pcdata || child.type() == pugi::node_cdata) text += child.value();
  return text;
}

RealMatrix Translation(double x, double y) { return RealMatrix{1, 0, 0, 1, x, y}; }

// The size of a NUL-ended text and where its first escape stands (at its end when none does).
size_t Measured(const char* text, char escape, const char** firstEscape) {
  const char* stop = strchrnul(text, escape);
  *firstEscape = stop;
  return *stop ? static_cast<size_t>(stop - text) + std::strlen(stop) : static_cast<size_t>(stop - text);
}

// A coded text into its room: copied as it stands when it holds no escape.
size_t Decoded(const char* text, size_t size, const char* firstEscape, char escape, char* room) {
  if (!*firstEscape) {
    std::memcpy(room, text, size);
    return size;
  }
  const size_t plain = static_cast<size_t>(firstEscape - text);
  std::memcpy(room, text, plain);
  const size_t rest = DecodeInto(std::string_view(firstEscape, size - plain), escape, room + plain);
  return rest == kBrokenCode ? kBrokenCode : plain + rest;
}

}  // namespace

// ---- faults and warnings ------------------------------------------------------------------

std::string SvgReader::Where(pugi::xml_node node) const {
  std::string where = source_;
  const ptrdiff_t offset = node.offset_debug();
  if (offset >= 0) where += ": line " + std::to_string(breaks_.LineOf(static_cast<size_t>(offset)));
  return where;
}

void SvgReader::Fail(pugi::xml_node node, const std::string& what) const {
  const char* id = node.attribute("id").value();
  throw SvgReadError{Where(node) + ": " + what + (*id ? std::string(" (id '") + id + "')" : std::string())};
}

void SvgReader::Warn(pugi::xml_node node, const std::string& what) {
  if (!warnings_) return;
  const char* id = node.attribute("id").value();
  warnings_->push_back(Where(node) + ": skipped <" + node.name() + ">" +
                       (*id ? std::string(" (id '") + id + "')" : std::string()) + ", " + what);
}

// A number that must fit the host's 16-bit fields.
int16_t SvgReader::Short(pugi::xml_node node, double v, const char* attr) const {
  if (!(v >= -32768 && v <= 32767)) Fail(node, std::string("bad ") + attr);
  return static_cast<int16_t>(v);
}

size_t MemoryBudget(const SvgReadOptions& options, size_t fileBytes) {
  if (options.memoryBudget > 0) return options.memoryBudget;
  const long pages = sysconf(_SC_PHYS_PAGES), pageSize = sysconf(_SC_PAGESIZE);
  const size_t half = pages > 0 && pageSize > 0 ? static_cast<size_t>(pages) / 2 * static_cast<size_t>(pageSize)
                                                : std::numeric_limits<size_t>::max();
  const size_t bySize = fileBytes > std::numeric_limits<size_t>::max() / 100 ? half : fileBytes * 100;
  return std::min(half, std::max(bySize, static_cast<size_t>(64) << 20));
}

void SvgReader::Spend(pugi::xml_node node, size_t bytes) {
  spent_ += bytes;
  if (spent_ > budget_)
    Fail(node, "the art it draws would take more than " + std::to_string(budget_ >> 20) + " MB of memory");
}

HostArt* SvgReader::NewArt(pugi::xml_node node, int16_t type) {
  Spend(node, sizeof(HostArt) + 64);  // and its place in the pools and lists
  return NewHostArt(doc_, type);
}

// ---- the file as a whole ------------------------------------------------------------------

// Elements by id (for use), the stylesheets, and a warning for each element the host cannot
// hold, in the order of the file. Iterative, so that no nesting runs out of stack.
void SvgReader::Index(pugi::xml_node root) {
  pugi::xml_node node = root.first_child();
  int depth = 1;
  while (node) {
    bool descend = false;
    if (node.type() == pugi::node_element) {
      if (const char* id = node.attribute("id").value(); *id) targets_.emplace(id, node);
      const Role role = RoleOf(node);
      if (std::strcmp(node.name(), "style") == 0) sheet_.AddRules(CharacterData(node));
      if (role == Role::CannotHold) Warn(node, "which the host cannot hold");
      if (role == Role::Unknown) Warn(node, "an element the host does not know");
      descend = (role == Role::Art || role == Role::Definitions || role == Role::TextPart) && depth < kMaxDepth;
    }
    if (descend && node.first_child()) {
      node = node.first_child();
      ++depth;
      continue;
    }
    while (node != root && !node.next_sibling()) {
      node = node.parent();
      --depth;
    }
    node = node == root ? pugi::xml_node() : node.next_sibling();
  }
}

// The root's page: document points per user unit from width, height and viewBox (px at 96 to
// the inch, or at 72 when the file counts so; a percentage, or no size, takes the viewBox as it
// is). The viewBox's origin is kept as the document's, so art the host wrote and art added by an
// editor stay together.
RealMatrix SvgReader::RootMatrix(pugi::xml_node svg) {
  const double pixelsPerInch = options_.pixelsPerInch, pointsPerPixel = 72 / pixelsPerInch;
  auto extent = [&](const char* name) -> double {
    const std::string_view text = svg.attribute(name).value();
    if (text.empty() || text == "auto" || text.back() == '%') return NAN;
    double points;
    if (!ReadLength(text, NAN, &points, 72, pixelsPerInch) || !(points > 0)) Fail(svg, std::string("bad ") + name);
    return points;
  };
  const double width = extent("width"), height = extent("height");
  double sx = pointsPerPixel, sy = pointsPerPixel;
  viewport_ = SvgViewport{std::isnan(width) ? 0 : width / pointsPerPixel,
                          std::isnan(height) ? 0 : height / pointsPerPixel, pixelsPerInch};
  // The part of the document the sheet shows, in points with y down.
  double page[4] = {0, 0, width, height};
  if (pugi::xml_attribute box = svg.attribute("viewBox")) {
    SvgScanner scan(box.value());
    double v[4];
    int n = 0;
    while (n < 4 && scan.NextNumber(&v[n])) ++n;
    scan.SkipSeparators();
    if (n != 4 || !scan.AtEnd() || !(v[2] > 0) || !(v[3] > 0)) Fail(svg, "bad viewBox");
    viewport_ = SvgViewport{v[2], v[3], pixelsPerInch};
    if (!std::isnan(width)) sx = width / v[2];
    if (!std::isnan(height)) sy = height / v[3];
    const std::vector<std::string_view> fit = Words(svg.attribute("preserveAspectRatio").value());
    std::string_view align = fit.empty() ? "xMidYMid" : fit[0];
    if (align != "none") {
      const bool slice = fit.size() > 1 && fit[1] == "slice";
      sx = sy = slice ? std::max(sx, sy) : std::min(sx, sy);
    } else {
      align = "xMinYMin";  // the viewBox fills the sheet
    }
    if (!std::isfinite(sx) || !std::isfinite(sy) || !(sx > 0) || !(sy > 0)) Fail(svg, "bad viewBox");
    if (std::isnan(page[2])) page[2] = v[2] * sx;
    if (std::isnan(page[3])) page[3] = v[3] * sy;
    // Where the viewBox stands on the sheet, as preserveAspectRatio aligns it.
    auto share = [&](size_t at) {
      const std::string_view word = align.size() >= at + 4 ? align.substr(at + 1, 3) : "Mid";
      return word == "Min" ? 0.0 : word == "Max" ? 1.0 : 0.5;
    };
    page[0] = sx * v[0] - (page[2] - sx * v[2]) * share(0);
    page[1] = sy * v[1] - (page[3] - sy * v[3]) * share(4);
  }
  // The host's own files are drawn in points, whatever their page says: it was written without a
  // unit before it carried one. Their page is the drawing's bounds unless they keep a sheet.
  bool own = false;
  for (pugi::xml_attribute a : svg.attributes())
    if (std::string_view(a.name()).substr(0, 6) == "xmlns:" && std::strcmp(a.value(), kVmNamespace) == 0) own = true;
  if (own) {
    sx = sy = 1;
    doc_->pixelsPerInch = 0;
    if (svg.attribute("vm:page").as_int() != 1) return RealMatrix{sx, 0, 0, -sy, 0, 0};
    std::vector<double> box;
    if (!ParseNums(svg.attribute("viewBox").value(), box) || box.size() != 4) Fail(svg, "bad vm:page");
    page[0] = box[0];
    page[1] = box[1];
    page[2] = box[2];
    page[3] = box[3];
  } else {
    doc_->pixelsPerInch = pixelsPerInch;
  }
  if (!std::isnan(page[2]) && !std::isnan(page[3])) KeepPage(svg, own, page);
  return RealMatrix{sx, 0, 0, -sy, 0, 0};
}

// The sheet is written as the file gave it: its width and height in the file's own unit (px,
// which viewers count at 96 to the inch, as points), and the part of the document it shows.
void SvgReader::KeepPage(pugi::xml_node svg, bool own, const double page[4]) {
  for (int i = 0; i < 4; ++i)
    if (!std::isfinite(page[i])) return;
  auto written = [&](const char* name, double points) {
    std::string text(svg.attribute(name).value());
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
    text.erase(0, text.find_first_not_of(" \t\r\n"));
    const std::string unit = text.size() >= 2 ? text.substr(text.size() - 2) : "";
    for (const char* kept : {"pt", "pc", "mm", "cm", "in"})
      if (unit == kept) return text;
    return Num(points) + "pt";
  };
  DocumentPage& p = doc_->page;
  p.kept = true;
  p.width = own ? svg.attribute("width").value() : written("width", page[2]);
  p.height = own ? svg.attribute("height").value() : written("height", page[3]);
  p.x = page[0];
  p.y = page[1];
  p.w = page[2];
  p.h = page[3];
}

SvgReader::Gathered SvgReader::Gather(pugi::xml_node node) {
  Gathered own;
  for (pugi::xml_attribute a = node.first_attribute(); a; a = a.next_attribute()) {
    const char* name = a.name();
    if (IsTagName(name))
      own.tags.push_back(Gathered::TagText{name, a.value()});
    else
      own.plain.push_back(a);
  }
  return own;
}

pugi::xml_attribute SvgReader::Gathered::Find(const char* name) const {
  for (pugi::xml_attribute a : plain)
    if (std::strcmp(a.name(), name) == 0) return a;
  return pugi::xml_attribute();
}

RealMatrix SvgReader::ElementMatrix(pugi::xml_node node, const RealMatrix& parent) const {
  return ElementMatrix(node, node.attribute("transform"), parent);
}

RealMatrix SvgReader::ElementMatrix(pugi::xml_node node, pugi::xml_attribute a, const RealMatrix& parent) const {
  if (!a) return parent;
  RealMatrix own;
  if (!ReadTransform(a.value(), &own)) Fail(node, "bad transform");
  return MultiplyMatrix(own, parent);
}

void SvgReader::ReadRoot(pugi::xml_node svg) {
  if (std::strcmp(svg.name(), "svg") != 0) Fail(svg, "the root element is not <svg>");
  double zoom = 1;
  if (auto a = svg.attribute("vm:zoom"); a && !ParseNum(a.value(), zoom)) Fail(svg, "bad vm:zoom");
  doc_->view.zoom = zoom;
  std::vector<double> center;
  if (auto a = svg.attribute("vm:center")) {
    if (!ParseNums(a.value(), center) || center.size() != 2) Fail(svg, "bad vm:center");
    doc_->view.center = RealPoint{center[0], center[1]};
  }
  Index(svg);
  SvgStyle initial;
  initial.pixelsPerInch = options_.pixelsPerInch;
  const Context root{nullptr, ElementMatrix(svg, RootMatrix(svg)), ComputeStyle(initial, svg, sheet_), false};
  HostLayer* loose = nullptr;  // for art outside any layer
  Placed looseArt;
  HostLayer* current = nullptr;
  for (pugi::xml_node child : svg.children()) {
    if (child.type() != pugi::node_element) continue;
    if (std::strcmp(child.attribute("vm:type").value(), "layer") == 0) {
      HostLayer* layer = ReadOwnLayer(child, root);
      if (child.attribute("vm:current").as_int() == 1) current = layer;
    } else if (IsMarkedLayer(child)) {
      ReadMarkedLayer(child, root);
    } else if (RoleOf(child) == Role::Art) {
      if (!loose) loose = NewHostLayer(doc_, u"Layer 1", 0);
      if (HostArt* art = ReadElement(child, Context{loose->group, root.ctm, root.style, false}))
        looseArt.emplace_back(child, art);
    }
  }
  if (loose) PlaceAll(looseArt, loose->group);
  if (doc_->d.layers.empty()) NewHostLayer(doc_, u"Layer 1", 0);
  doc_->d.current = current ? current : doc_->d.layers.front();
  GiveArtIds(doc_);
}

// ---- layers, groups and use ---------------------------------------------------------------

HostLayer* SvgReader::ReadOwnLayer(pugi::xml_node node, const Context& root) {
  HostLayer* layer = NewHostLayer(doc_, FromUtf8(node.attribute("vm:title").value()), 0);
  layer->d.visible = node.attribute("vm:visible").as_int(1) != 0;
  layer->d.editable = node.attribute("vm:editable").as_int(1) != 0;
  if (auto c = node.attribute("vm:color")) {
    unsigned r, g, b;
    if (std::sscanf(c.value(), "%4x %4x %4x", &r, &g, &b) != 3) Fail(node, "bad vm:color");
    layer->d.color = RGBColor16{static_cast<uint16_t>(r), static_cast<uint16_t>(g), static_cast<uint16_t>(b)};
  }
  const Gathered own = Gather(node);
  ReadCommon(node, own, layer->group, false);
  ReadChildren(node, Context{layer->group, root.ctm, ComputeStyle(root.style, node, own.plain, sheet_), false});
  return layer;
}

// A marked layer takes its label as its title; hidden by display:none.
void SvgReader::ReadMarkedLayer(pugi::xml_node node, const Context& root) {
  const char* label = LocalAttribute(node, "label");
  const char* id = node.attribute("id").value();
  HostLayer* layer = NewHostLayer(doc_, FromUtf8(label ? label : *id ? id : "Layer"), 0);
  const Gathered own = Gather(node);
  const SvgStyle style = ComputeStyle(root.style, node, own.plain, sheet_);
  layer->d.visible = !style.hidden;
  ReadCommon(node, own, layer->group, false);
  ReadChildren(node, Context{layer->group, ElementMatrix(node, own.Find("transform"), root.ctm), style, false});
}

void SvgReader::ReadChildren(pugi::xml_node node, const Context& context) {
  // Far deeper than any drawing, and well within the stack of every walk over the tree.
  if (++depth_ > kMaxDepth) Fail(node, "groups nested more than " + std::to_string(kMaxDepth) + " deep");
  Placed placed;
  for (pugi::xml_node child : node.children()) {
    if (child.type() != pugi::node_element || RoleOf(child) != Role::Art) continue;
    if (std::strcmp(child.attribute("vm:type").value(), "layer") == 0) Fail(child, "a layer inside art");
    if (HostArt* art = ReadElement(child, context)) placed.emplace_back(child, art);
  }
  PlaceAll(placed, context.parent);
  --depth_;
}

// Later elements paint on top: the last read goes first among the children.
void SvgReader::PlaceAll(const Placed& placed, HostArt* parent) {
  for (auto it = placed.rbegin(); it != placed.rend(); ++it)
    if (LinkArt(it->second, kPlaceInsideOnBottom, parent) != kNoErr)
      Fail(it->first, "this art cannot stand inside its parent");
}

HostArt* SvgReader::ReadElement(pugi::xml_node node, const Context& context) {
  const std::string_view name = node.name();
  if (name == "use") return ReadUse(node, context);
  const Gathered own = Gather(node);
  const SvgStyle style = ComputeStyle(context.style, node, own.plain, sheet_);
  const RealMatrix ctm = ElementMatrix(node, own.Find("transform"), context.ctm);
  const std::string_view type = own.Find("vm:type").value();
  HostArt* art;
  if (name == "path" || IsBasicShape(name)) {
    art = ReadPath(node, ctm, style);
  } else if (name == "text" && HasOwnAttributes(node)) {
    art = NewArt(node, kTextFrameArt);
    ReadOwnText(node, art);
  } else if (name == "text") {
    art = ReadText(node, ctm, style);
  } else if (type == "compound") {
    art = NewArt(node, kCompoundPathArt);
    if (node.attribute("vm:style")) art->d.style = OwnStyle(node);
  } else if (type == "other") {
    int artType = node.attribute("vm:art-type").as_int(kOtherArt);
    if (artType != kPlacedArt && artType != kOtherArt) Fail(node, "bad vm:art-type");
    art = NewArt(node, static_cast<int16_t>(artType));
  } else if (type.empty() || type == "group") {
    art = NewArt(node, kGroupArt);
  } else {
    Fail(node, "unknown vm:type '" + std::string(type) + "'");
  }
  if (!art) return nullptr;
  // Held again by every copy a use draws.
  if (art->d.type == kTextFrameArt) Spend(node, art->d.text.text.size() * sizeof(char16_t));
  art->d.clipped = own.Find("vm:clipped").as_int() == 1;
  ReadCommon(node, own, art, context.copy);
  if (style.hidden) art->d.attrs |= kArtHidden;
  if (art->d.type == kGroupArt || (art->d.type == kCompoundPathArt && art->d.children.empty()))
    ReadChildren(node, Context{art, ctm, style, context.copy});
  return art;
}

// A use draws its element again, moved by x and y after its own transform; the copy takes the
// use's id, never the original's.
HostArt* SvgReader::ReadUse(pugi::xml_node node, const Context& context) {
  const char* href = node.attribute("href").value();
  if (!*href) href = LocalAttribute(node, "href");
  const auto target = href && *href == '#' ? targets_.find(std::string_view(href + 1)) : targets_.end();
  if (target == targets_.end()) {
    Warn(node, std::string("whose element '") + (href ? href : "") + "' is not in the file");
    return nullptr;
  }
  const pugi::xml_node element = target->second;
  const Role role = RoleOf(element);
  if (role != Role::Art && std::strcmp(element.name(), "symbol") != 0) return nullptr;
  if (std::find(activeUses_.begin(), activeUses_.end(), node) != activeUses_.end())
    Fail(node, "a use that draws itself");
  if (++depth_ > kMaxDepth) Fail(node, "uses nested more than " + std::to_string(kMaxDepth) + " deep");
  activeUses_.push_back(node);
  const SvgStyle style = ComputeStyle(context.style, node, sheet_);
  double x = 0, y = 0;
  const double ppi = viewport_.pixelsPerInch;
  if (!ReadLength(node.attribute("x").as_string("0"), viewport_.width, &x, ppi, ppi) ||
      !ReadLength(node.attribute("y").as_string("0"), viewport_.height, &y, ppi, ppi))
    Fail(node, "bad x or y");
  const RealMatrix ctm = MultiplyMatrix(Translation(x, y), ElementMatrix(node, context.ctm));
  HostArt* art;
  if (role == Role::Art) {
    art = ReadElement(element, Context{context.parent, ctm, style, true});
  } else {
    art = NewArt(element, kGroupArt);
    ReadChildren(element, Context{art, ctm, ComputeStyle(style, element, sheet_), true});
  }
  activeUses_.pop_back();
  --depth_;
  if (!art) return nullptr;
  const std::string id = node.attribute("id").value();
  if (!context.copy && !id.empty() && takenIds_.insert(id).second) art->d.id = id;
  if (style.hidden) art->d.attrs |= kArtHidden;
  return art;
}

void SvgReader::ReadCommon(pugi::xml_node node, const Gathered& own, HostArt* art, bool copy) {
  std::string id = own.Find("id").value();
  if (!copy && !id.empty() && takenIds_.insert(id).second) art->d.id = id;  // a repeated id is renewed
  for (std::string_view w : Words(own.Find("vm:state").value())) {
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
  if (art->d.attrs & kArtSelected) std::fill(art->d.segmentSelected.begin(), art->d.segmentSelected.end(), 1);
  if (own.tags.empty()) return;
  // The tags are made in the file's order, which is the order their faults are told in, and
  // added all at once.
  TagList& held = art->d.tags;
  std::vector<TagRef> made;
  made.reserve(own.tags.size());
  NamesMet names(own.tags.size());
  size_t waiting = SIZE_MAX;  // the tag whose name is yet to be looked up
  uint32_t waitingHash = 0;
  const auto lookUp = [&] {
    if (waiting == SIZE_MAX) return;
    const std::string_view name = made[waiting]->name();
    if ((held.size() > 0 && held.Find(name)) || names.Twice(made, waiting, waitingHash))
      Fail(node, "tag '" + std::string(name) + "' given twice");
    waiting = SIZE_MAX;
  };
  std::string bad;
  size_t tagBytes = 0;
  const size_t prefix = std::strlen(kTagPrefix);
  for (const Gathered::TagText& coded : own.tags) {
    const char* key = coded.name + prefix;
    const char *keyEscape, *valueEscape;
    const size_t keySize = Measured(key, '-', &keyEscape), valueSize = Measured(coded.value, '%', &valueEscape);
    tagBytes += keySize + valueSize + 64;  // and the tag's header and its place in the list
    TagRef tag = TagRef::MakeInPlace(keySize + valueSize + 2, &tagArena_, [&](char* room, size_t* n, size_t* v) {
      *n = Decoded(key, keySize, keyEscape, '-', room);
      if (*n == kBrokenCode || *n == 0 || *n > UINT32_MAX) {
        bad = std::string("bad tag name '") + coded.name + "'";
        return false;
      }
      room[*n] = '\0';
      char* valueRoom = room + *n + 1;
      *v = Decoded(coded.value, valueSize, valueEscape, '%', valueRoom);
      if (*v == kBrokenCode) {
        bad = "bad value of tag '" + std::string(room, *n) + "'";
        return false;
      }
      valueRoom[*v] = '\0';
      return true;
    });
    if (!tag) {
      lookUp();
      Fail(node, bad);
    }
    made.push_back(std::move(tag));
    // Each name is looked up while the next tag is made: its slot comes from memory meanwhile.
    const uint32_t hash = NamesMet::QuickHash(made.back()->name());
    names.Prefetch(hash);
    lookUp();
    waiting = made.size() - 1;
    waitingHash = hash;
  }
  lookUp();
  held.AppendNew(made);
  // Held again by every copy a use draws.
  Spend(node, tagBytes);
}

// ---- entry points -------------------------------------------------------------------------

namespace {

// `check` has seen the bytes as they were read, or none of them.
HostDocument* ReadBytes(const std::string& path, ParserBytes bytes, DocumentTextCheck& check, const LineBreaks& breaks,
                        std::string* error, std::vector<std::string>* warnings, const SvgReadOptions& options) {
  std::string why;
  size_t badLine = 0;
  if (!check.Finish(&bytes, &badLine, &why)) {
    if (error) *error = path + ": line " + std::to_string(badLine) + ": " + why;
    return nullptr;
  }
  // Parsed where it lies, in memory the parser takes over: lines are named from the breaks
  // found before.
  const size_t size = bytes.size();
  pugi::xml_document xml;
  pugi::xml_parse_result parsed = xml.load_buffer_inplace_own(bytes.Release(), size,
                                                              pugi::parse_default | pugi::parse_ws_pcdata,
                                                              pugi::encoding_utf8);
  if (!parsed) {
    const size_t line =
        parsed.status == pugi::status_out_of_memory ? 1 : breaks.LineOf(static_cast<size_t>(parsed.offset));
    if (error) *error = path + ": line " + std::to_string(line) + ": not well-formed XML: " + parsed.description();
    return nullptr;
  }
  HostDocument* previous = gHost.current;
  HostDocument* doc = NewHostDocument(path.substr(path.find_last_of('/') + 1));
  std::vector<std::string> seen;
  try {
    SvgReader(doc, path, size, breaks, &seen, options).ReadRoot(xml.document_element());
  } catch (const SvgReadError& e) {
    CloseHostDocument(doc);
    gHost.current = previous;
    if (error) *error = e.message;
    return nullptr;
  }
  if (warnings) *warnings = std::move(seen);
  return doc;
}

}  // namespace

HostDocument* ReadSvgText(const std::string& path, const std::string& text, std::string* error,
                          std::vector<std::string>* warnings, const SvgReadOptions& options) {
  ParserBytes bytes;
  if (!bytes.Assign(text)) {
    if (error) *error = path + ": not enough memory to read it";
    return nullptr;
  }
  LineBreaks breaks;
  DocumentTextCheck check(&breaks);
  return ReadBytes(path, std::move(bytes), check, breaks, error, warnings, options);
}

HostDocument* ReadSvgDocument(const std::string& path, std::string* error, std::vector<std::string>* warnings,
                              const SvgReadOptions& options) {
  FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) {
    if (error) *error = path + ": cannot be opened";
    return nullptr;
  }
  ParserBytes bytes;
  LineBreaks breaks;
  DocumentTextCheck check(&breaks);
  std::string why;
  // Reading stops at the first fault: an endless input ends there.
  const bool read = bytes.ReadFile(f, &why, [&](std::string_view sofar) { return check.Read(sofar); });
  std::fclose(f);
  if (!read) {
    if (error) *error = path + ": " + why;
    return nullptr;
  }
  return ReadBytes(path, std::move(bytes), check, breaks, error, warnings, options);
}
