// Documents written by real word processors (made by corpus/make-corpus.sh) as the help viewer
// reads them.
#include "help/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextLayout>
#include <QTextTable>

class tst_HelpCorpus : public QObject
{
    Q_OBJECT

private slots:
    void document_data();
    void document();
};

namespace {

constexpr qreal ViewerWidth = 600;

QStringList L(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list.append(QString::fromUtf8(item));
    return list;
}

QString CellSpan(const QTextDocument& document, const QString& marker)
{
    const QTextCursor at = document.find(marker);
    QTextTable* table = at.currentTable();
    if (!table)
        return marker + QStringLiteral(": no table");
    const QTextTableCell cell = table->cellAt(at);
    return QStringLiteral("%1:%2x%3").arg(marker).arg(cell.rowSpan()).arg(cell.columnSpan());
}

} // namespace

void tst_HelpCorpus::document_data()
{
    QTest::addColumn<QString>("file");
    // Passages in the order they are read.
    QTest::addColumn<QStringList>("texts");
    // Pictures in order, at the size shown in a viewer ViewerWidth wide.
    QTest::addColumn<QList<QSize>>("pictures");
    // The text of a list item long enough to wrap.
    QTest::addColumn<QString>("listItem");
    // Table cells as "text:rows x columns" spanned.
    QTest::addColumn<QStringList>("cells");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("inTextBox");

    const QString item = QStringLiteral("This item is long enough");
    const QString note = QStringLiteral("The footnote text lies at the end.");
    QTest::newRow("Writer from HTML") << QStringLiteral("writer-from-html.rtf")
                                      << L({"House rules", "Bidders register", "Fees", "Buyer", "15%", "10%", "5%",
                                            "Payment", "x2 and CO2"})
                                      << QList<QSize>{{120, 80}, {600, 3}} << item
                                      << L({"Fees:1x3", "Buyer:1x1", "10%:2x1", "5%:1x1"}) << QString() << QString();
    QTest::newRow("Writer from Word") << QStringLiteral("writer-from-docx.rtf")
                                      << L({"Sale day", "Read the notes1 before", "Lot", "Table", "the keys", "Keys"}) +
                                             QStringList{note}
                                      << QList<QSize>{{549, 3}} << item << L({"Lot:1x1", "Chair:1x1"}) << note
                                      << QString();
    QTest::newRow("Writer from ODF") << QStringLiteral("writer-from-odt.rtf")
                                     << L({"Sale day", "Read the notes1 before", "Chair", "Keys"}) + QStringList{note}
                                     << QList<QSize>{{600, 3}} << item << L({"Start:1x1"}) << note << QString();
    QTest::newRow("Writer shapes") << QStringLiteral("writer-shapes.rtf")
                                   << L({"Inside the box.", "Before the box.", "Picture:", "after."})
                                   << QList<QSize>{{113, 75}} << QString() << QStringList() << QString()
                                   << QStringLiteral("Inside the box.");
    QTest::newRow("Writer borders") << QStringLiteral("writer-borders.rtf")
                                    << L({"Increments", "From", "Step", "100", "25", "End of the table."})
                                    << QList<QSize>() << QString() << L({"From:1x1", "25:1x1"}) << QString()
                                    << QString();
    QTest::newRow("help file saved by Writer")
        << QStringLiteral("writer-helpfile.rtf")
        << L({"Gavelor", "Scoreboard keys", "F5", "Lot lists as CSV files", "The sale record", "Backing up"})
        << QList<QSize>{{135, 141}} << QStringLiteral("A first row of column names")
        << L({"F4:1x1", "Opens the lot editor.:1x1"}) << QString() << QString();
    QTest::newRow("pandoc") << QStringLiteral("pandoc.rtf")
                            << L({"Sale day", "Read the notes1 before", "Lot", "Table", "Keys"}) + QStringList{note}
                            << QList<QSize>{{600, 5}} << item << L({"Lot:1x1", "250:1x1"}) << note << QString();
    const QStringList samples[] = {L({"cp932", "競売の規則"}), L({"cp936", "拍卖规则"}), L({"cp949", "경매 규칙"}),
                                   L({"cp950", "拍賣規則"})};
    for (const QStringList& sample : samples)
        for (const char* kind : {"ansicpg", "fcharset"})
            QTest::addRow("WordPad %s %s", qPrintable(sample[0]), kind)
                << QStringLiteral("wordpad-%1-%2.rtf").arg(sample[0], QLatin1String(kind)) << QStringList{sample[1]}
                << QList<QSize>() << QString() << QStringList() << QString() << QString();
}

void tst_HelpCorpus::document()
{
    QFETCH(QString, file);
    QFETCH(QStringList, texts);
    QFETCH(QList<QSize>, pictures);
    QFETCH(QString, listItem);
    QFETCH(QStringList, cells);
    QFETCH(QString, note);
    QFETCH(QString, inTextBox);

    QFile input(qEnvironmentVariable("GAVELOR_SOURCE_DIR") + QStringLiteral("/tests/help/corpus/") + file);
    QVERIFY2(input.open(QIODevice::ReadOnly), qPrintable(input.fileName()));
    QTextDocument document;
    QVERIFY(RtfReader::Read(input.readAll(), document));
    document.setTextWidth(ViewerWidth);
    RtfReader::FitPicturesToWidth(document, ViewerWidth);
    document.documentLayout()->documentSize();
    const QString plain = document.toPlainText();

    qsizetype from = 0;
    for (const QString& text : texts) {
        const qsizetype at = plain.indexOf(text, from);
        QVERIFY2(at >= 0, qPrintable(text + QStringLiteral(" after ") + plain.mid(from, 80)));
        from = at + text.size();
    }

    QList<QSize> shown;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const QTextImageFormat image = it.fragment().charFormat().toImageFormat(); image.isValid())
                shown.append(QSizeF(image.width(), image.height()).toSize());
    QCOMPARE(shown, pictures);

    if (!listItem.isEmpty()) {
        // The item's text starts where its wrapped lines do, past the bullet and its tab.
        const QTextCursor at = document.find(listItem);
        QTextLayout* layout = at.block().layout();
        QVERIFY(layout->lineCount() > 1);
        const int start = at.selectionStart() - at.block().position();
        QCOMPARE(qRound(layout->lineAt(0).cursorToX(start)),
                 qRound(layout->lineAt(1).cursorToX(layout->lineAt(1).textStart())));
    }

    QStringList spans;
    for (const QString& cell : cells)
        spans.append(CellSpan(document, cell.section(QLatin1Char(':'), 0, 0)));
    QCOMPARE(spans, cells);

    if (!note.isEmpty()) {
        // Under a rule after all the text.
        QTextBlock last = document.lastBlock();
        QVERIFY(last.text().endsWith(note));
        QVERIFY(last.previous().blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth));
    }

    if (!inTextBox.isEmpty())
        QVERIFY(document.find(inTextBox).currentFrame() != document.rootFrame());
}

QTEST_MAIN(tst_HelpCorpus)
#include "tst_helpcorpus.moc"
