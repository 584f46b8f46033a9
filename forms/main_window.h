#pragma once

#include <QMainWindow>
#include <QPointer>
#include <vector>

#include "forms/failure.h"
#include "forms/forms.h"
#include "forms/shown_results.h"
#include "forms/workspace.h"

class QMdiArea;
class QTranslator;

namespace forms {

// mdiTav20: the frame whose menu shows every form and window of our own.
// Each exists at most once: showing an open one only brings it to the front.
class MainWindow : public QMainWindow, public Workspace {
public:
    MainWindow(FormContext context, WindowMaker responseWindow, QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget* showForm(const FormDesign& design);
    QWidget* showWindow(const WindowDesign& design) override;
    const FormContext& context() const override { return m_context; }
    const ShownResults& shownResults() const override { return m_shownResults; }
    QWidget* makeResponseWindow() override { return m_responseWindow(*this); }
    QMdiArea* mdiArea() const { return m_mdi; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    QWidget* openForm(const QString& name) const;
    QWidget* createForm(const FormDesign& design);
    void addChildWindow(QWidget* form);
    void present(QWidget* form, bool fresh);
    void closeOwnWindows();

    ShownResults m_shownResults;
    FormContext m_context;
    WindowMaker m_responseWindow;
    QTranslator* m_qtInSerbian;
    QMdiArea* m_mdi;
    std::vector<QPointer<QWidget>> m_ownWindows;  // forms that are windows of their own
};

}  // namespace forms
