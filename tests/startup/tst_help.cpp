#include "common/Twips.h"
#include "help/RtfReader.h"
#include "help/frmHelp.h"
#include "records/SettingsStore.h"
#include "scoreboard/NumberLED.h"
#include "scoreboard/frmScoreboard.h"
#include "startup/Startup.h"
#include "startup/frmSplash.h"
#include "support/TestSupport.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>
#include <QTextTable>

#include <memory>

class tst_Help : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void helpFile_data();
    void helpFile();
    void normalFileName_data();
    void normalFileName();
    void minimumSize_data();
    void minimumSize();
    void viewerFitsWindow_data();
    void viewerFitsWindow();
    void restoredWindowRefitted();
    void f1TwiceGivesOneWindow();
    void helpOutlivesTitleWindowAndNotTheRun();
    void shippedDocument();
    void internalLinkScrolls_data();
    void internalLinkScrolls();

private:
    static QTextEdit* viewer(frmHelp& window) { return window.findChild<QTextEdit*>(QStringLiteral("rtbHelp")); }
    static int px(double twips) { return Twips::ToPixels(twips); }

    std::unique_ptr<MemorySettingsStore> m_store;
    std::unique_ptr<Startup> m_startup;
};

void tst_Help::cleanup()
{
    m_startup.reset();
    m_store.reset();
    QTest::qWait(0);
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Help::helpFile_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<bool>("showsDocument");
    QTest::newRow("present") << "file" << true;
    QTest::newRow("absent") << "" << false;
    QTest::newRow("under another case") << "GavelorHelpFile.rtf" << false;
    QTest::newRow("with another extension") << "gavelorhelpfile.rtf.bak" << false;
    QTest::newRow("a directory of that name") << "directory" << false;
    QTest::newRow("a dangling link") << "dangling" << false;
    QTest::newRow("a link to a device") << "device" << false;
    QTest::newRow("a link to the document") << "link" << true;
}

void tst_Help::helpFile()
{
    QFETCH(QString, layout);
    QFETCH(bool, showsDocument);
    QTemporaryDir dir;
    const QString path = dir.filePath(frmHelp::FileName);
    const QByteArray rtf = R"({\rtf1\ansi Press {\b F1} for help.\par})";
    const auto write = [&rtf](const QString& to) {
        QFile file(to);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(rtf);
    };
    if (layout == QLatin1String("file")) {
        write(path);
    } else if (layout == QLatin1String("directory")) {
        QVERIFY(QDir(dir.path()).mkdir(frmHelp::FileName));
    } else if (layout == QLatin1String("dangling")) {
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("gone.rtf")), path));
    } else if (layout == QLatin1String("device")) {
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    } else if (layout == QLatin1String("link")) {
        write(dir.filePath(QStringLiteral("elsewhere.rtf")));
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("elsewhere.rtf")), path));
    } else if (!layout.isEmpty()) {
        write(dir.filePath(layout));
    }

    frmHelp window(dir.path());
    window.show();
    QTRY_VERIFY(!window.IsLoading());
    QTextDocument* document = viewer(window)->document();
    if (showsDocument) {
        QCOMPARE(document->toPlainText(), QStringLiteral("Press F1 for help.\n"));
        QTextCursor key = document->find(QStringLiteral("F1"));
        QCOMPARE(key.charFormat().fontWeight(), int(QFont::Bold));
    } else {
        QCOMPARE(document->toPlainText(), frmHelp::MissingText);
    }
    QCOMPARE(window.windowTitle(), QStringLiteral("Gavelor - Help"));
}

void tst_Help::normalFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("normal");
    QTest::newRow("plain name") << "help.rtf" << true;
    QTest::newRow("hidden name") << ".help.rtf" << false;
}

void tst_Help::normalFileName()
{
    QFETCH(QString, name);
    QFETCH(bool, normal);
    QTemporaryDir dir;
    QFile file(dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QCOMPARE(frmHelp::IsNormalFile(file.fileName()), normal);
}

void tst_Help::minimumSize_data()
{
    // Outer sizes; the window is resized to them less its frame.
    QTest::addColumn<QSize>("requested");
    QTest::addColumn<QSize>("expected");
    const QSize min(px(frmHelp::MinOuterWidth), px(frmHelp::MinOuterHeight));
    QTest::newRow("both too small") << QSize(20, 20) << min;
    QTest::newRow("too narrow") << QSize(20, 600) << QSize(min.width(), 600);
    QTest::newRow("too low") << QSize(600, 20) << QSize(600, min.height());
    QTest::newRow("one pixel short") << min - QSize(1, 1) << min;
    QTest::newRow("just the minimum") << min << min;
}

void tst_Help::minimumSize()
{
    QFETCH(QSize, requested);
    QFETCH(QSize, expected);
    QTemporaryDir dir;
    frmHelp window(dir.path());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QSize frame = window.frameGeometry().size() - window.size();
    window.resize(requested - frame);
    QTRY_COMPARE(window.frameGeometry().size(), expected);
    // Refitted to the size it snapped back to.
    QCOMPARE(viewer(window)->width(), px(Twips::FromPixels(expected.width()) - frmHelp::ViewerWidthAllowance));
}

void tst_Help::viewerFitsWindow_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("design size") << QSize(px(frmHelp::ClientWidth), px(frmHelp::ClientHeight));
    QTest::newRow("wide and low") << QSize(1400, 200);
    QTest::newRow("narrow and tall") << QSize(190, 900);
}

void tst_Help::viewerFitsWindow()
{
    QFETCH(QSize, size);
    QTemporaryDir dir;
    frmHelp window(dir.path());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    // From a different size first, so that every fit below comes from a resize.
    window.resize(size + QSize(37, 23));
    window.resize(size);
    QTRY_COMPARE(window.size(), size);
    QTextEdit* rtb = viewer(window);
    const double outerWidth = Twips::FromPixels(window.frameGeometry().width());
    const double outerHeight = Twips::FromPixels(window.frameGeometry().height());
    QCOMPARE(rtb->geometry(), QRect(px(frmHelp::ViewerLeft), 0, px(outerWidth - frmHelp::ViewerWidthAllowance),
                                    px(outerHeight - frmHelp::ViewerHeightAllowance)));
    QCOMPARE(rtb->lineWrapMode(), QTextEdit::FixedPixelWidth);
    QCOMPARE(rtb->lineWrapColumnOrWidth(), px(Twips::FromPixels(rtb->width()) - frmHelp::WrapAllowance));
}

void tst_Help::restoredWindowRefitted()
{
    QTemporaryDir dir;
    frmHelp window(dir.path());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.showMaximized();
    QTRY_VERIFY(window.isMaximized());
    QTextEdit* rtb = viewer(window);
    QTRY_COMPARE(rtb->width(), px(Twips::FromPixels(window.frameGeometry().width()) - frmHelp::ViewerWidthAllowance));
    window.showMinimized();
    window.showNormal();
    QTRY_VERIFY(!window.isMaximized() && !window.isMinimized());
    QTRY_COMPARE(rtb->width(), px(Twips::FromPixels(window.frameGeometry().width()) - frmHelp::ViewerWidthAllowance));
    QCOMPARE(rtb->height(), px(Twips::FromPixels(window.frameGeometry().height()) - frmHelp::ViewerHeightAllowance));
}

void tst_Help::f1TwiceGivesOneWindow()
{
    m_store = std::make_unique<MemorySettingsStore>();
    m_startup = std::make_unique<Startup>(*m_store, QStringList{QStringLiteral("bypass")});
    m_startup->Begin();
    frmScoreboard* scoreboard = m_startup->scoreboard();
    QVERIFY(QTest::qWaitForWindowActive(scoreboard));
    auto* lot = scoreboard->findChild<NumberLED*>(QStringLiteral("nledLotNum"));
    QTest::keyClick(lot, Qt::Key_F1);
    QPointer<frmHelp> first = m_startup->help();
    QVERIFY(first && first->isVisible());
    QVERIFY(!first->parentWidget());
    // Behind the scoreboard, then F1 again: the same window comes forward.
    scoreboard->activateWindow();
    QTRY_VERIFY(scoreboard->isActiveWindow());
    QTest::keyClick(lot, Qt::Key_F1);
    QCOMPARE(m_startup->help(), first.data());
    QTRY_VERIFY(first->isActiveWindow());
    int helpWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<frmHelp*>(window) != nullptr;
    QCOMPARE(helpWindows, 1);
}

void tst_Help::helpOutlivesTitleWindowAndNotTheRun()
{
    m_store = std::make_unique<MemorySettingsStore>();
    m_startup = std::make_unique<Startup>(*m_store, QStringList{});
    m_startup->Begin();
    QPointer<frmSplash> splash = m_startup->splash();
    QTest::mouseClick(splash->findChild<QPushButton*>(QStringLiteral("cmdHelp")), Qt::LeftButton);
    QPointer<frmHelp> help = m_startup->help();
    QVERIFY(help && help->isVisible());
    QTest::mouseClick(splash->findChild<QLabel*>(QStringLiteral("lblClick")), Qt::LeftButton);
    QTRY_VERIFY(!splash);
    QVERIFY(help && help->isVisible());

    // Closing the scoreboard ends the run although the help window is still open.
    const int result = RunEventLoop({[this] {
        m_startup->scoreboard()->close();
    }});
    QCOMPARE(result, 0);
}

void tst_Help::shippedDocument()
{
    QFile file(qEnvironmentVariable("GAVELOR_SOURCE_DIR") + QStringLiteral("/resources/") + frmHelp::FileName);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument document;
    QVERIFY(RtfReader::Read(file.readAll(), document));
    // The logo, a table of the keys, and every key the scoreboard answers to.
    QVERIFY(document.toRawText().contains(QChar::ObjectReplacementCharacter));
    QTextTable* keys = nullptr;
    for (QTextBlock block = document.begin(); block.isValid() && !keys; block = block.next())
        keys = QTextCursor(block).currentTable();
    QVERIFY(keys && keys->rows() >= 10);
    const QString text = document.toPlainText();
    for (const char* key :
         {"F1", "F2", "F3", "F4", "F5", "F6", "F11", "Enter", "Space", "NumLock", "settings.json", "Gavelor/sales/"})
        QVERIFY2(text.contains(QLatin1String(key)), key);

    // A bullet's wrapped lines go on under its text, with no gap after the bullet.
    document.setTextWidth(300);
    document.documentLayout()->documentSize();
    int wrapped = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const qsizetype tab = block.text().indexOf(QLatin1Char('\t'));
        QTextLayout* layout = block.layout();
        if (!block.text().startsWith(QChar(0x2022)) || tab < 0 || layout->lineCount() < 2)
            continue;
        ++wrapped;
        QCOMPARE(qRound(layout->lineAt(0).cursorToX(int(tab) + 1)),
                 qRound(layout->lineAt(1).cursorToX(layout->lineAt(1).textStart())));
    }
    QVERIFY(wrapped > 0);
}

void tst_Help::internalLinkScrolls_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("target");
    // A link and its bookmark as Writer and pandoc write them; the footnote mark and its note.
    QTest::newRow("Writer bookmark") << QStringLiteral("writer-from-odt.rtf") << QStringLiteral("#keys");
    QTest::newRow("Writer from HTML bookmark") << QStringLiteral("writer-from-html.rtf") << QStringLiteral("#payment");
    QTest::newRow("footnote mark") << QStringLiteral("writer-from-docx.rtf") << QStringLiteral("#note-1");
}

void tst_Help::internalLinkScrolls()
{
    QFETCH(QString, file);
    QFETCH(QString, target);
    QTemporaryDir dir;
    QVERIFY(QFile::copy(qEnvironmentVariable("GAVELOR_SOURCE_DIR") + QStringLiteral("/tests/help/corpus/") + file,
                        dir.filePath(frmHelp::FileName)));
    frmHelp window(dir.path());
    // Low enough that the document scrolls.
    window.resize(window.width(), window.minimumHeight());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(!window.IsLoading());
    QTextEdit* browser = viewer(window);
    QTextDocument* document = browser->document();
    QAbstractTextDocumentLayout* layout = document->documentLayout();

    QTextBlock link;
    QTextBlock bookmark;
    int linkAt = -1;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (linkAt < 0 && format.anchorHref() == target) {
                link = block;
                linkAt = it.fragment().position() - block.position();
            }
            if (format.anchorNames().contains(target.mid(1)))
                bookmark = block;
        }
    QVERIFY(link.isValid() && bookmark.isValid());

    // The link's line at the top of the viewer, then a click on the middle of its first character.
    const QTextLine line = link.layout()->lineForTextPosition(linkAt);
    const QPointF inDocument =
        layout->blockBoundingRect(link).topLeft() + QPointF(line.cursorToX(linkAt) + 2, line.y() + line.height() / 2);
    QScrollBar* bar = browser->verticalScrollBar();
    bar->setValue(qFloor(inDocument.y() - line.height()));
    const int top = qRound(layout->blockBoundingRect(bookmark).top());
    QVERIFY(bar->value() < bar->maximum() && std::abs(bar->value() - top) > 2);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, (inDocument - QPointF(0, bar->value())).toPoint());

    // The bookmark comes to the top, or as near as the end of the document lets it.
    QTRY_VERIFY2((std::abs(bar->value() - top) <= 2 || bar->value() == bar->maximum()),
                 qPrintable(QStringLiteral("at %1, bookmark at %2").arg(bar->value()).arg(top)));
}

QTEST_MAIN(tst_Help)
#include "tst_help.moc"
