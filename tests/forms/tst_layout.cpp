#include <QClipboard>
#include <QMenu>
#include <QTextEdit>

#include "form_test_support.h"
#include "forms/fonts.h"
#include "forms/forms.h"
#include "forms/framed_label.h"

using namespace testing_support;
using forms::FormDesign;
using forms::Kind;

Q_DECLARE_METATYPE(const FormDesign*)

// Layout rules every form's table must come out of the loader with.
class LayoutTest : public QObject {
    Q_OBJECT

    static std::unique_ptr<QWidget> load() {
        QFETCH(const FormDesign*, design);
        std::unique_ptr<QWidget> form(forms::loadForm(design->table, decimalComma));
        form->show();
        return form;
    }
    static void everyForm() {
        QTest::addColumn<const FormDesign*>("design");
        for (const FormDesign* design : {&forms::frmTav20, &forms::frmAutor, &forms::frmBas, &forms::frmSrednji,
                                         &forms::frmVisoki, &forms::frmKalem, &forms::Form1})
            QTest::newRow(design->table.form.name.data()) << design;
    }
    static QWidget* widgetOf(const QWidget* form, const forms::Control& row) {
        return form->findChild<QWidget*>(QString::fromLatin1(row.name.data(), row.name.size()));
    }
    // Where a plain label's text is drawn: from its top, wrapped at its width.
    static QRect textRect(const QLabel* label) {
        const QRect drawn =
            QFontMetrics(label->font())
                .boundingRect(label->contentsRect(), int(label->alignment()) | Qt::TextWordWrap, label->text());
        return drawn.translated(label->pos()).intersected(label->geometry());
    }

private slots:
    void everyRowBecomesANamedWidget_data() { everyForm(); }
    void everyRowBecomesANamedWidget() {
        QFETCH(const FormDesign*, design);
        const auto form = load();
        QCOMPARE(form->objectName().toStdString(), std::string(design->table.form.name));
        QCOMPARE(form->size(),
                 QSize(forms::pixels(design->table.form.width), forms::pixels(design->table.form.height)));
        for (const forms::Control& row : design->table.controls) QVERIFY2(widgetOf(form.get(), row), row.name.data());
    }

    // Stacking: fields and buttons over labels and pictures, the first row on top.
    void inputsLieAboveLabelsAndPictures_data() { everyForm(); }
    void inputsLieAboveLabelsAndPictures() {
        QFETCH(const FormDesign*, design);
        const auto form = load();
        const QObjectList stack = form->children();  // bottom first
        for (const forms::Control& upper : design->table.controls)
            for (const forms::Control& lower : design->table.controls) {
                QWidget* a = widgetOf(form.get(), upper);
                QWidget* b = widgetOf(form.get(), lower);
                const bool aInput = upper.kind == Kind::TextField || upper.kind == Kind::Button;
                const bool bInput = lower.kind == Kind::TextField || lower.kind == Kind::Button;
                if (a == b || !a->geometry().intersects(b->geometry()) || (!aInput && bInput)) continue;
                if (aInput == bInput && &upper > &lower) continue;
                QVERIFY2(stack.indexOf(a) > stack.indexOf(b),
                         qPrintable(QString("%1 under %2").arg(a->objectName(), b->objectName())));
            }
    }
    void labelsAndPicturesNeverTakeTheFocus_data() { everyForm(); }
    void labelsAndPicturesNeverTakeTheFocus() {
        QFETCH(const FormDesign*, design);
        const auto form = load();
        for (const forms::Control& row : design->table.controls)
            if (row.kind == Kind::Label || row.kind == Kind::Picture)
                QCOMPARE(widgetOf(form.get(), row)->focusPolicy(), Qt::NoFocus);
    }

    // No title's text is hidden by a field, a button or another label's text.
    void titlesStandClear_data() { everyForm(); }
    void titlesStandClear() {
        const auto form = load();
        QList<QRect> inks;
        for (QLabel* label : form->findChildren<QLabel*>()) {
            if (auto* fieldLabel = qobject_cast<forms::FieldLabel*>(label)) {
                inks << fieldLabel->symbolRect().translated(label->pos())
                     << fieldLabel->unitRect().translated(label->pos());
            } else if (!label->text().isEmpty()) {
                inks << textRect(label);
            }
        }
        for (int i = 0; i < inks.size(); ++i) {
            for (int j = i + 1; j < inks.size(); ++j)
                QVERIFY2(!inks[i].intersects(inks[j]), qPrintable(QString("text %1 and %2 overlap").arg(i).arg(j)));
            for (QWidget* input : form->findChildren<QWidget*>())
                if (input->focusPolicy() & Qt::TabFocus)
                    QVERIFY2(!input->geometry().intersects(inks[i]), qPrintable(input->objectName()));
        }
    }
    void picturesShowAtNaturalSize_data() { everyForm(); }
    void picturesShowAtNaturalSize() {
        QFETCH(const FormDesign*, design);
        const auto form = load();
        for (const forms::Control& row : design->table.controls) {
            if (row.kind != Kind::Picture) continue;
            auto* picture = static_cast<QLabel*>(widgetOf(form.get(), row));
            QVERIFY2(!picture->pixmap().isNull(), row.name.data());
            QCOMPARE(picture->size(), picture->pixmap().size());
            QCOMPARE(picture->size() * forms::twipsPerPixel, QSize(row.width, row.height));
        }
    }

    // A result can be selected and copied with the mouse, but takes no focus.
    void resultLabelsAreSelectable_data() { everyForm(); }
    void resultLabelsAreSelectable() {
        QFETCH(const FormDesign*, design);
        const auto form = load();
        for (const forms::Control& row : design->table.controls) {
            if (row.kind != Kind::Label || !row.text.empty()) continue;
            auto* result = static_cast<QLabel*>(widgetOf(form.get(), row));
            QVERIFY2(result->textInteractionFlags() & Qt::TextSelectableByMouse, row.name.data());
            QCOMPARE(result->focusPolicy(), Qt::NoFocus);
        }
    }

    // A caption wider than its label shows cut, with an ellipsis, never as a shorter number; the
    // label's text, tooltip and accessible description stay whole.
    void wideCaptionShowsCut() {
        Program program;
        QWidget* visoki = program.choose("mnuVisoki");
        retype(field(visoki, "Text4"), "0,00001");
        retype(field(visoki, "Text5"), "1");
        press(visoki, "cmdIzracunaj12");
        press(visoki, "cmdIzracunaj6db");
        const QString whole = " L = 2,25E+07mH    C = 11200000282,94uF";
        auto* cut = forms::control<forms::FramedLabel>(visoki, "Label11");
        QCOMPARE(cut->text(), whole);
        QCOMPARE(cut->toolTip(), whole);
        QCOMPARE(cut->accessibleDescription(), whole);
        const QString shown = cut->shownText();
        QVERIFY2(shown.endsWith(QChar(0x2026)) && whole.startsWith(shown.chopped(1)), qPrintable(shown));
        QVERIFY(cut->fontMetrics().horizontalAdvance(shown) <= cut->contentsRect().width());
        QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, {5, 5}, cut->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(cut, &menuAsked);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu);
        menu->actions().first()->trigger();
        menu->close();
        QCOMPARE(QGuiApplication::clipboard()->text(), whole);
        auto* fits = forms::control<forms::FramedLabel>(visoki, "Label14");
        QCOMPARE(fits->shownText(), fits->text());
    }

    // Table fonts come out in the stand-in face at their sizes and weights.
    void tableFontsUseTheStandInFace() {
        std::unique_ptr<QWidget> bas(forms::loadForm(forms::frmBas.table, decimalComma));
        const QFontInfo header(label(bas.get(), "Label1")->font());
        QCOMPARE(header.family(), QString(forms::standInFace));
        QCOMPARE(header.pixelSize(), 16);
        QVERIFY(header.bold());
        std::unique_ptr<QWidget> autor(forms::loadForm(forms::frmAutor.table, decimalComma));
        const QFontInfo text(autor->findChild<QWidget*>("Text1")->font());
        QCOMPARE(text.family(), QString(forms::standInFace));
        QCOMPARE(text.pixelSize(), 13);
        QVERIFY(!text.bold());
    }

    // A screen reader can name every field, button and result, each differently.
    void everyControlHasItsOwnAccessibleName_data() { everyForm(); }
    void everyControlHasItsOwnAccessibleName() {
        QFETCH(const FormDesign*, design);
        const auto form = load();
        QStringList names;
        for (const forms::Control& row : design->table.controls) {
            const bool result = row.kind == Kind::Label && row.text.empty();
            if (row.kind != Kind::TextField && row.kind != Kind::Button && !result) continue;
            const QString name = widgetOf(form.get(), row)->accessibleName();
            QVERIFY2(!name.isEmpty(), row.name.data());
            QVERIFY2(!names.contains(name), qPrintable(name));
            names << name;
        }
    }
    void namesComeFromSymbolsAndTitles() {
        std::unique_ptr<QWidget> bas(forms::loadForm(forms::frmBas.table, decimalComma));
        QCOMPARE(field(bas.get(), "Text1")->accessibleName(), QString("Fp, prelomna frekvencija, 6db/octavi"));
        QCOMPARE(field(bas.get(), "Text5")->accessibleName(), QString("Z, impedansa zvucnika"));
        QCOMPARE(bas->findChild<QWidget*>("cmdIzracunaj12db")->accessibleName(), QString("Izracunaj, 12db/oct"));
        QCOMPARE(label(bas.get(), "Label11")->accessibleName(), QString("Rezultat, 6db/octavi"));
        std::unique_ptr<QWidget> srednji(forms::loadForm(forms::frmSrednji.table, decimalComma));
        QCOMPARE(label(srednji.get(), "Label16")->accessibleName(), QString("Rezultat 2, 12db/oct"));
        QCOMPARE(field(srednji.get(), "Text2")->accessibleName(), QString("Fp2, gornja ucestanost"));
        std::unique_ptr<QWidget> kalem(forms::loadForm(forms::frmKalem.table, decimalComma));
        QCOMPARE(field(kalem.get(), "Text1")->accessibleName(), QString("N, namotaja"));
    }
};

QTEST_MAIN(LayoutTest)
#include "tst_layout.moc"
