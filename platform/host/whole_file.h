// Files written whole or not at all: the bytes go to a new file in the same
// folder, which takes the old file's place only once it is complete, so a
// full disk or a failed write leaves the old file as it was.
#pragma once

#include <string>

// A temporary file beside `path` holding every byte; "" (and the reason) when
// it cannot be made complete, in which case nothing is left behind.
std::string WriteBeside(const std::string& path, const std::string& bytes, std::string* error);
// The temporary file takes the place of `path`.
bool PutInPlace(const std::string& temp, const std::string& path, std::string* error);
bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string* error);
