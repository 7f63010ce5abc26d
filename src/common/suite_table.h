// Acquisition and release of every host suite around a call into the module.
#pragma once

#include <cstdint>

#include "host_suites.h"

struct SuiteTableEntry {
  const char* name;
  int32_t version;
  const void** variable;
  int16_t calledByModule;  // a call cannot go on without it
};

constexpr int kSuiteTableRows = 117;
extern const SuiteTableEntry kSuiteTable[kSuiteTableRows];

// Nesting depth of AcquireSuites; only the outermost pair touches the host.
extern int16_t gSuiteNesting;

HostErr AcquireSuites(SPBasicSuite* basic);
HostErr ReleaseSuites(SPBasicSuite* basic);
