#include "formkit/form_loader.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <ranges>
#include <vector>

#include "formkit/accessible_names.h"
#include "formkit/colours.h"
#include "formkit/field_label.h"
#include "formkit/fonts.h"
#include "formkit/form_widget.h"
#include "formkit/framed_label.h"
#include "formkit/multi_line_field.h"
#include "formkit/region.h"
#include "formkit/text.h"

namespace formkit {

namespace {

QRect pixelRect(const Control& row) {
    return {pixels(row.left), pixels(row.top), pixels(row.width), pixels(row.height)};
}

bool isInput(Kind kind) { return kind == Kind::TextField || kind == Kind::Button; }

void paintBackground(QWidget* widget, Colour colour, QPalette::ColorRole role) {
    if (colour.type == Colour::Type::Standard) return;
    QPalette palette = widget->palette();
    palette.setColor(role, colourOf(colour, palette));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

Qt::Alignment horizontal(Align align) {
    return align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft;
}

// The text field laid over a field label's run of blanks, if any.
const Control* fieldOver(const Control& label, const FormTable& table) {
    if (!splitFieldCaption(toQString(label.text))) return nullptr;
    for (const Control& row : table.controls)
        if (row.kind == Kind::TextField && pixelRect(row).intersects(pixelRect(label))) return &row;
    return nullptr;
}

QWidget* makeLabel(const Control& row, const FormTable& table, QWidget* form) {
    if (const Control* field = fieldOver(row, table))
        return new FieldLabel(toQString(row.text), pixelRect(row), pixelRect(*field), form);
    auto* label = (row.style & singleBorder) ? new FramedLabel(toQString(row.text), form)
                                             : new QLabel(toQString(row.text), form);
    // Labels draw their text from the top, leaving any blank margin below it.
    label->setAlignment(Qt::AlignTop | horizontal(row.align));
    if (row.style & singleBorder) {
        if (row.text.empty()) {
            // A result label: its caption can be selected and copied.
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        }
    } else {
        label->setWordWrap(true);
    }
    paintBackground(label, row.background, QPalette::Window);
    return label;
}

// The picture drawn for the screen's density where there is one: "name@2x.png" for twice the
// design's, "name@3x.png" for three times or more. Qt reads the density from the name.
QPixmap pictureFor(const QString& path, qreal density) {
    for (int scale = std::min(3, int(std::ceil(density))); scale > 1; --scale) {
        const QString dense =
            QString(path).replace(QStringLiteral(".png"), QStringLiteral("@%1x.png").arg(scale));
        if (QFile::exists(dense)) return QPixmap(dense);
    }
    return QPixmap(path);
}

QWidget* makePicture(const Control& row, QWidget* form) {
    auto* picture = new QLabel(form);
    const QPixmap pixmap = pictureFor(toQString(row.text), form->devicePixelRatio());
    picture->setPixmap(pixmap);
    // The design's size, never scaled: a denser picture fills it with more pixels.
    picture->resize(pixmap.deviceIndependentSize().toSize());
    return picture;
}

QWidget* makeTextField(const Control& row, const calc::Region& region, QWidget* form) {
    const QString text = regionalDefault(row.text, region);
    if (row.style & multiLine) {
        auto* edit = new MultiLineField(form);
        edit->setAcceptRichText(false);
        edit->setTabChangesFocus(true);
        edit->document()->setDefaultTextOption(QTextOption(horizontal(row.align)));
        edit->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        edit->setReadOnly(row.style & readOnly);
        edit->setVerticalScrollBarPolicy((row.style & verticalScrollBar) ? Qt::ScrollBarAlwaysOn
                                                                         : Qt::ScrollBarAlwaysOff);
        // The text's own background only: a scroll bar with a palette of its
        // own would enter Qt's pixmap cache afresh with every form opened.
        paintBackground(edit->viewport(), row.background, QPalette::Base);
        return edit;
    }
    auto* edit = new QLineEdit(text, form);
    edit->setAlignment(horizontal(row.align) | Qt::AlignVCenter);
    edit->setReadOnly(row.style & readOnly);
    edit->setCursorPosition(0);
    paintBackground(edit, row.background, QPalette::Base);
    return edit;
}

QWidget* makeButton(const Control& row, QWidget* form) {
    auto* button = new QPushButton(toQString(row.text), form);
    button->setAutoDefault(false);  // Enter in a field presses nothing
    return button;
}

QWidget* makeControl(const Control& row, const FormTable& table, const calc::Region& region,
                     QWidget* form) {
    switch (row.kind) {
        case Kind::Label:
            return makeLabel(row, table, form);
        case Kind::Picture:
            return makePicture(row, form);
        case Kind::TextField:
            return makeTextField(row, region, form);
        case Kind::Button:
            return makeButton(row, form);
    }
    return nullptr;
}

void orderTabs(std::vector<std::pair<int, QWidget*>> inputs, QWidget* form) {
    std::ranges::sort(inputs, {}, &std::pair<int, QWidget*>::first);
    for (std::size_t i = 1; i < inputs.size(); ++i)
        QWidget::setTabOrder(inputs[i - 1].second, inputs[i].second);
    if (!inputs.empty()) form->setFocusProxy(inputs.front().second);
}

}  // namespace

QWidget* loadForm(const FormTable& table, const calc::Region& region) {
    const FormLine& line = table.form;
    auto* form = new FormWidget({pixels(line.width), pixels(line.height)});
    form->setFont(dialogFont());
    form->setObjectName(toQString(line.name));
    form->setWindowTitle(toQString(line.caption));
    paintBackground(form, line.background, QPalette::Window);
    form->resize(form->sizeHint());

    std::vector<std::pair<int, QWidget*>> inputs;
    // The last row lies lowest: create bottom-up so each widget covers the ones before it.
    for (const Control& row : std::views::reverse(table.controls)) {
        QWidget* widget = makeControl(row, table, region, form);
        widget->setObjectName(toQString(row.name));
        widget->setFont(tableFont(row.font, form->font()));
        if (!qobject_cast<FieldLabel*>(widget)) {  // a field label places itself
            const QRect box = pixelRect(row);
            widget->move(box.topLeft());
            if (row.kind != Kind::Picture) widget->resize(box.size());
        }
        if (isInput(row.kind))
            inputs.emplace_back(row.tab, widget);
        else
            widget->setFocusPolicy(Qt::NoFocus);
    }
    for (auto& [tab, widget] : inputs) widget->raise();
    orderTabs(std::move(inputs), form);
    nameForAccessibility(table, *form);
    return form;
}

}  // namespace formkit
