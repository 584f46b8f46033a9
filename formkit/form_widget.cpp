#include "formkit/form_widget.h"

#include <QAccessibleWidget>

namespace formkit {

namespace {

class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(QWidget* form) : QAccessibleWidget(form) {}
    QAccessible::Role role() const override {
        return widget()->isWindow() ? QAccessible::Window : QAccessible::Client;
    }
};

QAccessibleInterface* formAccessible(const QString& key, QObject* object) {
    if (key != QLatin1String(FormWidget::staticMetaObject.className())) return nullptr;
    return new FormAccessible(static_cast<QWidget*>(object));
}

}  // namespace

FormWidget::FormWidget(QSize design) : m_design(design) {
    // Qt asks the factories in turn; registering once is enough.
    static const bool registered = (QAccessible::installFactory(formAccessible), true);
    Q_UNUSED(registered);
}

}  // namespace formkit
