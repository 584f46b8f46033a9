#include <QTest>

#include "app/response_module.h"
#include "forms/shown_results.h"

// The response window's module, when it cannot be found: the user is told, in
// the program's one way, and no window comes.
class ResponseModuleTest : public QObject, public forms::Workspace {
    Q_OBJECT

    class Recording final : public forms::FailurePresenter {
    public:
        void warn(QWidget*, const QString& message) override { messages << message; }
        QStringList messages;
    };

public:
    const forms::FormContext& context() const override { return m_context; }
    const forms::ShownResults& shownResults() const override { return m_shown; }
    QWidget* showWindow(const forms::WindowDesign&) override { return nullptr; }
    QWidget* makeResponseWindow() override { return nullptr; }

private slots:
    // Here, beside a test, there is no module, as where a package lost its file.
    void missingModuleIsReportedOnEveryTry() {
        const forms::WindowMaker make = responseWindow(m_presenter);
        QCOMPARE(make(*this), nullptr);
        QCOMPARE(make(*this), nullptr);
        QCOMPARE(m_presenter.messages.size(), 2);
        QVERIFY2(m_presenter.messages[1].startsWith("Prozor \"Odziv skretnice\" ne moze da se otvori"),
                 qPrintable(m_presenter.messages[1]));
        QVERIFY2(m_presenter.messages[1].contains("/tav20/odziv.so"), qPrintable(m_presenter.messages[1]));
    }

private:
    Recording m_presenter;
    forms::ShownResults m_shown;
    forms::FormContext m_context{m_presenter, [] { return calc::Region{",", "."}; }};
};

QTEST_MAIN(ResponseModuleTest)
#include "tst_response_module.moc"
