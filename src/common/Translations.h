#pragma once

#include <QLocale>
#include <QString>

// The program in the operator's language: Gavelor's own texts and Qt's standard dialogs,
// chosen from the locale (on Linux, LANGUAGE, LC_ALL, LC_MESSAGES and LANG as usual). A locale
// without a translation, English and C among them, keeps the English texts.
namespace Translations {

// Installs the translators for the locale on the running application, replacing any that an
// earlier call installed. Returns the language whose program texts were loaded ("de", "fr"...),
// empty when the English texts stay.
QString Install(const QLocale& locale = QLocale::system());

// The file that a translated copy of `fileName` would have for the locale, preferred languages
// first: "gavelorhelpfile.de.rtf" for "gavelorhelpfile.rtf" in German. English has none.
QStringList LocalizedNames(const QString& fileName, const QLocale& locale = QLocale::system());

} // namespace Translations
