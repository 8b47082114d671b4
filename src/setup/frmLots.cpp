#include "setup/frmLots.h"

#include "common/CaptionButton.h"
#include "common/DesignLayout.h"
#include "common/Frame.h"
#include "common/Prompts.h"
#include "common/SelectedRowListView.h"
#include "common/Twips.h"
#include "platform/PasteGuard.h"
#include "records/AppSettings.h"
#include "records/Limits.h"
#include "records/NumberText.h"
#include "records/SettingsStore.h"
#include "records/TextLimits.h"
#include "setup/LotListModel.h"
#include "setup/LotRowDelegate.h"
#include "setup/LotThumbnail.h"
#include "setup/LotsCsv.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextCursor>

#include <algorithm>
#include <optional>

namespace {

constexpr int ClientWidth = 8505;
constexpr int ClientHeight = 7590;
const char* const CsvFilter = QT_TRANSLATE_NOOP("frmLots", "CSV files (*.csv *.txt)");

QPushButton* newButton(const QString& caption, QWidget* container)
{
    // A caption too long for its box wraps within it.
    auto* button = new CaptionButton(caption, container);
    // No button answers Enter for the whole window.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

// A stored value longer than the box admits is shown whole, so that a save refuses it
// instead of quietly storing a cut-off number; the limit comes back as the text shrinks.
void setLimitedText(QLineEdit* box, const QString& text, int limit)
{
    box->setMaxLength(std::max(limit, static_cast<int>(text.size())));
    box->setText(text);
}

} // namespace

frmLots::frmLots(AppSettings& settings, QWidget* parent) : QDialog(parent), m_settings(settings)
{
    setObjectName(QStringLiteral("frmLots"));
    setWindowTitle(tr("Gavelor - Lots"));
    setWindowFlag(Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(Twips::ToPixels(ClientWidth, this), Twips::ToPixels(ClientHeight, this));
    // The controls are laid out in twips for a small dialog face; a larger system font
    // would cut their captions.
    setFont(QFont(QStringLiteral("Arial"), 8));
    createControls();
    Form_Load();
}

frmLots::~frmLots()
{
    // Torn down while still open (its owner went away): the changes are kept all the same.
    if (m_open)
        Form_Unload(false);
}

void frmLots::createControls()
{
    m_model = new LotListModel(this);
    m_model->setMoney(m_settings.Money());

    fraLots = new Frame(tr("Lots:"), this);
    lstLots = new SelectedRowListView(fraLots);
    lstLots->setModel(m_model);
    lstLots->setItemDelegate(new LotRowDelegate(lstLots));
    lstLots->setUniformItemSizes(true);
    lstLots->setSelectionMode(QAbstractItemView::SingleSelection);
    lstLots->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstLots->setAccessibleName(tr("Lots"));
    cmdNew = newButton(tr("&Create New"), fraLots);
    cmdEdit = newButton(tr("&Edit Selected"), fraLots);
    cmdDelete = newButton(tr("&Delete Selected"), fraLots);
    cmdDeleteAll = newButton(tr("Delete &All"), fraLots);
    lblCount = new QLabel(fraLots);
    lblCount->setWordWrap(true); // a six-digit count goes to a second line rather than being cut
    cmdMoveUp = newButton(QStringLiteral("/\\"), fraLots);
    cmdMoveUp->setToolTip(tr("Move selected lot up."));
    // The arrows drawn in slashes mean nothing read aloud.
    cmdMoveUp->setAccessibleName(tr("Move selected lot up"));
    cmdMoveDown = newButton(QStringLiteral("\\/"), fraLots);
    cmdMoveDown->setToolTip(tr("Move selected lot down."));
    cmdMoveDown->setAccessibleName(tr("Move selected lot down"));
    cmdImport = newButton(tr("&Import..."), this);
    cmdImport->setToolTip(tr("Read lots from a CSV file saved by a spreadsheet."));
    cmdExport = newButton(tr("E&xport..."), this);
    cmdExport->setToolTip(tr("Write the lots to a CSV file that a spreadsheet opens."));

    fraLotEdit = new Frame(tr("New Lot"), this);
    lblLotNumber = new QLabel(tr("&Lot #:"), fraLotEdit);
    txtLotNumber = new QLineEdit(fraLotEdit);
    txtLotNumber->setMaxLength(LotNumberMaxLength);
    lblLotNumber->setBuddy(txtLotNumber);
    lblLotAmount = new QLabel(tr("Lot S&tarting $:"), fraLotEdit);
    txtLotAmount = new QLineEdit(fraLotEdit);
    txtLotAmount->setMaxLength(LotAmountMaxLength);
    lblLotAmount->setBuddy(txtLotAmount);
    lblLotNote = new QLabel(tr("Lot &Note:"), fraLotEdit);
    txtLotNote = new QPlainTextEdit(fraLotEdit);
    txtLotNote->setTabChangesFocus(true);
    PasteGuard::setLimit(txtLotNote, LotNoteMaxLength);
    lblLotNote->setBuddy(txtLotNote);
    cmdSaveLot = newButton(tr("&Save"), fraLotEdit);
    cmdOk = newButton(tr("Do&ne Editing Lots"), this);
    lblLotVendor = new QLabel(tr("&Vendor:"), fraLotEdit);
    txtLotVendor = new QLineEdit(fraLotEdit);
    txtLotVendor->setMaxLength(static_cast<int>(Limits::MaxVendor));
    lblLotVendor->setBuddy(txtLotVendor);
    lblLotReserve = new QLabel(tr("&Reserve:"), fraLotEdit);
    txtLotReserve = new QLineEdit(fraLotEdit);
    txtLotReserve->setMaxLength(LotAmountMaxLength);
    txtLotReserve->setToolTip(tr("Never shown to the room."));
    lblLotReserve->setBuddy(txtLotReserve);
    lblLotEstimate = new QLabel(tr("Esti&mate:"), fraLotEdit);
    txtLowEstimate = new QLineEdit(fraLotEdit);
    txtLowEstimate->setMaxLength(LotAmountMaxLength);
    txtLowEstimate->setAccessibleName(tr("Low estimate"));
    lblLotEstimate->setBuddy(txtLowEstimate);
    txtHighEstimate = new QLineEdit(fraLotEdit);
    txtHighEstimate->setMaxLength(LotAmountMaxLength);
    txtHighEstimate->setAccessibleName(tr("High estimate"));
    lblLotPicture = new QLabel(tr("&Picture:"), this);
    txtLotPicture = new QLineEdit(this);
    txtLotPicture->setMaxLength(static_cast<int>(TextLimits::MaxPicture));
    lblLotPicture->setBuddy(txtLotPicture);

    // In tab order; labels and frames take no focus and are passed over.
    // clang-format off
    DesignLayout::Place({
        {fraLots,      u"fraLots",       180,  180, 8115, 3555},
        {lstLots,      u"lstLots",       240,  360, 7155, 2595},
        {cmdNew,       u"cmdNew",        240, 2940, 1395,  435},
        {cmdEdit,      u"cmdEdit",      1740, 2940, 1395,  435},
        {cmdDelete,    u"cmdDelete",    3240, 2940, 1395,  435},
        {cmdDeleteAll, u"cmdDeleteAll", 4740, 2940, 1395,  435},
        {lblCount,     u"lblCount",     6120, 3000, 1275,  375},
        {cmdMoveUp,    u"cmdMoveUp",    7380, 1200,  495,  435},
        {cmdMoveDown,  u"cmdMoveDown",  7380, 1680,  495,  435},
        {cmdImport,    u"cmdImport",     180, 4200, 1395,  435},
        {cmdExport,    u"cmdExport",     180, 4740, 1395,  435},
        {fraLotEdit,   u"fraLotEdit",   1740, 4080, 4875, 2835},
        {lblLotNumber, u"lblLotNumber",  420,  420, 1095,  375},
        {txtLotNumber, u"txtLotNumber", 1500,  420, 1215,  375},
        {lblLotAmount, u"lblLotAmount",  420,  960, 1095,  375},
        {txtLotAmount, u"txtLotAmount", 1500,  960, 1215,  375},
        {lblLotNote,   u"lblLotNote",    420, 1500, 1095,  375},
        {txtLotNote,   u"txtLotNote",   1500, 1500, 3015,  615},
        {cmdSaveLot,   u"cmdSaveLot",   3360, 2280, 1215,  375},
        {cmdOk,        u"cmdOk",        7140, 6900, 1275,  615},
        // Beside and under the fields above, after them in tab order.
        {lblLotVendor,    u"lblLotVendor",    2820,  420,  900,  375},
        {txtLotVendor,    u"txtLotVendor",    3720,  420, 1035,  375},
        {lblLotReserve,   u"lblLotReserve",   2820,  960,  900,  375},
        {txtLotReserve,   u"txtLotReserve",   3720,  960, 1035,  375},
        {lblLotEstimate,  u"lblLotEstimate",   420, 2280, 1080,  375},
        {txtLowEstimate,  u"txtLowEstimate",  1500, 2280,  810,  375},
        {txtHighEstimate, u"txtHighEstimate", 2370, 2280,  885,  375},
        {lblLotPicture,   u"lblLotPicture",    180, 7020, 1095,  375},
        {txtLotPicture,   u"txtLotPicture",   1275, 7020, 5340,  375},
    }, this);
    // clang-format on

    // In the free room right of the lot being edited; it takes no focus.
    picLotPicture = new LotThumbnail(this);
    DesignLayout::Place({picLotPicture, u"picLotPicture", 6750, 4140, 1575, 1575}, this);

    connect(lstLots->selectionModel(), &QItemSelectionModel::selectionChanged, this, &frmLots::lstLots_Click);
    connect(cmdNew, &QPushButton::clicked, this, &frmLots::cmdNew_Click);
    connect(cmdEdit, &QPushButton::clicked, this, &frmLots::cmdEdit_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &frmLots::cmdDelete_Click);
    connect(cmdDeleteAll, &QPushButton::clicked, this, &frmLots::cmdDeleteAll_Click);
    connect(cmdMoveUp, &QPushButton::clicked, this, &frmLots::cmdMoveUp_Click);
    connect(cmdMoveDown, &QPushButton::clicked, this, &frmLots::cmdMoveDown_Click);
    connect(cmdImport, &QPushButton::clicked, this, &frmLots::cmdImport_Click);
    connect(cmdExport, &QPushButton::clicked, this, &frmLots::cmdExport_Click);
    connect(cmdSaveLot, &QPushButton::clicked, this, &frmLots::cmdSaveLot_Click);
    connect(cmdOk, &QPushButton::clicked, this, &frmLots::cmdOk_Click);
    connect(txtLotNote, &QPlainTextEdit::textChanged, this, &frmLots::txtLotNote_Change);
    for (auto [box, limit] :
         {std::pair{txtLotNumber, LotNumberMaxLength}, std::pair{txtLotAmount, LotAmountMaxLength}}) {
        connect(box, &QLineEdit::textEdited, this, [box, limit](const QString& text) {
            box->setMaxLength(std::max(limit, static_cast<int>(text.size())));
        });
    }
}

void frmLots::Form_Load()
{
    m_model->setLots(m_settings.LotList ? m_settings.LotList->Copy() : std::make_shared<LotCollection>());
    m_editLot.reset();
    m_needsLoad = false;
    FillLotList(0);
    SetLotEditor(nullptr, true);
}

void frmLots::showEvent(QShowEvent* event)
{
    // Shown again after closing: start afresh from the program's lot list.
    if (m_needsLoad)
        Form_Load();
    m_open = true;
    QDialog::showEvent(event);
}

void frmLots::keyPressEvent(QKeyEvent* event)
{
    // Escape has no meaning here; the window closes only in the ways that keep the lots.
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmLots::done(int result)
{
    Form_Unload(true);
    QDialog::done(result);
}

void frmLots::Form_Unload(bool tellFailure)
{
    if (!m_open)
        return;
    m_open = false;
    m_needsLoad = true;
    m_editLot.reset();
    m_settings.LotList = m_model->lots();
    if (!m_settings.SaveLots() && tellFailure) {
        Prompts::Inform(this,
                        tr("The lots could not be written to the settings file: %1. They stay in use "
                           "until Gavelor is closed.")
                            .arg(m_settings.store().lastError()),
                        Prompts::Icon::Warning);
    }
}

int frmLots::selectedRow() const
{
    const QModelIndexList rows = lstLots->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void frmLots::FillLotList(qint32 SelectPosition)
{
    // The rows already follow the working list; what is left is the selection and the buttons.
    const bool any = lstLots->selectWithin(SelectPosition > 0 ? SelectPosition - 1 : selectedRow());
    cmdEdit->setEnabled(any);
    cmdDelete->setEnabled(any);
    cmdDeleteAll->setEnabled(any);
    lblCount->setText(tr("Total Lots: ") + NumberText::Plain(m_model->lots()->Count()));
    UpdateMoveButtons();
}

void frmLots::SetLotEditor(const LotInfo* Lot, bool Disable, bool FocusLotNumber)
{
    const bool enabled = !Disable;
    for (QWidget* control :
         {static_cast<QWidget*>(fraLotEdit), static_cast<QWidget*>(lblLotNumber), static_cast<QWidget*>(lblLotAmount),
          static_cast<QWidget*>(lblLotNote), static_cast<QWidget*>(txtLotNumber), static_cast<QWidget*>(txtLotAmount),
          static_cast<QWidget*>(txtLotNote), static_cast<QWidget*>(cmdSaveLot)})
        control->setEnabled(enabled);
    for (QWidget* control : {static_cast<QWidget*>(lblLotVendor), static_cast<QWidget*>(txtLotVendor),
                             static_cast<QWidget*>(lblLotReserve), static_cast<QWidget*>(txtLotReserve),
                             static_cast<QWidget*>(lblLotEstimate), static_cast<QWidget*>(txtLowEstimate),
                             static_cast<QWidget*>(txtHighEstimate), static_cast<QWidget*>(lblLotPicture),
                             static_cast<QWidget*>(txtLotPicture)})
        control->setEnabled(enabled);
    // Focus before the texts: filled first, the field's caret moves ahead of its focus, and Orca
    // then takes the focus as known and says nothing of where it went.
    if (FocusLotNumber)
        txtLotNumber->setFocus();

    const QString note = Lot ? Lot->Note : QString();
    fraLotEdit->setTitle(Lot ? tr("Edit Lot") : tr("New Lot"));
    setLimitedText(txtLotNumber, Lot ? NumberText::Plain(Lot->LotNumber) : QString(), LotNumberMaxLength);
    setLimitedText(txtLotAmount, Lot ? NumberText::Plain(Lot->Amount) : QString(), LotAmountMaxLength);
    const auto amountText = [](const std::optional<qint32>& value) {
        return value ? NumberText::Plain(*value) : QString();
    };
    setLimitedText(txtLotReserve, Lot ? amountText(Lot->Reserve) : QString(), LotAmountMaxLength);
    setLimitedText(txtLowEstimate, Lot ? amountText(Lot->LowEstimate) : QString(), LotAmountMaxLength);
    setLimitedText(txtHighEstimate, Lot ? amountText(Lot->HighEstimate) : QString(), LotAmountMaxLength);
    setLimitedText(txtLotVendor, Lot ? Lot->Vendor : QString(), static_cast<int>(Limits::MaxVendor));
    setLimitedText(txtLotPicture, Lot ? Lot->Picture : QString(), static_cast<int>(TextLimits::MaxPicture));
    m_noteLength = note.size();
    txtLotNote->setPlainText(note);
    txtLotNote->moveCursor(QTextCursor::End);
}

void frmLots::UpdateMoveButtons()
{
    const int selected = selectedRow();
    const int rows = m_model->rowCount();
    cmdMoveUp->setEnabled(selected > 0);
    cmdMoveDown->setEnabled(selected >= 0 && selected < rows - 1);
}

void frmLots::lstLots_Click()
{
    UpdateMoveButtons();
    ShowSelectedPicture();
}

void frmLots::setLotPictures(LotPictureLoader* pictures)
{
    picLotPicture->setLoader(pictures);
    ShowSelectedPicture();
}

void frmLots::ShowSelectedPicture()
{
    const qint32 position = selectedRow() + 1;
    const LotCollectionPtr& lots = m_model->lots();
    const LotInfoPtr lot = lots ? lots->Item(position) : nullptr;
    if (!lot) {
        picLotPicture->ShowNone();
        return;
    }
    QList<qint32> neighbours;
    for (qint32 near : {position + 1, position - 1})
        if (const LotInfoPtr other = lots->Item(near))
            neighbours.append(other->LotNumber);
    picLotPicture->ShowLot(lot->LotNumber, neighbours);
}

void frmLots::cmdNew_Click()
{
    m_editLot.reset();
    SetLotEditor(nullptr, false, true);
}

void frmLots::cmdEdit_Click()
{
    m_editLot = m_model->lots()->Item(selectedRow() + 1);
    SetLotEditor(m_editLot.get(), false, true);
}

void frmLots::cmdDelete_Click()
{
    if (!Prompts::Confirm(this, tr("Are you sure you want to delete this lot?"), Prompts::Icon::Question))
        return;
    const qint32 position = selectedRow() + 1;
    m_model->removeLot(position);
    FillLotList(position);
    m_editLot.reset();
    SetLotEditor(nullptr, true);
}

void frmLots::cmdDeleteAll_Click()
{
    if (!Prompts::Confirm(this, tr("Are you sure you want to delete ALL of the lots?  This cannot be undone."),
                          Prompts::Icon::Warning))
        return;
    m_model->clear();
    FillLotList(0);
    m_editLot.reset();
    SetLotEditor(nullptr, true);
}

void frmLots::MoveSelectedLot(qint32 offset)
{
    const qint32 position = selectedRow() + 1;
    if (!m_model->lots()->Item(position))
        return;
    m_model->moveLot(position, position + offset);
    FillLotList(position + offset);
}

void frmLots::cmdMoveUp_Click()
{
    MoveSelectedLot(-1);
}

void frmLots::cmdMoveDown_Click()
{
    MoveSelectedLot(1);
}

void frmLots::cmdImport_Click()
{
    if (m_csvDirectory.isEmpty())
        m_csvDirectory = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = Prompts::OpenFileName(this, tr("Import Lots"), m_csvDirectory, tr(CsvFilter));
    if (path.isEmpty())
        return;
    m_csvDirectory = QFileInfo(path).absolutePath();
    const QString fileName = QFileInfo(path).fileName();

    const LotsCsv::Reading reading = LotsCsv::Read(path);
    if (!reading.ok()) {
        Prompts::Inform(this, LotsCsv::FailureMessage(reading, fileName), Prompts::Icon::Warning);
        return;
    }
    enum
    {
        Append,
        Replace,
        Cancel
    };
    const qint32 count = reading.lots->Count();
    const QString question = (count == 1 ? tr("%1 lot was read from \"%2\".") : tr("%1 lots were read from \"%2\"."))
                                 .arg(count)
                                 .arg(fileName) +
                             tr("\n\nAppend them to the list, or replace the list with them?");
    const int answer = Prompts::Choose(this, question, {tr("&Append"), tr("&Replace"), tr("Cancel")}, Append, Cancel,
                                       Prompts::Icon::Question);
    if (answer != Append && answer != Replace)
        return;

    qint32 firstImported = 1;
    if (answer == Replace) {
        m_model->setLots(reading.lots);
        // The lot being edited is gone with the list it came from.
        m_editLot.reset();
        SetLotEditor(nullptr, true);
    } else {
        firstImported = m_model->lots()->Count() + 1;
        m_model->appendLots(*reading.lots);
    }
    FillLotList(firstImported);
}

void frmLots::cmdExport_Click()
{
    if (m_csvDirectory.isEmpty())
        m_csvDirectory = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path =
        Prompts::SaveFileName(this, tr("Export Lots"), QDir(m_csvDirectory).filePath(QStringLiteral("lots.csv")),
                              tr(CsvFilter), QStringLiteral("csv"));
    if (path.isEmpty())
        return;
    m_csvDirectory = QFileInfo(path).absolutePath();
    const QString error = LotsCsv::Save(path, *m_model->lots());
    if (!error.isEmpty()) {
        Prompts::Inform(this, tr("The lots could not be written to \"%1\": %2").arg(QFileInfo(path).fileName(), error),
                        Prompts::Icon::Warning);
    }
}

void frmLots::cmdSaveLot_Click()
{
    const std::optional<double> lotNumber = NumberText::ToNumber(txtLotNumber->text());
    const std::optional<double> amount = NumberText::ToNumber(txtLotAmount->text());
    const QString note = txtLotNote->toPlainText();
    // A note stored longer than the editor admits may be kept as it is (txtLotNote_Change).
    const Limits::LotCheck check =
        Limits::CheckLot(lotNumber, amount, note.size(), std::max<qsizetype>(LotNoteMaxLength, m_noteLength));
    if (check.field != Limits::LotField::None) {
        QWidget* box = txtLotNote;
        if (check.field == Limits::LotField::LotNumber)
            box = txtLotNumber;
        else if (check.field == Limits::LotField::Amount)
            box = txtLotAmount;
        box->setFocus();
        Prompts::Inform(this, check.message);
        return;
    }
    const auto entry = [](const QLineEdit* box) {
        Limits::OptionalEntry entered;
        entered.given = !box->text().trimmed().isEmpty();
        if (entered.given)
            entered.value = NumberText::ToNumber(box->text());
        return entered;
    };
    const Limits::OptionalEntry reserve = entry(txtLotReserve);
    const Limits::OptionalEntry low = entry(txtLowEstimate);
    const Limits::OptionalEntry high = entry(txtHighEstimate);
    const QString vendor = txtLotVendor->text().trimmed().remove(AppSettings::LotFieldSeparator);
    const Limits::LotCheck extras = Limits::CheckLotExtras(reserve, low, high, vendor.size());
    if (extras.field != Limits::LotField::None) {
        QWidget* box = txtLotVendor;
        if (extras.field == Limits::LotField::Reserve)
            box = txtLotReserve;
        else if (extras.field == Limits::LotField::LowEstimate)
            box = txtLowEstimate;
        else if (extras.field == Limits::LotField::HighEstimate)
            box = txtHighEstimate;
        box->setFocus();
        Prompts::Inform(this, extras.message);
        return;
    }

    auto lot = std::make_shared<LotInfo>();
    lot->LotNumber = static_cast<qint32>(NumberText::RoundHalfEven(*lotNumber));
    lot->Amount = static_cast<qint32>(NumberText::RoundHalfEven(*amount));
    // The field separator of the stored record would cut the note short when read back.
    lot->Note = QString(note).remove(AppSettings::LotFieldSeparator);
    lot->Reserve = reserve.Whole();
    lot->LowEstimate = low.Whole();
    lot->HighEstimate = high.Whole();
    lot->Vendor = vendor;
    lot->Picture = txtLotPicture->text().trimmed().remove(AppSettings::LotFieldSeparator);

    // The edit replaces the lot it was opened on, wherever the moves have taken it.
    // Should that lot be gone, nothing typed is lost: it is added as a new lot.
    const qint32 position = m_editLot ? m_model->lots()->PositionOf(m_editLot.get()) : 0;
    if (position > 0)
        m_model->replaceLot(position, lot);
    else
        m_model->appendLot(lot);
    m_editLot.reset();

    SetLotEditor(nullptr, true);
    FillLotList(position);
}

void frmLots::cmdOk_Click()
{
    accept();
}

void frmLots::txtLotNote_Change()
{
    if (m_trimmingNote)
        return;
    const QString text = txtLotNote->toPlainText();
    // A note loaded longer than the limit may shrink but not grow.
    const qsizetype allowed = std::max<qsizetype>(LotNoteMaxLength, m_noteLength);
    const qsizetype excess = text.size() - allowed;
    if (excess <= 0) {
        m_noteLength = text.size();
        return;
    }
    // What was just typed or pasted ends at the cursor: keep its head, drop the rest.
    QTextCursor cursor = txtLotNote->textCursor();
    qsizetype end = cursor.position();
    if (end < excess || end > text.size())
        end = text.size();
    qsizetype start = end - excess;
    if (start > 0 && text.at(start).isLowSurrogate() && text.at(start - 1).isHighSurrogate())
        --start;
    m_trimmingNote = true;
    cursor.joinPreviousEditBlock();
    cursor.setPosition(static_cast<int>(start));
    cursor.setPosition(static_cast<int>(end), QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    cursor.endEditBlock();
    m_trimmingNote = false;
    m_noteLength = text.size() - (end - start);
}
