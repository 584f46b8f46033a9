#include <QTest>

#include "app/command_line.h"

// What the command line answers before a window opens, and what it refuses after
// QApplication has taken Qt's own options.
class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    // --help and --version are answered wherever they stand; Qt's options are left alone.
    void replyBeforeWindow_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("replyStart");  // empty: no reply, the window opens
        const QString help = QStringLiteral("Upotreba: tav20 [opcije]\n");
        const QString version = QStringLiteral("tav20 " TAV20_VERSION "\n");
        // clang-format off
        QTest::newRow("no options") << QStringList{"tav20"} << QString();
        QTest::newRow("--help") << QStringList{"tav20", "--help"} << help;
        QTest::newRow("-h") << QStringList{"tav20", "-h"} << help;
        QTest::newRow("--version") << QStringList{"tav20", "--version"} << version;
        QTest::newRow("-v") << QStringList{"tav20", "-v"} << version;
        QTest::newRow("help before version") << QStringList{"tav20", "-v", "-h"} << help;
        QTest::newRow("after Qt's options") << QStringList{"tav20", "-platform", "xcb", "--version"} << version;
        QTest::newRow("-reverse is no -r -e -v") << QStringList{"tav20", "-reverse"} << QString();
        QTest::newRow("-platform with a value") << QStringList{"tav20", "-platform", "offscreen"} << QString();
        QTest::newRow("-style=name") << QStringList{"tav20", "-style=fusion"} << QString();
        QTest::newRow("unknown option, left for later") << QStringList{"tav20", "--nema"} << QString();
        // clang-format on
    }
    void replyBeforeWindow() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, replyStart);
        const auto reply = cli::replyBeforeWindow(arguments).value_or(cli::Reply{});
        if (replyStart.isEmpty()) QCOMPARE(reply.text, QString());
        QVERIFY2(reply.text.startsWith(replyStart), qPrintable(reply.text));
        QCOMPARE(reply.exitCode, 0);
    }

    // Only the program's name may be left once QApplication took its options.
    void replyToLeftovers_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("complaint");  // empty: nothing to refuse
        // clang-format off
        QTest::newRow("nothing left") << QStringList{"tav20"} << QString();
        QTest::newRow("unknown option") << QStringList{"tav20", "--nema", "x"} << "tav20: nepoznata opcija '--nema'\n";
        QTest::newRow("an argument") << QStringList{"tav20", "skretnica.txt"} << "tav20: suvisan argument 'skretnica.txt'\n";
        // clang-format on
    }
    void replyToLeftovers() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, complaint);
        const auto reply = cli::replyToLeftovers(arguments).value_or(cli::Reply{});
        if (complaint.isEmpty()) {
            QCOMPARE(reply.text, QString());
            return;
        }
        QVERIFY2(reply.text.startsWith(complaint), qPrintable(reply.text));
        QVERIFY(reply.text.contains(QStringLiteral("tav20 --help")));
        QCOMPARE(reply.exitCode, 2);
    }
};

QTEST_APPLESS_MAIN(CommandLineTest)
#include "tst_command_line.moc"
