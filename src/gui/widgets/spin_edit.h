// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An edit with up/down arrows beside it. The arrows (and the Up and Down
// keys in the edit) do not change the text themselves: they emit `stepped`
// with +1 or -1 and the owner writes the new text (the field's spin rule).
// The arrows take the size the style gives a spin box's buttons, and
// together they are as tall as the edit.
#include <QLineEdit>
#include <QWidget>

class QToolButton;

namespace cps {

class SpinEdit : public QWidget {
  Q_OBJECT
 public:
  explicit SpinEdit(QWidget* parent = nullptr);
  QLineEdit* edit() const { return edit_; }
  QToolButton* upButton() const { return up_; }
  QToolButton* downButton() const { return down_; }

 signals:
  void stepped(int delta);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // Sizes the arrows after the style and the edit's height.
  void FitArrows();

  QLineEdit* edit_;
  QToolButton* up_;
  QToolButton* down_;
};

}  // namespace cps
