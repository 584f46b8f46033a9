#include <QTest>

#include "app/command_line.h"

// What the command line answers before any window or display: help, version, or a
// refusal of what is neither the program's option nor Qt's.
class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    // --help and --version are answered wherever they stand, before any refusal; Qt's
    // options, with their values, are left for QApplication.
    void reply_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("replyStart");  // empty: no reply, the program goes on
        QTest::addColumn<int>("exitCode");
        const QString help = QStringLiteral("Upotreba: tav20 [opcije] [projekat.tav20]\n");
        const QString version = QStringLiteral("tav20 " TAV20_VERSION "\n");
        // clang-format off
        QTest::newRow("no options") << QStringList{"tav20"} << QString() << 0;
        QTest::newRow("--help") << QStringList{"tav20", "--help"} << help << 0;
        QTest::newRow("-h") << QStringList{"tav20", "-h"} << help << 0;
        QTest::newRow("--version") << QStringList{"tav20", "--version"} << version << 0;
        QTest::newRow("-v") << QStringList{"tav20", "-v"} << version << 0;
        QTest::newRow("help before version") << QStringList{"tav20", "-v", "-h"} << help << 0;
        QTest::newRow("help before a refusal") << QStringList{"tav20", "--nema", "-h"} << help << 0;
        QTest::newRow("after Qt's options") << QStringList{"tav20", "-platform", "xcb", "--version"} << version << 0;
        QTest::newRow("Qt's options with values") << QStringList{"tav20", "-platform", "offscreen", "--qwindowgeometry", "640x480", "-display", ":1"} << QString() << 0;
        QTest::newRow("-reverse is no -r -e -v") << QStringList{"tav20", "-reverse"} << QString() << 0;
        QTest::newRow("-style=name") << QStringList{"tav20", "-style=fusion"} << QString() << 0;
        QTest::newRow("a value is no option") << QStringList{"tav20", "-qwindowtitle", "-v"} << QString() << 0;
        QTest::newRow("unknown option") << QStringList{"tav20", "--nema", "x"} << "tav20: nepoznata opcija '--nema'\n" << 2;
        QTest::newRow("unknown after Qt's") << QStringList{"tav20", "-platform", "offscreen", "-bogus"} << "tav20: nepoznata opcija '-bogus'\n" << 2;
        QTest::newRow("no value joined to -platform") << QStringList{"tav20", "-platform=xcb"} << "tav20: nepoznata opcija '-platform=xcb'\n" << 2;
        QTest::newRow("a value missing") << QStringList{"tav20", "-reverse", "-style"} << "tav20: opciji '-style' nedostaje vrednost\n" << 2;
        QTest::newRow("a project") << QStringList{"tav20", "-platform", "offscreen", "dvosistem.tav20"} << QString() << 0;
        QTest::newRow("a second argument") << QStringList{"tav20", "a.tav20", "b.tav20"} << "tav20: suvisan argument 'b.tav20'\n" << 2;
        // clang-format on
    }
    void reply() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, replyStart);
        QFETCH(int, exitCode);
        const cli::Reply reply = cli::replyBeforeWindow(arguments).value_or(cli::Reply{});
        if (replyStart.isEmpty()) QCOMPARE(reply.text, QString());
        QVERIFY2(reply.text.startsWith(replyStart), qPrintable(reply.text));
        // A refusal says where to look next.
        QCOMPARE(reply.text.contains(QStringLiteral("tav20 --help")), exitCode == 2);
        QCOMPARE(reply.exitCode, exitCode);
    }

    // The project is the first argument that is neither an option nor an option's value.
    void project_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("project");
        QTest::newRow("none") << QStringList{"tav20", "-reverse"} << QString();
        QTest::newRow("alone") << QStringList{"tav20", "a b.tav20"} << "a b.tav20";
        QTest::newRow("after a value") << QStringList{"tav20", "-style", "fusion", "a.tav20"} << "a.tav20";
        QTest::newRow("a value is no project") << QStringList{"tav20", "-platform", "offscreen"} << QString();
    }
    void project() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, project);
        QCOMPARE(cli::projectToOpen(arguments), project);
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
