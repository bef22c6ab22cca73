// Figures of the import with the real headless Chromium against the fake platform on
// 127.0.0.1:
// - per declaration imported: the form submitted, the declaration's window waited for,
//   its page read, the declaration stored and the window closed; the pause of 2000 ms
//   before each declaration is left out (the clock skips it);
//   the same with declaration pages that come 1000 ms late, which must be waited for;
//   the same with list rows that carry a running number before the registration number;
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
class TimingPanel : public SilentImportPanel {
public:
    void setNoticeText(const QString&) override {
        const double now = double(clock.nsecsElapsed()) / 1e6;
        perDeclaration.push_back(now - last);
        last = now;
    }
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

// Imports the owner's whole register into an empty store and prints the median time
// per declaration, and how many of the platform's declarations were stored.
void importRegister(WebDriverBrowser& browser, const FakeOwner& owner, const char* what) {
    openCompany(owner.data.ownerAfm);
    PortalSession session;
    StagingGrid grid;
    TimingPanel panel;
    panel.clock.start();
    SubmissionImport import(session, grid, panel);
    const BrowserWindow window = ChromiumPortal::signIn(
        browser, PortalAddresses::submissionDetailsPage(), owner.userName, owner.password);
    import.sbGetTaxisDilsClick(SubmissionImport::TemporarilySaved::Keep);
    import.sbInsertNewDilsClick();
    browser.QuitBrowser(window);
    std::printf("  %-58s %8.1f ms  (%zu of %lld declarations stored)\n", what,
                bench::median(panel.perDeclaration), panel.perDeclaration.size(),
                qlonglong(owner.data.declarations.size() + owner.data.amendments.size()));
    closeCompany();
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
    const FakeOwner slow =
        SampleRegister::owner(generateRegister(QStringLiteral("094259216"), 4, 3),
                              QStringLiteral("slow"), QStringLiteral("slow"));
    const FakeOwner leading =
        SampleRegister::owner(generateRegister(QStringLiteral("094336122"), 8, 3),
                              QStringLiteral("leading"), QStringLiteral("leading"));
    FakePlatform platform({small, large, slow, leading}, server.base(),
                          server.base() + QStringLiteral("/sso"));
    server.setSource(&platform);
    Settings::setFolderValue(QStringLiteral("LeaseAppBaseAddress"), platform.leaseAppBase());
    Settings::setFolderValue(QStringLiteral("SignOnBaseAddress"), platform.signOnBase());
    Settings::setFolderValue(QStringLiteral("BrowserHeadless"), QStringLiteral("1"));
    WebDriverBrowser browser;
    setBrowserOps(&browser);

    std::printf("import with headless Chromium, medians\n");
    importRegister(browser, small, "per declaration, less the 2000 ms pause (goal < 300 ms)");
    platform.setUntidiness(*parseUntidiness(QStringLiteral("slow=1000")));
    importRegister(browser, slow, "the same, pages 1000 ms late (waited for)");
    platform.setUntidiness(*parseUntidiness(QStringLiteral("leadingcell")));
    importRegister(browser, leading, "the same, list rows with a leading cell");
    platform.setUntidiness({});

    // The list reading of the large owner's submissions.
    openCompany(large.data.ownerAfm);
    {
        PortalSession session;
        StagingGrid grid;
        TimingPanel panel;
        SubmissionImport import(session, grid, panel);
        ChromiumPortal::signIn(browser, PortalAddresses::submissionDetailsPage(),
                               QStringLiteral("large"), QStringLiteral("large"));
        import.sbGetTaxisDilsClick(SubmissionImport::TemporarilySaved::Keep);
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
        std::printf("  reading a list of %d submissions (goal < 250 ms)          %8.1f ms  "
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
