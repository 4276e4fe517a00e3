// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The history of the image for Undo and Redo. A step is a name for the user
// and the whole image before and after the change: exact whatever editor
// made it, and cheap enough at 16 KB a side.
//
//   ImageHistory history;
//   history.Begin("Channel 3 Rx Freq", image);
//   ... change image ...
//   history.End(image);                 // recorded unless no byte changed
//   if (const RadioImage* back = history.Undo()) image = *back;
//
// Steps may be opened inside one another (a cell of a table inside a
// dialog). An inner step first records what the outer one changed so far
// under the outer's name, so every change lands in exactly one step.
#include <cstddef>
#include <deque>
#include <string>
#include <vector>

#include "core/image/radio_image.h"

namespace cps {

struct HistoryStep {
  std::string name;
  RadioImage before;
  RadioImage after;
};

class ImageHistory {
 public:
  static constexpr std::size_t kDefaultLimit = 200;
  // `limit`: the most steps kept; beyond it the oldest is dropped (at least 1).
  explicit ImageHistory(std::size_t limit = kDefaultLimit);

  // A finished change. Not recorded when no byte differs; otherwise the
  // steps that could be redone are dropped. Returns whether it was recorded.
  bool Record(std::string name, const RadioImage& before, const RadioImage& after);

  // Opens a step over the image as it is now.
  void Begin(std::string name, const RadioImage& now);
  // Closes the innermost open step with the image as it is now; returns
  // whether a step was recorded. Without an open step nothing happens.
  bool End(const RadioImage& now);
  bool stepOpen() const { return !open_.empty(); }
  // Gives the innermost open step another name (what it turned out to be).
  void RenameOpenStep(std::string name) {
    if (!open_.empty()) open_.back().name = std::move(name);
  }

  // Nothing can be undone or redone while a step is open.
  bool CanUndo() const { return open_.empty() && done_ > 0; }
  bool CanRedo() const { return open_.empty() && done_ < steps_.size(); }
  // Name of the step Undo / Redo would take back or apply ("" when none).
  std::string UndoName() const;
  std::string RedoName() const;

  // The image to put back, or nullptr when there is nothing to undo/redo.
  // The pointer stays valid until the history changes next.
  const RadioImage* Undo();
  const RadioImage* Redo();

  // A new or opened document: no steps, and the open steps forgotten.
  void Clear();

  std::size_t undoCount() const { return open_.empty() ? done_ : 0; }
  std::size_t redoCount() const { return open_.empty() ? steps_.size() - done_ : 0; }
  std::size_t limit() const { return limit_; }

 private:
  struct OpenStep {
    std::string name;
    RadioImage before;
  };

  std::size_t limit_;
  std::deque<HistoryStep> steps_;
  std::size_t done_ = 0;  // steps_[0, done_) are applied
  std::vector<OpenStep> open_;
};

}  // namespace cps
