#include "formkit/warner.h"

#include <QMessageBox>
#include <QPushButton>

namespace formkit {

void MessageBoxWarner::warn(QWidget* window, const QString& message) {
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tav20"), message, QMessageBox::Ok,
                    window);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

Warner::Answer MessageBoxWarner::askToSave(QWidget* window, const QString& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Tav20"), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, window);
    box.setTextFormat(Qt::PlainText);
    box.button(QMessageBox::Save)->setText(QStringLiteral("&Sacuvaj"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("&Ne cuvaj"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("&Otkazi"));
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save:
            return Answer::Save;
        case QMessageBox::Discard:
            return Answer::Discard;
        default:
            return Answer::Cancel;
    }
}

}  // namespace formkit
