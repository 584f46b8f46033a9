#pragma once

#include <QMainWindow>

class QTextBrowser;

namespace formkit {

// The program's help: one short HTML page per window, in the resource under /help, named by the
// window's objectName ("/help/frmBas.html"). A window gets its page by adding such a file; one
// without a page, and a dialog over it, is helped by the nearest window around it that has one.
// A screen reader meets it as a window of its own.
class HelpWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // The page of `widget` or of the nearest window around it that has one; empty if none has.
    static QString pageOf(const QWidget* widget);
    // Shows the page of `widget`, or the contents where nothing around it has a page.
    void showPageOf(const QWidget* widget);
    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

}  // namespace formkit
