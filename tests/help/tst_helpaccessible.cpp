// The help viewer's text as a screen reader reads it: pictures said by their descriptions, and the
// reader's offsets kept in step with the viewer's caret across them.
#include "help/HelpAccessible.h"

#include <QAccessible>
#include <QTest>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextImageFormat>

class tst_HelpAccessible : public QObject
{
    Q_OBJECT

private slots:
    void picturesAreReadByDescription();
};

void tst_HelpAccessible::picturesAreReadByDescription()
{
    QTextEdit viewer;
    HelpAccessible::Install(&viewer);
    viewer.setReadOnly(true);
    QTextCursor cursor(viewer.document());
    cursor.insertText(QStringLiteral("Bid "));
    QTextImageFormat picture;
    picture.setName(QStringLiteral("gavel"));
    picture.setProperty(QTextFormat::ImageAltText, QStringLiteral("A gavel"));
    cursor.insertImage(picture);
    cursor.insertText(QStringLiteral(" here\nNext line"));
    viewer.resize(400, 200);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&viewer);
    QVERIFY(accessible && accessible->textInterface());
    QAccessibleTextInterface* text = accessible->textInterface();
    QCOMPARE(text->text(0, -1), QStringLiteral("Bid A gavel here\nNext line"));
    QCOMPARE(text->characterCount(), 26);

    // The caret after the picture (document position 6) is after its description.
    QTextCursor caret = viewer.textCursor();
    caret.setPosition(6);
    viewer.setTextCursor(caret);
    QCOMPARE(text->cursorPosition(), 12);
    // And back: an offset on the second line is that line's character in the document.
    text->setCursorPosition(18);
    QCOMPARE(viewer.textCursor().position(), 12);

    int start = -1, end = -1;
    QCOMPARE(text->textAtOffset(20, QAccessible::LineBoundary, &start, &end), QStringLiteral("Next line"));
    QCOMPARE(start, 17);
    QCOMPARE(text->textBeforeOffset(20, QAccessible::LineBoundary, &start, &end), QStringLiteral("Bid A gavel here\n"));
    QCOMPARE(start, 0);

    // A document that changes is read anew.
    viewer.setPlainText(QStringLiteral("Loading..."));
    QCOMPARE(text->text(0, -1), QStringLiteral("Loading..."));
}

QTEST_MAIN(tst_HelpAccessible)
#include "tst_helpaccessible.moc"
