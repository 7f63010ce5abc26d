#include "host_tag_list.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <random>

// SipHash-1-3, a word at a time.
uint32_t TagNameHash(std::string_view name) {
  static const struct Key {
    uint64_t k0, k1;
  } key = [] {
    std::random_device random;
    const auto word = [&] { return uint64_t{random()} << 32 | random(); };
    return Key{word(), word()};
  }();
  uint64_t v0 = key.k0 ^ 0x736F6D6570736575, v1 = key.k1 ^ 0x646F72616E646F6D, v2 = key.k0 ^ 0x6C7967656E657261,
           v3 = key.k1 ^ 0x7465646279746573;
  const auto rotl = [](uint64_t x, int bits) { return x << bits | x >> (64 - bits); };
  const auto round = [&] {
    v0 += v1;
    v1 = rotl(v1, 13) ^ v0;
    v0 = rotl(v0, 32);
    v2 += v3;
    v3 = rotl(v3, 16) ^ v2;
    v0 += v3;
    v3 = rotl(v3, 21) ^ v0;
    v2 += v1;
    v1 = rotl(v1, 17) ^ v2;
    v2 = rotl(v2, 32);
  };
  const auto take = [&](uint64_t word) {
    v3 ^= word;
    round();
    v0 ^= word;
  };
  size_t at = 0;
  for (; at + 8 <= name.size(); at += 8) {
    uint64_t word;
    std::memcpy(&word, name.data() + at, 8);
    take(word);
  }
  // The bytes left and the size, in one word; those of a long name loaded as one word.
  uint64_t last = uint64_t{name.size()} << 56;
  const size_t rest = name.size() - at;
  if (rest > 0 && name.size() >= 8) {
    uint64_t word;
    std::memcpy(&word, name.data() + name.size() - 8, 8);
    last |= word >> (64 - 8 * rest);
  } else {
    for (size_t i = at; i < name.size(); ++i) last |= uint64_t{static_cast<unsigned char>(name[i])} << (8 * (i - at));
  }
  take(last);
  v2 ^= 0xFF;
  round();
  round();
  round();
  return static_cast<uint32_t>(v0 ^ v1 ^ v2 ^ v3);
}

// A piece of a file's tags lies at a multiple of its size, so that a tag knows its piece by
// its own address; a tag larger than that has a piece of its own, which it begins.
struct TagPiece {
  size_t live = 0;      // tags made in it and not yet let go
  bool filled = false;  // no tag will be made in it again
  size_t used = 0;
  size_t size = 0;  // bytes after this header
  char* Bytes() { return reinterpret_cast<char*>(this + 1); }
};

namespace {

constexpr size_t kPieceBytes = size_t{1} << 18;

TagPiece* PieceOf(const void* tag) {
  return reinterpret_cast<TagPiece*>(reinterpret_cast<uintptr_t>(tag) & ~(uintptr_t{kPieceBytes} - 1));
}

void LetGoOfPiece(TagPiece* piece) {
  piece->~TagPiece();
  ::operator delete(piece, std::align_val_t{kPieceBytes});
}

}  // namespace

TagArena::~TagArena() {
  if (!current_) return;
  current_->filled = true;
  if (current_->live == 0) LetGoOfPiece(current_);
}

void* TagArena::Take(size_t bytes) {
  bytes = (bytes + alignof(ArtTag) - 1) / alignof(ArtTag) * alignof(ArtTag);
  if (!current_ || current_->size - current_->used < bytes) {
    if (current_) {
      current_->filled = true;
      if (current_->live == 0) LetGoOfPiece(current_);
    }
    const size_t size = std::max(kPieceBytes - sizeof(TagPiece), bytes);
    current_ = new (::operator new(sizeof(TagPiece) + size, std::align_val_t{kPieceBytes})) TagPiece();
    current_->size = size;
  }
  void* room = current_->Bytes() + current_->used;
  current_->used += bytes;
  ++current_->live;
  return room;
}

TagRef TagRef::Allocate(size_t bytes, TagArena* arena) {
  bytes += sizeof(ArtTag);
  void* room = arena ? arena->Take(bytes) : ::operator new(bytes);
  return TagRef(reinterpret_cast<uintptr_t>(new (room) ArtTag()) | kOnly | (arena ? kInPiece : 0));
}

TagRef TagRef::Make(std::string_view name, std::string_view value, TagArena* arena) {
  return MakeInPlace(name.size() + value.size() + 2, arena, [&](char* text, size_t* nameSize, size_t* valueSize) {
    std::memcpy(text, name.data(), name.size());
    text[name.size()] = '\0';
    std::memcpy(text + name.size() + 1, value.data(), value.size());
    text[name.size() + 1 + value.size()] = '\0';
    *nameSize = name.size();
    *valueSize = value.size();
    return true;
  });
}

TagRef::~TagRef() {
  if (!bits_) return;
  ArtTag* tag = Tag();
  if (!(bits_ & kOnly) && --tag->holders_ != 0) return;
  if (!(bits_ & kInPiece)) {
    ::operator delete(tag);
    return;
  }
  TagPiece* piece = PieceOf(tag);
  if (--piece->live == 0 && piece->filled) LetGoOfPiece(piece);
}

const TagRef& TagList::operator[](size_t i) const {
  const size_t block = static_cast<size_t>(std::upper_bound(starts_.begin(), starts_.end(), i) - starts_.begin()) - 1;
  return blocks_[block]->entries[i - starts_[block]].tag;
}

std::pair<size_t, size_t> TagList::Locate(uint64_t order) const {
  const size_t block =
      static_cast<size_t>(std::upper_bound(firstOrders_.begin(), firstOrders_.end(), order) - firstOrders_.begin()) -
      1;
  const std::vector<Entry>& entries = blocks_[block]->entries;
  // Until a tag of the block is removed, its orders are consecutive.
  const uint64_t guess = order - entries.front().order;
  if (guess < entries.size() && entries[guess].order == order) return {block, static_cast<size_t>(guess)};
  auto it = std::lower_bound(entries.begin(), entries.end(), order,
                             [](const Entry& e, uint64_t o) { return e.order < o; });
  return {block, static_cast<size_t>(it - entries.begin())};
}

size_t TagList::Probe(std::string_view name, uint32_t hash) const {
  const std::vector<Slot>& slots = index_->slots;
  const size_t mask = slots.size() - 1;
  for (size_t i = hash & mask;; i = (i + 1) & mask) {
    const Slot& slot = slots[i];
    if (slot.order == 0) return i;
    if (slot.hash != hash) continue;
    auto [block, entry] = Locate(slot.order);
    if (blocks_[block]->entries[entry].tag->name() == name) return i;
  }
}

const TagRef* TagList::Find(std::string_view name) const {
  if (size_ == 0) return nullptr;
  IndexNames();
  const Slot& slot = index_->slots[Probe(name, TagNameHash(name))];
  if (slot.order == 0) return nullptr;
  auto [block, entry] = Locate(slot.order);
  return &blocks_[block]->entries[entry].tag;
}

TagList::Block& TagList::OwnBlock(size_t block) {
  if (blocks_[block].use_count() > 1) blocks_[block] = std::make_shared<Block>(*blocks_[block]);
  return *blocks_[block];
}

TagList::Index& TagList::OwnIndex() {
  if (!index_) {
    index_ = std::make_shared<Index>();
    index_->slots.resize(16);
  } else if (index_.use_count() > 1) {
    index_ = std::make_shared<Index>(*index_);
  }
  return *index_;
}

void TagList::Grow() {
  Index& index = *index_;
  std::vector<Slot> old(index.slots.size() * 2);
  old.swap(index.slots);
  const size_t mask = index.slots.size() - 1;
  for (const Slot& slot : old) {
    if (slot.order == 0) continue;
    size_t i = slot.hash & mask;
    while (index.slots[i].order != 0) i = (i + 1) & mask;
    index.slots[i] = slot;
  }
}

void TagList::IndexNames() const {
  if (index_ || size_ == 0) return;
  auto index = std::make_shared<Index>();
  size_t slots = 16;
  while (size_ * 2 > slots) slots *= 2;  // at most half full, as Append keeps it
  index->slots.resize(slots);
  for (const auto& block : blocks_)
    for (const Entry& e : block->entries) {
      const uint32_t hash = TagNameHash(e.tag->name());
      size_t i = hash & (slots - 1);
      while (index->slots[i].order != 0) i = (i + 1) & (slots - 1);
      index->slots[i] = Slot{e.order, hash};
    }
  index->used = size_;
  index_ = std::move(index);
}

void TagList::Set(TagRef tag) {
  const uint32_t hash = TagNameHash(tag->name());
  size_t free = kUnknownSlot;
  if (size_ > 0) {
    IndexNames();
    free = Probe(tag->name(), hash);
    const Slot& slot = index_->slots[free];
    if (slot.order != 0) {
      auto [block, entry] = Locate(slot.order);
      OwnBlock(block).entries[entry].tag = std::move(tag);
      return;
    }
  }
  Append(std::move(tag), hash, free);
}

void TagList::AppendNew(std::vector<TagRef>& tags) {
  if (index_) {
    for (TagRef& tag : tags) {
      const uint32_t hash = TagNameHash(tag->name());
      Append(std::move(tag), hash, kUnknownSlot);
    }
    return;
  }
  // A block at a time.
  for (size_t i = 0; i < tags.size();) {
    if (blocks_.empty() || blocks_.back()->entries.size() == kBlockSize)
      NewBlock(nextOrder_, std::min(tags.size() - i, kBlockSize));
    std::vector<Entry>& entries = OwnBlock(blocks_.size() - 1).entries;
    const size_t n = std::min(kBlockSize - entries.size(), tags.size() - i);
    for (size_t k = 0; k < n; ++k) entries.push_back(Entry{nextOrder_++, std::move(tags[i++])});
    size_ += n;
  }
}

void TagList::NewBlock(uint64_t order, size_t room) {
  blocks_.push_back(std::make_shared<Block>());
  blocks_.back()->entries.reserve(room);
  firstOrders_.push_back(order);
  starts_.push_back(size_);
}

void TagList::PushEntry(TagRef tag, uint64_t order) {
  if (blocks_.empty() || blocks_.back()->entries.size() == kBlockSize) NewBlock(order, 1);
  OwnBlock(blocks_.size() - 1).entries.push_back(Entry{order, std::move(tag)});
  ++size_;
}

void TagList::Append(TagRef tag, uint32_t hash, size_t free) {
  const uint64_t order = nextOrder_++;
  const ArtTag* added = tag.get();
  PushEntry(std::move(tag), order);
  Index& index = OwnIndex();
  // At most half full, so that a probe soon meets a free slot.
  if ((index.used + 1) * 2 > index.slots.size()) {
    Grow();
    free = kUnknownSlot;
  }
  // A copy of a shared index keeps its slots where they were.
  if (free == kUnknownSlot) free = Probe(added->name(), hash);
  index.slots[free] = Slot{order, hash};
  ++index.used;
}

// Backward-shift deletion: later slots of the same run move up, so that no
// probe stops early at the freed slot.
void TagList::EraseSlot(size_t freed) {
  std::vector<Slot>& slots = OwnIndex().slots;
  const size_t mask = slots.size() - 1;
  slots[freed] = Slot{};
  for (size_t j = (freed + 1) & mask; slots[j].order != 0; j = (j + 1) & mask) {
    const size_t home = slots[j].hash & mask;
    // The slot stays when its home lies cyclically after the freed slot, up to it.
    const bool stays = freed < j ? (home > freed && home <= j) : (home > freed || home <= j);
    if (stays) continue;
    slots[freed] = slots[j];
    slots[j] = Slot{};
    freed = j;
  }
  --index_->used;
}

bool TagList::Remove(std::string_view name) {
  if (size_ == 0) return false;
  IndexNames();
  const size_t slot = Probe(name, TagNameHash(name));
  if (index_->slots[slot].order == 0) return false;
  auto [block, entry] = Locate(index_->slots[slot].order);
  std::vector<Entry>& entries = OwnBlock(block).entries;
  entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(entry));
  size_t later = block + 1;
  if (entries.empty()) {
    blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(block));
    firstOrders_.erase(firstOrders_.begin() + static_cast<std::ptrdiff_t>(block));
    starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(block));
    later = block;
  }
  for (size_t k = later; k < starts_.size(); ++k) --starts_[k];
  --size_;
  EraseSlot(slot);
  // Removals here and there leave blocks part empty; pack them once they are
  // mostly air, so a copy stays a copy of few blocks.
  if (blocks_.size() > 1 && size_ * 4 < blocks_.size() * kBlockSize) Repack();
  return true;
}

void TagList::Repack() {
  std::vector<std::shared_ptr<Block>> packed;
  firstOrders_.clear();
  starts_.clear();
  size_t position = 0;
  for (const auto& block : blocks_) {
    for (const Entry& e : block->entries) {
      if (packed.empty() || packed.back()->entries.size() == kBlockSize) {
        packed.push_back(std::make_shared<Block>());
        packed.back()->entries.reserve(kBlockSize);
        firstOrders_.push_back(e.order);
        starts_.push_back(position);
      }
      packed.back()->entries.push_back(e);
      ++position;
    }
  }
  blocks_.swap(packed);
}
