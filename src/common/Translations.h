#pragma once

#include <QStringList>

// The program in the operator's language: Gavelor's own texts and Qt's standard dialogs,
// chosen from the locale (on Linux, LANGUAGE, LC_ALL, LC_MESSAGES and LANG as usual). A locale
// without a translation, English and C among them, keeps the English texts.
namespace Translations {

// The languages the operator asks for, most wanted first, as language codes ("de", "fr"),
// ending before English; empty in the C locale, where LANGUAGE is ignored as gettext does.
QStringList Languages();

// Installs the translators for the operator's languages on the running application, replacing
// any that an earlier call installed. Returns the language whose program texts were loaded
// ("de", "fr"...), empty when the English texts stay.
QString Install();

// A text in every language the program speaks, English first: what a caption must find room
// for whichever language the operator runs in.
QStringList EveryTranslation(const char* context, const char* source);

// The names that a translated copy of `fileName` would have, preferred languages first:
// "gavelorhelpfile.de.rtf" for "gavelorhelpfile.rtf" in German. English has none.
QStringList LocalizedNames(const QString& fileName);

} // namespace Translations
