#include "formkit/window_state.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextEdit>
#include <QWidget>
#include <algorithm>
#include <iterator>

namespace formkit {

namespace {

// On a button pressed successfully: its fields' names and texts, in turn.
constexpr char pressedTexts[] = "tav20PressedTexts";
constexpr char keeperName[] = "tav20StateKeeper";

// Found by name rather than by type: a module's copy of the type's identity may not be the
// program's.
StateKeeper* keeperOf(const QWidget& window) {
    return static_cast<StateKeeper*>(
        window.findChild<QObject*>(QLatin1String(keeperName), Qt::FindDirectChildrenOnly));
}

// The controls a user sets: named, in the window itself rather than a dialog of it.
template <class Control>
QList<Control*> controlsOf(const QWidget& window) {
    QList<Control*> found = window.findChildren<Control*>();
    found.removeIf([&](const Control* control) {
        return control->objectName().isEmpty() || control->window() != window.window();
    });
    return found;
}

std::string text(const QString& text) { return text.toStdString(); }

}  // namespace

std::vector<project::Setting> stateOf(const QWidget& window) {
    std::vector<project::Setting> settings;
    for (const QLineEdit* field : controlsOf<QLineEdit>(window))
        if (!field->isReadOnly())
            settings.push_back({text(field->objectName()), text(field->text())});
    for (const QTextEdit* field : controlsOf<QTextEdit>(window))
        if (!field->isReadOnly())
            settings.push_back({text(field->objectName()), text(field->toPlainText())});
    for (const QCheckBox* check : controlsOf<QCheckBox>(window))
        settings.push_back({text(check->objectName()), check->isChecked() ? "1" : "0"});
    for (const QComboBox* choice : controlsOf<QComboBox>(window))
        settings.push_back({text(choice->objectName()), text(choice->currentText())});
    for (const QPushButton* button : controlsOf<QPushButton>(window)) {
        const QStringList read = button->property(pressedTexts).toStringList();
        for (qsizetype i = 0; i + 1 < read.size(); i += 2)
            settings.push_back({text(button->objectName() + '/' + read[i]), text(read[i + 1])});
    }
    if (const StateKeeper* keeper = keeperOf(window))
        std::ranges::move(keeper->m_give(), std::back_inserter(settings));
    return settings;
}

void restoreState(QWidget& window, std::span<const project::Setting> settings) {
    auto put = [&](const project::Setting& setting) {
        const QString name = QString::fromStdString(setting.name);
        const QString value = QString::fromStdString(setting.text);
        if (auto* field = window.findChild<QLineEdit*>(name)) {
            field->setText(value);
        } else if (auto* lines = window.findChild<QTextEdit*>(name)) {
            lines->setPlainText(value);
        } else if (auto* check = window.findChild<QCheckBox*>(name)) {
            check->setChecked(value == QLatin1String("1"));
        } else if (auto* choice = window.findChild<QComboBox*>(name)) {
            if (const int at = choice->findText(value); at >= 0) choice->setCurrentIndex(at);
        }
    };
    auto pressed = [](const project::Setting& setting) {
        return setting.name.find('/') != std::string::npos;
    };
    for (const project::Setting& setting : settings)
        if (!pressed(setting)) put(setting);
    // Each recorded button once, after its last field: its fields are set, then it is pressed.
    for (std::size_t i = 0; i < settings.size(); ++i) {
        if (!pressed(settings[i])) continue;
        const std::string button = settings[i].name.substr(0, settings[i].name.find('/'));
        put({settings[i].name.substr(button.size() + 1), settings[i].text});
        const bool last =
            i + 1 == settings.size() || !settings[i + 1].name.starts_with(button + '/');
        if (!last) continue;
        if (auto* target = window.findChild<QPushButton*>(QString::fromStdString(button)))
            target->click();
    }
    for (const project::Setting& setting : settings)
        if (!pressed(setting)) put(setting);
    if (StateKeeper* keeper = keeperOf(window)) keeper->m_take(settings);
}

StateKeeper::StateKeeper(QWidget& window, Give give, Take take)
    : QObject(&window), m_give(std::move(give)), m_take(std::move(take)) {
    setObjectName(QLatin1String(keeperName));
}

void recordPress(QPushButton& button, std::span<const Input> inputs) {
    QStringList read;
    for (const Input& input : inputs) read << input.field->objectName() << input.field->text();
    button.setProperty(pressedTexts, read);
}

}  // namespace formkit
