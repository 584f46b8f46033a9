#pragma once

// One press of a calculate button: read the fields in order, run the
// operation, and hand its result to the form, which sets its labels. A
// failure anywhere ends the press before any label is touched.

#include <QLineEdit>
#include <array>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>

#include "calc/calc.h"
#include "forms/failure.h"

class QLabel;

namespace forms {

struct Input {
    QLineEdit* field;
    const char* symbol;  // how the warning names the field
};

// Tells the user what failed in which field and puts the focus back there,
// with the text selected for retyping.
void reportFailure(const FormContext& context, calc::Failure failure, const Input& input);

// The input an operation's failure points at: the first zero for a zero
// divisor, the first negative value for a negative root, the value farthest
// from 1 for an overflow, else the last input.
std::size_t culpritOf(calc::Failure failure, std::span<const double> values);

// Replaces a result label's whole text; the tooltip carries the whole caption
// for when it is wider than the label, the accessible description for a
// screen reader.
void setCaption(QLabel* label, const std::string& caption);

template <class Value>
calc::Result<Value> readAs(std::string_view text, const calc::Region& region) {
    if constexpr (std::is_same_v<Value, float>)
        return calc::readField(text, region);
    else
        return calc::readFieldDouble(text, region);
}

template <class Value, std::size_t N, class Operation, class Show>
void press(const FormContext& context, const std::array<Input, N>& inputs, Operation operation,
           Show show) {
    const calc::Region region = context.region();
    std::array<Value, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto read = readAs<Value>(inputs[i].field->text().toStdString(), region);
        if (!read) return reportFailure(context, read.error(), inputs[i]);
        values[i] = *read;
    }
    const auto result = std::apply(operation, values);
    if (!result) {
        std::array<double, N> wide{};
        std::copy(values.begin(), values.end(), wide.begin());
        return reportFailure(context, result.error(), inputs[culpritOf(result.error(), wide)]);
    }
    show(*result, region);
}

}  // namespace forms
