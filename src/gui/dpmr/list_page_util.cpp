#include "gui/dpmr/list_page_util.h"

namespace cps::dpmr_gui {

QString PrintableChars() {
  QString s;
  for (char c = 0x20; c < 0x7F; ++c) s += QChar(c);
  return s;
}

}  // namespace cps::dpmr_gui
