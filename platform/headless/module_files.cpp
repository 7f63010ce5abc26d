#include "module_files.h"

#include <fstream>
#include <sstream>

#include "win/whole_file.h"
#include "win/win_paths.h"

namespace fs = std::filesystem;

namespace headless {

namespace {

const fs::path kPrefs = fs::path("Adobe") / "Illustrator" / "Prefs";
// Under kPrefs: the preferences, and the folder of the preset and size-table files.
const char* const kModuleEntries[] = {"Vestamark.ini", "Vestamark.ini.bak", "Vestamark"};

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Every file of the module under a Documents folder, by its path relative to it.
std::map<std::string, std::string> ModuleFilesOf(const fs::path& documents) {
  std::map<std::string, std::string> files;
  for (const char* entry : kModuleEntries) {
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

// The line is set the way a person would edit it.
std::string ModuleFiles::SetLanguage(const char* word) const {
  const fs::path file = scratch_ / kPrefs / "Vestamark.ini";
  std::istringstream in(ReadBytes(file));
  std::string kept, line;
  while (std::getline(in, line)) {
    const std::string key = line.substr(0, line.find('='));
    const size_t start = key.find_first_not_of(" \t");
    if (start != std::string::npos && key.substr(start, 8) == "language") continue;
    kept += line + "\n";
  }
  std::string why;
  WriteWholeFile(file.string(), kept + "language = " + word + "\r\n", &why);
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
