// A value goes into its field as the format writes it: TAB as \t, a line
// break (CR LF, a lone CR or LF, LF CR) as \r\n, a double quote as \", a
// double-byte character and every other byte as they are, so that every reader
// of the format reads a line break as a line break. Only where the format
// cannot carry a value at all does one byte go as "\n" and two hexadecimal
// digits, which a reader that does not know them reads as the bare digits: a
// backslash before t, r or n (it would be read as an escape) or at the end
// (it would eat the closing quote), and a lead byte at the end or before a
// line break (it would take the quote, or the backslash of the escape).
#include "store/variables_csv.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "common/plugin_globals.h"
#include "store/damaged_file_notice.h"
#include "store/text_fields.h"
#include "store/text_file_io.h"

namespace {

// Longest line the writer makes (every byte of owner, name and value as a
// four-byte escape) and so the most the reader takes of one line.
constexpr size_t kLineLimit = 4 * (kVarValueSize + 2 * kVarNameSize) + 64;

bool IsLead(char c) { return IsShiftJisLeadByte(static_cast<unsigned char>(c)) != 0; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }

void AppendByteEscape(std::string* out, char c) {
  char text[5];
  std::snprintf(text, sizeof text, "\\n%02X", static_cast<unsigned char>(c));
  out->append(text);
}

void AppendEscaped(std::string* out, const char* text) {
  for (const char* p = text; *p != '\0'; ++p) {
    if (IsLead(*p)) {
      if (p[1] != '\0' && !IsLineEnd(p[1])) {
        out->append(p, 2);
        ++p;
      } else {
        AppendByteEscape(out, *p);
      }
      continue;
    }
    switch (*p) {
      case '\t':
        out->append("\\t");
        break;
      case '\r':
      case '\n':
        // A CR LF or LF CR pair is one line break.
        out->append("\\r\\n");
        if (IsLineEnd(p[1]) && p[1] != p[0]) ++p;
        break;
      case '"':
        out->append("\\\"");
        break;
      case '\\':
        if (p[1] == '\0' || p[1] == 't' || p[1] == 'r' || p[1] == 'n') {
          AppendByteEscape(out, *p);
        } else {
          out->push_back(*p);
        }
        break;
      default:
        out->push_back(*p);
        break;
    }
  }
}

void AppendQuoted(std::string* out, const char* text) {
  out->push_back('"');
  AppendEscaped(out, text);
  out->push_back('"');
}

// A name goes into its line bare; only one that would not read back bare
// (blanks dropped, separators, quotes, line breaks, escapes, a lead byte
// taking the comma after it) is quoted and escaped.
void AppendName(std::string* out, const char* name) {
  for (const char* p = name; *p != '\0'; ++p) {
    if (IsLead(*p)) {
      if (p[1] == '\0' || IsLineEnd(p[1])) return AppendQuoted(out, name);
      ++p;
    } else if (std::strchr(" \t\r\n,=\"", *p) != nullptr ||
               (*p == '\\' && p[1] != '\0' && std::strchr("trn\"", p[1]) != nullptr)) {
      return AppendQuoted(out, name);
    }
  }
  out->append(name);
}

const char* OwnerOfRow(const PluginGlobals& g, int row) {
  return g.varTitlesValid != 0 ? g.variables.varTitles[row] : g.grading_title;
}

bool IsTableEnd(const VariableTable& table, int row) {
  return table.varNames[row][0] == '\0' && table.varTitles[row][0] == '\0';
}

// One line as the field splitter wants it: TAB dropped, blanks outside quotes
// dropped, a lead byte kept with the byte after it, and \" kept without
// changing the quoting. A line that held a NUL or left a quote open is not
// whole; one longer than the limit is cut.
struct CleanedLine {
  std::string text;
  bool whole = true;
  bool cut = false;
};

CleanedLine CleanLine(const char* begin, const char* end) {
  CleanedLine line;
  std::string& text = line.text;
  bool quoted = false;
  for (const char* p = begin; p < end; ++p) {
    const char ch = *p;
    if ((IsLead(ch) && p + 1 < end) || (ch == '\\' && p + 1 < end && p[1] == '"')) {
      if (text.size() + 2 <= kLineLimit) text.append(p, 2);
      else line.cut = true;
      ++p;
    } else if (ch == '\0') {
      line.whole = false;
    } else if (ch == '\t' || (ch == ' ' && !quoted)) {
    } else {
      if (ch == '"') quoted = !quoted;
      if (text.size() < kLineLimit) text.push_back(ch);
      else line.cut = true;
    }
  }
  if (quoted) line.whole = false;
  return line;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

constexpr int kCsvFields = 4;

// Splits a cleaned line at '=' or ',' outside quotes, drops the quotes and
// decodes the escapes: \" a double quote, \t a TAB, \r a CR LF pair, \n right
// after \r nothing, any other \n with two hexadecimal digits that byte (else
// nothing). Each field is cut at a whole character to its limit. Returns the
// number of fields and whether any was cut.
int SplitLine(const std::string& line, std::string (&fields)[kCsvFields], const size_t (&limits)[kCsvFields],
              bool* cut) {
  int index = 0;
  bool quoted = false;
  bool full[kCsvFields] = {};
  bool afterCr = false;
  auto put = [&](const char* bytes, size_t n) {
    std::string& field = fields[index];
    if (field.size() + n > limits[index]) full[index] = true;
    if (!full[index]) field.append(bytes, n);
  };
  for (const char* p = line.c_str(); *p != '\0';) {
    const bool wasAfterCr = afterCr;
    afterCr = false;
    if (IsLead(*p) && p[1] != '\0') {
      put(p, 2);
      p += 2;
    } else if (*p == '\\' && p[1] == '"') {
      put("\"", 1);
      p += 2;
    } else if (*p == '\\' && p[1] == 't') {
      put("\t", 1);
      p += 2;
    } else if (*p == '\\' && p[1] == 'r') {
      put("\r\n", 2);
      afterCr = true;
      p += 2;
    } else if (*p == '\\' && p[1] == 'n') {
      p += 2;
      if (wasAfterCr) continue;
      const int high = HexDigit(p[0]);
      const int low = high >= 0 ? HexDigit(p[1]) : -1;
      if (low < 0) continue;
      const char byte = static_cast<char>(high * 16 + low);
      put(&byte, 1);
      p += 2;
    } else if (*p == '"') {
      quoted = !quoted;
      ++p;
    } else if (!quoted && (*p == ',' || *p == '=')) {
      if (index == kCsvFields - 1) return kCsvFields + 1;
      ++index;
      ++p;
    } else {
      put(p, 1);
      ++p;
    }
  }
  *cut = full[0] || full[1] || full[3];
  return index + 1;
}

// Every line break of a value as the CR LF pair its field writes it as, so
// that a value read is written and read again the same.
std::string WithPairedLineBreaks(const std::string& value) {
  std::string out;
  for (size_t i = 0; i < value.size(); ++i) {
    if (!IsLineEnd(value[i])) {
      out.push_back(value[i]);
      continue;
    }
    out.append("\r\n");
    if (i + 1 < value.size() && IsLineEnd(value[i + 1]) && value[i + 1] != value[i]) ++i;
  }
  return out;
}

// False when the line was not understood whole; such a line changes no value,
// unless all it lost is the part of its value the table has no room for.
bool ApplyLine(PluginGlobals* g, const CleanedLine& line) {
  std::string fields[kCsvFields];
  const size_t limits[kCsvFields] = {kVarNameSize - 1, kVarNameSize - 1, kVarNameSize - 1, kVarValueSize - 1};
  bool cut = false;
  const int count = SplitLine(line.text, fields, limits, &cut);
  const std::string& owner = fields[0];
  const std::string& name = fields[1];
  if (!line.whole || count != kCsvFields || owner.empty() || name.empty()) return false;
  const std::string value = WithPairedLineBreaks(fields[3]);
  VariableTable& table = g->variables;
  for (int row = 0; row < kMaxVariables && !IsTableEnd(table, row); ++row) {
    if (name != table.varNames[row] || owner != OwnerOfRow(*g, row)) continue;
    CopyTextCutValidTrail(table.varValues[row], kVarValueSize, value.c_str());
  }
  return !cut && !line.cut && value.size() < kVarValueSize;
}

}  // namespace

int WriteVariablesCsv(const char* path) {
  PluginGlobals* g = gPlugin;
  if (g == nullptr || g->variables.varNames == nullptr || path == nullptr) return 0;
  // The file is written beside the old one and takes its place when whole.
  TextFileOutput out;
  if (!BeginTextFileOutput(&out, path)) return 0;
  const VariableTable& table = g->variables;
  std::string line;
  for (int row = 0; row < kMaxVariables && !IsTableEnd(table, row); ++row) {
    line.clear();
    // The owner title is quoted so that its blanks stay.
    AppendQuoted(&line, OwnerOfRow(*g, row));
    line.push_back(',');
    AppendName(&line, table.varNames[row]);
    char flag[16];
    std::snprintf(flag, sizeof flag, ",%d,", table.varPrivate[row] != 0 ? 1 : 0);
    line.append(flag);
    AppendQuoted(&line, table.varValues[row]);
    line.append("\r\n");
    WriteTextFileBytes(&out, line.data(), line.size());
  }
  return FinishTextFileOutput(&out);
}

void ReadVariablesCsv(const char* path) {
  PluginGlobals* g = gPlugin;
  if (g == nullptr || g->variables.varNames == nullptr || path == nullptr) return;
  TextFileRead file;
  if (!ReadTextFile(path, &file)) return;
  FileDamage damage{};
  const char* p = file.text;
  const char* end = file.text + file.length;
  // Lines end at LF, CR or CR LF, as the program that saved the file writes them.
  for (int number = 1; p < end; ++number) {
    const char* lineEnd = p;
    while (lineEnd < end && !IsLineEnd(*lineEnd)) ++lineEnd;
    const CleanedLine line = CleanLine(p, lineEnd);
    const bool skipped = line.whole && (line.text.empty() || line.text[0] == '\'');
    if (!skipped && !ApplyLine(g, line)) NoteDamagedLine(&damage, number);
    p = lineEnd;
    if (p < end && *p == '\r' && p + 1 < end && p[1] == '\n') ++p;
    if (p < end) ++p;
  }
  if (damage.lines > 0) TellDamagedImport(path, damage);
  FreeTextFile(&file);
}
