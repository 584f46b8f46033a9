#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <cstdio>

namespace cli {

namespace {
constexpr int usageError = 2;

const char* const help =
    "Upotreba: tav20 [opcije]\n"
    "Proracun pasivnih skretnica za zvucnike, vazdusnog kalema i debljine zice.\n"
    "\n"
    "Opcije:\n"
    "  -h, --help     ispisuje ovu pomoc\n"
    "  -v, --version  ispisuje verziju programa\n"
    "\n"
    "Prima i standardne opcije Qt-a, kao -platform, -style i -reverse.\n"
    "Uputstvo: man tav20\n";
}  // namespace

std::optional<Reply> replyBeforeWindow(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are words after one dash: -reverse must not read as -r -e -v ...
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption helpOption(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption versionOption(
        QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({helpOption, versionOption});
    // Qt's own options are unknown here; they are left for QApplication.
    parser.parse(arguments);

    if (parser.isSet(helpOption)) return Reply{QString::fromLatin1(help)};
    if (parser.isSet(versionOption)) return Reply{QStringLiteral("tav20 " TAV20_VERSION "\n")};
    return std::nullopt;
}

std::optional<Reply> replyToLeftovers(const QStringList& arguments) {
    if (arguments.size() < 2) return std::nullopt;
    const QString& first = arguments.at(1);
    const QString what = first.startsWith(u'-') ? QStringLiteral("nepoznata opcija")
                                                : QStringLiteral("suvisan argument");
    return Reply{QStringLiteral("tav20: %1 '%2'\nPokrenite 'tav20 --help' za spisak opcija.\n")
                     .arg(what, first),
                 usageError};
}

int print(const Reply& reply) {
    std::fputs(reply.text.toLocal8Bit().constData(), reply.exitCode == 0 ? stdout : stderr);
    return reply.exitCode;
}

}  // namespace cli
