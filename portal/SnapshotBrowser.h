#pragma once
// What the two real browsers share: each runs a browser program that must end with this
// program, and reads a page as one snapshot (see PageSnapshot) when its document is first
// used. Writes act on the live page through the page scripts and are carried into the
// snapshot. A provider says how a page script is run on a window's live page.

#include "common/ErrorReport.h"
#include "portal/DomBrowser.h"

#include <QJsonArray>
#include <QJsonValue>
#include <memory>

class SnapshotBrowser : public DomBrowser {
public:
    void SetOuterHtml(const PageElement& element, const QString& html) override;
    void SetAttribute(const PageElement& element, const QString& name,
                      const QString& value) override;
    void SetInputValue(const PageElement& element, const QString& text) override;
    void Click(const PageElement& element) override;
    void Submit(const PageElement& form) override;

    // Ends every browser the provider started.
    virtual void shutDown() = 0;

    // The time limits of the browser's commands. A window pass asks each window for its
    // address and whether it has a document; a window whose page is busy (a script that
    // loops, a page that never finishes loading) must not hold a wait past its limit, so
    // those questions wait one second at most and a question without an answer counts as
    // "nothing yet". Reading a page and acting on it may take longer.
    static constexpr int kQuestionTimeoutMs = 1000;
    static constexpr int kReadTimeoutMs = 15000;
    static constexpr int kWriteTimeoutMs = 10000;
    // The longest a page script may run in the browser before the browser gives up on it.
    static constexpr int kScriptTimeoutMs = 10000;

protected:
    // A document of the window that is read when it is first used.
    static PageDocument pendingDocument(const std::shared_ptr<BrowserObject>& window);
    // Runs the page script (the body of a function of the arguments) on the window's live
    // page and gives its answer; raises AppError when the window has gone.
    virtual QJsonValue runPageScript(BrowserObject& window, const QString& script,
                                     const QJsonArray& args, int timeoutMs) = 0;
    virtual bool isOpen(const BrowserObject& window) const = 0;
    // Whether the failure is a page that did not answer in time.
    virtual bool meansNoAnswer(const AppError& error) const = 0;

    QString renderedText(DomTree& tree, int node) override;
    void load(DomDocument& document) override;

private:
    // Runs a write script on the element's live page; gives its answer.
    QJsonObject write(const PageElement& element, const QString& script,
                      const QJsonValue& argument = QJsonValue());
};

namespace BrowserAnswers {
AppError windowGone();
// A fresh window shows no address of its own.
bool isBlank(const QString& address);
// The JSON text that the page scripts answer.
QJsonObject parse(const QJsonValue& value);
} // namespace BrowserAnswers

// The real browser that settings.ini chooses (see BrowserProgram); raises AppError for an
// unknown choice.
std::unique_ptr<SnapshotBrowser> makeRealBrowser();
