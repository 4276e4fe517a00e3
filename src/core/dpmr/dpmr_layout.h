// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Addresses of the dPMR structures in the radio image and the small text
// helpers the dPMR lists share.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/codec/digit_codes.h"

#include "core/image/contact_repair.h"
#include "core/image/image_text.h"
#include "core/image/radio_image.h"

namespace cps::dpmr {

// The contact index and slots and the group receive lists are laid out in
// core/image/contact_repair.h, next to the passes that repair them.

// Encryption: switch, key count, 16 key records of 16 bytes.
constexpr std::size_t kEncryptOn = 0x03A0;
constexpr std::size_t kKeyCount = 0x03A7;
constexpr std::size_t kKeyRecords = 0x03B0;
constexpr std::size_t kKeyRecordSize = 16;
constexpr int kMaxKeys = 16;

// Outbox: index of 16 words and 16 records of 128 bytes.
constexpr std::size_t kOutboxIndex = 0x0960;
constexpr std::size_t kOutboxRecords = 0x0980;
constexpr std::size_t kOutboxRecordSize = 128;
constexpr int kOutboxCount = 16;

// Inbox: index of 16 words and 16 records of 160 bytes.
constexpr std::size_t kInboxIndex = 0x1180;
constexpr std::size_t kInboxRecords = 0x11A0;
constexpr std::size_t kInboxRecordSize = 160;
constexpr int kInboxCount = 16;
constexpr std::size_t kInboxLastValidWord = 0x1AE0;

// A text cut at its first non-printable character and to `maxLen`.
std::string PrintablePrefix(const std::string& text, std::size_t maxLen);

// Set B digits (0-9, 0x0A = "*") from `addr`, ending at the first code of
// 11 or more or after `maxLen` codes.
inline std::string SetBDigits(const RadioImage& image, std::size_t addr, std::size_t maxLen) {
  return DigitsToTextB(image.Bytes(addr, maxLen).data(), maxLen);
}

inline std::size_t ContactSlotAddress(int slot) {
  return kContactRecordsAddr + kContactRecordSize * static_cast<std::size_t>(slot - 1);
}

}  // namespace cps::dpmr
