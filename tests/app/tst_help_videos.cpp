// The help-video panel: splitting the service's answer, reading its lines, loading it
// from the service and opening a video.

#include "app/HelpVideos.h"
#include "app/TfiMain.h"
#include "common/Settings.h"
#include "common/ShellOpen.h"
#include "tests/support/RecordingMessages.h"
#include "tests/support/TestFolder.h"
#include "tests/support/TestMain.h"

#include <QHttpServer>
#include <QTcpServer>

namespace {
QString line(const QString& caption, const QString& link) {
    return QStringLiteral("<CODE>") + caption + QStringLiteral("<DESCR>") + link +
           QStringLiteral("<LINK>");
}
} // namespace

class TestHelpVideos : public QObject {
    Q_OBJECT

    // Serves the answer at /videos on a free loopback port; returns the address.
    QString serve(const QByteArray& answer) {
        server = std::make_unique<QHttpServer>();
        server->route(QStringLiteral("/videos"), [answer](const QHttpServerRequest& request) {
            return request.query().queryItemValue(QStringLiteral("app")) == QLatin1String("3")
                       ? QHttpServerResponse(answer)
                       : QHttpServerResponse(QHttpServerResponder::StatusCode::NotFound);
        });
        const quint16 port = server->listen(QHostAddress::LocalHost, 0);
        return QStringLiteral("http://127.0.0.1:%1/videos?app=3").arg(port);
    }

private Q_SLOTS:
    void init() { folder = std::make_unique<TestFolder>(); }
    void cleanup() {
        server.reset();
        setShellOpen({});
        folder.reset();
    }

    void splitsLines_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("line feeds") << "a\nb\nc" << QStringList{"a", "b", "c"};
        QTest::newRow("carriage returns") << "a\r\nb\r\nc\r\n" << QStringList{"a", "b", "c"};
        QTest::newRow("leading blank lines") << "\n\r\n\r\na\r\nb" << QStringList{"a", "b"};
        QTest::newRow("blank lines between") << "a\r\n\r\n\nb" << QStringList{"a", "b"};
        QTest::newRow("one line") << "only" << QStringList{"only"};
        QTest::newRow("nothing") << "\r\n\n" << QStringList{};
    }
    void splitsLines() {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(splitVideoLines(text), lines);
    }

    void readsCaptionsAndLinks() {
        const HelpVideoList list = parseHelpVideos(line("Νέος ιδιοκτήτης", "v1") + "\r\n" +
                                                   line("Εισαγωγή δηλώσεων", "v2") + "\r\n");
        QVERIFY(list.failure.isEmpty());
        QCOMPARE(list.videos.size(), 2);
        QCOMPARE(list.videos.at(0).caption, QStringLiteral("Νέος ιδιοκτήτης"));
        QCOMPARE(list.videos.at(0).linkCode, QStringLiteral("v1"));
        QCOMPARE(list.videos.at(1).caption, QStringLiteral("Εισαγωγή δηλώσεων"));
    }

    void aMalformedLineKeepsWhatWasRead() {
        const HelpVideoList list =
            parseHelpVideos(line("Α", "1") + "\n<CODE>Β<LINK>\n" + line("Γ", "3"));
        QCOMPARE(list.videos.size(), 1);
        QCOMPARE(list.failure,
                 QStringLiteral("2-<CODE>Β<LINK>-Πρόβλημα με την εισαγωγή των στοιχείων"));
    }

    void moreLinesThanPanels() {
        QStringList lines;
        for (int n = 1; n <= 11; ++n)
            lines << line(QString::number(n), QString::number(n));
        const HelpVideoList list = parseHelpVideos(lines.join('\n'));
        QCOMPARE(list.videos.size(), 10);
        QVERIFY(list.failure.startsWith(QStringLiteral("11-<CODE>11")));
    }

    void loadsThePanelsFromTheService() {
        RecordingMessages messages;
        Settings::setFolderValue(
            QStringLiteral("HelpVideoListAddress"),
            serve((line("Πρώτο βίντεο", "abc") + "\r\n" + line("Δεύτερο", "") + "\r\n").toUtf8()));
        Settings::setFolderValue(QStringLiteral("HelpVideoPageAddress"),
                                 QStringLiteral("https://videos.example/show?lnk="));
        TfiMain main;
        main.loadHelpVideos();
        QVERIFY(messages.shown.isEmpty());
        auto* first = main.findChild<QLabel*>(QStringLiteral("pnVideo1"));
        auto* second = main.findChild<QLabel*>(QStringLiteral("pnVideo2"));
        auto* third = main.findChild<QLabel*>(QStringLiteral("pnVideo3"));
        QCOMPARE(first->text(), QStringLiteral("  1.Πρώτο βίντεο"));
        QVERIFY(!first->isHidden());
        QVERIFY(!second->isHidden());
        QVERIFY(third->isHidden());
        QCOMPARE(main.pnVideoHelp->height(), main.pnVideosTitle->sizeHint().height() + 10 +
                                                 first->height() + second->height() + 12);

        QStringList opened;
        setShellOpen([&](const QString& address) {
            opened << address;
            return true;
        });
        main.videoPanelClick(1);
        main.videoPanelClick(2); // no link code: nothing opened
        QCOMPARE(opened, QStringList{"https://videos.example/show?lnk=abc"});
    }

    void aRefusedServiceShowsTheFailure() {
        RecordingMessages messages;
        QTcpServer closed; // a port that is certainly not listening
        closed.listen(QHostAddress::LocalHost, 0);
        const quint16 port = closed.serverPort();
        closed.close();
        Settings::setFolderValue(QStringLiteral("HelpVideoListAddress"),
                                 QStringLiteral("http://127.0.0.1:%1/v").arg(port));
        TfiMain main;
        main.loadHelpVideos();
        QCOMPARE(messages.shown, QStringList{"0--Πρόβλημα με την εισαγωγή των στοιχείων"});
        QVERIFY(main.sgVideos.isEmpty());
    }

    void aSilentServiceEndsWithinTheTimeOut() {
        RecordingMessages messages;
        QTcpServer silent; // accepts and never answers
        QVERIFY(silent.listen(QHostAddress::LocalHost, 0));
        Settings::setFolderValue(QStringLiteral("HelpVideoListAddress"),
                                 QStringLiteral("http://127.0.0.1:%1/v").arg(silent.serverPort()));
        TfiMain main;
        main.loadHelpVideos();
        QCOMPARE(messages.shown.size(), 1);
    }

private:
    std::unique_ptr<TestFolder> folder;
    std::unique_ptr<QHttpServer> server;
};

LETHORA_TEST_MAIN(TestHelpVideos)
#include "tst_help_videos.moc"
