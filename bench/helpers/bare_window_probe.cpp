// The least a Qt Widgets program does to put a window up: the yardstick for start-up.
// With the argument "text" the window also shows one line of large text, which brings in
// the font system as any real window does. Started by bench_startup.
#include "FirstFrame.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    // The scoreboard's design size, 9480 x 6795 twips at 96 dpi.
    window.resize(632, 453);
    if (QCoreApplication::arguments().contains(QStringLiteral("text"))) {
        auto* label = new QLabel(QStringLiteral("Lot #:"), &window);
        QFont font(QStringLiteral("Arial"));
        font.setPointSizeF(54.75);
        font.setBold(true);
        label->setFont(font);
        label->setGeometry(6, 12, 200, 86);
    }
    new FirstFrame::Reporter(&window);
    window.show();
    return QApplication::exec();
}
