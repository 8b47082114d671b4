#pragma once

#include <QWidget>

class QTabWidget;

// One tab of the options dialog. Its controls are placed relative to the tab control, as
// the dialog is designed, not to the page below the tab bar: they sit on a face that
// covers the whole tab control and is shifted back by the page's offset.
class OptionsTabPage : public QWidget
{
    Q_OBJECT

public:
    explicit OptionsTabPage(QTabWidget* tabs);

    // The container of the tab's controls; coordinates on it are tab-control coordinates.
    QWidget* face() const { return m_face; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void alignFace();

    QTabWidget* m_tabs;
    QWidget* m_face;
};
