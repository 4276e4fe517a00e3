// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/language.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTranslator>
#include <gtest/gtest.h>

#include "core/dpmr/dpmr_basic_page.h"
#include "core/factory/factory_pages.h"
#include "core/image/new_image.h"
#include "core/settings/alarm_page.h"
#include "core/settings/option_page.h"
#include "core/settings/settings_pages.h"
#include "gui/app/main_window.h"
#include "gui/settings/schema_page.h"
#include "gui/widgets/editable_grid.h"
#include "gui_test_util.h"

namespace cps {
namespace {

using cps::testing::AnswerNextMessageBox;

// The window as `dpmr-cps --language CODE` starts it, with the user's data
// folder (their catalogues) and settings in temporary folders. Every test
// ends with the built-in texts, as the other tests of this program expect.
class LanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(data_.isValid());
    ASSERT_TRUE(app_.isValid());
    oldDataHome_ = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", data_.path().toUtf8());
    StoreLanguage({});
  }
  void TearDown() override {
    EXPECT_TRUE(InstallLanguage({}).ok());
    StoreLanguage({});
    qputenv("XDG_DATA_HOME", oldDataHome_);
  }
  static QStringList MenuTitles(const CMainFrame& w) {
    QStringList out;
    for (QAction* a : w.menuBar()->actions()) out << a->text();
    return out;
  }
  static QMenu* LanguageMenu(QWidget& w) { return w.findChild<QMenu*>("menuLanguage"); }
  // Puts a catalogue into the user's folder: a copy of a built-in one.
  QString AddUserCatalogue(const QString& fileName, const QString& from = ":/i18n/dpmr-cps_de.qm") {
    QDir().mkpath(UserCatalogueFolder());
    const QString path = UserCatalogueFolder() + "/" + fileName;
    EXPECT_TRUE(QFile::copy(from, path)) << path.toStdString();
    return path;
  }
  AppSettings Settings() const { return AppSettings::Load(app_.path().toStdString()); }

  QTemporaryDir data_;
  QTemporaryDir app_;
  QByteArray oldDataHome_;
};

TEST_F(LanguageTest, BuiltInCataloguesAreListedByTheirOwnNames) {
  EXPECT_EQ(CatalogueCodes(AvailableCatalogues()), (QStringList{"de", "en", "zh_CN"}));
  for (const Catalogue& c : AvailableCatalogues()) EXPECT_TRUE(c.path.startsWith(":/i18n/")) << c.path.toStdString();
  EXPECT_EQ(LanguageDisplayName("de"), "Deutsch");
  EXPECT_EQ(LanguageDisplayName("en"), "English");
  EXPECT_TRUE(LanguageDisplayName("zh_CN").contains(QString::fromUtf8("中文"))) << LanguageDisplayName("zh_CN").toStdString();
  EXPECT_EQ(LanguageDisplayName("xx").toStdString(), "xx") << "a code Qt does not know is shown as it is";
  EXPECT_EQ(LanguageChoiceText("de", "de").toStdString(), "Deutsch (system language)");
  EXPECT_EQ(LanguageChoiceText("de", "en").toStdString(), "Deutsch");
  EXPECT_EQ(LanguageChoiceText("en", "").toStdString(), "English");
}

TEST_F(LanguageTest, StartsInGermanForOneRun) {
  const QString de = "de";
  ASSERT_TRUE(ApplyStartupLanguage(&de).ok());
  EXPECT_EQ(InstalledLanguage(), "de");
  EXPECT_EQ(StoredLanguage(), "") << "--language is for one run: nothing is kept";

  CMainFrame w(Settings());
  w.NewDocument();
  const QStringList menus = MenuTitles(w);
  ASSERT_EQ(menus.size(), 6);
  const char* unfilled = " (the German catalogue translations/dpmr-cps_de.ts lacks the finished entry)";
  EXPECT_EQ(menus[0].toStdString(), "&Datei") << unfilled;
  EXPECT_EQ(menus[3].toStdString(), "&Ansicht") << unfilled;
  EXPECT_EQ(menus[5].toStdString(), "&Hilfe") << unfilled;

  // View > Language in German; choosing a language keeps it and says in
  // German that it applies at the next start.
  QMenu* language = LanguageMenu(w);
  ASSERT_NE(language, nullptr);
  EXPECT_EQ(language->title().toStdString(), "&Sprache");
  EXPECT_EQ(language->actions().first()->text().toStdString(), "Eingebaute Texte");
  QAction* english = w.findChild<QAction*>("actionLanguage_en");
  ASSERT_NE(english, nullptr);
  QString message;
  AnswerNextMessageBox(QMessageBox::Ok, &message);
  english->trigger();
  EXPECT_EQ(message.toStdString(), "Die Sprache gilt ab dem nächsten Start von dpmr-cps.");
  EXPECT_EQ(StoredLanguage(), "en");
  EXPECT_EQ(InstalledLanguage(), "de") << "the running window keeps its language";
}

TEST_F(LanguageTest, QtsOwnCatalogueFollows) {
  if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
    GTEST_SKIP() << "Qt's German catalogue is not installed (qt6-translations-l10n)";
  const QString de = "de";
  ASSERT_TRUE(ApplyStartupLanguage(&de).ok());
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
  ASSERT_TRUE(InstallLanguage({}).ok());
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Cancel");
}

TEST_F(LanguageTest, BuiltInTextsAreTheDefaultAndAChoice) {
  ASSERT_TRUE(ApplyStartupLanguage(nullptr).ok());
  EXPECT_EQ(InstalledLanguage(), "");
  EXPECT_EQ(QCoreApplication::translate("Language", "Language"), "Language");
  for (const QString given : {"builtin", "built-in", "BUILTIN"}) {
    const QString de = "de";
    ASSERT_TRUE(ApplyStartupLanguage(&de).ok());
    ASSERT_TRUE(ApplyStartupLanguage(&given).ok()) << given.toStdString();
    EXPECT_EQ(InstalledLanguage(), "") << given.toStdString();
    EXPECT_EQ(QCoreApplication::translate("Language", "Language"), "Language") << given.toStdString();
  }
}

TEST_F(LanguageTest, UnknownLanguageNamesTheChoicesAndLoadsNothing) {
  const QString fr = "fr";
  const Status st = ApplyStartupLanguage(&fr);
  ASSERT_FALSE(st.ok());
  EXPECT_EQ(st.error(), "unknown language \"fr\" (choose one of: builtin, de, en, zh_CN)");
  EXPECT_EQ(InstalledLanguage(), "");
}

TEST_F(LanguageTest, StoredChoiceAppliesAtStartAndAMissingOneIsNoted) {
  StoreLanguage("zh_CN");
  QStringList notes;
  ASSERT_TRUE(ApplyStartupLanguage(nullptr, &notes).ok());
  EXPECT_EQ(InstalledLanguage(), "zh_CN");
  EXPECT_TRUE(notes.isEmpty());
  EXPECT_EQ(QCoreApplication::translate("Language", "Language"), QString::fromUtf8("语言"));

  StoreLanguage("pt_BR");  // a user's catalogue since removed
  ASSERT_TRUE(ApplyStartupLanguage(nullptr, &notes).ok());
  EXPECT_EQ(InstalledLanguage(), "");
  ASSERT_EQ(notes.size(), 1);
  EXPECT_TRUE(notes[0].contains("\"pt_BR\"")) << notes[0].toStdString();
  EXPECT_EQ(StoredLanguage(), "pt_BR") << "the choice stays for when the catalogue is back";
}

TEST_F(LanguageTest, UserCataloguesAreFoundAndReplaceBuiltInOnes) {
  const QString fr = AddUserCatalogue("dpmr-cps_fr.qm");
  const QString de = AddUserCatalogue("dpmr-cps_de.qm", ":/i18n/dpmr-cps_zh_CN.qm");
  AddUserCatalogue("dpmr-cps_fr-FR.qm");  // not a catalogue's name: ignored
  AddUserCatalogue("notes.qm");
  const QList<Catalogue> all = AvailableCatalogues();
  EXPECT_EQ(CatalogueCodes(all), (QStringList{"de", "en", "fr", "zh_CN"}));
  for (const Catalogue& c : all) {
    if (c.code == "fr") {
      EXPECT_EQ(c.path, fr);
    } else if (c.code == "de") {
      EXPECT_EQ(c.path, de);
    }
  }
  const QString frCode = "fr";
  ASSERT_TRUE(ApplyStartupLanguage(&frCode).ok());
  EXPECT_EQ(QCoreApplication::translate("Language", "Language"), "Sprache");
  const QString deCode = "de";
  ASSERT_TRUE(ApplyStartupLanguage(&deCode).ok());
  EXPECT_EQ(QCoreApplication::translate("Language", "Language"), QString::fromUtf8("语言"));
}

TEST_F(LanguageTest, ABrokenUserCatalogueIsAnError) {
  QDir().mkpath(UserCatalogueFolder());
  QFile f(UserCatalogueFolder() + "/dpmr-cps_it.qm");
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("not a catalogue");
  f.close();
  const QString it = "it";
  const Status st = ApplyStartupLanguage(&it);
  ASSERT_FALSE(st.ok());
  EXPECT_NE(st.error().find("dpmr-cps_it.qm"), std::string::npos) << st.error();
  EXPECT_EQ(InstalledLanguage(), "");

  // kept as the choice, it leaves the built-in texts with a note: the
  // program still starts
  StoreLanguage("it");
  QStringList notes;
  ASSERT_TRUE(ApplyStartupLanguage(nullptr, &notes).ok());
  EXPECT_EQ(InstalledLanguage(), "");
  ASSERT_EQ(notes.size(), 1);
  EXPECT_TRUE(notes[0].contains("dpmr-cps_it.qm")) << notes[0].toStdString();
}

TEST_F(LanguageTest, MenuListsEveryChoiceWithTheStoredOneChecked) {
  AddUserCatalogue("dpmr-cps_fr.qm");
  StoreLanguage("fr");
  QWidget parent;
  QMenu view;
  QMenu* menu = AddLanguageMenu(&view, &parent);
  QStringList codes;
  QString checked;
  int system = 0;
  for (QAction* a : menu->actions()) {
    codes << a->data().toString();
    if (a->isChecked()) checked = a->data().toString();
    if (a->text().endsWith("(system language)")) ++system;
  }
  EXPECT_EQ(codes, (QStringList{"", "de", "en", "fr", "zh_CN"}));
  EXPECT_EQ(menu->actions().first()->text(), "Built-in texts");
  EXPECT_EQ(menu->actions().at(3)->text().left(8), QString::fromUtf8("Français"));
  EXPECT_EQ(checked, "fr");
  EXPECT_EQ(system, SystemCatalogueCode(AvailableCatalogues()).isEmpty() ? 0 : 1);

  // choosing the built-in texts keeps that choice and says when it applies
  QString message;
  AnswerNextMessageBox(QMessageBox::Ok, &message);
  menu->actions().first()->trigger();
  EXPECT_EQ(message, "The language takes effect when dpmr-cps is started again.");
  EXPECT_EQ(StoredLanguage(), "");
}

// A catalogue that changes every text of the core ("Off" shows "«Off»"):
// what the window shows changes, what it stores must not.
class EveryCoreText : public QTranslator {
 public:
  QString translate(const char* context, const char* source, const char*, int) const override {
    if (QByteArray(context) != "CoreText" || !source || !*source) return {};
    return QString::fromUtf8("«%1»").arg(QString::fromUtf8(source));
  }
  bool isEmpty() const override { return false; }
};

class CoreTextShownTest : public ::testing::Test {
 protected:
  void TearDown() override { QCoreApplication::removeTranslator(&marked_); }
  void Translate() { ASSERT_TRUE(QCoreApplication::installTranslator(&marked_)); }
  static QString Marked(const std::string& s) { return QString::fromUtf8("«%1»").arg(QString::fromStdString(s)); }
  EveryCoreText marked_;
};

// Every combo box of every page built from a schema, set to each of its
// items in turn and saved: the image is the same whether the texts are
// translated or not, and the shown items are the translated ones.
TEST_F(CoreTextShownTest, SchemaPagesStoreTheSameInAnyLanguage) {
  std::vector<const PageSchema*> pages = SettingsPageSchemas();
  for (const PageSchema* p : {&DpmrBasicPageSchema(), &FactoryTxPageSchema(), &FactoryRxPageSchema(),
                              &FactoryDtmfPageSchema()})
    pages.push_back(p);
  const auto run = [&](bool translated, const PageSchema& schema, int step) {
    if (translated) Translate();
    RadioImage image = NewImage("");
    {
      SchemaPage page(schema, image);
      for (const Field& f : schema.fields) {
        auto* combo = qobject_cast<QComboBox*>(page.control(QString::fromStdString(f.key)));
        if (!combo || combo->count() == 0) continue;
        combo->setCurrentIndex((step + 1) % combo->count());
      }
      page.SaveToImage();
    }
    QCoreApplication::removeTranslator(&marked_);
    return image;
  };
  for (const PageSchema* schema : pages) {
    for (int step = 0; step < 3; ++step) {
      EXPECT_TRUE(run(true, *schema, step) == run(false, *schema, step)) << schema->key << " step " << step;
    }
  }
}

TEST_F(CoreTextShownTest, SchemaPageShowsLabelsGroupsAndItemsTranslatedAndEditsAsTheyAre) {
  Translate();
  RadioImage image = NewImage("");
  image.SetByte(0x357, 0);  // alarm cycle 0 shows the word "continue"
  const PageSchema& alarm = AlarmPageSchema();
  SchemaPage page(alarm, image);
  auto* type = qobject_cast<QComboBox*>(page.control("alarm_type"));
  ASSERT_NE(type, nullptr);
  EXPECT_EQ(type->itemText(0), Marked("Off"));
  QStringList labels;
  for (QLabel* l : page.findChildren<QLabel*>()) labels << l->text();
  EXPECT_TRUE(labels.contains(Marked("Alarm type"))) << labels.join("|").toStdString();
  ASSERT_NE(page.lineEdit("cycle"), nullptr);
  EXPECT_EQ(page.lineEdit("cycle")->text(), "continue") << "an edit shows its value, never a translation";

  const PageSchema& option = OptionPageSchema();
  SchemaPage optionPage(option, image);
  QStringList groups;
  for (QGroupBox* g : optionPage.findChildren<QGroupBox*>()) groups << g->title();
  EXPECT_TRUE(groups.contains(Marked("TOT"))) << groups.join("|").toStdString();
}

TEST_F(CoreTextShownTest, GridDropDownShowsTranslatedAndHoldsTheItemAsGiven) {
  Translate();
  EditableGrid grid;
  grid.setColumns("No.", 40, {GridColumn::Text("Name", 80, 8), GridColumn::DropDown("Type", 80, {"Single call", "Group call"})});
  grid.appendRow({"Base", "Single call"});
  QAbstractItemModel* model = grid.model();
  const QModelIndex cell = model->index(0, 2);
  EXPECT_EQ(model->data(cell, Qt::DisplayRole).toString(), Marked("Single call"));
  EXPECT_EQ(model->data(cell, Qt::EditRole).toString(), "Single call");
  EXPECT_EQ(model->data(model->index(0, 1), Qt::DisplayRole).toString(), "Base") << "a text cell shows what it holds";

  QAbstractItemDelegate* delegate = grid.itemDelegate();
  std::unique_ptr<QWidget> editor(delegate->createEditor(grid.viewport(), QStyleOptionViewItem(), cell));
  auto* box = qobject_cast<QComboBox*>(editor.get());
  ASSERT_NE(box, nullptr);
  ASSERT_EQ(box->count(), 2);
  EXPECT_EQ(box->itemText(1), Marked("Group call"));
  delegate->setEditorData(box, cell);
  EXPECT_EQ(box->currentIndex(), 0);
  box->setCurrentIndex(1);
  delegate->setModelData(box, model, cell);
  EXPECT_EQ(grid.text(0, 2), "Group call");
  // the next editor opens on the item the cell holds, found by its value
  std::unique_ptr<QWidget> again(delegate->createEditor(grid.viewport(), QStyleOptionViewItem(), cell));
  delegate->setEditorData(again.get(), cell);
  EXPECT_EQ(qobject_cast<QComboBox*>(again.get())->currentIndex(), 1);

  // Copy gives what the cell holds, so that Paste takes it in any language.
  grid.setCurrentIndex(cell);
  grid.CopyCell();
  EXPECT_EQ(QApplication::clipboard()->text(), "Group call");
}

}  // namespace
}  // namespace cps
