#pragma once

#include <QLabel>
#include <QPointer>

class SaleJournal;

// A small sign on the operator's scoreboard, never on the room's screen: "not saved" while
// results wait for a disk that refuses them, "new journal" once the journal was replaced
// under the running program and the sale went on in another file. Hidden otherwise.
class SavingSign : public QLabel
{
    Q_OBJECT

public:
    // Placed in the board's design geometry, top right, where the room's screen has nothing.
    explicit SavingSign(QWidget* board);

    void setSale(SaleJournal* sale);

private:
    void Update();

    QPointer<SaleJournal> m_sale;
};
