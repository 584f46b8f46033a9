#include "formkit/field_label.h"

#include <QEvent>
#include <QPainter>
#include <QRegularExpression>

namespace formkit {

namespace {
// Symbol, a run of at least three blanks, unit.
const QRegularExpression& fieldCaption() {
    static const QRegularExpression pattern(QStringLiteral("^\\s*(\\S.*?) {3,}(\\S.*?)\\s*$"));
    return pattern;
}
constexpr int gap = 4;  // pixels between a part and the field's edge
}  // namespace

FieldLabel::FieldLabel(const QString& caption, const QRect& labelRect, const QRect& fieldRect,
                       QWidget* parent)
    : QLabel(caption, parent),
      m_parts(splitFieldCaption(caption).value_or(FieldCaption{})),
      m_labelRect(labelRect),
      m_fieldRect(fieldRect) {
    place();
}

std::optional<FieldCaption> splitFieldCaption(const QString& caption) {
    const auto match = fieldCaption().match(caption);
    if (!match.hasMatch()) return std::nullopt;
    return FieldCaption{match.captured(1), match.captured(2)};
}

void FieldLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange) place();
}

// The label's box, widened and heightened where needed so that both parts
// stand whole on the field's line.
void FieldLabel::place() {
    const QFontMetrics metrics(font());
    const int symbolLeft = m_fieldRect.left() - gap - metrics.horizontalAdvance(m_parts.symbol);
    const int unitRight = m_fieldRect.right() + 1 + gap + metrics.horizontalAdvance(m_parts.unit);
    const int lineTop = m_fieldRect.center().y() - metrics.height() / 2;
    QRect box = m_labelRect;
    box.setLeft(std::min(box.left(), symbolLeft));
    box.setRight(std::max(box.right(), unitRight));
    box.setTop(std::min({box.top(), m_fieldRect.top(), lineTop}));
    box.setBottom(std::max({box.bottom(), m_fieldRect.bottom(), lineTop + metrics.height()}));
    setGeometry(box);
}

QRect FieldLabel::symbolRect() const {
    const QFontMetrics metrics(font());
    const QRect field = m_fieldRect.translated(-pos());
    const int width = metrics.horizontalAdvance(m_parts.symbol);
    return {field.left() - gap - width, field.center().y() - metrics.height() / 2, width,
            metrics.height()};
}

QRect FieldLabel::unitRect() const {
    const QFontMetrics metrics(font());
    const QRect field = m_fieldRect.translated(-pos());
    return {field.right() + 1 + gap, field.center().y() - metrics.height() / 2,
            metrics.horizontalAdvance(m_parts.unit), metrics.height()};
}

void FieldLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(symbolRect(), Qt::AlignRight | Qt::AlignVCenter, m_parts.symbol);
    painter.drawText(unitRect(), Qt::AlignLeft | Qt::AlignVCenter, m_parts.unit);
}

}  // namespace formkit
