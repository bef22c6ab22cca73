#include "operators/Rights.h"
#include "common/Messages.h"
#include "operators/CurrentOperator.h"
#include "store/SqlText.h"

OperatorRecord& CurrentOperator() {
    static OperatorRecord record;
    return record;
}

bool Rights::allows(const QString& rights, const QString& threshold) {
    return QString::compare(rights, threshold, Qt::CaseSensitive) <= 0;
}

bool Rights::check(const QString& threshold) {
    if (allows(CurrentOperator().Rights, threshold))
        return true;
    showMessage(kNoRightsMessage);
    return false;
}

QString CompanyVisibility::filterForOperator(const QString& userName) {
    return QStringLiteral("(UserName = ") + sqlQuoted(userName) + QStringLiteral(")");
}

QString CompanyVisibility::filterForOpening() {
    const OperatorRecord& op = CurrentOperator();
    if (op.UserName == adminName() || op.Rights == Rights::kViewOnly)
        return QString();
    return filterForOperator(op.UserName);
}

QString CompanyVisibility::filterForDeleting() {
    const OperatorRecord& op = CurrentOperator();
    if (op.UserName == adminName())
        return QString();
    return filterForOperator(op.UserName);
}
