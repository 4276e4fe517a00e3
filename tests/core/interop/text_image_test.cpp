// SPDX-License-Identifier: GPL-3.0-or-later
// The image as text: exact round trips, refused texts, comparison.
#include <gtest/gtest.h>

#include <filesystem>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <random>
#include <set>

#include <unistd.h>

#include "core/channels/channel_test_util.h"
#include "core/channels/channel_table.h"
#include "core/document/document.h"
#include "core/dpmr/dpmr_layout.h"
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
  // As set makes it, each editor's dialog opened and closed: the lists
  // first, then the channels that pick from them.
  KeyValues lists, channels;
  for (const auto& kv : set) (kv.first.starts_with("channel.") || kv.first.starts_with("pmr.") ? channels : lists).push_back(kv);
  Document doc;
  doc.Restore(image);
  EXPECT_TRUE(SetKeysOpen(doc, lists));
  EXPECT_TRUE(SetKeysOpen(doc, channels));
  image = doc.SavedForm();
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
  for (const char* line : {"band: 136-174MHz\n", "channel.16.rx_freq: \"166.012500\"\n", "pmr.3.tx_contact: Name 12\n",
                           "channel.5.call_2_msg: \"5\"\n", "\n# contact\ncontact:\n  - name: Name 1\n    number: \"1000007\"\n", "\n# grouplist\ngrouplist:\n  - members: Name 1, Name 2, ", "    number: \"1000448\"\n",
                           "  - members: Name 16, Name 17, Name 40", "  - alias: K16\n    key: ",
                           "\noutbox:\n  - Message text 1\n", "  - Message text 16\n", "inbox.2.state: Unread\n", "dtmf_contact.16: \"116\"\n"})
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
  std::string keys;
  for (const auto& d : diff.keys) keys += d.key + ": " + d.a + " -> " + d.b + "\n";
  EXPECT_EQ(keys, "option.tot: 0 -> 30\ncontact.1.name: Name 1 -> Bob\n");
  ASSERT_EQ(diff.keys.size(), 2u);
  EXPECT_EQ(diff.keys[0].label, "TOT (s)");
  ASSERT_EQ(diff.raw.size(), 1u);
  EXPECT_EQ(diff.raw[0].first, 0x0010u);
  EXPECT_EQ(diff.raw[0].last, 0x0011u);
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

// ---- hand edits ----------------------------------------------------------

// The top-level entries of a text, each with its indented lines (the raw
// section is one entry); comments and blank lines left out.
std::vector<std::string> Entries(const std::string& text) {
  std::vector<std::string> out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find('\n', pos);
    const std::string line = text.substr(pos, end - pos) + "\n";
    pos = end == std::string::npos ? text.size() : end + 1;
    if (line[0] == '#' || line[0] == '\n') continue;
    if (line[0] == ' ' && !out.empty())
      out.back() += line;
    else
      out.push_back(line);
  }
  return out;
}

std::string Joined(const std::vector<std::string>& entries) {
  std::string out;
  for (const auto& e : entries) out += e;
  return out;
}

// `text` with the line starting with `prefix` replaced by `line` (appended when absent).
std::string WithLine(std::string text, const std::string& prefix, const std::string& line) {
  const std::size_t at = text.rfind("\n" + prefix) + 1;
  if (at == 0) return text + line + "\n";
  text.replace(at, text.find('\n', at) - at, line);
  return text;
}

std::vector<std::pair<std::string, RadioImage>> SampleImages() {
  std::vector<std::pair<std::string, RadioImage>> out = {{"default", OpenedAndSaved(NewImage(""))},
                                                         {"filled", Filled()}};
  for (unsigned seed : {3u, 4u}) out.push_back({"random " + N(static_cast<int>(seed)), OpenedAndSaved(channel_test::RandomImage(seed))});
  RadioImage vhf = NewImage("", kBandVhf);
  EXPECT_TRUE(SetKeys(vhf, {{"channel.2.rx_freq", "145.5"}, {"contact.1.name", "Ann"}}));
  out.push_back({"vhf", OpenedAndSaved(vhf)});
  return out;
}

TEST(TextImage, AnyOrderOfTheLinesGivesTheSameImage) {
  std::mt19937 rng(21);
  for (const auto& [name, image] : SampleImages()) {
    SCOPED_TRACE(name);
    std::vector<std::string> entries = Entries(ExportText(image));
    std::vector<std::vector<std::string>> orders;
    for (int i = 0; i < 3; ++i) {
      std::shuffle(entries.begin(), entries.end(), rng);
      orders.push_back(entries);
    }
    std::sort(entries.begin(), entries.end());
    orders.push_back(entries);
    std::reverse(entries.begin(), entries.end());
    orders.push_back(entries);
    for (const auto& order : orders) {
      std::vector<std::string> notes;
      auto back = ImportText(Joined(order), &notes);
      ASSERT_TRUE(back) << back.error();
      EXPECT_TRUE(*back == image);
      EXPECT_EQ(notes, std::vector<std::string>{});
    }
  }
}

TEST(TextImage, TextSaysWhatItIsAndImportsTheSameOnEveryMachine) {
  RadioImage vhf = NewImage("", kBandVhf);
  ASSERT_TRUE(SetKeys(vhf, {{"channel.1.rx_freq", "150.5"}}));
  vhf = OpenedAndSaved(vhf);
  const std::string text = ExportText(vhf);
  EXPECT_EQ(text.find("format: \"2\"\nmodel: KD-4173\nband: 136-174MHz\n"), text.find("format:")) << text;
  // Only the text counts, not the base a machine's Default.dat would give.
  RadioImage odd = channel_test::RandomImage(9);
  auto fromText = ImportText(text, nullptr);
  ASSERT_TRUE(fromText) << fromText.error();
  EXPECT_TRUE(*fromText == vhf);
  EXPECT_TRUE(*fromText == *ImportText(text, BuiltInBase("136-174MHz")));
  EXPECT_FALSE(*fromText == *ImportText(text, odd)) << "an explicit base still patches that image";
  // A first-edition text (no format line) still imports.
  auto first = ImportText("band: 136-174MHz\nchannel.1.rx_freq: 150.5\n", nullptr);
  ASSERT_TRUE(first) << first.error();
  EXPECT_EQ(*GetKey(*first, "channel.1.rx_freq"), "150.500000");
}

TEST(TextImage, ARawLineNeverOverridesAKey) {
  const std::string rawOff = "raw:\n  \"0x03A0\": \"00\"\n";
  ASSERT_EQ(dpmr::kEncryptOn, 0x03A0u);
  struct Case {
    std::string text;
    std::string error;  // empty: imports
  };
  const Case cases[] = {
      // The key turns encryption on, the raw line back off.
      {"format: 2\nencrypt.enabled: on\nencrypt.count: 1\n" + rawOff, "line 5: the raw bytes there change encrypt.enabled, which line 2 sets to 'on'"},
      // The key leaves it as the base has it; the raw line still may not change it.
      {"raw:\n  \"0x03A0\": \"01\"\nencrypt.enabled: off\n", "line 2: the raw bytes there change encrypt.enabled, which line 3"},
      // Raw bytes that give what the key says are no change.
      {"encrypt.enabled: off\n" + rawOff, ""},
      // A raw byte no key of the text shows is taken.
      {"option.tot: 30\nraw:\n  \"0x3F00\": \"-- 12\"\n", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    auto image = ImportText(c.text, nullptr);
    if (c.error.empty()) {
      ASSERT_TRUE(image) << image.error();
    } else {
      ASSERT_FALSE(image);
      EXPECT_NE(image.error().find(c.error), std::string::npos) << image.error();
    }
  }
  EXPECT_EQ(ImportText("option.tot: 30\nraw:\n  \"0x3F00\": \"-- 12\"\n", nullptr)->Byte(0x3F01), 0x12);
}

TEST(TextImage, RawLinesStartEvery16BytesAndNameTheirRegion) {
  const RadioImage image = OpenedAndSaved(channel_test::RandomImage(5));
  const std::string text = ExportText(image);
  const std::size_t raw = text.find("\nraw:\n");
  ASSERT_NE(raw, std::string::npos);
  int lines = 0;
  for (const std::string& e : Entries(text.substr(raw + 1))) {
    std::size_t pos = e.find("\n  \"0x");
    while (pos != std::string::npos) {
      const std::size_t address = std::stoul(e.substr(pos + 4, 6), nullptr, 16);
      EXPECT_EQ(address % 16, 0u) << e.substr(pos, 40);
      ++lines;
      pos = e.find("\n  \"0x", pos + 1);
    }
  }
  EXPECT_GT(lines, 0);
  EXPECT_NE(text.find("  # not used by the editors\n"), std::string::npos);
  // Changing one raw byte changes one line of the text.
  RadioImage changed = image;
  const std::size_t a = DescribeImage(image, BuiltInBaseOf(image)).raw.front();
  changed.SetByte(a, image.Byte(a) ^ 0x01);
  const std::vector<std::string> before = Entries(text);
  const std::vector<std::string> after = Entries(ExportText(changed));
  ASSERT_EQ(before.size(), after.size());
  int changedLines = 0;
  for (std::size_t i = 0; i < before.size(); ++i)
    for (std::size_t p = 0, q = 0; p < before[i].size() && q < after[i].size();) {
      const std::size_t pe = before[i].find('\n', p), qe = after[i].find('\n', q);
      changedLines += before[i].substr(p, pe - p) != after[i].substr(q, qe - q);
      p = pe + 1;
      q = qe + 1;
    }
  EXPECT_EQ(changedLines, 1);
}

TEST(TextImage, ChecksRunOnTheResultSoContactsMaySwap) {
  RadioImage image = NewImage("");
  ASSERT_TRUE(SetKeys(image, {{"contact.count", "3"}, {"contact.1.name", "Ann"}, {"contact.2.name", "Bob"},
                              {"contact.1.number", "1111111"}, {"contact.2.number", "2222222"}, {"contact.3.number", "3333333"},
                              {"channel.1.rx_freq", "446.1"}, {"channel.1.tx_contact", "Bob"}}));
  image = OpenedAndSaved(image);
  std::string text = ExportText(image);
  auto replace = [&text](const std::string& from, const std::string& to) {
    ASSERT_NE(text.find(from), std::string::npos) << from;
    text.replace(text.find(from), from.size(), to);
  };
  replace("name: Ann\n", "name: @\n");
  replace("name: Bob\n", "name: Ann\n");
  replace("name: @\n", "name: Bob\n");
  replace("number: \"2222222\"", "number: \"@\"");
  replace("number: \"3333333\"", "number: \"2222222\"");
  replace("number: \"@\"", "number: \"3333333\"");
  auto swapped = ImportText(text, nullptr);
  ASSERT_TRUE(swapped) << swapped.error();
  EXPECT_EQ(*GetKey(*swapped, "contact.1.name"), "Bob");
  EXPECT_EQ(*GetKey(*swapped, "contact.2.name"), "Ann");
  EXPECT_EQ(*GetKey(*swapped, "contact.2.number"), "3333333");
  EXPECT_EQ(*GetKey(*swapped, "contact.3.number"), "2222222");
  EXPECT_EQ(*GetKey(*swapped, "channel.1.tx_contact"), "Bob") << "the text names contacts: the channel follows the name";
  // A clash with the result is still refused, naming the line.
  replace("name: Name 3\n", "name: Ann\n");
  auto refused = ImportText(text, nullptr);
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.error().find("contact.3.name: 'Ann' is refused"), std::string::npos) << refused.error();
  const std::size_t line = std::count(text.begin(), text.begin() + text.rfind("name: Ann"), '\n') + 1;
  EXPECT_EQ(refused.error().rfind("line " + N(static_cast<int>(line)) + ": ", 0), 0u) << refused.error();
}

TEST(TextImage, ValuesStoredOtherwiseAreNotedInImportAndSet) {
  struct Case {
    std::string key, value, note;
  };
  const Case cases[] = {
      {"contact.1.name", "Longname12", "contact.1.name=Longname12 is stored as Longname"},
      {"outbox.1", "Grüße", "outbox.1=Grüße is stored as Gr"},
      {"encrypt.1.alias", "Zürich", "encrypt.1.alias=Zürich is stored as Z"},
      {"contact.1.number", "123456789", "contact.1.number=123456789 is stored as 1234567"},
      {"encrypt.1.alias", "Alias12345", "encrypt.1.alias=Alias12345 is stored as Alias123"},
      {"encrypt.1.key", "12ab", "encrypt.1.key=12ab is stored as 12ABFFFF"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key + "=" + c.value);
    RadioImage image = NewImage("");
    std::vector<std::string> notes;
    ASSERT_TRUE(SetKeys(image, {{"encrypt.count", "1"}, {c.key, c.value}}, &notes));
    EXPECT_EQ(notes, std::vector<std::string>{c.note});
    notes.clear();
    auto imported = ImportText("encrypt.count: \"1\"\n" + c.key + ": " + c.value + "\n", &notes);
    ASSERT_TRUE(imported) << imported.error();
    EXPECT_EQ(notes, std::vector<std::string>{"line 2: " + c.note});
  }
  // Values as the editors show them, or matched as a choice is, are no note.
  RadioImage image = NewImage("");
  std::vector<std::string> notes;
  ASSERT_TRUE(SetKeys(image, {{"contact.1.type", "group call"}, {"encrypt.enabled", "ON"}, {"contact.1.name", "Ann"}},
                      &notes));
  EXPECT_EQ(notes, std::vector<std::string>{});
}

TEST(TextImage, KeysNotAppliedAreNoted) {
  std::vector<std::string> notes;
  auto image = ImportText("format: 2\ninbox.count: 2\ndpmr.all_code: 1234567\noption.tot: 30\n", &notes);
  ASSERT_TRUE(image) << image.error();
  ASSERT_EQ(notes.size(), 2u);
  EXPECT_EQ(notes[0].rfind("line 2: inbox.count=2 is not applied: the key is shown only (the radio gathers it); it stays 0", 0), 0u) << notes[0];
  EXPECT_EQ(notes[1].rfind("line 3: dpmr.all_code=1234567 is not applied: the key is shown only (read-only)", 0), 0u) << notes[1];
}

TEST(TextImage, AChannelIsClearedWithOneLine) {
  const RadioImage image = Filled();
  const std::string text = WithLine(ExportText(image), "channel.3.rx_freq:", "channel.3.rx_freq: \"\"");
  std::vector<std::string> notes;
  auto cleared = ImportText(text, &notes);
  ASSERT_TRUE(cleared) << cleared.error();
  EXPECT_EQ(*GetKey(*cleared, "channel.3.rx_freq"), "");
  EXPECT_EQ(*GetKey(*cleared, "channel.4.rx_freq"), *GetKey(image, "channel.4.rx_freq"));
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0].find(": channel.3.rx_freq clears the channel; its 32 other keys are not applied"),
            std::string::npos)
      << notes[0];
}

TEST(TextImage, UnsafeTextsAreRefusedBeforeTheyAreRead) {
  const std::string longList = "option.tot: [" + std::string(3 << 20, '1') + "]\n";
  std::string manyItems = "option.tot: [";
  while (manyItems.size() < (4 << 20) - 10) manyItems += "1,";
  manyItems += "1]\n";
  const struct {
    std::string text;
    std::string inMessage;
  } cases[] = {
      {std::string(16 << 20, '#'), "the text is 16777216 bytes; the text of an image is at most 4 MB"},
      {manyItems, "the text holds more than 100000 lines and list items"},
      {longList, "line 1: option.tot: the value must be one text"},
      {"option.tot: 30\noption.sql: 1\noption.tot: 60\n", "line 1 and line 3: option.tot is given twice"},
      {"option.tot: 30\n---\noption.tot: 60\n", "line 2: a second document begins here"},
      {"# a\noption.tot: 30\n...\n---\nx: 1\n", "line 3: a second document begins here"},
      {"format: 3\noption.tot: 30\n", "line 1: format '3' is not one this program reads"},
      {"raw:\n  0x0010: \"FF FF\"\n  0x0011: \"00\"\n", "line 2 and line 3: raw byte 0x0011 is given twice"},
  };
  for (const auto& c : cases) {
    auto image = ImportText(c.text, nullptr);
    ASSERT_FALSE(image) << c.text.substr(0, 60);
    EXPECT_NE(image.error().find(c.inMessage), std::string::npos) << image.error();
  }
}

TEST(TextImage, ListsEditLikeLists) {
  RadioImage image = NewImage("");
  ASSERT_TRUE(SetKeys(image, {{"contact.count", "3"}, {"contact.1.name", "Ann"}, {"contact.2.name", "Bob"},
                              {"contact.3.name", "Cat"}, {"channel.1.rx_freq", "446.1"}, {"channel.1.tx_contact", "Cat"},
                              {"encrypt.count", "1"}}));
  image = OpenedAndSaved(image);
  const std::string text = ExportText(image);
  // Deleting the block of the first contact deletes that contact; the
  // channel keeps calling Cat by name.
  const std::size_t ann = text.find("  - name: Ann\n");
  ASSERT_NE(ann, std::string::npos) << text;
  const std::size_t bob = text.find("  - name: Bob\n");
  auto shorter = ImportText(text.substr(0, ann) + text.substr(bob), nullptr);
  ASSERT_TRUE(shorter) << shorter.error();
  EXPECT_EQ(*GetKey(*shorter, "contact.count"), "2");
  EXPECT_EQ(*GetKey(*shorter, "contact.1.name"), "Bob");
  EXPECT_EQ(*GetKey(*shorter, "channel.1.tx_contact"), "Cat");
  // Adding a block adds an entry; an empty sequence empties the key list.
  std::string longer = text;
  longer.insert(bob, "  - name: Dan\n    number: \"4444444\"\n");
  longer = WithLine(longer, "encrypt:", "encrypt: []");
  longer.erase(longer.find("  - alias:"), longer.find("\n", longer.find("    key:")) + 1 - longer.find("  - alias:"));
  auto added = ImportText(longer, nullptr);
  ASSERT_TRUE(added) << added.error() << longer;
  EXPECT_EQ(*GetKey(*added, "contact.count"), "4");
  EXPECT_EQ(*GetKey(*added, "contact.2.name"), "Dan");
  EXPECT_EQ(*GetKey(*added, "encrypt.count"), "0");
  // A field of no entry, or an entry given twice, names its line.
  const struct {
    std::string text, inMessage;
  } bad[] = {
      {"contact:\n  - name: Ann\n    nmae: Bob\n", "line 3: contact entry 1: unknown field 'nmae' (name, number, type)"},
      {"contact:\n  - name: Ann\ncontact.1.name: Bob\n", "line 2 and line 3: contact.1.name is given twice"},
      {"contact: Ann\n", "line 1: contact: expected its entries"},
  };
  for (const auto& b : bad) {
    auto r = ImportText(b.text, nullptr);
    ASSERT_FALSE(r) << b.text;
    EXPECT_NE(r.error().find(b.inMessage), std::string::npos) << r.error();
  }
}

// Group lists and messages are lists of places: an entry's position is its
// number, deleting a block moves the later ones up and empties the last.
TEST(TextImage, GroupListsAndMessagesEditLikeLists) {
  RadioImage image = NewImage("");
  ASSERT_TRUE(SetKeys(image, {{"contact.count", "3"}, {"contact.2.name", "Gil"}, {"contact.2.type", "Group call"},
                              {"contact.3.name", "Hal"}, {"contact.3.type", "Group call"}}));
  ASSERT_TRUE(SetKeys(image, {{"grouplist.2.members", "Gil, Hal"}, {"grouplist.4.members", "Hal"}, {"outbox.2", "Back soon"},
                              {"outbox.3", "1:10"}}));
  image = OpenedAndSaved(image);
  const std::string text = ExportText(image);
  const std::string lists = "grouplist:\n  - {}\n  - members: Gil, Hal\n  - {}\n  - members: Hal\n";
  const std::string messages = "outbox:\n  - \"\"\n  - Back soon\n  - \"1:10\"\n";
  ASSERT_NE(text.find(lists), std::string::npos) << text;
  ASSERT_NE(text.find(messages), std::string::npos) << text;
  auto edited = [&](const std::string& from, const std::string& to) {
    std::string t = text;
    t.replace(t.find(from), from.size(), to);
    auto r = ImportText(t, nullptr);
    EXPECT_TRUE(r) << r.error() << t;
    return r ? *r : RadioImage();
  };
  const struct {
    std::string from, to;
    std::vector<std::pair<std::string, std::string>> shown;
  } cases[] = {
      // The first block deleted: every later entry moves up one place.
      {lists, "grouplist:\n  - members: Gil, Hal\n  - {}\n  - members: Hal\n",
       {{"grouplist.1.members", "Gil, Hal"}, {"grouplist.3.members", "Hal"}, {"grouplist.4.members", ""}}},
      {messages, "outbox:\n  - Back soon\n  - \"1:10\"\n", {{"outbox.1", "Back soon"}, {"outbox.3", ""}}},
      // A block added at the end; every block deleted empties every place.
      {messages, messages + "  - New one\n", {{"outbox.4", "New one"}, {"outbox.2", "Back soon"}}},
      {lists, "grouplist: []\n", {{"grouplist.2.members", ""}, {"grouplist.4.members", ""}}},
      {messages, "outbox:\n", {{"outbox.2", ""}, {"outbox.3", ""}}},
      // The flat keys still read, beside the sequence or instead of it.
      {messages, "outbox.3: Flat\n", {{"outbox.2", ""}, {"outbox.3", "Flat"}}},
      {lists, "grouplist:\n  - members: Hal\ngrouplist.5.members: Gil\n",
       {{"grouplist.1.members", "Hal"}, {"grouplist.2.members", ""}, {"grouplist.5.members", "Gil"}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.to);
    const RadioImage r = edited(c.from, c.to);
    for (const auto& [key, value] : c.shown) EXPECT_EQ(*GetKey(r, key), value) << key;
  }
  const struct {
    std::string text, inMessage;
  } bad[] = {
      {"outbox:\n" + [] { std::string s; for (int i = 0; i < 17; ++i) s += "  - m\n"; return s; }(),
       "line 1: outbox: 17 entries; there are 16 places"},
      {"outbox:\n  - a\n  - [b]\n", "line 3: outbox entry 2: the value must be one text"},
      {"outbox:\n  - a\noutbox.1: b\n", "line 2 and line 3: outbox.1 is given twice"},
      {"grouplist:\n  - member: Hal\n", "line 2: grouplist entry 1: unknown field 'member' (members)"},
  };
  for (const auto& b : bad) {
    auto r = ImportText(b.text, nullptr);
    ASSERT_FALSE(r) << b.text;
    EXPECT_NE(r.error().find(b.inMessage), std::string::npos) << r.error();
  }
}

// An image the program saved after any edits through the keys (as set makes
// them, each through its dialog) is all keys: its text has no raw line.
TEST(TextImage, ImagesTheProgramMadeNeedNoRawBytes) {
  const std::vector<std::vector<KeyValue>> edits = {
      {{"contact.count", "5"}},
      {{"contact.1.name", "Bob"}},
      {{"contact.1.number", "1234567"}},
      {{"encrypt.enabled", "on"}},
      {{"encrypt.count", "3"}},
      {{"outbox.3", "Back soon"}},
      {{"option.tot", "30"}},
      {{"option.sql", "2"}},
      {{"dtmf_contact.4", "123"}},
      {{"contact.count", "2"}},
      // Channels made by a cell of the table, then changed in the table and
      // through the channel dialog. (A dialog value changed and changed back
      // leaves the dialog's own forms of the new channel's values, 0 for a
      // "None" the table left 0xFF: no key tells them apart, raw keeps them.)
      {{"channel.3.rx_freq", "446.00625"}},
      {{"channel.1.rx_freq", "440.5"}, {"channel.1.tx_freq", "445.5"}},
      {{"channel.3.power", "High"}},
      {{"channel.3.signal_type", "DTMF"}},
      {{"channel.3.tx_contact", "None"}},  // as it shows: changes nothing
      {{"channel.1.call_1_type", "Call"}},
      {{"channel.1.tx_contact", "Name 1"}},
      {{"channel.1.rx_color_code", "7"}},
      {{"pmr.2.rx_freq", "446.1"}},
      {{"channel.3.rx_freq", ""}},
  };
  std::mt19937 rng(11);
  for (int round = 0; round < 40; ++round) {
    Document doc;
    doc.New("", round % 2 ? kBandVhf : kBandUhf);
    std::string trace;
    for (int step = 0; step < 6; ++step) {
      const auto& edit = edits[rng() % edits.size()];
      trace += edit.front().first + "=" + edit.front().second + " ";
      Document trial = doc;
      if (SetKeysOpen(trial, edit)) doc = trial;
    }
    SCOPED_TRACE(trace);
    const RadioImage saved = OpenedAndSaved(doc.SavedForm());
    const std::string text = ExportText(saved);
    EXPECT_EQ(text.find("\nraw:"), std::string::npos) << text.substr(text.find("\nraw:") == std::string::npos ? 0 : text.find("\nraw:"));
    EXPECT_TRUE(*ImportText(text, nullptr) == saved);
  }
}

// What a reader of YAML 1.1 would take for a number, time or yes/no is
// quoted: the text survives a load and dump by such a tool.
TEST(TextImage, CommonYamlToolsReadTheTextAsText) {
  if (std::system("python3 -c 'import yaml' 2>/dev/null") != 0)
    GTEST_SKIP() << "python3-yaml is not installed: the load and dump by another YAML tool is not tried";
  const std::string dir = ::testing::TempDir() + "interop-pyyaml-" + std::to_string(::getpid());
  std::filesystem::create_directories(dir);
  RadioImage edited = NewImage("");
  ASSERT_TRUE(SetKeys(edited, {{"contact.count", "2"}, {"contact.1.name", "0001234"}, {"contact.2.name", "On"}, {"contact.1.number", "0012000"},
                               {"outbox.1", "1:10"}, {"outbox.2", "2026-12-07"}, {"encrypt.count", "1"},
                               {"encrypt.1.alias", "yes"}, {"encrypt.1.key", "1E10FFFF"}}));
  for (const auto& [name, image] : {std::pair{std::string("edited"), OpenedAndSaved(edited)},
                                    std::pair{std::string("random"), OpenedAndSaved(channel_test::RandomImage(6))}}) {
    SCOPED_TRACE(name);
    {
      std::ofstream(dir + "/a.yaml", std::ios::binary) << ExportText(image);
    }
    const std::string cmd = "python3 -c 'import sys, yaml; d = yaml.safe_load(open(sys.argv[1])); "
                            "open(sys.argv[2], \"w\").write(yaml.safe_dump(d))' " +
                            dir + "/a.yaml " + dir + "/b.yaml";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    auto dumped = ReadTextImageFile(dir + "/b.yaml");
    ASSERT_TRUE(dumped) << dumped.error();
    auto back = ImportText(*dumped, nullptr);
    ASSERT_TRUE(back) << back.error();
    EXPECT_TRUE(*back == image);
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace cps
