#include "shell/host_string.h"

#include "shell/suite_pointers.h"

namespace {
constexpr int32_t kShiftJisCodePage = 932;
}

HostString::HostString(const char* cp932Text) {
  if (sAIUnicodeString == nullptr) return;
  if (sAIUnicodeString->NewFromCodePage(cp932Text != nullptr ? cp932Text : "", kShiftJisCodePage, &handle_) !=
      kNoErr) {
    handle_ = nullptr;
  }
}

HostString::~HostString() {
  if (handle_ != nullptr && sAIUnicodeString != nullptr) sAIUnicodeString->Dispose(handle_);
}

void ShowMessageAlert(const char* cp932Text) {
  if (sAIUser == nullptr) return;
  HostString text(cp932Text);
  sAIUser->MessageAlert(text.get());
}
