// A fresh Documents and Desktop folder for one test, removed afterwards.
#pragma once

#include <string>

class TempUserFolders {
 public:
  TempUserFolders();
  ~TempUserFolders();
  TempUserFolders(const TempUserFolders&) = delete;
  TempUserFolders& operator=(const TempUserFolders&) = delete;

  const std::string& root() const { return root_; }
  std::string documents() const { return root_ + "/Documents"; }
  std::string desktop() const { return root_ + "/Desktop"; }
  // The documents folder as the module sees it ("\"-separated, code page 932).
  std::string documentsWindowsPath() const;

 private:
  std::string root_;
};

// Whole content of a host file, or "<missing>".
std::string ReadHostFile(const std::string& path);
void WriteHostFile(const std::string& path, const std::string& content);
