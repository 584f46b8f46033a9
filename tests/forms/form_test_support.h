#pragma once

// Shared by the window tests: a main window whose failures are recorded instead
// of shown in a modal box, under regional settings the test chooses.

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include "formkit/form_loader.h"
#include "forms/forms.h"
#include "forms/korekcija/korekcija_window.h"
#include "forms/main_window.h"
#include "forms/menu.h"
#include "forms/namotaj/namotaj_window.h"
#include "forms/odziv/odziv_window.h"

namespace testing_support {

inline const calc::Region decimalComma{",", "."};
inline const calc::Region decimalPoint{".", ","};

struct RecordingWarner final : formkit::Warner {
    void warn(QWidget*, const QString& message) override {
        messages << message;
        if (whileShown) whileShown();
    }
    Answer askToSave(QWidget*, const QString& question) override {
        questions << question;
        return answer;
    }
    QStringList messages;
    std::function<void()> whileShown;  // what happens elsewhere while the warning is open
    QStringList questions;             // asked before a changed project is left
    Answer answer = Answer::Cancel;
};

// One running program: the main window with its start form, maximized.
struct Program {
    explicit Program(calc::Region region = decimalComma)
        : window(std::make_unique<forms::MainWindow>(
              formkit::FormContext{warner, [region] { return region; }},
              std::vector{odziv::frmOdziv, namotaj::frmNamotaj, korekcija::frmKorekcija})) {
        window->showMaximized();
        // Under Xvfb no window manager activates a window.
        QVERIFY(QGuiApplication::platformName() == QLatin1String("xcb") ? QTest::qWaitForWindowExposed(window.get())
                                                                        : QTest::qWaitForWindowActive(window.get()));
    }
    // Form1 is a window of its own and outlives the main window object.
    ~Program() {
        window.reset();
        for (QWidget* own : QApplication::topLevelWidgets())
            if (own->objectName() == QLatin1String("Form1")) delete own;
    }

    QAction* menu(const char* name) const { return window->findChild<QAction*>(name); }
    // A form or window as the user shows it, by its menu command; a window of its own once active.
    QWidget* choose(std::string_view command) const {
        QWidget* form = nullptr;
        for (const forms::MenuRow& row : forms::menuRows())
            if (row.name == command) form = row.form ? window->showForm(*row.form) : window->showWindow(row.window);
        if (form->isWindow() && QGuiApplication::platformName() != QLatin1String("xcb") &&
            !QTest::qWaitForWindowActive(form))
            qWarning("%s is not active", qPrintable(form->objectName()));
        return form;
    }
    QStringList openForms() const {
        QStringList names;
        for (QMdiSubWindow* sub : window->mdiArea()->subWindowList()) names << sub->widget()->objectName();
        return names;
    }

    RecordingWarner warner;
    std::unique_ptr<forms::MainWindow> window;
};

inline QLineEdit* field(const QWidget* form, const char* name) { return formkit::control<QLineEdit>(form, name); }
inline QLabel* label(const QWidget* form, const char* name) { return formkit::control<QLabel>(form, name); }
inline void press(const QWidget* form, const char* button) {
    QTest::mouseClick(formkit::control<QPushButton>(form, button), Qt::LeftButton);
}
inline void retype(QLineEdit* field, const QString& text) {
    field->selectAll();
    QTest::keyClicks(field, text);
    if (text.isEmpty()) QTest::keyClick(field, Qt::Key_Delete);
}

}  // namespace testing_support
