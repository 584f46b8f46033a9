#pragma once

#include <QLabel>
#include <optional>

namespace formkit {

// A field label's caption: a symbol, a run of blanks, a unit.
struct FieldCaption {
    QString symbol;
    QString unit;
};
std::optional<FieldCaption> splitFieldCaption(const QString& caption);

// A label whose caption is a symbol, a run of blanks and a unit, with a text
// field laid over the blanks. The blanks only fit the font the form was drawn
// with, so the symbol is laid against the field's left edge and the unit
// against its right edge, on the field's line, whatever the font.
class FieldLabel : public QLabel {
    Q_OBJECT

public:
    // fieldRect is in the coordinates of the label's parent.
    FieldLabel(const QString& caption, const QRect& labelRect, const QRect& fieldRect,
               QWidget* parent);

    QString symbol() const { return m_parts.symbol; }
    QString unit() const { return m_parts.unit; }
    QRect symbolRect() const;  // where each part is drawn, in the label's coordinates
    QRect unitRect() const;

protected:
    void paintEvent(QPaintEvent*) override;
    void changeEvent(QEvent* event) override;

private:
    void place();

    FieldCaption m_parts;
    QRect m_labelRect;
    QRect m_fieldRect;
};

}  // namespace formkit
