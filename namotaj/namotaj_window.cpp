#include "namotaj/namotaj_window.h"

#include "forms/forms.h"

namespace namotaj {

NamotajWindow::NamotajWindow(const forms::FormContext& context) : m_context(context) {
    setWindowTitle(QStringLiteral("Namotaj kalema"));
}

void NamotajWindow::takeInductance(double) {}

}  // namespace namotaj

const forms::WindowSpec forms::frmNamotaj{
    "frmNamotaj", [](Workspace& workspace) -> QWidget* {
        return new namotaj::NamotajWindow(workspace.context());
    }};
