#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The command line is read in two steps. Before QApplication exists, --help and
// --version are answered, so that neither loads a platform plugin or needs a
// display. QApplication then takes Qt's own options (-platform, -style,
// -reverse, ...), and whatever it leaves is a mistake.
namespace cli {

// What the program writes instead of opening its window, and how it ends.
struct Reply {
    QString text;
    int exitCode = 0;  // 0: the text goes to standard output, otherwise to standard error
};

std::optional<Reply> replyBeforeWindow(const QStringList& arguments);
std::optional<Reply> replyToLeftovers(const QStringList& arguments);

int print(const Reply& reply);

}  // namespace cli
