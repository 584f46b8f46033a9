#include <QTest>

#include "app/response_module.h"
#include "formkit/form_context.h"
#include "formkit/shown_results.h"

// The response window's module, when it cannot be found: the user is told, in
// the program's one way, and no window comes.
class ResponseModuleTest : public QObject, public formkit::Workspace {
    Q_OBJECT

    class Recording final : public formkit::Warner {
    public:
        void warn(QWidget*, const QString& message) override { messages << message; }
        QStringList messages;
    };

public:
    const formkit::FormContext& context() const override { return m_context; }
    const formkit::ShownResults& shownResults() const override { return m_shown; }
    void windCoil(double) override {}

private slots:
    // Here, beside a test, there is no module, as where a package lost its file.
    void missingModuleIsReportedOnEveryTry() {
        const formkit::WindowDesign design = responseWindow(m_warner);
        QCOMPARE(design.create(*this), nullptr);
        QCOMPARE(design.create(*this), nullptr);
        QCOMPARE(m_warner.messages.size(), 2);
        QVERIFY2(m_warner.messages[1].startsWith("Prozor \"Odziv skretnice\" ne moze da se otvori"),
                 qPrintable(m_warner.messages[1]));
        QVERIFY2(m_warner.messages[1].contains("/tav20/odziv.so"), qPrintable(m_warner.messages[1]));
    }

private:
    Recording m_warner;
    formkit::ShownResults m_shown;
    formkit::FormContext m_context{m_warner, [] { return calc::Region{",", "."}; }};
};

QTEST_MAIN(ResponseModuleTest)
#include "tst_response_module.moc"
