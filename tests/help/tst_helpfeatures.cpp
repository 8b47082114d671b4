// What word processors write beyond plain text, as the help viewer reads it: headings, picture
// sizes, boxes and rules, numbering, metafiles, right-to-left paragraphs, notes, headers and footers
// (documents made by corpus/make-corpus.sh).
#include "help/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextLayout>
#include <QTextTable>

class tst_HelpFeatures : public QObject
{
    Q_OBJECT

private slots:
    void paragraphs_data();
    void paragraphs();
    void writerFeatures();
    void pictureSizeFromShape();
    void metafiles_data();
    void metafiles();
    void rightToLeftLastLine();
    void cancelledReadingStops();
};

namespace {

QByteArray CorpusFile(const QString& file)
{
    QFile input(qEnvironmentVariable("GAVELOR_SOURCE_DIR") + QStringLiteral("/tests/help/corpus/") + file);
    return input.open(QIODevice::ReadOnly) ? input.readAll() : QByteArray();
}

QTextDocument* Load(const QByteArray& rtf, QTextDocument& document, qreal width = 600)
{
    if (!RtfReader::Read(rtf, document))
        return nullptr;
    document.setTextWidth(width);
    RtfReader::FitPicturesToWidth(document, width);
    document.documentLayout()->documentSize();
    return &document;
}

QTextDocument* Load(const QString& file, QTextDocument& document, qreal width = 600)
{
    return Load(CorpusFile(file), document, width);
}

QStringList Blocks(const QTextDocument& document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks.append(block.text());
    return blocks;
}

QList<QTextImageFormat> Pictures(const QTextDocument& document)
{
    QList<QTextImageFormat> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const QTextImageFormat image = it.fragment().charFormat().toImageFormat(); image.isValid())
                pictures.append(image);
    return pictures;
}

} // namespace

// Paragraphs exactly as a reader sees them, numbers and bullets included, in order.
void tst_HelpFeatures::paragraphs_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("expected");
    const auto L = [](std::initializer_list<const char*> items) {
        QStringList list;
        for (const char* item : items)
            list.append(QString::fromUtf8(item));
        return list;
    };
    QTest::newRow("Writer headings have no tab")
        << QStringLiteral("writer-features.rtf") << L({"Conditions of sale", "Buyer's premium"});
    QTest::newRow("AbiWord numbers by \\pn") << QStringLiteral("abiword-faq.rtf")
                                             << L({"Bidder FAQ", "1.\tRegister at the desk", "2.\tTake a paddle",
                                                   "3.\tRaise it to bid", "•\tCash", "•\tCard", "End of the FAQ."});
    QTest::newRow("list table and older Word")
        << QStringLiteral("word-lists.rtf")
        << L({"Conditions:", "1.\tLots are sold as seen", "1.a\tIncluding frames", "2.\tPayment on the day",
              "•\tCash or card", "Older Word:", "I)\tRegister", "II)\tBid", "•\tPay", "Symbol text: • and •."});
}

void tst_HelpFeatures::paragraphs()
{
    QFETCH(QString, file);
    QFETCH(QStringList, expected);
    QTextDocument document;
    QVERIFY(Load(file, document));
    const QStringList blocks = Blocks(document);
    qsizetype from = 0;
    for (const QString& text : expected) {
        const qsizetype at = blocks.indexOf(text, from);
        QVERIFY2(at >= 0, qPrintable(text + QStringLiteral(" not among ") + blocks.mid(from, 8).join(u'|')));
        from = at + 1;
    }
}

void tst_HelpFeatures::writerFeatures()
{
    QTextDocument document;
    QVERIFY(Load(QStringLiteral("writer-features.rtf"), document));
    const QStringList blocks = Blocks(document);

    // The header once at the top over a rule, the footer once at the very end.
    QCOMPARE(blocks.first(), QStringLiteral("Gavelor House Rules"));
    QVERIFY(document.begin().blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth));
    QCOMPARE(blocks.last(), QStringLiteral("Printed for the sale room"));
    QCOMPARE(blocks.count(QStringLiteral("Gavelor House Rules")), 1);

    // Footnotes count 1, 2...; endnotes i, ii on their own, in the text and before their notes.
    QVERIFY(blocks.contains(QStringLiteral("Every lot is sold as seen.1 Bids rise by the table.i Payment follows.ii")));
    const qsizetype footnote = blocks.indexOf(QStringLiteral("1\tA footnote."));
    const qsizetype first = blocks.indexOf(QStringLiteral("i\tThe first endnote."));
    const qsizetype second = blocks.indexOf(QStringLiteral("ii\tThe second endnote."));
    QVERIFY2(footnote > 0 && first > footnote && second > first, qPrintable(blocks.mid(blocks.size() - 8).join(u'|')));

    // The note is a box in its border colour on its shade; the rule under it; white on dark blue.
    QTextCursor note = document.find(QStringLiteral("Note: the premium"));
    QTextFrame* box = note.currentFrame();
    QVERIFY(box != document.rootFrame());
    QCOMPARE(box->frameFormat().borderBrush().color(), QColor(0xcc, 0x00, 0x00));
    QCOMPARE(box->frameFormat().background().color(), QColor(0xff, 0xee, 0xaa));
    const QTextBlock rule = QTextCursor(box->lastCursorPosition()).block().next();
    QVERIFY(rule.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth));
    const QTextCursor banner = document.find(QStringLiteral("Price list"));
    QCOMPARE(banner.blockFormat().background().color(), QColor(0x1f, 0x38, 0x64));
    QCOMPARE(banner.charFormat().foreground().color(), QColor(Qt::white));

    // Dots lead to the price's stop; small capitals; double spacing.
    const QTextBlock price = document.find(QStringLiteral("Oak chest\t150")).block();
    const QVariantList leaders = price.blockFormat().property(RtfReader::TabLeadersProperty).toList();
    QCOMPARE(leaders.size(), 1);
    QCOMPARE(int(leaders.first().toPointF().y()), int(RtfReader::LeaderDots));
    QCOMPARE(document.find(QStringLiteral("Small capitals")).charFormat().fontCapitalization(), QFont::SmallCaps);
    const QTextBlockFormat spaced = document.find(QStringLiteral("Double spaced")).blockFormat();
    QCOMPARE(spaced.lineHeightType(), int(QTextBlockFormat::ProportionalHeight));
    QCOMPARE(spaced.lineHeight(), 200.0);

    // The cell merged downwards keeps its centring against the empty cell that continues it.
    const QTextCursor merged = document.find(QStringLiteral("Merged"));
    QVERIFY(merged.currentTable());
    QCOMPARE(merged.currentTable()->cellAt(merged).rowSpan(), 2);
    QCOMPARE(merged.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

    // The photo says what its description says.
    const QList<QTextImageFormat> pictures = Pictures(document);
    QCOMPARE(pictures.size(), 1);
    QCOMPARE(pictures.first().property(QTextFormat::ImageAltText).toString(), QStringLiteral("Oak chest, front view"));
}

// Writer 7.4 gives a floating picture's size by its shape's bounds alone: 4 by 3 cm.
void tst_HelpFeatures::pictureSizeFromShape()
{
    QTextDocument document;
    QVERIFY(Load(QStringLiteral("writer-features.rtf"), document));
    const QTextImageFormat picture = Pictures(document).value(0);
    const QSizeF declared(4 / 2.54 * 96, 3 / 2.54 * 96);
    QVERIFY2(qAbs(picture.width() / declared.width() - 1) < 0.05 &&
                 qAbs(picture.height() / declared.height() - 1) < 0.05,
             qPrintable(QStringLiteral("%1x%2").arg(picture.width()).arg(picture.height())));
}

void tst_HelpFeatures::metafiles_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QByteArray>("longestRecord");
    // The placeholder is light grey.
    const QColor placeholder(0xee, 0xee, 0xee);
    QTest::newRow("WMF as WordPad pastes it") << 0 << QColor(30, 144, 255) << QByteArray();
    QTest::newRow("EMF with Word's WMF copy") << 1 << QColor(0, 128, 0) << QByteArray();
    QTest::newRow("EMF alone keeps the placeholder") << 2 << placeholder << QByteArray();
    // The first metafile's header says its longest record is 512 MB: not drawn, and no memory taken.
    QTest::newRow("WMF claiming a record past its end") << 0 << placeholder << QByteArray("00000010");
}

void tst_HelpFeatures::metafiles()
{
    QFETCH(int, index);
    QFETCH(QColor, colour);
    QFETCH(QByteArray, longestRecord);
    QByteArray rtf = CorpusFile(QStringLiteral("wordpad-metafiles.rtf"));
    if (!longestRecord.isEmpty()) {
        const qsizetype hex = rtf.indexOf(' ', rtf.indexOf("\\wmetafile8")) + 1;
        rtf.replace(hex + 24, longestRecord.size(), longestRecord);
    }
    QTextDocument document;
    QVERIFY(Load(rtf, document));
    const QList<QTextImageFormat> pictures = Pictures(document);
    QCOMPARE(pictures.size(), 3);
    const QTextImageFormat picture = pictures[index];
    // 3 by 2 cm as declared.
    QCOMPARE(qRound(picture.width()), 113);
    QCOMPARE(qRound(picture.height()), 76);
    const QImage image = document.resource(QTextDocument::ImageResource, QUrl(picture.name())).value<QImage>();
    QVERIFY(!image.isNull());
    QCOMPARE(image.pixelColor(image.width() / 2, image.height() / 3).rgb(), colour.rgb());
}

// A justified right-to-left paragraph: its last line ends at the right edge, not the left.
void tst_HelpFeatures::rightToLeftLastLine()
{
    QTextDocument document;
    QVERIFY(Load(QStringLiteral("writer-features.rtf"), document, 300));
    QTextBlock hebrew = document.begin();
    while (hebrew.isValid() && !hebrew.text().startsWith(QChar(0x05DE)))
        hebrew = hebrew.next();
    QVERIFY(hebrew.isValid());
    QCOMPARE(hebrew.textDirection(), Qt::RightToLeft);
    QTextLayout* layout = hebrew.layout();
    QVERIFY(layout->lineCount() > 1);
    const QTextLine last = layout->lineAt(layout->lineCount() - 1);
    const QTextLine firstLine = layout->lineAt(0);
    QVERIFY2(qAbs(last.naturalTextRect().right() - firstLine.naturalTextRect().right()) < 2,
             qPrintable(QStringLiteral("last line %1 to %2")
                            .arg(last.naturalTextRect().left())
                            .arg(last.naturalTextRect().right())));
    QVERIFY(last.naturalTextRect().left() > firstLine.naturalTextRect().left() + 10);

    // \qr and \ql on right-to-left paragraphs are the sides they name.
    QTextDocument lists;
    QVERIFY(Load(QStringLiteral("word-lists.rtf"), lists));
    const QTextBlock right = lists.find(QStringLiteral(" right")).block();
    const QTextBlock left = lists.find(QStringLiteral(" left")).block();
    QCOMPARE(right.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight | Qt::AlignAbsolute);
    QCOMPARE(left.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft | Qt::AlignAbsolute);
    QCOMPARE(right.layout()->lineAt(0).naturalTextRect().right() > 500, true);
    QCOMPARE(left.layout()->lineAt(0).naturalTextRect().left() < 100, true);
}

void tst_HelpFeatures::cancelledReadingStops()
{
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int i = 0; i < 20000; ++i)
        rtf += "Paragraph " + QByteArray::number(i) + "\\par\n";
    rtf += "}";
    const std::atomic<bool> cancelled{true};
    QTextDocument document;
    QVERIFY(!RtfReader::Read(rtf, document, &cancelled));
    QVERIFY(document.blockCount() < 10);
}

QTEST_MAIN(tst_HelpFeatures)
#include "tst_helpfeatures.moc"
