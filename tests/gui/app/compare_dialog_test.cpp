// SPDX-License-Identifier: GPL-3.0-or-later
// File, "Compare with file...": the same rows as "dpmr-cli diff" of the same
// two files, columns that fit the window, and sections that keep a large
// comparison readable.
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <iostream>
#include <random>
#include <sstream>

#include "cli/cli.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "core/interop/key_space.h"
#include "gui/app/compare_dialog.h"
#include "gui/app/main_window.h"

namespace cps {
namespace {

struct CliRun {
  int code;
  std::string out, err;
};

// dpmr-cli VERB ARGS..., run in-process.
CliRun RunCliInProcess(const std::vector<std::string>& argv) {
  std::ostringstream out, err;
  std::streambuf* oldOut = std::cout.rdbuf(out.rdbuf());
  std::streambuf* oldErr = std::cerr.rdbuf(err.rdbuf());
  const int code = cli::RunVerb(argv);
  std::cout.rdbuf(oldOut);
  std::cerr.rdbuf(oldErr);
  return {code, out.str(), err.str()};
}

// The dialog's rows written as dpmr-cli diff prints them.
std::string AsText(const CompareDialog& d) {
  std::string out;
  QTreeWidget* tree = d.tree();
  for (int s = 0; s < tree->topLevelItemCount(); ++s) {
    const QTreeWidgetItem* head = tree->topLevelItem(s);
    out += head->text(0).toStdString() + "\n";
    for (int r = 0; r < head->childCount(); ++r) {
      const QTreeWidgetItem* row = head->child(r);
      out += "  " + row->text(0).toStdString() + ": " + row->text(2).toStdString() + " -> " +
             row->text(3).toStdString() + "\n";
    }
  }
  return tree->topLevelItemCount() == 0 ? out : out + d.summary()->text().toStdString() + "\n";
}

// The columns take the tree's width and no more.
void ExpectColumnsFit(CompareDialog& d, int width) {
  d.resize(width, 420);
  QApplication::processEvents();
  QHeaderView* header = d.tree()->header();
  EXPECT_LE(header->length(), d.tree()->viewport()->width()) << width;
  EXPECT_GE(header->length(), d.tree()->viewport()->width() - 2) << width;
  EXPECT_EQ(d.tree()->horizontalScrollBar()->maximum(), 0) << width;
  EXPECT_GT(header->sectionSize(2), 40) << width;
}

TEST(CompareDialog, ShowsTheRowsOfDiffForTheSameFilesAndFitsTheWindow) {
  QTemporaryDir dir;
  const std::string appDir = dir.path().toStdString();
  const std::string a = dir.filePath("a.dat").toStdString();
  RadioImage image = NewImage("");
  ASSERT_TRUE(SetKeys(image, {{"contact.count", "3"}, {"contact.2.name", "Base"}, {"contact.3.name", "Car"}}));
  ASSERT_TRUE(SetKeys(image, {{"channel.3.rx_freq", "446.00625"}, {"channel.3.tx_contact", "Base"}}));
  ASSERT_TRUE(SetKeys(image, {{"outbox.1", std::string(60, 'x') + " " + std::string(50, 'y')}}));
  ASSERT_TRUE(SaveImageFile(a, image));
  CMainFrame w(AppSettings::Load(appDir));
  ASSERT_TRUE(w.OpenDocument(dir.filePath("a.dat")));

  // Files the repair of File, Open changes, one twice the size of an image.
  std::mt19937 rng(21);
  for (int sample = 0; sample < 4; ++sample) {
    RadioImage other = image;
    for (int i = 0; i < 120; ++i) other.SetByte(rng() % 0x2400, static_cast<std::uint8_t>(rng()));
    const QString path = dir.filePath(QString("b%1.dat").arg(sample));
    ASSERT_TRUE(SaveImageFile(path.toStdString(), other));
    if (sample == 3) {
      QFile f(path);
      ASSERT_TRUE(f.open(QIODevice::Append));
      f.write(QByteArray(16384, '\xFF'));
    }
    const CliRun cli = RunCliInProcess({"diff", a, path.toStdString(), "--app-dir", appDir});
    ASSERT_EQ(cli.code, 1) << cli.err;

    CompareDialog* d = w.CompareWith(path);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(AsText(*d), cli.out) << sample;
    // What the window notes about the file, the command line notes too.
    const QString notes = d->notes()->text();
    ASSERT_FALSE(notes.isEmpty()) << sample;
    for (const QString& n : notes.split('\n'))
      EXPECT_NE(cli.err.find("dpmr-cli: note: " + n.toStdString() + "\n"), std::string::npos) << n.toStdString();
    if (sample == 3) {
      EXPECT_EQ(d->tree()->topLevelItem(0)->text(0), "File: 1 difference");
    }

    d->show();
    for (int width : {520, 900, 1400}) ExpectColumnsFit(*d, width);
    d->close();
  }

  // A long value is cut short on screen and whole in its tool tip.
  RadioImage other = image;
  ASSERT_TRUE(SetKeys(other, {{"outbox.1", "short"}}));
  CompareDialog d({Document::OpenedForm(image)}, "This image", {Document::OpenedForm(other)}, "b.dat");
  ASSERT_EQ(d.tree()->topLevelItemCount(), 1);
  const QTreeWidgetItem* row = d.tree()->topLevelItem(0)->child(0);
  const QString full = "\"" + QString(60, 'x') + " " + QString(50, 'y') + "\"";
  EXPECT_EQ(row->text(2), full);
  EXPECT_EQ(row->toolTip(2), "\"" + QString(60, 'x') + "\n" + QString(50, 'y') + "\"");
  EXPECT_EQ(row->text(1), "Outbox message 1: Content");
  d.show();
  ExpectColumnsFit(d, 520);
  EXPECT_LT(d.tree()->header()->sectionSize(2), d.fontMetrics().horizontalAdvance(full));
}

TEST(CompareDialog, AFullImageAgainstANearlyEmptyOneIsFoldedIntoSections) {
  RadioImage full = NewImage("");
  ASSERT_TRUE(SetKeys(full, {{"contact.count", "64"}}));
  for (int c = 1; c <= 16; ++c)
    ASSERT_TRUE(SetKeys(full, {{"channel." + std::to_string(c) + ".rx_freq", "446.1"}, {"outbox." + std::to_string(c), "Hello"}}));
  CompareDialog d({NewImage("")}, "Radio", {full}, "full.dat");
  QTreeWidget* tree = d.tree();
  int rows = 0;
  for (int s = 0; s < tree->topLevelItemCount(); ++s) {
    const QTreeWidgetItem* head = tree->topLevelItem(s);
    rows += head->childCount();
    EXPECT_TRUE(head->text(0).endsWith(QString(": %1 difference%2").arg(head->childCount()).arg(head->childCount() == 1 ? "" : "s")))
        << head->text(0).toStdString();
    EXPECT_FALSE(head->isExpanded()) << head->text(0).toStdString();
  }
  EXPECT_GT(rows, 500);
  EXPECT_LT(tree->topLevelItemCount(), 100);
  EXPECT_EQ(tree->topLevelItem(0)->text(0), "Channel 1: 33 differences");
  EXPECT_EQ(d.summary()->text(), QString("%1 differences in %2 sections").arg(rows).arg(tree->topLevelItemCount()));
  EXPECT_EQ(d.windowTitle(), "Compare with full.dat");
  EXPECT_EQ(tree->headerItem()->text(2), "Radio");
}

}  // namespace
}  // namespace cps
