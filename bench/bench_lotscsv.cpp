// CSV import and export in the lot editor on a sale of 100,000 lots: the button press
// through reading, checking and the list refresh, or through writing the file.
#include "common/Prompts.h"
#include "helpers/Median.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "setup/LotsCsv.h"
#include "setup/frmLots.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int LotCount = 100000;
constexpr int Rounds = 7;

// Rows as a spreadsheet saves a catalogue: currency signs, thousands separators, quoted notes.
QByteArray catalogue()
{
    QByteArray bytes = "\xEF\xBB\xBFLot,Starting bid,Note\r\n";
    for (int n = 0; n < LotCount; ++n) {
        const int amount = (n * 37) % 1000000;
        bytes += QByteArray::number(n % 10000) + ",\"$" + QByteArray::number(amount / 1000) + ',' +
                 QByteArray::number(1000 + amount % 1000).mid(1) + "\",";
        bytes += n % 3 == 0 ? "\"Lot " + QByteArray::number(n) + ", a chair of oak\"\r\n"
                            : "Lot " + QByteArray::number(n) + " a chair of oak\r\n";
    }
    return bytes;
}

double pressMs(frmLots& dialog, const char* button)
{
    auto* push = dialog.findChild<QPushButton*>(QLatin1String(button));
    QElapsedTimer timer;
    timer.start();
    push->click();
    QCoreApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Prompts::setTestMode(true); // the default button answers every question: Append

    QTemporaryDir dir;
    const QString importPath = dir.filePath(QStringLiteral("catalogue.csv"));
    const QString exportPath = dir.filePath(QStringLiteral("lots.csv"));
    {
        QFile file(importPath);
        if (!file.open(QIODevice::WriteOnly) || file.write(catalogue()) < 0)
            return 1;
    }
    MemorySettingsStore store;
    AppSettings settings(store);

    std::vector<double> imports;
    std::vector<double> exports;
    for (int round = 0; round < Rounds; ++round) {
        settings.LotList = std::make_shared<LotCollection>();
        frmLots dialog(settings);
        dialog.show();
        QCoreApplication::processEvents();
        Prompts::clear();
        Prompts::queueFileName(importPath);
        imports.push_back(pressMs(dialog, "cmdImport"));
        const auto* list = dialog.findChild<QAbstractItemView*>(QStringLiteral("lstLots"));
        if (list->model()->rowCount() != LotCount || Prompts::asked().size() != 2)
            return 2;

        Prompts::queueFileName(exportPath);
        exports.push_back(pressMs(dialog, "cmdExport"));
        if (QFile(exportPath).size() < LotCount * 20 || Prompts::asked().size() != 3)
            return 3;
        dialog.close();
    }
    std::printf("BENCH lot_editor.import.100k %.1f ms\n", Median(imports));
    std::printf("BENCH lot_editor.export.100k %.1f ms\n", Median(exports));
    return 0;
}
