#pragma once

#include <QLabel>

namespace forms {

// A label with the single border of an edit field, drawn by the style the
// same way as a line edit's frame so both look alike in any style.
class FramedLabel : public QLabel {
    Q_OBJECT

public:
    explicit FramedLabel(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace forms
