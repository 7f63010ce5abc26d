// Code page conversions. The double-byte pages go through iconv one character at
// a time, so that a bad character costs only itself and never the rest of the text.
#include "win_codepage.h"

#include <iconv.h>

#include <cstring>
#include <string>
#include <vector>

#include "win_text.h"

namespace {

enum class Page { ShiftJis, Korean, Utf8, Unknown };

Page PageOf(UINT codePage) {
  switch (codePage) {
    case CP_ACP:
    case CP_OEMCP:
    case CP_THREAD_ACP:
    case 932:
      return Page::ShiftJis;
    case 949:
      return Page::Korean;
    case CP_UTF8:
      return Page::Utf8;
    default:
      return Page::Unknown;
  }
}

struct IconvPair {
  iconv_t toWide = reinterpret_cast<iconv_t>(-1);
  iconv_t fromWide = reinterpret_cast<iconv_t>(-1);
};

IconvPair& ConvertersFor(Page page) {
  static IconvPair shiftJis;
  static IconvPair korean;
  IconvPair& pair = page == Page::ShiftJis ? shiftJis : korean;
  const char* name = page == Page::ShiftJis ? "CP932" : "CP949";
  if (pair.toWide == reinterpret_cast<iconv_t>(-1)) pair.toWide = iconv_open("UTF-16LE", name);
  if (pair.fromWide == reinterpret_cast<iconv_t>(-1)) pair.fromWide = iconv_open(name, "UTF-16LE");
  return pair;
}

// Runs one character through iconv; false when it has no mapping.
bool IconvOne(iconv_t cd, const char* in, size_t inBytes, std::string& out) {
  if (cd == reinterpret_cast<iconv_t>(-1)) return false;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char buffer[16];
  char* src = const_cast<char*>(in);
  char* dst = buffer;
  size_t dstLeft = sizeof buffer;
  if (iconv(cd, &src, &inBytes, &dst, &dstLeft) == static_cast<size_t>(-1) || inBytes != 0) return false;
  out.assign(buffer, dst);
  return !out.empty();
}

struct Decoded {
  int consumed;
  bool valid;
};

void PushUnits(const std::string& utf16le, std::vector<WCHAR>& out) {
  for (size_t i = 0; i + 1 < utf16le.size(); i += 2)
    out.push_back(static_cast<WCHAR>(static_cast<unsigned char>(utf16le[i]) |
                                     (static_cast<unsigned char>(utf16le[i + 1]) << 8)));
}

bool IsShiftJisLead(unsigned char b) { return IsCp932Lead(b); }
bool IsShiftJisTrail(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }
bool IsKoreanLead(unsigned char b) { return b >= 0x81 && b <= 0xFE; }
bool IsKoreanTrail(unsigned char b) {
  return (b >= 0x41 && b <= 0x5A) || (b >= 0x61 && b <= 0x7A) || (b >= 0x81 && b <= 0xFE);
}

constexpr WCHAR kShiftJisDefault = 0x30FB;  // katakana middle dot
constexpr WCHAR kKoreanDefault = 0x003F;
constexpr WCHAR kReplacement = 0xFFFD;

Decoded DecodeDoubleByte(Page page, const unsigned char* s, int n, std::vector<WCHAR>& out) {
  const unsigned char b = s[0];
  if (b < 0x80) {
    out.push_back(b);
    return {1, true};
  }
  const bool shiftJis = page == Page::ShiftJis;
  if (shiftJis) {
    if (b >= 0xA1 && b <= 0xDF) {
      out.push_back(static_cast<WCHAR>(0xFF61 + (b - 0xA1)));
      return {1, true};
    }
    // The single bytes the system maps to itself or to the private use area.
    if (b == 0x80) {
      out.push_back(0x0080);
      return {1, true};
    }
    if (b == 0xA0 || b >= 0xFD) {
      out.push_back(static_cast<WCHAR>(b == 0xA0 ? 0xF8F0 : 0xF8F1 + (b - 0xFD)));
      return {1, true};
    }
  }
  const WCHAR fallback = shiftJis ? kShiftJisDefault : kKoreanDefault;
  const bool lead = shiftJis ? IsShiftJisLead(b) : IsKoreanLead(b);
  if (!lead || n < 2 || !(shiftJis ? IsShiftJisTrail(s[1]) : IsKoreanTrail(s[1]))) {
    out.push_back(fallback);
    return {1, false};
  }
  std::string wide;
  if (!IconvOne(ConvertersFor(page).toWide, reinterpret_cast<const char*>(s), 2, wide)) {
    out.push_back(fallback);
    return {2, false};
  }
  PushUnits(wide, out);
  return {2, true};
}

// One UTF-8 character; an ill-formed sequence is replaced as a whole maximal subpart.
Decoded DecodeUtf8(const unsigned char* s, int n, std::vector<WCHAR>& out) {
  const unsigned char b = s[0];
  if (b < 0x80) {
    out.push_back(b);
    return {1, true};
  }
  int need;
  uint32_t cp;
  unsigned char lo = 0x80, hi = 0xBF;
  if (b >= 0xC2 && b <= 0xDF) {
    need = 1;
    cp = b & 0x1F;
  } else if (b >= 0xE0 && b <= 0xEF) {
    need = 2;
    cp = b & 0x0F;
    if (b == 0xE0) lo = 0xA0;
    if (b == 0xED) hi = 0x9F;
  } else if (b >= 0xF0 && b <= 0xF4) {
    need = 3;
    cp = b & 0x07;
    if (b == 0xF0) lo = 0x90;
    if (b == 0xF4) hi = 0x8F;
  } else {
    out.push_back(kReplacement);
    return {1, false};
  }
  int i = 1;
  for (; i <= need; ++i) {
    if (i >= n) break;
    const unsigned char c = s[i];
    if (c < (i == 1 ? lo : 0x80) || c > (i == 1 ? hi : 0xBF)) break;
    cp = (cp << 6) | (c & 0x3F);
  }
  if (i <= need) {
    out.push_back(kReplacement);
    return {i, false};
  }
  if (cp >= 0x10000) {
    cp -= 0x10000;
    out.push_back(static_cast<WCHAR>(0xD800 + (cp >> 10)));
    out.push_back(static_cast<WCHAR>(0xDC00 + (cp & 0x3FF)));
  } else {
    out.push_back(static_cast<WCHAR>(cp));
  }
  return {need + 1, true};
}

void AppendUtf8(uint32_t cp, std::string& out) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Encodes the character at s[0] (one unit or a surrogate pair); returns units consumed.
int EncodeDoubleByte(Page page, const WCHAR* s, int n, std::string& out, bool& mapped) {
  const WCHAR c = s[0];
  mapped = true;
  if (c < 0x80) {
    out += static_cast<char>(c);
    return 1;
  }
  if (c >= 0xD800 && c <= 0xDFFF) {
    mapped = false;
    const bool pair = c <= 0xDBFF && n >= 2 && s[1] >= 0xDC00 && s[1] <= 0xDFFF;
    return pair ? 2 : 1;
  }
  if (page == Page::ShiftJis) {
    if (c == 0x0080) {
      out += '\x80';
      return 1;
    }
    if (c == 0xF8F0 || (c >= 0xF8F1 && c <= 0xF8F3)) {
      out += static_cast<char>(c == 0xF8F0 ? 0xA0 : 0xFD + (c - 0xF8F1));
      return 1;
    }
  }
  char in[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  std::string bytes;
  if (IconvOne(ConvertersFor(page).fromWide, in, 2, bytes)) {
    out += bytes;
  } else {
    mapped = false;
  }
  return 1;
}

// The longest prefix of whole characters (given by their start offsets) within room.
size_t WholeCharactersThatFit(const std::vector<size_t>& starts, size_t total, size_t room) {
  size_t fit = 0;
  for (size_t k = 1; k <= starts.size(); ++k) {
    const size_t end = k < starts.size() ? starts[k] : total;
    if (end > room) break;
    fit = end;
  }
  return fit;
}

int Fail(DWORD error) {
  SetLastError(error);
  return 0;
}

}  // namespace

UINT GetACP() { return 932; }

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR source, int sourceBytes, LPWSTR dest,
                        int destChars) {
  const Page page = PageOf(codePage);
  if (page == Page::Unknown || source == nullptr || sourceBytes == 0 || sourceBytes < -1 || destChars < 0 ||
      (destChars > 0 && dest == nullptr))
    return Fail(ERROR_INVALID_PARAMETER);
  if (page == Page::Utf8 && (flags & ~MB_ERR_INVALID_CHARS) != 0) return Fail(ERROR_INVALID_FLAGS);
  const int length = sourceBytes == -1 ? static_cast<int>(std::strlen(source)) + 1 : sourceBytes;
  const auto* s = reinterpret_cast<const unsigned char*>(source);

  std::vector<WCHAR> wide;
  std::vector<size_t> charStarts;  // where each whole character begins in `wide`
  for (int i = 0; i < length;) {
    charStarts.push_back(wide.size());
    const Decoded d = page == Page::Utf8 ? DecodeUtf8(s + i, length - i, wide)
                                         : DecodeDoubleByte(page, s + i, length - i, wide);
    if (!d.valid && (flags & MB_ERR_INVALID_CHARS)) return Fail(ERROR_NO_UNICODE_TRANSLATION);
    i += d.consumed;
  }
  const int needed = static_cast<int>(wide.size());
  if (destChars == 0) return needed;
  if (needed > destChars) {
    // Whatever whole characters fit are written, as the system does, and the call fails.
    const size_t fit = WholeCharactersThatFit(charStarts, wide.size(), static_cast<size_t>(destChars));
    std::memcpy(dest, wide.data(), fit * sizeof(WCHAR));
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  }
  std::memcpy(dest, wide.data(), wide.size() * sizeof(WCHAR));
  return needed;
}

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR source, int sourceChars, LPSTR dest,
                        int destBytes, LPCSTR defaultChar, LPBOOL usedDefaultChar) {
  const Page page = PageOf(codePage);
  if (page == Page::Unknown || source == nullptr || sourceChars == 0 || sourceChars < -1 || destBytes < 0 ||
      (destBytes > 0 && dest == nullptr))
    return Fail(ERROR_INVALID_PARAMETER);
  if (page == Page::Utf8) {
    if (defaultChar != nullptr || usedDefaultChar != nullptr) return Fail(ERROR_INVALID_PARAMETER);
    if ((flags & ~WC_ERR_INVALID_CHARS) != 0) return Fail(ERROR_INVALID_FLAGS);
  } else if (flags & WC_ERR_INVALID_CHARS) {
    return Fail(ERROR_INVALID_FLAGS);
  }
  int length = sourceChars;
  if (length == -1) {
    length = 0;
    while (source[length] != 0) ++length;
    ++length;
  }

  char fallbackBytes[3] = {'?', 0, 0};
  if (defaultChar != nullptr && defaultChar[0] != 0) {
    const bool twoBytes = page == Page::ShiftJis ? IsShiftJisLead(static_cast<unsigned char>(defaultChar[0]))
                                                 : IsKoreanLead(static_cast<unsigned char>(defaultChar[0]));
    fallbackBytes[0] = defaultChar[0];
    if (twoBytes && defaultChar[1] != 0) fallbackBytes[1] = defaultChar[1];
  }
  const std::string fallback(fallbackBytes);
  bool usedDefault = false;
  std::string bytes;
  std::vector<size_t> charStarts;
  for (int i = 0; i < length;) {
    charStarts.push_back(bytes.size());
    const WCHAR c = source[i];
    if (page == Page::Utf8) {
      if (c >= 0xD800 && c <= 0xDBFF && i + 1 < length && source[i + 1] >= 0xDC00 &&
          source[i + 1] <= 0xDFFF) {
        AppendUtf8(0x10000 + ((static_cast<uint32_t>(c) - 0xD800) << 10) + (source[i + 1] - 0xDC00), bytes);
        i += 2;
        continue;
      }
      if (c >= 0xD800 && c <= 0xDFFF) {
        if (flags & WC_ERR_INVALID_CHARS) return Fail(ERROR_NO_UNICODE_TRANSLATION);
        AppendUtf8(kReplacement, bytes);
      } else {
        AppendUtf8(c, bytes);
      }
      ++i;
      continue;
    }
    bool mapped;
    i += EncodeDoubleByte(page, source + i, length - i, bytes, mapped);
    if (!mapped) {
      bytes += fallback;
      usedDefault = true;
    }
  }
  if (usedDefaultChar != nullptr) *usedDefaultChar = usedDefault ? TRUE : FALSE;
  const int needed = static_cast<int>(bytes.size());
  if (destBytes == 0) return needed;
  if (needed > destBytes) {
    const size_t fit = WholeCharactersThatFit(charStarts, bytes.size(), static_cast<size_t>(destBytes));
    std::memcpy(dest, bytes.data(), fit);
    return Fail(ERROR_INSUFFICIENT_BUFFER);
  }
  std::memcpy(dest, bytes.data(), bytes.size());
  return needed;
}
