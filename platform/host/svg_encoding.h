// The characters of a document file, as XML reads them: UTF-8, UTF-16 or UTF-32
// with or without a byte-order mark, or the encoding its declaration names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "svg_file_bytes.h"

// The line breaks of a text, to name the line of a place in it.
struct LineBreaks {
  std::vector<size_t> at;  // offsets of '\n', ascending
  // The line (from 1) of the byte at `offset`.
  size_t LineOf(size_t offset) const;
};

// Where the text of a file starts and the encoding iconv reads it in; no name for UTF-8.
struct SourceEncoding {
  std::string name;
  size_t from = 0;
};

// Where the look at a text stands.
struct TextLook {
  size_t at = 0;  // where the next look starts
  // A reference at `at` whose digits run on beyond the bytes read so far: where they stop, and
  // their value so far.
  size_t digitsTo = 0;
  uint32_t value = 0;
  // The markup around a reference XML cannot take (in a comment, a CDATA section or an
  // instruction it is text), walked only when one is met.
  size_t walked = 0;
  uint8_t markup = 0;
  char quote = 0;
};

// A file's bytes made UTF-8 and checked as they come: UTF-8 text a piece at a time as it is
// read, while it is fresh in the cache; text of another encoding converted whole when all is
// read (UTF-16 or UTF-32 with or without a byte-order mark, or the encoding its declaration
// names).
class DocumentTextCheck {
 public:
  // `breaks` gets the line breaks of the text.
  explicit DocumentTextCheck(LineBreaks* breaks);
  // The bytes read so far; false once they hold a fault, where reading may stop.
  bool Read(std::string_view bytes);
  // All the bytes, made UTF-8 in their place (a UTF-8 byte-order mark is left at the start, for
  // the parser steps over it). False, with the line (from 1) and what is wrong, for bytes that
  // are not characters of the file's encoding, an encoding that is not known, and characters
  // that XML does not allow (control characters, also when written as a reference such as
  // "&#1;"). After a fault Read found, the bytes may be only those read up to it.
  bool Finish(ParserBytes* text, size_t* line, std::string* why);

 private:
  bool known_ = false;  // the encoding, once the start of the file tells it
  size_t declarationSearched_ = 0;  // how far the end of the XML declaration was looked for
  SourceEncoding encoding_;
  TextLook look_;
  LineBreaks* breaks_;
};
