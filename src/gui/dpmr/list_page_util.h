#pragma once
// Small helpers the dPMR list pages share.
#include <QPushButton>
#include <QString>
#include <string>

namespace cps::dpmr_gui {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return s.toStdString(); }

// A page button: never a default button, so Enter does not press it.
inline QPushButton* PageButton(const QString& text, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setAutoDefault(false);
  b->setDefault(false);
  return b;
}

// The printable ASCII characters, the ones names and texts may hold.
QString PrintableChars();

}  // namespace cps::dpmr_gui
