// What an SVG of another program says beyond geometry: styles by attribute,
// style="" and stylesheet; layers as editors mark them; ids; elements the host
// cannot hold (skipped aloud); and files it cannot read (stopped with a line).
#include <cstdio>

#include "support/host_fixture.h"
#include "svg_test_files.h"

using namespace vmtest;

namespace {

constexpr const char* kHead =
    "<svg xmlns='http://www.w3.org/2000/svg' width='100pt' height='100pt' viewBox='0 0 100 100'>\n";

class SvgStylesAndFaultsTest : public HostTest {
 protected:
  DocumentHandle Read(const std::string& body, std::string* error = nullptr,
                      std::vector<std::string>* warnings = nullptr) {
    const std::string path = ScratchPath("styles.svg");
    WriteWholeText(path, kHead + body + "\n</svg>\n");
    std::string why;
    DocumentHandle read = vmhost::OpenDocument(path, &why, warnings);
    std::remove(path.c_str());
    if (error) *error = why;
    return read;
  }
  PathStyle StyleOf(const std::string& body) {
    PathStyle style{};
    std::string error;
    EXPECT_NE(Read(body, &error), nullptr) << error;
    ArtHandle art = vmhost::FindArtById("s");
    EXPECT_NE(art, nullptr) << body;
    if (art) kPathStyleSuite.GetPathStyle(art, &style);
    return style;
  }
};

TEST_F(SvgStylesAndFaultsTest, StylesheetRulesStyleAttributesAndParentsGiveEachPathItsLook) {
  const std::string sheet =
      "<style>/* path{stroke:red} */ @media print { path { stroke-width: 9 } }\n"
      ".thin { stroke-width: 0.5 } path { stroke: #000; stroke-width: 2 } path.thick { stroke-width: 3 }\n"
      ".dashed.thin { stroke-width: 6 } .wide { stroke-width: 1.5 } .dashed.wide.thin { stroke-width: 9 }\n"
      "g path { stroke-width: 8 } rect, .plain { stroke: none }</style>";
  const struct {
    std::string body;
    int16_t fill, stroke;
    double width;  // when stroked
  } cases[] = {
      {sheet + "<path id='s' d='M0 0L1 1'/>", 1, 1, 2},
      {sheet + "<path id='s' class='thin' d='M0 0L1 1'/>", 1, 1, 0.5},      // a class outweighs a later element rule
      {sheet + "<path id='s' class='thick thin' d='M0 0L1 1'/>", 1, 1, 3},  // element and class outweigh class
      {sheet + "<path id='s' class='thin dashed' d='M0 0L1 1'/>", 1, 1, 6},  // two classes, both on it; not three
      {sheet + "<circle id='s' class='thick' stroke='red' r='1'/>", 1, 1, 1},  // path.thick is for paths only
      {sheet + "<path id='s' class='wide thin' d='M0 0L1 1'/>", 1, 1, 1.5},  // of equal weight, the later rule
      {sheet + "<path id='s' class='thin' style='stroke-width:4' d='M0 0L1 1'/>", 1, 1, 4},
      {sheet + "<path id='s' stroke-width='7' d='M0 0L1 1'/>", 1, 1, 2},  // a rule outweighs an attribute
      {sheet + "<g stroke-width='5'><path id='s' d='M0 0L1 1'/></g>", 1, 1, 2},
      {sheet + "<path id='s' class='other plain' d='M0 0L1 1'/>", 1, 0, 0},
      {"<g fill='none' stroke='red' stroke-width='3'><path id='s' d='M0 0L1 1'/></g>", 0, 1, 3},  // inherited
      {"<g stroke='red'><path id='s' stroke='none' d='M0 0L1 1'/></g>", 1, 0, 0},
      {"<g stroke='red'><path id='s' stroke='blue' style='stroke:inherit' d='M0 0L1 1'/></g>", 1, 1, 1},
      {"<path id='s' style='fill:none ; stroke:#123456;stroke-width:2px !important' d='M0 0L1 1'/>", 0, 1, 2},
      {"<path id='s' stroke='#000' stroke-width='1mm' d='M0 0L1 1'/>", 1, 1, 96 / 25.4},
      {"<path id='s' fill='url(#gradient)' d='M0 0L1 1'/>", 1, 0, 0},
      {"<path id='s' fill='url(#gradient) none' d='M0 0L1 1'/>", 0, 0, 0},
      {"<path id='s' stroke='bogus(1)' d='M0 0L1 1'/>", 1, 0, 0},  // not a colour: as if not given
      {"<path id='s' fill='transparent' stroke='currentColor' d='M0 0L1 1'/>", 0, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const PathStyle style = StyleOf(c.body);
    EXPECT_EQ(style.fillPaint, c.fill);
    EXPECT_EQ(style.strokePaint, c.stroke);
    if (c.stroke) {
      EXPECT_NEAR(style.strokeWidth, c.width, 1e-12);
    }
  }
}

TEST_F(SvgStylesAndFaultsTest, ColoursBecomeTheHostsGreyOrProcessColours) {
  const struct {
    const char* color;
    HostColor expected;
  } cases[] = {
      {"#ff0000", {ColorKind::Process, 0, 0, 1, 1, 0}},
      {"#F00", {ColorKind::Process, 0, 0, 1, 1, 0}},
      {"rgb(0, 0, 255)", {ColorKind::Process, 0, 1, 1, 0, 0}},
      {"rgb(0%, 50%, 0%)", {ColorKind::Process, 0, 1, 0, 1, 0.5}},
      {"#000000", {ColorKind::Gray, 1, 0, 0, 0, 0}},
      {"white", {ColorKind::Gray, 0, 0, 0, 0, 0}},
      {"#808080", {ColorKind::Gray, 1 - 128 / 255.0, 0, 0, 0, 0}},
      {"Navy", {ColorKind::Process, 0, 1, 1, 0, 1 - 128 / 255.0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.color);
    const PathStyle style = StyleOf(std::string("<path id='s' stroke='") + c.color + "' d='M0 0L1 1'/>");
    ASSERT_EQ(style.strokePaint, 1);
    const HostColor& got = style.strokeColor;
    EXPECT_EQ(got.kind, c.expected.kind);
    EXPECT_NEAR(got.gray, c.expected.gray, 1e-12);
    EXPECT_NEAR(got.c, c.expected.c, 1e-12);
    EXPECT_NEAR(got.m, c.expected.m, 1e-12);
    EXPECT_NEAR(got.y, c.expected.y, 1e-12);
    EXPECT_NEAR(got.k, c.expected.k, 1e-12);
  }
}

TEST_F(SvgStylesAndFaultsTest, MarkedLayersBecomeLayersAndOtherGroupsStayGroups) {
  std::string error;
  DocumentHandle read = Read(
      "<g id='back' x:groupmode='layer' x:label='Back piece'><path id='p1' d='M0 0L1 1'/>"
      "<g id='sub' x:groupmode='layer' x:label='Inner'><path d='M0 0L1 1'/></g></g>\n"
      "<g id='plain'><path d='M0 0L2 2'/></g>\n"
      "<g id='unlabelled' y:groupmode='layer' style='display:none'><path d='M0 0L3 3'/></g>\n"
      "<path id='hidden' display='none' d='M0 0L4 4'/>",
      &error);
  ASSERT_NE(read, nullptr) << error;
  std::vector<std::string> titles;
  for (HostLayer* layer : read->d.layers) titles.push_back(vmhost::LayerTitle(layer));
  EXPECT_EQ(titles, (std::vector<std::string>{"unlabelled", "Layer 1", "Back piece"}));
  EXPECT_FALSE(vmhost::FindLayer("unlabelled")->d.visible);
  EXPECT_TRUE(vmhost::FindLayer("Back piece")->d.visible);
  EXPECT_EQ(vmhost::FindLayer("Back piece")->group->d.id, "back");
  // A layer inside a layer is a group of it; a group outside any layer stands on the one layer.
  ArtHandle sub = vmhost::FindArtById("sub");
  ASSERT_NE(sub, nullptr);
  EXPECT_EQ(sub->d.type, kGroupArt);
  EXPECT_EQ(sub->d.parent, vmhost::FindLayer("Back piece")->group);
  EXPECT_EQ(vmhost::FindArtById("plain")->d.parent, vmhost::FindLayer("Layer 1")->group);
  EXPECT_NE(vmhost::FindArtById("hidden")->d.attrs & kArtHidden, 0u);
  EXPECT_EQ(vmhost::FindArtById("p1")->d.attrs & kArtHidden, 0u);
  // What a hidden layer holds shows again with the layer.
  EXPECT_EQ(vmhost::Children(vmhost::FindLayer("unlabelled")->group).at(0)->d.attrs & kArtHidden, 0u);
}

TEST_F(SvgStylesAndFaultsTest, TextIsOneLineOfPointTextWhereItsFirstCharacterStands) {
  const struct {
    const char* text;
    const char* characters;
    double h, v, size;
  } cases[] = {
      {"<text id='s' x='1' y='2'>\n   Cut   2\n </text>", "Cut 2", 1, -2, 16},
      {"<text id='s' x='1 5 9' y='2'>abc</text>", "abc", 1, -2, 16},
      {"<text id='s' x='1' y='2' font-size='10'>\n <tspan x='10' y='20' style='font-size:5px'>Front</tspan></text>",
       "Front", 10, -20, 5},
      {"<text id='s' x='0' y='0'><tspan x='3' y='4'>One</tspan><tspan x='3' y='14'>Two</tspan></text>", "One Two", 3,
       -4, 16},
      {"<text id='s' x='0' y='0' font-size='2mm'>A<tspan>B</tspan> C</text>", "AB C", 0, 0, 96 / 25.4 * 2},
      // Letter-spaced: one tspan a letter, each with its own x. A step of twice the usual one is a
      // word's gap; words placed by themselves stay words.
      {"<text id='s'><tspan x='10' y='5'>B</tspan><tspan x='18' y='5'>A</tspan><tspan x='26' y='5'>C</tspan>"
       "<tspan x='34' y='5'>K</tspan><tspan x='50' y='5'>B</tspan><tspan x='58' y='5'>O</tspan>"
       "<tspan x='65.5' y='5'>D</tspan><tspan x='74' y='5'>Y</tspan></text>",
       "BACK BODY", 10, -5, 16},
      {"<text id='s' x='0' y='0'><tspan x='0'>S</tspan><tspan x='9'>I</tspan><tspan x='14'> </tspan>"
       "<tspan x='20'>Z</tspan><tspan x='28'>E</tspan></text>",
       "SI ZE", 0, 0, 16},
      {"<text id='s' x='0' y='0'><tspan x='0'>A</tspan><tspan x='8'>B</tspan><tspan x='16' y='20'>C</tspan></text>",
       "AB C", 0, 0, 16},
      {"<text id='s' x='0' y='0'><tspan x='0'>Cut</tspan><tspan x='20'>2</tspan></text>", "Cut 2", 0, 0, 16},
      // Kerned: runs of several letters, each at its own x, read as one word where the step fits the run.
      {"<text id='s' font-size='24'><tspan x='0'>B</tspan><tspan x='12.839'>A</tspan><tspan x='26.558'>CK BODICE B"
       "</tspan><tspan x='150.003'>L</tspan><tspan x='159.589'>OCK</tspan></text>", "BACK BODICE BLOCK", 0, 0, 24},
      {"<text id='s'><tspan x='0'>\n A</tspan><tspan x='8'>B</tspan></text>", "AB", 0, 0, 16},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    std::string error;
    ASSERT_NE(Read(c.text, &error), nullptr) << error;
    ArtHandle text = vmhost::FindArtById("s");
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(vmhost::Text(text), c.characters);
    EXPECT_NEAR(text->d.text.anchor.h, c.h, 1e-12);
    EXPECT_NEAR(text->d.text.anchor.v, c.v, 1e-12);
    EXPECT_NEAR(text->d.text.chars.size, c.size, 1e-12);
  }
}

TEST_F(SvgStylesAndFaultsTest, ArtWithoutAnIdGetsOneThatNoOtherArtHas) {
  const std::string body =
      "<path d='M0 0L1 1'/><path id='a3' d='M0 0L1 1'/><path id='x' d='M0 0L1 1'/><path id='x' d='M0 0L2 2'/>"
      "<defs><path id='shape' d='M0 0L5 5'/></defs><use href='#shape'/><use href='#shape' id='copy'/>";
  std::string error;
  DocumentHandle read = Read(body, &error);
  ASSERT_NE(read, nullptr) << error;
  std::vector<std::string> ids;
  ForEachArt(read->d.layers[0]->group, [&](HostArt* a) { ids.push_back(a->d.id); });
  // The layer, then the art from the top: the two copies, the second x, x, a3, the unnamed path.
  EXPECT_EQ(ids, (std::vector<std::string>{"a1", "copy", "a2", "a4", "x", "a3", "a5"}));
  EXPECT_EQ(vmhost::Segments(vmhost::FindArtById("x"))[1].p.h, 1);  // the first of the two keeps it
  EXPECT_EQ(vmhost::FindArtById("shape"), nullptr);                 // drawn only as copies
}

TEST_F(SvgStylesAndFaultsTest, WhatTheHostCannotHoldIsSkippedWithOneLineEach) {
  std::vector<std::string> warnings;
  std::string error;
  DocumentHandle read = Read(
      "<title>Skirt</title><desc>a block</desc><metadata><x:rdf>about</x:rdf></metadata>\n"  // line 2
      "<ed:view ed:zoom='2'/>\n"
      "<defs><linearGradient id='g'><stop offset='0'/></linearGradient>\n"  // line 4
      "<clipPath id='c'><rect width='5' height='5'/></clipPath></defs>\n"
      "<g id='art'><image href='photo.png' width='5' height='5'/>\n"  // line 6
      "<path d='M0 0L1 1' clip-path='url(#c)' mask='url(#m)'/><mask id='m'/>\n"
      "<filter id='f'><feGaussianBlur stdDeviation='2'/></filter></g>\n"
      "<use href='#art'/><use href='#art'/>\n"  // the image is not warned again
      "<foreignObject width='5' height='5'><p>html</p></foreignObject><blink/>\n"
      "<use id='lost' href='#nowhere'/>",
      &error, &warnings);
  ASSERT_NE(read, nullptr) << error;
  const std::vector<std::string> expected = {
      "line 4: skipped <linearGradient> (id 'g'), which the host cannot hold",
      "line 5: skipped <clipPath> (id 'c'), which the host cannot hold",
      "line 6: skipped <image>, which the host cannot hold",
      "line 7: skipped <mask> (id 'm'), which the host cannot hold",
      "line 8: skipped <filter> (id 'f'), which the host cannot hold",
      "line 10: skipped <foreignObject>, which the host cannot hold",
      "line 10: skipped <blink>, an element the host does not know",
      "line 11: skipped <use> (id 'lost'), whose element '#nowhere' is not in the file",
  };
  ASSERT_EQ(warnings.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_NE(warnings[i].find(expected[i]), std::string::npos) << warnings[i];
    EXPECT_EQ(warnings[i].rfind(ScratchPath("styles.svg") + ": ", 0), 0u) << warnings[i];
  }
  // The path stays, unclipped, in the group and in each copy.
  EXPECT_EQ(vmhost::Children(vmhost::FindArtById("art")).size(), 1u);
  EXPECT_EQ(vmhost::Children(read->d.layers[0]->group).size(), 3u);
}

// Bytes as other programs write them: in the encoding the file declares, in UTF-16 with or
// without a byte-order mark, or with what XML does not allow (stopped at its line).
TEST_F(SvgStylesAndFaultsTest, AFileIsReadInItsOwnEncodingOrStoppedAtTheLineXmlCannotTake) {
  const std::string doc = "<svg xmlns='http://www.w3.org/2000/svg'>\n<text id='t'>caf\xc3\xa9 \xe2\x82\xac</text>\n</svg>\n";
  auto utf16 = [](const std::string& text, bool big, bool mark) {
    std::u16string units = FromUtf8(text);
    std::string bytes = mark ? (big ? "\xfe\xff" : "\xff\xfe") : "";
    for (char16_t u : units) {
      const char hi = static_cast<char>(u >> 8), lo = static_cast<char>(u & 0xFF);
      bytes += big ? std::string{hi, lo} : std::string{lo, hi};
    }
    return bytes;
  };
  const struct {
    std::string bytes;
    const char* text;   // of the text art 't'
    const char* fault;  // or the fault
  } cases[] = {
      {doc, "caf\xc3\xa9 \xe2\x82\xac", nullptr},
      {"\xef\xbb\xbf" + doc, "caf\xc3\xa9 \xe2\x82\xac", nullptr},
      {"<?xml version='1.0' encoding='ISO-8859-1'?>\n<svg xmlns='http://www.w3.org/2000/svg'><text id='t'>caf\xe9"
       "</text></svg>",
       "caf\xc3\xa9", nullptr},
      {"<?xml version='1.0' encoding='windows-1252'?>\n<svg xmlns='http://www.w3.org/2000/svg'><text id='t'>\x80"
       "</text></svg>",
       "\xe2\x82\xac", nullptr},
      {utf16("<?xml version='1.0' encoding='UTF-16'?>\n" + doc, false, true), "caf\xc3\xa9 \xe2\x82\xac", nullptr},
      {utf16(doc, true, true), "caf\xc3\xa9 \xe2\x82\xac", nullptr},
      {utf16(doc, false, false), "caf\xc3\xa9 \xe2\x82\xac", nullptr},
      {utf16(doc, true, false), "caf\xc3\xa9 \xe2\x82\xac", nullptr},
      {"<svg xmlns='http://www.w3.org/2000/svg'>\n<path id='a\x01' d='M0 0L1 1'/></svg>", nullptr,
       ": line 2: a character XML does not allow (U+0001)"},
      {"<svg xmlns='http://www.w3.org/2000/svg'>\n\n<text>&#x1b;[0m</text></svg>", nullptr,
       ": line 3: a character XML does not allow (U+001B)"},
      {"<svg xmlns='http://www.w3.org/2000/svg'>\n<text>&#1114112;</text></svg>", nullptr,
       ": line 2: a character XML does not allow"},
      {"<svg xmlns='http://www.w3.org/2000/svg'>\n<path id='caf\xe9' d='M0 0L1 1'/></svg>", nullptr,
       ": line 2: bytes that are not UTF-8 text"},
      {"<svg xmlns='http://www.w3.org/2000/svg'>\n<text>\xed\xa0\x80</text></svg>", nullptr,
       ": line 2: bytes that are not UTF-8 text"},
      {"<?xml version='1.0' encoding='US-ASCII'?>\n<svg xmlns='http://www.w3.org/2000/svg'>\n<text>\xe9</text></svg>",
       nullptr, ": line 3: bytes that are not US-ASCII text"},
      {"<?xml version='1.0' encoding='Klingon'?><svg/>", nullptr, ": line 1: the encoding \"Klingon\" is not known"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes.substr(0, 60));
    const std::string path = ScratchPath("encoded.svg");
    WriteWholeText(path, c.bytes);
    std::string error;
    DocumentHandle read = vmhost::OpenDocument(path, &error);
    std::remove(path.c_str());
    if (c.fault != nullptr) {
      EXPECT_EQ(read, nullptr);
      EXPECT_EQ(error.rfind(path + c.fault, 0), 0u) << error;
      continue;
    }
    ASSERT_NE(read, nullptr) << error;
    EXPECT_EQ(vmhost::Text(vmhost::FindArtById("t")), c.text);
    // What is written back is UTF-8 that reads again.
    const std::string saved = vmhost::DocumentText(read);
    EXPECT_EQ(saved.rfind("<?xml version=\"1.0\"?>", 0), 0u);
    EXPECT_NE(saved.find(std::string(">") + c.text + "</text>"), std::string::npos);
  }
}

TEST_F(SvgStylesAndFaultsTest, AFileThatCannotBeReadStopsWithItsLine) {
  // The art of id n0 drawn ten times a level, through uses of uses.
  const auto drawnAgain = [](std::string nest, int levels) {
    for (int i = 1; i <= levels; ++i) {
      std::string level = "<g id='n" + std::to_string(i) + "'>";
      for (int k = 0; k < 10; ++k) level += "<use href='#n" + std::to_string(i - 1) + "'/>";
      nest += level + "</g>";
    }
    return nest;
  };
  const std::string nest = drawnAgain("<g id='n0'><g/></g>", 7), long_text(100000, 'x');
  std::string chain = "<path id='u0' d='M0 0L1 1'/>";
  for (int i = 1; i <= 300; ++i)
    chain += "<use id='u" + std::to_string(i) + "' href='#u" + std::to_string(i - 1) + "'/>";
  std::string tspans = "x";
  for (int i = 0; i <= 256; ++i) tspans = "<tspan>" + tspans + "</tspan>";
  std::string long_path = "<defs><path id='long' d='M0 0";
  for (int i = 0; i < 30000; ++i) long_path += " l1 0";
  long_path += "'/></defs>";
  for (int i = 0; i < 60; ++i) long_path += "<use href='#long'/>";
  const struct {
    std::string body;
    const char* fault;
  } cases[] = {
      {"\n<path d='M0 0 L 5'/>", "line 3: broken path data near offset 8"},
      {"\n<path d='M0 0 Z 5 5'/>", "line 3: broken path data"},
      {"\n<path d='M0 0 A 1 1 0 2 0 5 5'/>", "line 3: broken path data"},
      {"\n<path transform='rotate(x)' d='M0 0'/>", "line 3: bad transform"},
      {"\n<g transform='scale(1,2,3)'/>", "line 3: bad transform"},
      {"\n<polygon id='p' points='0 0 1'/>", "line 3: bad points (id 'p')"},
      {"\n<rect width='1em' height='2'/>", "line 3: bad width"},
      {"\n<g id='a'><use href='#a'/></g>", "line 3: a use that draws itself"},
      {"\n<path transform='scale(1e300)' d='M1e300 0 L 0 0'/>", "line 3: coordinates out of range"},
      {"\n<path d='M0 0 L 1 0'/><use href='#q' x='zz'/><path id='q' d='M0 0L1 1'/>", "line 3: bad x or y"},
      {"\n<text transform='scale(0)'>x</text>", "line 3: text of no size"},
      // Uses of uses drawing ten million copies, a long path drawn sixty times, a long text or tag
      // drawn a thousand times: far more than a file of their size can ask for.
      {nest, "the art it draws would take more than 64 MB of memory"},
      {drawnAgain("<text id='n0'>" + long_text + "</text>", 3), "the art it draws would take more than 64 MB"},
      {drawnAgain("<path id='n0' d='M0 0h1' vm:tag.t='" + long_text + "'/>", 3), "would take more than 64 MB"},
      {long_path, "the art it draws would take more than 64 MB of memory"},
      {chain, "uses nested more than 256 deep"},
      {"\n<text>" + tspans + "</text>", "line 3: tspans nested more than 256 deep"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body.substr(0, 80));
    std::string error;
    EXPECT_EQ(Read(c.body, &error), nullptr);
    EXPECT_NE(error.find(c.fault), std::string::npos) << error;
    EXPECT_EQ(vmhost::CurrentDocument(), doc);
  }
  // The page's own size and box.
  for (auto [root, fault] : {std::pair{"viewBox='0 0 -1 5'", "bad viewBox"}, std::pair{"width='12em'", "bad width"},
                             std::pair{"height='0'", "bad height"}, std::pair{"viewBox='0 0 5'", "bad viewBox"}}) {
    const std::string path = ScratchPath("page.svg");
    WriteWholeText(path, std::string("<svg xmlns='http://www.w3.org/2000/svg'\n") + root + "/>");
    std::string error;
    EXPECT_EQ(vmhost::OpenDocument(path, &error), nullptr) << root;
    EXPECT_NE(error.find(std::string(path) + ": line 1: " + fault), std::string::npos) << error;
    std::remove(path.c_str());
  }
}

TEST_F(SvgStylesAndFaultsTest, ALargeFileOfRealPiecesIsReadWhateverItsCount) {
  // The memory the art may take grows with the file: what its own elements ask for goes through.
  EXPECT_EQ(MemoryBudget({}, 1000), size_t{64} << 20);
  EXPECT_EQ(MemoryBudget({}, size_t{50} << 20), size_t{5000} << 20);
  EXPECT_EQ(MemoryBudget({96, 4096}, size_t{50} << 20), 4096u);
  std::string many;
  for (int i = 0; i <= 200000; ++i) many += "<path d='M0 0h1'/>";
  std::string error;
  ASSERT_NE(Read(many, &error), nullptr) << error;
  EXPECT_EQ(vmhost::Children(vmhost::FindLayer("Layer 1")->group).size(), 200001u);
}

}  // namespace
