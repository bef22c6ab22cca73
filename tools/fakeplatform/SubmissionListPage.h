#pragma once
// The page of the owner's submissions: the list table (a heading row, then one row per
// submission: number, date, first lessee, stage, kind, actions) and one form per action
// of each submission, each holding the submission's number in the hidden input
// "transId" and the picture of its action.

#include "tools/fakeplatform/PlatformSubmissions.h"
#include "tools/fakeplatform/Untidiness.h"

namespace SubmissionListPage {
// The address the action forms post to.
inline const QString kActionPath = QStringLiteral("/sgsisapps/plcs/protected/submissionAction.htm");

// The form of one action ("view", "edit", "print", "amend", "terminate"); with
// reordered attributes as the untidy platform writes it.
QString actionForm(const QString& number, const QString& action, bool reordered = false);
QString page(const QList<PlatformSubmission>& submissions, const QString& userLine,
             const QString& ownerLine, const Untidiness& untidy = {});
} // namespace SubmissionListPage
