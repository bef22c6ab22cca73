// The tax-number check and box, the date box and the date-form swap.

#include "common/DateText.h"
#include "companies/TEditAFM.h"
#include "companies/TMaskEditDate.h"
#include "companies/TaxNumber.h"
#include "tests/support/GreekKeys.h"
#include "tests/support/TestMain.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QVBoxLayout>

class TestCompanyControls : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void taxNumbers_data() {
        QTest::addColumn<QString>("afm");
        QTest::addColumn<bool>("valid");
        QTest::newRow("check digit 3") << "123456783" << true;
        QTest::newRow("wrong check digit") << "123456789" << false;
        QTest::newRow("all zeros") << "000000000" << true;
        QTest::newRow("country prefix") << "EL123456783" << true;
        QTest::newRow("eight digits") << "12345678" << false;
        QTest::newRow("empty") << "" << true;
        QTest::newRow("letters") << "12345678A" << false;
        QTest::newRow("letter inside") << "1234A6783" << false;
        QTest::newRow("another valid") << "094014298" << true;
        QTest::newRow("non-ASCII digits") << "١٢٣٤٥٦٧٨٣" << false;
    }
    void taxNumbers() {
        QFETCH(QString, afm);
        QFETCH(bool, valid);
        QCOMPARE(IsValidAfm(afm), valid);
    }

    void remainderTenCountsAsZero() {
        // A number whose weighted sum leaves 10 is closed by the check digit 0.
        for (int d7 = 0; d7 <= 9; ++d7)
            for (int d8 = 0; d8 <= 9; ++d8) {
                const int sum = d7 * 4 + d8 * 2;
                if (sum % 11 != 10)
                    continue;
                const QString base = QStringLiteral("000000%1%2").arg(d7).arg(d8);
                QVERIFY(IsValidAfm(base + QLatin1Char('0')));
                QVERIFY(!IsValidAfm(base + QLatin1Char('1')));
                return;
            }
        QFAIL("no number with remainder ten");
    }

    void swapsDateOrderBothWays() {
        QCOMPARE(SwapDateOrder(QStringLiteral("05/11/2024")), QStringLiteral("2024/11/05"));
        QCOMPARE(SwapDateOrder(QStringLiteral("2024/11/05")), QStringLiteral("05/11/2024"));
        QCOMPARE(SwapDateOrder(QStringLiteral("05/11/2024 13:45:00")),
                 QStringLiteral("2024/11/05"));
        QCOMPARE(SwapDateOrder(QString()), QString());
    }

    void normalisesTheDateBox_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("result");
        QTest::newRow("a calendar date") << "05/11/2024"
                                         << "05/11/2024";
        QTest::newRow("31 February") << "31/02/2025"
                                     << "";
        QTest::newRow("29 February, not leap") << "29/02/2023"
                                               << "";
        QTest::newRow("29 February, leap") << "29/02/2024"
                                           << "29/02/2024";
        QTest::newRow("single digits after blanks") << " 1/ 3/2025"
                                                    << "01/03/2025";
        QTest::newRow("single digits before blanks") << "1 /3 /2025"
                                                     << "01/03/2025";
        QTest::newRow("day left blank") << "  /03/2025"
                                        << "";
        QTest::newRow("month left blank") << "12/  /2025"
                                          << "";
        QTest::newRow("short year") << "12/03/202 "
                                    << "";
        QTest::newRow("month 13") << "12/13/2025"
                                  << "";
        QTest::newRow("day 0") << "00/03/2025"
                               << "";
        QTest::newRow("empty state") << "  /  /20  "
                                     << "";
    }
    void normalisesTheDateBox() {
        QFETCH(QString, typed);
        QFETCH(QString, result);
        QCOMPARE(NormaliseDateBoxText(typed), result);
    }

    void theDateBoxReadsItsEmptyStateAndNormalisesOnLeaving() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* date = new TMaskEditDate(&window);
        auto* other = new QLineEdit(&window);
        layout->addWidget(date);
        layout->addWidget(other);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(date->dateText(), QStringLiteral("  /  /20  "));
        date->setFocus();
        date->setCursorPosition(0);
        QTest::keyClicks(date, QStringLiteral(" 1 325"));
        QCOMPARE(date->dateText(), QStringLiteral(" 1/ 3/2025"));
        other->setFocus();
        QCOMPARE(date->dateText(), QStringLiteral("01/03/2025"));
        date->setDateText(QStringLiteral("31/02/2025"));
        date->setFocus();
        other->setFocus(); // no calendar date: kept for mending, and marked
        QCOMPARE(date->dateText(), QStringLiteral("31/02/2025"));
        QVERIFY(date->isMarked());
    }

    void typingAndPastingIntoTheDateBox_data() {
        // Typed one key event a character, "<" a backspace; "paste:" and the clipboard's
        // text for Ctrl+V.
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("whileTyping");
        QTest::addColumn<QString>("onLeaving");
        QTest::addColumn<bool>("wrong");
        QTest::newRow("six digits") << "091226"
                                    << "09/12/2026"
                                    << "09/12/2026" << false;
        QTest::newRow("eight digits") << "09122026"
                                      << "09/12/2026"
                                      << "09/12/2026" << false;
        QTest::newRow("eight digits, another century") << "01011999"
                                                       << "01/01/1999"
                                                       << "01/01/1999" << false;
        QTest::newRow("nine digits") << "091220265"
                                     << "09/12/2026"
                                     << "09/12/2026" << false;
        QTest::newRow("seven digits") << "0912202"
                                      << "09/12/202 "
                                      << "09/12/202 " << true;
        QTest::newRow("year typed again") << "091226<<27"
                                          << "09/12/2027"
                                          << "09/12/2027" << false;
        QTest::newRow("no calendar date") << "310225"
                                          << "31/02/2025"
                                          << "31/02/2025" << true;
        QTest::newRow("day only") << "1"
                                  << "1 /  /20  "
                                  << "1 /  /20  " << true;
        QTest::newRow("pasted") << "paste:09/12/2026"
                                << "09/12/2026"
                                << "09/12/2026" << false;
        QTest::newRow("pasted, single digits") << "paste: 9.3.2026 "
                                               << "09/03/2026"
                                               << "09/03/2026" << false;
    }
    void typingAndPastingIntoTheDateBox() {
        QFETCH(QString, typed);
        QFETCH(QString, whileTyping);
        QFETCH(QString, onLeaving);
        QFETCH(bool, wrong);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* date = new TMaskEditDate(&window);
        auto* other = new QLineEdit(&window);
        layout->addWidget(date);
        layout->addWidget(other);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        date->setFocus();
        date->setCursorPosition(0);
        if (typed.startsWith(QLatin1String("paste:"))) {
            QApplication::clipboard()->setText(typed.mid(6));
            date->setCursorPosition(4); // a pasted date fills the whole box
            QTest::keySequence(date, QKeySequence::Paste);
        } else {
            for (const QChar ch : typed) {
                if (ch == QLatin1Char('<'))
                    QTest::keyClick(date, Qt::Key_Backspace);
                else
                    typeText(date, QString(ch));
            }
        }
        QCOMPARE(date->dateText(), whileTyping);
        other->setFocus();
        QCOMPARE(date->dateText(), onLeaving);
        QCOMPARE(date->isMarked(), wrong);
        if (wrong) {
            QCOMPARE(date->palette().color(QPalette::Base), QColor(Qt::red));
            QCOMPARE(date->toolTip(), TMaskEditDate::kWrongDateHint);
            date->setFocus(); // the next entry gives the box its own look back
            QVERIFY(!date->isMarked());
        }
    }

    void theTaxNumberBoxMarksAndRestores() {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* afm = new TEditAFM(&window);
        auto* other = new QLineEdit(&window);
        layout->addWidget(afm);
        layout->addWidget(other);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QColor base = afm->palette().color(QPalette::Base);
        afm->setFocus();
        afm->setText(QStringLiteral("123456789"));
        other->setFocus();
        QVERIFY(afm->isMarked());
        QCOMPARE(afm->palette().color(QPalette::Base), QColor(Qt::red));
        QCOMPARE(afm->palette().color(QPalette::Text), QColor(Qt::white));
        QVERIFY(afm->font().bold());
        QCOMPARE(afm->toolTip(), TEditAFM::kInvalidHint);
        afm->setFocus(); // the next entry gives the box its own look back
        QVERIFY(!afm->isMarked());
        QCOMPARE(afm->palette().color(QPalette::Base), base);
        QVERIFY(!afm->font().bold());
        QVERIFY(afm->toolTip().isEmpty());
        afm->setText(QStringLiteral("123456783"));
        other->setFocus();
        QVERIFY(!afm->isMarked());
        QCOMPARE(afm->palette().color(QPalette::Base), base);
    }
};

LETHORA_TEST_MAIN(TestCompanyControls)
#include "tst_company_controls.moc"
