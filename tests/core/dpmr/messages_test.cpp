#include <gtest/gtest.h>

#include "core/dpmr/messages.h"
#include "dpmr_test_image.h"

namespace cps::dpmr {
namespace {

using test::ErasedImage;

void PutOutbox(RadioImage& image, int n, const std::string& text) {
  const std::size_t at = 0x0980 + 128 * static_cast<std::size_t>(n - 1);
  image.Fill(at, 128, 0xFF);
  for (std::size_t i = 0; i < text.size(); ++i) image.SetByte(at + i, static_cast<std::uint8_t>(text[i]));
  image.SetByte(at + text.size(), 0x00);
  image.SetByte(at + 127, 0x00);
}

TEST(Outbox, ErasedRecordsLoadAsSixteenEmptyRows) {
  RadioImage image = ErasedImage();
  Outbox box;
  box.Load(image);
  EXPECT_EQ(box.Count(), 16);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(box.Text(i), "");
  EXPECT_FALSE(box.CanAdd());
  EXPECT_FALSE(box.Add());
}

TEST(Outbox, DeleteTwoThenAddGivesMessage15) {
  RadioImage image = ErasedImage();
  Outbox box;
  box.Load(image);
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
  Outbox box;
  box.Load(image);
  while (box.Count() > 3) ASSERT_TRUE(box.Delete(box.Count() - 1));
  ASSERT_TRUE(box.Edit(2, "Hi"));
  box.Store(image);
  const std::uint16_t index[16] = {0x0980, 0x0A00, 0x0A80, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF,
                                   0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(image.Word(0x0960 + 2 * i), index[i]) << i;
  const std::uint8_t rec1[7] = {'H', 'e', 'l', 'l', 'o', 0x00, 0xFF};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(image.Byte(0x0980 + i), rec1[i]) << i;
  EXPECT_EQ(image.Byte(0x0980 + 127), 0x00);
  EXPECT_EQ(image.Byte(0x0A00), 0x00);  // empty message
  EXPECT_EQ(image.Byte(0x0A01), 0xFF);
  EXPECT_EQ(image.Byte(0x0A80), 'H');
  EXPECT_EQ(image.Byte(0x0A82), 0x00);
  for (std::size_t a = 0x0B00; a < 0x1180; ++a) ASSERT_EQ(image.Byte(a), 0xFF) << a;

  Outbox again;
  again.Load(image);
  EXPECT_EQ(again.Text(0), "Hello");
  EXPECT_EQ(again.Text(2), "Hi");
  EXPECT_EQ(again.Text(3), "");
}

TEST(Outbox, ChannelsFollowTheirMessages) {
  RadioImage image = ErasedImage();
  // Call 1: type "Msg" (2) and message 3; call 2: message 5. PMR channel 2,
  // call 1: message 16.
  image.SetByte(test::MainChannel(1) + 27, 0x80 | 3);
  image.SetByte(test::MainChannel(1) + 29, 0x40 | 5);
  image.SetByte(test::MainChannel(2) + 27, 0x3F);
  image.SetByte(test::PmrChannel(2) + 27, 0x80 | 16);
  Outbox box;
  box.Load(image);
  ASSERT_TRUE(box.Delete(2));  // message 3
  ASSERT_EQ(box.Insert(0), 0);  // new message 1
  box.Store(image);
  EXPECT_EQ(image.Byte(test::MainChannel(1) + 27), 0x80 | 0x3F);
  EXPECT_EQ(image.Byte(test::MainChannel(1) + 29), 0x40 | 5);  // 5 -> 4 -> 5
  EXPECT_EQ(image.Byte(test::MainChannel(2) + 27), 0x3F);
  EXPECT_EQ(image.Byte(test::PmrChannel(2) + 27), 0x80 | 16);
  ASSERT_TRUE(box.Delete(15));
  box.Store(image);
  EXPECT_EQ(image.Byte(test::PmrChannel(2) + 27), 0x80 | 0x3F);
  EXPECT_EQ(image.Byte(test::MainChannel(1) + 29), 0x40 | 5);
}

void PutInbox(RadioImage& image, std::size_t at, const std::string& content, const std::string& name,
              std::initializer_list<std::uint8_t> number, std::uint8_t length, std::uint8_t state) {
  image.Fill(at, 160, 0xFF);
  for (std::size_t i = 0; i < content.size(); ++i) image.SetByte(at + i, static_cast<std::uint8_t>(content[i]));
  image.SetByte(at + content.size(), 0x00);
  for (std::size_t i = 0; i < name.size(); ++i) image.SetByte(at + 128 + i, static_cast<std::uint8_t>(name[i]));
  std::size_t i = 0;
  for (auto b : number) image.SetByte(at + 136 + i++, b);
  image.SetByte(at + 156, length);
  image.SetByte(at + 157, state);
}

TEST(Inbox, LoadShowsColumnsAndStoreMarksRead) {
  RadioImage image = ErasedImage();
  PutInbox(image, 0x1240, "Meet at 5", "Base", {1, 2, 0x0A, 4}, 9, 1);
  PutInbox(image, 0x11A0, "Hi", "", {}, 200, 0);
  image.SetWord(0x1180, 0x1240);
  image.SetWord(0x1182, 0x11A0);
  Inbox inbox;
  inbox.Load(image);
  ASSERT_EQ(inbox.Count(), 2);
  const InboxMessage& m = inbox.At(0);
  EXPECT_EQ(m.name, "Base");
  EXPECT_EQ(m.number, "12*4");
  EXPECT_EQ(m.length, "9");
  EXPECT_TRUE(m.unread);
  EXPECT_EQ(m.content, "Meet at 5");
  EXPECT_EQ(inbox.At(1).length, "");
  EXPECT_FALSE(inbox.At(1).unread);

  inbox.Store(image);
  EXPECT_EQ(image.Byte(0x1240 + 157), 0);
  const std::uint8_t number[8] = {1, 2, 0x0A, 4, 0xFF, 0xFF, 0xFF, 0xFF};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(image.Byte(0x1240 + 136 + i), number[i]) << i;
  EXPECT_EQ(image.Byte(0x1240 + 156), 9);
  EXPECT_EQ(image.Byte(0x11A0 + 156), 0);  // an empty length column stores 0
  EXPECT_EQ(image.Word(0x1180), 0x1240);
  EXPECT_EQ(image.Word(0x1182), 0x11A0);
  EXPECT_EQ(image.Word(0x1184), 0xFFFF);
}

TEST(Inbox, WordOf0x1B00EndsTheListAndIsDroppedOnStore) {
  RadioImage image = ErasedImage();
  PutInbox(image, 0x11A0, "One", "A", {1}, 3, 1);
  PutInbox(image, 0x1B00, "Last", "B", {2}, 4, 1);
  image.SetWord(0x1180, 0x11A0);
  image.SetWord(0x1182, 0x1B00);
  Inbox inbox;
  inbox.Load(image);
  EXPECT_EQ(inbox.Count(), 1);
  inbox.Store(image);
  EXPECT_EQ(image.Word(0x1182), 0xFFFF);
}

TEST(Inbox, ClearCurrentAndClearAll) {
  RadioImage image = ErasedImage();
  PutInbox(image, 0x11A0, "One", "A", {1}, 3, 1);
  PutInbox(image, 0x1240, "Two", "B", {2}, 3, 1);
  image.SetWord(0x1180, 0x11A0);
  image.SetWord(0x1182, 0x1240);
  Inbox inbox;
  inbox.Load(image);
  ASSERT_TRUE(inbox.ClearCurrent(image, 0));
  EXPECT_FALSE(inbox.ClearCurrent(image, 5));
  for (int i = 0; i < 160; ++i) ASSERT_EQ(image.Byte(0x11A0 + i), 0xFF) << i;
  EXPECT_EQ(image.Byte(0x1240), 'T');
  ASSERT_EQ(inbox.Count(), 1);
  EXPECT_EQ(inbox.At(0).content, "Two");

  inbox.ClearAll(image);
  inbox.Store(image);
  for (std::size_t a = 0x1180; a < 0x1BA0; ++a) ASSERT_EQ(image.Byte(a), 0xFF) << a;
}

TEST(Inbox, RecordOverTheIndexCannotWipeTheIndex) {
  RadioImage image = ErasedImage();
  PutInbox(image, 0x1240, "Two", "B", {2}, 3, 1);
  image.SetWord(0x1180, 0x1240);
  image.SetWord(0x1182, 0x1180);  // a word inside the valid range, pointing at the index
  Inbox inbox;
  inbox.Load(image);
  ASSERT_EQ(inbox.Count(), 2);
  inbox.Store(image);
  EXPECT_EQ(image.Word(0x1180), 0x1240);
  EXPECT_EQ(image.Word(0x1182), 0x1180);
  EXPECT_EQ(image.Word(0x1184), 0xFFFF);
}

}  // namespace
}  // namespace cps::dpmr
