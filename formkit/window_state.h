#pragma once

#include <QObject>
#include <functional>
#include <span>
#include <vector>

#include "formkit/warnings.h"
#include "project/project.h"

class QPushButton;
class QWidget;

namespace formkit {

// A window's state as a project keeps it: the text of every named field (one line or many), check
// ("1" or "0") and choice, and for each press whose result it shows the texts that press read, as
// "button/field" settings; the results themselves are computed again, never kept.
std::vector<project::Setting> stateOf(const QWidget& window);

// Puts the texts, checks and choices back, then presses each recorded button again on the texts
// it read and puts back what was typed since: the window shows what it showed. A setting whose
// control the window lacks is passed over.
void restoreState(QWidget& window, std::span<const project::Setting> settings);

// Called by a press that succeeded: what its fields held, for stateOf.
void recordPress(QPushButton& button, std::span<const Input> inputs);

// What a window keeps beyond its named controls, given and taken by the window itself: a child
// that stateOf and restoreState find by its objectName, so that a window loaded as a module needs
// no entry point more. Its settings' names must name no control and hold no '/'.
class StateKeeper : public QObject {
public:
    using Give = std::function<std::vector<project::Setting>()>;
    // Given every setting of the window, after its controls and presses are restored.
    using Take = std::function<void(std::span<const project::Setting>)>;

    StateKeeper(QWidget& window, Give give, Take take);

private:
    friend std::vector<project::Setting> stateOf(const QWidget& window);
    friend void restoreState(QWidget& window, std::span<const project::Setting> settings);

    Give m_give;
    Take m_take;
};

}  // namespace formkit
