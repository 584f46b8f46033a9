#include "forms/failure.h"

#include <QMessageBox>

namespace forms {

void MessageBoxPresenter::warn(QWidget* window, const QString& message) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tav20"), message, QMessageBox::Ok,
                    window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace forms
