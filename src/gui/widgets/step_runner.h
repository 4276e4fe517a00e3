// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How an editor makes one of its changes an undoable step: it hands the
// change to a StepRunner with the step's name. The main window supplies
// the runner; an editor without one just makes the change.
//
//   RunStep(runStep_, "Factory", [&] { LoadFactoryPmrChannels(path, image); });
#include <QString>
#include <functional>

namespace cps {

using StepRunner = std::function<void(const QString& name, const std::function<void()>& change)>;

inline void RunStep(const StepRunner& runner, const QString& name, const std::function<void()>& change) {
  if (runner)
    runner(name, change);
  else
    change();
}

// The step of a successful read from the radio (the whole image or the
// factory block).
inline constexpr const char* kReadStepName = QT_TRANSLATE_NOOP("StepRunner", "Read from radio");

}  // namespace cps
