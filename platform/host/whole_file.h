// Files written whole or not at all: the bytes go to a new file in the same
// folder, which takes the old file's place only once it is complete, so a
// full disk or a failed write leaves the old file as it was.
#pragma once

#include <string>
#include <string_view>

// A new file beside `path`, written in pieces.
class FileBeside {
 public:
  explicit FileBeside(std::string path) : path_(std::move(path)) {}
  ~FileBeside();  // a file never finished is removed
  FileBeside(const FileBeside&) = delete;
  FileBeside& operator=(const FileBeside&) = delete;

  // false (and why) when no file can be made there.
  bool Open(std::string* error);
  // After a failed write the rest is passed over; Finish tells.
  void Put(std::string_view bytes);
  // The temporary file holding every byte, on disk; "" (and why) when it cannot be made
  // complete, in which case nothing is left behind.
  std::string Finish(std::string* error);

 private:
  std::string path_, temp_;
  int fd_ = -1;
  int why_ = 0;  // the first error
  std::string opened_;  // why it could not be opened
};

// The temporary file takes the place of `path`.
bool PutInPlace(const std::string& temp, const std::string& path, std::string* error);
