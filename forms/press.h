#pragma once

// One press of a calculate button: read the fields in order, run the
// operation, and hand its result to the form, which sets its labels. A
// failure anywhere ends the press before any label is touched.

#include <QLineEdit>
#include <array>
#include <string>
#include <tuple>
#include <type_traits>

#include "calc/calc.h"
#include "forms/failure.h"
#include "forms/shown_results.h"
#include "forms/warnings.h"

class QLabel;

namespace forms {

// Tells the user what failed and puts the focus in the field that can fix
// it, with the text selected for retyping.
void reportFailure(const FormContext& context, const QString& warning, const Input& input);

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
        if (!read)
            return reportFailure(context, readingWarning(read.error(), inputs[i]), inputs[i]);
        values[i] = *read;
    }
    const auto result = std::apply(operation, values);
    if (!result) {
        const calc::Fault& fault = result.error();
        return reportFailure(context, faultWarning(fault, inputs), inputs[fault.input]);
    }
    show(*result, region);
    if constexpr (std::is_constructible_v<CrossoverResult, decltype(*result)>)
        if (context.shown)
            context.shown->record(inputs[0].field->parentWidget(), *result,
                                  std::vector<float>(values.begin(), values.end()));
}

}  // namespace forms
