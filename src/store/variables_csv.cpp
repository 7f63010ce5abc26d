#include "store/variables_csv.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "shell/plugin_globals.h"
#include "store/text_fields.h"
#include "store/text_file_io.h"

namespace {

// Room for the longest line the writer makes: every byte of owner, name and
// value escaped to two.
constexpr size_t kLineLimit = 2 * (kVarValueSize + 2 * kVarNameSize) + 64;

// Backslash escapes inside double quotes. A double-byte character is copied
// whole, so a second byte of 0x5C is never read as a backslash.
void AppendEscapedField(std::string* line, const char* text) {
  line->push_back('"');
  for (const char* p = text; *p != '\0'; ++p) {
    if (IsShiftJisPairAt(p)) {
      line->append(p, 2);
      ++p;
      continue;
    }
    switch (*p) {
      case '\\':
        line->append("\\\\");
        break;
      case '\t':
        line->append("\\t");
        break;
      case '\r':
        line->append("\\r");
        break;
      case '\n':
        line->append("\\n");
        break;
      case '"':
        line->append("\\\"");
        break;
      default:
        line->push_back(*p);
        break;
    }
  }
  line->push_back('"');
}

const char* OwnerOfRow(const PluginGlobals& g, int row) {
  return g.varTitlesValid != 0 ? g.variables.varTitles[row] : g.grading_title;
}

bool IsTableEnd(const VariableTable& table, int row) {
  return table.varNames[row][0] == '\0' && table.varTitles[row][0] == '\0';
}

// One line of the file as the field splitter wants it: TAB, CR and NUL
// dropped, blanks outside quotes dropped, at most kLineLimit bytes.
std::string CleanLine(const char* begin, const char* end) {
  std::string line;
  bool quoted = false;
  for (const char* p = begin; p < end && line.size() < kLineLimit; ++p) {
    const char ch = *p;
    if (p + 1 < end && IsShiftJisPairAt(p)) {
      if (line.size() + 2 > kLineLimit) break;
      line.append(p, 2);
      ++p;
    } else if (ch == '\\' && p + 1 < end && (p[1] == '"' || p[1] == '\\')) {
      if (line.size() + 2 > kLineLimit) break;
      line.append(p, 2);
      ++p;
    } else if (ch == '\t' || ch == '\r' || ch == '\0') {
    } else if (ch == '"') {
      quoted = !quoted;
      line.push_back(ch);
    } else if (ch == ' ' && !quoted) {
    } else {
      line.push_back(ch);
    }
  }
  return line;
}

// Splits a cleaned line at '=' or ',' outside quotes, drops the quotes and
// decodes the escapes; each field is cut at a whole character to its size.
constexpr int kCsvFields = 4;

int SplitLine(const std::string& line, std::string (&fields)[kCsvFields],
              const size_t (&limits)[kCsvFields]) {
  int count = 1;
  bool quoted = false;
  const char* p = line.c_str();
  bool full[kCsvFields] = {};
  auto put = [&](const char* bytes, size_t n) {
    std::string& field = fields[count - 1];
    if (field.size() + n > limits[count - 1]) full[count - 1] = true;
    if (!full[count - 1]) field.append(bytes, n);
  };
  while (*p != '\0') {
    if (IsShiftJisPairAt(p)) {
      put(p, 2);
      p += 2;
      continue;
    }
    if (*p == '\\' && p[1] != '\0') {
      const char* decoded = nullptr;
      switch (p[1]) {
        case '"':
          decoded = "\"";
          break;
        case '\\':
          decoded = "\\";
          break;
        case 't':
          decoded = "\t";
          break;
        case 'r':
          decoded = "\r";
          break;
        case 'n':
          decoded = "\n";
          break;
        default:
          break;
      }
      if (decoded != nullptr) {
        put(decoded, 1);
        p += 2;
        continue;
      }
    }
    if (*p == '"') {
      quoted = !quoted;
    } else if (!quoted && (*p == ',' || *p == '=')) {
      if (count == kCsvFields) break;
      ++count;
    } else {
      put(p, 1);
    }
    ++p;
  }
  return count;
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
    CopyTextCut(table.varValues[row], kVarValueSize, fields[3].c_str());
  }
}

}  // namespace

void WriteVariablesCsv(const char* path) {
  PluginGlobals* g = gPlugin;
  if (g == nullptr || g->variables.varNames == nullptr || path == nullptr) return;
  // The file is written beside the old one and takes its place when whole.
  TextFileOutput out;
  if (!BeginTextFileOutput(&out, path)) return;
  const VariableTable& table = g->variables;
  std::string line;
  for (int row = 0; row < kMaxVariables && !IsTableEnd(table, row); ++row) {
    line.clear();
    AppendEscapedField(&line, OwnerOfRow(*g, row));
    line.push_back(',');
    AppendEscapedField(&line, table.varNames[row]);
    char flag[16];
    snprintf(flag, sizeof flag, ",%d,", table.varPrivate[row] != 0 ? 1 : 0);
    line.append(flag);
    AppendEscapedField(&line, table.varValues[row]);
    line.append("\r\n");
    if (!out.failed && !WriteTextLine(out.file, line.c_str())) out.failed = 1;
  }
  FinishTextFileOutput(&out);
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
