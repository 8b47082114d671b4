#include "common/Prompts.h"

#include "platform/ModalGuard.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

namespace {

struct TestState
{
    bool enabled = false;
    QList<Prompts::Answer> answers;
    QList<int> choices;
    QList<std::optional<QColor>> colors;
    QList<QString> fileNames;
    QList<Prompts::Asked> asked;
    std::function<void()> whileOpen;
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

// What a test does while the next prompt is open: the keys that arrive in that time.
void runWhileOpen()
{
    if (std::function<void()> work = std::exchange(testState().whileOpen, nullptr))
        work();
}

Prompts::Answer takeAnswer(Prompts::Answer fallback)
{
    TestState& state = testState();
    return state.answers.isEmpty() ? fallback : state.answers.takeFirst();
}

} // namespace

void Prompts::Inform(QWidget* parent, const QString& text, Icon icon, const QString& caption)
{
    const ModalGuard guard;
    TestState& state = testState();
    if (state.enabled) {
        runWhileOpen();
        state.asked.append({captionOr(caption), text, icon, false});
        takeAnswer(Answer::Ok);
        return;
    }
    QMessageBox box(boxIcon(icon), captionOr(caption), text, QMessageBox::Ok, parent);
    box.exec();
}

bool Prompts::Confirm(QWidget* parent, const QString& text, Icon icon, const QString& caption)
{
    const ModalGuard guard;
    TestState& state = testState();
    if (state.enabled) {
        runWhileOpen();
        state.asked.append({captionOr(caption), text, icon, true});
        return takeAnswer(Answer::Yes) != Answer::No;
    }
    QMessageBox box(boxIcon(icon), captionOr(caption), text, QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    // Any answer but No goes ahead, closing the box included.
    return box.exec() != QMessageBox::No;
}

int Prompts::Choose(QWidget* parent, const QString& text, const QStringList& buttons, int defaultButton,
                    int escapeButton, Icon icon, const QString& caption)
{
    const ModalGuard guard;
    TestState& state = testState();
    if (state.enabled) {
        runWhileOpen();
        state.asked.append({captionOr(caption), text, icon, false, buttons});
        return state.choices.isEmpty() ? defaultButton : state.choices.takeFirst();
    }
    QMessageBox box(boxIcon(icon), captionOr(caption), text, QMessageBox::NoButton, parent);
    QList<QPushButton*> pushButtons;
    for (const QString& button : buttons)
        pushButtons.append(box.addButton(button, QMessageBox::ActionRole));
    if (defaultButton >= 0 && defaultButton < pushButtons.size())
        box.setDefaultButton(pushButtons[defaultButton]);
    if (escapeButton >= 0 && escapeButton < pushButtons.size())
        box.setEscapeButton(pushButtons[escapeButton]);
    box.exec();
    const auto chosen = pushButtons.indexOf(qobject_cast<QPushButton*>(box.clickedButton()));
    return chosen >= 0 ? static_cast<int>(chosen) : escapeButton;
}

std::optional<QColor> Prompts::PickColor(QWidget* parent, const QColor& initial, const QString& what)
{
    const ModalGuard guard;
    TestState& state = testState();
    if (state.enabled) {
        runWhileOpen();
        state.asked.append({QStringLiteral("colour"), initial.name(), Icon::None, false, {what}});
        return state.colors.isEmpty() ? std::nullopt : state.colors.takeFirst();
    }
    QColorDialog dialog(initial, parent);
    if (!what.isEmpty())
        dialog.setAccessibleName(QStringLiteral("%1: %2").arg(dialog.windowTitle(), what));
    if (dialog.exec() != QDialog::Accepted || !dialog.selectedColor().isValid())
        return std::nullopt;
    return dialog.selectedColor();
}

namespace {

// What a folder dialog is recorded with in tests, where a file dialog has its filter.
const QString FolderFilter = QStringLiteral("folder");

QString askFileName(QWidget* parent, QFileDialog::AcceptMode mode, const QString& caption, const QString& path,
                    const QString& filter, const QString& defaultSuffix)
{
    const ModalGuard guard;
    TestState& state = testState();
    if (state.enabled) {
        runWhileOpen();
        state.asked.append({caption, path, Prompts::Icon::None, false, {filter}});
        return state.fileNames.isEmpty() ? QString() : state.fileNames.takeFirst();
    }
    QFileDialog dialog(parent, caption, path, filter);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(filter == FolderFilter            ? QFileDialog::Directory
                       : mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                         : QFileDialog::AnyFile);
    if (filter == FolderFilter)
        dialog.setOption(QFileDialog::ShowDirsOnly);
    dialog.setDefaultSuffix(defaultSuffix);
    if (mode == QFileDialog::AcceptSave)
        dialog.selectFile(path);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().first();
}

} // namespace

QString Prompts::OpenFileName(QWidget* parent, const QString& caption, const QString& directory, const QString& filter)
{
    return askFileName(parent, QFileDialog::AcceptOpen, caption, directory, filter, {});
}

QString Prompts::SaveFileName(QWidget* parent, const QString& caption, const QString& proposedPath,
                              const QString& filter, const QString& defaultSuffix)
{
    return askFileName(parent, QFileDialog::AcceptSave, caption, proposedPath, filter, defaultSuffix);
}

QString Prompts::FolderName(QWidget* parent, const QString& caption, const QString& directory)
{
    return askFileName(parent, QFileDialog::AcceptOpen, caption, directory, FolderFilter, {});
}

void Prompts::setTestMode(bool on)
{
    testState().enabled = on;
}

void Prompts::queueAnswer(Answer answer)
{
    testState().answers.append(answer);
}

void Prompts::queueChoice(int button)
{
    testState().choices.append(button);
}

void Prompts::queueColor(std::optional<QColor> color)
{
    testState().colors.append(color);
}

void Prompts::whileNextOpen(std::function<void()> work)
{
    testState().whileOpen = std::move(work);
}

void Prompts::queueFileName(const QString& path)
{
    testState().fileNames.append(path);
}

const QList<Prompts::Asked>& Prompts::asked()
{
    return testState().asked;
}

void Prompts::clear()
{
    TestState& state = testState();
    state.answers.clear();
    state.choices.clear();
    state.colors.clear();
    state.fileNames.clear();
    state.asked.clear();
    state.whileOpen = nullptr;
}
