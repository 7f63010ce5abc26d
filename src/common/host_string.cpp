#include "common/host_string.h"

#include "common/suite_pointers.h"

namespace {
constexpr int32_t kShiftJisCodePage = 932;
}

HostString::HostString(const char* cp932Text) {
  suite_ = sAIUnicodeString;
  if (suite_ == nullptr && sSPBasic != nullptr) {
    const void* suite = nullptr;
    if (sSPBasic->AcquireSuite(kAIUnicodeStringSuiteName, kAIUnicodeStringSuiteVersion, &suite) == kNoErr) {
      suite_ = static_cast<const AIUnicodeStringSuite*>(suite);
      ownSuite_ = true;
    }
  }
  if (suite_ == nullptr) return;
  if (suite_->NewFromCodePage(cp932Text != nullptr ? cp932Text : "", kShiftJisCodePage, &handle_) != kNoErr) {
    handle_ = nullptr;
  }
}

HostString::~HostString() {
  if (handle_ != nullptr) suite_->Dispose(handle_);
  if (ownSuite_) sSPBasic->ReleaseSuite(kAIUnicodeStringSuiteName, kAIUnicodeStringSuiteVersion);
}

void ShowMessageAlert(const char* cp932Text) {
  if (sAIUser == nullptr) return;
  HostString text(cp932Text);
  sAIUser->MessageAlert(text.get());
}
