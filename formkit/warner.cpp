#include "formkit/warner.h"

#include <QMessageBox>

namespace formkit {

void MessageBoxWarner::warn(QWidget* window, const QString& message) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tav20"), message, QMessageBox::Ok,
                    window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace formkit
