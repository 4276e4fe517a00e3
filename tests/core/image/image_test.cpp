// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include "core/base/ini_file.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "core/image/radio_image.h"
#include "core/image/region_map.h"
#include "core/image/file_test_util.h"

namespace cps {
namespace {

using namespace std::string_literals;

TEST(RadioImage, AccessorsAreLittleEndianAndMasked) {
  RadioImage img;
  EXPECT_EQ(img.Byte(0), 0x00);  // created zeroed
  img.SetWord(0x04C0, 0x0540);
  EXPECT_EQ(img.Byte(0x04C0), 0x40);
  EXPECT_EQ(img.Byte(0x04C1), 0x05);
  EXPECT_EQ(img.Word(0x04C0), 0x0540);

  img.SetByte(0x0110, 0b1010'1010);
  img.SetBits(0x0110, 0xC0, 0b11);  // power bits 7-6
  EXPECT_EQ(img.Byte(0x0110), 0b1110'1010);
  EXPECT_EQ(img.Bits(0x0110, 0xC0), 0b11);
  EXPECT_EQ(img.Bits(0x0110, 0x30), 0b10);
  img.SetBits(0x0110, 0x30, 0xFF);  // value wider than the mask stays inside it
  EXPECT_EQ(img.Byte(0x0110), 0b1111'1010);
  img.SetBit(0x0110, 0, true);
  img.SetBit(0x0110, 7, false);
  EXPECT_EQ(img.Byte(0x0110), 0b0111'1011);

  img.SetFrequency(0x0100, 14552500);
  EXPECT_EQ(img.Byte(0x0100), 0x00);
  EXPECT_EQ(img.Byte(0x0101), 0x25);
  EXPECT_EQ(img.Byte(0x0102), 0x55);
  EXPECT_EQ(img.Byte(0x0103), 0x14);
  EXPECT_EQ(img.Frequency(0x0100), 14552500u);
  EXPECT_FALSE(img.FrequencyEmpty(0x0100));
}

// The built-in defaults, written out independently as (offset, bytes).
std::map<std::size_t, std::uint8_t> ExpectedDefaults() {
  std::map<std::size_t, std::uint8_t> m;
  auto put = [&](std::size_t at, std::vector<std::uint8_t> bytes) {
    for (auto b : bytes) m[at++] = b;
  };
  for (int n = 0; n < 16; ++n) {
    const std::size_t c = 0x0100 + 32 * n;
    put(c + 12, {0x00, 0x00, 0x06, 0x00, 0x01, 0x00, 0x40, 0xFF, 0x01, 0x00, 0x00});
    put(0x3E80 + 4 * n, {0xFF, 0xFF, 0xFE, 0x1E});
  }
  put(0x0000, {1, 0, 0, 0});
  put(0x0300, {5, 10, 10, 0});
  put(0x0307, {0xC1, 0, 0, 0, 0, 0});
  put(0x0310, {0, 5, 10});
  put(0x0318, {0xDF, 0xC5, 0xFC, 0x00});
  put(0x0320, {0x0A});
  put(0x0322, {9, 0, 0, 0, 0, 0});
  put(0x0340, {1, 0, 0x14});
  put(0x0344, {0x1E});
  put(0x0347, {0x8C});
  put(0x034A, {0});
  put(0x0350, {0, 0});
  put(0x0354, {0x0A, 5, 8, 0});
  put(0x0360, {9, 9, 9, 9, 9, 9, 8});
  put(0x0368, {0, 0x0A, 0x0A});
  put(0x0370, {0, 0x0A, 5, 0x0A});
  put(0x0378, {0, 0x19, 1});
  put(0x0388, {0, 0, 0, 0, 0, 0, 1});
  put(0x0398, {7, 0, 3, 4, 3, 0, 1, 0});
  put(0x04B0, {9, 9, 9, 9, 9, 9, 0});
  put(0x04B8, {9, 9, 9, 9, 9, 9, 1});
  put(0x04C0, {0x40, 0x05});
  put(0x0540, {0, 0, 0, 0, 0, 0, 1, 1, 0x4E, 0x61, 0x6D, 0x65, 0x20, 0x31, 0xFF, 0xFF});
  put(0x2000, {0x0A, 1, 1, 1});
  put(0x2005, {0});
  put(0x2007, {1, 0x0A, 0x32});
  put(0x2030, {0x0E, 4});
  put(0x2034, {0x0A});
  put(0x2037, {0x21});
  put(0x3EC0, {5, 3, 5});
  put(0x3FA0, {0, 0, 0, 0x40, 0, 0, 0, 0x47});
  return m;
}

TEST(NewImage, BuiltInDefaultsByteForByte) {
  const RadioImage img = NewImage("/nonexistent/Default.dat");
  const auto expected = ExpectedDefaults();
  for (std::size_t a = 0; a < kImageSize; ++a) {
    auto it = expected.find(a);
    const std::uint8_t want = it == expected.end() ? 0xFF : it->second;
    ASSERT_EQ(img.Byte(a), want) << "at 0x" << std::hex << a;
  }
}

TEST(NewImage, DefaultDatWinsWholeAndShortFileLeavesTheRestErased) {
  TempDir dir;
  std::vector<char> bytes(kImageSize + 100, 0x11);
  WriteAll(dir.File("Default.dat"), bytes);
  RadioImage img = NewImage(dir.File("Default.dat"));
  for (std::size_t a = 0; a < kImageSize; ++a) ASSERT_EQ(img.Byte(a), 0x11);

  WriteAll(dir.File("Short.dat"), std::vector<char>(100, 0x22));
  img = NewImage(dir.File("Short.dat"));
  EXPECT_EQ(img.Byte(99), 0x22);
  EXPECT_EQ(img.Byte(100), 0xFF);
  EXPECT_EQ(img.Byte(0x3FA0), 0xFF);  // no built-in default applied

  // The band selected at the time goes into a built-in image.
  img = NewImage("", kBandVhf);
  EXPECT_EQ(img.Byte(0x3FA3), 0x13);
  EXPECT_EQ(img.Byte(0x3FA7), 0x17);
}

TEST(RegionMap, RangesAreOrderedAndDisjoint) {
  const auto& regions = ImageRegions();
  ASSERT_FALSE(regions.empty());
  for (std::size_t i = 0; i < regions.size(); ++i) {
    EXPECT_LE(regions[i].begin, regions[i].end);
    EXPECT_LT(regions[i].end, kImageSize);
    if (i) {
      EXPECT_GT(regions[i].begin, regions[i - 1].end);
    }
  }
  EXPECT_EQ(RegionAt(0x0105)->owner, "channels");
  EXPECT_EQ(RegionAt(0x0040)->owner, "factory");
  EXPECT_EQ(RegionAt(0x0313), nullptr);
  EXPECT_FALSE(RegionAt(0x3E10)->written);
}

TEST(IniFile, WindowsProfileKeepsEverythingButTheChangedKey) {
  const std::string text =
      "; settings of the programming software\r\n"
      "[setup]\r\n"
      "Model=KD-9999\r\n"
      "com=COM3\r\n"
      "BaudRate = 19200\r\n"
      "\r\n"
      "[Other]\r\n"
      "COM=keep\r\n";
  IniFile ini = IniFile::Parse(text);
  EXPECT_EQ(ini.Read("Setup", "COM", ""), "COM3");
  EXPECT_EQ(ini.Read("SETUP", "baudrate", "9600"), "19200");
  EXPECT_EQ(ini.Read("Setup", "Missing", "dflt"), "dflt");
  EXPECT_EQ(ini.Read("Setup", "", "dflt"), "dflt");
  ini.Set("Setup", "COM", "/dev/ttyUSB0");
  EXPECT_EQ(ini.Text(),
            "; settings of the programming software\r\n"
            "[setup]\r\n"
            "Model=KD-9999\r\n"
            "com=/dev/ttyUSB0\r\n"
            "BaudRate = 19200\r\n"
            "\r\n"
            "[Other]\r\n"
            "COM=keep\r\n");

  IniFile fresh = IniFile::Parse("");
  fresh.Set("Setup", "COM", "COM1");
  EXPECT_EQ(fresh.Text(), "[Setup]\nCOM=COM1\n");
  IniFile other = IniFile::Parse("[A]\nx=1\n");
  other.Set("Setup", "COM", "COM2");
  EXPECT_EQ(other.Text(), "[A]\nx=1\n[Setup]\nCOM=COM2\n");
  IniFile longValue = IniFile::Parse("[Setup]\nModel=" + std::string(300, 'x') + "\n");
  EXPECT_EQ(longValue.Read("Setup", "Model", "").size(), 255u);
}

// Bytes of an ASCII text in UTF-16, little or big endian.
std::string Wide(std::string_view ascii, bool le) {
  std::string out;
  for (char c : ascii) out += le ? std::string{c, '\0'} : std::string{'\0', c};
  return out;
}

// Files written by other editors: a byte order mark, UTF-16, mixed line
// ends, no line end at the end. Only the changed line differs afterwards.
TEST(IniFile, KeepsEncodingAndEveryUntouchedByte) {
  const std::string le = "\xFF\xFE", be = "\xFE\xFF";
  const struct {
    const char* name;
    std::string before, model, after;  // after Set("Setup", "COM", "COM7")
  } cases[] = {
      {"UTF-8 with BOM", "\xEF\xBB\xBF[Setup]\r\nModel=K\xC3\xA9\r\nCOM=COM1\r\n", "K\xC3\xA9",
       "\xEF\xBB\xBF[Setup]\r\nModel=K\xC3\xA9\r\nCOM=COM7\r\n"},
      {"UTF-16 LE", le + Wide("[Setup]\r\nModel=K", true) + "\xE9\0\x3D\xD8\x00\xDE"s + Wide("\r\nCOM=COM1\r\n", true),
       "K\xC3\xA9\xF0\x9F\x98\x80",
       le + Wide("[Setup]\r\nModel=K", true) + "\xE9\0\x3D\xD8\x00\xDE"s + Wide("\r\nCOM=COM7\r\n", true)},
      {"UTF-16 BE, key added", be + Wide("[Setup]\r\nModel=K\r\n", false), "K",
       be + Wide("[Setup]\r\nModel=K\r\nCOM=COM7\r\n", false)},
      {"mixed line ends, none at the end", "[Setup]\nModel=K\r\nCOM=COM1\n; end", "K",
       "[Setup]\nModel=K\r\nCOM=COM7\n; end"},
      {"key added after a last line without line end", "[Setup]\nModel=K", "K", "[Setup]\nModel=K\nCOM=COM7"},
      {"key added to a Windows file", "[Setup]\r\nModel=K\n\n[X]\ny=2", "K", "[Setup]\r\nModel=K\nCOM=COM7\r\n\n[X]\ny=2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    IniFile ini = IniFile::Parse(c.before);
    EXPECT_EQ(ini.Text(), c.before);
    EXPECT_EQ(ini.Read("Setup", "Model", ""), c.model);
    ini.Set("Setup", "COM", "COM7");
    EXPECT_EQ(ini.Read("Setup", "COM", ""), "COM7");
    EXPECT_EQ(ini.Text(), c.after);
  }
}

TEST(IniFile, RewritingAKeyNeedsTheWholeFile) {
  TempDir dir;
  EXPECT_TRUE(IniFile::LoadForUpdate(dir.File("missing.ini")));  // a new file
  EXPECT_FALSE(IniFile::LoadForUpdate(dir.path().string()));     // a folder
  const std::string big = dir.File("big.ini");
  std::ofstream(big, std::ios::binary) << "[Setup]\nCOM=COM1\n; " << std::string(1 << 20, 'x') << "\n";
  auto ini = IniFile::LoadForUpdate(big);
  ASSERT_FALSE(ini);
  EXPECT_NE(ini.error().find("larger than 1 MiB"), std::string::npos) << ini.error();
}

}  // namespace
}  // namespace cps
