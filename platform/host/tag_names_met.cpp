#include "tag_names_met.h"

void NamesMet::Rekey(const std::vector<TagRef>& tags) {
  keyed_ = true;
  std::vector<uint64_t> old(met_.size());
  old.swap(met_);
  const size_t mask = met_.size() - 1;
  for (const uint64_t slot : old) {
    if (slot == 0) continue;
    const uint32_t place = static_cast<uint32_t>(slot) - 1;
    const uint32_t hash = TagNameHash(tags[place]->name());
    size_t k = hash & mask;
    for (; met_[k] != 0; k = (k + 1) & mask) ++steps_;
    met_[k] = uint64_t{hash} << 32 | (place + 1);
  }
}
