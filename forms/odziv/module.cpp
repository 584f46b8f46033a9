#include <QtGlobal>

#include "forms/odziv/odziv_window.h"

// The one entry point of the module, for the program that loads it when the
// response window is first opened.
extern "C" Q_DECL_EXPORT QWidget* tav20ResponseWindow(formkit::Workspace& workspace) {
    return new odziv::OdzivWindow(workspace);
}
