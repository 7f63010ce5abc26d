// How Windows paths of the module meet the real file system.
#pragma once

#include <string>

// A Windows path (code page 932, "\" or "/" separated, an optional drive dropped) as a host
// path in UTF-8; each part that exists under another case is taken as it is on disk.
std::string HostPathFromWindows(const char* windowsPath);
// A host path (UTF-8) as the module sees it: code page 932 with "\" separators.
std::string WindowsPathFromHost(const std::string& hostPath);

// VESTAMARK_DOCUMENTS, else $HOME/Documents; VESTAMARK_DESKTOP, else $HOME/Desktop.
std::string DocumentsFolderHostPath();
std::string DesktopFolderHostPath();

// Text between code page 932 and UTF-8; characters without a mapping become "?".
std::string Utf8FromCp932(const std::string& text);
std::string Cp932FromUtf8(const std::string& text);
