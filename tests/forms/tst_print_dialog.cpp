#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QRegularExpression>
#include <QTabBar>
#include <QTimer>

#include "form_test_support.h"

// Qt's print dialog, its options, its printer's properties and the page setup speak Serbian: no
// text shown or said of them holds a word of the English list the end-to-end walk uses.
class PrintDialogTest : public QObject {
    Q_OBJECT

    QRegularExpression m_english;
    QSet<QString> m_found;  // "class name: text" of each English text seen

    // Every text of a window and its widgets: titles, captions, items, tabs, units, tips and what a
    // screen reader says of each.
    void checkWindow(QWidget* window) {
        const QList<QWidget*> widgets = window->findChildren<QWidget*>() << window;
        for (QWidget* widget : widgets) {
            QStringList texts;
            for (const char* property : {"windowTitle", "toolTip", "whatsThis", "statusTip", "accessibleName",
                                         "accessibleDescription", "title", "prefix", "suffix", "placeholderText"})
                texts << widget->property(property).toString();
            if (qobject_cast<QLabel*>(widget) || qobject_cast<QAbstractButton*>(widget))
                texts << widget->property("text").toString();
            if (QAccessibleInterface* said = QAccessible::queryAccessibleInterface(widget))
                texts << said->text(QAccessible::Name) << said->text(QAccessible::Description);
            if (auto* combo = qobject_cast<QComboBox*>(widget))
                for (int i = 0; i < combo->count(); ++i) texts << combo->itemText(i);
            if (auto* tabs = qobject_cast<QTabBar*>(widget))
                for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i) << tabs->tabToolTip(i);
            for (QString& text : texts)
                if (m_english.match(text.remove('&')).hasMatch())
                    m_found << QString("%1 %2: %3").arg(widget->metaObject()->className(), widget->objectName(), text);
        }
    }
    // The modal window a click opens, checked while open, then closed: whether there was one (the
    // opener is forgotten once it is checked).
    bool checkModal(QAbstractButton* opener) {
        QTimer::singleShot(0, [&] {
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                checkWindow(modal);
                modal->reject();
                opener = nullptr;
            }
        });
        opener->click();
        return !opener;
    }

private slots:
    void printDialogsSpeakSerbian() {
        QFile words(TAV20_ENGLISH);
        QVERIFY(words.open(QIODevice::ReadOnly));
        m_english.setPattern("(?i)\\b(" + QString(words.readAll()).simplified().replace(' ', '|') + ")\\b");

        testing_support::Program program;  // the main window installs the program's translation of Qt
        QPrintDialog dialog(program.window.get());
        dialog.open();
        // Printing to a PDF file, whose page sizes are all of Qt's: the same on any machine.
        auto* printers = dialog.findChild<QComboBox*>("printers");
        printers->setCurrentIndex(printers->count() - 1);
        checkWindow(&dialog);
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        for (QAbstractButton* button : buttons->buttons())
            if (buttons->buttonRole(button) == QDialogButtonBox::ResetRole) button->click();  // the options
        checkWindow(&dialog);
        QVERIFY(checkModal(dialog.findChild<QAbstractButton*>("properties")));
        QVERIFY(checkModal(dialog.findChild<QAbstractButton*>("fileBrowser")));
        dialog.findChild<QLineEdit*>("filename")->setText("/");  // a folder: refused
        QVERIFY(checkModal(buttons->button(QDialogButtonBox::Ok)));

        QPageSetupDialog setup(dialog.printer(), program.window.get());
        checkWindow(&setup);
        QVERIFY2(m_found.isEmpty(), qPrintable(QString("%1 English texts:\n").arg(m_found.size()) +
                                               QStringList(m_found.begin(), m_found.end()).join('\n')));
    }
};

QTEST_MAIN(PrintDialogTest)
#include "tst_print_dialog.moc"
