#include <gtest/gtest.h>

#include <type_traits>

#include "common/plugin_globals.h"

// The handle table is copied whole for undo, preview and cancel.
TEST(PluginGlobals, RecordsAreTriviallyCopyable) {
  EXPECT_TRUE(std::is_trivially_copyable_v<RevisionHandle>);
  EXPECT_TRUE(std::is_trivially_copyable_v<PluginGlobals>);
}
