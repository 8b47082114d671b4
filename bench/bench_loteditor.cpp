// The lot editor on a sale of 100,000 lots: opening and closing (the store write
// included) and the slowest of its list actions, each with the repaint it causes.
#include "common/Prompts.h"
#include "helpers/Median.h"
#include "records/AppSettings.h"
#include "records/JsonSettingsStore.h"
#include "setup/frmLots.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int LotCount = 100000;
constexpr int OpenCloseRounds = 5;
constexpr int ActionRounds = 15;

double elapsedMs(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    QCoreApplication::processEvents();
    return static_cast<double>(timer.nsecsElapsed()) / 1e6;
}

void fill(AppSettings& settings)
{
    settings.LotList = std::make_shared<LotCollection>();
    for (int n = 0; n < LotCount; ++n) {
        auto lot = std::make_shared<LotInfo>();
        lot->LotNumber = n % 10000;
        lot->Amount = (n * 37) % 1000000;
        lot->Note = QStringLiteral("Lot %1, a chair of oak").arg(n);
        settings.LotList->Add(lot, 0);
    }
}

template <typename T> T* control(const frmLots& dialog, const char* name)
{
    return dialog.findChild<T*>(QLatin1String(name));
}

void selectRow(const frmLots& dialog, int row)
{
    auto* list = control<QAbstractItemView>(dialog, "lstLots");
    list->selectionModel()->setCurrentIndex(list->model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Prompts::setTestMode(true); // every question is answered Yes

    QTemporaryDir dir;
    JsonSettingsStore store(dir.filePath(QStringLiteral("settings.json")));
    AppSettings settings(store);
    fill(settings);

    QWidget scoreboard;
    scoreboard.resize(1024, 768);
    scoreboard.show();
    QCoreApplication::processEvents();

    std::vector<double> openClose;
    for (int round = 0; round < OpenCloseRounds; ++round) {
        openClose.push_back(elapsedMs([&] {
            frmLots dialog(settings, &scoreboard);
            dialog.show();
            QCoreApplication::processEvents();
            dialog.close();
        }));
    }

    frmLots dialog(settings, &scoreboard);
    dialog.show();
    QCoreApplication::processEvents();
    auto click = [&](const char* button) {
        control<QPushButton>(dialog, button)->click();
    };
    auto setText = [&](const char* box, const QString& text) {
        control<QLineEdit>(dialog, box)->setText(text);
    };
    // Near the top of the list, where a change shifts the most records.
    constexpr int Row = 10;

    const struct
    {
        const char* name;
        std::function<void()> action;
    } actions[] = {
        {"create_save",
         [&] {
             click("cmdNew");
             setText("txtLotNumber", QStringLiteral("12"));
             setText("txtLotAmount", QStringLiteral("500"));
             click("cmdSaveLot");
         }},
        {"edit_save",
         [&] {
             click("cmdEdit");
             setText("txtLotAmount", QStringLiteral("750"));
             click("cmdSaveLot");
         }},
        {"delete",
         [&] {
             click("cmdDelete");
         }},
        {"move_up",
         [&] {
             click("cmdMoveUp");
         }},
        {"move_down",
         [&] {
             click("cmdMoveDown");
         }},
    };

    double slowest = 0.0;
    for (const auto& [name, action] : actions) {
        std::vector<double> times;
        for (int round = 0; round < ActionRounds; ++round) {
            selectRow(dialog, Row);
            QCoreApplication::processEvents();
            times.push_back(elapsedMs(action));
        }
        const double typical = Median(times);
        slowest = std::max(slowest, typical);
        std::printf("BENCH lot_editor.action.%s.100k %.2f ms\n", name, typical);
    }
    dialog.close();

    std::printf("BENCH lot_editor.open_close.100k %.1f ms\n", Median(openClose));
    std::printf("BENCH lot_editor.action.100k %.2f ms\n", slowest);
    return 0;
}
