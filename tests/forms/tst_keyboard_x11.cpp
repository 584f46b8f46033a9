#include <QProcess>

#include "form_test_support.h"

using namespace testing_support;

// Real key presses through a real X server (Xvfb), as a user drives the program.
class KeyboardTest : public QObject {
    Q_OBJECT

    static void typeKeys(const QStringList& keys) {
        for (const QString& key : keys) {
            QCOMPARE(QProcess::execute("xdotool", {"key", "--clearmodifiers", key}), 0);
            QTest::qWait(50);
        }
    }
    static void focusX11(QWidget* window) {
        // Xvfb has no window manager to give a mapped window the input focus.
        QCOMPARE(QProcess::execute("xdotool", {"windowfocus", "--sync", QString::number(window->winId())}), 0);
        QVERIFY(QTest::qWaitForWindowActive(window));
    }
    static QString activeForm(const Program& program) {
        QMdiSubWindow* active = program.window->mdiArea()->activeSubWindow();
        return active ? active->widget()->objectName() : QString();
    }

private slots:
    void initTestCase() {
        if (QGuiApplication::platformName() != "xcb") QSKIP("needs an X server");
    }

    // Alt+T then B opens the woofer; Tab and the space bar press its buttons.
    void mnemonicsOpenTheWooferAndSpacePresses() {
        Program program;
        focusX11(program.window.get());
        typeKeys({"alt+t", "b"});
        QTRY_COMPARE(activeForm(program), QString("frmBas"));
        QWidget* bas = program.window->mdiArea()->activeSubWindow()->widget();
        QTRY_COMPARE(QApplication::focusWidget(), field(bas, "Text1"));
        typeKeys({"Tab", "Tab", "space"});
        QTRY_COMPARE(label(bas, "Label11")->text(), QString(" L = 1,27mH"));
        typeKeys({"Tab", "Tab", "Tab", "space"});
        QTRY_COMPARE(label(bas, "Label12")->text(), QString(" L = 1,8mH    C = 56uF"));
    }
    void topLevelCommandsOpenDirectly() {
        Program program;
        focusX11(program.window.get());
        typeKeys({"alt+k"});
        QTRY_COMPARE(activeForm(program), QString("frmKalem"));
        typeKeys({"alt+a"});
        QTRY_COMPARE(activeForm(program), QString("frmAutor"));
    }
    void altFThenIExits() {
        Program program;
        focusX11(program.window.get());
        typeKeys({"alt+f", "i"});
        QTRY_VERIFY(!program.window->isVisible());
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard_x11.moc"
