// A whole run of the scoreboard over a sale journal, driven by the keys given: it reports
// "DONE" once the keys are handled, then takes more lines of keys from its input, each
// answered the same way, until it is killed or its scoreboard closes.
//
// Besides the keys of SaleKey: N presses New Sale in the results window, Q closes the
// scoreboard, y and n queue the answer to the next question. After each line it reports what
// it was asked, the "not saved" sign, the results not on the disk and the journal's file.
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/PendingMarks.h"
#include "sale/SaleJournal.h"
#include "sale/SaleTestLots.h"
#include "sale/frmResults.h"
#include "scoreboard/frmScoreboard.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTest>

#include <cstdio>
#include <unistd.h>

namespace {

void Report(const SaleJournal& sale, const frmScoreboard& window)
{
    for (const Prompts::Asked& asked : Prompts::asked())
        std::printf("ASKED %s\n", qUtf8Printable(QString(asked.text).replace(u'\n', u' ')));
    Prompts::clear();
    const auto* sign = window.findChild<QLabel*>(QStringLiteral("savingSign"));
    std::printf("SIGN %s\n", sign && !sign->isHidden() ? qUtf8Printable(sign->text()) : "none");
    std::printf("PENDING %d\n", sale.pendingMarks());
    std::printf("FILE %s\n", qUtf8Printable(sale.filePath()));
    std::printf("PROBLEM %s\n", qUtf8Printable(sale.problem()));
    std::printf("DONE\n");
    std::fflush(stdout);
}

void Run(const QString& line, SaleJournal& sale, frmScoreboard& window)
{
    for (const QString& key : line.split(u' ', Qt::SkipEmptyParts)) {
        if (key == QLatin1String("y") || key == QLatin1String("n")) {
            Prompts::queueAnswer(key == QLatin1String("y") ? Prompts::Answer::Yes : Prompts::Answer::No);
        } else if (key == QLatin1String("N")) {
            window.ShowResults();
            QTest::mouseClick(window.results()->findChild<QPushButton*>(QStringLiteral("cmdNewSale")), Qt::LeftButton);
        } else if (key == QLatin1String("Q")) {
            if (!window.close())
                std::puts("STAYED");
        } else {
            QTest::keyClick(window.focusWidget(), SaleKey(key));
        }
    }
    Report(sale, window);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    Prompts::setTestMode(true);
    MemorySettingsStore store;
    AppSettings settings(store);
    SaleLots(settings);
    SaleJournal sale(QString::fromLocal8Bit(argv[1]));
    sale.Open();
    for (const SaleJournal::SetAside& aside : sale.setAside())
        std::printf("ASIDE %s %s\n", qUtf8Printable(aside.keptAs), qUtf8Printable(aside.continuedIn));
    frmScoreboard window(settings);
    window.setSale(&sale);
    new PendingMarks::CloseGuard(sale, &window);
    window.show();
    Run(QString::fromLatin1(argv[2]), sale, window);

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[4096];
        const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (n <= 0) {
            input.setEnabled(false);
            return;
        }
        for (const QByteArray& line : QByteArray(buffer, n).split('\n'))
            if (!line.trimmed().isEmpty())
                Run(QString::fromLatin1(line), sale, window);
    });
    return QApplication::exec();
}
