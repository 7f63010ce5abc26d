// Host strings: UTF-16 inside, code pages 932, 949 and 65001 outside (iconv).
#include <iconv.h>

#include <cerrno>
#include <map>

#include "host_model.h"

namespace {

const char* IconvName(int32_t codePage) {
  switch (codePage) {
    case 949:
      return "CP949";
    case 65001:
      return "UTF-8";
    default:
      return "CP932";  // 932 and the ANSI code page
  }
}

struct ConverterCache {
  std::map<std::pair<std::string, std::string>, iconv_t> map;
  ~ConverterCache() {
    for (auto& [key, cd] : map)
      if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
  }
};

iconv_t Converter(const char* from, const char* to) {
  static ConverterCache converters;
  auto& cache = converters.map;
  auto key = std::make_pair(std::string(from), std::string(to));
  auto it = cache.find(key);
  if (it != cache.end()) {
    iconv(it->second, nullptr, nullptr, nullptr, nullptr);
    return it->second;
  }
  iconv_t cd = iconv_open(to, from);
  cache[key] = cd;
  return cd;
}

}  // namespace

std::u16string DecodeCodePage(const char* text, size_t length, int32_t codePage) {
  std::u16string out;
  if (!text || length == 0) return out;
  iconv_t cd = Converter(IconvName(codePage), "UTF-16LE");
  if (cd == reinterpret_cast<iconv_t>(-1)) return out;
  char* in = const_cast<char*>(text);
  size_t inLeft = length;
  char buffer[512];
  while (inLeft > 0) {
    char* o = buffer;
    size_t oLeft = sizeof buffer;
    size_t r = iconv(cd, &in, &inLeft, &o, &oLeft);
    for (char* p = buffer; p + 1 < o; p += 2)
      out.push_back(
          static_cast<char16_t>(static_cast<unsigned char>(p[0]) | static_cast<unsigned char>(p[1]) << 8));
    if (r == static_cast<size_t>(-1) && errno != E2BIG) {
      // A broken byte becomes U+FFFD and the rest is still read.
      out.push_back(u'\uFFFD');
      in++;
      inLeft--;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

std::string EncodeCodePage(const std::u16string& text, int32_t codePage, size_t maxBytes) {
  std::string out;
  iconv_t cd = Converter("UTF-16LE", IconvName(codePage));
  if (cd == reinterpret_cast<iconv_t>(-1)) return out;
  for (size_t i = 0; i < text.size();) {
    size_t units = (text[i] >= 0xD800 && text[i] < 0xDC00 && i + 1 < text.size()) ? 2 : 1;
    char in[4];
    for (size_t k = 0; k < units; k++) {
      in[2 * k] = static_cast<char>(text[i + k] & 0xFF);
      in[2 * k + 1] = static_cast<char>(text[i + k] >> 8);
    }
    char* ip = in;
    size_t inLeft = units * 2;
    char buffer[16];
    char* o = buffer;
    size_t oLeft = sizeof buffer;
    size_t r = iconv(cd, &ip, &inLeft, &o, &oLeft);
    std::string piece = r == static_cast<size_t>(-1) ? std::string("?") : std::string(buffer, o);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    if (out.size() + piece.size() > maxBytes) break;
    out += piece;
    i += units;
  }
  return out;
}

std::string ToUtf8(const std::u16string& text) { return EncodeCodePage(text, 65001, SIZE_MAX); }

std::u16string FromUtf8(const std::string& text) { return DecodeCodePage(text.data(), text.size(), 65001); }

HostUnicodeString* NewHostString(const std::u16string& text) { return new HostUnicodeString{text}; }
