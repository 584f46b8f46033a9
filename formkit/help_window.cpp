#include "formkit/help_window.h"

#include <QAction>
#include <QFile>
#include <QShortcut>
#include <QTextBrowser>
#include <QToolBar>

namespace formkit {

namespace {

QString pagePath(const QString& name) { return QStringLiteral(":/help/%1.html").arg(name); }
QUrl urlOf(const QString& path) { return QUrl(QStringLiteral("qrc") + path); }

// The start form's page, the contents: what the program does, and a link to every other page.
const QString contents = QStringLiteral("frmTav20");

}  // namespace

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent), m_browser(new QTextBrowser) {
    setObjectName(QStringLiteral("hlpPomoc"));
    setAttribute(Qt::WA_DeleteOnClose);
    m_browser->setObjectName(QStringLiteral("txtPomoc"));
    m_browser->setAccessibleName(QStringLiteral("Pomoc"));
    setCentralWidget(m_browser);
    // Links lead from page to page: a way back, and to the contents.
    QToolBar* bar = addToolBar(QStringLiteral("Kretanje kroz pomoc"));
    bar->setMovable(false);
    QAction* back = bar->addAction(QStringLiteral("Nazad"), m_browser, &QTextBrowser::backward);
    back->setShortcut(QKeySequence::Back);
    back->setToolTip(QStringLiteral("Prethodna strana (Alt+strelica levo)"));
    back->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    QAction* home = bar->addAction(QStringLiteral("Sadrzaj"), this,
                                   [this] { m_browser->setSource(urlOf(pagePath(contents))); });
    home->setToolTip(QStringLiteral("Strana o programu, sa vezama ka svim prozorima"));
    connect(m_browser, &QTextBrowser::sourceChanged, this,
            [this] { setWindowTitle(QStringLiteral("Pomoc: ") + m_browser->documentTitle()); });
    // Read and put away from the keyboard, as a child window is.
    for (const QKeySequence& key :
         {QKeySequence(QKeySequence::Close), QKeySequence(Qt::Key_Escape)})
        connect(new QShortcut(key, this), &QShortcut::activated, this, &QWidget::close);
    resize(560, 640);
}

QString HelpWindow::pageOf(const QWidget* widget) {
    for (; widget; widget = widget->parentWidget())
        if (QFile::exists(pagePath(widget->objectName()))) return pagePath(widget->objectName());
    return {};
}

void HelpWindow::showPageOf(const QWidget* widget) {
    const QString page = pageOf(widget);
    m_browser->setSource(
        QUrl(QStringLiteral("qrc") + (page.isEmpty() ? pagePath(contents) : page)));
}

}  // namespace formkit
