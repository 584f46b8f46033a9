#pragma once

#include <QMainWindow>
#include <QPointer>
#include <vector>

#include "forms/failure.h"
#include "forms/forms.h"

class QMdiArea;
class QTranslator;

namespace forms {

// mdiTav20: the frame whose menu shows every form. Each form exists at most
// once: showing an open form only brings it to the front.
class MainWindow : public QMainWindow {
public:
    explicit MainWindow(FormContext context, QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget* showForm(const FormSpec& spec);
    QMdiArea* mdiArea() const { return m_mdi; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    QWidget* openForm(const QString& name) const;
    QWidget* createForm(const FormSpec& spec);
    void closeOwnWindows();

    FormContext m_context;
    QTranslator* m_qtInSerbian;
    QMdiArea* m_mdi;
    std::vector<QPointer<QWidget>> m_ownWindows;  // forms that are windows of their own
};

}  // namespace forms
