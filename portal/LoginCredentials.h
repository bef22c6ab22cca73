#pragma once
// The credentials that the workspace's login panel shows, from the open company's
// record. The panel never writes them back to the record.

#include "companies/CurrentCompany.h"

struct LoginCredentials {
    QString userName;
    QString password;
    // Whether they are the company's authorised user's (the box cbSetLoginWithEkpr).
    bool loginWithEkpr = false;
};

// When the workspace opens: the authorised user's credentials when the company has a
// password for them, otherwise the company's own.
LoginCredentials loginCredentialsAtOpen(const CompanyRecord& company);
// When the box is clicked into the state: the authorised user's credentials when it is
// checked, the company's own when it is not; whatever was typed is replaced.
LoginCredentials loginCredentialsFor(const CompanyRecord& company, bool loginWithEkpr);
