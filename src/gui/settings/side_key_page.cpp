// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settings/side_key_page.h"

#include <QDir>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <algorithm>
#include <cmath>

#include "core/settings/side_key_page.h"
#include "gui/widgets/palette_colors.h"

namespace cps {

namespace {

// The picture of the folder's file, else the built-in drawing of `key`.
// `builtIn` tells which it is.
QPixmap LoadPicture(const QString& directory, const QString& key, qreal ratio, bool* builtIn) {
  QPixmap p;
  *builtIn = false;
  if (!directory.isEmpty() && p.load(QDir(directory).filePath(key + ".bmp")) && !p.isNull()) return p;
  *builtIn = true;
  return CSideKeyPage::BuiltInPicture(key, ratio);
}

}  // namespace

CSideKeyPage::CSideKeyPage(RadioImage& image, const QString& bitmapDirectory, QWidget* parent)
    : TabPage(parent), bitmapDirectory_(bitmapDirectory) {
  LoadPictures(1.0);
  form_ = new SchemaPage(SideKeyPageSchema(), image, this);
  picture_ = new QLabel(this);
  picture_->setFixedSize(150, 300);
  picture_->setAlignment(Qt::AlignCenter);
  auto* row = new QHBoxLayout(this);
  row->addWidget(form_, 1);
  row->addWidget(picture_, 0, Qt::AlignTop);
  connect(form_, &SchemaPage::fieldFocused, this, [this](const QString& key) {
    if (key.startsWith("sk1")) ShowKey("SK1");
    else if (key.startsWith("sk2")) ShowKey("SK2");
    else if (key.startsWith("tk")) ShowKey("TK");
  });
  // The TK boxes are not shown: the page starts on the first SK1 box.
  ShowKey("SK1");
  setFocusProxy(form_->control("sk1_short"));
}

QPixmap CSideKeyPage::BuiltInPicture(const QString& key, qreal ratio) {
  QImageReader reader(":/sidekeys/" + key.toLower() + ".svg");
  const qreal scale = std::max<qreal>(1.0, ratio);
  reader.setScaledSize((QSizeF(reader.size()) * scale).toSize());
  QPixmap p = QPixmap::fromImage(reader.read());
  p.setDevicePixelRatio(scale);
  return p;
}

void CSideKeyPage::LoadPictures(qreal ratio) {
  ratio_ = ratio;
  tk_ = LoadPicture(bitmapDirectory_, "TK", ratio, &builtIn_[0]);
  sk1_ = LoadPicture(bitmapDirectory_, "SK1", ratio, &builtIn_[1]);
  sk2_ = LoadPicture(bitmapDirectory_, "SK2", ratio, &builtIn_[2]);
}

const QPixmap& CSideKeyPage::keyPicture(const QString& key) const {
  if (key == "TK") return tk_;
  if (key == "SK2") return sk2_;
  return sk1_;
}

bool CSideKeyPage::builtInPicture(const QString& key) const {
  return builtIn_[key == "TK" ? 0 : key == "SK2" ? 2 : 1];
}

void CSideKeyPage::ShowKey(const QString& key) {
  shownKey_ = key;
  // The drawings are made anew for the density of the screen shown on.
  const qreal ratio = std::max<qreal>(1.0, std::ceil(devicePixelRatioF()));
  if (ratio != ratio_) LoadPictures(ratio);
  const QPixmap& picture = keyPicture(key);
  picture_->setPixmap(builtInPicture(key) ? picture : PictureOnAnyBackground(picture, devicePixelRatioF()));
}

}  // namespace cps
