#include "forms/child_window.h"

#include <QWindowStateChangeEvent>

namespace forms {

void ChildWindow::showUnminimized() {
    if (!isMinimized())
        show();
    else if (m_maximizedBeforeMinimized)
        showMaximized();
    else
        showNormal();
}

void ChildWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange && isMinimized()) {
        const auto old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        if (!(old & Qt::WindowMinimized)) m_maximizedBeforeMinimized = old & Qt::WindowMaximized;
    }
    QMdiSubWindow::changeEvent(event);
}

}  // namespace forms
