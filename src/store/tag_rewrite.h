// Writing an art's grading tags anew as if every "vmk_grading_" tag were
// removed and the new ones set in order, while touching only what then
// differs: the tags that keep their place and their text are left alone.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host_types.h"

class KeptTags;

class TagRewrite {
 public:
  explicit TagRewrite(ArtHandle art) : art_(art) {}

  ArtHandle art() const { return art_; }
  // The next tag; `key` must not have been given before.
  void Add(const char* key, const char* value);
  // A tag that may have been given before: then it keeps its place and takes the new text.
  void Put(const char* key, const char* value);
  // The text given for key, or null.
  const char* Given(const char* key) const;
  // Tags given so far; entry n takes another text.
  size_t size() const { return entries_.size(); }
  const char* KeyAt(size_t n) const { return At(entries_[n].key); }
  void Retext(size_t n, const char* value);

  // The art's tags become: its other tags in their order, then the ones given.
  // Kept tags of the art (may be null) stand for the host's and are written too.
  void Apply(KeptTags* kept) const;
  // The same when the kept tags stand as this rewrite left them, save that
  // the texts of the entries listed may have changed since.
  void ApplyRetexted(KeptTags& kept, const std::vector<size_t>& entries) const;

 private:
  struct Entry {
    size_t key, value;  // offsets of NUL-terminated texts in text_
  };
  const char* At(size_t offset) const { return text_.data() + offset; }

  ArtHandle art_;
  std::string text_;  // every key and text given, each ended by a NUL
  std::vector<Entry> entries_;
};
