#include "svg_style.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <iterator>

#include "host_suites.h"
#include "svg_numbers.h"
#include "svg_transform.h"

namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
  while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
  return s;
}

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string WithoutComments(std::string_view css) {
  std::string out;
  for (size_t i = 0; i < css.size(); ++i) {
    if (css.compare(i, 2, "/*") == 0) {
      const size_t end = css.find("*/", i + 2);
      if (end == std::string_view::npos) break;
      i = end + 1;
      continue;
    }
    out += css[i];
  }
  return out;
}

bool IsNameChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_'; }

HostColor FromRgb(double r, double g, double b) {
  r = std::clamp(r, 0.0, 1.0);
  g = std::clamp(g, 0.0, 1.0);
  b = std::clamp(b, 0.0, 1.0);
  if (r == g && g == b) return HostColor{ColorKind::Gray, 1 - r, 0, 0, 0, 0};
  const double k = 1 - std::max({r, g, b});
  return HostColor{ColorKind::Process, 0, (1 - r - k) / (1 - k), (1 - g - k) / (1 - k), (1 - b - k) / (1 - k), k};
}

bool HexColor(std::string_view hex, HostColor* out) {
  int v[8];
  if (hex.size() > 8) return false;
  for (size_t i = 0; i < hex.size(); ++i) {
    const char c = static_cast<char>(std::tolower(static_cast<unsigned char>(hex[i])));
    if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    v[i] = c <= '9' ? c - '0' : c - 'a' + 10;
  }
  if (hex.size() == 3 || hex.size() == 4) {
    *out = FromRgb(v[0] / 15.0, v[1] / 15.0, v[2] / 15.0);
    return true;
  }
  if (hex.size() == 6 || hex.size() == 8) {
    *out = FromRgb((v[0] * 16 + v[1]) / 255.0, (v[2] * 16 + v[3]) / 255.0, (v[4] * 16 + v[5]) / 255.0);
    return true;
  }
  return false;
}

bool FunctionColor(std::string_view args, HostColor* out) {
  double c[3];
  std::vector<std::string_view> parts = Split(args, ',');
  if (parts.size() < 3 || parts.size() > 4) return false;
  for (int i = 0; i < 3; ++i) {
    std::string_view p = Trim(parts[static_cast<size_t>(i)]);
    const bool percent = !p.empty() && p.back() == '%';
    if (percent) p.remove_suffix(1);
    if (!ParseNum(p, c[i])) return false;
    c[i] /= percent ? 100 : 255;
  }
  *out = FromRgb(c[0], c[1], c[2]);
  return true;
}

struct NamedColor {
  const char* name;
  int r, g, b;
};
constexpr NamedColor kNamedColors[] = {
    {"black", 0, 0, 0},          {"white", 255, 255, 255},     {"red", 255, 0, 0},
    {"lime", 0, 255, 0},         {"green", 0, 128, 0},         {"blue", 0, 0, 255},
    {"yellow", 255, 255, 0},     {"cyan", 0, 255, 255},        {"aqua", 0, 255, 255},
    {"magenta", 255, 0, 255},    {"fuchsia", 255, 0, 255},     {"gray", 128, 128, 128},
    {"grey", 128, 128, 128},     {"silver", 192, 192, 192},    {"maroon", 128, 0, 0},
    {"olive", 128, 128, 0},      {"navy", 0, 0, 128},          {"purple", 128, 0, 128},
    {"teal", 0, 128, 128},       {"orange", 255, 165, 0},      {"darkgray", 169, 169, 169},
    {"darkgrey", 169, 169, 169}, {"lightgray", 211, 211, 211}, {"lightgrey", 211, 211, 211},
};

// A length of the font: pixels, units, a percentage or em of the parent's size.
bool FontSize(std::string_view text, double parent, double pixelsPerInch, double* out) {
  if (text.size() > 2 && text.substr(text.size() - 2) == "em") {
    double v;
    if (!ParseNum(Trim(text.substr(0, text.size() - 2)), v)) return false;
    *out = v * parent;
    return *out > 0 && std::isfinite(*out);
  }
  return ReadLength(text, parent, out, pixelsPerInch, pixelsPerInch) && *out > 0;
}

// A fill or stroke onto its flag and colour; what is not a colour is passed over.
void ApplyPaint(bool& painted, HostColor& color, bool parentPainted, const HostColor& parentColor,
                std::string_view value) {
  if (value == "inherit") {
    painted = parentPainted;
    color = parentColor;
    return;
  }
  HostColor c;
  bool paints;
  if (!ReadColor(value, &c, &paints) && paints) return;
  painted = paints;
  if (paints) color = c;
}

// One declaration onto the style; values that cannot be read are passed over, as CSS does.
void Apply(SvgStyle& s, const SvgStyle& parent, const std::string& name, std::string_view value) {
  value = Trim(value);
  const bool inherit = value == "inherit";
  if (name == "fill") {
    ApplyPaint(s.fill, s.fillColor, parent.fill, parent.fillColor, value);
  } else if (name == "stroke") {
    ApplyPaint(s.stroke, s.strokeColor, parent.stroke, parent.strokeColor, value);
  } else if (name == "stroke-width") {
    double w;
    if (inherit)
      s.strokeWidth = parent.strokeWidth;
    else if (ReadLength(value, NAN, &w, s.pixelsPerInch, s.pixelsPerInch) && w >= 0)
      s.strokeWidth = w;
  } else if (name == "font-size") {
    double size;
    if (inherit)
      s.fontSize = parent.fontSize;
    else if (FontSize(value, parent.fontSize, s.pixelsPerInch, &size))
      s.fontSize = size;
  } else if (name == "font-family") {
    std::string_view first = Trim(Split(value, ',')[0]);
    if (first.size() >= 2 && (first.front() == '\'' || first.front() == '"') && first.back() == first.front())
      first = first.substr(1, first.size() - 2);
    s.fontFamily = inherit ? parent.fontFamily : std::string(first);
  } else if (name == "text-anchor") {
    if (inherit) s.justification = parent.justification;
    if (value == "start") s.justification = kJustifyLeft;
    if (value == "middle") s.justification = kJustifyCenter;
    if (value == "end") s.justification = kJustifyRight;
  } else if (name == "display") {
    s.hidden = value == "none";
  }
}

}  // namespace

bool ReadColor(std::string_view text, HostColor* out, bool* painted) {
  text = Trim(text);
  *painted = true;
  if (text.substr(0, 4) == "url(") {
    const size_t close = text.find(')');
    std::string_view fallback = close == std::string_view::npos ? "" : Trim(text.substr(close + 1));
    if (fallback == "none") {
      *painted = false;
      return false;
    }
    if (!fallback.empty() && ReadColor(fallback, out, painted)) return true;
    *painted = true;
    *out = HostColor{ColorKind::Gray, 0.5, 0, 0, 0, 0};
    return true;
  }
  const std::string lower = Lower(text);
  if (lower == "none" || lower == "transparent") {
    *painted = false;
    return false;
  }
  if (!lower.empty() && lower[0] == '#') return HexColor(std::string_view(lower).substr(1), out);
  for (const char* f : {"rgb(", "rgba("}) {
    const size_t n = std::strlen(f);
    if (lower.compare(0, n, f) == 0 && lower.back() == ')')
      return FunctionColor(std::string_view(lower).substr(n, lower.size() - n - 1), out);
  }
  for (const NamedColor& c : kNamedColors) {
    if (lower != c.name) continue;
    *out = FromRgb(c.r / 255.0, c.g / 255.0, c.b / 255.0);
    return true;
  }
  // Any other colour word (currentColor, the long tail of names) paints: the outline matters more than its hue.
  if (!lower.empty() &&
      std::all_of(lower.begin(), lower.end(), [](char c) { return std::isalpha(static_cast<unsigned char>(c)); })) {
    *out = HostColor{ColorKind::Gray, 1, 0, 0, 0, 0};
    return true;
  }
  return false;
}

CssDeclarations ReadDeclarations(std::string_view text) {
  CssDeclarations out;
  for (std::string_view part : Split(text, ';')) {
    const size_t colon = part.find(':');
    if (colon == std::string_view::npos) continue;
    std::string_view name = Trim(part.substr(0, colon)), value = Trim(part.substr(colon + 1));
    const size_t important = value.find("!important");
    if (important != std::string_view::npos) value = Trim(value.substr(0, important));
    if (!name.empty()) out.emplace_back(Lower(name), std::string(value));
  }
  return out;
}

void SvgStylesheet::AddRules(std::string_view text) {
  const std::string css = WithoutComments(text);
  size_t i = 0;
  while (i < css.size()) {
    const size_t open = css.find_first_of("{;", i);
    if (open == std::string::npos) break;
    const std::string_view prelude = Trim(std::string_view(css).substr(i, open - i));
    if (css[open] == ';') {  // an at-rule without a block
      i = open + 1;
      continue;
    }
    size_t close = open + 1;
    for (int depth = 1; close < css.size(); ++close) {
      if (css[close] == '{') ++depth;
      if (css[close] == '}' && --depth == 0) break;
    }
    const std::string_view body = std::string_view(css).substr(open + 1, close - open - 1);
    i = close + 1;
    if (!prelude.empty() && prelude[0] == '@') continue;
    const CssDeclarations declarations = ReadDeclarations(body);
    for (std::string_view selector : Split(prelude, ',')) {
      selector = Trim(selector);
      Rule rule{"", {}, 0, declarations};
      size_t k = 0;
      while (k < selector.size() && IsNameChar(selector[k])) rule.element += selector[k++];
      bool simple = !selector.empty();
      while (simple && k < selector.size()) {
        if (selector[k++] != '.') {
          simple = false;
          break;
        }
        std::string name;
        while (k < selector.size() && IsNameChar(selector[k])) name += selector[k++];
        simple = !name.empty();
        rule.classes.push_back(name);
      }
      if (!simple) continue;
      rule.weight = static_cast<int>(rule.classes.size()) * 10 + (rule.element.empty() ? 0 : 1);
      (rule.classes.empty() ? byElement_[rule.element] : byClass_[rule.classes.front()]).push_back(rules_.size());
      rules_.push_back(std::move(rule));
    }
  }
}

CssDeclarations SvgStylesheet::For(std::string_view element, std::string_view classes) const {
  if (rules_.empty()) return {};
  const std::vector<std::string_view> own = Words(classes);
  std::vector<size_t> candidates;
  auto take = [&](const auto& index, std::string_view key) {
    const auto found = index.find(std::string(key));
    if (found != index.end()) candidates.insert(candidates.end(), found->second.begin(), found->second.end());
  };
  take(byElement_, element);
  for (std::string_view c : own) take(byClass_, c);
  // By weight, then in the order of the sheet; a class written twice on the element meets its rules once.
  std::sort(candidates.begin(), candidates.end());
  candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());
  std::vector<const Rule*> matched;
  for (size_t i : candidates) {
    const Rule& rule = rules_[i];
    if (!rule.element.empty() && rule.element != element) continue;
    bool all = true;
    for (const std::string& c : rule.classes) all = all && std::find(own.begin(), own.end(), c) != own.end();
    if (all) matched.push_back(&rule);
  }
  std::stable_sort(matched.begin(), matched.end(), [](const Rule* a, const Rule* b) { return a->weight < b->weight; });
  CssDeclarations out;
  for (const Rule* rule : matched) out.insert(out.end(), rule->declarations.begin(), rule->declarations.end());
  return out;
}

namespace {

template <typename Attributes>
SvgStyle StyleOf(const SvgStyle& parent, pugi::xml_node node, const Attributes& attributes, const SvgStylesheet& sheet) {
  SvgStyle s = parent;
  s.hidden = false;
  // One walk over the attributes, past our own at once: an element may carry thousands of tags.
  constexpr const char* kPresentation[] = {"fill",      "stroke",      "stroke-width", "font-size",
                                           "font-family", "text-anchor", "display"};
  constexpr size_t kCount = std::size(kPresentation);
  const char* given[kCount + 2] = {};  // then class and style; the first of each name counts
  for (pugi::xml_attribute a : attributes) {
    const char* name = a.name();
    if (std::strncmp(name, "vm:", 3) == 0) continue;
    for (size_t i = 0; i < kCount + 2; ++i) {
      const char* wanted = i < kCount ? kPresentation[i] : i == kCount ? "class" : "style";
      if (!given[i] && std::strcmp(name, wanted) == 0) given[i] = a.value();
    }
  }
  const char* classes = given[kCount] ? given[kCount] : "";
  const char* style = given[kCount + 1] ? given[kCount + 1] : "";
  for (size_t i = 0; i < kCount; ++i)
    if (given[i]) Apply(s, parent, kPresentation[i], given[i]);
  for (const auto& [name, value] : sheet.For(node.name(), classes)) Apply(s, parent, name, value);
  for (const auto& [name, value] : ReadDeclarations(style)) Apply(s, parent, name, value);
  return s;
}

}  // namespace

SvgStyle ComputeStyle(const SvgStyle& parent, pugi::xml_node node, const SvgStylesheet& sheet) {
  return StyleOf(parent, node, node.attributes(), sheet);
}

SvgStyle ComputeStyle(const SvgStyle& parent, pugi::xml_node node, const std::vector<pugi::xml_attribute>& attributes,
                      const SvgStylesheet& sheet) {
  return StyleOf(parent, node, attributes, sheet);
}
