#pragma once

#include "scoreboard/KeyReportingWidget.h"

// A box that shows one colour as its background: the panel behind the scoreboard's amount
// digits and, with a sunken border, the colour swatches of the options dialog. It takes the keyboard focus and
// reports its keys and clicks to the window, like the digit displays do.
class PictureBox : public KeyReportingWidget
{
    Q_OBJECT
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // 24-bit colour: red + 256 * green + 65536 * blue.
    int BackColor() const { return m_backColor; }
    void setBackColor(int color);

    // A thin sunken border around the colour, off unless asked for.
    bool SunkenBorder() const { return m_sunkenBorder; }
    void setSunkenBorder(bool sunken);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_backColor = 0;
    bool m_sunkenBorder = false;
};
