#include "portal/scripted/ScriptedPage.h"
#include "common/Clock.h"

namespace {
// The browser's loading time passes on a clock of its own, so no real time goes by.
class LoadingClock : public SimulatedClock {
public:
    LoadingClock() : m_previous(appClock()) { setClock(this); }
    ~LoadingClock() override { setClock(&m_previous); }

private:
    Clock& m_previous;
};
} // namespace

ScriptedPage::ScriptedPage(QString html, const QUrl& address) : m_html(std::move(html)) {
    LoadingClock clock;
    const BrowserWindow window = browser.OpenBrowser();
    browser.NavigateTo(window, address.toString());
    clock.advance(60000);
    browser.ListBrowserWindows();
    document = browser.GetDocument(window);
}

PageAnswer ScriptedPage::answer(const PageRequest&) {
    PageAnswer answer;
    answer.html = m_html;
    return answer;
}
