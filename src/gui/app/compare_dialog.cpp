#include "gui/app/compare_dialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace cps {

namespace {

QString Shown(const std::string& value) { return QString::fromStdString(value); }

QString Hex(const RadioImage& image, const RawDifference& r) {
  QString out;
  for (std::size_t a = r.first; a <= r.last; ++a)
    out += QString("%1%2").arg(out.isEmpty() ? "" : " ").arg(image.Byte(a), 2, 16, QChar('0')).toUpper();
  return out;
}

}  // namespace

CompareDialog::CompareDialog(const ImageDifference& diff, const RadioImage& mine, const RadioImage& theirs,
                             const QString& fileName, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle("Compare with " + fileName);
  setObjectName("CompareDialog");
  const std::size_t count = diff.keys.size() + diff.raw.size();
  summary_ = new QLabel(diff.empty()   ? QString("No differences")
                        : count == 1 ? QString("1 difference")
                                     : QString("%1 differences").arg(count));
  summary_->setObjectName("compareSummary");
  table_ = new QTableWidget(static_cast<int>(diff.keys.size() + diff.raw.size()), 4, this);
  table_->setObjectName("compareTable");
  table_->setHorizontalHeaderLabels({"Key", "Caption", "This image", fileName});
  table_->verticalHeader()->hide();
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  int row = 0;
  auto put = [&](const QString& key, const QString& caption, const QString& a, const QString& b) {
    const QString cells[] = {key, caption, a, b};
    for (int c = 0; c < 4; ++c) table_->setItem(row, c, new QTableWidgetItem(cells[c]));
    ++row;
  };
  for (const auto& d : diff.keys) put(Shown(d.key), Shown(d.label), Shown(d.a), Shown(d.b));
  for (const auto& r : diff.raw) {
    auto address = [](std::size_t a) { return "0x" + QString("%1").arg(a, 4, 16, QChar('0')).toUpper(); };
    QString where = "raw " + address(r.first);
    if (r.last > r.first) where += "-" + address(r.last);
    put(where, "bytes no key tells about", Hex(mine, r), Hex(theirs, r));
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addWidget(table_);
  layout->addWidget(buttons);
  resize(720, 420);
}

}  // namespace cps
