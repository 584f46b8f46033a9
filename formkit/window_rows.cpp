#include "formkit/window_rows.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>
#include <vector>

#include "formkit/fonts.h"
#include "formkit/framed_label.h"
#include "formkit/region.h"

namespace formkit {

namespace {

QFont bold() { return tableFont(bold975, QFont()); }

// A widget at the left of the field column, at its natural width.
void addLeftAligned(QFormLayout& rows, QWidget* label, QWidget* widget, QWidget* after = nullptr) {
    auto* line = new QHBoxLayout;
    line->addWidget(widget);
    if (after) line->addWidget(after);
    line->addStretch();
    rows.addRow(label, line);
}

}  // namespace

QLineEdit* addField(QFormLayout& rows, const FieldText& text, const calc::Region& region) {
    auto* field = new QLineEdit(regionalDefault(text.byDefault, region));
    field->setObjectName(QString::fromLatin1(text.name));
    field->setFont(bold());
    field->setAlignment(Qt::AlignCenter);
    field->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    const QString meaning = QString::fromLatin1(text.meaning);
    const QString symbol = QString::fromLatin1(text.symbol);
    field->setAccessibleName(symbol + QStringLiteral(", ") + meaning);
    const QString title = meaning.left(1).toUpper() + meaning.mid(1) + QLatin1Char(' ') + symbol;
    const QString unit = QString::fromLatin1(text.unit);
    field->setToolTip(title +
                      (unit.isEmpty() ? QStringLiteral(", broj bez jedinice.")
                                      : QStringLiteral(" (") + unit + QStringLiteral(").")) +
                      (text.hint ? QLatin1Char(' ') + QString::fromLatin1(text.hint) : QString()));

    auto* label = new QLabel(title);
    label->setBuddy(field);
    addLeftAligned(rows, label, field, new QLabel(unit));
    return field;
}

QPushButton* addButton(QFormLayout& rows, const char* name, const char* caption,
                       const char* tooltip) {
    auto* button = new QPushButton(QString::fromLatin1(caption));
    button->setObjectName(QString::fromLatin1(name));
    button->setToolTip(QString::fromLatin1(tooltip));
    button->setFont(bold());
    button->setAutoDefault(false);  // Enter in a field presses only what its window connects
    addLeftAligned(rows, nullptr, button);
    return button;
}

QTableWidget* newResultTable(const char* name, const QString& spokenName, const QString& tooltip,
                             const QStringList& headers) {
    auto* table = new QTableWidget(0, int(headers.size()));
    table->setObjectName(QString::fromLatin1(name));
    table->setAccessibleName(spokenName);
    table->setToolTip(tooltip);
    table->setHorizontalHeaderLabels(headers);
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);  // Tab goes on to the next field
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

QLabel* addResult(QFormLayout& rows, const char* name, const char* spokenName,
                  const char* longestCaption) {
    auto* result = new FramedLabel(QString(), nullptr);
    result->setObjectName(QString::fromLatin1(name));
    result->setFont(bold());
    result->setAlignment(Qt::AlignCenter);
    result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    result->setFocusPolicy(Qt::NoFocus);
    result->setAccessibleName(QString::fromLatin1(spokenName));
    const QFontMetrics metrics(result->font());
    const QMargins frame = result->contentsMargins();
    result->setMinimumSize(metrics.horizontalAdvance(QString::fromUtf8(longestCaption)) +
                               frame.left() + frame.right() + 8,
                           metrics.height() + frame.top() + frame.bottom() + 4);
    rows.addRow(result);
    return result;
}

void lineUpFields(std::initializer_list<QFormLayout*> parts) {
    std::vector<QWidget*> labels;
    for (QFormLayout* rows : parts)
        for (int row = 0; row < rows->rowCount(); ++row)
            if (QLayoutItem* item = rows->itemAt(row, QFormLayout::LabelRole))
                labels.push_back(item->widget());
    int widest = 0;
    for (const QWidget* label : labels) widest = std::max(widest, label->sizeHint().width());
    for (QWidget* label : labels) label->setMinimumWidth(widest);
}

}  // namespace formkit
