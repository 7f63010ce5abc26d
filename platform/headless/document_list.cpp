#include "document_list.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "host/host_driver.h"
#include "win/win_driver.h"

namespace headless {

namespace {

constexpr double kPointsPerMillimetre = 2.834645669291339;

const char* KindOf(const HostArt* art) {
  switch (art->d.type) {
    case kPathArt:
      return "path";
    case kCompoundPathArt:
      return "compound";
    case kGroupArt:
      return "group";
    case kTextFrameArt:
      return "text";
    case kPlacedArt:
      return "placed";
    default:
      return "other";
  }
}

size_t AnchorsOf(HostArt* art) {
  size_t anchors = 0;
  ForEachArt(art, [&](HostArt* a) { anchors += a->d.type == kPathArt ? a->d.segments.size() : 0; });
  return anchors;
}

std::string Millimetres(double points) {
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", points / kPointsPerMillimetre + 0.0);
  return text;
}

}  // namespace

std::string PageSummary(const HostDocument* doc) {
  const std::string units = doc->pixelsPerInch == 0 ? "in points (a file of this host)"
                            : doc->pixelsPerInch == 72 ? "px read as 1/72 inch (a point)"
                                                       : "px read as 1/96 inch";
  if (!doc->page.kept) return "page: the drawing's bounds, " + units;
  return "page " + Millimetres(doc->page.w) + " x " + Millimetres(doc->page.h) + " mm, " + units;
}

void ListArts(HostDocument* doc, std::ostream& out) {
  out << PageSummary(doc) << "\n";
  std::vector<std::vector<std::string>> rows{{"ID", "KIND", "LAYER", "ANCHORS", "LEFT", "BOTTOM", "RIGHT", "TOP (mm)"}};
  for (HostLayer* layer : doc->d.layers) {
    const std::string title = std::string("\"").append(ToUtf8(layer->d.title)).append("\"");
    std::vector<std::pair<HostArt*, int>> todo;  // depth first, the topmost first
    for (auto it = layer->group->d.children.rbegin(); it != layer->group->d.children.rend(); ++it)
      todo.emplace_back(*it, 0);
    while (!todo.empty()) {
      auto [art, depth] = todo.back();
      todo.pop_back();
      bool empty = true;
      const RealRect b = ArtBounds(art, false, &empty);
      std::vector<std::string> row{std::string(2 * static_cast<size_t>(depth), ' ') + art->d.id, KindOf(art), title,
                                   std::to_string(AnchorsOf(art))};
      for (double v : {b.left, b.bottom, b.right, b.top}) row.push_back(empty ? "-" : Millimetres(v));
      rows.push_back(row);
      if (art->d.type != kCompoundPathArt)
        for (auto it = art->d.children.rbegin(); it != art->d.children.rend(); ++it) todo.emplace_back(*it, depth + 1);
    }
  }
  std::vector<size_t> width(rows[0].size(), 0);
  for (const auto& row : rows)
    for (size_t i = 0; i < row.size(); ++i) width[i] = std::max(width[i], row[i].size());
  for (const auto& row : rows) {
    std::string line;
    for (size_t i = 0; i < row.size(); ++i) {
      const std::string pad(width[i] - row[i].size(), ' ');
      // Words to the left, numbers to the right.
      line += i < 3 ? row[i] + pad : pad + row[i];
      if (i + 1 < row.size()) line += "  ";
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << "\n";
  }
}

int ListDocument(const std::string& path, const SvgReadOptions& read, std::ostream& out, std::ostream& err) {
  vmhost::ResetHost();
  std::string why;
  std::vector<std::string> warnings;
  DocumentHandle doc = vmhost::OpenDocument(path, &why, &warnings, read);
  for (const std::string& w : warnings) err << w << "\n";
  if (doc == nullptr) {
    err << "vestamark-host: " << why << "\n";
    return 1;
  }
  ListArts(doc, out);
  vmhost::ResetHost();
  vmwin::ResetWindowsLayer();
  return 0;
}

}  // namespace headless
