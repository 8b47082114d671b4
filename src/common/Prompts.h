#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QWidget;

// Message boxes and the colour picker behind one seam. In the program they show real
// dialogs; a test queues the answers and reads back what was asked, so no test ever
// waits on a modal loop. While a prompt is open or opening, the windows behind it take no input.
class Prompts
{
public:
    enum class Icon
    {
        None,
        Information,
        Question,
        Warning,
        Critical
    };
    enum class Answer
    {
        Ok,
        Yes,
        No
    };

    struct Asked
    {
        QString caption;
        QString text;
        Icon icon;
        bool yesNo;
        // A choice's buttons, a file dialog's filter, or what a colour picker changes.
        QStringList buttons = {};
    };

    // A message with only an OK button. The caption is "Gavelor" unless given.
    static void Inform(QWidget* parent, const QString& text, Icon icon = Icon::None, const QString& caption = {});
    // A Yes/No question; true unless the answer was No.
    static bool Confirm(QWidget* parent, const QString& text, Icon icon, const QString& caption = {});
    // A question with buttons of its own; the index of the button chosen. Closing the box
    // counts as the escape button.
    static int Choose(QWidget* parent, const QString& text, const QStringList& buttons, int defaultButton,
                      int escapeButton, Icon icon, const QString& caption = {});
    // The colour picker; nothing when it was cancelled. A screen reader hears which colour it
    // changes ("Select Color: Back Color"); its caption stays as it is.
    static std::optional<QColor> PickColor(QWidget* parent, const QColor& initial, const QString& what = {});
    // File dialogs; an empty name when cancelled. The save dialog proposes the given path
    // and asks before it overwrites a file.
    static QString OpenFileName(QWidget* parent, const QString& caption, const QString& directory,
                                const QString& filter);
    static QString SaveFileName(QWidget* parent, const QString& caption, const QString& proposedPath,
                                const QString& filter, const QString& defaultSuffix);
    // A folder that exists; recorded in tests like a file dialog, with "folder" as its filter.
    static QString FolderName(QWidget* parent, const QString& caption, const QString& directory);

    // Test seam. While answers are queued, prompts take them instead of showing dialogs;
    // a prompt met with an empty queue in test mode answers Ok/Yes/the default button/cancel
    // and is recorded. A file dialog is recorded with its caption, the proposed path as text
    // and its filter as the only button.
    static void setTestMode(bool on);
    static void queueAnswer(Answer answer);
    static void queueChoice(int button);
    static void queueColor(std::optional<QColor> color);
    static void queueFileName(const QString& path);
    // Runs work while the next prompt is open (test mode only): what a fast typist's keys do then.
    static void whileNextOpen(std::function<void()> work);
    static const QList<Asked>& asked();
    static void clear();
};
