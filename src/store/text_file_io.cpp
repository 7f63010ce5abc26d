#include "store/text_file_io.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "store/text_file_decode.h"
#include "text/shift_jis_chars.h"

namespace {

constexpr char kTempPrefix[] = "vmk";
constexpr int kLineBufferSize = 1024;
constexpr int kHeldFiles = 8;
constexpr int kNewFileNames = 999;

char gHeldFiles[kHeldFiles][kTextFilePathSize];

bool IsHeld(const char* path) {
  for (const auto& held : gHeldFiles)
    if (held[0] != '\0' && std::strcmp(held, path) == 0) return true;
  return false;
}

// The folder of a path with its last backslash (a trail byte 0x5C is none),
// or "." for a bare name.
bool FolderOf(const char* path, char* out, size_t size) {
  const char* end = nullptr;
  for (const char* p = path; *p != '\0'; ++p) {
    if (ShiftJisCharLength(p, ShiftJisTrail::kAny) == 2) {
      ++p;
    } else if (*p == '\\' || *p == '/') {
      end = p + 1;
    }
  }
  if (end == nullptr) {
    path = ".";
    end = path + 1;
  }
  const size_t length = static_cast<size_t>(end - path);
  if (length + 1 > size) return false;
  std::memcpy(out, path, length);
  out[length] = '\0';
  return true;
}

// The replacement keeps the old file's permissions; a file not there yet is
// moved into its place.
bool PutInPlace(const TextFileOutput* out) {
  if (ReplaceFile(out->path, out->tempPath, nullptr, 0, nullptr, nullptr)) return true;
  return GetLastError() == ERROR_FILE_NOT_FOUND && MoveFileEx(out->tempPath, out->path, 0);
}

// Flushes and closes the temporary file; false when any write failed.
bool CloseTextFileOutput(TextFileOutput* out) {
  if (!out->failed && !FlushFileBuffers(reinterpret_cast<HANDLE>(static_cast<INT_PTR>(out->file))))
    out->failed = 1;
  if (_lclose(out->file) == HFILE_ERROR) out->failed = 1;
  out->file = HFILE_ERROR;
  return !out->failed;
}

}  // namespace

int WriteTextLine(HFILE file, const char* text) {
  const uint32_t length = static_cast<uint32_t>(std::strlen(text));
  if (length == 0) return 1;
  return _lwrite(file, text, length) == length ? 1 : 0;
}

int BeginTextFileOutput(TextFileOutput* out, const char* path) {
  out->file = HFILE_ERROR;
  out->failed = 1;
  out->tempPath[0] = '\0';
  const size_t length = std::strlen(path);
  char folder[kTextFilePathSize];
  if (length >= sizeof(out->path) || IsHeld(path) || !FolderOf(path, folder, sizeof folder)) return 0;
  std::memcpy(out->path, path, length + 1);
  if (GetTempFileName(folder, kTempPrefix, 0, out->tempPath) == 0) return 0;
  out->file = _lopen(out->tempPath, OF_WRITE);
  if (out->file == HFILE_ERROR) {
    DeleteFile(out->tempPath);
    return 0;
  }
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

void WriteTextFileBytes(TextFileOutput* out, const char* bytes, size_t count) {
  if (out->failed || count == 0) return;
  if (count > UINT32_MAX || _lwrite(out->file, bytes, static_cast<UINT>(count)) != count) out->failed = 1;
}

int FinishTextFileOutput(TextFileOutput* out) {
  if (out->file == HFILE_ERROR) return 0;
  if (!CloseTextFileOutput(out) || !PutInPlace(out)) out->failed = 1;
  if (out->failed) {
    DeleteFile(out->tempPath);
    return 0;
  }
  return 1;
}

int WriteNewTextFile(const char* path, const char* suffix, const char* bytes, size_t count, char* placed) {
  TextFileOutput out;
  if (std::snprintf(placed, kTextFilePathSize, "%s%s", path, suffix) >= kTextFilePathSize ||
      !BeginTextFileOutput(&out, placed))
    return 0;
  WriteTextFileBytes(&out, bytes, count);
  if (CloseTextFileOutput(&out)) {
    // Moved without replacing: a name some file holds is passed over.
    for (int n = 2;; ++n) {
      if (MoveFileEx(out.tempPath, placed, 0)) return 1;
      if (n > kNewFileNames || GetLastError() != ERROR_ALREADY_EXISTS ||
          std::snprintf(placed, kTextFilePathSize, "%s.%d%s", path, n, suffix) >= kTextFilePathSize)
        break;
    }
  }
  DeleteFile(out.tempPath);
  return 0;
}

void HoldTextFile(const char* path) {
  if (IsHeld(path) || std::strlen(path) >= kTextFilePathSize) return;
  for (auto& held : gHeldFiles) {
    if (held[0] != '\0') continue;
    std::memcpy(held, path, std::strlen(path) + 1);
    return;
  }
}

void ReleaseHeldTextFiles() { std::memset(gHeldFiles, 0, sizeof gHeldFiles); }

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

int ReadTextFile(const char* path, TextFileRead* read) {
  *read = TextFileRead{};
  read->bytes = ReadTextFileWhole(path, &read->byteCount);
  if (read->bytes == nullptr) return 0;
  read->text = DecodeTextFile(read->bytes, read->byteCount, &read->length);
  if (read->text == nullptr) {
    read->text = read->bytes;
    read->length = read->byteCount;
  }
  return 1;
}

void FreeTextFile(TextFileRead* read) {
  if (read->text != read->bytes) std::free(read->text);
  std::free(read->bytes);
  *read = TextFileRead{};
}
