#include <QTest>

#include "app/command_line.h"

// What the command line answers before a window opens, and what it refuses after
// QApplication has taken Qt's own options.
class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    // --help and --version are answered wherever they stand, Qt's options left alone; once
    // QApplication took its own, only the program's name may be left.
    void reply_data() {
        QTest::addColumn<bool>("beforeWindow");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("replyStart");  // empty: no reply, the program goes on
        QTest::addColumn<int>("exitCode");
        const QString help = QStringLiteral("Upotreba: tav20 [opcije]\n");
        const QString version = QStringLiteral("tav20 " TAV20_VERSION "\n");
        // clang-format off
        QTest::newRow("no options") << true << QStringList{"tav20"} << QString() << 0;
        QTest::newRow("--help") << true << QStringList{"tav20", "--help"} << help << 0;
        QTest::newRow("-h") << true << QStringList{"tav20", "-h"} << help << 0;
        QTest::newRow("--version") << true << QStringList{"tav20", "--version"} << version << 0;
        QTest::newRow("-v") << true << QStringList{"tav20", "-v"} << version << 0;
        QTest::newRow("help before version") << true << QStringList{"tav20", "-v", "-h"} << help << 0;
        QTest::newRow("after Qt's options") << true << QStringList{"tav20", "-platform", "xcb", "--version"} << version << 0;
        QTest::newRow("-reverse is no -r -e -v") << true << QStringList{"tav20", "-reverse"} << QString() << 0;
        QTest::newRow("-platform with a value") << true << QStringList{"tav20", "-platform", "offscreen"} << QString() << 0;
        QTest::newRow("-style=name") << true << QStringList{"tav20", "-style=fusion"} << QString() << 0;
        QTest::newRow("unknown option, left for later") << true << QStringList{"tav20", "--nema"} << QString() << 0;
        QTest::newRow("nothing left") << false << QStringList{"tav20"} << QString() << 0;
        QTest::newRow("unknown option left") << false << QStringList{"tav20", "--nema", "x"} << "tav20: nepoznata opcija '--nema'\n" << 2;
        QTest::newRow("an argument left") << false << QStringList{"tav20", "skretnica.txt"} << "tav20: suvisan argument 'skretnica.txt'\n" << 2;
        // clang-format on
    }
    void reply() {
        QFETCH(bool, beforeWindow);
        QFETCH(QStringList, arguments);
        QFETCH(QString, replyStart);
        QFETCH(int, exitCode);
        const auto answer = beforeWindow ? cli::replyBeforeWindow(arguments) : cli::replyToLeftovers(arguments);
        const cli::Reply reply = answer.value_or(cli::Reply{});
        if (replyStart.isEmpty()) QCOMPARE(reply.text, QString());
        QVERIFY2(reply.text.startsWith(replyStart), qPrintable(reply.text));
        // A refusal says where to look next.
        QCOMPARE(reply.text.contains(QStringLiteral("tav20 --help")), exitCode == 2);
        QCOMPARE(reply.exitCode, exitCode);
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
