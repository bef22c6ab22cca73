#pragma once
// Signing in on the platform's sign-on page, and the workspace's connect command.

#include "portal/PortalSession.h"

#include <QPoint>
#include <functional>

// Signs in with the credentials and waits for a window on one of the targets (the
// secondary one may be empty). Phase 1, up to 20 seconds: window passes until a window
// on the sign-on host shows the password field, or a window elsewhere already shows a
// target. When the form was found, fills it and clicks its "btn_login" submit button,
// then phase 2, up to 20 seconds: window passes until a window shows a target. True when
// a target was reached; SessionBrowser is the window found last.
bool LoginToPortal(PortalSession& session, const QString& userName, const QString& password,
                   const QString& primaryTarget, const QString& secondaryTarget);

// What the login panel of the workspace gives the connect command.
struct ConnectInputs {
    QString userName;
    QString password;
    // The box "Τα στοιχεία εισόδου … εξουσιοδοτημένου χρήστη της εταιρείας".
    bool loginWithEkpr = false;
    // Where the browser window goes: the main window's left and top on the screen plus the
    // left and top of the workspace's panel pnWeb within it. The window is placed 100
    // pixels right of it and 110 below, 750 by 500 pixels.
    QPoint webPanelOrigin;
};

// The connect command "Σύνδεση στην ΑΑΔΕ": opens a new browser window on the console
// page, signs in and goes on to the submission list, or tells the operator to pick a
// role in the browser. clearStagingGrid empties the workspace's staging grid (and lets it
// repaint) before the browser opens.
void sbConnectAADEClick(PortalSession& session, const ConnectInputs& inputs,
                        const std::function<void()>& clearStagingGrid);
