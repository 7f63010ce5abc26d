// Host strings built on the spot from code page 932 text and released at once.
#pragma once

#include "host_types.h"

class HostString {
 public:
  // A null text gives an empty string. When the Unicode string suite is not
  // held (an alert during the acquisition walk) it is taken for the string's
  // lifetime; without it the handle stays null.
  explicit HostString(const char* cp932Text);
  ~HostString();
  HostString(const HostString&) = delete;
  HostString& operator=(const HostString&) = delete;

  UnicodeStringHandle get() const { return handle_; }

 private:
  UnicodeStringHandle handle_ = nullptr;
  const struct AIUnicodeStringSuite* suite_ = nullptr;
  bool ownSuite_ = false;
};

// A modal alert through the user suite; nothing when the suite is not held.
void ShowMessageAlert(const char* cp932Text);
