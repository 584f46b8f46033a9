#pragma once

#include <QString>
#include <functional>

#include "calc/calc.h"

class QWidget;

namespace forms {

// How a failed press is told to the user. Injected, so tests see the message
// without a modal loop.
class FailurePresenter {
public:
    virtual ~FailurePresenter() = default;
    virtual void warn(QWidget* window, const QString& message) = 0;
};

// A warning box that shows the message as plain text, whatever the user typed.
class MessageBoxPresenter final : public FailurePresenter {
public:
    void warn(QWidget* window, const QString& message) override;
};

class ShownResults;

// What every form's handlers need from outside: the presenter, the regional
// settings, asked for on every press, and where shown results are recorded.
struct FormContext {
    FailurePresenter& presenter;
    std::function<calc::Region()> region;
    ShownResults* shown = nullptr;
};

}  // namespace forms
