#pragma once
// The follow-up actions on one declaration, started from the workspace's two context
// menus: view or edit, print, amend, terminate. Each finds the platform's form of the
// declaration on the submission page of a signed-in browser window and submits it; the
// operator goes on in the browser. Nothing is read back into the store.

#include "portal/PortalSession.h"

#include <functional>

enum class DeclarationAction { ViewOrEdit, Print, Amend, Terminate };

// The workspace's wait window while the page is worked on: shown with its progress bar
// hidden, then hidden with its progress bar made visible again.
struct WaitWindowHooks {
    std::function<void()> showWithoutProgress;
    std::function<void()> hideAndRestoreProgress;
};

// The wait window for as long as it lives.
class WaitWindowShown {
public:
    explicit WaitWindowShown(const WaitWindowHooks& hooks) : m_hooks(hooks) {
        if (m_hooks.showWithoutProgress)
            m_hooks.showWithoutProgress();
    }
    ~WaitWindowShown() {
        if (m_hooks.hideAndRestoreProgress)
            m_hooks.hideAndRestoreProgress();
    }

private:
    const WaitWindowHooks& m_hooks;
};

// Runs the action on the declaration with the number (DilCode from the initial
// declarations' menu, TropDilCode from the amending declarations' one) and its stage
// (StadioYpovolis). Refusals and problems are told to the operator; a failure while the
// window is looked for leaves as AppError for the general error report.
void RunDeclarationAction(PortalSession& session, DeclarationAction action, const QString& number,
                          const QString& stage, const WaitWindowHooks& wait = {});

// Whether the form's HTML holds the number as a whole number (not as part of a longer
// one) and the picture of the action. A form with a "transId" input matches only the
// number that input holds.
bool isActionForm(const QString& formHtml, const QString& number, DeclarationAction action);
