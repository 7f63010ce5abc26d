// What a modal dialog of the module ends with.
#pragma once

#include <cstdint>

constexpr int32_t kDialogOk = 1;
constexpr int32_t kDialogCancel = 2;
