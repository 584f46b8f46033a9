#pragma once

#include <QLabel>

namespace formkit {

// A label with the single border of an edit field, drawn by the style the
// same way as a line edit's frame so both look alike in any style. A text
// wider than the label is shown cut with an ellipsis, so that a long caption
// never reads as a whole, different number; text() stays the whole caption,
// and a selectable label copies it whole from its context menu.
class FramedLabel : public QLabel {
    Q_OBJECT

public:
    explicit FramedLabel(const QString& text, QWidget* parent);

    QString shownText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};

}  // namespace formkit
