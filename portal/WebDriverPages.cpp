// The WebDriver browser's pages: whether a window has a document, and the page scripts
// run on the live page.

#include "portal/PageSnapshot.h"
#include "portal/WebDriverState.h"

using namespace WebDriverState;

PageDocument WebDriverBrowser::GetDocument(const BrowserWindow& window) {
    Window& w = windowOf(window);
    if (w.session->isQuiet())
        return {};
    QJsonObject answer;
    try {
        answer = parse(execute(w, PageSnapshots::readinessScript(), {}, kQuestionTimeoutMs));
    } catch (const WebDriverError& error) {
        // A page between two documents, or one busy with a script of its own, has none for
        // the moment.
        if (meansWindowGone(error))
            forget(w);
        else if (meansNoAnswer(error))
            w.session->hush();
        return {};
    } catch (const AppError&) {
        return {}; // the window has gone
    }
    if (answer.value(QStringLiteral("ready")).toString() == QLatin1String("loading") ||
        isBlank(answer.value(QStringLiteral("url")).toString()))
        return {};
    // Read when first used: a window pass only asks whether there is a document.
    return pendingDocument(window.object);
}

QJsonValue WebDriverBrowser::runPageScript(BrowserObject& window, const QString& script,
                                           const QJsonArray& args, int timeoutMs) {
    auto* w = dynamic_cast<Window*>(&window);
    if (!w)
        throw windowGone();
    return execute(*w, script, args, timeoutMs);
}

bool WebDriverBrowser::isOpen(const BrowserObject& window) const {
    const auto* w = dynamic_cast<const Window*>(&window);
    return w && w->open;
}

bool WebDriverBrowser::meansNoAnswer(const AppError& error) const {
    const auto* failure = dynamic_cast<const WebDriverError*>(&error);
    return failure && failure->error == QLatin1String("no answer");
}
