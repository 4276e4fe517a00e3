// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The language of the window's texts.
//
// The program's built-in texts are the default. The catalogues are the ones
// built into the program (":/i18n/dpmr-cps_<code>.qm") and the ones a user
// puts into UserCatalogueFolder(); one of the user's replaces a built-in one
// of the same code. The choice is kept in the user's settings and applied
// when the program starts (widgets take their texts when they are made);
// "dpmr-cps --language de" applies one for a single run without keeping it.
#include <QList>
#include <QString>
#include <QStringList>

#include "core/base/result.h"

class QMenu;
class QWidget;

namespace cps {

inline constexpr const char* kLanguageKey = "view/language";  // "" or absent: built-in texts

struct Catalogue {
  QString code;  // "de", "zh_CN"
  QString path;  // the .qm file (":/i18n/..." or a file of the user's folder)
};

// Where a user puts catalogues of their own (dpmr-cps_<code>.qm).
QString UserCatalogueFolder();
// The catalogues there are, sorted by code.
QList<Catalogue> AvailableCatalogues();
QStringList CatalogueCodes(const QList<Catalogue>& catalogues);
// The catalogue of the system's language, "" when there is none.
QString SystemCatalogueCode(const QList<Catalogue>& catalogues);
// The language as shown in the menu: its own name ("Deutsch", "中文 (中国)").
QString LanguageDisplayName(const QString& code);
// Its item in View > Language: the name, marked when it is the system's.
QString LanguageChoiceText(const QString& code, const QString& systemCode);

// The choice kept in the user's settings ("" for the built-in texts).
QString StoredLanguage();
void StoreLanguage(const QString& code);

// Loads the catalogue of `code` (and Qt's own of that language, so that
// the standard buttons follow) into the application; "" loads none and
// removes the ones loaded before. An error names what could not be loaded.
Status InstallLanguage(const QString& code);
// The code of the catalogue loaded by InstallLanguage ("" for none).
QString InstalledLanguage();

// What the program does when it starts: `wanted` set (--language) applies
// that choice (an unknown one is an error naming the choices); otherwise
// the one kept in the settings, falling back to the built-in texts with a
// note when its catalogue is gone or cannot be loaded (the choice stays).
Status ApplyStartupLanguage(const QString* wanted, QStringList* notes = nullptr);

// View -> Language: "Built-in texts" and one item per catalogue, the
// system's language marked; choosing one keeps it for the next start and
// says so.
QMenu* AddLanguageMenu(QMenu* view, QWidget* parent);

}  // namespace cps
