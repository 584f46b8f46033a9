#include "app/response_module.h"
#include "form_test_support.h"

using namespace testing_support;

// The response window's module, when it cannot be found: the user is told, in
// the program's one way, and no window comes.
class ResponseModuleTest : public QObject {
    Q_OBJECT

private slots:
    // Here, beside a test, there is no module, as where a package lost its file.
    void missingModuleIsReportedOnEveryTry() {
        RecordingWarner warner;
        forms::MainWindow window({warner, [] { return decimalComma; }}, {responseWindow(warner)});
        QCOMPARE(window.showWindow("frmOdziv"), nullptr);
        QCOMPARE(window.showWindow("frmOdziv"), nullptr);
        QCOMPARE(warner.messages.size(), 2);
        QVERIFY2(warner.messages[1].startsWith("Prozor \"Odziv skretnice\" ne moze da se otvori") &&
                     warner.messages[1].contains("/tav20/odziv.so"),
                 qPrintable(warner.messages[1]));
        QCOMPARE(window.mdiArea()->subWindowList().size(), 1);  // the start form alone
    }
};

QTEST_MAIN(ResponseModuleTest)
#include "tst_response_module.moc"
