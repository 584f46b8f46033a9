#pragma once

// Shared by the form tests: a main window whose failures are recorded instead
// of shown in a modal box, under regional settings the test chooses.

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <memory>

#include "forms/field_label.h"
#include "forms/form_loader.h"
#include "forms/main_window.h"
#include "odziv/odziv_window.h"

namespace testing_support {

inline const calc::Region decimalComma{",", "."};
inline const calc::Region decimalPoint{".", ","};

class RecordingPresenter final : public forms::FailurePresenter {
public:
    void warn(QWidget*, const QString& message) override { messages << message; }
    QStringList messages;
};

// One running program: the main window with its start form, maximized.
struct Program {
    explicit Program(calc::Region region = decimalComma)
        : window(std::make_unique<forms::MainWindow>(
              forms::FormContext{presenter, [region] { return region; }},
              [](forms::Workspace& workspace) { return new odziv::OdzivWindow(workspace); })) {
        window->showMaximized();
        // Under Xvfb no window manager activates a window: those tests focus it themselves.
        if (QGuiApplication::platformName() == QLatin1String("xcb"))
            QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        else
            QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }

    QAction* menu(const char* name) const { return window->findChild<QAction*>(name); }
    QWidget* choose(const char* menuName) const {
        menu(menuName)->trigger();
        return window->mdiArea()->activeSubWindow() ? window->mdiArea()->activeSubWindow()->widget() : nullptr;
    }
    QStringList openForms() const {
        QStringList names;
        for (QMdiSubWindow* sub : window->mdiArea()->subWindowList()) names << sub->widget()->objectName();
        return names;
    }

    RecordingPresenter presenter;
    std::unique_ptr<forms::MainWindow> window;
};

inline QLineEdit* field(const QWidget* form, const char* name) { return forms::control<QLineEdit>(form, name); }
inline QLabel* label(const QWidget* form, const char* name) { return forms::control<QLabel>(form, name); }
inline void press(const QWidget* form, const char* button) {
    QTest::mouseClick(forms::control<QPushButton>(form, button), Qt::LeftButton);
}
inline void retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
    if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
}

// A failed press told the user once and left the field as typed, selected for retyping.
inline void verifyToldAbout(const Program& program, QLineEdit* field, const QString& text) {
    QCOMPARE(field->text(), text);
    QCOMPARE(program.presenter.messages.size(), 1);
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(field->selectedText(), text);
}

// The form's controls that Tab visits from the first, in order, until it comes back.
inline QStringList tabOrder(QWidget* first) {
    const QWidget* form = first->parentWidget();
    QStringList names;
    QWidget* widget = first;
    do {
        names << widget->objectName();
        do {
            widget = widget->nextInFocusChain();
        } while (widget != first &&
                 (widget->parentWidget() != form || (widget->focusPolicy() & Qt::TabFocus) != Qt::TabFocus));
    } while (widget != first && names.size() < 50);
    return names;
}

// A field label's symbol and unit must stand whole beside their field, not under it.
inline void verifyFieldLabel(const QWidget* form, const char* labelName, const char* fieldName) {
    const auto* fieldLabel = forms::control<forms::FieldLabel>(form, labelName);
    const QRect fieldBox = field(form, fieldName)->geometry();
    const QRect symbol = fieldLabel->symbolRect().translated(fieldLabel->pos());
    const QRect unit = fieldLabel->unitRect().translated(fieldLabel->pos());
    QVERIFY2(symbol.right() < fieldBox.left(), labelName);
    QVERIFY2(unit.left() > fieldBox.right(), labelName);
    QVERIFY2(fieldLabel->geometry().contains(symbol) && fieldLabel->geometry().contains(unit), labelName);
    QVERIFY2(fieldBox.contains(QPoint(fieldBox.center().x(), unit.center().y())), labelName);
    const QFontMetrics metrics(fieldLabel->font());
    QVERIFY2(symbol.width() >= metrics.horizontalAdvance(fieldLabel->symbol()), labelName);
    QVERIFY2(unit.width() >= metrics.horizontalAdvance(fieldLabel->unit()), labelName);
    // Nothing lies over either part, and the rendered form shows ink there.
    QCOMPARE(form->childAt(symbol.center()), fieldLabel);
    QCOMPARE(form->childAt(unit.center()), fieldLabel);
    const QImage shown = const_cast<QWidget*>(form)->grab().toImage();
    for (const QRect& part : {symbol, unit}) {
        int ink = 0;
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int x = part.left(); x <= part.right(); ++x)
                if (qGray(shown.pixel(x, y)) < 100) ++ink;
        QVERIFY2(ink > 5, labelName);
    }
}

}  // namespace testing_support
