#pragma once

#include <QSize>
#include <QString>
#include <QWidget>

#include <atomic>
#include <memory>

class QTextEdit;
class QTextDocument;
class QThread;
class QUrl;

// The help viewer: a plain resizable window showing the help document that lies beside the
// program, or a notice when it is not there. It is opened without an owner and stays open
// beside the other windows until the operator closes it, or presses Esc. The document is read
// by a worker: the window shows at once with a line saying so, and the board keeps its keys.
// The text has a caret, so that a screen reader reads it line by line.
class frmHelp : public QWidget
{
    Q_OBJECT

public:
    // Design sizes in twips.
    static constexpr int ClientWidth = 11055;
    static constexpr int ClientHeight = 9270;
    static constexpr int ViewerLeft = 120;
    static constexpr int ViewerTop = 0;
    static constexpr int MinOuterWidth = 2700;
    static constexpr int MinOuterHeight = 1700;
    // The viewer is the window's outer size less these; its text wraps this much short of it.
    static constexpr int ViewerWidthAllowance = 240;
    static constexpr int ViewerHeightAllowance = 420;
    static constexpr int WrapAllowance = 450;

    static const QString FileName;
    static const QString MissingText;
    static const QString LoadingText;

    // directory: where the help document is looked for, the program's own directory unless
    // given. Reading the document starts at once.
    explicit frmHelp(const QString& directory = {}, QWidget* parent = nullptr);
    ~frmHelp() override;

    // True until the document, or the notice that it is missing, is in the viewer.
    bool IsLoading() const { return m_reader != nullptr; }

    // A regular file, or a link to one, whose name does not start with a dot.
    static bool IsNormalFile(const QString& path);

signals:
    void Loaded();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    void StartReading();
    void ShowLoaded();
    void ShowMissing();
    // Fits again when the window manager's frame is not the one the last fit allowed for.
    void RefitToFrame();
    void FitPictures();
    void rtbHelp_AnchorClicked(const QUrl& link);

    QString m_directory;
    QTextEdit* rtbHelp = nullptr;
    // The worker reading the document, and what it hands over when it ends.
    QThread* m_reader = nullptr;
    std::atomic<bool> m_cancelled{false};
    std::unique_ptr<QTextDocument> m_loaded;
    // Outer size less client size at the last fit.
    QSize m_fittedFrame;
};
