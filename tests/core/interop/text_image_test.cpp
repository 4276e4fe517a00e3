// The image as text: exact round trips, refused texts, comparison.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>

#include <unistd.h>

#include "core/channels/channel_test_util.h"
#include "core/channels/channel_table.h"
#include "core/document/document.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "core/interop/text_image.h"

namespace cps {
namespace {

// What a save writes: the table's write-back.
RadioImage Saved(RadioImage image) {
  ChannelTable table;
  table.Load(image);
  table.WriteBack(image);
  return image;
}

// An image as the program opens it from a file and then saves it.
RadioImage OpenedAndSaved(const RadioImage& image) {
  // CTest runs the tests of this file side by side: one file per process.
  const std::string path = ::testing::TempDir() + "interop-opened-" + std::to_string(::getpid()) + ".dat";
  EXPECT_TRUE(SaveImageFile(path, image));
  Document doc;
  EXPECT_TRUE(doc.Open(path));
  std::filesystem::remove(path);
  return doc.SavedForm();
}

std::string N(int n) { return std::to_string(n); }

// Every channel, PMR channel and list filled, through the keys.
RadioImage Filled() {
  RadioImage image = NewImage("");
  KeyValues set = {{"band", "136-174MHz"}, {"contact.count", "64"}, {"encrypt.enabled", "on"}, {"encrypt.count", "16"}};
  for (int n = 1; n <= 64; ++n) set.push_back({"contact." + N(n) + ".number", N(1000000 + 7 * n)});
  for (int n = 1; n <= 16; ++n) {
    set.push_back({"dtmf_contact." + N(n), N(100 + n)});
    set.push_back({"grouplist." + N(n) + ".members",
                   "Name " + N(n) + ", Name " + N(n + 1) + ", Name 40, Name 41, Name 42, Name 43, Name 44, Name 45"});
    set.push_back({"encrypt." + N(n) + ".alias", "K" + N(n)});
    set.push_back({"outbox." + N(n), "Message text " + N(n)});
    for (const char* p : {"channel.", "pmr."}) {
      const std::string c = p + N(n) + ".";
      set.push_back({c + "rx_freq", N(150 + n) + ".0125"});
      set.push_back({c + "tx_freq", N(151 + n) + ".5"});
      set.push_back({c + "rx_tone", n % 2 ? "D023N" : "88.5"});
      set.push_back({c + "signal_type", "DTMF"});
      set.push_back({c + "analog_call_1", N(n)});
      set.push_back({c + "encrypt_key", N(17 - n)});
      set.push_back({c + "tx_contact", "Name " + N(n * 4)});
      set.push_back({c + "group_rx_list", N(n)});
      set.push_back({c + "call_2_type", "Msg"});
      set.push_back({c + "call_2_msg", N(n)});
    }
    set.push_back({"channel." + N(n) + ".rx_color_code", N(n * 3)});
  }
  EXPECT_TRUE(SetKeys(image, set));
  // Two received messages, as a read from the radio brings them.
  image.SetWord(0x1180, 0x11A0);
  image.SetWord(0x1182, 0x1240);
  for (std::size_t rec : {0x11A0, 0x1240}) {
    channel_test::Put(image, rec, {'O', 'k', 0x00});
    channel_test::Put(image, rec + 128, {'B', 'a', 's', 'e', 0xFF, 0xFF, 0xFF, 0xFF, 1, 2, 3, 4, 5, 6, 7});
    channel_test::Put(image, rec + 156, {2, 1});
  }
  return OpenedAndSaved(image);
}

// Addresses the keys write. The inbox only shows what the radio received,
// so its bytes (and the count of it the table derives) travel as raw bytes.
std::set<std::size_t> KeyWrittenAddresses() {
  std::set<std::size_t> out;
  for (const auto& space : KeySpaces())
    if (!space->ReadOnly(space->Keys().back().key))
      for (std::size_t a : space->Addresses()) out.insert(a);
  out.erase(0x3FD4);
  return out;
}

TEST(TextImage, RoundTripIsExact) {
  const RadioImage base = NewImage("");
  struct Case {
    std::string name;
    RadioImage image;
    bool rawOnlyOutsideKeys;  // an image the editors made: no byte of theirs needs raw
  };
  std::vector<Case> cases = {{"default", OpenedAndSaved(base), true}, {"filled", Filled(), true}};
  for (unsigned seed = 1; seed <= 12; ++seed)
    cases.push_back({"random " + N(static_cast<int>(seed)), OpenedAndSaved(channel_test::RandomImage(seed)), false});
  const std::set<std::size_t> keyed = KeyWrittenAddresses();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string text = ExportText(c.image, base);
    auto back = ImportText(text, base);
    ASSERT_TRUE(back) << back.error();
    EXPECT_EQ(*back, c.image);
    EXPECT_EQ(ExportText(*back, base), text);
    if (c.rawOnlyOutsideKeys) {
      for (std::size_t a : DescribeImage(c.image, base).raw)
        EXPECT_FALSE(keyed.count(a)) << "raw byte 0x" << std::hex << a << " belongs to a key";
    }
  }
}

TEST(TextImage, FilledImageShowsEveryListInText) {
  const std::string text = ExportText(Filled(), NewImage(""));
  for (const char* line : {"band: 136-174MHz\n", "channel.16.rx_freq: 166.012500\n", "pmr.3.tx_contact: Name 12\n",
                           "channel.5.call_2_msg: 5\n", "contact.count: 64\n", "contact.64.number: 1000448\n",
                           "grouplist.16.members: Name 16, Name 17, Name 40", "encrypt.16.alias: K16\n",
                           "outbox.16: Message text 16\n", "inbox.2.state: Unread\n", "dtmf_contact.16: 116\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line;
}

TEST(TextImage, BadTextNamesTheLineAndGivesNoImage) {
  struct Case {
    const char* text;
    const char* inMessage;
  };
  const Case cases[] = {
      {"option.tot: 30\nbogus.key: 1\n", "line 2: unknown key 'bogus.key'"},
      {"option.tot: 30\noption.sql: 99\n", "line 2: option.sql: '99'"},
      {"# note\noption.tot: [1, 2]\n", "line 2: option.tot: the value must be one text"},
      {"option.tot: 30\n  sql: [\n", "line 2: not valid YAML"},
      {"- option.tot\n- 30\n", "line 1: expected lines of KEY: VALUE"},
      {"", "holds no keys"},
      {"raw:\n  0x4000: FF\n", "line 2: raw: '0x4000' is not an address"},
      {"raw:\n  0x0010: FF GG\n", "line 2: raw 0x0010: 'GG' is not a byte"},
      {"contact.2.name: Bob\n", "line 1: contact.2.name: entry 2 does not exist"},
  };
  for (const Case& c : cases) {
    auto image = ImportText(c.text, NewImage(""));
    ASSERT_FALSE(image) << c.text;
    EXPECT_NE(image.error().find(c.inMessage), std::string::npos) << image.error();
  }
}

TEST(TextImage, KeysNamingListEntriesComeAfterTheLists) {
  // In the text the channel comes before the contact it calls.
  auto image = ImportText("channel.1.rx_freq: 446.1\nchannel.1.tx_contact: Bob\ncontact.count: 2\n"
                          "contact.2.name: Bob\n",
                          NewImage(""));
  ASSERT_TRUE(image) << image.error();
  EXPECT_EQ(image->Byte(0x0100 + 21), 2);
}

TEST(TextImage, ComparisonListsKeysInExportOrderThenRawBytes) {
  const RadioImage base = NewImage("");
  const RadioImage a = OpenedAndSaved(base);
  RadioImage b = a;
  ASSERT_TRUE(SetKeys(b, {{"contact.1.name", "Bob"}, {"option.tot", "30"}}));
  b = Saved(b);
  b.SetByte(0x0010, 0x12);
  b.SetByte(0x0011, 0x34);
  const ImageDifference diff = CompareImages(a, b, base);
  EXPECT_EQ(DifferenceText(diff, a, b),
            "option.tot: 0 -> 30\n"
            "contact.1.name: Name 1 -> Bob\n"
            "raw 0x0010-0x0011: FF FF -> 12 34\n");
  ASSERT_EQ(diff.keys.size(), 2u);
  EXPECT_EQ(diff.keys[0].label, "TOT (s)");
  EXPECT_TRUE(CompareImages(a, a, base).empty());
}

TEST(TextImage, TextFilesAreYamlNamesAndRegularFiles) {
  const struct {
    const char* path;
    bool text;
  } names[] = {{"a.yaml", true}, {"dir/a.yml", true}, {"a.dat", false}, {"a.yaml.dat", false}, {"yaml", false}};
  for (const auto& n : names) EXPECT_EQ(IsTextImagePath(n.path), n.text) << n.path;

  const std::string dir = ::testing::TempDir() + "interop-text-" + std::to_string(::getpid());
  std::filesystem::create_directories(dir);
  const auto folder = ReadTextImageFile(dir);
  ASSERT_FALSE(folder);
  EXPECT_NE(folder.error().find("a folder"), std::string::npos) << folder.error();
  const auto missing = ReadTextImageFile(dir + "/absent.yaml");
  ASSERT_FALSE(missing);
  EXPECT_EQ(missing.error().rfind(dir + "/absent.yaml: ", 0), 0u) << missing.error();
  {
    std::ofstream(dir + "/a.yaml", std::ios::binary) << "option.tot: 30\r\n";
  }
  const auto read = ReadTextImageFile(dir + "/a.yaml");
  std::filesystem::remove_all(dir);
  ASSERT_TRUE(read) << read.error();
  EXPECT_EQ(*read, "option.tot: 30\r\n");
}

}  // namespace
}  // namespace cps
