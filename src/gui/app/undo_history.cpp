// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/undo_history.h"

namespace cps {

UndoHistory::UndoHistory(const RadioImage& image, std::function<void(const RadioImage&)> restore, QObject* parent)
    : QObject(parent), image_(image), restore_(std::move(restore)) {}

void UndoHistory::Begin(const QString& name) {
  history_.Begin(name.toStdString(), image_);
  emit changed();
}

void UndoHistory::End() {
  if (!history_.stepOpen()) return;
  history_.End(image_);
  emit changed();
}

bool UndoHistory::Undo() {
  const QString name = UndoName();
  return Restore(history_.Undo(), tr("Undone: %1").arg(name));
}

bool UndoHistory::Redo() {
  const QString name = RedoName();
  return Restore(history_.Redo(), tr("Redone: %1").arg(name));
}

bool UndoHistory::Restore(const RadioImage* image, const QString& text) {
  if (!image) return false;
  restore_(*image);
  emit changed();
  emit restored(text);
  return true;
}

void UndoHistory::Clear() {
  history_.Clear();
  emit changed();
}

}  // namespace cps
