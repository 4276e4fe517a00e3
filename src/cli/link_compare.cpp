// SPDX-License-Identifier: GPL-3.0-or-later
// dpmr-cli diff FILE --port P: what a write of FILE would change in the
// radio, read from the radio first (the read is kept as a backup); then,
// when asked, the write.
#include <unistd.h>

#include <iostream>

#include "cli/link_shared.h"
#include "core/image/new_image.h"
#include "core/interop/image_compare.h"
#include "core/interop/text_image.h"

namespace cps::cli {

int RunDiffWithRadio(const Args& args) {
  if (args.positional.size() != 1) return Fail("diff: name one image file: dpmr-cli diff FILE --port PORT");
  auto target = Target(args);
  if (!target) return Fail("diff: " + target.error());
  // What a write of FILE sends.
  auto doc = OpenDocument(args.positional[0]);
  if (!doc) return Fail("diff: " + doc.error());
  doc->BeforeWrite();
  const RadioImage mine = doc->image();
  auto opener = Opener(args);
  if (!opener) return Fail("diff: " + opener.error());

  EnsureApplication();
  BackupKeeper backups(args);
  RadioImage radio = mine;
  TransferResult result;
  {
    InterruptAsExit interrupt;
    TransferCallbacks callbacks;
    callbacks.readCompleted = [&](const RadioImage& read) { backups.Keep(read, target->port); };
    result = RunTransfer(*opener, target->port, target->baud, TransferDirection::kRead, radio, gCancel, callbacks);
  }
  backups.Print();
  // The program's message and the reason underneath.
  auto failed = [](const TransferResult& r) {
    if (r.outcome != TransferOutcome::kCancelled)
      std::cerr << (r.outcome == TransferOutcome::kPortNotOpened ? kPortNotOpenedMessage : kCommunicationErrorMessage)
                << "\n";
    std::cerr << r.reason << "\n";
  };
  if (!result.ok()) {
    failed(result);
    return 2;
  }
  // the same rows as diff and the window's Compare
  const Comparison diff = CompareForReview({radio}, {mine});
  std::cout << "What a write of " << args.positional[0] << " changes in the radio (radio -> file):\n"
            << ComparisonText(diff);
  if (diff.empty()) std::cout << "Nothing: the radio holds the file already.\n";
  if (!args.Has("write") && !args.Has("yes")) return diff.empty() ? 0 : 1;

  if (!args.Has("yes") && !AskYes("Write it into the radio?")) {
    std::cerr << "Nothing was written.\n";
    return kExitCancelled;
  }
  RadioImage sent = mine;
  {
    InterruptAsExit interrupt;
    result = RunTransfer(*opener, target->port, target->baud, TransferDirection::kWrite, sent, gCancel);
  }
  if (!result.ok()) {
    failed(result);
    if (result.partlyWritten) std::cerr << target->port << " " << kPartlyWrittenMessage << ".\n";
    return ExitCodeOf(result.outcome);
  }
  std::cout << "Wrote " << kWriteBlockCount << " blocks into the radio\n";
  return 0;
}

}  // namespace cps::cli
