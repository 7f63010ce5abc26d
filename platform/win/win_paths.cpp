#include "win_paths.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "win_codepage.h"

namespace {

std::string Convert(UINT from, UINT to, const std::string& text) {
  // ASCII reads the same in each of these code pages, as most paths are.
  if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
    return text;
  const int units = MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  if (units <= 0) return {};
  std::vector<WCHAR> wide(static_cast<size_t>(units));
  MultiByteToWideChar(from, 0, text.data(), static_cast<int>(text.size()), wide.data(), units);
  const int bytes = WideCharToMultiByte(to, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string out(static_cast<size_t>(bytes), '\0');
  WideCharToMultiByte(to, 0, wide.data(), units, out.data(), bytes, nullptr, nullptr);
  return out;
}

bool Exists(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0;
}

std::string FoldAscii(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

// The entry of `dir` named `part` regardless of case, or `part` itself.
std::string MatchOnDisk(const std::string& dir, const std::string& part) {
  if (part == "." || part == ".." || Exists(dir + "/" + part)) return part;
  DIR* d = opendir(dir.empty() ? "/" : dir.c_str());
  if (d == nullptr) return part;
  const std::string wanted = FoldAscii(part);
  std::string found = part;
  while (dirent* e = readdir(d)) {
    if (FoldAscii(e->d_name) == wanted) {
      found = e->d_name;
      break;
    }
  }
  closedir(d);
  return found;
}

std::string FolderFromEnvironment(const char* variable, const char* underHome) {
  if (const char* v = std::getenv(variable); v != nullptr && v[0] != 0) return v;
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr ? home : "") + "/" + underHome;
}

}  // namespace

std::string Utf8FromCp932(const std::string& text) { return Convert(932, CP_UTF8, text); }
std::string Cp932FromUtf8(const std::string& text) { return Convert(CP_UTF8, 932, text); }

std::string HostPathFromWindows(const char* windowsPath) {
  if (windowsPath == nullptr) return {};
  std::string path = Utf8FromCp932(windowsPath);
  if (path.size() >= 2 && path[1] == ':' &&
      ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')))
    path.erase(0, 2);
  for (char& c : path)
    if (c == '\\') c = '/';
  const bool absolute = !path.empty() && path[0] == '/';
  std::string out = absolute ? "" : ".";
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find('/', start);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(start, end - start);
    if (!part.empty()) {
      const std::string matched = MatchOnDisk(out.empty() ? "/" : out, part);
      out += '/';
      out += matched;
    }
    start = end + 1;
  }
  if (out.empty()) out.assign(1, '/');
  if (!absolute) out.erase(0, 2);
  return out.empty() ? "." : out;
}

std::string WindowsPathFromHost(const std::string& hostPath) {
  std::string path = Cp932FromUtf8(hostPath);
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

std::string DocumentsFolderHostPath() { return FolderFromEnvironment("VESTAMARK_DOCUMENTS", "Documents"); }
std::string DesktopFolderHostPath() { return FolderFromEnvironment("VESTAMARK_DESKTOP", "Desktop"); }
