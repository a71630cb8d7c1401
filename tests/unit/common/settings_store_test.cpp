#include <gtest/gtest.h>

#include "tests/support/memory_settings_store.h"
#include "tests/support/settings_store_contract.h"

namespace norvella::testing {
namespace {

TEST(MemorySettingsStore, KeepsTheStoreContract) {
  MemorySettingsStore store;
  ExpectSettingsStoreContract(store);
}

}  // namespace
}  // namespace norvella::testing
