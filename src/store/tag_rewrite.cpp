#include "store/tag_rewrite.h"

#include <cstring>

#include "common/suite_pointers.h"
#include "store/grading_group_tags.h"
#include "store/tag_mirror.h"

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

void TagRewrite::Retext(size_t n, const char* value) {
  entries_[n].value = text_.size();
  text_.append(value).push_back('\0');
}

void TagRewrite::ApplyRetexted(KeptTags& kept, const std::vector<size_t>& entries) const {
  const size_t others = kept.tags().size() - entries_.size();
  for (size_t i : entries) {
    const char* value = At(entries_[i].value);
    if (std::strcmp(kept.tags()[others + i].text, value) == 0) continue;
    sAITag->SetTag(art_, At(entries_[i].key), value);
    kept.Retext(others + i, value);
  }
}

const char* TagRewrite::Given(const char* key) const {
  for (const Entry& e : entries_)
    if (std::strcmp(At(e.key), key) == 0) return At(e.value);
  return nullptr;
}

void TagRewrite::Apply(KeptTags* kept) const {
  if (art_ == nullptr || sAITag == nullptr) return;
  int32_t count = 0;
  if (kept != nullptr) {
    count = static_cast<int32_t>(kept->tags().size());
  } else if (sAITag->CountTags(art_, &count) != kNoErr) {
    return;
  }
  // The tags as they stand, and those of them that stay whatever is written.
  std::vector<const char*> names(static_cast<size_t>(count), nullptr);
  std::vector<const char*> others;
  for (int32_t n = 0; n < count; ++n) {
    const char* type = "string";
    bool grading = false;
    if (kept != nullptr) {
      names[n] = kept->tags()[n].name;
      grading = kept->tags()[n].grading;
    } else {
      if (sAITag->GetNthTag(art_, n, &names[n], &type) != kNoErr) names[n] = nullptr;
      grading = IsGradingTag(names[n], type);
    }
    if (!grading) others.push_back(names[n]);
  }
  // How far the tags as they stand already run as they are to end.
  size_t same = 0;
  while (same < names.size() && same < others.size() + entries_.size()) {
    const char* wanted = same < others.size() ? others[same] : At(entries_[same - others.size()].key);
    if (names[same] == nullptr || wanted == nullptr || std::strcmp(names[same], wanted) != 0) break;
    ++same;
  }
  for (int32_t n = count - 1; n >= static_cast<int32_t>(same); --n) {
    const char* name = nullptr;
    const char* type = nullptr;
    if (kept != nullptr) {
      if (!kept->tags()[n].grading) continue;
      name = kept->tags()[n].name;
    } else if (sAITag->GetNthTag(art_, n, &name, &type) != kNoErr || !IsGradingTag(name, type)) {
      continue;
    }
    const std::string key = name;  // the name goes with the tag
    sAITag->RemoveTag(art_, key.c_str());
  }
  if (kept != nullptr) kept->EraseGradingFrom(same);
  const size_t sameGiven = same > others.size() ? same - others.size() : 0;
  for (size_t i = 0; i < entries_.size(); ++i) {
    const char* key = At(entries_[i].key);
    const char* value = At(entries_[i].value);
    if (i < sameGiven) {
      const size_t n = others.size() + i;
      const char* standing = nullptr;
      if (kept != nullptr) {
        standing = kept->tags()[n].text;
      } else if (sAITag->GetTag(art_, key, &standing) != kNoErr) {
        standing = nullptr;
      }
      if (standing != nullptr && std::strcmp(standing, value) == 0) continue;
      sAITag->SetTag(art_, key, value);
      if (kept != nullptr) kept->Retext(n, value);
      continue;
    }
    sAITag->SetTag(art_, key, value);
    if (kept != nullptr) kept->Append(key, value);
  }
}
