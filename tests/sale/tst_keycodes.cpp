#include "sale/KeyCodes.h"

#include <QKeyEvent>
#include <QTest>

class tst_KeyCodes : public QObject
{
    Q_OBJECT

private slots:
    void fromQtKey_data();
    void fromQtKey();
    void byKeyPosition_data();
    void byKeyPosition();
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
    QCOMPARE(int(KeyCodes::FromQtKey(key, modifiers | Qt::ShiftModifier)), expected);
    QCOMPARE(int(KeyCodes::FromQtKey(key, modifiers | Qt::ControlModifier)), expected);
    QKeyEvent event(QEvent::KeyPress, key, modifiers);
    QCOMPARE(int(KeyCodes::FromKeyEvent(&event)), expected);
}

// Events as the keyboards produce them: a US keyboard with Shift held and a French
// AZERTY keyboard, with the XKB keycode that xcb and Wayland report, or none (offscreen).
void tst_KeyCodes::byKeyPosition_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("xkbKeycode");
    QTest::addColumn<int>("expected");
    QTest::addColumn<int>("typed");
    const int shift = Qt::ShiftModifier;
    const int keypad = Qt::KeypadModifier;
    // Without a scan code.
    QTest::newRow("US Shift+1 (!)") << int(Qt::Key_Exclam) << shift << 0 << 49 << 49;
    QTest::newRow("US Shift+6 (^)") << int(Qt::Key_AsciiCircum) << shift << 0 << 54 << 54;
    QTest::newRow("US Shift+8 (*)") << int(Qt::Key_Asterisk) << shift << 0 << 56 << 56;
    QTest::newRow("US Shift+9 (()") << int(Qt::Key_ParenLeft) << shift << 0 << 57 << 57;
    QTest::newRow("US Shift+0 ())") << int(Qt::Key_ParenRight) << shift << 0 << 48 << 48;
    QTest::newRow("US Shift+- (_)") << int(Qt::Key_Underscore) << shift << 0 << 189 << 45;
    QTest::newRow("US Shift+= (+)") << int(Qt::Key_Plus) << shift << 0 << 187 << 43;
    QTest::newRow("US Shift+. (>)") << int(Qt::Key_Greater) << shift << 0 << 190 << 46;
    QTest::newRow("keypad * stays") << int(Qt::Key_Asterisk) << keypad << 0 << 106 << -1;
    QTest::newRow("letter Q") << int(Qt::Key_Q) << shift << 0 << 81 << -1;
    // With the XKB keycode.
    QTest::newRow("US Shift+1 by keycode") << int(Qt::Key_Exclam) << shift << 10 << 49 << 49;
    QTest::newRow("AZERTY 1 (&)") << int(Qt::Key_Ampersand) << 0 << 10 << 49 << 49;
    QTest::newRow("AZERTY 2 (e acute)") << int(Qt::Key_Eacute) << 0 << 11 << 50 << 50;
    QTest::newRow("AZERTY 3 (\")") << int(Qt::Key_QuoteDbl) << 0 << 12 << 51 << 51;
    QTest::newRow("AZERTY 4 (')") << int(Qt::Key_Apostrophe) << 0 << 13 << 52 << 52;
    QTest::newRow("AZERTY 6 (-)") << int(Qt::Key_Minus) << 0 << 15 << 54 << 54;
    QTest::newRow("AZERTY 8 (_)") << int(Qt::Key_Underscore) << 0 << 17 << 56 << 56;
    QTest::newRow("AZERTY 9 (c cedilla)") << int(Qt::Key_Ccedilla) << 0 << 18 << 57 << 57;
    QTest::newRow("AZERTY 0 (a grave)") << int(Qt::Key_Agrave) << 0 << 19 << 48 << 48;
    QTest::newRow("AZERTY Shift+5 (5)") << int(Qt::Key_5) << shift << 14 << 53 << 53;
    QTest::newRow("AZERTY minus position ())") << int(Qt::Key_ParenRight) << 0 << 20 << 189 << 45;
    QTest::newRow("AZERTY equals position (=)") << int(Qt::Key_Equal) << 0 << 21 << 187 << 43;
    QTest::newRow("AZERTY full-stop position (:)") << int(Qt::Key_Colon) << 0 << 60 << 190 << 46;
    QTest::newRow("AZERTY ! is no digit") << int(Qt::Key_Exclam) << 0 << 61 << 0 << -1;
    QTest::newRow("AZERTY letter A") << int(Qt::Key_A) << 0 << 24 << 65 << -1;
    QTest::newRow("AZERTY keypad 1") << int(Qt::Key_1) << keypad << 87 << 97 << 49;
    QTest::newRow("keypad - by keycode") << int(Qt::Key_Minus) << keypad << 82 << 109 << 45;
    QTest::newRow("Up by keycode") << int(Qt::Key_Up) << 0 << 111 << 38 << -1;
}

void tst_KeyCodes::byKeyPosition()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, xkbKeycode);
    QFETCH(int, expected);
    QFETCH(int, typed);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), quint32(xkbKeycode), 0, 0);
    const auto scanCodes = xkbKeycode != 0 ? KeyCodes::ScanCodes::Xkb : KeyCodes::ScanCodes::None;
    const qint16 code = KeyCodes::FromKeyEvent(&event, scanCodes);
    QCOMPARE(int(code), expected);
    QCOMPARE(int(KeyCodes::KeyCodeToAsci(code)), typed);
    if (xkbKeycode == 0) {
        // On xcb a synthesised event without a keycode is read by its symbol, too.
        QCOMPARE(int(KeyCodes::FromKeyEvent(&event, KeyCodes::ScanCodes::Xkb)), expected);
    }
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
