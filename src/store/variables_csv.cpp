#include "store/variables_csv.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "common/plugin_globals.h"
#include "store/text_fields.h"
#include "store/text_file_io.h"

namespace {

// Longest line the writer makes (every byte of owner, name and value as a
// four-byte escape) and so the most the reader takes of one line.
constexpr size_t kLineLimit = 4 * (kVarValueSize + 2 * kVarNameSize) + 64;

bool IsLead(char c) { return IsShiftJisLeadByte(static_cast<unsigned char>(c)) != 0; }

// One byte as "\n" and two hexadecimal digits. The file's own escapes never
// put "\n" anywhere but right after "\r", so a reader that does not know this
// form drops the "\n" and nothing else changes.
void AppendByteEscape(std::string* out, char c) {
  char text[5];
  std::snprintf(text, sizeof text, "\\n%02X", static_cast<unsigned char>(c));
  out->append(text);
}

// The text of a field inside double quotes: TAB as \t, a CR LF pair as \r\n,
// a double quote as \", a lead byte and the byte after it as they are, every
// other byte as it is. Where that would not read back as the text, one byte
// goes as a byte escape: a CR or LF outside a CR LF pair, a backslash before
// t, r or n or at the end (it would be read as an escape or eat the closing
// quote), and a lead byte at the end or before a LF (it would take the quote
// or be cut from its line).
void AppendEscaped(std::string* out, const char* text) {
  for (const char* p = text; *p != '\0'; ++p) {
    if (IsLead(*p)) {
      if (p[1] != '\0' && p[1] != '\n') {
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
        if (p[1] == '\n') {
          out->append("\\r\\n");
          ++p;
        } else {
          AppendByteEscape(out, *p);
        }
        break;
      case '\n':
        AppendByteEscape(out, *p);
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
      if (p[1] == '\0' || p[1] == '\n') return AppendQuoted(out, name);
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

// One line as the field splitter wants it: TAB, CR and NUL dropped, blanks
// outside quotes dropped, a lead byte kept with the byte after it, and \"
// kept without changing the quoting.
std::string CleanLine(const char* begin, const char* end) {
  std::string line;
  bool quoted = false;
  for (const char* p = begin; p < end && line.size() < kLineLimit; ++p) {
    const char ch = *p;
    if ((IsLead(ch) && p + 1 < end) || (ch == '\\' && p + 1 < end && p[1] == '"')) {
      if (line.size() + 2 > kLineLimit) break;
      line.append(p, 2);
      ++p;
    } else if (ch == '\t' || ch == '\r' || ch == '\0' || (ch == ' ' && !quoted)) {
    } else {
      if (ch == '"') quoted = !quoted;
      line.push_back(ch);
    }
  }
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
// nothing). Each field is cut at a whole character to its limit.
void SplitLine(const std::string& line, std::string (&fields)[kCsvFields], const size_t (&limits)[kCsvFields]) {
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
      if (index == kCsvFields - 1) return;
      ++index;
      ++p;
    } else {
      put(p, 1);
      ++p;
    }
  }
}

void ApplyLine(PluginGlobals* g, const std::string& line) {
  std::string fields[kCsvFields];
  const size_t limits[kCsvFields] = {kVarNameSize - 1, kVarNameSize - 1, kVarNameSize - 1, kVarValueSize - 1};
  SplitLine(line, fields, limits);
  const std::string& owner = fields[0];
  const std::string& name = fields[1];
  if (owner.empty() || name.empty()) return;
  VariableTable& table = g->variables;
  for (int row = 0; row < kMaxVariables && !IsTableEnd(table, row); ++row) {
    if (name != table.varNames[row] || owner != OwnerOfRow(*g, row)) continue;
    CopyTextCutValidTrail(table.varValues[row], kVarValueSize, fields[3].c_str());
  }
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
    if (!out.failed && !WriteTextLine(out.file, line.c_str())) out.failed = 1;
  }
  return FinishTextFileOutput(&out);
}

void ReadVariablesCsv(const char* path) {
  PluginGlobals* g = gPlugin;
  if (g == nullptr || g->variables.varNames == nullptr || path == nullptr) return;
  uint32_t length = 0;
  char* content = ReadTextFileWhole(path, &length);
  if (content == nullptr) return;
  const char* p = content;
  const char* end = content + length;
  while (p < end) {
    const char* lineEnd = static_cast<const char*>(memchr(p, '\n', end - p));
    if (lineEnd == nullptr) lineEnd = end;
    const std::string line = CleanLine(p, lineEnd);
    if (!line.empty() && line[0] != '\'') ApplyLine(g, line);
    p = lineEnd + 1;
  }
  FreeTextFileBuffer(content);
}
