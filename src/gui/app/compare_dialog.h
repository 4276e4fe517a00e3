// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <QDialog>

#include "core/interop/image_compare.h"

class QLabel;
class QTreeWidget;

namespace cps {

// The comparison of two images, as "dpmr-cli diff" prints it: one branch per
// section ("Channel 3: 2 differences") with its rows (key, caption, the
// value in each image), or "No differences". The columns share the width of
// the window; a long value is cut short with "..." and shown whole in its
// tool tip. With many rows the sections start folded.
//
//   (new CompareDialog(mine, "This image", radio, "Radio", this))->exec();
class CompareDialog : public QDialog {
  Q_OBJECT
 public:
  // Sections of more rows than this in all start folded.
  static constexpr int kUnfoldedRows = 60;

  CompareDialog(const ComparedImage& a, const QString& titleA, const ComparedImage& b, const QString& titleB,
                QWidget* parent = nullptr);
  CompareDialog(const Comparison& comparison, const QString& titleA, const QString& titleB,
                QWidget* parent = nullptr);

  QTreeWidget* tree() const { return tree_; }
  QLabel* summary() const { return summary_; }
  // Lines under the summary on how the images were taken (a file as File,
  // Open shows it, the part of a long file that is an image); hidden when
  // there are none.
  void SetNotes(const std::vector<std::string>& notes);
  QLabel* notes() const { return notes_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Key and caption get what they need up to a quarter of the width each,
  // the two values share the rest.
  void FitColumns();

  QTreeWidget* tree_;
  QLabel* summary_;
  QLabel* notes_;
  int keyWidth_ = 0;
  int captionWidth_ = 0;
};

}  // namespace cps
