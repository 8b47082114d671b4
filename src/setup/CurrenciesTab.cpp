#include "setup/CurrenciesTab.h"

#include "common/DesignLayout.h"
#include "common/Prompts.h"
#include "currency/CurrencyRate.h"
#include "currency/EuroRates.h"
#include "records/AppSettings.h"
#include "records/SettingsStore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTabWidget>
#include <QTableWidget>

namespace {

constexpr int Steps[] = {1, 10, 100, 1000};

QString CellText(const QTableWidget* table, int row, int column)
{
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text().trimmed() : QString();
}

QComboBox* StepBox(const QTableWidget* table, int row)
{
    return qobject_cast<QComboBox*>(table->cellWidget(row, CurrenciesTab::ColumnStep));
}

} // namespace

CurrenciesTab::CurrenciesTab(QTabWidget* tabs) : OptionsTabPage(tabs)
{
    QWidget* tab = face();
    chkCurrencyOn = new QCheckBox(tr("&Show the bid in other currencies"), tab);
    lblSaleCode = new QLabel(tr("Sale's currency:"), tab);
    txtSaleCode = new QLineEdit(tab);
    txtSaleCode->setMaxLength(CurrencyBoard::MaxCodeLength);
    txtSaleCode->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z]{0,3}")), txtSaleCode));
    txtSaleCode->setAccessibleName(tr("ISO code of the sale's currency"));
    lblSaleCode->setBuddy(txtSaleCode);

    grdRates = new QTableWidget(CurrencyBoard::MaxLines, Columns, tab);
    grdRates->setHorizontalHeaderLabels({tr("Code"), tr("Sign"), tr("Rate"), tr("Rounding")});
    grdRates->setAccessibleName(tr("Currencies and rates"));
    grdRates->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdRates->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdRates->horizontalHeader()->setSectionResizeMode(ColumnRate, QHeaderView::Stretch);
    grdRates->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdRates->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int row = 0; row < CurrencyBoard::MaxLines; ++row) {
        auto* steps = new QComboBox(grdRates);
        for (int step : Steps)
            steps->addItem(step == 1     ? tr("Whole units")
                           : step == 10  ? tr("To 10")
                           : step == 100 ? tr("To 100")
                                         : tr("To 1,000"),
                           step);
        steps->setAccessibleName(tr("Rounding of line %1").arg(row + 1));
        grdRates->setCellWidget(row, ColumnStep, steps);
    }

    cmdImportRates = new QPushButton(tr("&Import Rates..."), tab);
    lblRatesTime = new QLabel(tab);

    // The strip below 3960 twips stays free.
    // clang-format off
    DesignLayout::Place({
        {chkCurrencyOn,  u"chkCurrencyOn",   240,  480, 3375,  285},
        {lblSaleCode,    u"lblSaleCode",    3735,  510, 1335,  255},
        {txtSaleCode,    u"txtSaleCode",    5085,  465,  750,  315},
        {grdRates,       u"grdRates",        240,  900, 5595, 2475},
        {cmdImportRates, u"cmdImportRates",  240, 3480, 1815,  375},
        {lblRatesTime,   u"lblRatesTime",   2175, 3540, 3660,  255},
    }, tabs);
    // clang-format on

    connect(chkCurrencyOn, &QCheckBox::toggled, this, &CurrenciesTab::chkCurrencyOn_Click);
    connect(cmdImportRates, &QPushButton::clicked, this, &CurrenciesTab::cmdImportRates_Click);
}

void CurrenciesTab::Load(const AppSettings& settings, const SettingsStore& store)
{
    m_loaded = CurrencyBoard::Load(store);
    m_committed = m_loaded;
    chkCurrencyOn->setChecked(m_loaded.enabled);
    // Proposed from the sale's sign until the operator says otherwise.
    txtSaleCode->setText(m_loaded.saleCode.isEmpty() ? CurrencyBoard::CodeForSign(settings.Currency)
                                                     : m_loaded.saleCode);
    FillTable(m_loaded.lines);
    m_ratesTime = m_loaded.ratesTime;
    ShowRatesTime();
    chkCurrencyOn_Click();
}

void CurrenciesTab::FillTable(const QList<CurrencyLine>& lines)
{
    for (int row = 0; row < CurrencyBoard::MaxLines; ++row) {
        const CurrencyLine* line = row < lines.size() ? &lines[row] : nullptr;
        grdRates->setItem(row, ColumnCode, new QTableWidgetItem(line ? line->code : QString()));
        grdRates->setItem(row, ColumnSign, new QTableWidgetItem(line ? line->sign : QString()));
        grdRates->setItem(row, ColumnRate,
                          new QTableWidgetItem(line && line->rate > 0 ? CurrencyRate::Text(line->rate) : QString()));
        QComboBox* steps = StepBox(grdRates, row);
        steps->setCurrentIndex(std::max(0, steps->findData(line ? line->step : 1)));
    }
}

QList<CurrencyLine> CurrenciesTab::TableLines() const
{
    QList<CurrencyLine> lines;
    for (int row = 0; row < CurrencyBoard::MaxLines; ++row) {
        CurrencyLine line;
        line.code = CellText(grdRates, row, ColumnCode).toUpper();
        line.sign = CellText(grdRates, row, ColumnSign).left(CurrencyBoard::MaxSignLength);
        const QString rate = CellText(grdRates, row, ColumnRate);
        if (line.code.isEmpty() && rate.isEmpty())
            continue;
        line.rate = CurrencyRate::Parse(rate).value_or(0);
        line.step = StepBox(grdRates, row)->currentData().toInt();
        if (line.sign.isEmpty())
            line.sign = CurrencyBoard::SignForCode(line.code);
        lines.append(line);
    }
    return lines;
}

bool CurrenciesTab::Validate()
{
    auto refuse = [this](int row, int column, const QString& message) {
        if (QTabWidget* tabs = qobject_cast<QTabWidget*>(parentWidget() ? parentWidget()->parentWidget() : nullptr))
            tabs->setCurrentWidget(this);
        if (row >= 0) {
            grdRates->setCurrentCell(row, column);
            grdRates->setFocus();
        } else {
            txtSaleCode->setFocus();
        }
        Prompts::Inform(this, message, Prompts::Icon::Warning);
        return false;
    };
    const QString saleCode = txtSaleCode->text().trimmed().toUpper();
    if (!saleCode.isEmpty() && !CurrencyBoard::IsCode(saleCode))
        return refuse(-1, 0, tr("The sale's currency code must be three letters, such as EUR."));
    for (int row = 0; row < CurrencyBoard::MaxLines; ++row) {
        const QString code = CellText(grdRates, row, ColumnCode).toUpper();
        const QString rate = CellText(grdRates, row, ColumnRate);
        if (code.isEmpty() && rate.isEmpty())
            continue;
        if (!CurrencyBoard::IsCode(code))
            return refuse(row, ColumnCode,
                          tr("The currency code on line %1 must be three letters, such as USD.").arg(row + 1));
        CurrencyRate::Error error = CurrencyRate::Error::None;
        if (!CurrencyRate::Parse(rate, &error))
            return refuse(row, ColumnRate, CurrencyRate::Message(error, code));
    }
    return true;
}

CurrencyBoard CurrenciesTab::Pending() const
{
    CurrencyBoard board;
    board.enabled = chkCurrencyOn->isChecked();
    const QString saleCode = txtSaleCode->text().trimmed().toUpper();
    board.saleCode = CurrencyBoard::IsCode(saleCode) ? saleCode : QString();
    for (const CurrencyLine& line : TableLines())
        if (CurrencyBoard::IsCode(line.code) && line.rate > 0)
            board.lines.append(line);
    board.ratesTime = m_ratesTime;
    return board;
}

bool CurrenciesTab::Commit(SettingsStore& store)
{
    CurrencyBoard pending = Pending();
    // Rates typed by hand hold from the moment they are confirmed.
    if (!pending.SameRates(m_loaded) && pending.ratesTime == m_loaded.ratesTime) {
        const QDateTime now = QDateTime::currentDateTime();
        pending.ratesTime = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()));
        m_ratesTime = pending.ratesTime;
    }
    // A user who never turns the board on finds nothing of it in the settings.
    if (!pending.enabled && !CurrencyBoard::IsStored(store)) {
        m_committed = CurrencyBoard();
        return true;
    }
    m_committed = pending;
    if (pending == m_loaded)
        return true;
    return pending.Save(store);
}

void CurrenciesTab::chkCurrencyOn_Click()
{
    const bool on = chkCurrencyOn->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{lblSaleCode, txtSaleCode, grdRates, cmdImportRates})
        control->setEnabled(on);
}

void CurrenciesTab::ShowRatesTime()
{
    CurrencyBoard board;
    board.ratesTime = m_ratesTime;
    lblRatesTime->setText(board.RatesTimeText());
    // Nothing to read out before there are rates.
    lblRatesTime->setVisible(!lblRatesTime->text().isEmpty());
}

void CurrenciesTab::cmdImportRates_Click()
{
    const QString saleCode = txtSaleCode->text().trimmed().toUpper();
    if (!CurrencyBoard::IsCode(saleCode)) {
        txtSaleCode->setFocus();
        Prompts::Inform(this, tr("Enter the sale's currency code (such as EUR) before importing rates."),
                        Prompts::Icon::Warning);
        return;
    }
    const QString path = Prompts::OpenFileName(this, tr("Import Rates"), QDir::homePath(),
                                               tr("Euro reference rates (*.csv *.zip);;All files (*)"));
    if (path.isEmpty())
        return;
    const EuroRates file = EuroRates::FromFile(path);
    const EuroRates::Applied applied = file.ok() ? file.ApplyTo(TableLines(), saleCode) : EuroRates::Applied{};
    const QString error = file.ok() ? applied.error : file.error;
    if (!error.isEmpty()) {
        Prompts::Inform(this, error, Prompts::Icon::Warning);
        return;
    }
    FillTable(applied.lines);
    const QDateTime now = QDateTime::currentDateTime();
    m_ratesTime = QDateTime(now.date(), QTime(now.time().hour(), now.time().minute()));
    ShowRatesTime();
    if (!applied.missing.isEmpty())
        Prompts::Inform(this,
                        tr("The rates file has no rate for %1. Those rates were left as they were.")
                            .arg(applied.missing.join(QStringLiteral(", "))),
                        Prompts::Icon::Warning);
}
