#include "gui/app/undo_history.h"

namespace cps {

UndoHistory::UndoHistory(RadioImage& image, QObject* parent) : QObject(parent), image_(image) {}

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
  const RadioImage* before = history_.Undo();
  if (!before) return false;
  image_ = *before;
  emit changed();
  emit restored(QString("Undone: %1").arg(name));
  return true;
}

bool UndoHistory::Redo() {
  const QString name = RedoName();
  const RadioImage* after = history_.Redo();
  if (!after) return false;
  image_ = *after;
  emit changed();
  emit restored(QString("Redone: %1").arg(name));
  return true;
}

void UndoHistory::Clear() {
  history_.Clear();
  emit changed();
}

}  // namespace cps
