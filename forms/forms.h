#pragma once

#include "forms/control_table.h"
#include "forms/failure.h"
#include "forms/workspace.h"

class QWidget;

namespace forms {

// A form as the main window shows it: its table, and the handlers that
// attach to a freshly loaded copy (none for the start and About forms).
struct FormDesign {
    const FormTable& table;
    void (*attach)(QWidget& form, const FormContext& context) = nullptr;
};

extern const FormDesign frmTav20;
extern const FormDesign frmAutor;
extern const FormDesign frmBas;
extern const FormDesign frmSrednji;
extern const FormDesign frmVisoki;
extern const FormDesign frmKalem;
extern const FormDesign Form1;

extern const WindowDesign frmOdziv;
extern const WindowDesign frmNamotaj;

}  // namespace forms
