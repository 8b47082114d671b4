#include "common/Prompts.h"

#include <QColorDialog>
#include <QMessageBox>

namespace {

struct TestState
{
    bool enabled = false;
    QList<Prompts::Answer> answers;
    QList<std::optional<QColor>> colors;
    QList<Prompts::Asked> asked;
};

TestState& testState()
{
    static TestState state;
    return state;
}

QString captionOr(const QString& caption)
{
    return caption.isEmpty() ? QStringLiteral("Gavelor") : caption;
}

QMessageBox::Icon boxIcon(Prompts::Icon icon)
{
    switch (icon) {
    case Prompts::Icon::Information:
        return QMessageBox::Information;
    case Prompts::Icon::Question:
        return QMessageBox::Question;
    case Prompts::Icon::Warning:
        return QMessageBox::Warning;
    case Prompts::Icon::Critical:
        return QMessageBox::Critical;
    case Prompts::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

Prompts::Answer takeAnswer(Prompts::Answer fallback)
{
    TestState& state = testState();
    return state.answers.isEmpty() ? fallback : state.answers.takeFirst();
}

} // namespace

void Prompts::Inform(QWidget* parent, const QString& text, Icon icon, const QString& caption)
{
    TestState& state = testState();
    if (state.enabled) {
        state.asked.append({captionOr(caption), text, icon, false});
        takeAnswer(Answer::Ok);
        return;
    }
    QMessageBox box(boxIcon(icon), captionOr(caption), text, QMessageBox::Ok, parent);
    box.exec();
}

bool Prompts::Confirm(QWidget* parent, const QString& text, Icon icon, const QString& caption)
{
    TestState& state = testState();
    if (state.enabled) {
        state.asked.append({captionOr(caption), text, icon, true});
        return takeAnswer(Answer::Yes) != Answer::No;
    }
    QMessageBox box(boxIcon(icon), captionOr(caption), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    // Any answer but No goes ahead, closing the box included.
    return box.exec() != QMessageBox::No;
}

std::optional<QColor> Prompts::PickColor(QWidget* parent, const QColor& initial)
{
    TestState& state = testState();
    if (state.enabled) {
        state.asked.append({QStringLiteral("colour"), initial.name(), Icon::None, false});
        return state.colors.isEmpty() ? std::nullopt : state.colors.takeFirst();
    }
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

void Prompts::setTestMode(bool on)
{
    testState().enabled = on;
}

void Prompts::queueAnswer(Answer answer)
{
    testState().answers.append(answer);
}

void Prompts::queueColor(std::optional<QColor> color)
{
    testState().colors.append(color);
}

const QList<Prompts::Asked>& Prompts::asked()
{
    return testState().asked;
}

void Prompts::clear()
{
    TestState& state = testState();
    state.answers.clear();
    state.colors.clear();
    state.asked.clear();
}
