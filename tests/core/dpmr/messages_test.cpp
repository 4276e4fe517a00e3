// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/dpmr/messages.h"
#include "dpmr_test_image.h"

namespace cps::dpmr {
namespace {

using test::ErasedImage;
using test::ExpectBytes;
using test::ExpectWords;
using test::Loaded;
using test::MainChannel;
using test::PmrChannel;

void PutOutbox(RadioImage& image, int n, const std::string& text) {
  const std::size_t at = 0x0980 + 128 * static_cast<std::size_t>(n - 1);
  image.Fill(at, 128, 0xFF);
  test::SetText(image, at, text);
  image.SetByte(at + text.size(), 0x00);
  image.SetByte(at + 127, 0x00);
}

TEST(Outbox, ErasedRecordsLoadAsSixteenEmptyRows) {
  Outbox box = Loaded<Outbox>(ErasedImage());
  EXPECT_EQ(box.Count(), 16);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(box.Text(i), "");
  EXPECT_FALSE(box.CanAdd());
  EXPECT_FALSE(box.Add());
}

TEST(Outbox, DeleteTwoThenAddGivesMessage15) {
  Outbox box = Loaded<Outbox>(ErasedImage());
  ASSERT_TRUE(box.Delete(3));
  ASSERT_TRUE(box.Delete(3));
  ASSERT_EQ(box.Add(), 14);
  EXPECT_EQ(box.Text(14), "Message 15");
  ASSERT_EQ(box.Insert(0), 0);
  EXPECT_EQ(box.Text(0), "Message 16");
}

TEST(Outbox, StoreOfThreeRowsWritesIndexAndRecords) {
  RadioImage image = ErasedImage();
  PutOutbox(image, 1, "Hello");
  Outbox box = Loaded<Outbox>(image);
  while (box.Count() > 3) ASSERT_TRUE(box.Delete(box.Count() - 1));
  ASSERT_TRUE(box.Edit(2, "Hi"));
  box.Store(image);
  ExpectWords(image, 0x0960, {0x0980, 0x0A00, 0x0A80, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF,
                              0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF});
  ExpectBytes(image, 0x0980, {'H', 'e', 'l', 'l', 'o', 0x00, 0xFF});
  ExpectBytes(image, 0x0980 + 127, {0x00});
  ExpectBytes(image, 0x0A00, {0x00, 0xFF});  // empty message
  ExpectBytes(image, 0x0A80, {'H', 'i', 0x00});
  test::ExpectErased(image, 0x0B00, 0x1180 - 0x0B00);

  Outbox again = Loaded<Outbox>(image);
  EXPECT_EQ(again.Text(0), "Hello");
  EXPECT_EQ(again.Text(2), "Hi");
  EXPECT_EQ(again.Text(3), "");
}

TEST(Outbox, ChannelsFollowTheirMessages) {
  RadioImage image = ErasedImage();
  // Call 1: type "Msg" (2) and message 3; call 2: message 5. PMR channel 2,
  // call 1: message 16.
  image.SetByte(MainChannel(1) + 27, 0x80 | 3);
  image.SetByte(MainChannel(1) + 29, 0x40 | 5);
  image.SetByte(MainChannel(2) + 27, 0x3F);
  image.SetByte(PmrChannel(2) + 27, 0x80 | 16);
  Outbox box = Loaded<Outbox>(image);
  ASSERT_TRUE(box.Delete(2));   // message 3
  ASSERT_EQ(box.Insert(0), 0);  // new message 1
  box.Store(image);
  EXPECT_EQ(image.Byte(MainChannel(1) + 27), 0x80 | 0x3F);
  EXPECT_EQ(image.Byte(MainChannel(1) + 29), 0x40 | 5);  // 5 -> 4 -> 5
  EXPECT_EQ(image.Byte(MainChannel(2) + 27), 0x3F);
  EXPECT_EQ(image.Byte(PmrChannel(2) + 27), 0x80 | 16);
  ASSERT_TRUE(box.Delete(15));
  box.Store(image);
  EXPECT_EQ(image.Byte(PmrChannel(2) + 27), 0x80 | 0x3F);
  EXPECT_EQ(image.Byte(MainChannel(1) + 29), 0x40 | 5);
}

struct InboxRecord {
  std::size_t at;
  std::string content, name;
  std::initializer_list<int> number;
  int length, state;
};

// An erased image whose inbox index lists `records` in this order.
RadioImage InboxImage(std::initializer_list<InboxRecord> records) {
  RadioImage image = ErasedImage();
  std::size_t index = 0x1180;
  for (const InboxRecord& r : records) {
    image.Fill(r.at, 160, 0xFF);
    test::SetText(image, r.at, r.content);
    image.SetByte(r.at + r.content.size(), 0x00);
    test::SetText(image, r.at + 128, r.name);
    test::SetBytes(image, r.at + 136, r.number);
    test::SetBytes(image, r.at + 156, {r.length, r.state});
    image.SetWord(index, static_cast<std::uint16_t>(r.at));
    index += 2;
  }
  return image;
}

TEST(Inbox, LoadShowsColumnsAndStoreMarksRead) {
  RadioImage image = InboxImage({{0x1240, "Meet at 5", "Base", {1, 2, 0x0A, 4}, 9, 1}, {0x11A0, "Hi", "", {}, 200, 0}});
  Inbox inbox = Loaded<Inbox>(image);
  ASSERT_EQ(inbox.Count(), 2);
  auto columns = [&](int row) {
    const InboxMessage& m = inbox.At(row);
    return m.name + "|" + m.number + "|" + m.length + "|" + (m.unread ? "unread" : "read") + "|" + m.content;
  };
  EXPECT_EQ(columns(0), "Base|12*4|9|unread|Meet at 5");
  EXPECT_EQ(columns(1), "|||read|Hi");

  inbox.Store(image);
  ExpectBytes(image, 0x1240 + 136, {1, 2, 0x0A, 4, 0xFF, 0xFF, 0xFF, 0xFF});
  ExpectBytes(image, 0x1240 + 156, {9, 0});  // length; state: read
  ExpectBytes(image, 0x11A0 + 156, {0});     // an empty length column stores 0
  ExpectWords(image, 0x1180, {0x1240, 0x11A0, 0xFFFF});
}

TEST(Inbox, WordOf0x1B00EndsTheListAndIsDroppedOnStore) {
  RadioImage image = InboxImage({{0x11A0, "One", "A", {1}, 3, 1}, {0x1B00, "Last", "B", {2}, 4, 1}});
  Inbox inbox = Loaded<Inbox>(image);
  EXPECT_EQ(inbox.Count(), 1);
  inbox.Store(image);
  EXPECT_EQ(image.Word(0x1182), 0xFFFF);
}

TEST(Inbox, ClearCurrentAndClearAll) {
  RadioImage image = InboxImage({{0x11A0, "One", "A", {1}, 3, 1}, {0x1240, "Two", "B", {2}, 3, 1}});
  Inbox inbox = Loaded<Inbox>(image);
  ASSERT_TRUE(inbox.ClearCurrent(image, 0));
  EXPECT_FALSE(inbox.ClearCurrent(image, 5));
  test::ExpectErased(image, 0x11A0, 160);
  EXPECT_EQ(image.Byte(0x1240), 'T');
  ASSERT_EQ(inbox.Count(), 1);
  EXPECT_EQ(inbox.At(0).content, "Two");

  inbox.ClearAll(image);
  inbox.Store(image);
  test::ExpectErased(image, 0x1180, 0x1BA0 - 0x1180);
}

TEST(Inbox, RecordOverTheIndexCannotWipeTheIndex) {
  RadioImage image = InboxImage({{0x1240, "Two", "B", {2}, 3, 1}});
  image.SetWord(0x1182, 0x1180);  // a word inside the valid range, pointing at the index
  Inbox inbox = Loaded<Inbox>(image);
  ASSERT_EQ(inbox.Count(), 2);
  inbox.Store(image);
  ExpectWords(image, 0x1180, {0x1240, 0x1180, 0xFFFF});
}

}  // namespace
}  // namespace cps::dpmr
