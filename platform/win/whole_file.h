// Files written whole or not at all: the bytes go to a new file of a unique
// name in the same folder, made durable, which takes the old file's place (and
// its permissions) only once it is complete, so a full disk or a failed write
// leaves the old file as it was. Every writer stands on these: the host's
// documents, the headless program's files and, through the file calls of the
// stand-in Windows layer, the module's own.
#pragma once

#include <signal.h>

#include <string>
#include <string_view>

// A new, empty file named `prefix` (a folder and the start of a name), four
// hexadecimal digits and `suffix`, made for this caller alone with the
// permissions a new file gets. Its descriptor, or -1 (errno set); `name`
// receives the path and `number` (optional) the digits' value.
int CreateUniqueFile(const std::string& prefix, const std::string& suffix, std::string* name,
                     unsigned* number = nullptr);

// `temp` takes the place of `path` in one step, with the permissions `path`
// had. 0, or the errno of the failure (EISDIR for a folder in the place); on
// a failure both files are left as they were. A symbolic link in the place
// stays, and the file it leads to (through a chain of links) is replaced.
int ReplaceKeepingPermissions(const std::string& temp, const std::string& path);

// Paths a run stopped by a signal must not leave behind: the temporaries
// below from their making until they take their place, and what a caller adds
// (a folder is removed with all it holds). RemoveLeftovers is safe in a
// signal handler.
void TrackLeftover(const std::string& path);
void ForgetLeftover(const std::string& path);
void RemoveLeftovers();
// Removes a temporary file and forgets it.
void RemoveTemporary(const std::string& temp);

// Signals wait while a leftover is made and tracked, so that a stop finds it.
class SignalsHeld {
 public:
  SignalsHeld();
  ~SignalsHeld();
  SignalsHeld(const SignalsHeld&) = delete;
  SignalsHeld& operator=(const SignalsHeld&) = delete;

 private:
  sigset_t kept_;
};

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
  // The temporary file holding every byte, flushed to the disk; "" (and why)
  // when it cannot be made complete, in which case nothing is left behind.
  std::string Finish(std::string* error);

 private:
  std::string path_, temp_;
  int fd_ = -1;
  int why_ = 0;  // the first error
};

// The same for bytes held whole.
std::string WriteBeside(const std::string& path, const std::string& bytes, std::string* error);
// The temporary file takes the place of `path`; on a failure it is removed.
bool PutInPlace(const std::string& temp, const std::string& path, std::string* error);
bool WriteWholeFile(const std::string& path, const std::string& bytes, std::string* error);
