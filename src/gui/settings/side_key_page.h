// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Side Key" page: the schema page of the key boxes with a picture of the
// radio beside it. The picture shows the key whose box has the focus: the
// files "TK.bmp", "SK1.bmp", "SK2.bmp" of the picture folder, or the
// built-in drawings when a file is missing or unreadable (vector drawings,
// made for the screen's density).
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
  // The picture of "TK", "SK1" or "SK2", for the density last shown at.
  const QPixmap& keyPicture(const QString& key) const;
  // Whether it is the built-in drawing (no file of the folder).
  bool builtInPicture(const QString& key) const;
  // The built-in drawing of `key` for a screen of density `ratio`: drawn
  // at ratio × 150×300 pixels on a transparent background.
  static QPixmap BuiltInPicture(const QString& key, qreal ratio);

 private:
  void ShowKey(const QString& key);
  void LoadPictures(qreal ratio);

  SchemaPage* form_;
  QLabel* picture_;
  QString bitmapDirectory_;
  QPixmap tk_, sk1_, sk2_;
  bool builtIn_[3] = {false, false, false};  // TK, SK1, SK2
  qreal ratio_ = 1.0;
  QString shownKey_;
};

}  // namespace cps
