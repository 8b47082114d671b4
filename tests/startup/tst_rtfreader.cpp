#include "help/RtfReader.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>

#include <functional>

class tst_RtfReader : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
    void characterFormat_data();
    void characterFormat();
    void paragraphFormat_data();
    void paragraphFormat();
    void table();
    void nestedTable();
    void picture_data();
    void picture();
    void wordProcessorDocument();
    void truncatedAnywhere();
    void hostile_data();
    void hostile();

private:
    // The document's text with blocks joined by '\n', nothing replaced (no-break spaces stay).
    static QString rawText(const QTextDocument& document);
    static QTextCursor find(const QTextDocument& document, const QString& marker);
    // The data row's property of the format that formatOf takes from the marker's text.
    static void checkFormat(const std::function<QTextFormat(const QTextCursor&)>& formatOf);
};

QString tst_RtfReader::rawText(const QTextDocument& document)
{
    QStringList blocks;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        blocks.append(block.text());
    return blocks.join(QLatin1Char('\n'));
}

QTextCursor tst_RtfReader::find(const QTextDocument& document, const QString& marker)
{
    QTextCursor cursor = document.find(marker, 0, QTextDocument::FindCaseSensitively);
    // The format of a selection is that of its last character.
    return cursor;
}

void tst_RtfReader::checkFormat(const std::function<QTextFormat(const QTextCursor&)>& formatOf)
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, marker);
    QFETCH(int, property);
    QFETCH(QVariant, expected);
    QTextDocument document;
    RtfReader::Read(rtf, document);
    const QTextCursor at = find(document, marker);
    QVERIFY2(!at.isNull(), qPrintable(rawText(document)));
    QCOMPARE(formatOf(at).property(property), expected);
}

void tst_RtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("complete");

    auto row = [](const char* name, const char* rtf, const char16_t* expected, bool complete = true) {
        QTest::newRow(name) << QByteArray(rtf) << QString::fromUtf16(expected) << complete;
    };
    row("paragraphs", R"({\rtf1 One\par Two})", u"One\nTwo");
    row("Windows-1252 when nothing is named", R"({\rtf1\ansi caf\'e9 \'93q\'94 \'80})", u"café “q” €");
    row("Windows-1250", R"({\rtf1\ansi\ansicpg1250 \'b9\'e6})", u"ąć");
    row("Windows-1251", R"({\rtf1\ansi\ansicpg1251 \'c0\'e1})", u"Аб");
    row("Windows-1253", R"({\rtf1\ansi\ansicpg1253 \'e1\'e2})", u"αβ");
    row("Windows-1254", R"({\rtf1\ansi\ansicpg1254 \'f0})", u"ğ");
    row("Windows-1255", R"({\rtf1\ansi\ansicpg1255 \'e0})", u"א");
    row("Windows-1256", R"({\rtf1\ansi\ansicpg1256 \'c7})", u"ا");
    row("Windows-1257", R"({\rtf1\ansi\ansicpg1257 \'e0})", u"ą");
    row("Windows-1258", R"({\rtf1\ansi\ansicpg1258 \'c3})", u"Ă");
    row("code page from the font's charset",
        R"({\rtf1\ansi{\fonttbl{\f0\fcharset0 Arial;}{\f1\fcharset204 Arial Cyr;}}\f0 \'e9{\f1 \'e9}\'e9})", u"éйé");
    row("raw upper-half bytes through the code page", "{\\rtf1\\ansi\\ansicpg1251 \xc0}", u"А");
    row("Unicode with its fallback skipped", R"({\rtf1\uc1\u8364?\u8217'})", u"€’");
    row("two fallback characters", R"({\rtf1\uc2\u8364\'80\'80 x})", u"€ x");
    row("no fallback", R"({\rtf1\uc0\u233 x})", u"éx");
    row("fallback count scoped to its group", R"({\rtf1{\uc2 a}\u233??})", u"aé?");
    row("fallback stops at a group's end", R"({\rtf1{\uc3\u233}xy})", u"éxy");
    row("surrogate pair as negative numbers", R"({\rtf1\u-10179?\u-8704?})", u"😀");
    row("lone high surrogate", R"({\rtf1\u-10179?x})", u"\uFFFDx");
    row("escaped symbols", R"({\rtf1 a\~b\-c\_d \\ \{ \}})", u"a\u00A0b\u00ADc\u2011d \\ { }");
    row("named characters", R"({\rtf1\emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})", u"—–•‘’“”");
    row("line break and tab", R"({\rtf1 a\line b\tab c})", u"a\u2028b\tc");
    row("page and section breaks end paragraphs", R"({\rtf1 a\page b\sect c})", u"a\nb\nc");
    row("skipped destinations", R"({\rtf1{\info{\title T}}{\*\unknown x}{\stylesheet{\s0 Normal;}}{\*\bkmkstart b}A})",
        u"A");
    // Once each, the header over the text and the footer under it; page numbers mean nothing there.
    row("header and footer",
        R"({\rtf1{\header h{\field{\*\fldinst PAGE}{\fldrslt 1}}}{\headerf h}{\footer f}{\footerl f}A})", u"h\nA\n\nf");
    row("field shown by its result", R"({\rtf1{\field{\*\fldinst{ HYPERLINK "http://x" }}{\fldrslt{Link}}}})", u"Link");
    row("binary data skipped", R"({\rtf1 a\bin3 {}\b})", u"ab");
    row("hidden text", R"({\rtf1 a{\v hidden}b})", u"ab");
    row("Unicode form of a doubled text", R"({\rtf1{\upr{ansi}{\*\ud{uni}}}})", u"uni");
    row("list label as written", R"({\rtf1{\listtext\'95\tab}Item\par})", u"•\tItem\n");
    row("object shown by its result", R"({\rtf1{\object{\*\objdata 0102}{\result R}}})", u"R");
    row("other picture kinds leave no trace", R"({\rtf1 a{\pict\wmetafile8 0102ff}b{\pict\emfblip 01}c})", u"abc");
    row("text after the document ignored", R"({\rtf1 a}}b{c})", u"a");
    row("unclosed groups", R"({\rtf1 a{\b b)", u"ab", false);
    row("not RTF shows as plain text", "plain text", u"plain text", false);
}

void tst_RtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QFETCH(bool, complete);
    QTextDocument document;
    QCOMPARE(RtfReader::Read(rtf, document), complete);
    QCOMPARE(rawText(document), expected);
}

void tst_RtfReader::characterFormat_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<int>("property");
    QTest::addColumn<QVariant>("expected");

    const QByteArray red = R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;})";
    QTest::newRow("bold") << QByteArray(R"({\rtf1 a{\b B}c})") << "B" << int(QTextFormat::FontWeight)
                          << QVariant(int(QFont::Bold));
    QTest::newRow("bold ends with its group")
        << QByteArray(R"({\rtf1{\b a}X})") << "X" << int(QTextFormat::FontWeight) << QVariant();
    QTest::newRow("bold off") << QByteArray(R"({\rtf1\b a\b0 X})") << "X" << int(QTextFormat::FontWeight) << QVariant();
    QTest::newRow("size in half-points") << QByteArray(R"({\rtf1\fs30 S})") << "S" << int(QTextFormat::FontPointSize)
                                         << QVariant(15.0);
    QTest::newRow("italic") << QByteArray(R"({\rtf1\i I})") << "I" << int(QTextFormat::FontItalic) << QVariant(true);
    QTest::newRow("underline") << QByteArray(R"({\rtf1\uldb U\ulnone n})") << "U"
                               << int(QTextFormat::TextUnderlineStyle)
                               << QVariant(int(QTextCharFormat::SingleUnderline));
    QTest::newRow("strike-through") << QByteArray(R"({\rtf1\strike S})") << "S" << int(QTextFormat::FontStrikeOut)
                                    << QVariant(true);
    QTest::newRow("foreground colour") << QByteArray("{\\rtf1" + red + "\\cf1 R}") << "R"
                                       << int(QTextFormat::ForegroundBrush) << QVariant(QBrush(QColor(255, 0, 0)));
    QTest::newRow("automatic colour") << QByteArray("{\\rtf1" + red + "\\cf1 a\\cf0 R}") << "R"
                                      << int(QTextFormat::ForegroundBrush) << QVariant();
    QTest::newRow("highlight") << QByteArray("{\\rtf1" + red + "\\highlight2 H}") << "H"
                               << int(QTextFormat::BackgroundBrush) << QVariant(QBrush(QColor(0, 0, 255)));
    QTest::newRow("colour index past the table")
        << QByteArray("{\\rtf1" + red + "\\cf9 R}") << "R" << int(QTextFormat::ForegroundBrush) << QVariant();
    QTest::newRow("superscript") << QByteArray(R"({\rtf1 x{\super 2}})") << "2"
                                 << int(QTextFormat::TextVerticalAlignment)
                                 << QVariant(int(QTextCharFormat::AlignSuperScript));
    QTest::newRow("subscript") << QByteArray(R"({\rtf1 H{\sub 2}O})") << "2" << int(QTextFormat::TextVerticalAlignment)
                               << QVariant(int(QTextCharFormat::AlignSubScript));
    QTest::newRow("plain resets the size")
        << QByteArray(R"({\rtf1\b\fs40\plain P})") << "P" << int(QTextFormat::FontPointSize) << QVariant(12.0);
    QTest::newRow("plain resets bold") << QByteArray(R"({\rtf1\b\fs40\plain P})") << "P" << int(QTextFormat::FontWeight)
                                       << QVariant();
    QTest::newRow("font from the table")
        << QByteArray(R"({\rtf1{\fonttbl{\f0\froman Times New Roman;}{\f1\fswiss{\*\panose 0}Arial;}}\f1 A})") << "A"
        << int(QTextFormat::FontFamilies) << QVariant(QStringList{QStringLiteral("Arial")});
    QTest::newRow("default font") << QByteArray(R"({\rtf1\deff1{\fonttbl{\f0 Courier;}{\f1 Arial;}}D})") << "D"
                                  << int(QTextFormat::FontFamilies) << QVariant(QStringList{QStringLiteral("Arial")});
    QTest::newRow("character style as written") << QByteArray(R"({\rtf1{\stylesheet{\*\cs15\b Strong;}}{\cs15\b S}})")
                                                << "S" << int(QTextFormat::FontWeight) << QVariant(int(QFont::Bold));
    QTest::newRow("hyperlink") << QByteArray(
                                      R"({\rtf1{\field{\*\fldinst HYPERLINK "https://example.org/a"}{\fldrslt L}}})")
                               << "L" << int(QTextFormat::AnchorHref)
                               << QVariant(QStringLiteral("https://example.org/a"));
    QTest::newRow("link to a bookmark") << QByteArray(R"({\rtf1{\field{\*\fldinst HYPERLINK \\l "keys"}{\fldrslt K}}})")
                                        << "K" << int(QTextFormat::AnchorHref) << QVariant(QStringLiteral("#keys"));
    QTest::newRow("text after a link") << QByteArray(R"({\rtf1{\field{\*\fldinst HYPERLINK "x"}{\fldrslt L}} T})")
                                       << "T" << int(QTextFormat::AnchorHref) << QVariant();
}

void tst_RtfReader::characterFormat()
{
    checkFormat([](const QTextCursor& at) -> QTextFormat { return at.charFormat(); });
}

void tst_RtfReader::paragraphFormat_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<int>("property");
    QTest::addColumn<QVariant>("expected");

    const int alignment = QTextFormat::BlockAlignment;
    QTest::newRow("centred") << QByteArray(R"({\rtf1\qc C\par})") << "C" << alignment
                             << QVariant(int(Qt::AlignHCenter));
    QTest::newRow("right") << QByteArray(R"({\rtf1\qr R\par})") << "R" << alignment
                           << QVariant(int(Qt::AlignRight | Qt::AlignAbsolute));
    QTest::newRow("justified") << QByteArray(R"({\rtf1\qj J\par})") << "J" << alignment
                               << QVariant(int(Qt::AlignJustify));
    QTest::newRow("last paragraph without par")
        << QByteArray(R"({\rtf1 a\par\qr R})") << "R" << alignment << QVariant(int(Qt::AlignRight | Qt::AlignAbsolute));
    QTest::newRow("pard resets") << QByteArray(R"({\rtf1\qc\li720 a\par\pard b\par})") << "b" << alignment
                                 << QVariant(int(Qt::AlignLeft));
    QTest::newRow("left indent in pixels")
        << QByteArray(R"({\rtf1\li1440 L\par})") << "L" << int(QTextFormat::BlockLeftMargin) << QVariant(96.0);
    QTest::newRow("right indent") << QByteArray(R"({\rtf1\ri720 R\par})") << "R" << int(QTextFormat::BlockRightMargin)
                                  << QVariant(48.0);
    QTest::newRow("hanging first line") << QByteArray(R"({\rtf1\li720\fi-360 F\par})") << "F"
                                        << int(QTextFormat::TextIndent) << QVariant(-24.0);
    QTest::newRow("space before") << QByteArray(R"({\rtf1\sb300 B\par})") << "B" << int(QTextFormat::BlockTopMargin)
                                  << QVariant(20.0);
    QTest::newRow("space after") << QByteArray(R"({\rtf1\sa150 A\par})") << "A" << int(QTextFormat::BlockBottomMargin)
                                 << QVariant(10.0);
    QTest::newRow("huge indent clamped") << QByteArray(R"({\rtf1\li99999999 H\par})") << "H"
                                         << int(QTextFormat::BlockLeftMargin) << QVariant(31680 / 15.0);
}

void tst_RtfReader::paragraphFormat()
{
    checkFormat([](const QTextCursor& at) -> QTextFormat { return at.blockFormat(); });
}

void tst_RtfReader::table()
{
    QTextDocument document;
    RtfReader::Read(R"({\rtf1 Before\par)"
                    R"(\trowd\cellx1440\cellx4320\pard\intbl A\cell B1\par B2\cell\row)"
                    R"(\trowd\cellx1440\cellx4320\pard\intbl C\cell\cell\row\pard After\par})",
                    document);
    QTextCursor at = find(document, QStringLiteral("A"));
    QTextTable* table = at.currentTable();
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    const auto cellText = [table](int row, int column) {
        QTextCursor c = table->cellAt(row, column).firstCursorPosition();
        c.setPosition(table->cellAt(row, column).lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return c.selectedText();
    };
    QCOMPARE(cellText(0, 0), QStringLiteral("A"));
    QCOMPARE(cellText(0, 1), QStringLiteral("B1\u2029B2"));
    QCOMPARE(cellText(1, 0), QStringLiteral("C"));
    QCOMPARE(cellText(1, 1), QString());
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths[0], QTextLength(QTextLength::FixedLength, 96));
    QCOMPARE(widths[1], QTextLength(QTextLength::FixedLength, 192));
    QVERIFY(!find(document, QStringLiteral("Before")).currentTable());
    QVERIFY(!find(document, QStringLiteral("After")).currentTable());
}

void tst_RtfReader::nestedTable()
{
    QTextDocument document;
    RtfReader::Read(R"({\rtf1\trowd\cellx2880\cellx5760\pard\intbl Outer\cell)"
                    R"(\pard\intbl\itap2 X\nestcell Y\nestcell{\*\nesttableprops\trowd\cellx720\cellx1440\nestrow})"
                    R"(\pard\intbl\itap1\cell\trowd\cellx2880\cellx5760\row\pard End})",
                    document);
    QTextTable* inner = find(document, QStringLiteral("X")).currentTable();
    QVERIFY(inner);
    QTextTable* outer = find(document, QStringLiteral("Outer")).currentTable();
    QVERIFY(outer && outer != inner);
    QCOMPARE(inner->parentFrame(), static_cast<QTextFrame*>(outer));
    QCOMPARE(inner->columns(), 2);
    QCOMPARE(find(document, QStringLiteral("Y")).currentTable(), inner);
    QCOMPARE(outer->cellAt(inner->firstPosition()).column(), 1);
    QCOMPARE(inner->format().columnWidthConstraints().value(1), QTextLength(QTextLength::FixedLength, 48));
    QVERIFY(!find(document, QStringLiteral("End")).currentTable());
}

void tst_RtfReader::picture_data()
{
    QTest::addColumn<QByteArray>("properties");
    QTest::addColumn<QSizeF>("shown");
    QTest::newRow("own size") << QByteArray() << QSizeF(4, 2);
    QTest::newRow("goal size in twips") << QByteArray(R"(\picwgoal600\pichgoal300)") << QSizeF(40, 20);
    QTest::newRow("scaled") << QByteArray(R"(\picwgoal600\pichgoal300\picscalex50\picscaley200)") << QSizeF(20, 40);
    QTest::newRow("hostile sizes") << QByteArray(R"(\picwgoal2147483647\pichgoal-5\picscalex99999)") << QSizeF(8000, 2);
}

void tst_RtfReader::picture()
{
    QFETCH(QByteArray, properties);
    QFETCH(QSizeF, shown);
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    // Hex data is read across line breaks, as writers wrap it.
    QByteArray hex = png.data().toHex();
    hex.insert(hex.size() / 2, "\r\n");
    QTextDocument document;
    RtfReader::Read("{\\rtf1 a{\\*\\shppict{\\pict\\pngblip" + properties + " " + hex + "}}" +
                        "{\\nonshppict{\\pict\\wmetafile8 0102}}b}",
                    document);
    QCOMPARE(rawText(document), QStringLiteral("a\uFFFCb"));
    QTextCursor at(&document);
    at.setPosition(2);
    const QTextImageFormat format = at.charFormat().toImageFormat();
    QVERIFY(format.isValid());
    QCOMPARE(QSizeF(format.width(), format.height()), shown);
    const QImage stored = document.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
    QCOMPARE(stored.size(), QSize(4, 2));
    QCOMPARE(stored.pixel(0, 0), QColor(Qt::red).rgb());
}

void tst_RtfReader::wordProcessorDocument()
{
    // Trimmed from what LibreOffice Writer saves.
    const QByteArray rtf = R"({\rtf1\ansi\deff3\adeflang1025
{\fonttbl{\f0\froman\fprq2\fcharset0 Times New Roman;}{\f1\froman\fprq2\fcharset2 Symbol;}{\f2\fswiss\fprq2\fcharset0 Arial;}{\f3\froman\fprq2\fcharset0 Liberation Serif{\*\falt Times New Roman};}{\f4\fswiss\fprq2\fcharset0 Liberation Sans{\*\falt Arial};}}
{\colortbl;\red0\green0\blue0;\red0\green0\blue255;\red128\green128\blue128;}
{\stylesheet{\s0\snext0\nowidctlpar\hyphpar0\cf0\kerning1\dbch\af7\langfe2052\dbch\af8\afs24\alang1081\loch\f3\hich\af3\fs24\lang2057 Normal;}
{\s1\sbasedon15\snext16\ilvl0\outlinelevel0\sb240\sa120\keepn\dbch\af8\dbch\af8\afs36\ab\loch\f4\fs36\b Heading 1;}
}{\*\generator LibreOffice/7.4.7.2$Linux_X86_64 LibreOffice_project/40$Build-2}{\info{\creatim\yr2024\mo1\dy2\hr10\min5}{\revtim\yr2024\mo1\dy2\hr10\min6}{\printim\yr0\mo0\dy0\hr0\min0}}{\*\userprops}\deftab709
\hyphauto1\viewscale100
{\*\pgdsctbl
{\pgdsc0\pgdscuse451\pgwsxn11906\pghsxn16838\marglsxn1134\margrsxn1134\margtsxn1134\margbsxn1134\pgdscnxt0 Default Page Style;}}
\formshade\paperh16838\paperw11906\margl1134\margr1134\margt1134\margb1134\sectd\sbknone\pgndec\sftnnar\saftnnrlc\sectunlocked1\pgwsxn11906\pghsxn16838\marglsxn1134\margrsxn1134\margtsxn1134\margbsxn1134\ftnbj\ftnstart1\ftnrstcont\ftnnar\aenddoc\aftnrstcont\aftnstart1\aftnnrlc
{\*\ftnsep\chftnsep}\pgndec\pard\plain \s1\ilvl0\outlinelevel0\sb240\sa120\keepn\dbch\af8\dbch\af8\afs36\ab\loch\f4\fs36\b{\loch
Stra\u223\'dfe und Pl\u228\'e4tze}
\par \pard\plain \s0\nowidctlpar\hyphpar0\cf0\kerning1\dbch\af7\langfe2052\dbch\af8\afs24\alang1081\loch\f3\hich\af3\fs24\lang2057\qc{\b\loch
Bold} {\i\loch italic} {\cf2\loch blue}
\par \pard\plain \s0\nowidctlpar\hyphpar0\cf0\kerning1\dbch\af7\langfe2052\dbch\af8\afs24\alang1081\loch\f3\hich\af3\fs24\lang2057\ilvl0\ls1\li720\ri0\lin720\rin0\fi-360{\listtext\pard\plain \rtlch\af11 \ltrch\dbch\af11\loch\f5 \u8226\'95\tab}{\loch
First item}
\par })";
    QTextDocument document;
    QVERIFY(RtfReader::Read(rtf, document));
    QCOMPARE(rawText(document), QStringLiteral("Straße und Plätze\nBold italic blue\n•\tFirst item\n"));
    const QTextCursor heading = find(document, QStringLiteral("Plätze"));
    QCOMPARE(heading.charFormat().fontPointSize(), 18.0);
    QCOMPARE(heading.charFormat().fontFamilies().toStringList(), QStringList{QStringLiteral("Liberation Sans")});
    QCOMPARE(heading.blockFormat().topMargin(), 16.0);
    QCOMPARE(find(document, QStringLiteral("Bold")).charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(find(document, QStringLiteral("blue")).charFormat().foreground().color(), QColor(0, 0, 255));
    QCOMPARE(find(document, QStringLiteral("italic")).blockFormat().alignment(), Qt::AlignHCenter);
    QCOMPARE(find(document, QStringLiteral("First")).blockFormat().textIndent(), -24.0);
}

void tst_RtfReader::truncatedAnywhere()
{
    const QByteArray rtf = R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red1\green2\blue3;}\b Bold\b0\par)"
                           R"(\trowd\cellx1000\intbl A\cell\row\pard{\pict\pngblip 89504e47}\u233?\bin2 xy end})";
    QTextDocument whole;
    QVERIFY(RtfReader::Read(rtf, whole));
    for (qsizetype cut = 0; cut < rtf.size(); ++cut) {
        QTextDocument document;
        // Cut short, the document is reported as incomplete; what was read is kept.
        QVERIFY2(!RtfReader::Read(rtf.left(cut), document), qPrintable(QString::number(cut)));
        if (cut > rtf.indexOf("\\b0"))
            QVERIFY(rawText(document).startsWith(QStringLiteral("Bold")));
    }
}

void tst_RtfReader::hostile_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("shows");

    const QByteArray million(1000000, '{');
    const QByteArray closeMillion(1000000, '}');
    QTest::newRow("a million nested groups")
        << "{\\rtf1 " + million + "deep" + closeMillion + " after}" << QStringLiteral("after");
    QTest::newRow("a million groups left open") << "{\\rtf1 start" + million << QStringLiteral("start");
    QTest::newRow("closing braces first") << QByteArray("}}}{\\rtf1 a}}}}") << QStringLiteral("a");
    QTest::newRow("huge binary count") << QByteArray("{\\rtf1 a\\bin2147483647999 xyz}") << QStringLiteral("a");
    QTest::newRow("negative binary count") << QByteArray("{\\rtf1 a\\bin-5 b}") << QStringLiteral("ab");
    QTest::newRow("numbers that overflow")
        << QByteArray("{\\rtf1\\fs99999999999999999999 \\li-99999999999999999 \\u99999999999 x\\cf99999999999 "
                      "y\\uc99999999 z\\itap2147483647 w}")
        << QStringLiteral("y");
    QTest::newRow("a control word a megabyte long")
        << "{\\rtf1 \\" + QByteArray(1 << 20, 'a') + " x}" << QStringLiteral("x");
    QTest::newRow("table ends without a table")
        << QByteArray("{\\rtf1 \\cell\\row\\nestrow\\nestcell x}") << QStringLiteral("x");
    QTest::newRow("tables nested past the limit")
        << QByteArray("{\\rtf1\\intbl\\itap99 x\\nestcell\\nestrow y}") << QStringLiteral("x");
    QByteArray wide = "{\\rtf1 ";
    for (int row = 0; row < 50; ++row)
        wide += "\\intbl x\\row";
    for (int cell = 0; cell < 4000; ++cell)
        wide += "\\intbl\\cell";
    QTest::newRow("a row of thousands of cells") << wide + " w}" << QStringLiteral("w");
    QTest::newRow("picture data that is not a picture")
        << QByteArray("{\\rtf1 a{\\pict\\pngblip 00112233zz}b}") << QStringLiteral("ab");
    QTest::newRow("field instructions without end")
        << "{\\rtf1 " + QByteArray(100, '{') + "\\field{\\*\\fldinst HYPERLINK " + QByteArray(100000, '"') + "} q}"
        << QString();
    // 100 MB: a skipped destination and a picture over the size limit, then text.
    QTest::newRow("a 100 MB document") << "{\\rtf1 before{\\*\\blob " + QByteArray(30 << 20, 'a') +
                                              "}{\\pict\\pngblip " + QByteArray(70 << 20, 'f') + "} after}"
                                       << QStringLiteral("before after");

    QByteArray garbage(1 << 20, '\0');
    QRandomGenerator random(20240101);
    random.fillRange(reinterpret_cast<quint32*>(garbage.data()), garbage.size() / 4);
    QTest::newRow("binary garbage") << "{\\rtf1 " + garbage << QString();
    // Garbage made of the characters that mean most to the reader.
    QByteArray tokens;
    const char* pieces[] = {"{",      "}",         "\\",         "\\'",     "\\u-",    "\\bin",    "\\*",
                            "\\pict", "\\cell",    "\\row",      "\\itap3", "\\par",   "9",        "f",
                            " ",      "\\fonttbl", "\\colortbl", ";",       "\\field", "\\fldrslt"};
    for (int i = 0; i < 200000; ++i)
        tokens += pieces[random.bounded(int(std::size(pieces)))];
    QTest::newRow("token soup") << "{\\rtf1 " + tokens << QString();
}

void tst_RtfReader::hostile()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, shows);
    QTextDocument document;
    RtfReader::Read(rtf, document);
    // Laying the result out must not fail either.
    QVERIFY(document.documentLayout()->documentSize().isValid());
    const QString text = rawText(document);
    QVERIFY2(text.contains(shows), qPrintable(text.left(200)));
    // The reader never makes up more characters than it was given bytes.
    QVERIFY(document.characterCount() <= rtf.size() + 1);
}

QTEST_MAIN(tst_RtfReader)
#include "tst_rtfreader.moc"
