// SPDX-License-Identifier: GPL-3.0-or-later
// The comparison both "dpmr-cli diff" and the window's Compare show.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "core/document/document.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "core/interop/image_compare.h"
#include "core/interop/key_space.h"

namespace cps {
namespace {

// A saved image with channel 3 and a second contact.
RadioImage Programmed() {
  RadioImage image = NewImage("");
  EXPECT_TRUE(SetKeys(image, {{"contact.count", "2"}, {"contact.2.name", "Base"}}));
  EXPECT_TRUE(SetKeys(image, {{"channel.3.rx_freq", "446.00625"}, {"channel.3.color_code", "7"}}));
  return Document::OpenedForm(image);
}

TEST(ImageCompare, RowsAreGroupedByEntryQuotedAndRawBytesNamedByTheirPart) {
  RadioImage a = Programmed();
  // the outbox page stored once, as its dialog leaves it
  ASSERT_TRUE(SetKeys(a, {{"outbox.1", "Hello"}}));
  RadioImage b = a;
  ASSERT_TRUE(SetKeys(b, {{"channel.3.rx_freq", "446.1"}, {"channel.3.tx_freq", "446.2"}}));
  ASSERT_TRUE(SetKeys(b, {{"contact.2.name", "Bo\"b\\"}, {"option.tot", "30"}}));
  ASSERT_TRUE(SetKeys(b, {{"outbox.2", "Back soon"}}));
  b = Document::OpenedForm(b);
  // Bytes no editor uses: a run over the border of two 16-byte lines, and
  // a run over the border of two parts of the image.
  for (std::size_t addr : {0x001Eu, 0x001Fu, 0x0020u, 0x0021u, 0x1C1Eu, 0x1C1Fu, 0x1C20u})
    b.SetByte(addr, static_cast<std::uint8_t>(addr & 0x7F));

  const Comparison c = CompareForReview({a}, {b});
  EXPECT_EQ(ComparisonText(c),
            "Channel 3: 2 differences\n"
            "  channel.3.rx_freq: \"446.006250\" -> \"446.100000\"\n"
            "  channel.3.tx_freq: \"446.006250\" -> \"446.200000\"\n"
            "Option: 1 difference\n"
            "  option.tot: \"0\" -> \"30\"\n"
            "Contact 2: 1 difference\n"
            "  contact.2.name: \"Base\" -> \"Bo\\\"b\\\\\"\n"
            "Outbox: 1 difference\n"
            "  outbox.2: \"\" -> \"Back soon\"\n"
            "Local area; only the four default bytes at 0x0000 are set: 2 differences\n"
            "  raw 0x001E-0x001F: FF FF -> 1E 1F\n"
            "  raw 0x0020-0x0021: FF FF -> 20 21\n"
            "Group receive lists, 16 x 8 bytes: 1 difference\n"
            "  raw 0x1C1E-0x1C1F: FF FF -> 1E 1F\n"
            "Bytes no editor uses: 1 difference\n"
            "  raw 0x1C20: FF -> 20\n"
            "9 differences in 7 sections\n");
  ASSERT_EQ(c.sections.size(), 7u);
  // The caption names the entry; a raw row's names the part of the image.
  EXPECT_EQ(c.sections[0].rows[0].caption, "Channel 3: Rx Freq");
  EXPECT_EQ(c.sections[1].rows[0].caption, "TOT (s)");
  EXPECT_EQ(c.sections[3].rows[0].caption, "Outbox message 2: Content");
  EXPECT_EQ(c.sections[5].rows[0].caption, "group receive lists, 16 x 8 bytes");
  EXPECT_EQ(c.sections[6].rows[0].caption, "bytes no editor uses");
}

TEST(ImageCompare, FileSizesAndEqualImages) {
  const RadioImage a = Programmed();
  const struct {
    std::uint64_t sizeA, sizeB;
    std::string text;
  } cases[] = {
      {kImageSize, kImageSize, ""},
      {kImageSize, 32768, "File: 1 difference\n  size: 16384 bytes -> 32768 bytes\n1 difference in 1 section\n"},
      {1, kImageSize, "File: 1 difference\n  size: 1 byte -> 16384 bytes\n1 difference in 1 section\n"},
  };
  for (const auto& t : cases) {
    const Comparison c = CompareForReview({a, t.sizeA}, {a, t.sizeB});
    EXPECT_EQ(ComparisonText(c), t.text);
    EXPECT_EQ(c.empty(), t.text.empty());
  }
  EXPECT_EQ(ComparisonSummary(CompareForReview({a}, {a})), "No differences");
}

TEST(ImageCompare, QuotedValues) {
  const struct {
    std::string value, shown;
  } cases[] = {
      {"", "\"\""},         {"446.1", "\"446.1\""},       {"a\"b", "\"a\\\"b\""},
      {"a\\b", "\"a\\\\b\""}, {"x\ny\t", "\"x\\ny\\t\""}, {std::string("\x01\x7F", 2), "\"\\x01\\x7F\""},
  };
  for (const auto& c : cases) EXPECT_EQ(QuotedValue(c.value), c.shown) << c.value;
}

TEST(ImageCompare, FilesAreTakenAsOpenedWithTheirSizeAndANoteOfWhatOpeningChanged) {
  const std::string dir = ::testing::TempDir() + "image-compare-" + std::to_string(::getpid());
  std::filesystem::create_directories(dir);
  const RadioImage saved = Programmed();
  // A channel that calls contact 9 of a list of two: opening clears the call.
  RadioImage broken = saved;
  broken.SetByte(0x0100 + 2 * 32 + 21, 9);
  ASSERT_TRUE(SaveImageFile(dir + "/saved.dat", saved));
  ASSERT_TRUE(SaveImageFile(dir + "/broken.dat", broken));
  {
    std::ofstream big(dir + "/big.dat", std::ios::binary);
    big.write(reinterpret_cast<const char*>(saved.data()), kImageSize);
    big.write(reinterpret_cast<const char*>(saved.data()), kImageSize);
    std::ofstream(dir + "/short.dat", std::ios::binary) << "abc";
  }
  auto s = LoadComparedFile(dir + "/saved.dat");
  auto br = LoadComparedFile(dir + "/broken.dat");
  auto big = LoadComparedFile(dir + "/big.dat");
  auto shortFile = LoadComparedFile(dir + "/short.dat");
  std::filesystem::remove_all(dir);

  ASSERT_TRUE(s && br && big);
  EXPECT_TRUE(s->notes.empty());
  EXPECT_EQ(s->side.image, saved);
  EXPECT_EQ(br->side.image, saved);
  ASSERT_EQ(br->notes.size(), 1u);
  EXPECT_EQ(br->notes[0], dir + "/broken.dat: compared as File, Open shows it; opening changes 1 byte of the image "
                                "(the first at 0x0155, channel records 1 to 16, 32 bytes each)");
  EXPECT_EQ(big->side.size, 32768u);
  ASSERT_EQ(big->notes.size(), 1u);
  EXPECT_EQ(big->notes[0], dir + "/big.dat: 32768 bytes; only the first 16384 are an image and compared");
  ASSERT_FALSE(shortFile);
  EXPECT_EQ(shortFile.error().rfind(dir + "/short.dat: ", 0), 0u) << shortFile.error();
}

}  // namespace
}  // namespace cps
