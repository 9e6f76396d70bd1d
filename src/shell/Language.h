#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

namespace fc {

// The language the program speaks: the program's own translation, built in from
// translations/function-curves_<code>.ts, and Qt's for its standard dialogs.

// The codes of the built-in translations ("de", "es", ...), English not among them.
QStringList availableLanguages();

// The language asked for: `--language CODE` among `arguments`, else the first of the
// desktop's languages, in its order of preference, that the program speaks; "en" where
// none matches.
QString chooseLanguage(const QStringList &arguments,
                       const QStringList &desktop = QLocale::system().uiLanguages());

// Speaks `code` from now on ("en": no translation at all), replacing the language
// before; numbers for a reader follow it. False when there is no such translation:
// the program then speaks English.
bool setLanguage(const QString &code);

// Sets the language `chooseLanguage` picks, unless one was set before: the first
// start of the program picks it, later ones keep it.
void setChosenLanguageOnce(const QStringList &arguments);

// "en" until another language is set.
QString currentLanguage();

}  // namespace fc
