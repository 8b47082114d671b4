#pragma once

#include <QLineEdit>
#include <QPointer>

class QLabel;

// The operator's "Paddle:" entry that opens on the scoreboard after a sale, never on the room's
// screen. While it is open it holds the keys: Enter hands over the paddle, Esc skips it. It and
// its caption are controls of the board, placed and scaled with the others.
class PaddleEntry : public QLineEdit
{
    Q_OBJECT

public:
    // Placed in the board's design geometry, top right, where the room's screen has nothing.
    explicit PaddleEntry(QWidget* board);

    // Shows the entry empty and takes the keys; they go back to `returnFocus` when it closes.
    void Open(QWidget* returnFocus);
    bool isOpen() const { return isVisible(); }
    // Closes it as Esc would.
    void Cancel();
    QLabel* caption() const { return m_caption; }

signals:
    void Entered(const QString& paddle);
    void Skipped();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Close();

    QLabel* m_caption = nullptr;
    QPointer<QWidget> m_returnFocus;
};
