// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message pages' models: the outbox of up to 16 preset texts and the
// inbox of received messages.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/image/radio_image.h"

namespace cps::dpmr {

constexpr std::size_t kMessageTextLength = 127;

struct OutboxMessage {
  std::string text;
  int origin = 0;  // record number it was loaded from (1..16), 0 when new
};

class Outbox {
 public:
  // Reads all 16 records; the index is not consulted.
  void Load(const RadioImage& image);
  // Rewrites index and records from the rows. Channels that send a deleted
  // message get "Off" (0x3F); the others follow their message.
  void Store(RadioImage& image);

  int Count() const { return static_cast<int>(messages_.size()); }
  const std::string& Text(int row) const { return messages_.at(static_cast<std::size_t>(row)).text; }
  const std::vector<OutboxMessage>& messages() const { return messages_; }

  bool CanAdd() const { return Count() < kMaxMessages; }
  bool CanDelete() const { return Count() > 0; }
  std::optional<int> Add();
  std::optional<int> Insert(int row);  // before `row`, at the end if not a row
  bool Delete(int row);
  // Always accepted, cut to 127 characters.
  bool Edit(int row, std::string_view text);

 private:
  static constexpr int kMaxMessages = 16;
  int loadedCount_ = 0;
  std::vector<OutboxMessage> messages_;
};

struct InboxMessage {
  std::uint16_t offset = 0;  // image offset of its record
  std::string name;
  std::string number;
  std::string length;  // "1".."127" or empty
  bool unread = false;
  std::string content;
};

class Inbox {
 public:
  void Load(const RadioImage& image);
  // Rewrites the index from the list and every listed record, marking each
  // message read.
  void Store(RadioImage& image) const;

  int Count() const { return static_cast<int>(messages_.size()); }
  const InboxMessage& At(int row) const { return messages_.at(static_cast<std::size_t>(row)); }
  const std::vector<InboxMessage>& messages() const { return messages_; }

  // Erase one record (at once) and drop it from the list.
  bool ClearCurrent(RadioImage& image, int row);
  // Erase all 16 records (at once) and empty the list.
  void ClearAll(RadioImage& image);

 private:
  std::vector<InboxMessage> messages_;
};

}  // namespace cps::dpmr
