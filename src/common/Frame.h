#pragma once

#include <QGroupBox>

// A frame as the setup windows were designed with: the caption stands over the top border
// line, which passes through the middle of the caption, and the frame's contents start
// right below the caption. Controls placed a little below the frame's top edge therefore
// stand clear of both caption and border, wherever the application style would put its
// own group box title.
class Frame : public QGroupBox
{
    Q_OBJECT

public:
    explicit Frame(const QString& caption, QWidget* parent = nullptr);
};
