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

// The sections, each a table or a few.
QString lessors(const PlatformSubmission& submission);
QString lessees(const PlatformSubmission& submission);
QString leaseTerms(const PlatformSubmission& submission);
QString properties(const PlatformSubmission& submission);
QString acceptances(const PlatformSubmission& submission);
QString notes(const PlatformSubmission& submission);
} // namespace DeclarationPage
