#pragma once
// The platform's addresses. The two base addresses are settings of the working folder
// ("LeaseAppBaseAddress", "SignOnBaseAddress": scheme and host, no trailing slash) with
// the authority's hosts as defaults; the demo and the tests point them at the fake
// platform. Windows are found by an address containing one of these texts.

#include <QString>

namespace PortalAddresses {
// The lease application host, e.g. "https://www1.aade.gr".
QString leaseAppBase();
// The single sign-on host, e.g. "https://login.gsis.gr".
QString signOnBase();
// The console page, opened by the connect command.
QString consolePage();
// The page of the taxpayer's submissions (the list and its forms).
QString submissionDetailsPage();
// The page a submitted declaration form opens.
QString flowPage();

// Matched by itself: the agents' list of taxpayers, a second sign-on target.
inline const QString kAgentTaxpayerListPage = QStringLiteral("displayAgentTaxpayerList.htm");
// Looked for in the page body: the platform asks the user to pick a role.
inline const QString kActorRolesPage = QStringLiteral("displayActorRoles.htm");
} // namespace PortalAddresses
