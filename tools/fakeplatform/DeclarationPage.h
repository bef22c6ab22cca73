#pragma once
// A declaration's details page ("ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΜΙΣΘΩΣΗΣ ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ") as the
// platform shows it: the title cell with the number, the lessors, one table per lessee
// ("leaseholderTable" + index), the lease terms ("contractDetails"), one table per
// property ("propertyTable" + index) with its energy certificate table after it, the
// acceptances and the notes. A temporarily saved declaration shows some values in
// input fields instead of text.

#include "tools/fakeplatform/PlatformSubmissions.h"

namespace DeclarationPage {
QString page(const PlatformSubmission& submission, const QString& userLine);
// The page as it comes over a slow line: loaded without the declaration, which the
// page's own script then adds in two steps, half of the milliseconds apart: first the
// title and the lessors, then the rest.
QString latePage(const PlatformSubmission& submission, const QString& userLine, int ms);
// The page with a script that keeps it busy for the milliseconds once it has loaded.
QString busyAfterLoad(const QString& page, int ms);

// The sections, each a table or a few.
QString lessors(const PlatformSubmission& submission);
QString lessees(const PlatformSubmission& submission);
QString leaseTerms(const PlatformSubmission& submission);
QString properties(const PlatformSubmission& submission);
QString acceptances(const PlatformSubmission& submission);
QString notes(const PlatformSubmission& submission);
} // namespace DeclarationPage
