#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QPointer>
#include <vector>

#include "formkit/corrections.h"
#include "formkit/drivers.h"
#include "formkit/form_context.h"
#include "formkit/help_window.h"
#include "formkit/shown_results.h"
#include "formkit/workspace.h"
#include "forms/bench_output.h"
#include "forms/forms.h"
#include "forms/project_file.h"

class QMdiArea;
class QTranslator;

namespace forms {

// mdiTav20: the frame whose menu shows every form and window of our own.
// Each exists at most once: showing an open one only brings it to the front.
// The windows of our own come from the program, each with its design.
class MainWindow : public QMainWindow, public formkit::Workspace {
public:
    MainWindow(formkit::FormContext context, std::vector<formkit::WindowDesign> windows,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    QWidget* showForm(const FormDesign& design);
    // A window of our own by its objectName; nothing where it cannot be made.
    QWidget* showWindow(std::string_view name);
    const formkit::FormContext& context() const override { return m_context; }
    const formkit::ShownResults& shownResults() const override { return m_shownResults; }
    void windCoil(const formkit::CoilToWind& coil) override;
    formkit::Drivers& drivers() override { return m_drivers; }
    formkit::Corrections& corrections() override { return m_corrections; }
    const formkit::Drivers& drivers() const { return m_drivers; }
    const formkit::Corrections& corrections() const { return m_corrections; }
    std::optional<double> windingResistance(double millihenry) const override;
    QMdiArea* mdiArea() const { return m_mdi; }
    // The help page of the window in front: a form, a window of our own, or the program's contents.
    void showHelp() override;
    formkit::HelpWindow* helpWindow() const { return m_help; }

    // The open forms and windows of our own, child windows in the order they were opened first.
    std::vector<QWidget*> openWindows() const;
    // A form or a window of our own by its objectName; nothing where the program has none.
    QWidget* showByName(std::string_view name);
    // Every form and window, at once: none is left when this returns.
    void closeAllWindows();
    ProjectFile& projectFile() const { return *m_projectFile; }
    BenchOutput& benchOutput() const { return *m_benchOutput; }
    // The window that draws the bench sheet, opened or brought to the front; nothing where it
    // cannot be made.
    QWidget* showBenchSheetWindow();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    QWidget* openForm(const QString& name) const;
    QWidget* createForm(const FormDesign& design);
    void addChildWindow(QWidget* form);
    void present(QWidget* form, bool fresh);
    void closeOwnWindows();

    formkit::ShownResults m_shownResults;
    formkit::Drivers m_drivers;
    formkit::Corrections m_corrections;
    formkit::FormContext m_context;
    std::vector<formkit::WindowDesign> m_windows;
    // One icon for every window: each QIcon of its own would cache its own scaled copies.
    const QIcon m_icon;
    QTranslator* m_qtInSerbian;
    QMdiArea* m_mdi;
    std::vector<QPointer<QWidget>> m_ownWindows;  // forms that are windows of their own
    // Without a parent, so that a dialog holding the main window's keyboard leaves it readable.
    QPointer<formkit::HelpWindow> m_help;
    ProjectFile* m_projectFile;
    BenchOutput* m_benchOutput;
};

}  // namespace forms
