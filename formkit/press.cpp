#include "formkit/press.h"

#include <QAccessible>
#include <QLabel>
#include <QPointer>

namespace formkit {

// The warning holds the keyboard in a loop of its own, and the form, with the
// input that named its field, may be closed meanwhile from another window.
void reportFailure(const FormContext& context, const QString& warning, const Input& input) {
    const QPointer<QLineEdit> field = input.field;
    context.warner.warn(field->window(), warning);
    if (field.isNull()) return;
    field->setFocus(Qt::OtherFocusReason);
    field->selectAll();
}

void setCaption(QLabel* label, const std::string& caption) {
    const QString text = QString::fromStdString(caption);
    label->setText(text);
    label->setToolTip(text);
    label->setAccessibleDescription(text);
    // A labelled result is heard with its caption: its name has changed.
    QAccessibleEvent changed(label, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

}  // namespace formkit
