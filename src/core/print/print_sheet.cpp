// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/print/print_sheet.h"

#include <algorithm>

#include "core/channels/channel_editor.h"
#include "core/channels/channel_table.h"
#include "core/dpmr/contacts.h"
#include "core/dpmr/dpmr_basic_page.h"
#include "core/dpmr/group_lists.h"
#include "core/image/contact_repair.h"
#include "core/schema/schema.h"

namespace cps {

namespace {

constexpr const char* kNumberTitle = "No.";

std::string OnOff(bool on) { return on ? "On" : "Off"; }

// "Call: Name 1", "Msg: Name 1, Msg no. 3", or "Off".
std::string CallText(const ChannelEditState& s, EditList type, EditList contact, EditList message) {
  const auto& t = s.list(type);
  if (t.index <= 0) return t.text();
  std::string text = t.text() + ": " + s.list(contact).text();
  if (s.list(message).index > 0)
    text += std::string(", ") + EditListCaption(message) + " " + s.list(message).text();
  return text;
}

SheetTable ChannelTableSection(const ChannelTable& table) {
  SheetTable t;
  t.title = "Channels";
  for (int c = kColNumber; c <= kColType; ++c) {
    const auto& info = ChannelColumnInfos()[static_cast<std::size_t>(c)];
    t.columns.push_back(c == kColNumber ? kNumberTitle : info.title);
    t.widths.push_back(info.twips);
  }
  for (int n = 1; n <= kChannelCount; ++n) {
    std::vector<std::string> row;
    for (int c = kColNumber; c <= kColType; ++c) row.push_back(table.Cell(n, c));
    t.rows.push_back(std::move(row));
  }
  return t;
}

void ChannelDetailSections(const RadioImage& image, const ChannelTable& table, PrintSheet& sheet) {
  using L = EditList;
  using C = EditCheck;
  SheetTable digit;
  digit.title = "Channel details: Digit";
  digit.columns = {kNumberTitle,
                   EditListCaption(L::kChannelType),
                   EditListCaption(L::kRxColorCode),
                   EditListCaption(L::kTxColorCode),
                   EditListCaption(L::kTxContact),
                   EditListCaption(L::kEncryptKey),
                   EditListCaption(L::kGroupRxList),
                   kCallCaptions[0],
                   kCallCaptions[1]};
  digit.widths = {5, 12, 9, 9, 13, 9, 10, 17, 17};
  SheetTable analog;
  analog.title = "Channel details: Analog and options";
  analog.columns = {kNumberTitle,
                    EditCheckCaption(C::kReverse),
                    EditCheckCaption(C::kTalkAround),
                    EditListCaption(L::kBusy),
                    EditListCaption(L::kSignalType),
                    EditCheckCaption(C::kPttId),
                    EditListCaption(L::kAnalogCall1),
                    EditListCaption(L::kAnalogCall2)};
  analog.widths = {5, 10, 12, 11, 11, 9, 12, 12};

  RadioImage copy = image;  // the editor's model wants an image it may write
  ChannelEditor editor(copy, table.base(), table.band());
  for (int n = 1; n <= kChannelCount; ++n) {
    if (table.RowEmpty(n)) continue;
    editor.Open(n);
    const ChannelEditState& s = editor.state();
    const std::string no = std::to_string(n);
    digit.rows.push_back({no, s.list(L::kChannelType).text(), s.list(L::kRxColorCode).text(),
                          s.list(L::kTxColorCode).text(), s.list(L::kTxContact).text(),
                          s.list(L::kEncryptKey).text(), s.list(L::kGroupRxList).text(),
                          CallText(s, L::kCall1Type, L::kCall1Contact, L::kCall1Message),
                          CallText(s, L::kCall2Type, L::kCall2Contact, L::kCall2Message)});
    analog.rows.push_back({no, OnOff(s.check(C::kReverse)), OnOff(s.check(C::kTalkAround)), s.list(L::kBusy).text(),
                           s.list(L::kSignalType).text(), OnOff(s.check(C::kPttId)), s.list(L::kAnalogCall1).text(),
                           s.list(L::kAnalogCall2).text()});
  }
  sheet.tables.push_back(std::move(digit));
  sheet.tables.push_back(std::move(analog));
}

SheetTable RadioSection(const RadioImage& image) {
  SheetTable t;
  t.title = "Radio";
  t.columns = {"", ""};
  t.widths = {1, 2};
  const PageSchema& page = DpmrBasicPageSchema();
  const PageValues values = LoadPage(page, image);
  for (const char* key : {"radio_name", "radio_id"}) {
    const int i = values.IndexOf(key);
    t.rows.push_back({page.fields[static_cast<std::size_t>(i)].label, DisplayText(values, i)});
  }
  return t;
}

SheetTable ContactSection(const RadioImage& image) {
  SheetTable t;
  t.title = "Contacts";
  t.columns = {kNumberTitle, dpmr::kContactNameTitle, dpmr::kContactNumberTitle, dpmr::kContactTypeTitle};
  t.widths = {1, 3, 3, 3};
  dpmr::ContactList contacts;
  contacts.Load(image);
  for (int r = 0; r < contacts.Count(); ++r) {
    const dpmr::Contact& c = contacts.At(r);
    t.rows.push_back({std::to_string(r + 1), c.name, c.number, dpmr::ContactList::TypeText(c.group)});
  }
  return t;
}

SheetTable GroupListSection(const RadioImage& image) {
  SheetTable t;
  t.title = "Group rx lists";
  t.columns = {"", "Members"};
  t.widths = {1, 3};
  for (int k : ReadChannelEditLists(image).groupLists) {
    std::string members;
    for (int slot : dpmr::GroupListMembers(image, k))
      members += (members.empty() ? "" : ", ") + ContactName(image, slot);
    t.rows.push_back({dpmr::GroupListTitle(k), members});
  }
  return t;
}

}  // namespace

PrintSheet BuildPrintSheet(const RadioImage& image, const SheetHeading& heading) {
  ChannelTable table;
  table.Load(image);
  PrintSheet sheet;
  sheet.heading = {{"Model", heading.model},
                   {"File", heading.fileName},
                   {"Date", heading.date},
                   {"Band", BandItems()[static_cast<std::size_t>(table.bandIndex())]}};
  sheet.tables.push_back(ChannelTableSection(table));
  ChannelDetailSections(image, table, sheet);
  sheet.tables.push_back(RadioSection(image));
  sheet.tables.push_back(ContactSection(image));
  sheet.tables.push_back(GroupListSection(image));
  // A part the image has nothing for (no channel in use, no group list) is
  // left out.
  std::erase_if(sheet.tables, [](const SheetTable& t) { return t.rows.empty(); });
  return sheet;
}

std::vector<std::vector<PlacedPart>> PaginateTables(const std::vector<TableHeights>& tables, double pageHeight,
                                                    double headingHeight, double gap) {
  std::vector<std::vector<PlacedPart>> pages(1);
  double y = headingHeight;
  auto newPage = [&] {
    pages.emplace_back();
    y = 0;
  };
  auto place = [&](int table, SheetPart part, int row, double height) {
    pages.back().push_back({table, part, row, y});
    y += height;
  };
  for (int ti = 0; ti < static_cast<int>(tables.size()); ++ti) {
    const TableHeights& t = tables[static_cast<std::size_t>(ti)];
    if (ti > 0 && y > 0) y += gap;
    // Title, column titles and the first row together.
    const double lead = t.title + t.header + (t.rows.empty() ? 0 : t.rows.front());
    if (y > 0 && y + lead > pageHeight) newPage();
    place(ti, SheetPart::kTitle, -1, t.title);
    place(ti, SheetPart::kHeader, -1, t.header);
    int rowsOnPage = 0;
    for (int r = 0; r < static_cast<int>(t.rows.size()); ++r) {
      const double h = t.rows[static_cast<std::size_t>(r)];
      if (rowsOnPage > 0 && y + h > pageHeight) {
        newPage();
        place(ti, SheetPart::kHeader, -1, t.header);
        rowsOnPage = 0;
      }
      place(ti, SheetPart::kRow, r, h);
      ++rowsOnPage;
    }
  }
  return pages;
}

std::string PageNumberText(int page, int pages) { return std::to_string(page) + " / " + std::to_string(pages); }

}  // namespace cps
