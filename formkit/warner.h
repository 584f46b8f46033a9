#pragma once

#include <QString>

class QWidget;

namespace formkit {

// How a failed press is told to the user: the program's one way of reporting
// failures. Injected, so tests see the message without a modal loop.
class Warner {
public:
    virtual ~Warner() = default;
    virtual void warn(QWidget* window, const QString& message) = 0;
};

// A warning box that shows the message as plain text, whatever the user typed.
class MessageBoxWarner final : public Warner {
public:
    void warn(QWidget* window, const QString& message) override;
};

}  // namespace formkit
