// A clean stand-in Windows for each test, and an instance to register test resources under.
#pragma once

#include <gtest/gtest.h>

#include "win_api.h"
#include "win_driver.h"

class WinLayerTest : public ::testing::Test {
 protected:
  void SetUp() override { vmwin::ResetWindowsLayer(); }
  void TearDown() override { vmwin::ResetWindowsLayer(); }
};

// A module instance of the tests' own (never dereferenced).
HINSTANCE TestInstance();
// Registers one resource of the tests' instance.
void RegisterTestResource(int type, int id, const void* data);
