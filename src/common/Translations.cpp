#include "common/Translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

// The compiled translations live in the static UI library, where nothing else would pull them in.
static void LoadTranslationResources()
{
    Q_INIT_RESOURCE(gavelor_translations);
}

namespace {

QTranslator* g_program = nullptr;
QTranslator* g_qt = nullptr;

// The languages the locale asks for, most wanted first, as bare language codes ("de", "fr").
QStringList Languages(const QLocale& locale)
{
    QStringList languages;
    for (QString name : locale.uiLanguages()) {
        name = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (!name.isEmpty() && !languages.contains(name))
            languages << name;
    }
    return languages;
}

void Replace(QTranslator*& installed, QTranslator* next)
{
    if (installed) {
        QCoreApplication::removeTranslator(installed);
        delete installed;
    }
    installed = next;
    if (installed)
        QCoreApplication::installTranslator(installed);
}

} // namespace

QString Translations::Install(const QLocale& locale)
{
    LoadTranslationResources();
    // The first language that Gavelor speaks wins; English is the source and has no file, so
    // an English locale stops the search before any later language in the list.
    QString chosen;
    auto program = std::make_unique<QTranslator>();
    for (const QString& language : Languages(locale)) {
        if (language == QLatin1String("en") || language == QLatin1String("c"))
            break;
        if (program->load(QStringLiteral(":/i18n/gavelor_") + language)) {
            chosen = language;
            break;
        }
    }
    Replace(g_program, chosen.isEmpty() ? nullptr : program.release());

    // Qt's own texts (the file and colour dialogs, the standard buttons) in the same language.
    auto qt = std::make_unique<QTranslator>();
    const bool qtLoaded = !chosen.isEmpty() && qt->load(QStringLiteral("qtbase_") + chosen,
                                                        QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    Replace(g_qt, qtLoaded ? qt.release() : nullptr);
    return chosen;
}

QStringList Translations::LocalizedNames(const QString& fileName, const QLocale& locale)
{
    const QFileInfo file(fileName);
    QStringList names;
    for (const QString& language : Languages(locale)) {
        if (language == QLatin1String("en") || language == QLatin1String("c"))
            break;
        names << file.completeBaseName() + QLatin1Char('.') + language + QLatin1Char('.') + file.suffix();
    }
    return names;
}
