#include "forms/press.h"

#include <QLabel>
#include <cmath>

namespace forms {

void reportFailure(const FormContext& context, calc::Failure failure, const Input& input) {
    context.presenter.warn(
        input.field->window(),
        failureMessage(failure, QString::fromLatin1(input.symbol), input.field->text()));
    input.field->setFocus(Qt::OtherFocusReason);
    input.field->selectAll();
}

std::size_t culpritOf(calc::Failure failure, std::span<const double> values) {
    if (failure == calc::Failure::DivisionByZero) {
        for (std::size_t i = 0; i < values.size(); ++i)
            if (values[i] == 0) return i;
    }
    if (failure == calc::Failure::NegativeRoot) {
        for (std::size_t i = 0; i < values.size(); ++i)
            if (values[i] < 0) return i;
    }
    if (failure == calc::Failure::Overflow) {
        std::size_t farthest = 0;
        double distance = -1;
        for (std::size_t i = 0; i < values.size(); ++i) {
            if (values[i] == 0) continue;
            const double d = std::fabs(std::log2(std::fabs(values[i])));
            if (d > distance) distance = d, farthest = i;
        }
        return farthest;
    }
    return values.size() - 1;
}

void setCaption(QLabel* label, const std::string& caption) {
    const QString text = QString::fromStdString(caption);
    label->setText(text);
    label->setToolTip(text);
    // A screen reader names the label by its role; the caption is what it holds.
    label->setAccessibleDescription(text);
}

}  // namespace forms
