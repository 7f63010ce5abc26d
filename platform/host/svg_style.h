// The paint and text properties the host keeps (fill, stroke, stroke width,
// font, text anchor, display), as SVG's cascade gives them: presentation
// attributes, then the stylesheet's element and class rules, then style="".
#pragma once

#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host_types.h"

struct SvgStyle {
  bool fill = true;
  HostColor fillColor{ColorKind::Gray, 1, 0, 0, 0, 0};
  bool stroke = false;
  HostColor strokeColor{ColorKind::Gray, 1, 0, 0, 0, 0};
  double strokeWidth = 1;  // in the element's user units
  double fontSize = 16;    // likewise
  std::string fontFamily;
  int16_t justification = 0;
  bool hidden = false;        // display:none on this element (not inherited)
  double pixelsPerInch = 96;  // user units (px) of an inch, as the file counts them
};

using CssDeclarations = std::vector<std::pair<std::string, std::string>>;

// "name: value; ..." in order, names in lower case, "!important" dropped.
CssDeclarations ReadDeclarations(std::string_view text);

class SvgStylesheet {
 public:
  // Rules whose selectors are an element name, classes, or both; other rules and
  // at-rules are passed over.
  void AddRules(std::string_view css);
  // What the rules say of an element, weakest first.
  CssDeclarations For(std::string_view element, std::string_view classes) const;

 private:
  struct Rule {
    std::string element;               // empty: any
    std::vector<std::string> classes;  // every one must be on the element
    int weight;
    CssDeclarations declarations;
  };
  std::vector<Rule> rules_;
  // Rules by the first class they ask for, or by their element when they ask for none, so that an
  // element meets only the rules that may match it.
  std::unordered_map<std::string, std::vector<size_t>> byClass_, byElement_;
};

SvgStyle ComputeStyle(const SvgStyle& parent, pugi::xml_node node, const SvgStylesheet& sheet);
// The same from those of the node's attributes that may style it (all but its tags).
SvgStyle ComputeStyle(const SvgStyle& parent, pugi::xml_node node, const std::vector<pugi::xml_attribute>& attributes,
                      const SvgStylesheet& sheet);

// A CSS colour; false for "none" and what is not a colour. Paint servers
// (url(...)) take their fallback colour, or paint grey.
bool ReadColor(std::string_view text, HostColor* out, bool* painted);
