#include "odziv/odziv_window.h"

#include "forms/forms.h"

namespace odziv {

OdzivWindow::OdzivWindow(forms::Workspace& workspace) : m_workspace(workspace) {
    setWindowTitle(QStringLiteral("Odziv skretnice"));
}

}  // namespace odziv

const forms::WindowSpec forms::frmOdziv{
    "frmOdziv", [](Workspace& workspace) -> QWidget* { return new odziv::OdzivWindow(workspace); }};
