// Documents written by real word processors as the help window draws them on a real X server,
// read back from the server as pixels.
#include "help/frmHelp.h"
#include "support/XvfbServer.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextImageFormat>
#include <QTextLayout>
#include <QTextTable>

#include <memory>

class tst_HelpDrawnXvfb : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { m_window.reset(); }

    void tableBorders_data();
    void tableBorders();
    void shadedCell();
    void pictureFitted();
    void footnoteRule();
    void noteBox();
    void shadedParagraph();
    void tabLeader();

private:
    // Opens the corpus document as the help file; the window is shown and exposed.
    void open(const QString& file);
    // Scrolls the document area into view and grabs it from the server, clipped to the viewer.
    QImage grab(const QRectF& area);

    QTemporaryDir m_dir;
    std::unique_ptr<frmHelp> m_window;
    QTextEdit* m_viewer = nullptr;
};

namespace {

bool IsInk(QRgb c)
{
    // Grey or black, as lines and rules are drawn; shades and pictures are coloured.
    const int high = std::max({qRed(c), qGreen(c), qBlue(c)});
    const int low = std::min({qRed(c), qGreen(c), qBlue(c)});
    return high < 200 && high - low < 30;
}

bool IsNear(QRgb c, QColor to)
{
    return std::abs(qRed(c) - to.red()) + std::abs(qGreen(c) - to.green()) + std::abs(qBlue(c) - to.blue()) < 40;
}

// Rows (or columns) of the image that are ink over most of their length: drawn lines, never text.
int Lines(const QImage& image, bool across)
{
    const int count = across ? image.height() : image.width();
    const int length = across ? image.width() : image.height();
    int lines = 0;
    for (int i = 0; i < count; ++i) {
        int ink = 0;
        for (int j = 0; j < length; ++j)
            ink += IsInk(across ? image.pixel(j, i) : image.pixel(i, j));
        lines += length > 0 && ink * 10 >= length * 6;
    }
    return lines;
}

QTextTable* FirstTable(QTextDocument* document)
{
    for (QTextFrame* frame : document->rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            return table;
    return nullptr;
}

} // namespace

void tst_HelpDrawnXvfb::open(const QString& file)
{
    m_window.reset();
    const QString target = m_dir.filePath(frmHelp::FileName);
    QFile::remove(target);
    QVERIFY(
        QFile::copy(qEnvironmentVariable("GAVELOR_SOURCE_DIR") + QStringLiteral("/tests/help/corpus/") + file, target));
    m_window = std::make_unique<frmHelp>(m_dir.path());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->IsLoading(), 20000);
    m_viewer = m_window->findChild<QTextEdit*>(QStringLiteral("rtbHelp"));
}

QImage tst_HelpDrawnXvfb::grab(const QRectF& area)
{
    QScrollBar* bar = m_viewer->verticalScrollBar();
    bar->setValue(qFloor(area.top()) - 8);
    QWidget* viewport = m_viewer->viewport();
    // Collapsed borders lie half outside the cells they belong to.
    const QRect inViewer = area.toAlignedRect()
                               .adjusted(-6, -6, 6, 6)
                               .translated(-m_viewer->horizontalScrollBar()->value(), -bar->value());
    const QRect shown = inViewer & viewport->rect();
    viewport->repaint();
    QTest::qWait(50);
    const QPoint at = viewport->mapTo(m_window.get(), shown.topLeft());
    return m_window->screen()
        ->grabWindow(m_window->winId(), at.x(), at.y(), shown.width(), shown.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

void tst_HelpDrawnXvfb::tableBorders_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("bordered");
    QTest::newRow("borders declared") << QStringLiteral("writer-borders.rtf") << true;
    QTest::newRow("no borders declared") << QStringLiteral("writer-from-html.rtf") << false;
}

void tst_HelpDrawnXvfb::tableBorders()
{
    QFETCH(QString, file);
    QFETCH(bool, bordered);
    open(file);
    QTextTable* table = FirstTable(m_viewer->document());
    QVERIFY(table);
    const QImage shot = grab(m_viewer->document()->documentLayout()->frameBoundingRect(table));
    QVERIFY(!shot.isNull());
    // Three rows and three columns at least have four lines each way round them.
    const int across = Lines(shot, true);
    const int down = Lines(shot, false);
    QVERIFY2(bordered ? across >= 4 && down >= 4 : across == 0 && down == 0,
             qPrintable(QStringLiteral("%1 across, %2 down").arg(across).arg(down)));
}

void tst_HelpDrawnXvfb::shadedCell()
{
    open(QStringLiteral("writer-from-html.rtf"));
    QTextTable* table = FirstTable(m_viewer->document());
    QVERIFY(table);
    QColor shade;
    for (int row = 0; row < table->rows() && !shade.isValid(); ++row)
        for (int column = 0; column < table->columns() && !shade.isValid(); ++column)
            if (const QTextFormat format = table->cellAt(row, column).format();
                format.hasProperty(QTextFormat::BackgroundBrush))
                shade = format.background().color();
    QVERIFY(shade.isValid());
    const QImage shot = grab(m_viewer->document()->documentLayout()->frameBoundingRect(table));
    qint64 shaded = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            shaded += IsNear(shot.pixel(x, y), shade);
    // The shaded cell spans the top row of four.
    QVERIFY2(shaded * 10 >= qint64(shot.width()) * shot.height(), qPrintable(QString::number(shaded)));
}

void tst_HelpDrawnXvfb::pictureFitted()
{
    open(QStringLiteral("writer-from-html.rtf"));
    QTextDocument* document = m_viewer->document();
    // The widest picture, in the colour it is painted in.
    QTextImageFormat widest;
    QTextBlock holder;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (const QTextImageFormat image = it.fragment().charFormat().toImageFormat();
                image.isValid() && (!widest.isValid() || image.width() > widest.width())) {
                widest = image;
                holder = block;
            }
    QVERIFY(widest.isValid());
    const QImage natural = document->resource(QTextDocument::ImageResource, QUrl(widest.name())).value<QImage>();
    QVERIFY(natural.width() > m_viewer->viewport()->width());
    const QColor paint = natural.pixelColor(natural.width() / 2, natural.height() / 2);

    const QImage shot = grab(document->documentLayout()->blockBoundingRect(holder));
    int left = shot.width();
    int right = -1;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (IsNear(shot.pixel(x, y), paint)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    // As wide as the text, which is narrower than the viewer: cut off at the viewer's edge it would be wider.
    const int text = m_viewer->lineWrapColumnOrWidth() - qRound(document->documentMargin() * 2);
    QVERIFY2(right - left + 1 <= text && right - left + 1 >= text - 2,
             qPrintable(QStringLiteral("%1 drawn, %2 of text").arg(right - left + 1).arg(text)));
}

void tst_HelpDrawnXvfb::footnoteRule()
{
    open(QStringLiteral("writer-from-docx.rtf"));
    QTextDocument* document = m_viewer->document();
    QTextBlock rule = document->lastBlock();
    while (rule.isValid() && !rule.blockFormat().hasProperty(QTextFormat::BlockTrailingHorizontalRulerWidth))
        rule = rule.previous();
    QVERIFY(rule.isValid());
    const QRectF area = document->documentLayout()->blockBoundingRect(rule);
    // Across the text only, where the rule is drawn.
    const QImage shot = grab(area.adjusted(4, 0, -4, 0));
    QVERIFY(Lines(shot, true) >= 1);
}

// Writer's bordered, shaded note: its border colour at the box's edges, its shade inside.
void tst_HelpDrawnXvfb::noteBox()
{
    open(QStringLiteral("writer-features.rtf"));
    QTextDocument* document = m_viewer->document();
    QTextFrame* box = document->find(QStringLiteral("Note: the premium")).currentFrame();
    QVERIFY(box && box != document->rootFrame());
    const QRectF area = document->documentLayout()->frameBoundingRect(box);
    const QImage shot = grab(area);
    const QColor border(0xcc, 0x00, 0x00);
    const QColor shade(0xff, 0xee, 0xaa);
    // Down the middle row: white, the border, the shade, the border, white.
    const int y = shot.height() / 2;
    int firstBorder = -1, lastBorder = -1, shaded = 0;
    for (int x = 0; x < shot.width(); ++x) {
        if (IsNear(shot.pixel(x, y), border)) {
            lastBorder = x;
            if (firstBorder < 0)
                firstBorder = x;
        }
        shaded += IsNear(shot.pixel(x, y), shade);
    }
    QVERIFY2(
        firstBorder >= 0 && lastBorder - firstBorder > shot.width() / 2,
        qPrintable(QStringLiteral("border at %1 and %2 of %3").arg(firstBorder).arg(lastBorder).arg(shot.width())));
    QVERIFY2(shaded > (lastBorder - firstBorder) / 2, qPrintable(QString::number(shaded)));
    QVERIFY(IsNear(shot.pixel(firstBorder + 3, y), shade) || IsNear(shot.pixel(firstBorder + 4, y), shade));
}

// White text on a dark blue paragraph: the shade fills the paragraph and the text shows on it.
void tst_HelpDrawnXvfb::shadedParagraph()
{
    open(QStringLiteral("writer-features.rtf"));
    QTextDocument* document = m_viewer->document();
    const QTextBlock banner = document->find(QStringLiteral("Price list")).block();
    const QImage shot = grab(document->documentLayout()->blockBoundingRect(banner).adjusted(0, 1, 0, -1));
    qint64 shade = 0, white = 0;
    for (int y = 6; y < shot.height() - 6; ++y)
        for (int x = 6; x < shot.width() - 6; ++x) {
            shade += IsNear(shot.pixel(x, y), QColor(0x1f, 0x38, 0x64));
            white += IsNear(shot.pixel(x, y), Qt::white);
        }
    QVERIFY2(shade > white && white > 20, qPrintable(QStringLiteral("%1 shaded, %2 white").arg(shade).arg(white)));
}

// The dots that lead from "Oak chest" to its price, and nothing between words without a leader.
void tst_HelpDrawnXvfb::tabLeader()
{
    open(QStringLiteral("writer-features.rtf"));
    QTextDocument* document = m_viewer->document();
    const QTextBlock price = document->find(QStringLiteral("Oak chest\t150")).block();
    QTextLayout* layout = price.layout();
    const QTextLine line = layout->lineAt(0);
    const QRectF block = document->documentLayout()->blockBoundingRect(price);
    const qreal from = block.left() + line.cursorToX(9) + 4;
    const qreal to = block.left() + line.cursorToX(10) - 4;
    QVERIFY(to - from > 100);
    const QImage shot = grab(QRectF(from, block.top() + line.y(), to - from, line.height()));
    // grab() widens the area by 6 pixels each way.
    int inked = 0;
    for (int x = 8; x < shot.width() - 8; ++x)
        for (int y = 0; y < shot.height(); ++y)
            if (qGray(shot.pixel(x, y)) < 160) {
                ++inked;
                break;
            }
    // Dots every few pixels along the whole gap.
    QVERIFY2(inked > (shot.width() - 16) / 8,
             qPrintable(QStringLiteral("%1 of %2 columns").arg(inked).arg(shot.width())));
}

GAVELOR_XVFB_TEST_MAIN(tst_HelpDrawnXvfb)

#include "tst_helpdrawn_xvfb.moc"
