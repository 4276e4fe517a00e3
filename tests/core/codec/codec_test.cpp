// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <clocale>
#include <cstdint>
#include <string>

#include "core/base/c_text.h"
#include "core/codec/bcd.h"
#include "core/codec/decimal.h"
#include "core/codec/digit_codes.h"
#include "core/codec/frequency.h"
#include "core/codec/tone.h"

namespace cps {
namespace {

TEST(Bcd, BytesAndFrequencies) {
  EXPECT_EQ(BcdFromByte(45), 0x45);
  EXPECT_EQ(BcdFromByte(0), 0x00);
  EXPECT_EQ(BcdFromByte(99), 0x99);
  EXPECT_EQ(ByteFromBcd(0x45), 45);
  EXPECT_EQ(ByteFromBcd(0xFF), 165);

  struct Case { std::uint32_t units; BcdBytes bytes; };
  const Case cases[] = {
      {43850000, {0x00, 0x00, 0x85, 0x43}},  // 438.5 MHz
      {14552500, {0x00, 0x25, 0x55, 0x14}},  // 145.525 MHz
      {40000000, {0x00, 0x00, 0x00, 0x40}},  // band default
      {60000, {0x00, 0x00, 0x06, 0x00}},     // new channel offset
      {99999999, {0x99, 0x99, 0x99, 0x99}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeBcdFrequency(c.units), c.bytes) << c.units;
    EXPECT_EQ(DecodeBcdFrequency(c.bytes), c.units) << c.units;
  }
  const std::uint8_t emptyLow[4] = {0x00, 0x50, 0x85, 0x00};
  const std::uint8_t emptyHigh[4] = {0x00, 0x50, 0x85, 0xFF};
  const std::uint8_t used[4] = {0x00, 0x50, 0x85, 0x43};
  EXPECT_TRUE(IsEmptyFrequency(emptyLow));
  EXPECT_TRUE(IsEmptyFrequency(emptyHigh));
  EXPECT_FALSE(IsEmptyFrequency(used));
}

TEST(DecimalMultiply, TypedFrequenciesLandOnTheirUnits) {
  EXPECT_EQ(DecimalMultiplyTrunc(145.525, 100000), 14552500);
  EXPECT_EQ(DecimalMultiplyTrunc(0.1, 3), 0);  // 0.3 -> 0
  EXPECT_EQ(DecimalMultiplyTrunc(1.25, 10), 12);
  EXPECT_EQ(DecimalMultiplyTrunc(-1.25, 10), -12);  // toward zero
  EXPECT_DOUBLE_EQ(DecimalMultiply(438500000.0, 0.000001), 438.5);
  EXPECT_DOUBLE_EQ(DecimalMultiply(0, 5), 0);
  // Every 12.5 kHz / 6.25 kHz step text from 136 to 174 and 400 to 470 MHz
  // must give its exact unit count (naive double math loses one unit on many).
  for (long long units = 13600000; units <= 17400000; units += 625) {
    const std::string text = std::to_string(units / 100000) + "." + [&] {
      std::string f = std::to_string(units % 100000);
      return std::string(5 - f.size(), '0') + f;
    }();
    ASSERT_EQ(FrequencyFromText(text), units) << text;
  }
  for (long long units = 40000000; units <= 47000000; units += 625) {
    const std::string text = FormatFixed(static_cast<double>(units) / 100000.0, 5);
    ASSERT_EQ(FrequencyFromText(text), units) << text;
  }
}

TEST(Frequency, TextParsingLikeStrtod) {
  EXPECT_EQ(FrequencyFromText("438.5"), 43850000);
  EXPECT_EQ(FrequencyFromText("  438.5MHz"), 43850000);
  EXPECT_EQ(FrequencyFromText("4.385e2"), 43850000);
  EXPECT_EQ(FrequencyFromText(""), 0);
  EXPECT_EQ(FrequencyFromText("abc"), 0);
  EXPECT_EQ(FrequencyFromText(".5"), 50000);
  EXPECT_EQ(FrequencyFromText("446.003125"), 44600312);  // 10 Hz units truncate
}

TEST(Frequency, SnapToStepGridsAndTies) {
  EXPECT_EQ(SnapToStep(14552000), 145520000u);   // on the 2.5 kHz grid
  EXPECT_EQ(SnapToStep(44600625), 446006250u);   // on the 3.125 kHz grid
  EXPECT_EQ(SnapToStep(43850100), 438500000u);   // tie: 2.5 kHz grid, down first
  EXPECT_EQ(SnapToStep(44600312), 446003125u);   // up by 5 Hz to 3.125 kHz
  EXPECT_EQ(SnapToStep(43850200), 438502500u);   // 438.502: up 500 on 2.5 kHz
  EXPECT_EQ(SnapToStep(0), 0u);
}

TEST(Frequency, TextsAreLocaleIndependent) {
  const char* old = std::setlocale(LC_ALL, nullptr);
  const std::string saved = old ? old : "C";
  // A desktop with a decimal comma must still read and show a point.
  const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
  EXPECT_EQ(FrequencyToText(43850000), "438.500000");
  EXPECT_EQ(FrequencyToText(14552500), "145.525000");
  EXPECT_EQ(FrequencyToText(43850100), "438.500000");
  EXPECT_EQ(FrequencyToText(44600312), "446.003125");
  EXPECT_EQ(OffsetToText(60000), "0.600000");
  EXPECT_EQ(FrequencyFromText("438.5"), 43850000);
  EXPECT_EQ(ToneToText(0x70, 0x06), "67.0");
  std::setlocale(LC_ALL, saved.c_str());
  (void)german;
}

TEST(Tone, ListHasTheFixedEntries) {
  const auto& list = ToneList();
  ASSERT_EQ(list.size(), 266u);
  EXPECT_EQ(list[0], "None");
  EXPECT_EQ(list[1], "63.0");
  EXPECT_EQ(list[51], "254.1");
  EXPECT_EQ(list[52], "D017N");
  EXPECT_EQ(list[158], "D754N");
  EXPECT_EQ(list[159], "D017I");
  EXPECT_EQ(list[265], "D754I");
}

TEST(Tone, BytesToTextAndBack) {
  struct Case { ToneCode bytes; const char* text; };
  const Case cases[] = {
      {{0x70, 0x06}, "67.0"},  {{0x41, 0x25}, "254.1"}, {{0x23, 0x80}, "D023N"},
      {{0x54, 0xC7}, "D754I"}, {{0xFF, 0xFF}, "None"},  {{0x12, 0x00}, "None"},
      {{0x00, 0x10}, "100.0"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToneToText(c.bytes), c.text);
  // A code with first digit 0 and last two digits below 10 shows as D07N.
  EXPECT_EQ(ToneToText(0x07, 0x80), "D07N");
  EXPECT_EQ(ToneFromText("D023N"), (ToneCode{0x23, 0x80}));
  EXPECT_EQ(ToneFromText("D754I"), (ToneCode{0x54, 0xC7}));
  EXPECT_EQ(ToneFromText("D023"), (ToneCode{0x23, 0xC0}));  // no N: inverted
  EXPECT_EQ(ToneFromText("None"), (ToneCode{0xFF, 0xFF}));
  EXPECT_EQ(ToneFromText("67.05"), (ToneCode{0x70, 0x06}));  // tenths truncated
  EXPECT_EQ(ToneFromText("254.1"), (ToneCode{0x41, 0x25}));
  // Every list entry survives text -> bytes -> text.
  for (const auto& t : ToneList()) EXPECT_EQ(ToneToText(ToneFromText(t)), t);
}

TEST(Tone, NormalizeTypedTones) {
  struct Case { const char* typed; const char* normal; };
  const Case cases[] = {
      {"D023N", "D023N"}, {"23n", "D023N"}, {"N23", "D023N"},  {"D23", "D023N"},
      {"i23", "D023I"},   {"ID23", "D023I"}, {"23I", "D023I"}, {"D778", "None"},
      {"D0", "None"},     {"670", "D670N"},  {"67.05", "67.05"}, {"59.9", "None"},
      {"280.0", "280.0"}, {"280.1", "None"}, {"", ""},          {"xyz", "None"},
      {"dn754", "D754N"}, {"di754", "D754I"},
  };
  for (const auto& c : cases) EXPECT_EQ(NormalizeToneText(c.typed), c.normal) << c.typed;
}

TEST(DigitCodes, SetsAAndB) {
  EXPECT_EQ(DigitCodeA('0'), 0);
  EXPECT_EQ(DigitCodeA('9'), 9);
  EXPECT_EQ(DigitCodeA('A'), 10);
  EXPECT_EQ(DigitCodeA('D'), 13);
  EXPECT_EQ(DigitCodeA('*'), 14);
  EXPECT_EQ(DigitCodeA('#'), 15);
  EXPECT_EQ(DigitCodeA('G'), 255);
  EXPECT_EQ(DigitCharA(13), 'D');
  EXPECT_EQ(DigitCharA(14), '*');
  EXPECT_EQ(DigitCharA(15), '#');
  EXPECT_EQ(DigitCharA(16), '\0');
  EXPECT_EQ(DigitCodeB('*'), 10);
  EXPECT_EQ(DigitCodeB('7'), 7);
  EXPECT_EQ(DigitCodeB('#'), 255);
  EXPECT_EQ(DigitCharB(10), '*');
  EXPECT_EQ(DigitCharB(11), '\xFF');
  const std::uint8_t digits[] = {9, 9, 14, 15, 0xFF, 1};
  EXPECT_EQ(DigitsToTextA(digits, 6), "99*#");
}

TEST(TextHelpers, SevenDigitIdAndFitText) {
  EXPECT_FALSE(IsValidSevenDigitId("0000000"));
  EXPECT_FALSE(IsValidSevenDigitId("9000000"));
  EXPECT_TRUE(IsValidSevenDigitId("0000001"));
  EXPECT_TRUE(IsValidSevenDigitId("8999999"));
  EXPECT_FALSE(IsValidSevenDigitId("9000001"));
  EXPECT_TRUE(IsValidSevenDigitId("9000000 "));  // not one of the ten texts
  EXPECT_EQ(FitText("123", '0', 7, true), "0000123");
  EXPECT_EQ(FitText("ABC", 'F', 8, false), "ABCFFFFF");
  EXPECT_EQ(FitText("123456789", '0', 7, true), "1234567");
}

TEST(CText, ParsingAndFormatting) {
  std::size_t used = 0;
  EXPECT_DOUBLE_EQ(ParseDouble("  -1.5e1x", &used), -15.0);
  EXPECT_EQ(used, 8u);
  EXPECT_DOUBLE_EQ(ParseDouble("1e", &used), 1.0);
  EXPECT_EQ(used, 1u);
  EXPECT_EQ(ParseInt(" 42abc"), 42);
  EXPECT_EQ(ParseInt("-7"), -7);
  EXPECT_EQ(ParseInt("x1"), 0);
  EXPECT_EQ(FormatFixed(0.6, 6, 2), "0.600000");
  EXPECT_EQ(FormatFixed(7.5, 1, 5), "  7.5");
  EXPECT_EQ(FormatGeneral(35.25), "35.25");
  EXPECT_EQ(FormatGeneral(-12), "-12");
  EXPECT_EQ(DisplayWidth("Tx"), 2u);
  EXPECT_EQ(DisplayWidth("\xE6\x95\xB0\xE5\xAD\x97 1"), 6u);  // two wide characters, a blank, a digit
  EXPECT_EQ(PadToWidth("\xE6\x95\xB0", 4), "\xE6\x95\xB0  ");
  EXPECT_EQ(PadToWidth("abcd", 4), "abcd ");
}

}  // namespace
}  // namespace cps
