// Figures of the import with the real headless Chromium against the fake platform on
// 127.0.0.1:
// - per declaration imported: the form submitted, the declaration's window waited for,
//   its page read, the declaration stored and the window closed; the pause of 2000 ms
//   before each declaration is left out (the clock skips it);
// - the reading of a submission list of about 500 submissions into the staging grid.
// Each figure is the median of its runs.

#include "bench/BenchSupport.h"
#include "common/Clock.h"
#include "common/Settings.h"
#include "common/WorkFolder.h"
#include "companies/CurrentCompany.h"
#include "portal/PortalAddresses.h"
#include "portal/SubmissionImport.h"
#include "portal/WebDriverBrowser.h"
#include "store/TdmTables.h"
#include "tests/portal/ChromiumPortal.h"
#include "tools/fakeplatform/HttpPageServer.h"
#include "tools/registergen/RegisterGenerator.h"
#include "workspace/StagingGrid.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

namespace {
// The real clock without the pause before each declaration.
class NoPauseClock : public Clock {
public:
    qint64 nowMs() const override { return m_real.nowMs(); }
    void pumpWait(int ms) override {
        if (ms != 2000)
            m_real.pumpWait(ms);
    }

private:
    RealClock m_real;
};

// Notes the time of every declaration stored.
class TimingPanel : public ImportPanel {
public:
    bool loginWithRepresentative() const override { return false; }
    void showListProgress(int) override {}
    void showPlatformCounts(int, int) override {}
    void showStoredCounts(int, int) override {}
    void showNotice(const QString&, bool) override {}
    void setNoticeText(const QString&) override {
        const double now = double(clock.nsecsElapsed()) / 1e6;
        perDeclaration.push_back(now - last);
        last = now;
    }
    void hideNotice() override {}
    WaitWindowHooks waitWindow() override {
        return {[this] { last = double(clock.nsecsElapsed()) / 1e6; }, {}};
    }

    QElapsedTimer clock;
    double last = 0;
    std::vector<double> perDeclaration;
};

// A generated register with at least the number of submissions.
RegisterDataSet registerOf(const QString& afm, int submissions) {
    for (int declarations = submissions / 4;; declarations += 2) {
        RegisterDataSet data = generateRegister(afm, declarations, 5);
        if (data.declarations.size() + data.amendments.size() >= submissions)
            return data;
    }
}

void openCompany(const QString& afm) {
    QDir().mkpath(WorkFolder::path(QStringLiteral("Data/") + afm));
    TdmTables& tables = dmTables();
    tables.CreateCompanyTables(QStringLiteral("Data\\") + afm);
    tables.AttachCompanyTables(afm);
    CurrentCompany().AFM = afm;
    tables.tblMistDilMast.open();
    tables.tblMistDilDet.open();
    tables.tblMistDilAkinita.open();
}

void closeCompany() {
    TdmTables& tables = dmTables();
    tables.tblMistDilAkinita.close();
    tables.tblMistDilDet.close();
    tables.tblMistDilMast.close();
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    bench::SilentMessages silent;
    setMessages(&silent);
    NoPauseClock clock;
    setClock(&clock);
    QTemporaryDir work;
    qputenv("HOME", work.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", work.path().toLocal8Bit());
    bench::copyFolder(QStringLiteral(LETHORA_WORK_DIR "/ClrData"),
                      work.path() + QStringLiteral("/ClrData"));
    WorkFolder::setRoot(work.path());

    HttpPageServer server;
    server.listenLocally();
    const FakeOwner small =
        SampleRegister::owner(generateRegister(SampleRegister::kOwnerAfm, 8, 3));
    const FakeOwner large = SampleRegister::owner(registerOf(SampleRegister::kOtherAfm, 500),
                                                  QStringLiteral("large"), QStringLiteral("large"));
    FakePlatform platform({small, large}, server.base(), server.base() + QStringLiteral("/sso"));
    server.setSource(&platform);
    Settings::setFolderValue(QStringLiteral("LeaseAppBaseAddress"), platform.leaseAppBase());
    Settings::setFolderValue(QStringLiteral("SignOnBaseAddress"), platform.signOnBase());
    Settings::setFolderValue(QStringLiteral("BrowserHeadless"), QStringLiteral("1"));
    WebDriverBrowser browser;
    setBrowserOps(&browser);

    // The import of the small owner's whole register.
    openCompany(small.data.ownerAfm);
    {
        PortalSession session;
        StagingGrid grid;
        TimingPanel panel;
        panel.clock.start();
        SubmissionImport import(session, grid, panel);
        const BrowserWindow window =
            ChromiumPortal::signIn(browser, PortalAddresses::submissionDetailsPage());
        import.sbGetTaxisDilsClick();
        import.sbInsertNewDilsClick();
        browser.QuitBrowser(window);
        std::printf("import with headless Chromium, medians\n");
        std::printf("  per declaration, less the 2000 ms pause (goal < 400 ms)  %8.1f ms  "
                    "(%zu declarations)\n",
                    bench::median(panel.perDeclaration), panel.perDeclaration.size());
    }
    closeCompany();

    // The list reading of the large owner's submissions.
    openCompany(large.data.ownerAfm);
    {
        PortalSession session;
        StagingGrid grid;
        TimingPanel panel;
        SubmissionImport import(session, grid, panel);
        ChromiumPortal::signIn(browser, PortalAddresses::submissionDetailsPage(),
                               QStringLiteral("large"), QStringLiteral("large"));
        import.sbGetTaxisDilsClick();
        std::vector<double> reads, snapshots;
        for (int run = 0; run < 7; ++run) {
            QElapsedTimer t;
            t.start();
            import.ReadSubmissionList();
            reads.push_back(double(t.nsecsElapsed()) / 1e6);
            t.restart();
            browser.GetBody(browser.GetDocument(session.SessionBrowser));
            snapshots.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        std::printf("  reading a list of %d submissions (goal < 300 ms)          %8.1f ms  "
                    "(%zu runs)\n",
                    grid.rowCount() - 2, bench::median(reads), reads.size());
        std::printf("    of which the snapshot of the page                        %8.1f ms\n",
                    bench::median(snapshots));
    }
    closeCompany();
    setBrowserOps(nullptr);
    browser.shutDown();
    setClock(nullptr);
    return 0;
}
