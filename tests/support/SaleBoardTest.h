#pragma once

// A sale on the scoreboard, for the tests that drive one: the settings in memory, the journal in a
// folder of its own, and the window over both. A test class derives from it, fills the settings
// between BeginSale() and OpenJournal() and ShowBoard(), and ends with EndSale().
#include "common/Prompts.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"
#include "sale/SaleJournal.h"
#include "scoreboard/frmScoreboard.h"

#include <QHash>
#include <QObject>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

class SaleBoardTest : public QObject
{
protected:
    // Empty settings, and the folder for the journal.
    void BeginSale()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = std::make_unique<MemorySettingsStore>();
        m_settings = std::make_unique<AppSettings>(*m_store);
    }
    void OpenJournal()
    {
        m_sale = std::make_unique<SaleJournal>(m_dir->filePath(QStringLiteral("sales")));
        m_sale->Open();
    }
    // A scoreboard over the settings and the journal, shown and active.
    void ShowBoard()
    {
        m_window = std::make_unique<frmScoreboard>(*m_settings);
        m_window->setSale(m_sale.get());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    }
    void EndSale()
    {
        m_window.reset();
        m_sale.reset();
        m_settings.reset();
        m_store.reset();
        m_dir.reset();
        Prompts::clear();
    }
    // R Right, L Left, U Up, D Down, 4 F4, 5 F5, 6 F6, separated by blanks; to the focused control.
    void press(const QString& keys)
    {
        static const QHash<QString, Qt::Key> names = {
            {QStringLiteral("R"), Qt::Key_Right}, {QStringLiteral("L"), Qt::Key_Left},
            {QStringLiteral("U"), Qt::Key_Up},    {QStringLiteral("D"), Qt::Key_Down},
            {QStringLiteral("4"), Qt::Key_F4},    {QStringLiteral("5"), Qt::Key_F5},
            {QStringLiteral("6"), Qt::Key_F6}};
        for (const QString& key : keys.split(u' ', Qt::SkipEmptyParts))
            QTest::keyClick(m_window->focusWidget(), names.value(key));
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<AppSettings> m_settings;
    std::unique_ptr<SaleJournal> m_sale;
    std::unique_ptr<frmScoreboard> m_window;
};
