#include "help/frmHelp.h"

#include "common/Translations.h"
#include "common/Twips.h"
#include "help/HelpAccessible.h"
#include "help/RtfReader.h"
#include "records/RegularFile.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QTextDocument>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <functional>

const QString frmHelp::FileName = QStringLiteral("gavelorhelpfile.rtf");
// The English text; what is shown is translated when the help opens, after the translator is installed.
const QString frmHelp::MissingText = QString::fromUtf8(
    QT_TRANSLATE_NOOP("frmHelp", "Help file has been moved from its normal location.  Please reinstall the program."));
const QString frmHelp::LoadingText = QString::fromUtf8(QT_TRANSLATE_NOOP("frmHelp", "Loading..."));

namespace {

// A read-only text view, which screen readers take for a text with a caret (they take a text
// browser for a label). It follows links as a browser does and draws what Qt's layout leaves
// out: the leaders before tab stops.
class HelpView : public QTextEdit
{
public:
    using QTextEdit::QTextEdit;

    std::function<void(const QUrl&)> linkActivated;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        m_pressedLink = anchorAt(event->position().toPoint());
        m_pressedAt = event->position().toPoint();
        QTextEdit::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        QTextEdit::mouseReleaseEvent(event);
        const QString link = anchorAt(event->position().toPoint());
        // A click, not the end of a drag that selects.
        const bool click =
            (event->position().toPoint() - m_pressedAt).manhattanLength() < QApplication::startDragDistance();
        if (event->button() == Qt::LeftButton && !link.isEmpty() && link == m_pressedLink && click && linkActivated)
            linkActivated(QUrl(link));
        m_pressedLink.clear();
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        // Enter on a link that Tab brought the caret to.
        const QTextCharFormat at = textCursor().charFormat();
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && at.isAnchor() &&
            !at.anchorHref().isEmpty() && linkActivated) {
            linkActivated(QUrl(at.anchorHref()));
            return;
        }
        QTextEdit::keyPressEvent(event);
    }

    void paintEvent(QPaintEvent* event) override
    {
        QTextEdit::paintEvent(event);
        QPainter painter(viewport());
        const QPointF offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
        painter.translate(-offset);
        painter.setPen(viewport()->palette().color(QPalette::Text));
        RtfReader::DrawTabLeaders(painter, *document(), QRectF(offset, viewport()->size()));
    }

private:
    QString m_pressedLink;
    QPoint m_pressedAt;
};

} // namespace

frmHelp::frmHelp(const QString& directory, QWidget* parent)
    : QWidget(parent, Qt::Window), m_directory(directory.isEmpty() ? QCoreApplication::applicationDirPath() : directory)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(tr("Gavelor - Help"));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto* view = new HelpView(this);
    rtbHelp = view;
    HelpAccessible::Install(rtbHelp);
    rtbHelp->setAccessibleName(QStringLiteral("Help"));
    rtbHelp->setObjectName(QStringLiteral("rtbHelp"));
    // Links are followed here, never by loading another file into the viewer.
    view->linkActivated = [this](const QUrl& link) {
        rtbHelp_AnchorClicked(link);
    };
    rtbHelp->setReadOnly(true);
    // Read-only, with a caret that the keys move: a screen reader reads by line and all through.
    rtbHelp->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse |
                                     Qt::LinksAccessibleByKeyboard | Qt::LinksAccessibleByMouse);
    rtbHelp->setLineWrapMode(QTextEdit::FixedPixelWidth);
    rtbHelp->setGeometry(Twips::ToPixels(ViewerLeft, ViewerTop, ClientWidth - ViewerLeft, ClientHeight, this));

    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    resize(Twips::ToPixels(ClientWidth, this), Twips::ToPixels(ClientHeight, this));
    Form_Load();
}

frmHelp::~frmHelp()
{
    // Closed while reading: the reader stops at its next token and its document goes with it.
    if (m_reader) {
        m_cancelled = true;
        m_reader->wait();
    }
}

bool frmHelp::IsNormalFile(const QString& path)
{
    const QFileInfo info(path);
    // isFile() follows links and is false for directories, devices, pipes and dangling links.
    return info.isFile() && !info.fileName().startsWith(QLatin1Char('.'));
}

void frmHelp::Form_Load()
{
    // A translated help document beside the English one is read in its language's locale.
    QString path = m_directory + QLatin1Char('/') + FileName;
    for (const QString& name : Translations::LocalizedNames(FileName)) {
        if (IsNormalFile(m_directory + QLatin1Char('/') + name)) {
            path = m_directory + QLatin1Char('/') + name;
            break;
        }
    }
    if (!IsNormalFile(path)) {
        ShowMissing();
        return;
    }
    rtbHelp->setPlainText(tr(LoadingText.toUtf8().constData()));
    QThread* gui = thread();
    m_reader = QThread::create([this, path, gui] {
        // Checked again as it is opened: whatever replaced the file in between is never read from.
        constexpr qint64 MaxHelpBytes = qint64(256) << 20;
        const RegularFile::Reading file = RegularFile::Read(path, MaxHelpBytes);
        // An empty file holds no help either.
        if (file.status != RegularFile::Status::Read || file.bytes.isEmpty())
            return;
        auto document = std::make_unique<QTextDocument>();
        RtfReader::Read(file.bytes, *document, &m_cancelled);
        document->moveToThread(gui);
        m_loaded = std::move(document);
    });
    m_reader->setParent(this);
    connect(m_reader, &QThread::finished, this, &frmHelp::ShowLoaded);
    // The reader starts once the window's first frame is drawn, so that it does not compete with
    // it; a window that is not shown reads all the same.
    rtbHelp->viewport()->installEventFilter(this);
    QTimer::singleShot(500, this, &frmHelp::StartReading);
}

void frmHelp::StartReading()
{
    if (m_reader && !m_reader->isRunning() && !m_reader->isFinished())
        m_reader->start(QThread::LowPriority);
}

void frmHelp::ShowMissing()
{
    rtbHelp->setPlainText(tr(MissingText.toUtf8().constData()));
}

void frmHelp::ShowLoaded()
{
    // The worker has ended: what it left is this thread's now.
    m_reader->wait();
    delete m_reader;
    m_reader = nullptr;
    if (!m_loaded) {
        ShowMissing();
    } else {
        QTextDocument* document = m_loaded.release();
        document->setParent(rtbHelp);
        rtbHelp->setDocument(document);
        FitPictures();
    }
    emit Loaded();
}

void frmHelp::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmHelp::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Restored from the task bar: refit to the size it comes back at.
    if (event->type() == QEvent::WindowStateChange)
        Form_Resize();
    // A window manager that frames the window late has framed it by the time it hands over the focus.
    else if (event->type() == QEvent::ActivationChange)
        RefitToFrame();
}

void frmHelp::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The window manager frames the window only after it is shown, without resizing the
    // client area: the window hears of its frame from the move or the exposure that follow.
    if (QWindow* window = windowHandle())
        window->installEventFilter(this);
    RefitToFrame();
}

bool frmHelp::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == rtbHelp->viewport() && event->type() == QEvent::Paint && m_reader && !m_reader->isRunning())
        QTimer::singleShot(0, this, &frmHelp::StartReading);
    if (watched == windowHandle() && (event->type() == QEvent::Expose || event->type() == QEvent::Move))
        RefitToFrame();
    return QWidget::eventFilter(watched, event);
}

void frmHelp::RefitToFrame()
{
    if (frameGeometry().size() - size() != m_fittedFrame)
        Form_Resize();
}

void frmHelp::Form_Resize()
{
    if (windowState() & Qt::WindowMinimized)
        return;
    // The outer size includes the frame the window manager draws around the client area.
    const QSize frame = frameGeometry().size() - size();
    m_fittedFrame = frame;
    setMinimumSize(std::max(1, Twips::ToPixels(MinOuterWidth, this) - frame.width()),
                   std::max(1, Twips::ToPixels(MinOuterHeight, this) - frame.height()));
    if (width() < minimumWidth() || height() < minimumHeight()) {
        resize(std::max(width(), minimumWidth()), std::max(height(), minimumHeight()));
        return; // the resize comes back here
    }

    const double outerWidth = Twips::FromPixels(frameGeometry().width(), this);
    const double outerHeight = Twips::FromPixels(frameGeometry().height(), this);
    // Under a window manager whose frame is larger than the design's, the viewer still ends
    // inside the client area.
    const int left = Twips::ToPixels(ViewerLeft, this);
    const int viewerWidth = std::min(Twips::ToPixels(outerWidth - ViewerWidthAllowance, this), width() - left);
    const int viewerHeight = std::min(Twips::ToPixels(outerHeight - ViewerHeightAllowance, this), height());
    rtbHelp->setGeometry(left, Twips::ToPixels(ViewerTop, this), std::max(1, viewerWidth), std::max(1, viewerHeight));
    const double wrapTwips = Twips::FromPixels(rtbHelp->width(), this) - WrapAllowance;
    rtbHelp->setLineWrapColumnOrWidth(std::max(1, Twips::ToPixels(wrapTwips, this)));
    FitPictures();
    rtbHelp->viewport()->update();
}

void frmHelp::FitPictures()
{
    // Pictures wider than the text are scaled down to it, never up.
    const qreal margin = rtbHelp->document()->documentMargin() * 2;
    RtfReader::FitPicturesToWidth(*rtbHelp->document(), rtbHelp->lineWrapColumnOrWidth() - margin);
}

void frmHelp::rtbHelp_AnchorClicked(const QUrl& link)
{
    if (link.scheme().isEmpty() && link.hasFragment())
        rtbHelp->scrollToAnchor(link.fragment());
    else
        QDesktopServices::openUrl(link);
}
