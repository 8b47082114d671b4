#include "scoreboard/KeyCodes.h"

#include <QKeyEvent>
#include <QTest>

class tst_KeyCodes : public QObject
{
    Q_OBJECT

private slots:
    void fromQtKey_data();
    void fromQtKey();
    void keyCodeToAsci_data();
    void keyCodeToAsci();
    void onlyTypingKeysHaveCharacters();
};

void tst_KeyCodes::fromQtKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<int>("expected");
    QTest::newRow("F1") << int(Qt::Key_F1) << false << 112;
    QTest::newRow("F2") << int(Qt::Key_F2) << false << 113;
    QTest::newRow("F3") << int(Qt::Key_F3) << false << 114;
    QTest::newRow("F11") << int(Qt::Key_F11) << false << 122;
    QTest::newRow("Left") << int(Qt::Key_Left) << false << 37;
    QTest::newRow("Up") << int(Qt::Key_Up) << false << 38;
    QTest::newRow("Right") << int(Qt::Key_Right) << false << 39;
    QTest::newRow("Down") << int(Qt::Key_Down) << false << 40;
    QTest::newRow("Return") << int(Qt::Key_Return) << false << 13;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << true << 13;
    QTest::newRow("Space") << int(Qt::Key_Space) << false << 32;
    QTest::newRow("main 0") << int(Qt::Key_0) << false << 48;
    QTest::newRow("keypad 0") << int(Qt::Key_0) << true << 96;
    QTest::newRow("keypad +") << int(Qt::Key_Plus) << true << 107;
    QTest::newRow("keypad -") << int(Qt::Key_Minus) << true << 109;
    QTest::newRow("keypad *") << int(Qt::Key_Asterisk) << true << 106;
    QTest::newRow("keypad /") << int(Qt::Key_Slash) << true << 111;
    QTest::newRow("keypad .") << int(Qt::Key_Period) << true << 110;
    QTest::newRow("keypad , (decimal comma)") << int(Qt::Key_Comma) << true << 110;
    QTest::newRow("main =") << int(Qt::Key_Equal) << false << 187;
    QTest::newRow("main + (shifted =)") << int(Qt::Key_Plus) << false << 187;
    QTest::newRow("main -") << int(Qt::Key_Minus) << false << 189;
    QTest::newRow("main .") << int(Qt::Key_Period) << false << 190;
    QTest::newRow("main ,") << int(Qt::Key_Comma) << false << 188;
    QTest::newRow("NumLock") << int(Qt::Key_NumLock) << false << 144;
    QTest::newRow("A") << int(Qt::Key_A) << false << 65;
    QTest::newRow("Tab") << int(Qt::Key_Tab) << false << 9;
    QTest::newRow("Escape") << int(Qt::Key_Escape) << false << 27;
    // The keypad with NumLock off reports navigation keys: they are those keys.
    QTest::newRow("keypad 0 unlocked: Insert") << int(Qt::Key_Insert) << true << 45;
    QTest::newRow("keypad 1 unlocked: End") << int(Qt::Key_End) << true << 35;
    QTest::newRow("keypad 2 unlocked: Down") << int(Qt::Key_Down) << true << 40;
    QTest::newRow("keypad 5 unlocked: Clear") << int(Qt::Key_Clear) << true << 12;
    QTest::newRow("keypad . unlocked: Delete") << int(Qt::Key_Delete) << true << 46;
    QTest::newRow("unknown key") << int(Qt::Key_Launch0) << false << 0;
}

void tst_KeyCodes::fromQtKey()
{
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(int, expected);
    const Qt::KeyboardModifiers modifiers = keypad ? Qt::KeypadModifier : Qt::NoModifier;
    QCOMPARE(int(KeyCodes::FromQtKey(key, modifiers)), expected);
    // Shift or Ctrl held do not change the key.
    QCOMPARE(int(KeyCodes::FromQtKey(key, modifiers | Qt::ControlModifier)), expected);
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCOMPARE(int(KeyCodes::FromKeyEvent(&event)), expected);
}

void tst_KeyCodes::keyCodeToAsci_data()
{
    QTest::addColumn<int>("keyCode");
    QTest::addColumn<int>("expected");
    QTest::newRow("Space") << 32 << 32;
    QTest::newRow("Enter") << 13 << 13;
    QTest::newRow("main = / +") << 187 << 43;
    QTest::newRow("keypad +") << 107 << 43;
    QTest::newRow("main -") << 189 << 45;
    QTest::newRow("keypad -") << 109 << 45;
    QTest::newRow("keypad 0") << 96 << 48;
    QTest::newRow("keypad 5") << 101 << 53;
    QTest::newRow("main 0") << 48 << 48;
    QTest::newRow("keypad .") << 110 << 46;
    QTest::newRow("main .") << 190 << 46;
    QTest::newRow("below digits") << 47 << -1;
    QTest::newRow("above digits") << 58 << -1;
    QTest::newRow("below keypad digits") << 95 << -1;
    QTest::newRow("keypad *") << 106 << -1;
    QTest::newRow("keypad separator") << 108 << -1;
    QTest::newRow("keypad /") << 111 << -1;
    QTest::newRow("main ,") << 188 << -1;
    QTest::newRow("letter A") << 65 << -1;
    QTest::newRow("Up") << 38 << -1;
    QTest::newRow("F1") << 112 << -1;
    QTest::newRow("NumLock") << 144 << -1;
    QTest::newRow("no key") << 0 << -1;
    QTest::newRow("negative") << -1 << -1;
}

void tst_KeyCodes::keyCodeToAsci()
{
    QFETCH(int, keyCode);
    QFETCH(int, expected);
    QCOMPARE(int(KeyCodes::KeyCodeToAsci(static_cast<qint16>(keyCode))), expected);
}

// Over every key code: a character comes only from the keys that type one.
void tst_KeyCodes::onlyTypingKeysHaveCharacters()
{
    int typing = 0;
    for (int code = -32768; code <= 32767; ++code) {
        if (KeyCodes::KeyCodeToAsci(static_cast<qint16>(code)) != -1)
            ++typing;
    }
    // Space, Enter, two +, two -, 10 keypad digits, 10 digits, two decimal points.
    QCOMPARE(typing, 28);
}

QTEST_GUILESS_MAIN(tst_KeyCodes)
#include "tst_keycodes.moc"
