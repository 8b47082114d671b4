#pragma once

#include <QObject>

class QWidget;
class SaleJournal;

// Before a sale's results are let go (a new sale, another sale opened, the end of the run):
// one more try to put what waits on the disk, and a question when the disk still refuses.
namespace PendingMarks {

enum class Purpose
{
    NewSale,
    OpenEarlier,
    Quit
};

// True when nothing would be lost, or the operator chose to go on and drop what waits.
bool MayDrop(QWidget* parent, SaleJournal& sale, Purpose purpose);

// Asks before the window it watches closes with results not on the disk; a No keeps it open.
class CloseGuard : public QObject
{
public:
    CloseGuard(SaleJournal& sale, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    SaleJournal& m_sale;
};

} // namespace PendingMarks
