#include "portal/LoginCredentials.h"

LoginCredentials loginCredentialsAtOpen(const CompanyRecord& company) {
    return loginCredentialsFor(company, !company.EkprPassword.isEmpty());
}

LoginCredentials loginCredentialsFor(const CompanyRecord& company, bool loginWithEkpr) {
    if (loginWithEkpr)
        return {company.EkprUserName, company.EkprPassword, true};
    return {company.CompUserName, company.CompPassword, false};
}
