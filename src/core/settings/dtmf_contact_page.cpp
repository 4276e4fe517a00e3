// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/settings/dtmf_contact_page.h"

#include "core/base/texts.h"
#include "core/schema/builders.h"

namespace cps {

namespace {

PageSchema Build() {
  PageSchema p;
  p.key = "dtmf_contact";
  p.title = QT_TRANSLATE_NOOP("CoreText", "Contact");
  for (int n = 1; n <= kDtmfContactCount; ++n)
    p.fields.push_back(DigitCodes(std::to_string(n), "Code " + std::to_string(n),
                                  0x2060 + 16 * static_cast<std::size_t>(n - 1), 16));
  return p;
}

}  // namespace

const PageSchema& DtmfContactPageSchema() {
  static const PageSchema page = Build();
  return page;
}

}  // namespace cps
