#include "forms/failure.h"

#include <QMessageBox>

namespace forms {

void MessageBoxPresenter::warn(QWidget* window, const QString& message) {
    QMessageBox::warning(window, QStringLiteral("Tav20"), message);
}

QString failureMessage(calc::Failure failure, const QString& symbol, const QString& text) {
    switch (failure) {
        case calc::Failure::NotANumber:
            if (text.trimmed().isEmpty())
                return QStringLiteral("Polje %1 je prazno. Upisite broj.").arg(symbol);
            return QStringLiteral("U polju %1 nije broj: \"%2\".").arg(symbol, text);
        case calc::Failure::OutOfRange:
            return QStringLiteral("Broj u polju %1 je van opsega.").arg(symbol);
        case calc::Failure::DivisionByZero:
            return QStringLiteral("%1 ne sme biti nula: deljenje nulom.").arg(symbol);
        case calc::Failure::Overflow:
            return QStringLiteral("Rezultat je van opsega. Proverite %1.").arg(symbol);
        case calc::Failure::NegativeRoot:
            return QStringLiteral(
                       "Presek ne moze biti negativan: %1 mora imati isti znak kao "
                       "drugo polje.")
                .arg(symbol);
    }
    return {};
}

}  // namespace forms
