// Figures of the import with the real headless Chromium against the fake platform on
// 127.0.0.1, for each real browser (DevTools and WebDriver) in the same run:
// - per declaration imported: the form submitted, the declaration's window waited for,
//   its page read, the declaration stored and the window closed; the pause of 2000 ms
//   before each declaration is left out (the clock skips it); the median of the
//   declarations of five imports, each into an empty store;
//   the same with declaration pages that come 1000 ms late, which must be waited for;
//   the same with list rows that carry a running number before the registration number;
// - a form with target="_blank" submitted until its window is listed;
// - the reading of a submission list of about 500 submissions into the staging grid;
// - a browser started until the first page has its document.
// Each figure is the median of its runs.

#include "bench/BenchSupport.h"
#include "common/Clock.h"
#include "common/Settings.h"
#include "common/WorkFolder.h"
#include "companies/CurrentCompany.h"
#include "portal/PortalActions.h"
#include "portal/PortalAddresses.h"
#include "portal/SubmissionImport.h"
#include "store/TdmTables.h"
#include "tests/portal/ChromiumPortal.h"
#include "tests/portal/TestBrowser.h"
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

const int kRuns = 5;

// A valid tax number of the benchmark's own, the n-th.
QString benchAfm(int n) {
    QString afm = QStringLiteral("0977%1").arg(n, 4, 10, QLatin1Char('0'));
    int sum = 0;
    for (int i = 0; i < 8; ++i)
        sum += afm.at(i).digitValue() << (8 - i);
    return afm + QString::number(sum % 11 % 10);
}

double milliseconds(const QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

// Imports the owner's whole register into an empty store; gives the time of each
// declaration stored.
std::vector<double> importRegister(SnapshotBrowser& browser, const FakeOwner& owner) {
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
    closeCompany();
    return panel.perDeclaration;
}

// The median time per declaration of imports of the registers, and how many were stored.
void importRegisters(SnapshotBrowser& browser, const QList<FakeOwner>& owners, const char* what) {
    std::vector<double> medians;
    size_t stored = 0;
    qlonglong served = 0;
    for (const FakeOwner& owner : owners) {
        const std::vector<double> times = importRegister(browser, owner);
        if (!times.empty())
            medians.push_back(bench::median(times));
        stored += times.size();
        served += owner.data.declarations.size() + owner.data.amendments.size();
    }
    std::printf("    %-56s %8.1f ms  (%zu of %lld declarations stored, %zu runs)\n", what,
                bench::median(medians), stored, served, medians.size());
}

// A declaration's view form (target="_blank") submitted on the list page until its
// window is listed, and the window closed again.
void newWindows(SnapshotBrowser& browser, const FakeOwner& owner) {
    const BrowserWindow list = ChromiumPortal::signIn(
        browser, PortalAddresses::submissionDetailsPage(), owner.userName, owner.password);
    std::vector<double> seen;
    for (int run = 0; run < 7; ++run) {
        const PageDocument page = browser.GetDocument(list);
        const ElementCollection forms =
            browser.GetElementsByTagName(browser.GetBody(page), QStringLiteral("FORM"));
        // The view form of any declaration on the list.
        PageElement form;
        for (int i = 0; i < browser.Count(forms) && !form; ++i)
            for (const QVariantMap& declaration : owner.data.declarations)
                if (!form && isActionForm(browser.GetOuterHtml(browser.Item(forms, i)),
                                          declaration.value(QStringLiteral("DilCode")).toString(),
                                          DeclarationAction::ViewOrEdit))
                    form = browser.Item(forms, i);
        if (!form)
            break;
        // As the import submits it: the platform answers in a window of its own.
        browser.SetAttribute(form, QStringLiteral("target"), QStringLiteral("_blank"));
        const qsizetype before = browser.ListBrowserWindows().size();
        QElapsedTimer timer;
        timer.start();
        browser.Submit(form);
        while (browser.ListBrowserWindows().size() == before && timer.elapsed() < 10000)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        seen.push_back(milliseconds(timer));
        const QList<BrowserWindow> windows = browser.ListBrowserWindows();
        if (windows.size() > before)
            browser.RequestWindowClose(browser.GetWindowHandle(windows.last()));
        PumpWait(300);
    }
    browser.QuitBrowser(list);
    std::printf("    %-56s %8.1f ms  (%zu runs)\n", "a new window after a submit, seen",
                bench::median(seen), seen.size());
}

// Fresh browsers started until the sign-on page has its document.
void browserStarts() {
    std::vector<double> starts;
    for (int run = 0; run < kRuns; ++run) {
        const std::unique_ptr<SnapshotBrowser> fresh = TestBrowser::make();
        QElapsedTimer timer;
        timer.start();
        const BrowserWindow window = fresh->OpenBrowser();
        fresh->NavigateTo(window, PortalAddresses::consolePage());
        if (ChromiumPortal::waitFor(*fresh, window, PortalAddresses::signOnBase()))
            starts.push_back(milliseconds(timer));
        fresh->shutDown();
    }
    std::printf("    %-56s %8.1f ms  (%zu runs)\n", "browser start to the first page",
                bench::median(starts), starts.size());
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
    QList<FakeOwner> smalls;
    QList<FakeOwner> slows;
    QList<FakeOwner> leadings;
    QList<FakeOwner> owners;
    for (int n = 0; n < 6 * kRuns; ++n) {
        const QString name = QStringLiteral("o%1").arg(n);
        owners << SampleRegister::owner(generateRegister(benchAfm(n), n % 3 == 1 ? 4 : 8, 3), name,
                                        name);
        (n % 3 == 0 ? smalls : n % 3 == 1 ? slows : leadings) << owners.last();
    }
    const FakeOwner large = SampleRegister::owner(registerOf(SampleRegister::kOtherAfm, 500),
                                                  QStringLiteral("large"), QStringLiteral("large"));
    owners << large;
    FakePlatform platform(owners, server.base(), server.base() + QStringLiteral("/sso"));
    server.setSource(&platform);
    Settings::setFolderValue(QStringLiteral("LeaseAppBaseAddress"), platform.leaseAppBase());
    Settings::setFolderValue(QStringLiteral("SignOnBaseAddress"), platform.signOnBase());
    Settings::setFolderValue(QStringLiteral("BrowserHeadless"), QStringLiteral("1"));

    std::printf("import with headless Chromium, medians\n");
    for (const char* provider : {"devtools", "webdriver"}) {
        qputenv("LETHORA_TEST_BROWSER", provider);
        std::printf("  %s\n", provider);
        browserStarts();
        const std::unique_ptr<SnapshotBrowser> browser = TestBrowser::make();
        setBrowserOps(browser.get());
        const bool first = provider == std::string("devtools");
        importRegisters(*browser, smalls.mid(first ? 0 : kRuns, kRuns),
                        "per declaration, less the 2000 ms pause");
        platform.setUntidiness(*parseUntidiness(QStringLiteral("slow=1000")));
        importRegisters(*browser, slows.mid(first ? 0 : kRuns, kRuns),
                        "the same, pages 1000 ms late (waited for)");
        platform.setUntidiness(*parseUntidiness(QStringLiteral("leadingcell")));
        importRegisters(*browser, leadings.mid(first ? 0 : kRuns, kRuns),
                        "the same, list rows with a leading cell");
        platform.setUntidiness({});
        newWindows(*browser, smalls.at(first ? 0 : kRuns));

        // The list reading of the large owner's submissions.
        openCompany(large.data.ownerAfm);
        {
            PortalSession session;
            StagingGrid grid;
            TimingPanel panel;
            SubmissionImport import(session, grid, panel);
            const BrowserWindow list =
                ChromiumPortal::signIn(*browser, PortalAddresses::submissionDetailsPage(),
                                       QStringLiteral("large"), QStringLiteral("large"));
            import.sbGetTaxisDilsClick(SubmissionImport::TemporarilySaved::Keep);
            std::vector<double> reads, snapshots;
            for (int run = 0; run < 7; ++run) {
                QElapsedTimer t;
                t.start();
                import.ReadSubmissionList();
                reads.push_back(milliseconds(t));
                t.restart();
                browser->GetBody(browser->GetDocument(session.SessionBrowser));
                snapshots.push_back(milliseconds(t));
            }
            std::printf("    reading a list of %d submissions                        %8.1f ms  "
                        "(%zu runs)\n",
                        grid.rowCount() - 2, bench::median(reads), reads.size());
            std::printf("      of which the snapshot of the page                      %8.1f ms\n",
                        bench::median(snapshots));
            browser->QuitBrowser(list);
        }
        closeCompany();
        setBrowserOps(nullptr);
        browser->shutDown();
    }
    setClock(nullptr);
    return 0;
}
