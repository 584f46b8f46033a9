#pragma once

#include <QWidget>
#include <string_view>

#include "calc/calc.h"
#include "formkit/control_table.h"

namespace formkit {

// The one place that turns a control table into widgets. The form's
// objectName is its name and each control's objectName its control name; the
// caller owns the returned form.
QWidget* loadForm(const FormTable& table, const calc::Region& region);

// A control of a loaded form by its name; handlers look controls up once.
template <class T>
T* control(const QWidget* form, std::string_view name) {
    T* found = form->findChild<T*>(QString::fromLatin1(name.data(), qsizetype(name.size())));
    Q_ASSERT_X(found, "formkit::control", name.data());
    return found;
}

}  // namespace formkit
