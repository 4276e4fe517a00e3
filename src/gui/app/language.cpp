// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/language.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTranslator>
#include <map>
#include <memory>

#include "core/base/language_choice.h"
#include "gui/app/user_settings.h"

namespace cps {

namespace {

constexpr const char* kBuiltInFolder = ":/i18n";

// The translators in use: the program's catalogue and Qt's own.
struct Installed {
  QString code;
  std::unique_ptr<QTranslator> own;
  std::unique_ptr<QTranslator> qt;
};

Installed& Current() {
  static Installed installed;
  return installed;
}

void Uninstall() {
  Installed& cur = Current();
  if (cur.own) QCoreApplication::removeTranslator(cur.own.get());
  if (cur.qt) QCoreApplication::removeTranslator(cur.qt.get());
  cur.own.reset();
  cur.qt.reset();
  cur.code.clear();
}

std::vector<std::string> StdCodes(const QList<Catalogue>& catalogues) {
  std::vector<std::string> codes;
  for (const Catalogue& c : catalogues) codes.push_back(c.code.toStdString());
  return codes;
}

}  // namespace

QString UserCatalogueFolder() {
  return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/translations";
}

QList<Catalogue> AvailableCatalogues() {
  // the user's after the built-in ones: theirs wins
  std::map<QString, QString> byCode;
  for (const QString& folder : {QString(kBuiltInFolder), UserCatalogueFolder()}) {
    const QDir dir(folder);
    for (const QString& name : dir.entryList({"dpmr-cps_*.qm"}, QDir::Files | QDir::Readable, QDir::Name)) {
      if (const auto code = CatalogueCode(name.toStdString())) byCode[QString::fromStdString(*code)] = dir.filePath(name);
    }
  }
  QList<Catalogue> out;
  for (const auto& [code, path] : byCode) out.push_back({code, path});
  return out;
}

QStringList CatalogueCodes(const QList<Catalogue>& catalogues) {
  QStringList codes;
  for (const Catalogue& c : catalogues) codes << c.code;
  return codes;
}

QString SystemCatalogueCode(const QList<Catalogue>& catalogues) {
  std::vector<std::string> system;
  for (const QString& l : QLocale::system().uiLanguages()) system.push_back(l.toStdString());
  return QString::fromStdString(SystemCatalogue(system, StdCodes(catalogues)));
}

QString LanguageDisplayName(const QString& code) {
  const QLocale locale(code);
  if (locale.language() == QLocale::C) return code;
  // a catalogue of the language alone is named by the language alone
  // ("English", not the name of one country's English)
  QString name = !code.contains('_') && locale.language() == QLocale::English ? QStringLiteral("English")
                                                                              : locale.nativeLanguageName();
  if (name.isEmpty()) name = QLocale::languageToString(locale.language());
  if (!name.isEmpty()) name[0] = name[0].toUpper();
  if (code.contains('_') && !locale.nativeTerritoryName().isEmpty())
    name += QStringLiteral(" (%1)").arg(locale.nativeTerritoryName());
  return name;
}

QString LanguageChoiceText(const QString& code, const QString& systemCode) {
  const QString name = LanguageDisplayName(code);
  return code == systemCode ? QCoreApplication::translate("Language", "%1 (system language)").arg(name) : name;
}

QString StoredLanguage() { return OpenUserSettings()->value(kLanguageKey).toString(); }

void StoreLanguage(const QString& code) { OpenUserSettings()->setValue(kLanguageKey, code); }

QString InstalledLanguage() { return Current().code; }

Status InstallLanguage(const QString& code) {
  Uninstall();
  if (code.isEmpty()) return {};
  QString path;
  for (const Catalogue& c : AvailableCatalogues())
    if (c.code == code) path = c.path;
  if (path.isEmpty()) return Error{"no catalogue for the language \"" + code.toStdString() + "\""};
  auto own = std::make_unique<QTranslator>();
  if (!own->load(path)) return Error{"could not load the catalogue " + path.toStdString()};
  Installed& cur = Current();
  cur.own = std::move(own);
  QCoreApplication::installTranslator(cur.own.get());
  // Qt's own texts (the standard buttons) where the system has them: without
  // them only those stay English
  auto qt = std::make_unique<QTranslator>();
  if (qt->load("qtbase_" + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    cur.qt = std::move(qt);
    QCoreApplication::installTranslator(cur.qt.get());
  }
  cur.code = code;
  return {};
}

Status ApplyStartupLanguage(const QString* wanted, QStringList* notes) {
  const QList<Catalogue> catalogues = AvailableCatalogues();
  if (wanted) {
    const auto code = ResolveLanguage(wanted->toStdString(), StdCodes(catalogues));
    if (!code) return Error{code.error()};
    return InstallLanguage(QString::fromStdString(*code));
  }
  // A kept choice that cannot be loaded (its catalogue removed or broken)
  // leaves the built-in texts, with a word, and stays kept.
  const QString stored = StoredLanguage();
  if (stored.isEmpty()) return InstallLanguage({});
  if (!CatalogueCodes(catalogues).contains(stored)) {
    if (notes)
      *notes << QStringLiteral("The catalogue of the chosen language \"%1\" was not found; the built-in texts are shown.")
                    .arg(stored);
    return InstallLanguage({});
  }
  if (const Status st = InstallLanguage(stored); !st) {
    if (notes) *notes << QString::fromStdString(st.error() + "; the built-in texts are shown.");
    return InstallLanguage({});
  }
  return {};
}

QMenu* AddLanguageMenu(QMenu* view, QWidget* parent) {
  QMenu* menu = view->addMenu(QCoreApplication::translate("Language", "&Language"));
  menu->setObjectName("menuLanguage");
  auto* group = new QActionGroup(menu);
  group->setExclusive(true);
  const QString stored = StoredLanguage();
  const auto addChoice = [&](const QString& text, const QString& code) {
    QAction* a = menu->addAction(text);
    a->setObjectName(code.isEmpty() ? QStringLiteral("actionLanguageBuiltIn") : "actionLanguage_" + code);
    a->setCheckable(true);
    a->setChecked(code == stored);
    a->setData(code);
    group->addAction(a);
  };
  addChoice(QCoreApplication::translate("Language", "Built-in texts"), {});
  const QList<Catalogue> catalogues = AvailableCatalogues();
  const QString system = SystemCatalogueCode(catalogues);
  for (const Catalogue& c : catalogues) addChoice(LanguageChoiceText(c.code, system), c.code);
  QObject::connect(group, &QActionGroup::triggered, parent, [parent](QAction* a) {
    const QString code = a->data().toString();
    if (code == StoredLanguage() && code == InstalledLanguage()) return;  // what runs and stays
    StoreLanguage(code);
    QMessageBox::information(parent, QCoreApplication::translate("Language", "Language"),
                             QCoreApplication::translate("Language",
                                                         "The language takes effect when dpmr-cps is started again."));
  });
  return menu;
}

}  // namespace cps
