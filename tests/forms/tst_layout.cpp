#include "form_test_support.h"
#include "formkit/field_label.h"
#include "formkit/fonts.h"

using namespace testing_support;
using formkit::Kind;
using forms::FormDesign;

Q_DECLARE_METATYPE(const FormDesign*)

// Rules every form's table comes out of the loader with, checked over every form.
class LayoutTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> m_form;
    std::vector<std::pair<const formkit::Control*, QWidget*>> m_rows;

    static bool isInput(const formkit::Control& row) { return row.kind == Kind::TextField || row.kind == Kind::Button; }
    static bool isResult(const formkit::Control& row) { return row.kind == Kind::Label && row.text.empty(); }
    // Where a plain label's text is drawn: from its top, wrapped at its width.
    static QRect textRect(const QLabel* label) {
        const QRect drawn =
            QFontMetrics(label->font())
                .boundingRect(label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
        return drawn.translated(label->pos()).intersected(label->geometry());
    }
    static int inkIn(const QImage& shown, const QRect& part) {
        int ink = 0;
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int x = part.left(); x <= part.right(); ++x) ink += qGray(shown.pixel(x, y)) < 100;
        return ink;
    }
    static void everyForm() {
        QTest::addColumn<const FormDesign*>("design");
        for (const FormDesign* design : {&forms::frmTav20, &forms::frmAutor, &forms::frmBas, &forms::frmSrednji,
                                         &forms::frmVisoki, &forms::frmKalem, &forms::Form1})
            QTest::newRow(design->table.form.name.data()) << design;
    }

private slots:
    void init() {
        if (!QTest::currentDataTag()) return;
        QFETCH(const FormDesign*, design);
        m_form.reset(formkit::loadForm(design->table, decimalComma));
        m_form->show();
        m_rows.clear();
        for (const formkit::Control& row : design->table.controls) {
            m_rows.emplace_back(&row,
                                m_form->findChild<QWidget*>(QString::fromLatin1(row.name.data(), row.name.size())));
            QVERIFY2(m_rows.back().second, row.name.data());
        }
    }

    // Inside the form; inputs above labels and pictures, an earlier row above a later one.
    void stacking_data() { everyForm(); }
    void stacking() {
        const QObjectList stack = m_form->children();  // bottom first
        for (const auto& [upper, a] : m_rows) {
            QVERIFY2(m_form->rect().contains(a->geometry()), upper->name.data());
            for (const auto& [lower, b] : m_rows) {
                if (a == b || !a->geometry().intersects(b->geometry()) || (!isInput(*upper) && isInput(*lower)))
                    continue;
                if (isInput(*upper) == isInput(*lower) && upper > lower) continue;
                QVERIFY2(stack.indexOf(a) > stack.indexOf(b),
                         qPrintable(a->objectName() + " under " + b->objectName()));
            }
        }
    }
    // Only inputs take the focus, and Tab visits each once; results can be selected with the mouse;
    // pictures show at their natural size; a screen reader names every input and result differently.
    void controls_data() { everyForm(); }
    void controls() {
        QStringList inputs, visited, names;
        for (const auto& [row, widget] : m_rows) {
            QCOMPARE(widget->focusPolicy() == Qt::NoFocus, !isInput(*row));
            if (isInput(*row) || isResult(*row)) names << widget->accessibleName();
            if (isInput(*row)) inputs << widget->objectName();
            auto* label = qobject_cast<QLabel*>(widget);
            if (isResult(*row)) QVERIFY(label->textInteractionFlags() & Qt::TextSelectableByMouse);
            if (row->kind != Kind::Picture) continue;
            // The picture drawn for the screen's density, shown at the design's size.
            QVERIFY2(!label->pixmap().isNull(), row->name.data());
            QCOMPARE(label->pixmap().devicePixelRatio(), std::min(3.0, std::ceil(m_form->devicePixelRatio())));
            QCOMPARE(label->size(), label->pixmap().deviceIndependentSize().toSize());
            QCOMPARE(label->size() * formkit::twipsPerPixel, QSize(row->width, row->height));
        }
        for (QWidget* widget = m_form->focusProxy(); widget && !visited.contains(widget->objectName());) {
            visited << widget->objectName();
            do widget = widget->nextInFocusChain();
            while (widget->parentWidget() != m_form.get() || !(widget->focusPolicy() & Qt::TabFocus));
        }
        visited.sort();
        inputs.sort();
        QCOMPARE(visited, inputs);
        QVERIFY(!names.contains(QString()));
        QCOMPARE(names.removeDuplicates(), 0);
    }
    // Nothing hidden: titles, symbols, units, results and pictures clear of each other, inputs clear
    // of all of them and of each other, and no label reaching under a picture.
    void nothingHidden_data() { everyForm(); }
    void nothingHidden() {
        QList<QRect> inks, inputs;
        for (QLabel* label : m_form->findChildren<QLabel*>()) {
            if (auto* fieldLabel = qobject_cast<formkit::FieldLabel*>(label))
                inks << fieldLabel->symbolRect().translated(label->pos())
                     << fieldLabel->unitRect().translated(label->pos());
            else if (!label->text().isEmpty())
                inks << textRect(label);
        }
        for (const auto& [row, widget] : m_rows)
            if (isInput(*row))
                inputs << widget->geometry();
            else if (isResult(*row) || row->kind == Kind::Picture)
                inks << widget->geometry();
        for (int i = 0; i < inks.size(); ++i)
            for (int j = i + 1; j < inks.size(); ++j)
                QVERIFY2(!inks[i].intersects(inks[j]), qPrintable(QString("ink %1 under ink %2").arg(i).arg(j)));
        for (int i = 0; i < inputs.size(); ++i)
            for (const QRect& other : inks + inputs.mid(i + 1))
                QVERIFY2(!inputs[i].intersects(other), qPrintable(QString("input %1 over another").arg(i)));
        for (const auto& [row, widget] : m_rows)  // a picture over a label would hide what it may hold
            for (const auto& [other, picture] : m_rows)
                QVERIFY2(row->kind != Kind::Label || other->kind != Kind::Picture ||
                             !widget->geometry().intersects(picture->geometry()),
                         row->name.data());
    }
    // A field label's symbol and unit stand whole beside their field, on its line, in ink, and still
    // whole in a far larger font; a title just above them stands over them, not beside them.
    void fieldLabels_data() { everyForm(); }
    void fieldLabels() {
        const QImage shown = m_form->grab().toImage();
        for (auto* fieldLabel : m_form->findChildren<formkit::FieldLabel*>()) {
            const QRect symbol = fieldLabel->symbolRect().translated(fieldLabel->pos());
            const QRect unit = fieldLabel->unitRect().translated(fieldLabel->pos());
            const QByteArray name = fieldLabel->objectName().toLatin1();
            const auto* field = qobject_cast<QLineEdit*>(m_form->childAt(symbol.right() + 8, symbol.center().y()));
            QVERIFY2(field, name);
            const QRect box = field->geometry();
            QVERIFY2(symbol.right() < box.left() && unit.left() > box.right() && box.top() < unit.center().y() &&
                         unit.center().y() < box.bottom(),
                     name);
            QVERIFY2(m_form->childAt(symbol.center()) == fieldLabel && m_form->childAt(unit.center()) == fieldLabel,
                     name);
            QVERIFY2(inkIn(shown, symbol) > 5 && inkIn(shown, unit) > 5, name);
            for (const QLabel* title : m_form->findChildren<QLabel*>()) {
                const QRect text = textRect(title);
                if (!qobject_cast<const formkit::FieldLabel*>(title) && !title->text().isEmpty() &&
                    text.bottom() <= symbol.top() && symbol.top() - text.bottom() <= 12 &&
                    text.right() >= symbol.left() && text.left() <= unit.right())
                    QVERIFY2(text.left() >= symbol.left() && text.right() <= unit.right(),
                             qPrintable(title->objectName()));
            }
            QFont larger = fieldLabel->font();
            larger.setPixelSize(larger.pixelSize() * 3);
            fieldLabel->setFont(larger);
            QVERIFY2(fieldLabel->rect().contains(fieldLabel->symbolRect().united(fieldLabel->unitRect())), name);
        }
    }
    // Names come from symbols and titles, with the half where the halves repeat them.
    void namesComeFromSymbolsAndTitles() {
        const std::tuple<const FormDesign*, const char*, QString> examples[] = {
            {&forms::frmBas, "Text1", "Fp, prelomna frekvencija, 6db/octavi"},
            {&forms::frmSrednji, "Label16", "Rezultat 2, 12db/oct"},
            {&forms::Form1, "Text2", "gustina struje A/mm kvadratnom"},
        };
        for (const auto& [design, name, spoken] : examples) {
            std::unique_ptr<QWidget> form(formkit::loadForm(design->table, decimalComma));
            QCOMPARE(form->findChild<QWidget*>(name)->accessibleName(), spoken);
        }
    }
    // Fonts come out in the stand-in face at the table's sizes and weights; Form1's table names none,
    // so all its controls take the 8 pt dialog font, in which its result fits one line and the
    // density's label wraps at a blank, not inside "A/mm".
    void fontsUseTheStandInFace() {
        std::unique_ptr<QWidget> bas(formkit::loadForm(forms::frmBas.table, decimalComma));
        std::unique_ptr<QWidget> autor(formkit::loadForm(forms::frmAutor.table, decimalComma));
        std::unique_ptr<QWidget> form1(formkit::loadForm(forms::Form1.table, decimalComma));
        const QFontInfo header(label(bas.get(), "Label1")->font()), text(autor->findChild<QWidget*>("Text1")->font()),
            dialog(form1->font());
        for (const QFontInfo& font : {header, text, dialog}) QCOMPARE(font.family(), QString(formkit::standInFace));
        QCOMPARE(std::tuple(header.pixelSize(), text.pixelSize(), dialog.pixelSize()), std::tuple(16, 13, 11));
        QCOMPARE(std::tuple(header.bold(), text.bold(), dialog.bold()), std::tuple(true, false, false));
        for (QWidget* control : form1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(control->font() == form1->font(), qPrintable(control->objectName()));
        const QFontMetrics metrics(form1->font());
        QVERIFY(metrics.horizontalAdvance("1,78 mm debljuna zice") <= label(form1.get(), "Label1")->width());
        QLabel* density = label(form1.get(), "Label3");
        QVERIFY(metrics.horizontalAdvance("gustina struje A/mm") <= density->width());
        QVERIFY(metrics.horizontalAdvance(density->text()) > density->width());
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
