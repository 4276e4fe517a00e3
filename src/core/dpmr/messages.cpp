// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/dpmr/messages.h"

#include "core/base/c_text.h"
#include "core/dpmr/channel_refs.h"
#include "core/dpmr/dpmr_layout.h"

namespace cps::dpmr {
namespace {

std::size_t OutboxRecord(int n) { return kOutboxRecords + kOutboxRecordSize * static_cast<std::size_t>(n - 1); }

constexpr std::size_t kNameAt = 128, kNameLength = 8;
constexpr std::size_t kNumberAt = 136, kNumberLength = 7;
constexpr std::size_t kLengthAt = 156, kStateAt = 157;

std::uint8_t NumberCode(char c) {
  if (c == '*') return 0x0A;
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<std::uint8_t>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
  return 0xFF;
}

}  // namespace

// ---- outbox ---------------------------------------------------------------

void Outbox::Load(const RadioImage& image) {
  messages_.clear();
  for (int n = 1; n <= kMaxMessages; ++n) {
    const std::size_t rec = OutboxRecord(n);
    std::string text;
    if (image.Byte(rec) != 0x00) text = PrintableText(image, rec, kMessageTextLength);
    messages_.push_back({std::move(text), n});
  }
  loadedCount_ = kMaxMessages;
}

void Outbox::Store(RadioImage& image) {
  image.Fill(kOutboxIndex, 2 * kOutboxCount, 0xFF);
  image.Fill(kOutboxRecords, kOutboxRecordSize * kOutboxCount, 0xFF);
  for (int i = 0; i < Count(); ++i) {
    const std::size_t rec = OutboxRecord(i + 1);
    image.SetWord(kOutboxIndex + 2 * static_cast<std::size_t>(i), static_cast<std::uint16_t>(rec));
    image.SetByte(rec + kOutboxRecordSize - 1, 0x00);
    const std::size_t n = WritePrintable(image, rec, messages_[static_cast<std::size_t>(i)].text, kMessageTextLength);
    image.SetByte(rec + n, 0x00);
  }
  std::vector<int> origins;
  for (const auto& m : messages_) origins.push_back(m.origin);
  RemapChannelMessages(image, MapFromOrigins(origins, loadedCount_));
  for (int i = 0; i < Count(); ++i) messages_[static_cast<std::size_t>(i)].origin = i + 1;
  loadedCount_ = Count();
}

std::optional<int> Outbox::Add() { return Insert(Count()); }

std::optional<int> Outbox::Insert(int row) {
  if (!CanAdd()) return std::nullopt;
  if (row < 0 || row > Count()) row = Count();
  messages_.insert(messages_.begin() + row, OutboxMessage{"Message " + std::to_string(Count() + 1), 0});
  return row;
}

bool Outbox::Delete(int row) {
  if (row < 0 || row >= Count()) return false;
  messages_.erase(messages_.begin() + row);
  return true;
}

bool Outbox::Edit(int row, std::string_view text) {
  if (row < 0 || row >= Count()) return false;
  messages_[static_cast<std::size_t>(row)].text = std::string(text.substr(0, kMessageTextLength));
  return true;
}

// ---- inbox ----------------------------------------------------------------

void Inbox::Load(const RadioImage& image) {
  messages_.clear();
  for (int i = 0; i < kInboxCount; ++i) {
    const std::uint16_t word = image.Word(kInboxIndex + 2 * static_cast<std::size_t>(i));
    if (word < kInboxIndex || word > kInboxLastValidWord) break;
    InboxMessage m;
    m.offset = word;
    m.name = PrintableText(image, word + kNameAt, kNameLength);
    m.number = SetBDigits(image, word + kNumberAt, kNumberLength);
    const int length = image.Byte(word + kLengthAt);
    if (length >= 1 && length <= 127) m.length = std::to_string(length);
    m.unread = image.Byte(word + kStateAt) != 0;
    m.content = PrintableText(image, word, kMessageTextLength);
    messages_.push_back(std::move(m));
  }
}

void Inbox::Store(RadioImage& image) const {
  // Records first, then the index: a record that lies over the index (a
  // word below the first record) cannot then wipe the words just written.
  for (const InboxMessage& m : messages_) {
    const std::size_t rec = m.offset;
    image.Fill(rec, kInboxRecordSize, 0xFF);
    WritePrintable(image, rec + kNameAt, m.name, kNameLength);
    for (std::size_t i = 0; i < m.number.size() && i < kNumberLength; ++i)
      image.SetByte(rec + kNumberAt + i, NumberCode(m.number[i]));
    image.SetByte(rec + kLengthAt, static_cast<std::uint8_t>(m.length.empty() ? 0 : ParseInt(m.length)));
    image.SetByte(rec + kStateAt, 0);
    const std::size_t n = WritePrintable(image, rec, m.content, kMessageTextLength);
    image.SetByte(rec + n, 0x00);
  }
  image.Fill(kInboxIndex, 2 * kInboxCount, 0xFF);
  for (std::size_t i = 0; i < messages_.size(); ++i) image.SetWord(kInboxIndex + 2 * i, messages_[i].offset);
}

bool Inbox::ClearCurrent(RadioImage& image, int row) {
  if (row < 0 || row >= Count()) return false;
  image.Fill(messages_[static_cast<std::size_t>(row)].offset, kInboxRecordSize, 0xFF);
  messages_.erase(messages_.begin() + row);
  return true;
}

void Inbox::ClearAll(RadioImage& image) {
  image.Fill(kInboxRecords, kInboxRecordSize * kInboxCount, 0xFF);
  messages_.clear();
}

}  // namespace cps::dpmr
