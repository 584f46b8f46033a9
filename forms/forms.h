#pragma once

#include "formkit/control_table.h"
#include "formkit/form_context.h"
#include "formkit/tooltips.h"

class QWidget;

namespace forms {

// A form as the main window shows it: its table, the handlers that attach to
// a freshly loaded copy (none for the start and About forms), and what each
// field and button means.
struct FormDesign {
    const formkit::FormTable& table;
    void (*attach)(QWidget& form, const formkit::FormContext& context) = nullptr;
    std::span<const formkit::Tooltip> tooltips = {};
};

extern const FormDesign frmTav20;
extern const FormDesign frmAutor;
extern const FormDesign frmBas;
extern const FormDesign frmSrednji;
extern const FormDesign frmVisoki;
extern const FormDesign frmKalem;
extern const FormDesign Form1;

}  // namespace forms
