#include "companies/CompanyCommands.h"
#include "common/DialogRunner.h"
#include "common/Messages.h"
#include "companies/CompanyRegister.h"
#include "companies/CompanyTexts.h"
#include "companies/TfiCreateComp.h"
#include "companies/TfiIndexCompany.h"
#include "operators/Rights.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"

namespace {
// Opens the register under a filter for one command; puts it back as it was after.
class RegisterForCommand {
public:
    explicit RegisterForCommand(const QString& filter) {
        TableCursor& comps = dmTables().tblComps;
        comps.setFilter(filter);
        comps.setFiltered(!filter.isEmpty());
        if (!TableStore::instance().exists(QStringLiteral("Tables/Comps.db")))
            dmTables().EnsureSharedTables();
        comps.open();
    }
    ~RegisterForCommand() {
        TableCursor& comps = dmTables().tblComps;
        comps.close();
        comps.setIndexName(QString());
        comps.setFiltered(false);
        comps.setFilter(QString());
    }
};
} // namespace

bool CompanyCommands::createCompany(QWidget* parent) {
    if (!Rights::check(Rights::kNoDeletes))
        return false;
    TfiCreateComp dialog(TfiCreateComp::Mode::Create, parent);
    return runDialog(dialog) == QDialog::Accepted;
}

bool CompanyCommands::openCompany(QWidget* parent) {
    RegisterForCommand comps(CompanyVisibility::filterForOpening());
    TableCursor& register_ = dmTables().tblComps;
    if (register_.isEmpty()) {
        showMessage(CompanyTexts::kEmptyRegister);
        return false;
    }
    register_.setIndexName(QStringLiteral("NameIdx"));
    register_.first();
    TfiIndexCompany chooser(TfiIndexCompany::Mode::Open, parent);
    if (runDialog(chooser) != QDialog::Accepted)
        return false;
    CompanyRegister::openChosen(register_.text(QStringLiteral("AFM")));
    return true;
}

void CompanyCommands::deleteCompany(QWidget* parent) {
    if (!Rights::check(Rights::kAll))
        return;
    RegisterForCommand comps(CompanyVisibility::filterForDeleting());
    TfiIndexCompany chooser(TfiIndexCompany::Mode::Delete, parent);
    if (runDialog(chooser) == QDialog::Accepted)
        showMessage(CompanyTexts::kDeleted);
}
