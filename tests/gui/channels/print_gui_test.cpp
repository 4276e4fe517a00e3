// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAction>
#include <QFile>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

#include "core/channels/channel_editor.h"
#include "core/channels/channel_table.h"
#include "core/dpmr/contacts.h"
#include "core/image/new_image.h"
#include "gui/app/main_window.h"
#include "gui/channels/channel_form.h"
#include "gui/channels/channel_print.h"
#include "gui/channels/channel_table_view.h"
#include "gui_test_util.h"

namespace cps {
namespace {

// 16 channels and 64 contacts: more than one page of A5.
RadioImage FullImage() {
  RadioImage img = NewImage("");
  ChannelEditor ed(img, kMainChannelBase, kBandUhf);
  for (int n = 1; n <= 16; ++n) {
    ed.Open(n);
    ed.state().rx = "43" + std::to_string(n % 10) + ".5";
    ed.LeaveRx();
    ed.Close();
  }
  dpmr::ContactList contacts;
  contacts.Load(img);
  while (contacts.Add(img)) {
  }
  contacts.Store(img);
  return img;
}

TEST(PrintSheetGui, PagesKeepRowsWholeAndNumberThemselves) {
  const PrintSheet sheet = BuildPrintSheet(FullImage(), {"KD-4173", "radio.dat", "2026-12-07"});
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("sheet.pdf"));
  printer.setPageSize(QPageSize(QPageSize::A5));
  const SheetLayout layout = LayOutSheet(sheet, printer, printer.width(), printer.height());
  const int pages = static_cast<int>(layout.pages.size());
  ASSERT_GE(pages, 3);

  std::map<std::pair<int, int>, int> placed;  // (table, row) -> times
  for (int p = 0; p < pages; ++p) {
    for (const PlacedPart& part : layout.pages[static_cast<std::size_t>(p)]) {
      if (part.part != SheetPart::kRow) continue;
      ++placed[{part.table, part.row}];
      const double h = layout.tables[static_cast<std::size_t>(part.table)].rowHeights[static_cast<std::size_t>(part.row)];
      EXPECT_LE(part.top + h, layout.bodyHeight + 1e-6) << "page " << p << " table " << part.table;
      EXPECT_GE(part.top, p == 0 ? layout.headingHeight : 0.0);
    }
  }
  std::size_t rows = 0;
  for (const SheetTable& t : sheet.tables) rows += t.rows.size();
  EXPECT_EQ(placed.size(), rows);
  for (const auto& [where, times] : placed) EXPECT_EQ(times, 1);
  ASSERT_EQ(static_cast<int>(layout.footers.size()), pages);
  EXPECT_EQ(layout.footers.front(), QString("1 / %1").arg(pages));
  EXPECT_EQ(layout.footers.back(), QString("%1 / %1").arg(pages));

  // The PDF gets exactly those pages.
  PrintRadioSheet(printer, sheet);
  QFile pdf(dir.filePath("sheet.pdf"));
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  const QByteArray bytes = pdf.readAll();
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), pages);
}

TEST(PrintSheetGui, PreviewShowsTheTableAsItWouldBeSaved) {
  QTemporaryDir dir;
  CMainFrame w(AppSettings::Load(dir.path().toStdString() + "/"));
  w.NewDocument();
  w.show();
  auto* form = w.findChild<ChannelForm*>();
  ASSERT_NE(form, nullptr);
  // A receive frequency typed into the table, not yet written back.
  form->view()->table().CommitFrequency(w.image(), 3, kColRxFreq, "438.5");
  const PrintSheet sheet = w.SheetToPrint();
  ASSERT_GE(sheet.tables.size(), 2u);
  EXPECT_EQ(sheet.tables[0].rows[2][kColRxFreq], "438.500000");
  EXPECT_EQ(sheet.tables[1].title, "Channel details: Digit");
  EXPECT_EQ(sheet.tables[1].rows.at(0).at(0), "3");
  EXPECT_TRUE(w.image().FrequencyEmpty(0x0100 + 2 * 32));  // the document itself is untouched

  int shownPages = -1;
  testing::OnNextModal([&](QWidget* modal) {
    if (auto* preview = modal->findChild<QPrintPreviewWidget*>()) shownPages = preview->pageCount();
    modal->close();
  });
  w.findChild<QAction*>("actionPrintPreview")->trigger();
  EXPECT_GE(shownPages, 1);
}

}  // namespace
}  // namespace cps
