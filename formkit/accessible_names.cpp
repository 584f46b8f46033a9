#include "formkit/accessible_names.h"

#include <QRect>
#include <QRegularExpression>
#include <QWidget>
#include <optional>

#include "formkit/field_label.h"
#include "formkit/text.h"

namespace formkit {

namespace {

QRect box(const Control& row) { return {row.left, row.top, row.width, row.height}; }

bool overlapsAcross(const QRect& a, const QRect& b) {
    return a.left() < b.right() && b.left() < a.right();
}

bool isFieldLabel(const Control& row) {
    return row.kind == Kind::Label && splitFieldCaption(toQString(row.text).trimmed());
}

bool isTitle(const Control& row) {
    return row.kind == Kind::Label && !row.text.empty() && !(row.style & singleBorder) &&
           !isFieldLabel(row);
}

bool isResult(const Control& row) {
    return row.kind == Kind::Label && row.text.empty() && (row.style & singleBorder);
}

// The header of the half a control stands in: the topmost title above it.
std::optional<QString> headerOf(const Control& control, const FormTable& table) {
    const Control* header = nullptr;
    for (const Control& row : table.controls)
        if (isTitle(row) && row.top < control.top && overlapsAcross(box(row), box(control)) &&
            (!header || row.top < header->top))
            header = &row;
    if (!header) return std::nullopt;
    return toQString(header->text).trimmed();
}

QString withHeader(const QString& name, const Control& control, const FormTable& table) {
    const auto header = headerOf(control, table);
    return header ? name + QStringLiteral(", ") + *header : name;
}

QString fieldName(const Control& field, const FormTable& table) {
    for (const Control& label : table.controls) {
        if (!isFieldLabel(label) || !box(label).intersects(box(field))) continue;
        const FieldCaption parts = *splitFieldCaption(toQString(label.text).trimmed());
        const QString symbol =
            QString(parts.symbol).remove(QRegularExpression(QStringLiteral("\\s*=$")));
        // The title just above the field label, else the unit.
        const Control* title = nullptr;
        for (const Control& row : table.controls)
            if (isTitle(row) && row.top < label.top && label.top - row.top <= 480 &&
                overlapsAcross(box(row), box(label)) && (!title || row.top > title->top))
                title = &row;
        return symbol + QStringLiteral(", ") +
               (title ? toQString(title->text).trimmed() : parts.unit);
    }
    // A field without a field label is named by the label beside it on its row.
    for (const Control& row : table.controls)
        if (isTitle(row) && row.left >= field.left + field.width &&
            std::abs(row.top - field.top) <= field.height)
            return toQString(row.text).trimmed();
    return toQString(table.form.caption);
}

QString resultName(const Control& result, const FormTable& table) {
    const auto header = headerOf(result, table);
    std::vector<int> tops;
    for (const Control& other : table.controls)
        if (isResult(other) && headerOf(other, table) == header) tops.push_back(other.top);
    if (tops.size() < 2) return QStringLiteral("Rezultat");
    const auto above = std::ranges::count_if(tops, [&](int top) { return top < result.top; });
    return QStringLiteral("Rezultat %1").arg(above + 1);
}

}  // namespace

void nameForAccessibility(const FormTable& table, QWidget& form) {
    std::vector<std::pair<const Control*, QString>> named;
    for (const Control& row : table.controls) {
        if (row.kind == Kind::TextField)
            named.emplace_back(&row, fieldName(row, table));
        else if (row.kind == Kind::Button)
            named.emplace_back(&row, toQString(row.text).trimmed());
        else if (isResult(row))
            named.emplace_back(&row, resultName(row, table));
    }
    // The halves of a form repeat their names; the header tells them apart.
    for (auto& [row, name] : named) {
        const auto same =
            std::ranges::count_if(named, [&](const auto& other) { return other.second == name; });
        // A result means little without its half, so it always names it.
        const bool withItsHalf = same > 1 || isResult(*row);
        const QString spoken = withItsHalf ? withHeader(name, *row, table) : name;
        form.findChild<QWidget*>(toQString(row->name))->setAccessibleName(spoken);
    }
}

}  // namespace formkit
