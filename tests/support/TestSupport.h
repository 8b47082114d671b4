#pragma once

// Shared helpers for the tests live here.
#include <QList>

#include <functional>

// Runs the application's event loop with the steps queued 20 ms apart, as a user's actions
// arrive; gives exec()'s result, or -1 when the loop was still running 3 s after the last step.
int RunEventLoop(const QList<std::function<void()>>& steps);
