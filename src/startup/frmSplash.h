#pragma once

#include <QHash>
#include <QRect>
#include <QSizeF>
#include <QStringList>
#include <QWidget>

#include <functional>

class AppSettings;
class QGroupBox;
class QLabel;
class QPushButton;

// The title window. It places itself, shows the version and loads every setting, then
// waits for a click anywhere but on its two buttons, which leads on to the scoreboard.
// With the single argument "bypass" it goes straight on and is never shown.
class frmSplash : public QWidget
{
    Q_OBJECT

public:
    // Design sizes in twips.
    static constexpr int ClientWidth = 6240;
    static constexpr int ClientHeight = 3210;
    static constexpr int OuterHeight = 3240;
    static constexpr int FrameHeight = 3120;
    // The window is centred as if it were this tall, which lifts it above the middle.
    static constexpr int CentringHeight = 5880;

    // arguments: the program's arguments after the program name.
    frmSplash(AppSettings& settings, QStringList arguments, QWidget* parent = nullptr);

    // GoScore shows the scoreboard through this opener; the buttons call theirs. A button
    // without an opener does nothing.
    void setScoreboardOpener(std::function<void()> opener) { m_openScoreboard = std::move(opener); }
    void setHelpOpener(std::function<void()> opener) { m_openHelp = std::move(opener); }
    void setOptionsOpener(std::function<void()> opener) { m_openOptions = std::move(opener); }

    // Places the window, shows the version, loads the settings; then either goes on to the
    // scoreboard ("bypass") or shows the window. Runs once; later calls do nothing.
    void Form_Load();
    // Closes the title window for good and opens the scoreboard. Only the first call counts.
    void GoScore();

    // "Version 1.0.2" for 1, 0, 2.
    static QString VersionText(int major, int minor, int patch);
    // True when the arguments, joined with one blank, are exactly "bypass".
    static bool IsBypass(const QStringList& arguments);
    // The window's outer rectangle in twips, relative to the top left of a screen area of
    // the given size in twips, for a window of the given outer width. It is never placed
    // above or left of the area.
    static QRect PlacementTwips(const QSizeF& screenTwips, int windowWidthTwips = ClientWidth);

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void PlaceOnScreen();
    // The click target under a point on the screen: a control with a click handler, the
    // window itself for its background, none over a button or outside the window.
    QObject* ClickTargetAt(const QPointF& globalPosition) const;
    // A click is a left press and release over the same target; true when the event was one
    // of the two halves.
    bool TrackClick(QEvent* event);

    void Form_Click();
    void Form_KeyDown(QKeyEvent* event);
    void frameSplash_Click();
    void picLogo_Click();
    void lblName_Click();
    void lblMadeBy_Click();
    void lblVersion_Click();
    void lblClick_Click();
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();
    void cmdHelp_Click();
    void cmdOptions_Click();

    AppSettings& m_settings;
    const QStringList m_arguments;
    bool m_loaded = false;
    bool m_goneOn = false;
    std::function<void()> m_openScoreboard;
    std::function<void()> m_openHelp;
    std::function<void()> m_openOptions;
    QHash<QObject*, void (frmSplash::*)()> m_clickHandlers;
    QObject* m_pressedTarget = nullptr;
    QSize m_placedWithFrame;

    QGroupBox* frameSplash = nullptr;
    QLabel* lblName = nullptr;
    QLabel* lblMadeBy = nullptr;
    QLabel* lblClick = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* picLogo = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdOptions = nullptr;
};
