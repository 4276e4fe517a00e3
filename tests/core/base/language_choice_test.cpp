// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/base/language_choice.h"

#include <gtest/gtest.h>

namespace cps {
namespace {

TEST(LanguageChoice, CatalogueCodeOfFileNames) {
  const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
      {"dpmr-cps_de.qm", "de"},
      {"dpmr-cps_zh_CN.qm", "zh_CN"},
      {"dpmr-cps_sr_Latn.qm", "sr_Latn"},
      {"dpmr-cps_es_419.qm", "es_419"},
      {"dpmr-cps_fil.qm", "fil"},
      {"dpmr-cps_.qm", std::nullopt},
      {"dpmr-cps_de.ts", std::nullopt},
      {"dpmr-cps_de.qm.bak", std::nullopt},
      {"qtbase_de.qm", std::nullopt},
      {"dpmr-cps_DE.qm", std::nullopt},      // a language is lower case
      {"dpmr-cps_de-DE.qm", std::nullopt},   // "_", as Qt names them
      {"dpmr-cps_de_de.qm", std::nullopt},   // a territory is upper case
      {"dpmr-cps_deutsch.qm", std::nullopt},
      {"dpmr-cps_d.qm", std::nullopt},
      {"dpmr-cps_de_.qm", std::nullopt},
      {"dpmr-cps_zh_HANS.qm", std::nullopt},  // a script is "Hans"
      {"dpmr-cps_de_1234.qm", std::nullopt},  // neither script nor territory
      {"dpmr-cps_de_Ab.qm", std::nullopt},
      {"dpmr-cps_de_12.qm", std::nullopt},
      {"dpmr-cps_../de.qm", std::nullopt},
  };
  for (const auto& [name, code] : cases) EXPECT_EQ(CatalogueCode(name), code) << name;
}

TEST(LanguageChoice, CodesAreNormalisedAsQtWritesThem) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"de", "de"},       {"DE", "de"},       {"de-DE", "de_DE"},           {"zh-cn", "zh_CN"},
      {"ZH_cn", "zh_CN"}, {"zh-hans", "zh_Hans"}, {"zh-Hans-CN", "zh_Hans_CN"}, {"es-419", "es_419"},
      {"", ""},
  };
  for (const auto& [given, code] : cases) EXPECT_EQ(NormaliseLanguageCode(given), code) << given;
}

TEST(LanguageChoice, SystemLanguageFindsItsCatalogue) {
  const std::vector<std::string> codes{"de", "en", "zh_CN"};
  struct Case {
    std::vector<std::string> system;
    std::string expected;
  };
  const std::vector<Case> cases = {
      {{"de-DE", "de"}, "de"},                   // a territory of a language-only catalogue
      {{"de"}, "de"},
      {{"zh-Hans-CN", "zh-CN", "zh"}, "zh_CN"},  // the exact one, though later in the list
      {{"zh"}, "zh_CN"},                         // the only catalogue of the language
      {{"fr-FR", "en-GB", "en"}, "en"},          // the first language with a catalogue
      {{"fr-FR", "fr"}, ""},
      {{}, ""},
      {{"", "C"}, ""},
  };
  for (const auto& c : cases) {
    std::string given;
    for (const auto& s : c.system) given += s + " ";
    EXPECT_EQ(SystemCatalogue(c.system, codes), c.expected) << given;
  }
  EXPECT_EQ(SystemCatalogue({"de-DE"}, {}), "");
  EXPECT_EQ(SystemCatalogue({"de-AT"}, {"de_AT", "de_DE"}), "de_AT");
}

TEST(LanguageChoice, ResolveTakesCodesAndBuiltIn) {
  const std::vector<std::string> codes{"de", "en", "zh_CN"};
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"de", "de"},      {"DE", "de"},          {"zh_CN", "zh_CN"}, {"zh-cn", "zh_CN"}, {"en", "en"},
      {"builtin", ""},   {"Built-in", ""},      {"BUILTIN", ""},    {"", ""},
  };
  for (const auto& [given, code] : cases) {
    const auto r = ResolveLanguage(given, codes);
    ASSERT_TRUE(r.ok()) << given << ": " << r.error();
    EXPECT_EQ(*r, code) << given;
  }
}

TEST(LanguageChoice, UnknownLanguageNamesTheChoices) {
  const std::vector<std::string> codes{"de", "en", "zh_CN"};
  for (const std::string given : {"fr", "zh", "de_DE", "german", "zh_TW"}) {
    const auto r = ResolveLanguage(given, codes);
    ASSERT_FALSE(r.ok()) << given;
    EXPECT_EQ(r.error(), "unknown language \"" + given + "\" (choose one of: builtin, de, en, zh_CN)");
  }
  EXPECT_EQ(ResolveLanguage("de", {}).error(), "unknown language \"de\" (choose one of: builtin)");
}

}  // namespace
}  // namespace cps
