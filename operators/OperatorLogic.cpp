#include "operators/OperatorLogic.h"
#include "common/Messages.h"
#include "operators/CurrentOperator.h"
#include "operators/PasswordHash.h"
#include "operators/RememberedOperator.h"
#include "store/TdmTables.h"

namespace {
// Opens a cursor for the life of a command and closes it after, whatever happens.
class OpenFor {
public:
    explicit OpenFor(TableCursor& cursor) : m_cursor(cursor), m_wasOpen(cursor.isOpen()) {
        if (!m_wasOpen)
            m_cursor.open();
    }
    ~OpenFor() {
        if (!m_wasOpen)
            m_cursor.close();
    }

private:
    TableCursor& m_cursor;
    bool m_wasOpen;
};
} // namespace

Login::Preparation Login::prepare() {
    TdmTables& dm = dmTables();
    dm.EnsureUsersTable();
    Preparation result;
    result.proposedName = RememberedOperator::read();
    if (result.proposedName.isEmpty())
        result.proposedName = adminName();
    OpenFor users(dm.tblUsers);
    result.firstTime =
        dm.tblUsers.findKey({adminName()}) && dm.tblUsers.text(QStringLiteral("Pass")).isEmpty();
    return result;
}

bool Login::attempt(const QString& userName, const QString& password,
                    const std::function<bool()>& askNewPassword) {
    TableCursor& users = dmTables().tblUsers;
    OpenFor open(users);
    if (!users.findKey({userName})) {
        showMessage(OperatorTexts::kWrongName);
        return false;
    }
    const QString stored = users.text(QStringLiteral("Pass"));
    if (!PasswordHash::matches(stored, password)) {
        showMessage(OperatorTexts::kWrongPassword);
        return false;
    }
    if (PasswordHash::needsRehash(stored)) {
        users.edit();
        users.setValue(QStringLiteral("Pass"), PasswordHash::of(password));
        users.post();
    }
    OperatorRecord& op = CurrentOperator();
    op.UserName = users.text(QStringLiteral("UserName"));
    op.Pass = users.text(QStringLiteral("Pass"));
    op.Rights = users.text(QStringLiteral("Rights"));
    const bool loggedIn = !password.isEmpty() || askNewPassword();
    if (loggedIn)
        RememberedOperator::write(op.UserName);
    return loggedIn;
}

PasswordChange::Outcome PasswordChange::save(const QString& first, const QString& second) {
    if (first != second) {
        showMessage(OperatorTexts::kPasswordsDiffer);
        return Outcome::Differ;
    }
    if (first.isEmpty()) {
        showMessage(OperatorTexts::kEmptyPassword);
        return Outcome::Empty;
    }
    TableCursor& users = dmTables().tblUsers;
    if (!users.findKey({CurrentOperator().UserName})) {
        showMessage(OperatorTexts::kNoSuchOperator);
        return Outcome::NoOperator;
    }
    users.edit();
    users.setValue(QStringLiteral("Pass"), PasswordHash::of(first));
    users.post();
    CurrentOperator().Pass = users.text(QStringLiteral("Pass"));
    showMessage(OperatorTexts::kPasswordChanged);
    return Outcome::Saved;
}

QString OperatorAdmin::letterOfItem(int item) {
    static const QStringList letters = {QStringLiteral("D"), QStringLiteral("I"),
                                        QStringLiteral("V")};
    return letters.value(item, QStringLiteral("V"));
}

int OperatorAdmin::itemOfLetter(const QString& letter) {
    if (letter == QLatin1String("D"))
        return 0;
    if (letter == QLatin1String("I"))
        return 1;
    return 2;
}

Confirmable OperatorAdmin::saveOperator(const QString& userName, const QString& password,
                                        int levelItem, Consent overwrite) {
    if (userName.trimmed().isEmpty()) {
        showMessage(OperatorTexts::kEmptyName);
        return Confirmable::refused();
    }
    TableCursor& users = dmTables().tblUsers;
    const bool exists = users.findKey({userName});
    // Only a hash of the password is stored: an existing operator's empty password box
    // keeps the password that operator has; a new operator needs one.
    if (password.isEmpty() && !exists) {
        showMessage(OperatorTexts::kEmptyPassword);
        return Confirmable::refused();
    }
    if (exists) {
        if (overwrite != Consent::Given)
            return Confirmable::needsYes(OperatorTexts::kOperatorExists);
        users.edit();
    } else {
        users.insert();
        users.setValue(QStringLiteral("UserName"), userName);
    }
    if (!password.isEmpty())
        users.setValue(QStringLiteral("Pass"), PasswordHash::of(password));
    users.setValue(QStringLiteral("Rights"), letterOfItem(levelItem));
    users.post();
    return Confirmable::done();
}

Confirmable OperatorAdmin::deleteCurrentOperator(Consent deletion) {
    TableCursor& users = dmTables().tblUsers;
    if (users.isEmpty())
        return Confirmable::refused();
    const QString name = users.text(QStringLiteral("UserName"));
    if (name == adminName()) {
        showMessage(OperatorTexts::kAdminNotDeleted);
        return Confirmable::refused();
    }
    if (deletion != Consent::Given)
        return Confirmable::needsYes(OperatorTexts::kDeleteQuestion + QLatin1Char('"') + name +
                                     QLatin1Char('"'));
    users.remove();
    return Confirmable::done();
}

void OperatorAdmin::assignCurrentCompany(const QString& userName) {
    TableCursor& comps = dmTables().tblComps;
    if (comps.isEmpty())
        return;
    comps.edit();
    comps.setValue(QStringLiteral("UserName"), userName);
    comps.post();
}
