// A file's text is looked at a stretch of bytes at a time and read where it
// lies: whatever stands at any place of a line, at the file's very end, or in
// a file that comes down a pipe, is seen and named by its line; a file's tags
// and the host's own segments are read as they stand, blanks to spare or not.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <thread>
#include <tuple>
#include <vector>

#include "support/host_fixture.h"
#include "svg_encoding.h"
#include "svg_test_files.h"

using namespace vmtest;

namespace {

constexpr const char* kOpen = "<svg xmlns='http://www.w3.org/2000/svg'>\n";

class SvgTextCheckedTest : public HostTest {
 protected:
  // The document the file holds, or null with the fault.
  DocumentHandle Open(const std::string& text, std::string* error) {
    const std::string path = ScratchPath("checked.svg");
    WriteWholeText(path, text);
    DocumentHandle read = vmhost::OpenDocument(path, error);
    std::remove(path.c_str());
    return read;
  }
  // The fault after the file's name, or "" when the file was read.
  std::string FaultOf(const std::string& text) {
    std::string error;
    if (Open(text, &error) != nullptr) return "";
    return error.substr(error.find(": ") + 2);
  }
};

struct Odd {
  const char* bytes;
  const char* fault;  // "" where XML takes them
};

const Odd kOdds[] = {
    {"\x01", "a character XML does not allow (U+0001)"},
    {"\x1b[0m", "a character XML does not allow (U+001B)"},
    {"&#1;", "a character XML does not allow (U+0001)"},
    {"&#x1b;", "a character XML does not allow (U+001B)"},
    {"\xef\xbf\xbe", "a character XML does not allow (U+FFFE)"},
    {"caf\xe9", "bytes that are not UTF-8 text"},
    {"\x80", "bytes that are not UTF-8 text"},
    {"\xc0\xaf", "bytes that are not UTF-8 text"},
    {"caf\xc3\xa9", ""},
    {"\xe5\x89\x8d\xe8\xba\xab\xe9\xa0\x83", ""},
    {"\xf0\x9f\x98\x80", ""},
    {"&#65;&#x42;&amp;&quot;", ""},
    {"a\tb\r\n", ""},
    {"&#00000000000000001;", "a character XML does not allow (U+0001)"},
    {"&#x000000000FFFE;", "a character XML does not allow (U+FFFE)"},
    {"<!--&#1;--><![CDATA[&#x1b;]]>", ""},
    {"&#x100000041;", "a character XML does not allow (U+110000)"},
};

// A long line is looked at in stretches: what stands at any place of it, across the edge of two
// stretches too, is seen, and named by its line.
TEST_F(SvgTextCheckedTest, WhatXmlCannotTakeIsSeenAtEveryPlaceOfALongLine) {
  for (const Odd& odd : kOdds) {
    for (size_t place = 0; place < 300; ++place) {
      const std::string line = std::string(place, 'x') + odd.bytes + std::string(300 - place, 'y');
      const std::string text = std::string(kOpen) + "<desc>\n" + line + "</desc>\n</svg>\n";
      const std::string fault = FaultOf(text);
      if (*odd.fault == '\0') {
        EXPECT_EQ(fault, "") << odd.bytes << " at " << place;
      } else {
        EXPECT_EQ(fault, std::string("line 3: ") + odd.fault) << odd.bytes << " at " << place;
      }
      if (HasFailure()) return;
    }
  }
}

// The last stretch of a file is read to its last byte, whatever the file's size.
TEST_F(SvgTextCheckedTest, TheLastByteOfAFileOfAnySizeIsLookedAt) {
  const std::string body = std::string(kOpen) + "<path d='M0 0 L 1 1'/>\n</svg>\n";
  for (size_t size = body.size() + 1; size < body.size() + 400; ++size) {
    const std::string text = body + std::string(size - body.size() - 1, ' ');
    EXPECT_EQ(FaultOf(text + "\x01"), "line 4: a character XML does not allow (U+0001)") << size;
    EXPECT_EQ(FaultOf(text + "\xc3"), "line 4: bytes that are not UTF-8 text") << size;
    EXPECT_EQ(FaultOf(text + "\n"), "") << size;
    if (HasFailure()) return;
  }
}

// A large file is checked a piece at a time as it is read: what stands across the edge of two
// pieces, or just before or after it, is seen as in one piece, and lines are counted across it.
TEST_F(SvgTextCheckedTest, WhatStandsAtTheEdgeOfTwoPiecesOfALargeFileIsSeen) {
  const std::string head = std::string(kOpen) + "<desc>\n";
  std::string lines;  // beyond the first piece, in lines of 99 bytes
  while (lines.size() < 600'000) lines += std::string(98, 'x') + "\n";
  for (const Odd& odd : {kOdds[0], kOdds[3], kOdds[4], kOdds[5], kOdds[9], kOdds[10], kOdds[11]}) {
    for (size_t edge : {size_t{1} << 19}) {
      for (size_t place = edge - 24; place < edge + 8; ++place) {
        std::string text = head + lines;
        const size_t at = place - head.size();
        text.replace(place, std::strlen(odd.bytes), odd.bytes);
        text += "</desc>\n</svg>\n";
        const std::string line = "line " + std::to_string(3 + at / 99) + ": ";
        const std::string fault = FaultOf(text);
        if (*odd.fault == '\0')
          EXPECT_EQ(fault, "") << odd.bytes << " at " << place;
        else
          EXPECT_EQ(fault, line + odd.fault) << odd.bytes << " at " << place;
        if (HasFailure()) return;
      }
    }
  }
  // Text of many characters of three bytes, across the edge at every place: a character that
  // a piece ends in the middle of is looked at only when its next piece has come.
  for (size_t shift = 0; shift < 130; ++shift) {
    std::string text = head + lines.substr(0, (size_t{1} << 19) - 3000 + shift);
    for (int i = 0; i < 2000; ++i) text += "\xe5\x89\x8d";
    text += lines.substr(0, 100'000) + "</desc>\n</svg>\n";
    EXPECT_EQ(FaultOf(text), "") << shift;
    if (HasFailure()) return;
  }
  // Lines are counted across every piece: a fault the parser finds far beyond the first is named
  // by its own line.
  std::string text = head + lines;
  text.insert(head.size() + 99 * 6000, "</wrong>");
  EXPECT_EQ(FaultOf(text + "</desc>\n</svg>\n").rfind("line 6003: not well-formed XML", 0), 0u)
      << FaultOf(text + "</desc>\n</svg>\n");
}

// A file in another encoding is converted whole before it is looked at, however many pieces it
// is read in.
TEST_F(SvgTextCheckedTest, AFileOfAnotherEncodingIsConvertedWhateverItsLength) {
  for (size_t padding : {size_t{0}, size_t{300}, size_t{700'000}}) {
    const std::string latin1 = "<?xml version='1.0' encoding='ISO-8859-1'?>\n" + std::string(kOpen) + "<desc>" +
                               std::string(padding, 'x') + "</desc>\n<text id='t'>caf\xe9</text>\n</svg>\n";
    std::string error;
    ASSERT_NE(Open(latin1, &error), nullptr) << padding << ": " << error;
    EXPECT_EQ(vmhost::Text(vmhost::FindArtById("t")), "caf\xc3\xa9") << padding;
    // The declaration is read to its end, however long.
    const std::string declared = "<?xml version='1.0'" + std::string(padding, ' ') + latin1.substr(19);
    ASSERT_NE(Open(declared, &error), nullptr) << padding << ": " << error;
    EXPECT_EQ(vmhost::Text(vmhost::FindArtById("t")), "caf\xc3\xa9") << padding;
    // UTF-16 and UTF-32, with a byte-order mark or without.
    const std::tuple<int, bool, bool> forms[] = {{2, false, true}, {4, false, true}, {4, true, true}, {4, false, false},
                                                 {4, true, false}};  // width, big-endian, byte-order mark
    const std::string body = latin1.substr(latin1.find('\n') + 1);
    for (const auto& [width, big, mark] : forms) {
      std::string text;
      for (size_t i = mark ? 0 : 1; i <= body.size(); ++i) {
        const unsigned c = i == 0 ? 0xFEFF : static_cast<unsigned char>(body[i - 1]);
        for (int b = 0; b < width; ++b) text += static_cast<char>(c >> 8 * (big ? width - 1 - b : b));
      }
      ASSERT_NE(Open(text, &error), nullptr) << padding << ": " << error;
      EXPECT_EQ(vmhost::Text(vmhost::FindArtById("t")), "caf\xc3\xa9") << padding;
    }
  }
}

// Pieces of a text looked at as they come find what the whole text gives, and the same line
// breaks, wherever a piece ends: in a character, in a reference, or just before either.
TEST(DocumentTextCheckTest, PiecesLookedAtAsTheyComeGiveWhatTheWholeTextGives) {
  for (const Odd& odd : kOdds) {
    for (size_t cut = 200; cut < 460; cut += 3) {
      for (size_t place = cut - 24; place < cut + 4; ++place) {
        std::string text(600, 'x');
        for (size_t at = 37; at < text.size(); at += 61) text[at] = '\n';
        text.replace(place, std::strlen(odd.bytes), odd.bytes);
        auto check = [&](bool inPieces, LineBreaks* breaks, size_t* line, std::string* why) {
          ParserBytes bytes;
          bytes.Assign(text);
          DocumentTextCheck check(breaks);
          if (inPieces)  // reading stops at the first piece found to hold a fault
            for (size_t read : {cut, cut + 1})
              if (!check.Read(std::string_view(text).substr(0, read))) {
                bytes.Assign(std::string_view(text).substr(0, read));
                break;
              }
          return check.Finish(&bytes, line, why);
        };
        LineBreaks wholeBreaks, pieceBreaks;
        size_t wholeLine = 0, pieceLine = 0;
        std::string wholeWhy, pieceWhy;
        const bool whole = check(false, &wholeBreaks, &wholeLine, &wholeWhy);
        const bool pieces = check(true, &pieceBreaks, &pieceLine, &pieceWhy);
        EXPECT_EQ(whole, *odd.fault == '\0') << odd.bytes << " at " << place;
        EXPECT_EQ(pieces, whole) << odd.bytes << " at " << place << ", cut at " << cut;
        EXPECT_EQ(pieceLine, wholeLine) << odd.bytes << " at " << place << ", cut at " << cut;
        EXPECT_EQ(pieceWhy, wholeWhy) << odd.bytes << " at " << place << ", cut at " << cut;
        if (whole) {
          EXPECT_EQ(pieceBreaks.at, wholeBreaks.at) << odd.bytes << " at " << place << ", cut at " << cut;
        }
        if (HasFailure()) return;
      }
    }
  }
}

// A reference's digits may run over many pieces: their value is kept from one to the next.
TEST(DocumentTextCheckTest, AReferenceOfAnyLengthIsCheckedAcrossThePieces) {
  const std::string text = "<a>&#x" + std::string(1000, '0') + "110041;" + std::string(300, 'x');
  for (size_t cut = 150; cut < 300; ++cut) {
    ParserBytes bytes;
    bytes.Assign(text);
    DocumentTextCheck check(nullptr);
    for (size_t read = cut; read < text.size(); read += 150) check.Read(std::string_view(text).substr(0, read));
    size_t line = 0;
    std::string why;
    EXPECT_FALSE(check.Finish(&bytes, &line, &why));
    EXPECT_EQ(why, "a character XML does not allow (U+110000)") << cut;
  }
}

// A reference in a comment, a CDATA section or an instruction is text; in a tag, a document type
// or after any of them it is read.
TEST_F(SvgTextCheckedTest, AReferenceIsTextOnlyInACommentACdataSectionOrAnInstruction) {
  const std::string svg = "<svg xmlns='http://www.w3.org/2000/svg'>";
  for (auto [text, read] : std::initializer_list<std::pair<std::string, bool>>{
           {"<?pi &#1;?><!DOCTYPE svg [<!-- &#1; --><!ENTITY a '&#65;'>]>" + svg + "</svg>", true},
           {"<!DOCTYPE svg [<!ENTITY a '&#1;'>]>" + svg + "</svg>", false},
           {"<!DOCTYPE svg [<!ENTITY a '-->'>]>" + svg + "&#1;</svg>", false},
           {svg + "<desc title='><!--'>&#1; --></desc></svg>", false},
           {svg + "<desc><![CDATA[<!--]]>&#1; --></desc></svg>", false},
           {svg + "<!-- <![CDATA[ -->&#1;<desc>]]></desc></svg>", false}})
    EXPECT_EQ(FaultOf(text), read ? "" : "line 1: a character XML does not allow (U+0001)") << text;
}

// Lines of any length, breaks at any place of a stretch: a fault is named by its own line, both
// a character XML cannot take and XML that is not well-formed.
TEST_F(SvgTextCheckedTest, EveryLineBreakIsCountedWhereverItStands) {
  std::mt19937 random(20261207);
  for (int file = 0; file < 60; ++file) {
    std::vector<std::string> lines;
    const int count = 2 + static_cast<int>(random() % 200);
    for (int i = 0; i < count; ++i) {
      std::string line(random() % 300, 'x');
      for (char& c : line) c = static_cast<char>('a' + random() % 26);
      lines.push_back(line);
    }
    const size_t at = random() % lines.size();
    for (const char* fault : {"\x02", "</wrong>"}) {
      std::string text = std::string(kOpen) + "<desc>\n";
      for (size_t i = 0; i < lines.size(); ++i) {
        if (i == at) text += fault;
        text += lines[i] + "\n";
      }
      text += "</desc>\n</svg>\n";
      const std::string expected = "line " + std::to_string(at + 3) + ": ";
      EXPECT_EQ(FaultOf(text).rfind(expected, 0), 0u) << "file " << file << ": " << FaultOf(text);
    }
  }
}

// A file that comes down a pipe is read to its end, however long it is.
TEST_F(SvgTextCheckedTest, AFileFromAPipeIsReadWhole) {
  std::string text = kOpen;
  for (int i = 0; i < 4000; ++i)
    text += "<path id='p" + std::to_string(i) + "' vm:segments='  " + std::to_string(i) +
            " 0  0 0 0 0 1 ;  1 2 1 2 1 2  0 ' vm:tag.n='" + std::to_string(i) + "'/>\n";
  text += "</svg>\n";
  ASSERT_GT(text.size(), 4 * 65536u);
  const std::string fifo = ScratchPath("pipe.svg");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::thread writer([&] {
    FILE* f = std::fopen(fifo.c_str(), "wb");
    for (size_t at = 0; at < text.size(); at += 7777) {
      std::fwrite(text.data() + at, 1, std::min<size_t>(7777, text.size() - at), f);
      std::fflush(f);
    }
    std::fclose(f);
  });
  std::string error;
  DocumentHandle read = vmhost::OpenDocument(fifo, &error);
  writer.join();
  std::remove(fifo.c_str());
  ASSERT_NE(read, nullptr) << error;
  ArtHandle last = vmhost::FindArtById("p3999");
  ASSERT_NE(last, nullptr);
  EXPECT_EQ(vmhost::Tag(last, "n"), "3999");
  const std::vector<PathSegment> segments = vmhost::Segments(last);
  ASSERT_EQ(segments.size(), 2u);
  EXPECT_EQ(segments[0].p.h, 3999);
  EXPECT_EQ(segments[1].out.v, 2);
  EXPECT_EQ(segments[1].corner, 0);
}

TEST_F(SvgTextCheckedTest, AFolderIsNoDocument) {
  const std::string folder = ScratchPath("folder.svg");
  ASSERT_EQ(mkdir(folder.c_str(), 0700), 0);
  std::string error;
  EXPECT_EQ(vmhost::OpenDocument(folder, &error), nullptr);
  EXPECT_EQ(error, folder + ": cannot be read");
  rmdir(folder.c_str());
}

// The host's own segments, as a hand may have edited them.
TEST_F(SvgTextCheckedTest, OwnSegmentsAreReadWithBlanksToSpareAndNothingElse) {
  const struct {
    const char* segments;
    size_t count;  // or broken when 99
  } cases[] = {
      {"", 0},
      {"1 2 3 4 5 6 1", 1},
      {"  1  2 3 4 5 6   1  ", 1},
      {"1 2 3 4 5 6 1;1 2 3 4 5 6 0", 2},
      {"1 2 3 4 5 6 1 ; 1 2 3 4 5 6 0", 2},
      {"+1 2 3 4 5 -6 1e0", 1},
      {"1 2 3 4 5 6 1;", 99},
      {"1 2 3 4 5 6 1;;1 2 3 4 5 6 1", 99},
      {";1 2 3 4 5 6 1", 99},
      {"1 2 3 4 5 6", 99},
      {"1 2 3 4 5 6 1 7", 99},
      {"1 2 3 4 5 6x 1", 99},
      {"1,2 3 4 5 6 1", 99},
      {"1 2 3 4 5 6 1-2", 99},
      {"1-2 3 4 5 6 1", 99},
      {"1 2 3 4 5 6+1", 99},
      {"1 2 3 4 5 inf 1", 99},
      {"1 2 3 4 5 6 99999", 99},
  };
  for (const auto& c : cases) {
    const std::string text = std::string(kOpen) + "<path id='p' vm:segments='" + c.segments + "'/>\n</svg>\n";
    std::string error;
    DocumentHandle read = Open(text, &error);
    if (c.count == 99) {
      EXPECT_EQ(read, nullptr) << c.segments;
      EXPECT_NE(error.find("line 2: "), std::string::npos) << c.segments << ": " << error;
      EXPECT_NE(error.find("vm:segments (id 'p')"), std::string::npos) << c.segments << ": " << error;
      continue;
    }
    ASSERT_NE(read, nullptr) << c.segments << ": " << error;
    const std::vector<PathSegment> segments = vmhost::Segments(vmhost::FindArtById("p"));
    ASSERT_EQ(segments.size(), c.count) << c.segments;
    if (c.count > 0) {
      EXPECT_EQ(segments[0].p.h, 1);
      EXPECT_EQ(segments[0].out.v, c.segments[0] == '+' ? -6 : 6);
      EXPECT_EQ(segments[0].corner, 1);
    }
  }
}

// Tags are decoded where they go: a name or value with codes at its start, middle or end, or
// with none; names among hundreds found given twice, the first in the file's order told.
TEST_F(SvgTextCheckedTest, TagsAreDecodedAndNamesGivenTwiceFoundAmongHundreds) {
  const std::string text = std::string(kOpen) +
                           "<g id='g' vm:tag.plain='value' vm:tag.-41b-2Ec='%25%25DISTANCE%25%25' "
                           "vm:tag.ab-41='%41' vm:tag.empty='' vm:tag.tail='x%0A'/>\n</svg>\n";
  std::string error;
  ASSERT_NE(Open(text, &error), nullptr) << error;
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"plain", "value"}, {"Ab.c", "%%DISTANCE%%"}, {"abA", "A"}, {"empty", ""}, {"tail", "x\n"}};
  EXPECT_EQ(vmhost::Tags(vmhost::FindArtById("g")), expected);
  // A tag larger than the room the tags of a file are made in, among small ones.
  const std::string large(300'000, 'v');
  ASSERT_NE(Open(std::string(kOpen) + "<g id='g' vm:tag.a='1' vm:tag.large='" + large + "' vm:tag.b='2'/>\n</svg>\n",
                 &error),
            nullptr)
      << error;
  const std::vector<std::pair<std::string, std::string>> around = {{"a", "1"}, {"large", large}, {"b", "2"}};
  EXPECT_EQ(vmhost::Tags(vmhost::FindArtById("g")), around);
  for (auto [tags, fault] : {std::pair{"vm:tag.='1'", "bad tag name 'vm:tag.'"},
                             std::pair{"vm:tag.a-4='1'", "bad tag name 'vm:tag.a-4'"},
                             std::pair{"vm:tag.a-GG='1'", "bad tag name 'vm:tag.a-GG'"},
                             std::pair{"vm:tag.k='%4'", "bad value of tag 'k'"},
                             std::pair{"vm:tag.k-2E='x%'", "bad value of tag 'k.'"},
                             std::pair{"vm:tag.a='1' vm:tag.b='2' vm:tag.a='3'", "tag 'a' given twice"},
                             std::pair{"vm:tag.a='1' vm:tag.a='2' vm:tag.k='%G1'", "tag 'a' given twice"},
                             std::pair{"vm:tag.a='1' vm:tag.k='%G1' vm:tag.a='2'", "bad value of tag 'k'"}})
    EXPECT_EQ(FaultOf(std::string(kOpen) + "<g id='g' " + tags + "/>\n</svg>\n"),
              std::string("line 2: ") + fault + " (id 'g')");

  std::mt19937 random(31);
  for (int file = 0; file < 60; ++file) {
    std::vector<std::string> names;
    for (int i = 0; i < 300; ++i) {
      std::string name = "vmk_grading_" + std::to_string(random() % 100000);
      if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
    }
    const size_t first = random() % (names.size() - 1);
    const size_t again = first + 1 + random() % (names.size() - first - 1);
    std::string tags, once;
    for (size_t i = 0; i < names.size(); ++i) {
      const std::string tag = " vm:tag." + names[i] + "='" + std::to_string(i) + "'";
      tags += tag;
      once += tag;
      if (i == again) tags += " vm:tag." + names[first] + "='again'";
    }
    const std::string fault = FaultOf(std::string(kOpen) + "<g id='g'" + tags + "/>\n</svg>\n");
    EXPECT_EQ(fault, "line 2: tag '" + names[first] + "' given twice (id 'g')") << "file " << file;
    std::string error;
    ASSERT_NE(Open(std::string(kOpen) + "<g id='g'" + once + "/>\n</svg>\n", &error), nullptr) << error;
    EXPECT_EQ(vmhost::Tags(vmhost::FindArtById("g")).size(), names.size());
  }
}

}  // namespace
