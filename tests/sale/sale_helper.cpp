// A whole run of the scoreboard over a sale journal, driven by the keys given: it reports
// "DONE" once the keys are handled and then waits to be killed.
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleJournal.h"
#include "sale/SaleTestLots.h"
#include "scoreboard/frmScoreboard.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    MemorySettingsStore store;
    AppSettings settings(store);
    SaleLots(settings);
    SaleJournal sale(QString::fromLocal8Bit(argv[1]));
    sale.Open();
    frmScoreboard window(settings);
    window.setSale(&sale);
    window.show();
    for (const QString& key : QString::fromLatin1(argv[2]).split(u' ', Qt::SkipEmptyParts))
        QTest::keyClick(window.focusWidget(), SaleKey(key));
    std::puts("DONE");
    std::fflush(stdout);
    return QApplication::exec();
}
