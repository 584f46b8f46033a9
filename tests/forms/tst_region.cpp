#include <QTest>

#include "forms/region.h"

// The regional settings the forms read and write numbers by.
class RegionTest : public QObject {
    Q_OBJECT

private slots:
    void separatorsComeFromTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("decimal");
        QTest::addColumn<QString>("group");
        // clang-format off
        QTest::newRow("no regional settings: the defaults' comma") << "C" << "," << ".";
        QTest::newRow("Serbian") << "sr_Latn_RS" << "," << ".";
        QTest::newRow("English") << "en_US" << "." << ",";
        QTest::newRow("French, multi-byte group") << "fr_FR" << "," << QString(QChar(0x202F));
        // clang-format on
    }
    void separatorsComeFromTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, decimal);
        QFETCH(QString, group);
        const calc::Region region = forms::regionOf(QLocale(locale));
        QCOMPARE(QString::fromStdString(region.decimal), decimal);
        QCOMPARE(QString::fromStdString(region.group), group);
    }

    // Only a number written with a decimal comma follows the regional separator.
    void defaultTextsFollowTheDecimalSeparator_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("underPoint");
        // clang-format off
        QTest::newRow("decimal comma") << "4,5" << "4.5";
        QTest::newRow("whole number") << "5000" << "5000";
        QTest::newRow("words with a comma") << "Autor, tekst" << "Autor, tekst";
        QTest::newRow("several lines") << "1,5\r\n2,5" << "1,5\r\n2,5";
        // clang-format on
    }
    void defaultTextsFollowTheDecimalSeparator() {
        QFETCH(QString, text);
        QFETCH(QString, underPoint);
        const std::string utf8 = text.toStdString();
        QCOMPARE(forms::regionalDefault(utf8, {".", ","}), underPoint);
        QCOMPARE(forms::regionalDefault(utf8, {",", "."}), text);
    }
};

QTEST_MAIN(RegionTest)
#include "tst_region.moc"
