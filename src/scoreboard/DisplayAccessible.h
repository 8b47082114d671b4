#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// What a self-drawn display shows, for screen readers and UI automation. The LED displays
// and the amount panel draw their content themselves, so Qt cannot read it off them; each
// says in words what it shows, and a change of it reaches the bus as a text change.
class ShownText
{
public:
    virtual ~ShownText() = default;
    virtual QString shownText() const = 0;
    // The number on show: the lot number, the whole bid.
    virtual std::optional<int> shownNumber() const { return std::nullopt; }
};

namespace DisplayAccessible {

// Registers the accessible interface of the self-drawn displays with Qt; any number of calls.
void Install();
// Tells assistive technology that what `display` shows has changed from `before`, as a text
// change on the desktop's accessibility bus (what is spoken is BoardAnnouncer's part).
void NotifyChanged(QWidget* display, const QString& before);

// Sees every announcement as it is handed to Qt. Qt passes it on only while an assistive
// technology listens; the in-process tests watch it here, the bus tests on the bus.
using Observer = std::function<void(QWidget* display, const QString& text)>;
void SetObserver(Observer observer);

} // namespace DisplayAccessible
