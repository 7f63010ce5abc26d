// An art's tags in the order they were first set, found by name. A grading
// group keeps thousands of tags on one art, and every undo snapshot holds a
// copy of the list: copies share fixed-size blocks of tags and the name index,
// and a change copies only the block (and, to add or remove a name, the index)
// it touches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

struct TagPiece;

// The hash by which the names of an art's tags are found. Its key is drawn anew in each process,
// so that no file can choose names that all fall on one slot and make each look-up pass them all.
uint32_t TagNameHash(std::string_view name);

// Room for the tags of one file as it is read: they are made one after the other in pieces of
// memory taken a piece at a time, and a piece is let go with the last tag in it.
class TagArena {
 public:
  TagArena() = default;
  TagArena(const TagArena&) = delete;
  TagArena& operator=(const TagArena&) = delete;
  // The piece being filled goes with its last tag, or now when it holds none.
  ~TagArena();

 private:
  friend class TagRef;
  void* Take(size_t bytes);
  TagPiece* current_ = nullptr;
};

// A tag never changes once made: setting a tag puts a new one in its place, so
// the texts the tag suite hands out stay valid until that tag is set again or
// removed, and undo snapshots share them. Its name and value lie in one piece
// of memory with the count of those holding it (the host runs on one thread):
// a document of a hundred thousand tags is read with one allocation a tag.
class ArtTag {
 public:
  std::string_view name() const { return {Text(), nameSize_}; }
  std::string_view value() const { return {Text() + nameSize_ + 1, valueSize_}; }
  // The same, each ended by a NUL.
  const char* nameText() const { return Text(); }
  const char* valueText() const { return Text() + nameSize_ + 1; }
  ArtTag(const ArtTag&) = delete;
  ArtTag& operator=(const ArtTag&) = delete;

 private:
  friend class TagRef;
  ArtTag() = default;
  const char* Text() const { return reinterpret_cast<const char*>(this + 1); }

  mutable uint32_t holders_ = 1;
  uint32_t nameSize_ = 0;
  size_t valueSize_ = 0;  // any bytes but NUL
};

class TagRef {
 public:
  TagRef() = default;
  static TagRef Make(std::string_view name, std::string_view value, TagArena* arena = nullptr);
  // A tag written where it lies: `write(char* room, size_t* nameSize, size_t* valueSize)` puts
  // the name, a NUL, the value and a NUL into room for `bytes` and gives their sizes, or returns
  // false for no tag. A file's tags are decoded so, with no copy first.
  template <class Write>
  static TagRef MakeInPlace(size_t bytes, TagArena* arena, Write write) {
    TagRef made = Allocate(bytes, arena);
    ArtTag* tag = made.Tag();
    size_t nameSize = 0, valueSize = 0;
    if (!write(const_cast<char*>(tag->Text()), &nameSize, &valueSize)) return TagRef();
    if (nameSize > UINT32_MAX) throw std::length_error("a tag's name of more than 4 GB");
    tag->nameSize_ = static_cast<uint32_t>(nameSize);
    tag->valueSize_ = valueSize;
    return made;
  }
  // A copy makes both holders known as holders among others.
  TagRef(const TagRef& other) : bits_(other.bits_ & ~kOnly) {
    if (bits_) {
      ++Tag()->holders_;
      other.bits_ &= ~kOnly;
    }
  }
  TagRef(TagRef&& other) noexcept : bits_(other.bits_) { other.bits_ = 0; }
  TagRef& operator=(TagRef other) noexcept {
    std::swap(bits_, other.bits_);
    return *this;
  }
  ~TagRef();
  const ArtTag* operator->() const { return Tag(); }
  const ArtTag& operator*() const { return *Tag(); }
  const ArtTag* get() const { return Tag(); }
  explicit operator bool() const { return bits_ != 0; }

 private:
  // The tag's address, and two marks in its low bits: the tag lies in a piece of a file's tags,
  // and this is its only holder. The last is known of the tags of a file that no undo step
  // holds, and lets a document of a hundred thousand tags go without a look at each.
  static constexpr uintptr_t kInPiece = 1, kOnly = 2, kMarks = 3;
  explicit TagRef(uintptr_t bits) : bits_(bits) {}
  ArtTag* Tag() const { return reinterpret_cast<ArtTag*>(bits_ & ~kMarks); }
  // A tag of no name nor value, with room for `bytes` of them after it.
  static TagRef Allocate(size_t bytes, TagArena* arena);
  mutable uintptr_t bits_ = 0;
};

class TagList {
  // Each tag carries the number of its first setting: the list is in that
  // order, and the index finds a tag by it, so removing one never renumbers
  // the others.
  struct Entry {
    uint64_t order;
    TagRef tag;
  };
  struct Block {
    std::vector<Entry> entries;  // ascending order, never empty while listed
  };
  // Open addressing; order 0 marks a free slot.
  struct Slot {
    uint64_t order = 0;
    uint32_t hash = 0;
  };
  struct Index {
    std::vector<Slot> slots;  // a power of two in size
    size_t used = 0;
  };

 public:
  class Iterator {
   public:
    Iterator(const TagList* list, size_t block, size_t entry) : list_(list), block_(block), entry_(entry) {}
    const TagRef& operator*() const { return list_->blocks_[block_]->entries[entry_].tag; }
    Iterator& operator++() {
      if (++entry_ == list_->blocks_[block_]->entries.size()) {
        ++block_;
        entry_ = 0;
      }
      return *this;
    }
    bool operator==(const Iterator& other) const { return block_ == other.block_ && entry_ == other.entry_; }

   private:
    const TagList* list_;
    size_t block_, entry_;
  };

  Iterator begin() const { return Iterator(this, 0, 0); }
  Iterator end() const { return Iterator(this, blocks_.size(), 0); }
  size_t size() const { return size_; }
  const TagRef& operator[](size_t i) const;
  const TagRef* Find(std::string_view name) const;
  // Replaces the tag of that name in place, or appends it.
  void Set(TagRef tag);
  // Appends tags of names that differ from each other and from those the list holds. The names
  // are indexed when one is first looked up: a document read whole is indexed only where asked.
  void AppendNew(std::vector<TagRef>& tags);

  bool Remove(std::string_view name);

 private:
  static constexpr size_t kBlockSize = 64;
  static constexpr size_t kUnknownSlot = SIZE_MAX;

  // The slot holding the name, or the free slot where it would go.
  size_t Probe(std::string_view name, uint32_t hash) const;
  // The block and entry of a tag by its order number.
  std::pair<size_t, size_t> Locate(uint64_t order) const;
  Block& OwnBlock(size_t block);
  Index& OwnIndex();
  void Grow();
  // `free` is the slot a probe found for it, or kUnknownSlot.
  void Append(TagRef tag, uint32_t hash, size_t free);
  // The tag goes at the end; the index is left to the caller.
  void PushEntry(TagRef tag, uint64_t order);
  // A block at the end, for tags from `order` on, with room for `room` of them.
  void NewBlock(uint64_t order, size_t room);
  // The index of the names, made when the list has none yet.
  void IndexNames() const;
  void EraseSlot(size_t slot);
  void Repack();

  std::vector<std::shared_ptr<Block>> blocks_;
  // Of each block, no more than the order of any tag in it: to find a tag's block.
  std::vector<uint64_t> firstOrders_;
  std::vector<size_t> starts_;         // position of each block's first tag
  mutable std::shared_ptr<Index> index_;  // null until a name is looked up
  size_t size_ = 0;
  uint64_t nextOrder_ = 1;
};
