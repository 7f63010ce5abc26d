// The module's own files in a person's Documents folder (its preferences,
// preset and size-table files). The module works on copies of them in the
// run's scratch folder; what it made, changed or removed there is written back
// only when the session ends well, so a session that fails writes nothing.
#pragma once

#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace headless {

class ModuleFiles {
 public:
  // Copies the module's files of `documents` (none when it is empty) into
  // the Documents folder `scratch` that the module is given.
  void Copy(const std::filesystem::path& documents, const std::filesystem::path& scratch);

  // Sets the `language` line of the copied preferences, the other lines kept;
  // "" or the reason it could not be written.
  std::string SetLanguage(const char* word) const;

  struct Change {
    std::string path;   // in the person's folder
    std::string bytes;  // unused when removed
    bool removed = false;
  };
  // What the module made, changed or removed, for the person's folder.
  std::vector<Change> Changes() const;

  // A text (UTF-8) naming files of the scratch folder as the module sees
  // them, naming the person's files instead.
  std::string InPersonsFolder(std::string text) const;

 private:
  std::filesystem::path documents_, scratch_;
  std::map<std::string, std::string> copied_;  // relative path -> bytes
};

}  // namespace headless
