#include "clerk/frmSaleDetails.h"

#include "common/Prompts.h"
#include "records/NumberText.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum TierColumn
{
    UpTo,
    Rate
};

QLineEdit* Line(const QString& name, const QString& text, QWidget* parent)
{
    auto* line = new QLineEdit(text, parent);
    line->setObjectName(name);
    line->setMaxLength(static_cast<int>(SaleDetails::MaxLength));
    return line;
}

} // namespace

frmSaleDetails::frmSaleDetails(const SaleDetails& details, const SaleTerms& terms, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmSaleDetails"));
    setWindowTitle(tr("Gavelor - Sale Details"));
    auto* layout = new QVBoxLayout(this);

    auto* sale = new QGroupBox(tr("The sale"), this);
    auto* saleForm = new QFormLayout(sale);
    txtHouse = Line(QStringLiteral("txtHouse"), details.house, sale);
    txtAddress = new QPlainTextEdit(details.address, sale);
    txtAddress->setObjectName(QStringLiteral("txtAddress"));
    txtAddress->setTabChangesFocus(true);
    txtAddress->setFixedHeight(txtAddress->fontMetrics().lineSpacing() * 4);
    txtTitle = Line(QStringLiteral("txtTitle"), details.title, sale);
    txtVenue = Line(QStringLiteral("txtVenue"), details.venue, sale);
    txtDate = Line(QStringLiteral("txtDate"), details.date, sale);
    saleForm->addRow(tr("&House:"), txtHouse);
    saleForm->addRow(tr("&Address:"), txtAddress);
    saleForm->addRow(tr("Sale &title:"), txtTitle);
    saleForm->addRow(tr("&Venue:"), txtVenue);
    saleForm->addRow(tr("&Date:"), txtDate);
    layout->addWidget(sale);

    auto* money = new QGroupBox(tr("Terms of sale"), this);
    auto* moneyForm = new QFormLayout(money);
    tblPremium = new QTableWidget(SaleTerms::MaxTiers, 2, money);
    tblPremium->setObjectName(QStringLiteral("tblPremium"));
    tblPremium->setHorizontalHeaderLabels({tr("Up to"), tr("Rate %")});
    tblPremium->verticalHeader()->hide();
    tblPremium->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    tblPremium->setFixedHeight(tblPremium->horizontalHeader()->sizeHint().height() +
                               SaleTerms::MaxTiers * tblPremium->verticalHeader()->defaultSectionSize() + 4);
    tblPremium->setTabKeyNavigation(false);
    tblPremium->setAccessibleName(tr("Buyer's premium"));
    for (int row = 0; row < SaleTerms::MaxTiers; ++row) {
        const bool tier = static_cast<size_t>(row) < terms.premium.size();
        const SaleTerms::Tier shown = tier ? terms.premium[static_cast<size_t>(row)] : SaleTerms::Tier{};
        tblPremium->setItem(row, UpTo, new QTableWidgetItem(shown.upTo > 0 ? QString::number(shown.upTo) : QString()));
        tblPremium->setItem(row, Rate, new QTableWidgetItem(tier ? shown.rate.Text() : QString()));
    }
    moneyForm->addRow(tr("Buyer's &premium:"), tblPremium);
    txtTaxName = Line(QStringLiteral("txtTaxName"), terms.taxName, money);
    txtTaxRate =
        Line(QStringLiteral("txtTaxRate"), terms.taxRate.tenThousandths ? terms.taxRate.Text() : QString(), money);
    chkTaxOnHammer = new QCheckBox(tr("Tax the ha&mmer as well"), money);
    chkTaxOnHammer->setObjectName(QStringLiteral("chkTaxOnHammer"));
    chkTaxOnHammer->setChecked(terms.taxOnHammer);
    txtCommission = Line(QStringLiteral("txtCommission"),
                         terms.commission.tenThousandths ? terms.commission.Text() : QString(), money);
    moneyForm->addRow(tr("Tax &name:"), txtTaxName);
    moneyForm->addRow(tr("Tax &rate %:"), txtTaxRate);
    moneyForm->addRow(QString(), chkTaxOnHammer);
    moneyForm->addRow(tr("Vendors' &commission %:"), txtCommission);
    layout->addWidget(money);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

SaleDetails frmSaleDetails::Details() const
{
    return SaleDetails{txtHouse->text(), txtAddress->toPlainText(), txtTitle->text(), txtVenue->text(), txtDate->text()}
        .Trimmed();
}

std::optional<SaleTerms> frmSaleDetails::Terms()
{
    SaleTerms terms;
    const auto refuse = [this](const QString& why) {
        Prompts::Inform(this, why, Prompts::Icon::Warning);
        return std::nullopt;
    };
    const auto rate = [](const QString& text) {
        return text.trimmed().isEmpty() ? std::optional<Percent>(Percent{}) : Percent::Parse(text);
    };
    for (int row = 0; row < tblPremium->rowCount(); ++row) {
        const QString limitText = tblPremium->item(row, UpTo)->text().trimmed();
        const QString rateText = tblPremium->item(row, Rate)->text().trimmed();
        if (limitText.isEmpty() && rateText.isEmpty())
            continue;
        const std::optional<Percent> tierRate = Percent::Parse(rateText);
        const std::optional<qint64> limit =
            limitText.isEmpty() ? std::optional<qint64>(0) : NumberText::ToWholeNumber(limitText, 1, 999'999'999);
        if (!tierRate || !limit)
            return refuse(tr("Row %1 of the buyer's premium needs a rate from 0 to 100 % (up to four decimals) "
                             "and a whole amount as its limit, or no limit on the last row.")
                              .arg(row + 1));
        terms.premium.push_back({*limit, *tierRate});
    }
    if (const QString problem = terms.Problem(); !problem.isEmpty())
        return refuse(problem);
    const std::optional<Percent> tax = rate(txtTaxRate->text());
    const std::optional<Percent> commission = rate(txtCommission->text());
    if (!tax || !commission)
        return refuse(tr("A rate is a number from 0 to 100 with up to four decimals, such as 20 or 12.5."));
    terms.taxName = txtTaxName->text().trimmed();
    terms.taxRate = *tax;
    terms.taxOnHammer = chkTaxOnHammer->isChecked();
    terms.commission = *commission;
    return terms;
}

void frmSaleDetails::accept()
{
    if (Terms())
        QDialog::accept();
}
