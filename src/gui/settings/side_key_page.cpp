// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/settings/side_key_page.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>

#include "core/settings/side_key_page.h"
#include "gui/widgets/palette_colors.h"

namespace cps {

namespace {
QPixmap LoadPicture(const QString& directory, const QString& file, const QString& builtIn) {
  QPixmap p;
  if (!directory.isEmpty() && p.load(QDir(directory).filePath(file)) && !p.isNull()) return p;
  p.load(builtIn);
  return p;
}
}  // namespace

CSideKeyPage::CSideKeyPage(RadioImage& image, const QString& bitmapDirectory, QWidget* parent) : TabPage(parent) {
  tk_ = LoadPicture(bitmapDirectory, "TK.bmp", ":/sidekeys/tk.png");
  sk1_ = LoadPicture(bitmapDirectory, "SK1.bmp", ":/sidekeys/sk1.png");
  sk2_ = LoadPicture(bitmapDirectory, "SK2.bmp", ":/sidekeys/sk2.png");
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

const QPixmap& CSideKeyPage::keyPicture(const QString& key) const {
  if (key == "TK") return tk_;
  if (key == "SK2") return sk2_;
  return sk1_;
}

void CSideKeyPage::ShowKey(const QString& key) {
  shownKey_ = key;
  picture_->setPixmap(PictureOnAnyBackground(keyPicture(key), devicePixelRatioF()));
}

}  // namespace cps
