// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Qt side of the image history: one ImageHistory over the document's
// image, steps opened and closed around the changes of the editors, and
// Undo/Redo that put an image back and say so.
//
//   { ImageStep step(history, dialog.windowTitle()); dialog.exec(); }
#include <QObject>
#include <QString>
#include <functional>

#include "core/history/image_history.h"
#include "core/image/radio_image.h"

namespace cps {

class UndoHistory : public QObject {
  Q_OBJECT
 public:
  // `image`: the document's image, taken at the start and end of a step.
  // `restore`: puts an image back into the document (and its table).
  UndoHistory(const RadioImage& image, std::function<void(const RadioImage&)> restore, QObject* parent = nullptr);

  ImageHistory& steps() { return history_; }
  const ImageHistory& steps() const { return history_; }

  void Begin(const QString& name);
  void End();
  // The open step turned out to be something else: its name says what.
  void RenameOpenStep(const QString& name) { history_.RenameOpenStep(name.toStdString()); }
  // Puts the image before the last step / after the next one back; false
  // when there is none.
  bool Undo();
  bool Redo();
  // New and Open.
  void Clear();

  QString UndoName() const { return QString::fromStdString(history_.UndoName()); }
  QString RedoName() const { return QString::fromStdString(history_.RedoName()); }

 signals:
  // The steps or the open state changed: menu texts and enabled states.
  void changed();
  // Undo or Redo put an image back; `text` says which step.
  void restored(const QString& text);

 private:
  bool Restore(const RadioImage* image, const QString& text);

  const RadioImage& image_;
  std::function<void(const RadioImage&)> restore_;
  ImageHistory history_;
};

// A change made between construction and destruction is one step.
class ImageStep {
 public:
  ImageStep(UndoHistory& history, const QString& name) : history_(history) { history_.Begin(name); }
  ~ImageStep() { history_.End(); }
  ImageStep(const ImageStep&) = delete;
  ImageStep& operator=(const ImageStep&) = delete;

 private:
  UndoHistory& history_;
};

}  // namespace cps
