// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/history/image_history.h"

#include <algorithm>
#include <utility>

namespace cps {

ImageHistory::ImageHistory(std::size_t limit) : limit_(std::max<std::size_t>(limit, 1)) {}

bool ImageHistory::Record(std::string name, const RadioImage& before, const RadioImage& after) {
  if (before == after) return false;
  steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(done_), steps_.end());
  steps_.push_back(HistoryStep{std::move(name), before, after});
  while (steps_.size() > limit_) steps_.pop_front();
  done_ = steps_.size();
  return true;
}

void ImageHistory::Begin(std::string name, const RadioImage& now) {
  if (!open_.empty()) {
    // What the outer step changed so far is its own step; the outer one
    // goes on from here.
    OpenStep& outer = open_.back();
    Record(outer.name, outer.before, now);
    outer.before = now;
  }
  open_.push_back(OpenStep{std::move(name), now});
}

bool ImageHistory::End(const RadioImage& now) {
  if (open_.empty()) return false;
  OpenStep step = std::move(open_.back());
  open_.pop_back();
  const bool recorded = Record(std::move(step.name), step.before, now);
  if (!open_.empty()) open_.back().before = now;
  return recorded;
}

std::string ImageHistory::UndoName() const { return CanUndo() ? steps_[done_ - 1].name : std::string(); }

std::string ImageHistory::RedoName() const { return CanRedo() ? steps_[done_].name : std::string(); }

const RadioImage* ImageHistory::Undo() {
  if (!CanUndo()) return nullptr;
  --done_;
  return &steps_[done_].before;
}

const RadioImage* ImageHistory::Redo() {
  if (!CanRedo()) return nullptr;
  return &steps_[done_++].after;
}

void ImageHistory::Clear() {
  steps_.clear();
  done_ = 0;
  open_.clear();
}

}  // namespace cps
