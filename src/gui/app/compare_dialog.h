#pragma once
#include <QDialog>

#include "core/interop/text_image.h"

class QLabel;
class QTableWidget;

namespace cps {

// File, "Compare with file...": the keys whose values differ between the
// open image and a file (key, caption, this image, the file), then the
// differing bytes no key tells about; "No differences" when they are equal.
class CompareDialog : public QDialog {
  Q_OBJECT
 public:
  CompareDialog(const ImageDifference& diff, const RadioImage& mine, const RadioImage& theirs, const QString& fileName,
                QWidget* parent = nullptr);

  QTableWidget* table() const { return table_; }
  QLabel* summary() const { return summary_; }

 private:
  QTableWidget* table_;
  QLabel* summary_;
};

}  // namespace cps
