#include "forms/press.h"

#include <QLabel>

namespace forms {

void reportFailure(const FormContext& context, const QString& warning, const Input& input) {
    context.presenter.warn(input.field->window(), warning);
    input.field->setFocus(Qt::OtherFocusReason);
    input.field->selectAll();
}

void setCaption(QLabel* label, const std::string& caption) {
    const QString text = QString::fromStdString(caption);
    label->setText(text);
    label->setToolTip(text);
    // A screen reader names the label by its role; the caption is what it holds.
    label->setAccessibleDescription(text);
}

}  // namespace forms
