// Routing of host messages and the entry point's error reporting.
#pragma once

#include "host_types.h"

HostErr DispatchPluginMessage(const char* caller, const char* selector, void* message);
HostErr OnAbout(SPMessageData* message);
void ReportInternalError(HostErr code);
HostErr ReturnZeroStub();
HostErr ReturnZeroStub2();

// The code's four bytes as text, most significant first (out holds 5 bytes).
void FourCharCodeText(HostErr code, char out[5]);
