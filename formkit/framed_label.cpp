#include "formkit/framed_label.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace formkit {

namespace {

// A result is heard with what it holds: "Rezultat, 12db/oct: L = 1,8mH ...",
// so that a new caption is a new name, which a screen reader is told of.
class FramedLabelAccessible : public QAccessibleWidget {
public:
    explicit FramedLabelAccessible(QWidget* label)
        : QAccessibleWidget(label, QAccessible::StaticText) {}
    QString text(QAccessible::Text kind) const override {
        const auto* label = static_cast<const QLabel*>(widget());
        if (kind != QAccessible::Name) return QAccessibleWidget::text(kind);
        if (label->accessibleName().isEmpty()) return label->text();
        if (label->text().isEmpty()) return label->accessibleName();
        return label->accessibleName() + QStringLiteral(": ") + label->text();
    }
};

QAccessibleInterface* framedLabelAccessible(const QString& key, QObject* object) {
    if (key != QLatin1String(FramedLabel::staticMetaObject.className())) return nullptr;
    return new FramedLabelAccessible(static_cast<QWidget*>(object));
}

}  // namespace

FramedLabel::FramedLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    // Qt asks the factories in turn; registering once is enough.
    static const bool registered = (QAccessible::installFactory(framedLabelAccessible), true);
    Q_UNUSED(registered);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    setContentsMargins(frame, frame, frame, frame);
}

QString FramedLabel::shownText() const {
    return fontMetrics().elidedText(text(), Qt::ElideRight, contentsRect().width());
}

void FramedLabel::paintEvent(QPaintEvent* event) {
    const QString shown = shownText();
    const bool whole = shown == text();
    if (whole) QLabel::paintEvent(event);
    QPainter painter(this);
    if (!whole)
        style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(),
                              shown, foregroundRole());
    QStyleOptionFrame option;
    option.initFrom(this);
    option.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
    option.state |= QStyle::State_Sunken;
    option.state &= ~QStyle::State_HasFocus;
    style()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &painter, this);
}

// Qt offers a plain label no menu of its own. The part selected is copied
// where it can be seen; a cut caption is copied whole.
void FramedLabel::contextMenuEvent(QContextMenuEvent* event) {
    if (!(textInteractionFlags() & Qt::TextSelectableByMouse) || text().isEmpty())
        return QLabel::contextMenuEvent(event);
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QString copied = hasSelectedText() && shownText() == text() ? selectedText() : text();
    connect(menu->addAction(QStringLiteral("&Kopiraj")), &QAction::triggered, this,
            [copied] { QGuiApplication::clipboard()->setText(copied); });
    menu->popup(event->globalPos());
}

}  // namespace formkit
