// The names of an element's tags met as a file is read, to find one given twice.
#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "host_tag_list.h"

// A table of each name's hash and place, a name compared only with earlier names of its hash.
// A name is looked up as soon as its tag is made, while it is fresh in the cache, by a quick
// hash with no key; names that crowd the table, as a file may choose them to, make it start
// again by the keyed hash of the tag list, so that no choice of names costs more than a few
// steps a name.
class NamesMet {
 public:
  explicit NamesMet(size_t count) {
    size_t slots = 16;
    while (slots < count + count / 2) slots *= 2;
    met_.resize(slots);
  }
  // Eight bytes a step. Each word is multiplied on its own, so that the steps of a name run side
  // by side; their sum is mixed once more, so that the bytes of every place move the low bits, by
  // which the table is searched.
  static uint32_t QuickHash(std::string_view name) {
    constexpr uint64_t kMix[4] = {0x9E3779B97F4A7C15, 0xC2B2AE3D27D4EB4F, 0x165667B19E3779F9, 0xD6E8FEB86659FD93};
    uint64_t sum = name.size() * kMix[3];
    size_t at = 0, lane = 0;
    for (; at + 8 <= name.size(); at += 8, ++lane) {
      uint64_t word;
      std::memcpy(&word, name.data() + at, 8);
      sum += word * kMix[lane & 3];
    }
    if (at < name.size()) {
      // The last eight bytes, or those there are: loaded as one word, never byte by byte.
      uint64_t word = 0;
      if (name.size() >= 8)
        std::memcpy(&word, name.data() + name.size() - 8, 8);
      else
        for (size_t i = at; i < name.size(); ++i) word = word << 8 | static_cast<unsigned char>(name[i]);
      sum += word * kMix[lane & 3];
    }
    sum ^= sum >> 32;
    sum *= kMix[0];
    sum ^= sum >> 29;
    return static_cast<uint32_t>(sum);
  }
  // The slot of a name of that quick hash is asked of memory ahead of its look-up.
  void Prefetch(uint32_t quickHash) const { __builtin_prefetch(&met_[quickHash & (met_.size() - 1)], 1); }
  // Whether a tag before `tags[place]` has its name, of that quick hash; else that name is met.
  bool Twice(const std::vector<TagRef>& tags, size_t place, uint32_t quickHash) {
    const size_t mask = met_.size() - 1;
    const std::string_view name = tags[place]->name();
    const uint32_t hash = keyed_ ? TagNameHash(name) : quickHash;
    const size_t home = hash & mask;
    size_t k = home;
    for (; met_[k] != 0; k = (k + 1) & mask)
      if (met_[k] >> 32 == hash && tags[static_cast<uint32_t>(met_[k]) - 1]->name() == name) return true;
    met_[k] = uint64_t{hash} << 32 | (place + 1);
    steps_ += (k - home) & mask;
    // Names of no choice pass about one slot a name.
    if (steps_ > 8 * place + 64 && !keyed_) Rekey(tags);
    return false;
  }
  // The slots passed by the look-ups so far.
  size_t Steps() const { return steps_; }

 private:
  // Every name met again, by the keyed hash.
  void Rekey(const std::vector<TagRef>& tags);

  std::vector<uint64_t> met_;  // hash << 32 | place + 1; 0: free
  size_t steps_ = 0;
  bool keyed_ = false;
};
