// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A look over an image before it goes into a radio: what this radio would
// refuse (errors) and what is most likely a mistake (warnings). Each finding
// names the field by its key ("channel.3.tx_freq", "dpmr.radio_id"), so the
// CLI prints it and the window can jump to it.
//
//   CheckOptions o;
//   o.radioBand = BandLimits{40000000, 47000000};   // when a radio told it
//   for (const CheckFinding& f : CheckImage(image, o)) ...
//   return CheckExitCode(findings);                   // 0 clean, 1 warnings, 2 errors
#include <optional>
#include <string>
#include <vector>

#include "core/codec/frequency.h"
#include "core/image/radio_image.h"

namespace cps {

enum class CheckLevel { kWarning, kError };

struct CheckFinding {
  CheckLevel level = CheckLevel::kWarning;
  std::string key;   // the field it is about
  std::string text;  // what is wrong, one line
  bool operator==(const CheckFinding&) const = default;
};

struct CheckOptions {
  // The band the radio reported in its identification, when known.
  std::optional<BandLimits> radioBand;
};

// The findings, errors and warnings in the order of the image's fields.
std::vector<CheckFinding> CheckImage(const RadioImage& image, const CheckOptions& options = {});

// The radio ids of several radios written at once: an all-zero id and an
// id given twice are errors (key "dpmr.radio_id", the text names the radio).
std::vector<CheckFinding> CheckFleetIds(const std::vector<std::string>& ids);

// "error" or "warning".
std::string CheckLevelText(CheckLevel level);
// "warning: channel.3.tx_freq: ..."
std::string CheckFindingText(const CheckFinding& finding);

// 0 no findings, 1 warnings only, 2 at least one error.
int CheckExitCode(const std::vector<CheckFinding>& findings);

}  // namespace cps
