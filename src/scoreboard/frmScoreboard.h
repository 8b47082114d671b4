#pragma once

#include "sale/AuctionState.h"
#include "sale/SaleController.h"
#include "scoreboard/BoardView.h"
#include "scoreboard/PictureBox.h"
#include "scoreboard/modResize.h"

#include <QVarLengthArray>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class AppSettings;
class BoardAnnouncer;
class frmAudience;
class frmCurrencyBoard;
class LiveFeed;
class LotPictureLoader;
class NumLockBackend;
class NumberLED;
class PaddleEntry;
class QLabel;
class QPlainTextEdit;
class QScreen;
class SaleJournal;
class SavingSign;
class frmResults;

// The window that faces the room: lot number, bid and note, scaled to any window size,
// driven by single keys. Closing it ends the program: it emits Unloaded, which Startup
// connects to ending the run, so no other window keeps the run alive.
class frmScoreboard : public QWidget
{
    Q_OBJECT

public:
    // The client area the composition is designed for, in twips.
    static constexpr int DesignClientWidth = 9480;
    static constexpr int DesignClientHeight = 6795;

    // numLock: the keyboard whose NumLock the window holds; null leaves NumLock alone.
    explicit frmScoreboard(AppSettings& settings, QWidget* parent = nullptr, NumLockBackend* numLock = nullptr);
    ~frmScoreboard() override;

    // Windows that the function keys open; a key without an opener does nothing.
    // F1 shows help (modeless). F2 runs the options dialog to its end, after which colours,
    // NumLock mode and digit style are applied again. F3 runs the lot editor to its end.
    void setHelpOpener(std::function<void()> opener) { m_openHelp = std::move(opener); }
    void setOptionsOpener(std::function<void()> opener) { m_openOptions = std::move(opener); }
    void setLotEditorOpener(std::function<void()> opener) { m_openLotEditor = std::move(opener); }
    // The live feed that the show steps publish to, and F9's window of it; null: neither.
    void setLiveFeed(LiveFeed* feed, std::function<void()> opener)
    {
        m_feed = feed;
        m_openLiveFeed = std::move(opener);
    }

    // The lot pictures that the audience screen shows; null: none.
    void setLotPictures(LotPictureLoader* pictures);

    // Common key-release handling of the window and its key-taking controls.
    void AllKeyUp(qint16 keyCode);
    // Brings NumLock to the state the NumLock mode holds, if it holds one.
    void UpdateNumLock();

    // The sale's journal: F5 and F6 record the lot on show as sold or passed, F4 shows the
    // results. Without one those keys do nothing.
    void setSale(SaleJournal* sale);
    // The sale that the window's keys drive and its views show.
    SaleController& sale() const { return *m_sale; }
    // F4's window, created on first use; null until then. Opened without `activate`, it shows
    // beside the board and leaves the keys with the board.
    void ShowResults(bool activate = true);
    frmResults* results() const { return m_results.get(); }
    // Puts the lot at a position on the board as Right and Left would; a bid, when given,
    // is then put back in place of its starting bid.
    void ShowLotAt(qint32 position, std::optional<qint32> amount = std::nullopt);

    const AuctionState& auctionState() const { return m_sale->state(); }
    // What a screen reader is given to say as the sale moves.
    BoardAnnouncer* announcer() const { return m_announcer.get(); }
    // The paddle entry that follows a sale when the option asks for it, and the sign that the
    // bid has reached the reserve; the operator's alone.
    PaddleEntry* paddleEntry() const { return m_paddleEntry; }
    QLabel* reserveMark() const { return m_reserveMark; }
    // The audience screen that F12 shows and hides; null until it is first shown.
    frmAudience* audience() const { return m_audience.get(); }
    // The Currency Board window that F7 shows; null until it is first shown.
    frmCurrencyBoard* currencyBoard() const { return m_currencyBoard.get(); }

signals:
    // The window was closed; the program is to end now.
    void Unloaded();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void Form_Load();
    void Form_Resize();
    void Form_KeyDown(QKeyEvent* event);
    void Form_KeyUp(QKeyEvent* event);
    void picAmountBack_KeyDown(QKeyEvent* event);
    void picAmountBack_KeyUp(QKeyEvent* event);
    void nledLotNum_KeyDown(QKeyEvent* event);
    void nledLotNum_KeyUp(QKeyEvent* event);
    void nledAmountThousands_Click();
    void nledAmountOnes_Click();

    void HandleCommandKey(const qint16& keyCode);
    QVarLengthArray<const BoardView*, 2> Boards() const;
    // Puts what changed in the sale on every view of the board.
    void sale_Changed(SaleController::Changes what);
    void ShowLotNumber(int caption);
    void ShowAmount();
    void ApplyColors();
    void ApplyDigitStyle();
    void ShowResultStamp();
    void PublishToFeed();
    void txtNote_Change();
    QScreen* AudienceScreen() const;
    void ToggleAudience();
    void OpenCurrencyBoard();
    void ReleaseKey(QKeyEvent* event);
    void ToggleFullScreen();
    void AskForPaddle();
    void ShowReserveMark();

    AppSettings& m_settings;
    NumLockBackend* m_numLock;
    std::unique_ptr<SaleController> m_sale;
    modResize m_layout;
    std::function<void()> m_openHelp;
    std::function<void()> m_openOptions;
    std::function<void()> m_openLotEditor;
    BoardView m_board;
    std::unique_ptr<frmAudience> m_audience;
    std::unique_ptr<frmCurrencyBoard> m_currencyBoard;
    std::unique_ptr<frmResults> m_results;
    SavingSign* m_savingSign = nullptr;
    PaddleEntry* m_paddleEntry = nullptr;
    QLabel* m_reserveMark = nullptr;
    std::unique_ptr<BoardAnnouncer> m_announcer;
    LiveFeed* m_feed = nullptr;
    std::function<void()> m_openLiveFeed;
    LotPictureLoader* m_pictures = nullptr;
};
