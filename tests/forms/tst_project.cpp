#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QMenu>
#include <QStorageInfo>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextEdit>

#include "form_test_support.h"
#include "formkit/window_state.h"
#include "forms/odziv/driver_dialog.h"
#include "forms/odziv/facts_model.h"
#include "forms/project_file.h"

using namespace testing_support;

// Project files from the File menu: a design saved comes back whole in a new program, a file that
// cannot be read changes nothing, a failed save keeps the old file, and a changed project asks
// before it is left.
class ProjectTest : public QObject {
    Q_OBJECT

    // What a user sees of a program: its windows in order, each with its place, fields and results.
    static QStringList seen(const Program& program) {
        QStringList shown;
        for (const QWidget* window : program.window->openWindows()) {
            const QWidget* frame = window->isWindow() ? window : window->parentWidget();
            shown << window->objectName() << QVariant(frame->geometry()).toString() + (frame->isMaximized() ? " max" : "");
            for (const project::Setting& setting : formkit::stateOf(*window))
                shown << QString::fromStdString(setting.name + '=' + setting.text);
            for (const QLabel* label : window->findChildren<QLabel*>())
                if (label->window() == window->window()) shown << label->text();  // not a dialog's
            for (const QTableView* table : window->findChildren<QTableView*>())
                for (int row = 0; row < table->model()->rowCount(); ++row)
                    for (int column = 0; column < table->model()->columnCount(); ++column)
                        shown << table->model()->index(row, column).data().toString();
        }
        for (const formkit::DriverEntry& entry : program.window->drivers().entries())
            shown << entry.name + " (" + entry.source + ")";
        for (std::size_t kind = 0; kind < formkit::Corrections::kinds; ++kind) {
            const formkit::CorrectionPowers& powers = program.window->corrections().powersOf(kind);
            shown << QString::number(program.window->corrections().of(kind).has_value())
                  << QString::number(powers.amplifierWatts) << QString::number(powers.resistorWatts.size());
        }
        return shown;
    }
    // A two-way design: woofer moved, pressed, then retyped; tweeter typed only; a note in the coil form; a driver from files
    // feeding the woofer's curve, out of the sum, its coil's wire typed; an L-pad, its window closed; a coil wound,
    // then retyped.
    static void design(Program& program) {
        QWidget* bas = program.choose("mnuBas");
        bas->parentWidget()->setGeometry(40, 30, 640, 420);
        retype(field(bas, "Text4"), "2500");
        press(bas, "cmdIzracunaj12db");
        retype(field(bas, "Text4"), "2600");
        retype(field(program.choose("mnuVisoki"), "Text4"), "2500,5");
        program.choose("mnuKalem")->findChild<QTextEdit*>("Text5")->setPlainText("beleska:\n\"L\" za bas");
        QWidget* odziv = program.choose("mnuOdziv");
        odziv->parentWidget()->showMaximized();
        QString folder;
        auto* dialog = new odziv::DriverDialog(odziv::DriverDialog::Source::Files, *program.window, folder, odziv);
        QVERIFY(dialog->load(driver::FileKind::Frd, TAV20_PRIMERI "/bas-16cm.frd"));
        QVERIFY(dialog->load(driver::FileKind::Zma, TAV20_PRIMERI "/bas-16cm.zma"));
        QVERIFY(dialog->add());
        odziv->findChild<QComboBox*>("cboZvucnik1")->setCurrentIndex(1);
        odziv->findChild<QCheckBox*>("chkZbir1")->setChecked(false);
        auto* facts = odziv->findChild<QTableView*>()->model();
        QVERIFY(facts->setData(facts->index(0, odziv::FactsModel::Resistance), "0,4"));
        QCoreApplication::processEvents();  // the window reads the text after the editor has closed
        QWidget* korekcija = program.choose("mnuKorekcija");
        press(korekcija, "cmdAtenuator");
        korekcija->parentWidget()->close();  // its L-pad and the resistors' powers stay
        QWidget* namotaj = program.choose("mnuNamotaj");
        press(namotaj, "cmdIzracunaj");
        retype(namotaj->findChild<QLineEdit*>(), "1,5");
    }

private slots:
    // A design saved and opened in a new program shows the same windows in the same places, texts,
    // results, curves' choices, drivers and corrections, with nothing pressed that was not.
    void savedDesignOpensTheSame() {
        QTemporaryDir dir;
        const QString path = dir.filePath("dvosistem.tav20");
        QStringList before;
        {
            Program program;
            design(program);
            QVERIFY(program.window->projectFile().saveTo(path));
            before = seen(program);
        }
        Program program;
        QVERIFY(program.window->projectFile().open(path));
        // With a window filling the workspace, Qt names it after the project.
        QCOMPARE(program.window->windowTitle(), "dvosistem.tav20 - Tav20 - [Namotaj kalema]");
        const QStringList after = seen(program);
        for (qsizetype i = 0; i < std::min(after.size(), before.size()); ++i) QCOMPARE(after[i], before[i]);
        QCOMPARE(after.size(), before.size());
        QVERIFY(label(program.window->showByName("frmVisoki"), "Label11")->text().isEmpty());
        QVERIFY(program.warner.messages.isEmpty());
        QVERIFY(program.warner.questions.isEmpty());
        // Opened unchanged, and a window moved, it leaves without a question.
        program.window->showByName("frmBas")->parentWidget()->move(5, 5);
        QVERIFY(program.window->close());
        QVERIFY(program.warner.questions.isEmpty());
    }

    // A file that is not a project as it must be is refused with its reason, and no window, text,
    // driver or correction changes, nor which project is open.
    void unreadableFilesChangeNothing_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("damaged") << QByteArray("{\"program\": \"Tav20\", \"version\": 1,\n\"windows\": [")
                                 << "na liniji 2";
        QTest::newRow("newer") << QByteArray(R"({"program": "Tav20", "version": 9})") << "novija verzija";
        QTest::newRow("a picture") << QByteArray("\x89PNG\r\n\x1a\n") << "nije projekat";
        QTest::newRow("over 10 MB") << QByteArray(project::maxFileSize + 1, ' ') << "10 MB";
    }
    void unreadableFilesChangeNothing() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        Program program;
        design(program);
        QVERIFY(program.window->projectFile().saveTo(dir.filePath("dobar.tav20")));
        const QStringList before = seen(program);
        QFile bad(dir.filePath("los.tav20"));
        QVERIFY(bad.open(QIODevice::WriteOnly) && bad.write(bytes) == bytes.size());
        bad.close();
        QVERIFY(!program.window->projectFile().open(bad.fileName()));
        QCOMPARE(program.warner.messages.size(), 1);
        QVERIFY2(program.warner.messages[0].startsWith("Projekat \"los.tav20\" nije otvoren: ") &&
                     program.warner.messages[0].contains(reason),
                 qPrintable(program.warner.messages[0]));
        QCOMPARE(seen(program), before);
        QCOMPARE(program.window->projectFile().path(), dir.filePath("dobar.tav20"));
    }

    // A save that cannot be made says why and keeps what was there, and the project stays where it was.
    void failedSaveKeepsTheOldFile() {
        QTemporaryDir dir;
        Program program;
        design(program);
        const QString path = dir.filePath("stari.tav20");
        QVERIFY(program.window->projectFile().saveTo(path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray old = file.readAll();
        file.close();
        QVERIFY(!program.window->projectFile().saveTo(dir.filePath("nema/novi.tav20")));
        QVERIFY2(program.warner.messages.value(0).contains("ne postoji"), qPrintable(program.warner.messages.value(0)));
        QCOMPARE(program.window->projectFile().path(), path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
    }

    // A save onto a full disk keeps the old project whole and leaves nothing half-written, and says so.
    // Run by ctest on a small file system of its own.
    void fullDiskKeepsTheOldFile() {
        const QString disk = qEnvironmentVariable("TAV20_SMALL_DISK");
        if (disk.isEmpty()) QSKIP("needs a small file system of its own in TAV20_SMALL_DISK, as ctest mounts one");
        Program program;
        const QDir dir(disk);
        QVERIFY(program.window->projectFile().saveTo(dir.filePath("stari.tav20")));
        QFile file(dir.filePath("stari.tav20"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray old = file.readAll();
        file.close();
        design(program);  // its embedded files make it larger than the room left
        QFile filler(dir.filePath("filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly));
        filler.write(QByteArray(QStorageInfo(disk).bytesAvailable() - 4096, '\0'));
        QVERIFY(filler.flush());
        QVERIFY(!program.window->projectFile().saveTo(dir.filePath("stari.tav20")));
        QVERIFY2(program.warner.messages.value(0).contains("disk je mozda pun"),
                 qPrintable(program.warner.messages.value(0)));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        QCOMPARE(dir.entryList(QDir::Files), (QStringList{"filler", "stari.tav20"}));
    }

    // A project opened or saved, then changed, asks before it is left: by closing, by "Novi", by
    // "Otvori..."; cancelled, nothing goes; saved, the file holds the change; never without a project.
    void changedProjectAsksBeforeItIsLeft_data() {
        QTest::addColumn<QString>("leaving");
        QTest::addColumn<int>("answer");
        for (const char* leaving : {"close", "mnuNovi", "mnuOtvori"}) {
            QTest::addRow("%s, cancelled", leaving) << leaving << int(formkit::Warner::Answer::Cancel);
            QTest::addRow("%s, saved", leaving) << leaving << int(formkit::Warner::Answer::Save);
            QTest::addRow("%s, discarded", leaving) << leaving << int(formkit::Warner::Answer::Discard);
        }
    }
    void changedProjectAsksBeforeItIsLeft() {
        QFETCH(QString, leaving);
        QFETCH(int, answer);
        QTemporaryDir dir;
        Program program;
        auto leave = [&] {
            if (leaving == "close") return program.window->close();
            program.menu(qPrintable(leaving))->trigger();
            if (leaving == "mnuOtvori") return program.window->findChild<QFileDialog*>("dlgOtvoriProjekat") != nullptr;
            return program.window->openWindows().size() == 1;  // the start form alone
        };
        QWidget* bas = program.choose("mnuBas");
        retype(field(bas, "Text1"), "123");
        const QString path = dir.filePath("p.tav20");
        QVERIFY(program.window->projectFile().saveTo(path));
        retype(field(bas, "Text1"), "456");
        program.warner.answer = formkit::Warner::Answer(answer);
        const bool left = leave();
        QCOMPARE(program.warner.questions, QStringList{"Projekat \"p.tav20\" je promenjen. Sacuvati ga?"});
        QCOMPARE(left, answer != int(formkit::Warner::Answer::Cancel));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().contains("\"456\""), answer == int(formkit::Warner::Answer::Save));
        if (QFileDialog* open = program.window->findChild<QFileDialog*>("dlgOtvoriProjekat")) open->reject();
    }

    // The File menu: the project's and the bench sheet's commands above "Izlaz", each letter once,
    // with the usual keys.
    void fileMenuHasTheProjectCommands() {
        Program program;
        QStringList captions;
        for (const QAction* action : program.window->findChild<QMenu*>("mnuFile")->actions())
            captions << action->text() + ' ' + action->shortcut().toString();
        QCOMPARE(captions, (QStringList{"&Novi Ctrl+N", "&Otvori... Ctrl+O", "&Sacuvaj Ctrl+S",
                                        "Sacuvaj &kao... Ctrl+Shift+S", "Stam&paj... Ctrl+P",
                                        "Izve&zi PDF... ", "&Izlaz "}));
    }
};

QTEST_MAIN(ProjectTest)
#include "tst_project.moc"
