#pragma once
// One stored HTML page shown in a scripted browser of its own: every address the browser
// asks for answers the page, and the page's document is there once the object is made.
// For reading stored pages (a tool, tests, a fuzzer) with the portal logic; the caller
// installs the browser as the provider in use where the logic needs it.

#include "portal/scripted/ScriptedBrowser.h"

class ScriptedPage : public PageSource {
public:
    // Loads the page at the address, which its links and frames resolve against.
    explicit ScriptedPage(QString html, const QUrl& address = QUrl(
                                            QStringLiteral("https://lethora.invalid/page.htm")));

    PageAnswer answer(const PageRequest& request) override;

    ScriptedBrowser browser{*this};
    PageDocument document;

private:
    QString m_html;
};
