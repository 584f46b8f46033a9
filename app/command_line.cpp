#include "app/command_line.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

namespace cli {

namespace {
constexpr int usageError = 2;

const char* const help =
    "Upotreba: tav20 [opcije] [projekat.tav20]\n"
    "Proracun pasivnih skretnica za zvucnike, vazdusnog kalema i debljine zice.\n"
    "Otvara projekat ako je naveden.\n"
    "\n"
    "Opcije:\n"
    "  -h, --help     ispisuje ovu pomoc\n"
    "  -v, --version  ispisuje verziju programa\n"
    "\n"
    "Prima i standardne opcije Qt-a, kao -platform, -style i -reverse.\n"
    "Uputstvo: man tav20\n";

// Qt 6.4's own options as QGuiApplication, QApplication and the X11 platform take
// them, after one dash or two: most with the next argument as their value, three
// also with a value joined by '=' (-style=fusion), five alone.
// clang-format off
constexpr std::array<std::string_view, 14> qtWithValue = {
    "platform", "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry", "qwindowtitle",
    "qwindowicon", "geometry", "title", "icon", "display", "name", "visual", "session"};
constexpr std::array<std::string_view, 3> qtWithJoinedValue = {"style", "stylesheet", "qmljsdebugger"};
constexpr std::array<std::string_view, 5> qtAlone = {"reverse", "widgetcount", "testability", "nograb", "dograb"};
// clang-format on

Reply refusal(const QString& what) {
    return Reply{
        QStringLiteral("tav20: %1\nPokrenite 'tav20 --help' za spisak opcija.\n").arg(what),
        usageError};
}
struct Request {
    std::optional<Reply> reply;
    QString project;
};

Request read(const QStringList& arguments) {
    bool helpAsked = false, versionAsked = false;
    std::optional<Reply> mistake;
    QString project;
    const auto refuse = [&](const QString& what) {
        if (!mistake) mistake = refusal(what);
    };
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!argument.startsWith(u'-')) {
            if (project.isEmpty())
                project = argument;
            else
                refuse(QStringLiteral("suvisan argument '%1'").arg(argument));
            continue;
        }
        const QString name = argument.mid(argument.startsWith(QStringLiteral("--")) ? 2 : 1);
        if (name == u"h" || name == u"help") {
            helpAsked = true;
            continue;
        }
        if (name == u"v" || name == u"version") {
            versionAsked = true;
            continue;
        }
        const qsizetype equals = name.indexOf(u'=');
        const std::string bare = name.left(equals).toStdString();
        const auto in = [&](const auto& names) {
            return std::ranges::find(names, bare) != names.end();
        };
        if (in(qtWithJoinedValue) && equals >= 0) continue;
        if (equals >= 0 || !(in(qtWithValue) || in(qtWithJoinedValue) || in(qtAlone)))
            refuse(QStringLiteral("nepoznata opcija '%1'").arg(argument));
        else if (!in(qtAlone) && ++i == arguments.size())
            refuse(QStringLiteral("opciji '%1' nedostaje vrednost").arg(argument));
    }
    if (helpAsked) return {Reply{QString::fromLatin1(help)}, project};
    if (versionAsked) return {Reply{QStringLiteral("tav20 " TAV20_VERSION "\n")}, project};
    return {mistake, project};
}

}  // namespace

std::optional<Reply> replyBeforeWindow(const QStringList& arguments) {
    return read(arguments).reply;
}

QString projectToOpen(const QStringList& arguments) { return read(arguments).project; }

int print(const Reply& reply) {
    std::fputs(reply.text.toLocal8Bit().constData(), reply.exitCode == 0 ? stdout : stderr);
    return reply.exitCode;
}

}  // namespace cli
