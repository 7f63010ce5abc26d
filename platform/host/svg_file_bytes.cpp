#include "svg_file_bytes.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <pugixml.hpp>
#include <utility>

namespace {

constexpr size_t kPieceBytes = size_t{1} << 19;

}  // namespace

ParserBytes::ParserBytes(ParserBytes&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      capacity_(std::exchange(other.capacity_, 0)) {}

ParserBytes::~ParserBytes() {
  if (data_) pugi::get_memory_deallocation_function()(data_);
}

bool ParserBytes::Reserve(size_t capacity) {
  if (capacity <= capacity_) return true;
  // Not a byte is cleared first: every byte kept is one read.
  char* bigger = static_cast<char*>(pugi::get_memory_allocation_function()(capacity));
  if (!bigger) return false;
  if (size_ > 0) std::memcpy(bigger, data_, size_);
  if (data_) pugi::get_memory_deallocation_function()(data_);
  data_ = bigger;
  capacity_ = capacity;
  return true;
}

bool ParserBytes::Assign(std::string_view text) {
  size_ = 0;
  if (!Reserve(text.size() + 1)) return false;
  if (!text.empty()) std::memcpy(data_, text.data(), text.size());
  size_ = text.size();
  return true;
}

bool ParserBytes::ReadFile(std::FILE* f, std::string* why, const std::function<bool(std::string_view)>& piece) {
  size_ = 0;
  // A file of known size is read into room for one byte more, which tells its end without
  // moving it; what a pipe brings, or a file that grows meanwhile, is read on into more room.
  struct stat info;
  size_t room = 65536;
  if (fstat(fileno(f), &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0)
    room = static_cast<size_t>(info.st_size) + 1;
  while (true) {
    if (size_ == capacity_ && !Reserve(capacity_ == 0 ? room : capacity_ * 2)) {
      *why = "not enough memory to read it";
      return false;
    }
    // Pieces that stay in the cache for a look at them while they are fresh.
    const size_t got = std::fread(data_ + size_, 1, std::min(capacity_ - size_, kPieceBytes), f);
    size_ += got;
    if (got == 0) break;
    if (piece && !piece(view())) return true;
  }
  if (std::ferror(f)) {
    *why = "cannot be read";
    return false;
  }
  return true;
}

char* ParserBytes::Release() {
  size_ = capacity_ = 0;
  return std::exchange(data_, nullptr);
}
