#pragma once

#include "forms/control_table.h"
#include "forms/failure.h"
#include "forms/workspace.h"

class QWidget;

namespace forms {

// A form as the main window shows it: its table, and the handlers that
// attach to a freshly loaded copy (none for the start and About forms).
struct FormSpec {
    const FormTable& table;
    void (*attach)(QWidget& form, const FormContext& context) = nullptr;
};

extern const FormSpec frmTav20;
extern const FormSpec frmAutor;
extern const FormSpec frmBas;
extern const FormSpec frmSrednji;
extern const FormSpec frmVisoki;
extern const FormSpec frmKalem;
extern const FormSpec Form1;

extern const WindowSpec frmOdziv;
extern const WindowSpec frmNamotaj;

}  // namespace forms
