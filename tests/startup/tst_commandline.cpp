#include "BuildInfo.h"
#include "startup/CommandLine.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using CommandLine::Request;
Q_DECLARE_METATYPE(CommandLine::Request)

class tst_CommandLine : public QObject
{
    Q_OBJECT

private slots:
    void parse_data();
    void parse();
    void executable_data();
    void executable();
};

void tst_CommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Request>("request");
    QTest::addColumn<QString>("option");

    const auto row = [](const char* name, const char* arguments, Request request, const char* option = "") {
        QTest::newRow(name) << QString::fromUtf8(arguments).split(QLatin1Char(' '), Qt::SkipEmptyParts) << request
                            << QString::fromUtf8(option);
    };
    // Plain words are the title window's to read, whatever they say.
    row("none", "", Request::Run);
    row("bypass", "bypass", Request::Run);
    row("other words", "Bypass foo", Request::Run);
    row("lone dash", "-", Request::Run);
    row("after the end of options", "-- --bogus --help", Request::Run);
    // Qt's own options, and the value that follows one even when it looks like an option.
    row("qt option and value", "-platform offscreen bypass", Request::Run);
    row("qt option, double dash", "--style fusion", Request::Run);
    row("qt option with equals", "-style=fusion -reverse", Request::Run);
    row("qt value looks like help", "-platform --help", Request::Run);
    row("help", "--help", Request::Help);
    row("short help after bypass", "bypass -h", Request::Help);
    row("version after qt option", "-platform xcb --version", Request::Version);
    row("short version", "-v", Request::Version);
    // The first option that decides wins.
    row("unknown before help", "--bogus --help", Request::UnknownOption, "--bogus");
    row("version before unknown", "--version --bogus", Request::Version);
    row("unknown single dash", "bypass -x", Request::UnknownOption, "-x");
    row("unknown value on non-qt option", "--help=yes", Request::UnknownOption, "--help=yes");
    row("equals where qt takes none", "-platform=xcb", Request::UnknownOption, "-platform=xcb");
}

void tst_CommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(Request, request);
    QFETCH(QString, option);

    std::vector<std::string> plain;
    for (const QString& argument : arguments)
        plain.push_back(argument.toStdString());
    const CommandLine::Parsed parsed = CommandLine::Parse(plain);
    QCOMPARE(parsed.request, request);
    QCOMPARE(QString::fromStdString(parsed.option), option);
}

void tst_CommandLine::executable_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("err");

    const QString version = QStringLiteral("Gavelor %1.%2.%3\n")
                                .arg(BuildInfo::VersionMajor)
                                .arg(BuildInfo::VersionMinor)
                                .arg(BuildInfo::VersionPatch);
    const QString usage = QString::fromStdString(CommandLine::Usage());
    QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0 << usage << QString();
    QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0 << version << QString();
    QTest::newRow("version after qt option")
        << QStringList{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-v")} << 0 << version
        << QString();
    QTest::newRow("unknown option") << QStringList{QStringLiteral("bypass"), QStringLiteral("--bogus")} << 2
                                    << QString() << QStringLiteral("gavelor: unknown option '--bogus'\n") + usage;
}

// The real program, with no display to open a window on: an answer that got as far as the
// application would fail to start instead.
void tst_CommandLine::executable()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, err);

    QTemporaryDir config;
    QVERIFY(config.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());

    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(GAVELOR_EXECUTABLE), arguments);
    QVERIFY2(program.waitForFinished(30000), qPrintable(program.errorString()));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    QCOMPARE(QString::fromUtf8(program.readAllStandardOutput()), out);
    QCOMPARE(QString::fromUtf8(program.readAllStandardError()), err);
    // Neither the settings nor the claim of a running copy were touched.
    QVERIFY(QDir(config.path()).isEmpty());
}

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
