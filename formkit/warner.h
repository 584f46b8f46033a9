#pragma once

#include <QString>

class QWidget;

namespace formkit {

// How a failed press is told to the user: the program's one way of reporting
// failures. Injected, so tests see the message without a modal loop.
class Warner {
public:
    enum class Answer { Save, Discard, Cancel };

    virtual ~Warner() = default;
    virtual void warn(QWidget* window, const QString& message) = 0;
    // Whether to save a changed project before it is left; where nobody can answer, nothing is
    // left.
    virtual Answer askToSave(QWidget*, const QString&) { return Answer::Cancel; }
};

// A warning box that shows the message as plain text, whatever the user typed.
class MessageBoxWarner final : public Warner {
public:
    void warn(QWidget* window, const QString& message) override;
    Answer askToSave(QWidget* window, const QString& question) override;
};

}  // namespace formkit
