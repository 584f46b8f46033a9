#include "formkit/warnings.h"

#include <QLineEdit>

namespace formkit {

namespace {

QString nameOf(const Input& input) {
    if (!input.symbol) return QStringLiteral("\"%1\"").arg(QString::fromUtf8(input.meaning));
    return QStringLiteral("%1 (%2)").arg(QString::fromUtf8(input.symbol),
                                         QString::fromUtf8(input.meaning));
}

QString symbolOf(const Input& input) {
    return input.symbol ? QString::fromUtf8(input.symbol) : nameOf(input);
}

// "3·do + 9·l + 10·h", as the form's labels write the symbols.
QString expressionText(const calc::Expression& expression, std::span<const Input> inputs) {
    QStringList terms;
    for (int i = 0; i < expression.count; ++i) {
        const calc::Term& term = expression.terms[i];
        QStringList factors;
        if (term.coefficient != 1) factors << QString::number(term.coefficient);
        for (std::size_t k = 0; k < inputs.size(); ++k)
            if (term.inputs & (1u << k)) factors << symbolOf(inputs[k]);
        terms << factors.join(QChar(0x00B7));
    }
    return terms.join(QStringLiteral(" + "));
}

// The fields of an expression, "do (srednji precnik), l (duzina namotaja) ili h (...)".
QString fieldsOf(const calc::Expression& expression, std::span<const Input> inputs) {
    unsigned all = 0;
    for (int i = 0; i < expression.count; ++i) all |= expression.terms[i].inputs;
    QStringList names;
    for (std::size_t k = 0; k < inputs.size(); ++k)
        if (all & (1u << k)) names << nameOf(inputs[k]);
    const QString last = names.takeLast();
    return names.isEmpty() ? last
                           : names.join(QStringLiteral(", ")) + QStringLiteral(" ili ") + last;
}

QString zeroDivisorWarning(const calc::Fault& fault, std::span<const Input> inputs) {
    const calc::Expression& divisor = fault.divisor;
    const bool sum = divisor.count > 1;
    if (sum)
        return QStringLiteral("Zbir %1 je nula, a njime se deli. Promenite %2.")
            .arg(expressionText(divisor, inputs), fieldsOf(divisor, inputs));
    if (fault.underflow)
        return QStringLiteral(
                   "Proizvod %1 je premali: manji je od najmanjeg broja koji racun moze da "
                   "zapamti. Povecajte %2.")
            .arg(expressionText(divisor, inputs), fieldsOf(divisor, inputs));
    return QStringLiteral("Polje %1 ne sme biti nula, jer se njime deli.")
        .arg(nameOf(inputs[fault.input]));
}

}  // namespace

QString quoted(const QString& text) {
    constexpr qsizetype limit = 40;
    // What is shown is what a screen reader says: a character that shows
    // nothing or steers the text (a NUL, a direction mark) is written as its code.
    QStringList units;
    const QString line = text.simplified();
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char32_t c = line.at(i).isHighSurrogate() && i + 1 < line.size()
                               ? QChar::surrogateToUcs4(line.at(i), line.at(i + 1))
                               : line.at(i).unicode();
        const qsizetype width = c > 0xFFFF ? 2 : 1;
        const auto category = QChar::category(c);
        const bool invisible = category == QChar::Other_Control ||
                               category == QChar::Other_Format ||
                               category == QChar::Other_Surrogate;
        units << (invisible
                      ? QStringLiteral("<U+%1>").arg(uint(c), 4, 16, QLatin1Char('0')).toUpper()
                      : line.mid(i, width));
        i += width - 1;
    }
    const QString whole = units.join(QString());
    if (whole.size() <= limit) return whole;
    QString cut;  // never half a character or half a code
    for (const QString& unit : units) {
        if (cut.size() + unit.size() > limit - 3) break;
        cut += unit;
    }
    return cut + QStringLiteral("...");
}

QString readingWarning(calc::FaultKind failure, const Input& input) {
    const QString text = input.field->text();
    if (failure == calc::FaultKind::OutOfRange)
        return QStringLiteral("Broj u polju %1 je van opsega brojeva koje racun moze da zapamti.")
            .arg(nameOf(input));
    if (text.trimmed().isEmpty())
        return QStringLiteral("Polje %1 je prazno. Upisite broj.").arg(nameOf(input));
    return QStringLiteral("U polju %1 nije broj: \"%2\".").arg(nameOf(input), quoted(text));
}

QString faultWarning(const calc::Fault& fault, std::span<const Input> inputs) {
    switch (fault.kind) {
        case calc::FaultKind::DivisionByZero:
            return zeroDivisorWarning(fault, inputs);
        case calc::FaultKind::Overflow:
            return QStringLiteral(
                       "Rezultat je van opsega brojeva koje racun moze da zapamti, zbog broja u "
                       "polju %1.")
                .arg(nameOf(inputs[fault.input]));
        case calc::FaultKind::NegativeRoot:
            return QStringLiteral(
                       "Presek zice ne moze biti negativan: broj u polju %1 je negativan, a drugi "
                       "nije. Upisite brojeve istog znaka.")
                .arg(nameOf(inputs[fault.input]));
        case calc::FaultKind::NotANumber:
        case calc::FaultKind::OutOfRange:
            break;
    }
    return readingWarning(fault.kind, inputs[fault.input]);
}

}  // namespace formkit
