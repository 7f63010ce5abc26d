#include "module_files.h"

#include <algorithm>
#include <fstream>
#include <sstream>

#include "win/whole_file.h"
#include "win/win_paths.h"

namespace fs = std::filesystem;

namespace headless {

namespace {

const fs::path kPrefs = fs::path("Adobe") / "Illustrator" / "Prefs";
// Under kPrefs: the preferences, the copies kept of them when they were damaged
// ("Vestamark.ini.bak", "Vestamark.ini.2.bak" and on), and the folder of the
// preset and size-table files.
bool IsModuleEntry(const std::string& name) {
  const bool copy = name.starts_with("Vestamark.ini.") && name.ends_with(".bak");
  return copy || name == "Vestamark.ini" || name == "Vestamark";
}

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Every file of the module under a Documents folder, by its path relative to it.
std::map<std::string, std::string> ModuleFilesOf(const fs::path& documents) {
  std::map<std::string, std::string> files;
  std::error_code ec;
  for (const auto& found : fs::directory_iterator(documents / kPrefs, ec)) {
    const std::string entry = found.path().filename().string();
    if (!IsModuleEntry(entry)) continue;
    const fs::path top = documents / kPrefs / entry;
    if (fs::is_regular_file(top)) files[(kPrefs / entry).string()] = ReadBytes(top);
    if (!fs::is_directory(top)) continue;
    for (const auto& file : fs::recursive_directory_iterator(top))
      if (file.is_regular_file()) files[fs::relative(file.path(), documents).string()] = ReadBytes(file.path());
  }
  return files;
}

std::string WindowsForm(const fs::path& path) { return Utf8FromCp932(WindowsPathFromHost(path.string())); }

}  // namespace

void ModuleFiles::Copy(const fs::path& documents, const fs::path& scratch) {
  documents_ = documents;
  scratch_ = scratch;
  fs::create_directories(scratch / kPrefs);
  if (documents.empty()) return;
  copied_ = ModuleFilesOf(documents);
  for (const auto& [relative, bytes] : copied_) {
    fs::create_directories((scratch / relative).parent_path());
    fs::copy_file(documents / relative, scratch / relative, fs::copy_options::overwrite_existing);
  }
}

// The line is set the way a person would edit it, in the file's own
// encoding: in a file with a UTF-16 mark a character is a unit of two bytes,
// and every other line is kept byte for byte.
std::string ModuleFiles::SetLanguage(const char* word) const {
  const fs::path file = scratch_ / kPrefs / "Vestamark.ini";
  const std::string bytes = ReadBytes(file);
  const bool big = bytes.starts_with("\xFE\xFF"), wide = big || bytes.starts_with("\xFF\xFE");
  const size_t width = wide ? 2 : 1;
  const auto encoded = [&](std::string_view ascii) {
    std::string units;
    for (char c : ascii) units += !wide ? std::string{c} : big ? std::string{'\0', c} : std::string{c, '\0'};
    return units;
  };
  const auto holds = [&](size_t at, const char* ascii) { return bytes.compare(at, width, encoded(ascii)) == 0; };
  std::string kept = bytes.substr(0, wide ? 2 : 0);
  bool ended = true;
  // A line ends at LF, CR or CR LF, as the module reads it.
  for (size_t start = kept.size(), end = start; start < bytes.size(); start = end) {
    while (end < bytes.size() && !holds(end, "\n") && !holds(end, "\r")) end += width;
    const bool lineEnded = end < bytes.size();
    end = std::min(end + (lineEnded && holds(end, "\r") && holds(end + width, "\n") ? 2 * width : width), bytes.size());
    size_t at = start;
    while (at < end && (holds(at, " ") || holds(at, "\t"))) at += width;
    if (bytes.compare(at, 8 * width, encoded("language")) == 0) continue;
    kept += bytes.substr(start, end - start);
    ended = lineEnded;
  }
  std::string why;
  WriteWholeFile(file.string(), kept + encoded(std::string(ended ? "" : "\r\n") + "language = " + word + "\r\n"),
                 &why);
  return why;
}

std::vector<ModuleFiles::Change> ModuleFiles::Changes() const {
  std::vector<Change> changes;
  if (documents_.empty()) return changes;
  const std::map<std::string, std::string> now = ModuleFilesOf(scratch_);
  for (const auto& [relative, bytes] : now) {
    const auto was = copied_.find(relative);
    if (was == copied_.end() || was->second != bytes) changes.push_back({(documents_ / relative).string(), bytes});
  }
  for (const auto& [relative, bytes] : copied_)
    if (now.count(relative) == 0) changes.push_back({(documents_ / relative).string(), "", true});
  return changes;
}

std::string ModuleFiles::InPersonsFolder(std::string text) const {
  if (documents_.empty()) return text;
  const std::string from = WindowsForm(scratch_), to = WindowsForm(documents_);
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
    text.replace(at, from.size(), to);
  return text;
}

}  // namespace headless
