// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 32-byte channel record and its 4-byte digital extension, as named
// fields. The same layout serves the 16 main channels and the 16 PMR
// channels; the extension record of channel n is shared by both sets.
#include <cstddef>
#include <cstdint>

#include "core/codec/tone.h"
#include "core/image/radio_image.h"

namespace cps {

constexpr std::size_t kMainChannelBase = 0x0100;
constexpr std::size_t kPmrChannelBase = 0x2160;
constexpr std::size_t kChannelExtBase = 0x3E80;
constexpr std::size_t kChannelRecordSize = 32;
constexpr std::size_t kChannelExtSize = 4;
constexpr int kChannelCount = 16;

// Byte offsets inside a channel record.
namespace chan {
constexpr std::size_t kRxFreq = 0;        // BCD frequency; byte 3 00/FF = empty channel
constexpr std::size_t kTxFreq = 4;        // BCD frequency; FF FF FF FF = none
constexpr std::size_t kRxTone = 8;
constexpr std::size_t kTxTone = 10;
constexpr std::size_t kOffset = 12;       // BCD |rx - tx|
constexpr std::size_t kFlagsA = 16;       // 7-6 power, 5 reverse, 4 talk around, 3 work alone,
                                          // 2 auto contact, 1 narrow, 0 scan
constexpr std::size_t kFlagsB = 17;       // 7 only rx, 2 PTT id, 1-0 signal type
constexpr std::size_t kFlagsC = 18;       // 7-6 channel type, 5-4 offset direction, 1-0 busy lock
constexpr std::size_t kColorCode = 20;
constexpr std::size_t kTxContact = 21;
constexpr std::size_t kEncryptKey = 22;
constexpr std::size_t kGroupList = 23;
constexpr std::size_t kAnalogCall1 = 24;
constexpr std::size_t kAnalogCall2 = 25;
constexpr std::size_t kCall1Contact = 26;
constexpr std::size_t kCall1TypeMessage = 27;  // 7-6 type, 5-0 message (0x3F none)
constexpr std::size_t kCall2Contact = 28;
constexpr std::size_t kCall2TypeMessage = 29;

// Bit masks.
constexpr std::uint8_t kPowerMask = 0xC0;
constexpr int kReverseBit = 5, kTalkAroundBit = 4, kWorkAloneBit = 3, kAutoContactBit = 2, kNarrowBit = 1,
              kScanBit = 0;
constexpr int kOnlyRxBit = 7, kPttIdBit = 2;
constexpr std::uint8_t kSignalTypeMask = 0x03;
constexpr std::uint8_t kChannelTypeMask = 0xC0;
constexpr std::uint8_t kOffsetDirectionMask = 0x30;
constexpr std::uint8_t kBusyLockMask = 0x03;
constexpr std::uint8_t kCallTypeMask = 0xC0;
constexpr std::uint8_t kCallMessageMask = 0x3F;
constexpr std::uint8_t kNoMessage = 0x3F;

// Extension record bytes.
constexpr std::size_t kExtRxColorCode = 0;  // 0..63, above = automatic
constexpr std::size_t kExtTxColorCode = 1;
constexpr std::size_t kExtFlags = 2;        // bit 0 OACSU, bits 7-3 data type
constexpr std::size_t kExtStatusInfo = 3;
constexpr int kOacsuBit = 0;
constexpr std::uint8_t kDataTypeMask = 0xF8;
}  // namespace chan

// Offset direction values of flags C bits 5-4.
enum class OffsetDirection : std::uint8_t { kNone = 0, kUp = 1, kDown = 2 };

constexpr std::size_t ChannelRecordAddr(std::size_t base, int number) {
  return base + kChannelRecordSize * static_cast<std::size_t>(number - 1);
}
constexpr std::size_t ChannelExtAddr(int number) {
  return kChannelExtBase + kChannelExtSize * static_cast<std::size_t>(number - 1);
}

// Read access to channel `number` (1..16) of the set at `base`.
class ConstChannelRecord {
 public:
  ConstChannelRecord(const RadioImage& image, std::size_t base, int number)
      : cimage_(&image), addr_(ChannelRecordAddr(base, number)), ext_(ChannelExtAddr(number)) {}

  std::size_t addr() const { return addr_; }
  std::size_t extAddr() const { return ext_; }
  std::uint8_t byte(std::size_t offset) const { return cimage_->Byte(addr_ + offset); }
  std::uint8_t extByte(std::size_t offset) const { return cimage_->Byte(ext_ + offset); }

  // Byte +3 is 0x00 or 0xFF: the channel is empty.
  bool isEmpty() const { return cimage_->FrequencyEmpty(addr_ + chan::kRxFreq); }
  std::uint32_t rxFreq() const { return cimage_->Frequency(addr_ + chan::kRxFreq); }
  bool txEmpty() const { return cimage_->FrequencyEmpty(addr_ + chan::kTxFreq); }
  std::uint32_t txFreq() const { return cimage_->Frequency(addr_ + chan::kTxFreq); }
  ToneCode rxTone() const { return {byte(chan::kRxTone), byte(chan::kRxTone + 1)}; }
  ToneCode txTone() const { return {byte(chan::kTxTone), byte(chan::kTxTone + 1)}; }
  std::uint32_t offset() const { return cimage_->Frequency(addr_ + chan::kOffset); }

  bool highPower() const { return cimage_->Bits(addr_ + chan::kFlagsA, chan::kPowerMask) == 3; }
  bool reverse() const { return flagA(chan::kReverseBit); }
  bool talkAround() const { return flagA(chan::kTalkAroundBit); }
  bool workAlone() const { return flagA(chan::kWorkAloneBit); }
  bool autoContact() const { return flagA(chan::kAutoContactBit); }
  bool narrow() const { return flagA(chan::kNarrowBit); }
  bool scan() const { return flagA(chan::kScanBit); }

  bool onlyRx() const { return cimage_->Bit(addr_ + chan::kFlagsB, chan::kOnlyRxBit); }
  bool pttId() const { return cimage_->Bit(addr_ + chan::kFlagsB, chan::kPttIdBit); }
  int signalType() const { return cimage_->Bits(addr_ + chan::kFlagsB, chan::kSignalTypeMask); }

  int channelType() const { return cimage_->Bits(addr_ + chan::kFlagsC, chan::kChannelTypeMask); }
  int offsetDirection() const { return cimage_->Bits(addr_ + chan::kFlagsC, chan::kOffsetDirectionMask); }
  int busyLock() const { return cimage_->Bits(addr_ + chan::kFlagsC, chan::kBusyLockMask); }

  std::uint8_t colorCode() const { return byte(chan::kColorCode); }
  std::uint8_t txContact() const { return byte(chan::kTxContact); }
  std::uint8_t encryptKey() const { return byte(chan::kEncryptKey); }
  std::uint8_t groupList() const { return byte(chan::kGroupList); }
  // which = 1 or 2
  std::uint8_t analogCall(int which) const { return byte(which == 1 ? chan::kAnalogCall1 : chan::kAnalogCall2); }
  std::uint8_t callContact(int which) const { return byte(CallContactOffset(which)); }
  int callType(int which) const { return cimage_->Bits(addr_ + CallTypeOffset(which), chan::kCallTypeMask); }
  int callMessage(int which) const { return cimage_->Bits(addr_ + CallTypeOffset(which), chan::kCallMessageMask); }
  std::uint8_t callMessage1() const { return static_cast<std::uint8_t>(callMessage(1)); }
  std::uint8_t callMessage2() const { return static_cast<std::uint8_t>(callMessage(2)); }

  std::uint8_t rxColorCode() const { return extByte(chan::kExtRxColorCode); }
  std::uint8_t txColorCode() const { return extByte(chan::kExtTxColorCode); }
  bool oacsu() const { return cimage_->Bit(ext_ + chan::kExtFlags, chan::kOacsuBit); }
  std::uint8_t extFlags() const { return extByte(chan::kExtFlags); }
  std::uint8_t statusInfo() const { return extByte(chan::kExtStatusInfo); }

  static constexpr std::size_t CallContactOffset(int which) {
    return which == 1 ? chan::kCall1Contact : chan::kCall2Contact;
  }
  static constexpr std::size_t CallTypeOffset(int which) {
    return which == 1 ? chan::kCall1TypeMessage : chan::kCall2TypeMessage;
  }

 protected:
  bool flagA(int bit) const { return cimage_->Bit(addr_ + chan::kFlagsA, bit); }

  const RadioImage* cimage_;
  std::size_t addr_;
  std::size_t ext_;
};

// Read and write access. Setters of bit fields change only their own bits.
class ChannelRecord : public ConstChannelRecord {
 public:
  ChannelRecord(RadioImage& image, std::size_t base, int number)
      : ConstChannelRecord(image, base, number), image_(&image) {}

  void setByte(std::size_t offset, std::uint8_t v) { image_->SetByte(addr_ + offset, v); }
  void setExtByte(std::size_t offset, std::uint8_t v) { image_->SetByte(ext_ + offset, v); }

  void setRxFreq(std::uint32_t units) { image_->SetFrequency(addr_ + chan::kRxFreq, units); }
  void setTxFreq(std::uint32_t units) { image_->SetFrequency(addr_ + chan::kTxFreq, units); }
  void clearTxFreq() { image_->Fill(addr_ + chan::kTxFreq, 4, 0xFF); }
  void setRxTone(const ToneCode& t) { SetPair(chan::kRxTone, t); }
  void setTxTone(const ToneCode& t) { SetPair(chan::kTxTone, t); }
  void setOffset(std::uint32_t units) { image_->SetFrequency(addr_ + chan::kOffset, units); }

  void setHighPower(bool on) { image_->SetBits(addr_ + chan::kFlagsA, chan::kPowerMask, on ? 3 : 0); }
  void setReverse(bool on) { setFlagA(chan::kReverseBit, on); }
  void setTalkAround(bool on) { setFlagA(chan::kTalkAroundBit, on); }
  void setWorkAlone(bool on) { setFlagA(chan::kWorkAloneBit, on); }
  void setAutoContact(bool on) { setFlagA(chan::kAutoContactBit, on); }
  void setNarrow(bool on) { setFlagA(chan::kNarrowBit, on); }
  void setScan(bool on) { setFlagA(chan::kScanBit, on); }

  void setOnlyRx(bool on) { image_->SetBit(addr_ + chan::kFlagsB, chan::kOnlyRxBit, on); }
  void setPttId(bool on) { image_->SetBit(addr_ + chan::kFlagsB, chan::kPttIdBit, on); }
  void setSignalType(int v) { SetField(chan::kFlagsB, chan::kSignalTypeMask, v); }

  void setChannelType(int v) { SetField(chan::kFlagsC, chan::kChannelTypeMask, v); }
  void setOffsetDirection(OffsetDirection d) {
    SetField(chan::kFlagsC, chan::kOffsetDirectionMask, static_cast<int>(d));
  }
  void setBusyLock(int v) { SetField(chan::kFlagsC, chan::kBusyLockMask, v); }

  void setColorCode(std::uint8_t v) { setByte(chan::kColorCode, v); }
  void setTxContact(std::uint8_t v) { setByte(chan::kTxContact, v); }
  void setEncryptKey(std::uint8_t v) { setByte(chan::kEncryptKey, v); }
  void setGroupList(std::uint8_t v) { setByte(chan::kGroupList, v); }
  void setAnalogCall(int which, std::uint8_t v) { setByte(which == 1 ? chan::kAnalogCall1 : chan::kAnalogCall2, v); }
  void setCallContact(int which, std::uint8_t v) { setByte(CallContactOffset(which), v); }
  void setCallType(int which, int v) { SetField(CallTypeOffset(which), chan::kCallTypeMask, v); }
  void setCallMessage(int which, int v) { SetField(CallTypeOffset(which), chan::kCallMessageMask, v); }

  void setRxColorCode(std::uint8_t v) { setExtByte(chan::kExtRxColorCode, v); }
  void setTxColorCode(std::uint8_t v) { setExtByte(chan::kExtTxColorCode, v); }
  void setOacsu(bool on) { image_->SetBit(ext_ + chan::kExtFlags, chan::kOacsuBit, on); }
  void setExtFlags(std::uint8_t v) { setExtByte(chan::kExtFlags, v); }
  void setStatusInfo(std::uint8_t v) { setExtByte(chan::kExtStatusInfo, v); }

  // The default channel: all 0xFF, then low power, scan add, wide, digital,
  // no offset direction, color code 1, no contact, no key, offset 0.6 MHz.
  // Frequencies and tones stay 0xFF, so the channel reads as empty.
  void ResetRecord();
  // The default extension: automatic color codes, data type field 0xF8 with
  // OACSU off, status information number 30.
  void ResetExtension();

 private:
  void setFlagA(int bit, bool on) { image_->SetBit(addr_ + chan::kFlagsA, bit, on); }
  void SetPair(std::size_t offset, const ToneCode& t) {
    image_->SetByte(addr_ + offset, t[0]);
    image_->SetByte(addr_ + offset + 1, t[1]);
  }
  void SetField(std::size_t offset, std::uint8_t mask, int v) {
    image_->SetBits(addr_ + offset, mask, static_cast<std::uint8_t>(v));
  }

  RadioImage* image_;
};

}  // namespace cps
