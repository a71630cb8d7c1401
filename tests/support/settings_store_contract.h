#pragma once
// The contract every settings store of the suite keeps, run against the in-memory double in the
// unit tests and against the registry store under Wine.
#include <gtest/gtest.h>

#include "common/settings_store.h"

namespace norvella::testing {

inline void ExpectSettingsStoreContract(SettingsStore& store) {
  store.RemoveAllSettings();
  // Missing application entry, section or key: the reader's default.
  EXPECT_EQ(store.ReadSetting(u"NorvellaB", u"Alpha", u"221"), u"221");

  // A key stored empty reads as empty, not as the default.
  EXPECT_TRUE(store.WriteSetting(u"NorvellaB", u"Text", u""));
  EXPECT_EQ(store.ReadSetting(u"NorvellaB", u"Text", u"fallback"), u"");

  // Names match without regard to letter case: "FontBold" written, "Fontbold" read.
  store.WriteSetting(u"NorvellaB", u"FontBold", u"1");
  EXPECT_EQ(store.ReadSetting(u"norvellab", u"Fontbold", u"0"), u"1");
  store.WriteSetting(u"NORVELLAB", u"FONTBOLD", u"0");
  EXPECT_EQ(store.ReadSetting(u"NorvellaB", u"FontBold", u"x"), u"0");

  // Values are kept unchanged: line breaks, Chinese text, leading and trailing spaces.
  const std::u16string text = u" 第一行\r\n第二行 😀 \r\n";
  store.WriteSetting(u"NorvellaB", u"Text", text);
  EXPECT_EQ(store.ReadSetting(u"NorvellaB", u"Text", u""), text);

  // Sections are separate: "Front" means different things in each.
  store.WriteSetting(u"NorvellaA", u"Front", u"No");
  store.WriteSetting(u"NorvellaB", u"Front", u"1");
  EXPECT_EQ(store.ReadSetting(u"NorvellaA", u"Front", u""), u"No");
  EXPECT_EQ(store.ReadSetting(u"NorvellaB", u"Front", u""), u"1");

  // Removing a key, then a key that is not there.
  EXPECT_TRUE(store.RemoveSetting(u"NorvellaA", u"Front"));
  EXPECT_EQ(store.ReadSetting(u"NorvellaA", u"Front", u"gone"), u"gone");
  EXPECT_TRUE(store.RemoveSetting(u"NorvellaA", u"Front"));
  EXPECT_TRUE(store.RemoveSetting(u"NoSuchSection", u"Front"));

  // Removing everything: every key reads as its default again.
  EXPECT_TRUE(store.RemoveAllSettings());
  EXPECT_EQ(store.ReadSetting(u"NorvellaB", u"Front", u"1"), u"1");
  EXPECT_EQ(store.ReadSetting(u"NorvellaB", u"Text", u"d"), u"d");
  EXPECT_TRUE(store.RemoveAllSettings());
}

}  // namespace norvella::testing
