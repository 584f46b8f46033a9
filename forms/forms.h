#pragma once

#include "formkit/control_table.h"
#include "formkit/form_context.h"

class QWidget;

namespace forms {

// A form as the main window shows it: its table, and the handlers that
// attach to a freshly loaded copy (none for the start and About forms).
struct FormDesign {
    const formkit::FormTable& table;
    void (*attach)(QWidget& form, const formkit::FormContext& context) = nullptr;
};

extern const FormDesign frmTav20;
extern const FormDesign frmAutor;
extern const FormDesign frmBas;
extern const FormDesign frmSrednji;
extern const FormDesign frmVisoki;
extern const FormDesign frmKalem;
extern const FormDesign Form1;

}  // namespace forms
