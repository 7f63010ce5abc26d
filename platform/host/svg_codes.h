// How the host's own attributes keep bytes: tags as vm:tag.<name> with every
// byte outside printable ASCII (and the escape itself) written as two hex digits.
#pragma once

#include <string>
#include <string_view>

constexpr const char* kVmNamespace = "urn:x-vestamark:document:1";
constexpr const char* kTagPrefix = "vm:tag.";

std::string EncodeBytes(const std::string& bytes, char escape, bool (*keep)(unsigned char));
bool DecodeBytes(std::string_view text, char escape, std::string& out);
// Decodes `text` into `out`, which has room for as many bytes (the bytes are never more than
// their codes); their number, or kBrokenCode.
constexpr size_t kBrokenCode = static_cast<size_t>(-1);
size_t DecodeInto(std::string_view text, char escape, char* out);
// Whether an attribute's name is that of a tag; inline, as a file may hold a hundred thousand.
static_assert(std::string_view(kTagPrefix) == "vm:tag.");
inline bool IsTagName(const char* name) {
  return name[0] == 'v' && name[1] == 'm' && name[2] == ':' && name[3] == 't' && name[4] == 'a' && name[5] == 'g' &&
         name[6] == '.';
}
bool KeepValueByte(unsigned char c);
bool KeepKeyByte(unsigned char c);
