#include "forms/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QShortcut>
#include <QTranslator>
#include <algorithm>
#include <map>

#include "formkit/colours.h"
#include "formkit/form_loader.h"
#include "formkit/text.h"
#include "forms/child_window.h"
#include "forms/menu.h"
#include "winding/winding.h"

namespace forms {

using namespace formkit;

MainWindow::MainWindow(FormContext context, std::vector<WindowDesign> windows, QWidget* parent)
    : QMainWindow(parent),
      m_context(std::move(context)),
      m_windows(std::move(windows)),
      m_icon(QStringLiteral(":/images/icon.png")),
      m_qtInSerbian(new QTranslator(this)),
      m_mdi(new QMdiArea(this)),
      m_projectFile(new ProjectFile(*this)),
      m_benchOutput(new BenchOutput(*this)) {
    m_context.shown = &m_shownResults;
    // The whole interface is Serbian, Qt's own texts too, whatever the locale.
    if (m_qtInSerbian->load(QStringLiteral(":/i18n/qt_sr.qm")))
        QCoreApplication::installTranslator(m_qtInSerbian);
    setObjectName(QStringLiteral("mdiTav20"));
    setWindowTitle(QStringLiteral("Tav20"));
    setWindowIcon(m_icon);
    m_mdi->setBackground(colourOf(systemColour(sys::appWorkspace), palette()));
    setCentralWidget(m_mdi);
    buildMenu();

    // The load step: the start form, the only child window at first.
    const QWidget* start = showForm(frmTav20)->parentWidget();
    // The size the frame comes back to when the user restores it: the whole
    // menu bar on one line above the whole start form.
    const int frame = 2 * m_mdi->frameWidth();
    resize(std::max(menuBar()->sizeHint().width(), start->width() + frame),
           menuBar()->sizeHint().height() + start->height() + frame);
}

void MainWindow::buildMenu() {
    std::map<std::string_view, QMenu*> dropDowns;
    for (const MenuRow& row : menuRows()) {
        QAction* action;
        if (row.command == MenuRow::Command::DropDown) {
            QMenu* menu = menuBar()->addMenu(toQString(row.caption));
            menu->setObjectName(toQString(row.name));
            menu->setToolTipsVisible(true);
            menu->menuAction()->setObjectName(toQString(row.name));
            dropDowns[row.name] = menu;
            continue;
        }
        if (row.parent.empty())
            action = menuBar()->addAction(toQString(row.caption));
        else
            action = dropDowns.at(row.parent)->addAction(toQString(row.caption));
        action->setObjectName(toQString(row.name));
        action->setToolTip(toQString(row.tooltip));
        if (row.command == MenuRow::Command::Exit) {
            connect(action, &QAction::triggered, this, &QWidget::close);
        } else if (row.command == MenuRow::Command::New) {
            action->setShortcut(QKeySequence::New);
            connect(action, &QAction::triggered, m_projectFile, &ProjectFile::startNew);
        } else if (row.command == MenuRow::Command::Open) {
            action->setShortcut(QKeySequence::Open);
            connect(action, &QAction::triggered, m_projectFile, &ProjectFile::chooseToOpen);
        } else if (row.command == MenuRow::Command::Save) {
            action->setShortcut(QKeySequence::Save);
            connect(action, &QAction::triggered, m_projectFile, &ProjectFile::save);
        } else if (row.command == MenuRow::Command::SaveAs) {
            // Not every platform's QKeySequence::SaveAs has a key.
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
            connect(action, &QAction::triggered, m_projectFile, &ProjectFile::chooseWhereToSave);
        } else if (row.command == MenuRow::Command::Print) {
            action->setShortcut(QKeySequence::Print);
            connect(action, &QAction::triggered, m_benchOutput, &BenchOutput::choosePrinter);
        } else if (row.command == MenuRow::Command::ExportPdf) {
            connect(action, &QAction::triggered, m_benchOutput, &BenchOutput::chooseWhereToExport);
        } else if (row.command == MenuRow::Command::Help) {
            // F1 in every window, those of their own too.
            action->setShortcut(QKeySequence::HelpContents);
            action->setShortcutContext(Qt::ApplicationShortcut);
            connect(action, &QAction::triggered, this, &MainWindow::showHelp);
        } else if (row.form) {
            connect(action, &QAction::triggered, this, [this, &row] { showForm(*row.form); });
        } else {
            connect(action, &QAction::triggered, this, [this, &row] { showWindow(row.window); });
        }
    }
}

QWidget* MainWindow::openForm(const QString& name) const {
    for (QMdiSubWindow* sub : m_mdi->subWindowList())
        if (sub->widget() && sub->widget()->objectName() == name) return sub->widget();
    for (const QPointer<QWidget>& window : m_ownWindows)
        if (window && window->objectName() == name) return window;
    return nullptr;
}

QWidget* MainWindow::createForm(const FormDesign& design) {
    QWidget* form = loadForm(design.table, m_context.region());
    applyTooltips(*form, design.tooltips);
    if (design.attach) design.attach(*form, m_context);
    if (design.table.form.child) {
        addChildWindow(form);
    } else {
        form->setAttribute(Qt::WA_DeleteOnClose);
        // The key that closes a child window closes a window of its own too.
        connect(new QShortcut(QKeySequence::Close, form), &QShortcut::activated, form,
                &QWidget::close);
        std::erase_if(m_ownWindows, [](const QPointer<QWidget>& window) { return !window; });
        m_ownWindows.emplace_back(form);
    }
    return form;
}

void MainWindow::addChildWindow(QWidget* form) {
    auto* sub = new ChildWindow;
    sub->setWidget(form);
    m_mdi->addSubWindow(sub);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(m_icon);
    sub->adjustSize();
}

namespace {

// A new form's first field comes with its text selected, as Tab leaves it,
// so that typing replaces the default.
void focusFirstField(QWidget* form) {
    form->setFocus(Qt::OtherFocusReason);
    if (auto* field = qobject_cast<QLineEdit*>(form->focusProxy())) field->selectAll();
}

}  // namespace

QWidget* MainWindow::showForm(const FormDesign& design) {
    QWidget* form = openForm(toQString(design.table.form.name));
    const bool fresh = !form;
    if (fresh) form = createForm(design);
    present(form, fresh);
    return form;
}

QWidget* MainWindow::showWindow(std::string_view name) {
    const auto design = std::ranges::find(m_windows, name, &WindowDesign::name);
    if (design == m_windows.end()) return nullptr;
    QWidget* window = openForm(toQString(name));
    const bool fresh = !window;
    if (fresh) {
        window = design->create(*this);
        if (!window) return nullptr;
        window->setObjectName(toQString(name));
        addChildWindow(window);
    }
    present(window, fresh);
    return window;
}

std::vector<QWidget*> MainWindow::openWindows() const {
    std::vector<QWidget*> open;
    for (QMdiSubWindow* sub : m_mdi->subWindowList(QMdiArea::CreationOrder))
        if (sub->widget()) open.push_back(sub->widget());
    for (const QPointer<QWidget>& window : m_ownWindows)
        if (window) open.push_back(window);
    return open;
}

QWidget* MainWindow::showByName(std::string_view name) {
    static constexpr const FormDesign* designs[] = {&frmTav20,  &frmAutor, &frmBas, &frmSrednji,
                                                    &frmVisoki, &frmKalem, &Form1};
    for (const FormDesign* design : designs)
        if (design->table.form.name == name) return showForm(*design);
    return showWindow(name);
}

void MainWindow::closeAllWindows() {
    m_mdi->closeAllSubWindows();
    for (const QPointer<QWidget>& window : m_ownWindows)
        if (window) window->close();
    // Gone now, so that a window opened next is a new one and no result of a closed form is left.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void MainWindow::windCoil(const CoilToWind& coil) {
    const auto winder = std::ranges::find_if(
        m_windows, [](const WindowDesign& design) { return design.takeCoil != nullptr; });
    if (winder == m_windows.end()) return;
    if (QWidget* window = showWindow(winder->name)) winder->takeCoil(*window, coil);
}

QWidget* MainWindow::showBenchSheetWindow() {
    const auto drawer = std::ranges::find_if(m_windows, &WindowDesign::drawsBenchSheet);
    return drawer == m_windows.end() ? nullptr : showWindow(drawer->name);
}

std::optional<double> MainWindow::windingResistance(double millihenry) const {
    const auto coil = winding::wind(winding::defaultCoil(float(millihenry)));
    if (!coil) return std::nullopt;
    return coil->resistance;
}

void MainWindow::present(QWidget* form, bool fresh) {
    if (auto* sub = qobject_cast<ChildWindow*>(form->parentWidget())) {
        sub->showUnminimized();
        // The area centres a child larger than itself, which would push its
        // title bar out of reach: a new child starts no further left or up than the corner.
        if (fresh) sub->move(std::max(0, sub->x()), std::max(0, sub->y()));
        m_mdi->setActiveSubWindow(sub);
    } else {
        if (form->isMinimized()) form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
        form->show();
        form->raise();
        form->activateWindow();
    }
    if (fresh) focusFirstField(form);
}

void MainWindow::showHelp() {
    QWidget* front = QApplication::activeWindow();
    if (!m_help) {
        m_help = new HelpWindow;
        m_help->setWindowIcon(m_icon);
    } else if (front == m_help) {
        return;
    }
    if (!front || front == this)
        front = m_mdi->activeSubWindow() ? m_mdi->activeSubWindow()->widget() : this;
    m_help->showPageOf(front);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}

// Windows of their own have no parent to take them along.
MainWindow::~MainWindow() { closeOwnWindows(); }

void MainWindow::closeOwnWindows() {
    for (const QPointer<QWidget>& window : m_ownWindows)
        if (window) window->close();
    if (m_help) m_help->close();
}

// The exit closes every window without a question, unless a project opened or saved has changed.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_projectFile->mayLeave()) return event->ignore();
    m_mdi->closeAllSubWindows();
    closeOwnWindows();
    event->accept();
}

}  // namespace forms
