#pragma once

// The words of a warning: which field, and what is wrong with it, in a
// sentence of its own. Built from the step that failed, never guessed.

#include <QString>
#include <span>

#include "calc/calc.h"

class QLineEdit;

namespace formkit {

// A field that a press reads. A warning names it by the symbol the form shows
// and a word of meaning, "l (duzina namotaja)", so that look-alike symbols are
// never confused; a form that shows no symbols names it by its label.
struct Input {
    QLineEdit* field;
    const char* symbol;  // nullptr where the form shows none
    const char* meaning;
};

// A field whose text could not be read.
QString readingWarning(calc::FaultKind failure, const Input& input);

// An operation's fault, in the symbols of the inputs it was given.
QString faultWarning(const calc::Fault& fault, std::span<const Input> inputs);

// A user's text as a warning quotes it: on one line, and at most 40
// characters, so that a pasted page still gives a box that fits the screen.
QString quoted(const QString& text);

}  // namespace formkit
