#pragma once

#include <QColor>
#include <QList>
#include <QString>

#include <optional>

class QWidget;

// Message boxes and the colour picker behind one seam. In the program they show real
// dialogs; a test queues the answers and reads back what was asked, so no test ever
// waits on a modal loop.
class Prompts
{
public:
    enum class Icon { None, Information, Question, Warning, Critical };
    enum class Answer { Ok, Yes, No };

    struct Asked
    {
        QString caption;
        QString text;
        Icon icon;
        bool yesNo;
    };

    // A message with only an OK button. The caption is "Gavelor" unless given.
    static void Inform(QWidget* parent, const QString& text, Icon icon = Icon::None, const QString& caption = {});
    // A Yes/No question; true unless the answer was No.
    static bool Confirm(QWidget* parent, const QString& text, Icon icon, const QString& caption = {});
    // The colour picker; nothing when it was cancelled.
    static std::optional<QColor> PickColor(QWidget* parent, const QColor& initial);

    // Test seam. While answers are queued, prompts take them instead of showing dialogs;
    // a prompt met with an empty queue in test mode answers Ok/Yes/cancel and is recorded.
    static void setTestMode(bool on);
    static void queueAnswer(Answer answer);
    static void queueColor(std::optional<QColor> color);
    static const QList<Asked>& asked();
    static void clear();
};
