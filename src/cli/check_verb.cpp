// SPDX-License-Identifier: GPL-3.0-or-later
// dpmr-cli check: what a write of FILE would send, looked over before it
// goes into a radio.
#include <iostream>

#include "cli/cli.h"
#include "core/check/image_check.h"

namespace cps::cli {
namespace {

int RunCheckVerb(const Args& args) {
  if (args.positional.size() != 1) return Fail("check: name one image file: dpmr-cli check FILE");
  auto doc = OpenDocument(args.positional[0]);
  if (!doc) return Fail("check: " + doc.error(), 3);
  doc->BeforeWrite();  // the image a write sends
  const std::vector<CheckFinding> findings = CheckImage(doc->image());
  for (const CheckFinding& f : findings) std::cout << CheckFindingText(f) << "\n";
  if (findings.empty()) std::cout << "No findings.\n";
  return CheckExitCode(findings);
}

VerbRegistrar checkVerb({"check", "look an image over before it goes into a radio", {"FILE"},
                         "Looks over the image a write of FILE sends: frequencies outside the band,\n"
                         "licence-free channels (446.0-446.2 MHz) off their plan (narrow, low power, no\n"
                         "repeater shift), digital channels and calls without a contact, a contact, group\n"
                         "list, key or message used but empty, two channels alike, a tone on transmit\n"
                         "only, an all-zero radio id. One line per finding: \"error: KEY: ...\" or\n"
                         "\"warning: KEY: ...\", KEY as 'dpmr-cli get' takes it.\n"
                         "Exit codes: 0 no findings, 1 warnings only, 2 errors (what the radio would\n"
                         "refuse) or a usage error, 3 the file cannot be opened.\n",
                         {}, RunCheckVerb});

}  // namespace
}  // namespace cps::cli
