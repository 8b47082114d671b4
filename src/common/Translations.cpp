#include "common/Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
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

QStringList Translations::Languages()
{
    // The messages locale as the C library picks it; in C or POSIX the program stays English.
    QByteArray messages = qgetenv("LC_ALL");
    if (messages.isEmpty())
        messages = qgetenv("LC_MESSAGES");
    if (messages.isEmpty())
        messages = qgetenv("LANG");
    if (messages.isEmpty() || messages == "C" || messages == "POSIX" || messages.startsWith("C."))
        return {};
    QStringList languages;
    for (QString name : QLocale::system().uiLanguages()) {
        name = name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        // English is the source: a later language in the list is not wanted above it.
        if (name == QLatin1String("en") || name == QLatin1String("c"))
            break;
        if (!name.isEmpty() && !languages.contains(name))
            languages << name;
    }
    return languages;
}

QString Translations::Install()
{
    LoadTranslationResources();
    // The first language that Gavelor speaks wins.
    QString chosen;
    auto program = std::make_unique<QTranslator>();
    for (const QString& language : Languages()) {
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

QStringList Translations::EveryTranslation(const char* context, const char* source)
{
    LoadTranslationResources();
    QStringList texts{QString::fromUtf8(source)};
    const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("gavelor_*.qm")}, QDir::Files);
    for (const QString& file : files) {
        QTranslator translator;
        if (!translator.load(QStringLiteral(":/i18n/") + file))
            continue;
        const QString text = translator.translate(context, source);
        if (!text.isEmpty() && !texts.contains(text))
            texts << text;
    }
    return texts;
}

QStringList Translations::LocalizedNames(const QString& fileName)
{
    const QFileInfo file(fileName);
    QStringList names;
    for (const QString& language : Languages())
        names << file.completeBaseName() + QLatin1Char('.') + language + QLatin1Char('.') + file.suffix();
    return names;
}
