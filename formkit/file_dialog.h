#pragma once

#include <QFileDialog>
#include <QString>

namespace formkit {

// The program's file dialog: Qt's own, on every system, so that it speaks
// Serbian through the program's translation; its sizes and file types are
// written in Serbian in the Latin script, with the regional decimal
// separator, whatever the system's locale writes them in. A heap child of
// `parent` that goes when closed; open it with open(), never in a loop of its
// own (a window closed meanwhile would free it twice).
QFileDialog* fileDialog(QWidget* parent, const QString& caption, const QString& path,
                        const QString& filters, QFileDialog::AcceptMode mode);

}  // namespace formkit
