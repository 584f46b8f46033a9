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

// What every form's handlers need from outside: the presenter and the
// regional settings, asked for on every press.
struct FormContext {
    FailurePresenter& presenter;
    std::function<calc::Region()> region;
};

}  // namespace forms
