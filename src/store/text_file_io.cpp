#include "store/text_file_io.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr char kTempSuffix[] = ".tmp";
constexpr int kLineBufferSize = 1024;

}  // namespace

int WriteTextLine(HFILE file, const char* text) {
  const uint32_t length = static_cast<uint32_t>(std::strlen(text));
  if (length == 0) return 1;
  return _lwrite(file, text, length) == length ? 1 : 0;
}

int BeginTextFileOutput(TextFileOutput* out, const char* path) {
  out->file = HFILE_ERROR;
  out->failed = 1;
  const size_t length = std::strlen(path);
  if (length + sizeof(kTempSuffix) > sizeof(out->tempPath) || length >= sizeof(out->path)) return 0;
  std::memcpy(out->path, path, length + 1);
  std::memcpy(out->tempPath, path, length);
  std::memcpy(out->tempPath + length, kTempSuffix, sizeof(kTempSuffix));
  DeleteFile(out->tempPath);  // left over from an interrupted write
  out->file = _lcreat(out->tempPath, 0);
  if (out->file == HFILE_ERROR) return 0;
  out->failed = 0;
  return 1;
}

void WriteTextFileLine(TextFileOutput* out, const char* format, ...) {
  if (out->failed) return;
  char line[kLineBufferSize];
  va_list args;
  va_start(args, format);
  const int length = std::vsnprintf(line, sizeof(line), format, args);
  va_end(args);
  // A line that does not fit is a failure, never a cut line in the file.
  if (length < 0 || length >= kLineBufferSize || !WriteTextLine(out->file, line)) out->failed = 1;
}

int FinishTextFileOutput(TextFileOutput* out) {
  if (out->file == HFILE_ERROR) return 0;
  if (_lclose(out->file) == HFILE_ERROR) out->failed = 1;
  out->file = HFILE_ERROR;
  if (!out->failed && !MoveFileEx(out->tempPath, out->path, MOVEFILE_REPLACE_EXISTING)) out->failed = 1;
  if (out->failed) {
    DeleteFile(out->tempPath);
    return 0;
  }
  return 1;
}

char* ReadTextFileWhole(const char* path, uint32_t* length) {
  if (length) *length = 0;
  const HFILE file = _lopen(path, OF_READ);
  if (file == HFILE_ERROR) return nullptr;
  const LONG size = _llseek(file, 0, FILE_END);
  if (size < 0 || _llseek(file, 0, FILE_BEGIN) != 0) {
    _lclose(file);
    return nullptr;
  }
  char* buffer = static_cast<char*>(std::malloc(static_cast<size_t>(size) + 1));
  if (!buffer) {
    _lclose(file);
    return nullptr;
  }
  const UINT got = size > 0 ? _lread(file, buffer, static_cast<UINT>(size)) : 0;
  _lclose(file);
  if (got == static_cast<UINT>(HFILE_ERROR) || got > static_cast<UINT>(size)) {
    std::free(buffer);
    return nullptr;
  }
  buffer[got] = '\0';
  if (length) *length = got;
  return buffer;
}

void FreeTextFileBuffer(char* buffer) { std::free(buffer); }
