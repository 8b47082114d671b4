// The language that Gavelor speaks follows the locale as Linux programs do: each row starts this
// test again as a child with its locale variables, which loads the translations as the program
// does at start and reports what a window, Qt's standard buttons and the help viewer show.
#include "common/Translations.h"
#include "help/frmHelp.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleReport.h"
#include "setup/frmLots.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTextStream>

#include <utility>

namespace {

// What the child shows, one line: language | lot editor title | its Done button | Qt's Cancel | help text
// | the result column of a sold lot in the CSV export, which stays English.
int Probe(const QString& helpDirectory)
{
    const QString language = Translations::Install();
    MemorySettingsStore store;
    AppSettings settings(store);
    frmLots lots(settings);
    frmHelp help(helpDirectory);
    while (help.IsLoading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    LotResult sold;
    sold.outcome = LotResult::Outcome::Sold;
    const QByteArray csv = SaleReport::Csv({SaleRecord::Row{0, nullptr, &sold}}, MoneyFormat{});
    const QStringList shown = {
        language,
        lots.windowTitle(),
        lots.findChild<QPushButton*>(QStringLiteral("cmdOk"))->text(),
        QCoreApplication::translate("QPlatformTheme", "Cancel"),
        help.findChild<QTextEdit*>()->toPlainText().trimmed(),
        QString::fromUtf8(csv.split('\n').value(1).split(',').value(4)),
    };
    QTextStream(stdout) << shown.join(QLatin1Char('|')) << Qt::endl;
    return 0;
}

} // namespace

class tst_Translations : public QObject
{
    Q_OBJECT

private slots:
    void followsTheLocale_data();
    void followsTheLocale();
};

void tst_Translations::followsTheLocale_data()
{
    QTest::addColumn<QString>("environment"); // NAME=value pairs separated by blanks
    QTest::addColumn<QString>("expected");

    const QString english = QStringLiteral("|Gavelor - Lots|Do&ne Editing Lots|Cancel|English help|Sold");
    const QString german = QStringLiteral("de|Gavelor - Lose|&Fertig|Abbrechen|Deutsche Hilfe|Sold");
    const QString french = QStringLiteral("fr|Gavelor - Lots|&Terminé|Annuler|English help|Sold");
    const QString spanish = QStringLiteral("es|Gavelor - Lotes|&Listo|Cancelar|English help|Sold");
    // No Dutch help beside the English one: the next language the operator reads comes first.
    const QString dutch = QStringLiteral("nl|Gavelor - Kavels|K&laar|Annuleren|Deutsche Hilfe|Sold");
    QTest::newRow("C") << "LANG=C" << english;
    QTest::newRow("C.UTF-8 ignores LANGUAGE") << "LANG=C.UTF-8 LANGUAGE=de" << english;
    QTest::newRow("American English") << "LANG=en_US.UTF-8" << english;
    QTest::newRow("British English before German") << "LANG=en_GB.UTF-8 LANGUAGE=en:de" << english;
    QTest::newRow("German") << "LANG=de_DE.UTF-8" << german;
    QTest::newRow("Austrian German") << "LANG=de_AT.UTF-8" << german;
    QTest::newRow("French messages, German rest") << "LANG=de_DE.UTF-8 LC_MESSAGES=fr_FR.UTF-8" << french;
    QTest::newRow("LC_ALL over LANG") << "LANG=de_DE.UTF-8 LC_ALL=es_ES.UTF-8" << spanish;
    QTest::newRow("LANGUAGE list, Dutch first") << "LANG=de_DE.UTF-8 LANGUAGE=nl:de" << dutch;
    QTest::newRow("LANGUAGE list, untranslated first") << "LANG=it_IT.UTF-8 LANGUAGE=it:es" << spanish;
    QTest::newRow("untranslated language") << "LANG=it_IT.UTF-8" << english;
}

void tst_Translations::followsTheLocale()
{
    QFETCH(QString, environment);
    QFETCH(QString, expected);

    QTemporaryDir helpDirectory;
    QVERIFY(helpDirectory.isValid());
    for (const auto& [name, text] :
         {std::pair{"gavelorhelpfile.rtf", "English help"}, std::pair{"gavelorhelpfile.de.rtf", "Deutsche Hilfe"}}) {
        QFile file(helpDirectory.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("{\\rtf1\\ansi ") + text + "\\par}");
    }

    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        variables.remove(QLatin1String(name));
    for (const QString& pair : environment.split(QLatin1Char(' ')))
        variables.insert(pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1));
    QProcess child;
    child.setProcessEnvironment(variables);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--probe"), helpDirectory.path()});
    QVERIFY(child.waitForFinished(60000));
    QCOMPARE(child.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(child.readAllStandardOutput()).trimmed(), expected);
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--probe") == 0)
        return Probe(QString::fromLocal8Bit(argv[2]));
    tst_Translations test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
