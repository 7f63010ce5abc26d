// Reading a document file: the host's own files (exact attributes of our
// namespace) and SVG as drawing programs write it: shapes, transforms, units,
// styles, `use`, text and layers as editors mark them. What the host cannot
// hold is skipped with a warning; a file that cannot be read stops with its
// file and line.
#pragma once

#include <map>
#include <pugixml.hpp>
#include <set>
#include <string>
#include <vector>

#include "host_model.h"
#include "svg_encoding.h"
#include "svg_path_data.h"
#include "svg_shapes.h"
#include "svg_style.h"

struct SvgReadError {
  std::string message;
};

class SvgReader {
 public:
  // `breaks` are those of the file's text, of `size` bytes.
  SvgReader(HostDocument* doc, const std::string& source, size_t size, const LineBreaks& breaks,
            std::vector<std::string>* warnings, const SvgReadOptions& options)
      : doc_(doc), source_(source), breaks_(breaks), warnings_(warnings), options_(options) {
    budget_ = MemoryBudget(options, size);
  }

  // Throws SvgReadError.
  void ReadRoot(pugi::xml_node svg);

 private:
  // Where an element's art goes, and what it inherits.
  struct Context {
    HostArt* parent;
    RealMatrix ctm;  // the element's user units to document points, y up
    SvgStyle style;  // the parent's
    bool copy;       // drawn again by a use: the file's ids stay with the originals
  };
  using Placed = std::vector<std::pair<pugi::xml_node, HostArt*>>;
  // An element's attributes but its tags, gathered in one walk: an element may carry thousands
  // of tags, and each look-up of an attribute it lacks would pass them all.
  struct Gathered {
    std::vector<pugi::xml_attribute> plain;  // in the file's order
    struct TagText {
      const char* name;  // "vm:tag." and the coded name
      const char* value;
    };
    std::vector<TagText> tags;  // as they stand in the file, in its order
    // The first attribute of that name, as pugi::xml_node::attribute finds it.
    pugi::xml_attribute Find(const char* name) const;
  };
  static Gathered Gather(pugi::xml_node node);

  // svg_reader.cpp: the walk over the file.
  [[noreturn]] void Fail(pugi::xml_node node, const std::string& what) const;
  void Warn(pugi::xml_node node, const std::string& what);
  std::string Where(pugi::xml_node node) const;
  void Index(pugi::xml_node root);
  RealMatrix RootMatrix(pugi::xml_node svg);
  void KeepPage(pugi::xml_node svg, bool own, const double page[4]);
  RealMatrix ElementMatrix(pugi::xml_node node, const RealMatrix& parent) const;
  RealMatrix ElementMatrix(pugi::xml_node node, pugi::xml_attribute transform, const RealMatrix& parent) const;
  HostLayer* ReadOwnLayer(pugi::xml_node node, const Context& root);
  void ReadMarkedLayer(pugi::xml_node node, const Context& root);
  void ReadChildren(pugi::xml_node node, const Context& context);
  void PlaceAll(const Placed& placed, HostArt* parent);
  HostArt* ReadElement(pugi::xml_node node, const Context& context);
  HostArt* ReadUse(pugi::xml_node node, const Context& context);
  void ReadCommon(pugi::xml_node node, const Gathered& own, HostArt* art, bool copy);
  HostArt* NewArt(pugi::xml_node node, int16_t type);
  int16_t Short(pugi::xml_node node, double v, const char* attr) const;

  // svg_reader_art.cpp: paths, shapes and text.
  HostArt* ReadPath(pugi::xml_node node, const RealMatrix& ctm, const SvgStyle& style);
  std::vector<SvgSubpath> OwnSegments(pugi::xml_node node);
  PathStyle OwnStyle(pugi::xml_node node);
  HostColor OwnColor(pugi::xml_node node, const std::vector<std::string_view>& w, size_t& i);
  HostColor OwnColorAttr(pugi::xml_node node, const char* attr);
  void ReadOwnText(pugi::xml_node node, HostArt* art);
  HostArt* ReadText(pugi::xml_node node, const RealMatrix& ctm, const SvgStyle& style);
  RealPoint ToDocument(pugi::xml_node node, const RealMatrix& ctm, RealPoint p) const;

  HostDocument* doc_;
  std::string source_;
  const LineBreaks& breaks_;
  std::vector<std::string>* warnings_;
  SvgReadOptions options_;
  SvgStylesheet sheet_;
  TagArena tagArena_;  // the file's tags
  std::map<std::string, pugi::xml_node, std::less<>> targets_;  // elements by id, for use
  std::set<std::string> takenIds_;
  std::vector<pugi::xml_node> activeUses_;
  SvgViewport viewport_{0, 0};
  static constexpr int kMaxDepth = 256;
  // What the art a file draws may take of the memory: a file whose uses draw uses of groups is
  // stopped before it exhausts it, and real work of any size goes through (SvgReadOptions).
  void Spend(pugi::xml_node node, size_t bytes);
  size_t budget_ = 0;
  size_t spent_ = 0;
  int depth_ = 0;
};
