#include "support/TestSupport.h"

#include <QApplication>
#include <QTimer>

int RunEventLoop(const QList<std::function<void()>>& steps)
{
    QObject context;
    int delay = 0;
    for (const auto& step : steps) {
        delay += 20;
        QTimer::singleShot(delay, &context, step);
    }
    QTimer::singleShot(delay + 3000, &context, [] { QCoreApplication::exit(-1); });
    const int result = QApplication::exec();
    // The last window's closing also queued a quit; left over, it would end the next
    // test's modal loops before they start.
    QCoreApplication::removePostedEvents(qApp, QEvent::Quit);
    return result;
}
