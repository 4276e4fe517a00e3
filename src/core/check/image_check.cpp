// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/check/image_check.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "core/channels/channel_editor.h"
#include "core/channels/channel_record.h"
#include "core/channels/channel_table.h"
#include "core/codec/tone.h"
#include "core/dpmr/dpmr_basic_page.h"
#include "core/schema/schema.h"

namespace cps {

namespace {

// The licence-free plan: 446.0-446.2 MHz, in the image's 10 Hz units.
constexpr std::uint32_t kPmrLow = 44600000;
constexpr std::uint32_t kPmrHigh = 44620000;

std::string Mhz(std::uint32_t units) { return FrequencyToText(units) + " MHz"; }
std::string BandText(const BandLimits& b) { return Mhz(b.low) + " to " + Mhz(b.high); }
bool InBand(std::uint32_t f, const BandLimits& b) { return f >= b.low && f <= b.high; }
bool Listed(const std::vector<int>& list, int n) { return std::find(list.begin(), list.end(), n) != list.end(); }
// A list entry a channel names: 1..16 (0 and anything above show "None").
bool Names(int n) { return n >= 1 && n <= 16; }

class Checker {
 public:
  Checker(const RadioImage& image, const CheckOptions& options)
      : image_(image), options_(options), lists_(ReadChannelEditLists(image)) {
    ChannelTable table;
    table.Load(image);
    band_ = table.band();
  }

  std::vector<CheckFinding> Run() {
    if (options_.radioBand && !(*options_.radioBand == band_))
      Error("band", "the image is for " + BandText(band_) + ", the radio reports " + BandText(*options_.radioBand));
    CheckRadioId();
    CheckChannels(kMainChannelBase, "channel");
    CheckChannels(kPmrChannelBase, "pmr");
    return std::move(findings_);
  }

 private:
  void Error(std::string key, std::string text) { findings_.push_back({CheckLevel::kError, std::move(key), std::move(text)}); }
  void Warning(std::string key, std::string text) {
    findings_.push_back({CheckLevel::kWarning, std::move(key), std::move(text)});
  }

  void CheckRadioId() {
    for (const Field& f : DpmrBasicPageSchema().fields)
      if (f.key == "radio_id" && f.load(image_).text == "0000000")
        Error("dpmr.radio_id", "the radio id is 0000000, which no radio takes");
  }

  void CheckChannels(std::size_t base, const std::string& set) {
    std::set<std::tuple<std::uint32_t, std::uint32_t, int>> seen;
    for (int n = 1; n <= kChannelCount; ++n) {
      const ConstChannelRecord ch(image_, base, n);
      if (ch.isEmpty()) continue;
      const std::string key = set + "." + std::to_string(n) + ".";
      const std::uint32_t rx = ch.rxFreq();
      const bool hasTx = !ch.txEmpty();
      const std::uint32_t tx = hasTx ? ch.txFreq() : rx;
      if (!InBand(rx, band_)) Error(key + "rx_freq", Mhz(rx) + " lies outside the band " + BandText(band_));
      if (hasTx && !InBand(tx, band_)) Error(key + "tx_freq", Mhz(tx) + " lies outside the band " + BandText(band_));

      // A channel on the licence-free frequencies follows their plan.
      if (InBand(rx, {kPmrLow, kPmrHigh}) && !ch.onlyRx()) {
        if (!InBand(tx, {kPmrLow, kPmrHigh}))
          Warning(key + "tx_freq", "transmits on " + Mhz(tx) + ", outside the licence-free 446.0-446.2 MHz");
        else if (tx != rx)
          Warning(key + "tx_freq", "a repeater shift on a licence-free channel (receive " + Mhz(rx) + ")");
        if (!ch.narrow()) Warning(key + "bandwidth", "a licence-free channel must be Narrow");
        if (ch.highPower()) Warning(key + "power", "a licence-free channel must be Low power");
      }

      if (ToneToText(ch.rxTone()) == "None" && ToneToText(ch.txTone()) != "None")
        Warning(key + "tx_tone", "a tone on transmit only (" + ToneToText(ch.txTone()) +
                                     "): the channel hears everyone but others may not hear it");

      const int type = ch.channelType();
      if (type != 0) CheckDigital(ch, key);
      if (Names(ch.groupList()) && !Listed(lists_.groupLists, ch.groupList()))
        Warning(key + "group_rx_list", "group list " + std::to_string(ch.groupList()) + " is empty");
      if (Names(ch.encryptKey()) && ch.encryptKey() > lists_.keyCount)
        Warning(key + "encrypt_key", "key " + std::to_string(ch.encryptKey()) + " is empty");
      if (ch.signalType() == 1)
        for (int k : {1, 2})
          if (const int c = ch.analogCall(k); Names(c) && !Listed(lists_.analogCalls, c))
            Warning(key + "analog_call_" + std::to_string(k), "DTMF contact " + std::to_string(c) + " is empty");

      if (!seen.insert({rx, tx, type}).second)
        Warning(key + "rx_freq", "the same frequencies and type as an earlier channel");
    }
  }

  bool ContactListed(int number) const {
    return std::any_of(lists_.contacts.begin(), lists_.contacts.end(), [&](const auto& c) { return c.first == number; });
  }

  void CheckDigital(const ConstChannelRecord& ch, const std::string& key) {
    if (!ContactListed(ch.txContact())) Warning(key + "tx_contact", "a digital channel without a contact");
    for (int k : {1, 2}) {
      const std::string call = key + "call_" + std::to_string(k) + "_";
      const int callType = ch.callType(k);  // 1 Call, 2 Msg; anything else shows Off
      if (callType != 1 && callType != 2) continue;
      if (!ContactListed(ch.callContact(k)))
        Warning(call + "contact", std::string(callType == 1 ? "Call" : "Msg") + " needs a contact");
      if (callType == 2 && !Listed(lists_.messages, ch.callMessage(k)))
        Warning(call + "msg", ch.callMessage(k) == chan::kNoMessage
                                  ? std::string("Msg needs a message")
                                  : "message " + std::to_string(ch.callMessage(k)) + " is empty");
    }
  }

  const RadioImage& image_;
  const CheckOptions& options_;
  ChannelEditLists lists_;
  BandLimits band_{};
  std::vector<CheckFinding> findings_;
};

}  // namespace

std::vector<CheckFinding> CheckImage(const RadioImage& image, const CheckOptions& options) {
  return Checker(image, options).Run();
}

std::vector<CheckFinding> CheckFleetIds(const std::vector<std::string>& ids) {
  std::vector<CheckFinding> findings;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    const std::string radio = "radio " + std::to_string(i + 1);
    if (ids[i] == "0000000")
      findings.push_back({CheckLevel::kError, "dpmr.radio_id", radio + ": the radio id is 0000000"});
    else if (std::find(ids.begin(), ids.begin() + static_cast<long>(i), ids[i]) != ids.begin() + static_cast<long>(i))
      findings.push_back({CheckLevel::kError, "dpmr.radio_id", radio + ": the radio id " + ids[i] + " is given twice"});
  }
  return findings;
}

std::string CheckLevelText(CheckLevel level) { return level == CheckLevel::kError ? "error" : "warning"; }

std::string CheckFindingText(const CheckFinding& f) { return CheckLevelText(f.level) + ": " + f.key + ": " + f.text; }

int CheckExitCode(const std::vector<CheckFinding>& findings) {
  if (findings.empty()) return 0;
  for (const CheckFinding& f : findings)
    if (f.level == CheckLevel::kError) return 2;
  return 1;
}

}  // namespace cps
