#pragma once

#include <QWidget>

namespace formkit {

// A loaded form. It keeps its designed client size as its size hint and lays
// nothing out anew when its window is resized. A screen reader meets a form
// of its own as a window named by its caption; a form inside the main
// window is the client area of its child window.
class FormWidget : public QWidget {
    Q_OBJECT

public:
    explicit FormWidget(QSize design);
    QSize sizeHint() const override { return m_design; }

private:
    QSize m_design;
};

}  // namespace formkit
