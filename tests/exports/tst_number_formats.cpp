// Greek number formats: what a Greek spreadsheet shows for a number, and the code that
// the .xlsx file stores for a format.

#include "exports/NumberFormats.h"
#include "tests/support/TestMain.h"

class TestNumberFormats : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void showsNumbersAsAGreekSpreadsheetDoes_data() {
        QTest::addColumn<double>("number");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("shown");
        QTest::newRow("amount") << 1234.5 << "#.##0,00"
                                << "1.234,50";
        QTest::newRow("amount, millions") << 1234567.0 << "#.##0,00"
                                          << "1.234.567,00";
        QTest::newRow("negative amount") << -98765.4 << "#.##0,00"
                                         << "-98.765,40";
        QTest::newRow("amount zero") << 0.0 << "#.##0,00"
                                     << "0,00";
        QTest::newRow("rounded") << 2.005 << "0,0"
                                 << "2,0";
        QTest::newRow("no grouping") << 1234.5 << "0,00"
                                     << "1234,50";
        QTest::newRow("whole, grouped") << 1234567.0 << "#.##0"
                                        << "1.234.567";
        QTest::newRow("text column") << 1234.5 << "@"
                                     << "1234,5";
        QTest::newRow("general") << 0.1 + 0.2 << ""
                                 << "0,3";
        QTest::newRow("not a digit pattern") << 12.0 << "0,00\" €\""
                                             << "12";
    }
    void showsNumbersAsAGreekSpreadsheetDoes() {
        QFETCH(double, number);
        QFETCH(QString, code);
        QFETCH(QString, shown);
        QCOMPARE(NumberFormats::displayText(number, code), shown);
    }

    void storesFormatsInTheFilesNotation_data() {
        QTest::addColumn<QString>("greek");
        QTest::addColumn<QString>("file");
        QTest::newRow("amount") << "#.##0,00"
                                << "#,##0.00";
        QTest::newRow("text") << "@"
                              << "@";
        QTest::newRow("general") << ""
                                 << "";
        QTest::newRow("quoted text keeps its marks") << "0,0\" τ.μ.\""
                                                     << "0.0\" τ.μ.\"";
        QTest::newRow("escaped mark") << "0\\,00"
                                      << "0\\,00";
    }
    void storesFormatsInTheFilesNotation() {
        QFETCH(QString, greek);
        QFETCH(QString, file);
        QCOMPARE(NumberFormats::fileCode(greek), file);
    }
};

LETHORA_TEST_MAIN(TestNumberFormats)
#include "tst_number_formats.moc"
