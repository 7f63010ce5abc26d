// Documents saved as SVG and read back: nothing changes, and bad files give a
// clear error instead of a document.
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <pugixml.hpp>
#include <random>
#include <regex>
#include <sstream>

#include "support/host_dump.h"
#include "support/file_size_limit.h"
#include "svg_codes.h"
#include "svg_xml_out.h"
#include "support/host_fixture.h"

using namespace vmtest;

namespace {

class SvgDocumentTest : public HostTest {
 protected:
  std::string TempPath(const char* name) {
    return ::testing::TempDir() + "/vm_svg_" + std::to_string(::getpid()) + "_" + name;
  }
  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  static void WriteFile(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }

  // A pattern-like document with everything a file must keep.
  void BuildDocument() {
    LayerHandle top = vmhost::AddLayer("型紙\t<前>\n");
    LayerHandle hidden = vmhost::AddLayer("hidden & locked", false);
    kLayerSuite.SetLayerVisible(hidden, 0);
    kLayerSuite.SetLayerEditable(hidden, 0);
    kLayerSuite.SetCurrentLayer(top);
    ArtHandle layerGroup;
    kLayerSuite.GetFirstArtOfLayer(top, &layerGroup);
    kTagSuite.SetTag(layerGroup, "grading_preset_01", "\"S\",1,1");
    ArtHandle piece = vmhost::AddGroup(layerGroup);
    ArtHandle body = vmhost::AddPath(piece,
                                     {{{0.1, 1.0 / 3}, {0.1, 1.0 / 3}, {1e-300, 50.25}, 1},
                                      {{100, -7.5}, {80, -7.5}, {120, -7.5}, 0},
                                      {{100, 200}, {100, 200}, {100, 200}, 1}},
                                     true);
    PathStyle style;
    kPathStyleSuite.GetPathStyle(body, &style);
    style.fillPaint = 1;
    style.fillColor = HostColor{ColorKind::Process, 0, 0.5, 0, 0, 0};
    style.dashCount = 2;
    style.dash[0] = 3;
    style.dash[1] = 1.5;
    kPathStyleSuite.SetPathStyle(body, &style);
    kTagSuite.SetTag(body, "vmk_grading_title", "\x91\x4f\x90\x67\x20\x31");  // Shift-JIS bytes
    kTagSuite.SetTag(body, "vmk_grading_var_value_000000", "a,b\r\nc%d\t\"q\"");
    kTagSuite.SetTag(body, "empty", "");
    kTagSuite.SetTag(body, "odd key/ü", "x");
    kArtSuite.SetArtUserAttr(body, kArtSelected | kArtLocked, kArtSelected | kArtLocked);
    ArtHandle compound = vmhost::AddGroup(piece, kCompoundPathArt);
    vmhost::AddPolyline(compound, {{0, 0}, {10, 0}, {10, 10}}, true);
    vmhost::AddPolyline(compound, {{2, 2}, {4, 2}, {4, 4}}, true);
    // A control character typed into a label stays in it, and the file stays XML.
    ArtHandle label = vmhost::AddText(piece, {12.5, -3}, "B-3\x01 ｱｲ 前");
    TextRangeHandle range;
    kTextFrameSuite.GetTextRange(label, &range);
    FontHandle font;
    kFontSuite.IndexFontList(1, &font);
    CharFeatures chars{font, 5, {ColorKind::Process, 0, 0, 1, 1, 0}, {ColorKind::None, 0, 0, 0, 0, 0}, 1,
                       0,    1};
    kTextRangeSuite.SetCharFeatures(range, &chars);
    ParaFeatures para{kJustifyCenter, 0, 0};
    kTextRangeSuite.SetParaFeatures(range, &para);
    kTextRangeSuite.ReleaseTextRange(range);
    RealMatrix m;
    kRealMathSuite.MatrixSetRotate(&m, 0.5);
    kRealMathSuite.MatrixConcatTranslate(&m, 3, 4);
    kTransformArtSuite.TransformArt(label, &m, 1, kTransformObjects);
    ArtHandle ghost = vmhost::AddPolyline(hidden->group, {{5, 5}, {6, 6}}, false);
    kArtSuite.SetArtUserAttr(ghost, kArtHidden, kArtHidden);
    vmhost::SetZoom(2.5);
  }
};

TEST_F(SvgDocumentTest, ADocumentSurvivesARoundTripUnchanged) {
  BuildDocument();
  std::string first = TempPath("first.svg"), second = TempPath("second.svg"), third = TempPath("third.svg");
  std::string error;
  ASSERT_TRUE(vmhost::SaveDocument(doc, first, &error)) << error;
  std::string saved = DumpDocument(doc);

  DocumentHandle reopened = vmhost::OpenDocument(first, &error);
  ASSERT_NE(reopened, nullptr) << error;
  EXPECT_EQ(DumpDocument(reopened), saved);
  EXPECT_EQ(reopened->view.zoom, 2.5);
  ASSERT_TRUE(vmhost::SaveDocument(reopened, second, &error)) << error;
  EXPECT_EQ(ReadFile(second), ReadFile(first));

  DocumentHandle again = vmhost::OpenDocument(second, &error);
  ASSERT_NE(again, nullptr) << error;
  ASSERT_TRUE(vmhost::SaveDocument(again, third, &error)) << error;
  EXPECT_EQ(ReadFile(third), ReadFile(first));

  // Ids name the art for sessions; the current layer comes back current.
  LayerHandle top;
  kLayerSuite.GetNthLayer(0, &top);
  ArtHandle piece = vmhost::Children(top->group).at(0);
  ASSERT_FALSE(vmhost::ArtId(piece).empty());
  ArtHandle found = vmhost::FindArtById(vmhost::ArtId(piece).c_str());
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(found->doc, again);
  EXPECT_EQ(vmhost::Children(found).size(), 3u);
  LayerHandle current;
  kLayerSuite.GetCurrentLayer(&current);
  EXPECT_EQ(vmhost::LayerTitle(current), "型紙\t<前>\n");
  for (auto& p : {first, second, third}) std::remove(p.c_str());
}

// Texts are written as the XML library the host reads with writes them: every byte of a title, a
// text or a tag compared against it, the characters XML escapes and the control characters most
// (but a tab or a line break in an attribute, which the library drops and the round trip keeps).
TEST_F(SvgDocumentTest, TextsOfAnyCharactersAreWrittenAsTheXmlLibraryWritesThem) {
  std::mt19937 random(31);
  const std::string special = "&<>\"'%-\t\n\r\x01\x1f\x7f\x80\xe5\xff ";
  for (int round = 0; round < 3000; ++round) {
    std::string text(random() % 12, ' ');
    for (char& c : text)
      c = random() % 3 ? special[random() % special.size()] : static_cast<char>(1 + random() % 255);
    if (round % 50 == 0) text.insert(random() % (text.size() + 1), 1, '\0');  // a NUL ends a plain text
    SCOPED_TRACE(::testing::PrintToString(text));
    pugi::xml_document xml;
    pugi::xml_node node = xml.append_child("t");
    std::string plain = text;
    std::erase_if(plain, [](char c) { return c == '\t' || c == '\n' || c == '\r'; });
    node.append_attribute("v") = plain.c_str();
    node.append_attribute("vm:tag.k") = EncodeBytes(text, '%', KeepValueByte).c_str();
    node.append_attribute(("vm:tag." + EncodeBytes(text, '-', KeepKeyByte)).c_str()) = "";
    node.text().set(text.c_str());
    std::ostringstream library;
    xml.save(library, "  ", pugi::format_default | pugi::format_skip_control_chars, pugi::encoding_utf8);
    XmlOut out;
    out.Declaration();
    out.Start("t");
    out.Attribute("v", plain);
    out.AttributeStart("vm:tag.k");
    out.Encoded(text, '%', KeepValueByte);
    out.AttributeEnd();
    out.Plain(" vm:tag.");
    out.Encoded(text, '-', KeepKeyByte);
    out.Plain("=\"\"");
    out.EndWithText("t", text);
    ASSERT_EQ(out.Take(), library.str());
  }
}

// Numbers in the file are the shortest text that reads back as the same double, in the notation
// that is shorter (fixed on a tie; of texts as short, the nearest), and never "-0".
TEST_F(SvgDocumentTest, NumbersAreTheShortestTextThatReadsBackTheSame) {
  const std::pair<double, const char*> numbers[] = {
      {-0.0, "0"},
      {0.1 + 0.2, "0.30000000000000004"},
      {1.0 / 3, "0.3333333333333333"},
      {-7.25, "-7.25"},
      {100, "100"},
      {1e21, "1e+21"},
      {123456789012345680000.0, "123456789012345683968"},  // as short as 1.2345678901234568e+20, and exact
      {0.000123, "0.000123"},
      {1e-7, "1e-07"},
      {5e-324, "5e-324"},
      {-2.2250738585072014e-308, "-2.2250738585072014e-308"},
      {1.7976931348623157e308, "1.7976931348623157e+308"},
      {0.1, "0.1"},
      {2.5, "2.5"},
      {9007199254740993.0, "9007199254740992"},
  };
  for (const auto& [value, text] : numbers) {
    SCOPED_TRACE(text);
    ArtHandle path = vmhost::AddPath(
        nullptr, {{{value, 1}, {value, 1}, {value, 1}, 1}, {{2, -value}, {2, -value}, {2, -value}, 0}}, false);
    XmlOut out;
    out.Number(value);
    EXPECT_EQ(out.Take(), text);
    const std::string saved = vmhost::DocumentText(doc);
    const std::string id = vmhost::ArtId(path);
    const size_t at = saved.find("id=\"" + id + "\"");
    ASSERT_NE(at, std::string::npos);
    const std::string element = saved.substr(at, saved.find('\n', at) - at);
    const std::string word(text);
    EXPECT_NE(element.find(" d=\"M" + word + " -1 L2 " + word + "\""), std::string::npos) << element;
    const std::string segment = word + " 1 " + word + " 1 " + word + " 1 1;";
    EXPECT_NE(element.find("vm:segments=\"" + segment), std::string::npos) << element;
    kArtSuite.DisposeArt(path);
    if (std::abs(value) > 1e9) continue;  // beyond what a file may draw
    std::string error;
    DocumentHandle read = ReadSvgText("numbers.svg", saved, &error);
    ASSERT_NE(read, nullptr) << error;
    const std::vector<PathSegment> back = vmhost::Segments(vmhost::FindArtById(id.c_str()));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].p.h, value);
    EXPECT_EQ(back[1].p.v, -value);
    vmhost::CloseDocument(read);
    vmhost::SwitchDocument(doc);
  }
}

// A document of any size goes to its file in pieces, never held whole: together they are its text.
TEST_F(SvgDocumentTest, ALargeDocumentIsWrittenInPiecesOfAboutAMegabyte) {
  for (int i = 0; i < 120; ++i) {
    std::vector<RealPoint> points;
    for (int k = 0; k < 300; ++k) points.push_back({k / 3.0 + i, i / 7.0 - k});
    ArtHandle path = vmhost::AddPolyline(nullptr, points, true);
    kTagSuite.SetTag(path, "vmk_grading_note", std::string(2000, 'n').c_str());
  }
  std::string pieces;
  size_t count = 0, largest = 0;
  WriteSvgText(doc, [&](std::string_view piece) {
    pieces.append(piece);
    largest = std::max(largest, piece.size());
    ++count;
  });
  EXPECT_EQ(pieces, vmhost::DocumentText(doc));
  EXPECT_GT(pieces.size(), 3u << 20);
  EXPECT_GE(count, 3u);
  EXPECT_LE(largest, (1u << 20) + (1u << 16));
}

TEST_F(SvgDocumentTest, TheSavedFileIsSvgThatViewersDraw) {
  BuildDocument();
  std::string path = TempPath("view.svg"), png = TempPath("view.png");
  std::string error;
  ASSERT_TRUE(vmhost::SaveDocument(doc, path, &error)) << error;
  std::string text = ReadFile(path);
  EXPECT_NE(text.find("<svg xmlns=\"http://www.w3.org/2000/svg\""), std::string::npos);
  // The page is in points, as the drawing is: a viewer draws it at its size.
  EXPECT_TRUE(std::regex_search(text, std::regex(" width=\"[-0-9.e]+pt\" height=\"[-0-9.e]+pt\" viewBox=")))
      << text.substr(0, 300);
  EXPECT_NE(text.find(" d=\"M0.1 -0.3333333333333333 C"), std::string::npos);
  EXPECT_NE(text.find("vm:type=\"layer\""), std::string::npos);
  // What viewers read, our own attributes taken away, is what the host has: the closing curve of a
  // closed piece and the place and turn of its label.
  ArtHandle drop = vmhost::AddPath(
      nullptr, {{{0, 0}, {-30, 10}, {30, 10}, 0}, {{50, 0}, {50, -20}, {50, 20}, 0}}, true);
  ArtHandle label = vmhost::AddText(nullptr, {40, -8}, "FRONT");
  RealMatrix turn;
  kRealMathSuite.MatrixSetRotate(&turn, 1.2);
  kRealMathSuite.MatrixConcatTranslate(&turn, -7, 11);
  kTransformArtSuite.TransformArt(label, &turn, 1, kTransformObjects);
  const std::vector<PathSegment> exact = vmhost::Segments(drop);
  const TextData exactText = label->d.text;
  std::string plain = std::regex_replace(vmhost::DocumentText(doc), std::regex(" (xmlns:)?vm:[-\\w.]+=\"[^\"]*\""), "");
  const std::string dropId = vmhost::ArtId(drop), labelId = vmhost::ArtId(label);
  DocumentHandle viewed = ReadSvgText("plain.svg", plain, &error);
  ASSERT_NE(viewed, nullptr) << error;
  const std::vector<PathSegment> drawn = vmhost::Segments(vmhost::FindArtById(dropId.c_str()));
  ASSERT_EQ(drawn.size(), exact.size());
  for (size_t i = 0; i < exact.size(); ++i) {
    for (auto [a, b] : {std::pair{drawn[i].p, exact[i].p}, {drawn[i].in, exact[i].in}, {drawn[i].out, exact[i].out}}) {
      EXPECT_NEAR(a.h, b.h, 1e-9) << i;
      EXPECT_NEAR(a.v, b.v, 1e-9) << i;
    }
  }
  const TextData& seen = vmhost::FindArtById(labelId.c_str())->d.text;
  const RealPoint at = ApplyMatrix(seen.matrix, seen.anchor), exactAt = ApplyMatrix(exactText.matrix, exactText.anchor);
  EXPECT_NEAR(at.h, exactAt.h, 1e-9);
  EXPECT_NEAR(at.v, exactAt.v, 1e-9);
  for (auto [a, b] : {std::pair{seen.matrix.a, exactText.matrix.a}, {seen.matrix.b, exactText.matrix.b},
                      {seen.matrix.c, exactText.matrix.c}, {seen.matrix.d, exactText.matrix.d}})
    EXPECT_NEAR(a, b, 1e-12);
  EXPECT_EQ(vmhost::Text(vmhost::FindArtById(labelId.c_str())), "FRONT");
  if (std::system("command -v rsvg-convert >/dev/null 2>&1") == 0) {
    std::string command = "rsvg-convert -o '" + png + "' '" + path + "' 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0);
    std::remove(png.c_str());
  }
  std::remove(path.c_str());
}

TEST_F(SvgDocumentTest, PathDataOfOtherEditorsIsRead) {
  std::string path = TempPath("foreign.svg");
  WriteFile(path,
            "<svg xmlns='http://www.w3.org/2000/svg' width='100pt' height='100pt' viewBox='0 0 100 100'>"
            "<title>x</title>\n"
            "<path id='p' d='M10,20 l5 0 h5 v-10 C 30 0 40 0 10 20 Z m 1 1 L 2 2'/>\n"
            "<path id='q' d='M0 0 C 0 -10 10 -10 10 0 C 10 10 0 10 0 0 Z'/>\n"
            "<path id='r' d='M0 0 L 10 0 L 10 10 Z Z l 5 5 l 0 5'/></svg>");
  std::string error;
  DocumentHandle read = vmhost::OpenDocument(path, &error);
  ASSERT_NE(read, nullptr) << error;
  ArtHandle p = vmhost::FindArtById("p");
  int16_t type = 0;
  kArtSuite.GetArtType(p, &type);
  EXPECT_EQ(type, kCompoundPathArt);
  auto subpaths = vmhost::Children(p);
  ASSERT_EQ(subpaths.size(), 2u);
  auto outer = vmhost::Segments(subpaths[0]);
  ASSERT_EQ(outer.size(), 4u);  // the curve back to the start closes onto the first anchor
  EXPECT_EQ(outer[3].p.h, 20);
  EXPECT_EQ(outer[3].p.v, -10);
  EXPECT_EQ(outer[3].out.h, 30);
  EXPECT_EQ(outer[0].in.h, 40);
  EXPECT_EQ(outer[0].p.v, -20);  // y turned up
  EXPECT_EQ(vmhost::Segments(subpaths[1])[0].p.h, 11);
  EXPECT_EQ(vmhost::Segments(vmhost::FindArtById("q")).size(), 2u);
  // After Z the pen goes on from where the closed subpath began, in a subpath of its own.
  auto afterClose = vmhost::Children(vmhost::FindArtById("r"));
  ASSERT_EQ(afterClose.size(), 2u);
  EXPECT_EQ(vmhost::Segments(afterClose[0]).size(), 3u);
  const auto open = vmhost::Segments(afterClose[1]);
  ASSERT_EQ(open.size(), 3u);
  EXPECT_EQ(open[0].p.h, 0);
  EXPECT_EQ(open[2].p.h, 5);
  EXPECT_EQ(open[2].p.v, -10);
  int32_t isClosed = 1;
  kPathSuite.GetPathClosed(afterClose[1], &isClosed);
  EXPECT_EQ(isClosed, 0);
  std::remove(path.c_str());
}

TEST_F(SvgDocumentTest, ASaveThatCannotBeCompletedLeavesTheOldFileAsItWas) {
  BuildDocument();
  const std::string path = TempPath("kept.svg");
  WriteFile(path, "the old drawing\n");
  chmod(path.c_str(), 0640);
  // A full disk: no file may grow past 64 bytes.
  std::string error;
  const bool saved = WithFileSizeLimit(64, [&] { return vmhost::SaveDocument(doc, path, &error); });
  EXPECT_FALSE(saved);
  EXPECT_NE(error.find(path + ": cannot be written"), std::string::npos) << error;
  EXPECT_EQ(ReadFile(path), "the old drawing\n");
  // A folder where the file would go stays a folder.
  const std::string folder = TempPath("folder.svg");
  std::filesystem::create_directory(folder);
  EXPECT_FALSE(vmhost::SaveDocument(doc, folder, &error));
  EXPECT_NE(error.find("it is a folder"), std::string::npos) << error;
  EXPECT_TRUE(std::filesystem::is_directory(folder));
  std::filesystem::remove(folder);
  // Nothing half-written is left beside the file; with room, the new drawing takes its place.
  const std::string name = path.substr(path.rfind('/') + 1);
  for (const auto& entry : std::filesystem::directory_iterator(::testing::TempDir()))
    EXPECT_NE(entry.path().filename().string().rfind("." + name, 0), 0u) << entry.path();
  ASSERT_TRUE(vmhost::SaveDocument(doc, path, &error)) << error;
  EXPECT_NE(ReadFile(path).find("<svg"), std::string::npos);
  struct stat mode {};
  stat(path.c_str(), &mode);
  EXPECT_EQ(mode.st_mode & 0777, 0640u);
  std::remove(path.c_str());
}

TEST_F(SvgDocumentTest, BadFilesGiveAClearErrorAndNoDocument) {
  const std::pair<const char*, const char*> cases[] = {
      {"<svg><g>", "line 1: not well-formed XML"},
      {"<html/>", "the root element is not <svg>"},
      {"<svg>\n<path id='p' vm:segments='1 2 3'/></svg>", "line 2: broken vm:segments (id 'p')"},
      {"<svg><path d='M 0 0 L 5'/></svg>", "broken path data"},
      {"<svg><path d='M 0 0 B 1 1 0 0 0 5 5'/></svg>", "unsupported path command 'B'"},
      {"<svg><path d='L 1 1'/></svg>", "must start with M"},
      {"<svg><path d=''/></svg>", "a path without data"},
      {"<svg><g vm:tag.k='%G1'/></svg>", "bad value of tag 'k'"},
      {"<svg><g vm:state='shiny'/></svg>", "unknown state 'shiny'"},
      {"<svg><g vm:tag.a-2D='1' vm:tag.a-2d='2'/></svg>", "tag 'a-' given twice"},
      // The first fault in the file's order is told.
      {"<svg><g vm:tag.c='1' vm:tag.b='2' vm:tag.y='3' vm:tag.c-2E='4' vm:tag.c='5' vm:tag.y='6' vm:tag.b='7' "
       "vm:tag.k='%G1'/></svg>",
       "tag 'c' given twice"},
      {"<svg><g vm:tag.b='1' vm:tag.k='%G1' vm:tag.b='2'/></svg>", "bad value of tag 'k'"},
      {"<svg><g><g vm:type='layer'/></g></svg>", "a layer inside art"},
      {"<svg><path vm:style='1 gray' vm:segments=''/></svg>", "bad colour"},
      {"<svg><text vm:chars='0 1 0 1'/></svg>", "bad vm:chars"},
      {"<svg><path vm:segments='nan 0 0 0 0 0 1'/></svg>", "broken vm:segments"},
      {"<svg><path vm:segments='0 0 0 0 0 0 1e300'/></svg>", "bad vm:segments"},
      {"<svg><path vm:style='1 none 0 none 1 4 1e9 0 0' vm:segments=''/></svg>", "bad vm:style"},
      {"<svg><text vm:chars='12 1 inf 1'/></svg>", "bad vm:chars"},
      {"<svg><text vm:para='-40000 0 0'/></svg>", "bad vm:para"},
      {"<svg vm:zoom='inf'/>", "bad vm:zoom"},
  };
  std::string path = TempPath("bad.svg");
  for (auto [content, expected] : cases) {
    WriteFile(path, content);
    std::string error;
    EXPECT_EQ(vmhost::OpenDocument(path, &error), nullptr) << content;
    EXPECT_NE(error.find(expected), std::string::npos) << content << " gave: " << error;
    EXPECT_EQ(vmhost::CurrentDocument(), doc);
  }
  std::string deep = "<svg>";
  for (int i = 0; i < 100000; i++) deep += "<g>";
  for (int i = 0; i < 100000; i++) deep += "</g>";
  WriteFile(path, deep + "</svg>");
  std::string error;
  EXPECT_EQ(vmhost::OpenDocument(path, &error), nullptr);
  EXPECT_NE(error.find("nested more than"), std::string::npos) << error;
  EXPECT_EQ(vmhost::OpenDocument(path + ".missing", &error), nullptr);
  EXPECT_NE(error.find("cannot be opened"), std::string::npos);
  std::remove(path.c_str());
}

}  // namespace
