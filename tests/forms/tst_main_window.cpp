#include <QMenuBar>
#include <QTextEdit>

#include "form_test_support.h"

using namespace testing_support;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    // The menu bar: exactly its items, in order and nesting, plain.
    void menuHoldsItsItemsInOrder() {
        Program program;
        QStringList seen;
        for (QAction* top : program.window->menuBar()->actions()) {
            seen << top->objectName() + "=" + top->text();
            if (top->menu())
                for (QAction* item : top->menu()->actions()) seen << "  " + item->objectName() + "=" + item->text();
        }
        const QStringList expected{"mnuFile=&File",       "  mnuIzlaz=&Izlaz",     "mnuTipSkretnice=&TipSkretnice",
                                   "  mnuBas=&Bas",       "  mnuSrednji=&Srednji", "  mnuVisoki=&Visoki",
                                   "mnuKalem=&Kalem",     "mnuZica=&Zica",         "mnuOdziv=&Odziv",
                                   "mnuNamotaj=&Namotaj", "mnuAutor=&Autor"};
        QCOMPARE(seen, expected);
    }
    void menuItemsHaveNoShortcutsChecksOrSeparators() {
        Program program;
        for (QAction* action : program.window->menuBar()->findChildren<QAction*>()) {
            if (action->objectName().isEmpty()) continue;
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));
            QVERIFY(!action->isCheckable());
            QVERIFY(!action->isSeparator());
            QVERIFY(action->isEnabled() && action->isVisible());
        }
    }

    // Start-up: the maximized frame holds the start form alone, active.
    void startsMaximizedWithTheStartFormActive() {
        Program program;
        QCOMPARE(program.window->objectName(), QString("mdiTav20"));
        QCOMPARE(program.window->windowTitle(), QString("Tav20"));
        QVERIFY(program.window->windowState() & Qt::WindowMaximized);
        QVERIFY(!program.window->windowIcon().isNull());
        QCOMPARE(program.openForms(), QStringList{"frmTav20"});
        QMdiSubWindow* active = program.window->mdiArea()->activeSubWindow();
        QVERIFY(active);
        QCOMPARE(active->windowTitle(), QString("Tav20"));
        QVERIFY(!active->windowIcon().isNull());
        QCOMPARE(label(active->widget(), "Label1")->text(), QString("izaberi tip skretnice"));
        QCOMPARE(active->pos(), QPoint(0, 0));
    }
    void restoredFrameHasItsDesignedClientArea() {
        Program program;
        program.window->showNormal();
        QTRY_COMPARE(program.window->centralWidget()->size(), QSize(312, 206));
    }
    void startFormIsNotReopenedOnceClosed() {
        Program program;
        program.window->mdiArea()->subWindowList().first()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (QAction* action : program.window->findChildren<QAction*>())
            if (action->objectName().startsWith("mnu") && action->objectName() != "mnuIzlaz" && !action->menu())
                action->trigger();
        QVERIFY(!program.openForms().contains("frmTav20"));
    }

    // Showing: a form exists once; showing it again only brings it to the front.
    void secondChoiceActivatesTheOpenForm() {
        Program program;
        QWidget* bas = program.choose("mnuBas");
        retype(field(bas, "Text1"), "1000");
        press(bas, "cmdIzracunaj6db");
        program.choose("mnuAutor");
        QCOMPARE(program.choose("mnuBas"), bas);
        QCOMPARE(program.openForms().count("frmBas"), 1);
        QCOMPARE(field(bas, "Text1")->text(), QString("1000"));
        QCOMPARE(label(bas, "Label11")->text(), QString(" L = 0,64mH"));
    }
    // A minimized form comes back from the menu as it was before, maximized or not, in front.
    void choiceRestoresAMinimizedForm_data() {
        QTest::addColumn<bool>("maximized");
        QTest::newRow("normal") << false;
        QTest::newRow("maximized") << true;
    }
    void choiceRestoresAMinimizedForm() {
        QFETCH(bool, maximized);
        Program program;
        QWidget* bas = program.choose("mnuBas");
        QMdiSubWindow* sub = program.window->mdiArea()->activeSubWindow();
        if (maximized) sub->showMaximized();
        sub->showMinimized();
        program.choose("mnuKalem");
        QCOMPARE(program.choose("mnuBas"), bas);
        QVERIFY(!sub->isMinimized());
        QCOMPARE(sub->isMaximized(), maximized);
        QCOMPARE(program.window->mdiArea()->activeSubWindow(), sub);
    }
    // A new form's first field comes selected, so that typing replaces the default.
    void typingReplacesTheFirstDefault() {
        Program program;
        QWidget* bas = program.choose("mnuBas");
        QTest::keyClicks(QApplication::focusWidget(), "7");
        QCOMPARE(field(bas, "Text1")->text(), QString("7"));
    }
    void closedFormComesBackWithDefaults() {
        Program program;
        QWidget* bas = program.choose("mnuBas");
        retype(field(bas, "Text1"), "1000");
        press(bas, "cmdIzracunaj6db");
        program.window->mdiArea()->activeSubWindow()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!program.openForms().contains("frmBas"));
        bas = program.choose("mnuBas");
        QCOMPARE(field(bas, "Text1")->text(), QString("500"));
        QVERIFY(label(bas, "Label11")->text().isEmpty());
    }
    void closeKeysDiscardTheActiveChild() {
        Program program;
        QWidget* bas = program.choose("mnuBas");
        QVERIFY(QTest::qWaitForWindowActive(program.window.get()));
        QTest::keySequence(field(bas, "Text1"), QKeySequence(Qt::CTRL | Qt::Key_W));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(program.openForms(), QStringList{"frmTav20"});
    }
    void everyCommandOpensItsOwnChild() {
        Program program;
        QStringList shown{"frmTav20"};
        for (QAction* action : program.window->findChildren<QAction*>()) {
            const QString name = action->objectName();
            if (!name.startsWith("mnu") || name == "mnuIzlaz" || action->menu()) continue;
            action->trigger();
            action->trigger();
        }
        const QStringList open = program.openForms();
        QCOMPARE(QSet<QString>(open.begin(), open.end()).size(), open.size());
        QVERIFY(open.contains("frmBas") && open.contains("frmAutor"));
    }

    // Exit: every window closes without a question, whatever was typed.
    void exitClosesEverythingWithoutAQuestion() {
        Program program;
        retype(field(program.choose("mnuBas"), "Text2"), "8");
        program.choose("mnuAutor");
        program.menu("mnuIzlaz")->trigger();
        QVERIFY(!program.window->isVisible());
        QVERIFY(program.window->mdiArea()->subWindowList().isEmpty());
        QVERIFY(program.presenter.messages.isEmpty());
    }
    void closeButtonExitsLikeIzlaz() {
        Program program;
        program.choose("mnuBas");
        QVERIFY(program.window->close());
        QVERIFY(program.window->mdiArea()->subWindowList().isEmpty());
    }

    // The About text: fixed, selectable, not editable.
    void aboutTextIsReadOnlyAndSelectable() {
        Program program;
        auto* text = forms::control<QTextEdit>(program.choose("mnuAutor"), "Text1");
        QVERIFY(text->isReadOnly());
        QVERIFY(text->textInteractionFlags() & Qt::TextSelectableByMouse);
        const QStringList lines = text->toPlainText().split('\n');
        QCOMPARE(lines.size(), 7);  // six lines, each ended by a line break
        QCOMPARE(lines.first(), QString("Autor"));
        QVERIFY(lines[1].contains("@example.org"));
        text->setFocus();
        QTest::keyClicks(text, "x");
        QCOMPARE(text->toPlainText().split('\n').first(), QString("Autor"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_main_window.moc"
