#pragma once
// The Qt side of the image history: one ImageHistory over the document's
// image, steps opened and closed around the changes of the editors, and
// Undo/Redo that put an image back and say so.
//
//   { ImageStep step(history, dialog.windowTitle()); dialog.exec(); }
#include <QObject>
#include <QString>

#include "core/history/image_history.h"
#include "core/image/radio_image.h"

namespace cps {

class UndoHistory : public QObject {
  Q_OBJECT
 public:
  UndoHistory(RadioImage& image, QObject* parent = nullptr);

  ImageHistory& steps() { return history_; }
  const ImageHistory& steps() const { return history_; }

  void Begin(const QString& name);
  void End();
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
  // Undo or Redo replaced the image; `text` says which step.
  void restored(const QString& text);

 private:
  bool Restore(const RadioImage* image, const QString& text);

  RadioImage& image_;
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
