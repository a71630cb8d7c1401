// The registry store: its contract, and several processes writing one section at once.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/settings_values.h"
#include "common/win/wide.h"
#include "tests/e2e/harness/harness.h"
#include "tests/support/settings_store_contract.h"

namespace norvella::e2e {
namespace {

constexpr int kWrites = 300;
constexpr size_t kValueLength = 4000;

// Writer k stores "k:<n>:" followed by filler of its own letter, so a torn value is recognisable.
std::u16string WriterValue(int writer, int n) {
  std::u16string value = u"w";
  value += FormatInteger(writer);
  value += u':';
  value += FormatInteger(n);
  value += u':';
  value.append(kValueLength - value.size(), static_cast<char16_t>(u'a' + writer));
  return value;
}

bool IsWholeValue(const std::u16string& value) {
  if (value.size() != kValueLength || value[0] != u'w') return false;
  const int writer = value[1] - u'0';
  const size_t filler = value.find(u':', 3);
  if (writer < 0 || writer > 9 || filler == std::u16string::npos) return false;
  for (size_t i = filler + 1; i < value.size(); ++i)
    if (value[i] != static_cast<char16_t>(u'a' + writer)) return false;
  return true;
}

int RunWriter(int writer) {
  win::RegistrySettingsStore store;
  for (int n = 0; n < kWrites; ++n) store.WriteSetting(u"NorvellaB", u"Text", WriterValue(writer, n));
  store.WriteSetting(u"NorvellaB", u"Done" + FormatInteger(writer), u"Yes");
  return 0;
}

std::wstring SelfPath() {
  wchar_t path[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return path;
}

TEST(RegistrySettingsStore, KeepsTheStoreContract) {
  win::RegistrySettingsStore store;
  norvella::testing::ExpectSettingsStoreContract(store);
}

TEST(RegistrySettingsStore, LivesUnderTheSuitesKey) {
  Store().RemoveAllSettings();
  StoreB(u"Alpha", u"153");
  win::UniqueKey key;
  ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Kelmora\\Norvella\\NorvellaB", 0,
                            KEY_QUERY_VALUE, key.put()),
            ERROR_SUCCESS);
  DWORD type = 0;
  wchar_t data[16] = {};
  DWORD size = sizeof data;
  ASSERT_EQ(::RegQueryValueExW(key.get(), L"Alpha", nullptr, &type, reinterpret_cast<BYTE*>(data), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(data, L"153");
}

TEST(RegistrySettingsStore, ConcurrentWritersNeverShowAHalfWrittenValue) {
  Store().RemoveAllSettings();
  constexpr int kWriters = 4;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  std::vector<win::UniqueHandle> writers;
  for (int k = 0; k < kWriters; ++k) {
    std::wstring command = L"\"" + SelfPath() + L"\" --writer " + std::to_wstring(k);
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                 nullptr, &si, &pi));
    ::CloseHandle(pi.hThread);
    writers.emplace_back(pi.hProcess);
  }

  // Read while they write: every value seen is one that some writer wrote whole.
  win::RegistrySettingsStore reader;
  int reads = 0;
  int torn = 0;
  const auto all_done = [&] {
    for (const auto& w : writers)
      if (::WaitForSingleObject(w.get(), 0) == WAIT_TIMEOUT) return false;
    return true;
  };
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!all_done() && std::chrono::steady_clock::now() < deadline) {
    const std::u16string value = reader.ReadSetting(u"NorvellaB", u"Text", u"");
    if (!value.empty()) {
      ++reads;
      if (!IsWholeValue(value)) ++torn;
    }
  }
  ASSERT_TRUE(all_done()) << "a writer did not finish";
  EXPECT_GT(reads, 0);
  EXPECT_EQ(torn, 0);

  // Last writer wins: the value left is the final value of one of the writers.
  const std::u16string last = reader.ReadSetting(u"NorvellaB", u"Text", u"");
  bool is_a_final_value = false;
  for (int k = 0; k < kWriters; ++k) is_a_final_value |= last == WriterValue(k, kWrites - 1);
  EXPECT_TRUE(is_a_final_value);
  for (int k = 0; k < kWriters; ++k)
    EXPECT_EQ(reader.ReadSetting(u"NorvellaB", u"Done" + FormatInteger(k), u""), u"Yes");

  // Nothing is cached: a write by another process is seen by the very next read.
  std::wstring command = L"\"" + SelfPath() + L"\" --writer 7";
  PROCESS_INFORMATION pi{};
  ASSERT_TRUE(::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                               nullptr, &si, &pi));
  ::CloseHandle(pi.hThread);
  win::UniqueHandle seventh(pi.hProcess);
  ASSERT_EQ(::WaitForSingleObject(seventh.get(), 60000), WAIT_OBJECT_0);
  EXPECT_EQ(reader.ReadSetting(u"NorvellaB", u"Text", u""), WriterValue(7, kWrites - 1));
  Store().RemoveAllSettings();
}

}  // namespace
}  // namespace norvella::e2e

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--writer") return norvella::e2e::RunWriter(std::atoi(argv[2]));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
