// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A page that a settings dialog hosts: it copies its fields from the image
// into its controls and back. Schema pages (schema_page.h) and hand-made
// pages (grids, lists) both derive from it, so one tab host serves them all.
#include <QWidget>

namespace cps {

class TabPage : public QWidget {
  Q_OBJECT
 public:
  using QWidget::QWidget;
  virtual void LoadFromImage() = 0;
  virtual void SaveToImage() = 0;
};

}  // namespace cps
