#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The whole command line is read before QApplication exists, so that neither
// --help, --version nor a mistake loads a platform plugin or needs a display.
// Qt's own options (-platform, -style, -reverse, ...) are let through for
// QApplication to take; one argument that is no option names a project to
// open; anything else is a mistake.
namespace cli {

// What the program writes instead of opening its window, and how it ends.
struct Reply {
    QString text;
    int exitCode = 0;  // 0: the text goes to standard output, otherwise to standard error
};

std::optional<Reply> replyBeforeWindow(const QStringList& arguments);

// The project the command line names, as typed; empty where it names none.
QString projectToOpen(const QStringList& arguments);

int print(const Reply& reply);

}  // namespace cli
