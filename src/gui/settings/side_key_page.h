// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Side Key" page: the schema page of the key boxes with a picture of the
// radio beside it. The picture shows the key whose box has the focus: the
// files "TK.bmp", "SK1.bmp", "SK2.bmp" of the picture folder, or the
// built-in pictures when a file is missing or unreadable.
#include <QPixmap>
#include <QString>

#include "core/image/radio_image.h"
#include "gui/settings/schema_page.h"

class QLabel;

namespace cps {

class CSideKeyPage : public TabPage {
  Q_OBJECT
 public:
  CSideKeyPage(RadioImage& image, const QString& bitmapDirectory, QWidget* parent = nullptr);
  void LoadFromImage() override { form_->LoadFromImage(); }
  void SaveToImage() override { form_->SaveToImage(); }

  SchemaPage* form() const { return form_; }
  QLabel* picture() const { return picture_; }
  // "TK", "SK1" or "SK2": the key the picture shows now.
  const QString& shownKey() const { return shownKey_; }
  const QPixmap& keyPicture(const QString& key) const;

 private:
  void ShowKey(const QString& key);

  SchemaPage* form_;
  QLabel* picture_;
  QPixmap tk_, sk1_, sk2_;
  QString shownKey_;
};

}  // namespace cps
