// SPDX-License-Identifier: GPL-3.0-or-later
// dpmr-cli set and the window must save the same bytes: on seeded random
// images, one field is edited through the window (File, Open, the edit in
// its editor, File, Save) and through "dpmr-cli set" (run in-process), and
// the two saved files are compared byte for byte.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <iostream>
#include <random>
#include <sstream>

#include "cli/cli.h"
#include "core/channels/channel_table.h"
#include "core/codec/tone.h"
#include "core/image/image_file.h"
#include "core/image/new_image.h"
#include "gui/app/main_window.h"
#include "gui/channels/channel_form.h"
#include "gui/channels/channel_table_view.h"
#include "gui/dpmr/dpmr_param_dialog.h"
#include "gui/settings/schema_page.h"
#include "gui/settings/settings_dialogs.h"

namespace cps {
namespace {

constexpr int kSamples = 1000;

using Rng = std::mt19937;

int Pick(Rng& rng, int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); }

// Half the images are wholly random bytes; the other half a new image with
// a few hundred random bytes, so that the editors' fields mostly make sense.
RadioImage RandomImage(Rng& rng) {
  RadioImage img = NewImage("");
  if (Pick(rng, 2) == 0) {
    for (std::size_t a = 0; a < kImageSize; ++a) img.SetByte(a, static_cast<std::uint8_t>(Pick(rng, 256)));
  } else {
    for (int i = 0; i < 300; ++i)
      img.SetByte(static_cast<std::size_t>(Pick(rng, kImageSize)), static_cast<std::uint8_t>(Pick(rng, 256)));
  }
  return img;
}

std::string RandomFrequency(Rng& rng) {
  switch (Pick(rng, 6)) {
    case 0: return "0";
    case 1: return std::to_string(100 + Pick(rng, 500));
    default: return std::to_string(130 + Pick(rng, 350)) + "." + std::to_string(Pick(rng, 100000));
  }
}

std::string RandomTone(Rng& rng) {
  switch (Pick(rng, 4)) {
    case 0: return "None";
    default: {
      // A list entry, DCS codes also as typed short ("23n").
      std::string tone = ToneList()[static_cast<std::size_t>(Pick(rng, static_cast<int>(ToneList().size())))];
      if (tone[0] == 'D' && Pick(rng, 2))
        tone = std::to_string(std::stoi(tone.substr(1, 3))) + (tone[4] == 'N' ? "n" : "i");
      return tone;
    }
  }
}

// Text a user could type into an edit of `field`.
std::string RandomTyping(Rng& rng, const Field& field) {
  const std::string chars = field.allowedChars.empty() ? "0123456789ABCZ" : field.allowedChars;
  const int most = field.maxLength > 0 ? field.maxLength : 8;
  std::string text;
  const int n = 1 + Pick(rng, most);
  for (int i = 0; i < n; ++i) text += chars[static_cast<std::size_t>(Pick(rng, static_cast<int>(chars.size())))];
  return text;
}

// Picks a visible, enabled field of `page`, gives it a random value as a
// user would, and returns "page.field=value" for dpmr-cli set.
std::string EditRandomField(Rng& rng, SchemaPage* page) {
  const PageSchema& schema = page->schema();
  std::vector<const Field*> editable;
  for (const Field& f : schema.fields) {
    QWidget* w = page->control(QString::fromStdString(f.key));
    if (w && w->isEnabled()) editable.push_back(&f);
  }
  const Field& f = *editable[static_cast<std::size_t>(Pick(rng, static_cast<int>(editable.size())))];
  QWidget* w = page->control(QString::fromStdString(f.key));
  std::string value;
  switch (f.kind) {
    case ControlKind::Combo: {
      auto* box = static_cast<QComboBox*>(w);
      if (box->count() == 0) return {};
      // The first item with the text, as dpmr-cli looks it up.
      const QString text = box->itemText(Pick(rng, box->count()));
      int index = 0;
      while (box->itemText(index).compare(text, Qt::CaseInsensitive) != 0) ++index;
      box->setCurrentIndex(index);
      value = text.toStdString();
      break;
    }
    case ControlKind::Check: {
      const bool on = Pick(rng, 2) == 1;
      static_cast<QCheckBox*>(w)->setChecked(on);
      value = on ? "on" : "off";
      break;
    }
    default: {
      value = RandomTyping(rng, f);
      QLineEdit* edit = page->lineEdit(QString::fromStdString(f.key));
      edit->setText(QString::fromStdString(value));
      QFocusEvent leave(QEvent::FocusOut);
      QApplication::sendEvent(edit, &leave);
    }
  }
  return schema.key + "." + f.key + "=" + value;
}

// Runs `act` on the dialog the next call opens.
void OnDialog(const std::function<void(QWidget*)>& act) {
  QTimer::singleShot(0, [act] {
    QWidget* w = QApplication::activeModalWidget();
    ASSERT_NE(w, nullptr);
    act(w);
    static_cast<QDialog*>(w)->done(0);
  });
}

// The window's edit of a random field; returns the same edit for dpmr-cli.
std::string EditInWindow(Rng& rng, CMainFrame& window) {
  std::string assignment;
  const int kind = Pick(rng, 8);
  if (kind < 3) {
    // A cell of the channel table, as its editor commits it.
    ChannelTableView* view = window.findChild<ChannelForm*>("channelForm")->view();
    const int row = 1 + Pick(rng, kChannelCount);
    int column = kColRxFreq + Pick(rng, kColType);
    if (view->table().RowEmpty(row)) column = kColRxFreq;
    static const char* const kKeys[] = {"",        "rx_freq", "tx_freq", "rx_tone", "tx_tone",
                                        "power",   "scan",    "bandwidth", "type"};
    std::string value;
    if (column <= kColTxFreq) {
      value = RandomFrequency(rng);
    } else if (column <= kColTxTone) {
      value = RandomTone(rng);
    } else {
      const auto& items = ChannelChoiceItems(column);
      value = items[static_cast<std::size_t>(Pick(rng, static_cast<int>(items.size())))];
    }
    view->model()->setData(view->model()->index(row - 1, column), QString::fromStdString(value));
    return "channel." + std::to_string(row) + "." + kKeys[column] + "=" + value;
  }
  // A field of a settings dialog or of the dPMR Basic page, through the
  // menu command that opens it.
  std::function<void()> open;
  std::function<SchemaPage*(QWidget*)> pageOf;
  switch (kind) {
    case 3: {
      const int tab = Pick(rng, 2) * 2;  // Option or Tone and Light
      open = [&] { window.OnBasicSetting(); };
      pageOf = [tab](QWidget* d) {
        auto* dlg = static_cast<CBasicSettingDlg*>(d);
        dlg->tabs()->setCurrentIndex(tab);
        return tab == 0 ? dlg->optionPage() : dlg->toneLightPage();
      };
      break;
    }
    case 4:
      open = [&] { window.OnScanInfo(); };
      pageOf = [](QWidget* d) { return static_cast<CScanInfoDlg*>(d)->form(); };
      break;
    case 5:
      open = [&] { window.OnAlarm(); };
      pageOf = [](QWidget* d) { return static_cast<CAlarmDlg*>(d)->form(); };
      break;
    case 6: {
      const int tab = Pick(rng, 2);
      open = [&] { window.OnDtmf(); };
      pageOf = [tab](QWidget* d) {
        auto* dlg = static_cast<CDtmfDlg*>(d);
        dlg->tabs()->setCurrentIndex(tab);
        return tab == 0 ? dlg->encodePage() : dlg->decodePage();
      };
      break;
    }
    default:
      open = [&] { window.OnDpmr(); };
      pageOf = [](QWidget* d) { return static_cast<CDpmrParamDlg*>(d)->basicPage(); };
  }
  OnDialog([&](QWidget* d) { assignment = EditRandomField(rng, pageOf(d)); });
  open();
  return assignment;
}

int RunCliVerb(const std::vector<std::string>& argv) { return cli::RunVerb(argv); }

TEST(FrontEndParity, SetSavesWhatTheWindowSavesAfterTheSameEdit) {
  // Three saves per sample: in memory where the system has a folder there.
  const QString folder = QDir("/dev/shm").exists() ? "/dev/shm" : QDir::tempPath();
  QTemporaryDir dir(folder + "/dpmr-parity-XXXXXX");
  ASSERT_TRUE(dir.isValid());
  const std::string original = dir.filePath("a.dat").toStdString();
  const QString byWindow = dir.filePath("window.dat");
  const std::string byCli = dir.filePath("cli.dat").toStdString();
  CMainFrame window(AppSettings::Load(dir.path().toStdString()));

  // dpmr-cli's notes on stderr are not wanted here.
  std::ostringstream quiet;
  struct Restore {
    std::streambuf* buf;
    ~Restore() { std::cerr.rdbuf(buf); }
  } restore{std::cerr.rdbuf(quiet.rdbuf())};
  Rng rng(20261207);
  int compared = 0;
  for (int sample = 0; sample < kSamples; ++sample) {
    ASSERT_TRUE(SaveImageFile(original, RandomImage(rng)));
    ASSERT_TRUE(window.OpenDocument(QString::fromStdString(original)));
    const std::string assignment = EditInWindow(rng, window);
    if (assignment.empty()) continue;
    ASSERT_TRUE(window.SaveDocument(byWindow));
    std::remove(byCli.c_str());
    ASSERT_EQ(RunCliVerb({"set", original, assignment, "-o", byCli}), 0) << assignment << "\n" << quiet.str();
    RadioImage a, b;
    ASSERT_TRUE(LoadImageFile(byWindow.toStdString(), a));
    ASSERT_TRUE(LoadImageFile(byCli, b));
    std::size_t first = 0;
    while (first < kImageSize && a.Byte(first) == b.Byte(first)) ++first;
    ASSERT_EQ(first, kImageSize) << "sample " << sample << ", " << assignment << ": first difference at 0x" << std::hex
                                 << first << " (window " << int(a.Byte(first)) << ", dpmr-cli " << int(b.Byte(first))
                                 << ")";
    ++compared;
  }
  EXPECT_GE(compared, kSamples * 9 / 10);
}

}  // namespace
}  // namespace cps
