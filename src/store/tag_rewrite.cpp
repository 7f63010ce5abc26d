#include "store/tag_rewrite.h"

#include <cstring>

#include "shell/suite_pointers.h"
#include "store/grading_group_tags.h"

namespace {

constexpr const char* kStringTagType = "string";

// A tag that a save removes before it writes the group again.
bool IsGradingTag(const char* name, const char* type) {
  return name != nullptr && type != nullptr && std::strcmp(type, kStringTagType) == 0 &&
         std::strncmp(name, kGradingTagPrefix, std::strlen(kGradingTagPrefix)) == 0;
}

}  // namespace

void TagRewrite::Add(const char* key, const char* value) {
  const size_t keyAt = text_.size();
  text_.append(key).push_back('\0');
  const size_t valueAt = text_.size();
  text_.append(value).push_back('\0');
  entries_.push_back({keyAt, valueAt});
}

void TagRewrite::Put(const char* key, const char* value) {
  for (Entry& e : entries_) {
    if (std::strcmp(At(e.key), key) != 0) continue;
    e.value = text_.size();
    text_.append(value).push_back('\0');
    return;
  }
  Add(key, value);
}

const char* TagRewrite::Given(const char* key) const {
  for (const Entry& e : entries_)
    if (std::strcmp(At(e.key), key) == 0) return At(e.value);
  return nullptr;
}

void TagRewrite::Apply() const {
  if (art_ == nullptr || sAITag == nullptr) return;
  int32_t count = 0;
  if (sAITag->CountTags(art_, &count) != kNoErr) return;
  // The tags as they stand, and those of them that stay whatever is written.
  std::vector<const char*> names(static_cast<size_t>(count), nullptr);
  std::vector<const char*> others;
  for (int32_t n = 0; n < count; ++n) {
    const char* type = nullptr;
    if (sAITag->GetNthTag(art_, n, &names[n], &type) != kNoErr) names[n] = nullptr;
    if (!IsGradingTag(names[n], type)) others.push_back(names[n]);
  }
  // How far the tags as they stand already run as they are to end.
  size_t kept = 0;
  while (kept < names.size() && kept < others.size() + entries_.size()) {
    const char* wanted = kept < others.size() ? others[kept] : At(entries_[kept - others.size()].key);
    if (names[kept] == nullptr || wanted == nullptr || std::strcmp(names[kept], wanted) != 0) break;
    ++kept;
  }
  for (int32_t n = count - 1; n >= static_cast<int32_t>(kept); --n) {
    const char* name = nullptr;
    const char* type = nullptr;
    if (sAITag->GetNthTag(art_, n, &name, &type) != kNoErr || !IsGradingTag(name, type)) continue;
    const std::string key = name;  // the name goes with the tag
    sAITag->RemoveTag(art_, key.c_str());
  }
  const size_t keptGiven = kept > others.size() ? kept - others.size() : 0;
  for (size_t i = 0; i < entries_.size(); ++i) {
    const char* key = At(entries_[i].key);
    const char* value = At(entries_[i].value);
    const char* standing = nullptr;
    if (i < keptGiven && sAITag->GetTag(art_, key, &standing) == kNoErr && standing != nullptr &&
        std::strcmp(standing, value) == 0)
      continue;
    sAITag->SetTag(art_, key, value);
  }
}
