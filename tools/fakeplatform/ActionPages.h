#pragma once
// The pages that the platform answers to the action forms other than view and edit, and
// its notices.

#include "tools/fakeplatform/PlatformSubmissions.h"

namespace ActionPages {
// The printable form of a declaration.
QString print(const PlatformSubmission& submission, const QString& userLine);
// The first step of a new amending declaration of the submission.
QString amend(const PlatformSubmission& submission, const QString& userLine);
// The first step of the termination of the submission's lease.
QString terminate(const PlatformSubmission& submission, const QString& userLine);
// A notice page, e.g. for an expired flow or an unknown declaration.
QString notice(const QString& title, const QString& text, const QString& userLine);
} // namespace ActionPages
