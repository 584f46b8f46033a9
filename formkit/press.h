#pragma once

// One press of a calculate button: read the fields in order, run the
// operation, and write its captions into the result labels. A failure
// anywhere ends the press before any label is touched.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <type_traits>
#include <vector>

#include "calc/calc.h"
#include "formkit/form_context.h"
#include "formkit/form_loader.h"
#include "formkit/shown_results.h"
#include "formkit/warnings.h"
#include "formkit/window_state.h"

namespace formkit {

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

// The fields' values in order; the first that cannot be read is told, and
// ends the press before anything is written.
template <class Value, std::size_t N>
std::optional<std::array<Value, N>> readFields(const FormContext& context,
                                               std::span<const Input, N> inputs,
                                               const calc::Region& region) {
    std::array<Value, N> values{};
    for (std::size_t i = 0; i < N; ++i) {
        const auto read = readAs<Value>(inputs[i].field->text().toStdString(), region);
        if (!read) {
            reportFailure(context, readingWarning(read.error(), inputs[i]), inputs[i]);
            return std::nullopt;
        }
        values[i] = *read;
    }
    return values;
}

// A result's captions in the order of its labels.
template <class Result>
std::vector<std::string> captionsOf(const Result& result, const calc::Region& region) {
    if constexpr (requires { calc::captions(result, region); }) {
        const auto captions = calc::captions(result, region);
        return {captions.begin(), captions.end()};
    } else {
        return {calc::caption(result, region)};
    }
}

// Whether the press succeeded.
template <class Value, std::size_t N, class Operation>
bool press(const FormContext& context, const std::array<Input, N>& inputs, Operation operation,
           std::span<QLabel* const> labels) {
    const calc::Region region = context.region();
    const auto values = readFields<Value>(context, std::span<const Input, N>(inputs), region);
    if (!values) return false;
    const auto result = std::apply(operation, *values);
    if (!result) {
        const calc::Fault& fault = result.error();
        reportFailure(context, faultWarning(fault, inputs), inputs[fault.input]);
        return false;
    }
    const std::vector<std::string> captions = captionsOf(*result, region);
    for (std::size_t i = 0; i < labels.size(); ++i) setCaption(labels[i], captions[i]);
    if constexpr (std::is_constructible_v<CrossoverResult, decltype(*result)>)
        if (context.shown)
            context.shown->record(inputs[0].field->parentWidget(), *result,
                                  std::vector<float>(values->begin(), values->end()));
    return true;
}

// A field a press reads, as a form's table names it.
struct FieldRow {
    std::string_view name;
    const char* symbol;  // nullptr where the form shows none
    const char* meaning;
};

// Wires one calculate button of a loaded form: its fields, read in order as
// Value, its operation, and the labels its captions go to.
template <class Value = float, std::size_t N, std::size_t M, class Operation>
void wirePress(QWidget& form, const FormContext& context, std::string_view button,
               const FieldRow (&fields)[N], Operation operation,
               const std::string_view (&labels)[M]) {
    std::array<Input, N> inputs;
    for (std::size_t i = 0; i < N; ++i)
        inputs[i] = {control<QLineEdit>(&form, fields[i].name), fields[i].symbol,
                     fields[i].meaning};
    std::array<QLabel*, M> shown;
    for (std::size_t i = 0; i < M; ++i) shown[i] = control<QLabel>(&form, labels[i]);
    auto* pressed = control<QPushButton>(&form, button);
    QObject::connect(pressed, &QPushButton::clicked, &form,
                     [context, inputs, operation, shown, pressed] {
                         if (press<Value>(context, inputs, operation, shown))
                             recordPress(*pressed, inputs);
                     });
}

}  // namespace formkit
