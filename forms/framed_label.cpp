#include "forms/framed_label.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace forms {

FramedLabel::FramedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    setContentsMargins(frame, frame, frame, frame);
}

void FramedLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    option.state |= QStyle::State_Sunken;
    option.state &= ~QStyle::State_HasFocus;
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, this);
}

}  // namespace forms
