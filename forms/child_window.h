#pragma once

#include <QMdiSubWindow>

namespace forms {

// The child window of a form inside the main window. Brought back from a
// minimized bar, it takes the state it had before: maximized if it was.
class ChildWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    using QMdiSubWindow::QMdiSubWindow;

    void showUnminimized();

protected:
    void changeEvent(QEvent* event) override;

private:
    bool m_maximizedBeforeMinimized = false;
};

}  // namespace forms
