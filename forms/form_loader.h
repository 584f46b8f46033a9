#pragma once

#include <QPushButton>
#include <QWidget>
#include <string_view>

#include "calc/calc.h"
#include "forms/control_table.h"

namespace forms {

// The one place that turns a control table into widgets. The form's
// objectName is its name and each control's objectName its control name; the
// caller owns the returned form.
QWidget* loadForm(const FormTable& table, const calc::Region& region);

// The shared icon of every window but the wire-gauge form.
QIcon sharedIcon();

// A control of a loaded form by its name; handlers look controls up once.
template <class T>
T* control(const QWidget* form, std::string_view name) {
    T* found = form->findChild<T*>(QString::fromLatin1(name.data(), qsizetype(name.size())));
    Q_ASSERT_X(found, "forms::control", name.data());
    return found;
}

// Runs a handler each time the named button is pressed.
template <class Handler>
void onClick(QWidget& form, std::string_view button, Handler handler) {
    QObject::connect(control<QPushButton>(&form, button), &QPushButton::clicked, &form, handler);
}

}  // namespace forms
