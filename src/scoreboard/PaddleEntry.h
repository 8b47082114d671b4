#pragma once

#include <QFrame>
#include <QPointer>

class QLabel;
class QLineEdit;

// The operator's "Paddle:" entry that opens on the scoreboard after a sale, never on the room's
// screen. While it is open it holds the keys: Enter hands over the paddle, Esc skips it.
class PaddleEntry : public QFrame
{
    Q_OBJECT

public:
    // Placed in the board's design geometry, top right, where the room's screen has nothing.
    explicit PaddleEntry(QWidget* board);

    // Shows the entry empty and takes the keys; they go back to `returnFocus` when it closes.
    void Open(QWidget* returnFocus);
    bool isOpen() const { return isVisible(); }
    QLineEdit* edit() const { return m_edit; }

signals:
    void Entered(const QString& paddle);
    void Skipped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Close();

    QLabel* m_label = nullptr;
    QLineEdit* m_edit = nullptr;
    QPointer<QWidget> m_returnFocus;
};
