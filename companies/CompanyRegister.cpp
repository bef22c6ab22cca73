#include "companies/CompanyRegister.h"
#include "common/Messages.h"
#include "common/WorkFolder.h"
#include "companies/CompanyFields.h"
#include "companies/CompanyFolder.h"
#include "companies/CompanyLock.h"
#include "companies/CompanyTexts.h"
#include "companies/InstallationId.h"
#include "companies/TaxNumber.h"
#include "operators/CurrentOperator.h"
#include "operators/Rights.h"
#include "store/CursorGuard.h"
#include "store/TableStore.h"
#include "store/TdmTables.h"

namespace {
// A tax number names a folder: only letters and digits may stand in it.
bool isPlainTaxNumber(const QString& afm) {
    for (const QChar ch : afm)
        if (!ch.isLetterOrNumber() || ch.unicode() > 0x7F)
            return false;
    return true;
}

// Shows why the company's lock keeps this installation out; true when it does not.
bool admitted(const QString& afm, CompanyLock::Outcome outcome) {
    switch (outcome) {
    case CompanyLock::Outcome::Acquired:
    case CompanyLock::Outcome::AlreadyOurs:
    case CompanyLock::Outcome::TakenOver:
        return true;
    case CompanyLock::Outcome::HeldByOther:
        showMessage(CompanyLock::kInUseMessage);
        return false;
    case CompanyLock::Outcome::Unreadable:
        showMessage(CompanyTexts::kUnreadableLock + WorkFolder::path(CompanyLock::path(afm)));
        return false;
    case CompanyLock::Outcome::NotWritable:
        showMessage(CompanyLock::notWritableMessage(afm));
        return false;
    }
    return false;
}

// Takes the company's lock for this installation; a lock that a tool left behind is
// taken over, and the operator told so.
CompanyLock::Outcome lockForThisInstallation(const QString& afm) {
    QString takenOver;
    const CompanyLock::Outcome outcome = CompanyLock::acquire(afm, InstallationId(), &takenOver);
    if (outcome == CompanyLock::Outcome::TakenOver)
        showMessage(takenOver);
    return outcome;
}

// Writes the register row, the company record and the empty tables of a company whose
// folder this installation has locked.
void writeNewCompany(const QString& afm, const QString& name) {
    TdmTables& dm = dmTables();
    CompanyFolder::createWithEmptyTables(afm);
    {
        TableCursor& comps = dm.tblComps;
        comps.open();
        CloseAfter close(comps);
        comps.insert();
        comps.setValue(QStringLiteral("AFM"), afm);
        comps.setValue(QStringLiteral("CompName"), name);
        comps.setValue(QStringLiteral("UserName"), CurrentOperator().UserName);
        comps.post();
    }
    dm.AttachCompanyTables(afm);
    TableCursor& edra = dm.tblEdra;
    edra.open();
    CloseAfter close(edra);
    edra.insert();
    edra.setValue(QStringLiteral("AFM"), afm);
    edra.post();
    LoadCurrentCompany();
}
} // namespace

bool CompanyRegister::create(const QString& afm, const QString& name) {
    if (afm.isEmpty()) {
        showMessage(CompanyTexts::kNoAfm);
        return false;
    }
    if (!IsValidAfm(afm) || !isPlainTaxNumber(afm)) {
        showMessage(CompanyTexts::kInvalidAfm);
        return false;
    }
    if (name.isEmpty()) {
        showMessage(CompanyTexts::kNoName);
        return false;
    }
    TdmTables& dm = dmTables();
    if (!TableStore::instance().exists(QStringLiteral("Tables/Comps.db")))
        dm.EnsureSharedTables();
    {
        const bool wasOpen = dm.tblComps.isOpen();
        dm.tblComps.open();
        const bool found = dm.tblComps.findKey({afm});
        if (!wasOpen)
            dm.tblComps.close();
        if (found) {
            showMessage(CompanyTexts::exists(afm));
            return false;
        }
    }
    // The lock is taken before any table is moved: a folder that another installation
    // holds open keeps its live tables.
    CompanyFolder::make(afm);
    const CompanyLock::Outcome lock = lockForThisInstallation(afm);
    if (!admitted(afm, lock))
        return false;
    try {
        writeNewCompany(afm, name);
    } catch (...) {
        if (lock == CompanyLock::Outcome::Acquired || lock == CompanyLock::Outcome::TakenOver)
            CompanyLock::release(afm, InstallationId());
        throw;
    }
    return true;
}

void CompanyRegister::open(const QString& afm) {
    TdmTables& dm = dmTables();
    dm.AttachCompanyTables(afm);
    TableCursor& edra = dm.tblEdra;
    edra.open();
    CloseAfter close(edra);
    LoadCurrentCompany();
    // A folder whose record row is missing still opens under its own number.
    if (CurrentCompany().AFM.isEmpty())
        CurrentCompany().AFM = afm;
}

bool CompanyRegister::renameCurrent(const QString& name) {
    if (name.isEmpty()) {
        showMessage(CompanyTexts::kNoName);
        return false;
    }
    TableCursor& comps = dmTables().tblComps;
    comps.edit();
    comps.setValue(QStringLiteral("CompName"), name);
    comps.post();
    return true;
}

bool CompanyRegister::lockCurrent() {
    const QString afm = dmTables().tblComps.text(QStringLiteral("AFM"));
    return admitted(afm, lockForThisInstallation(afm));
}

bool CompanyRegister::currentIsFree() {
    const QString afm = dmTables().tblComps.text(QStringLiteral("AFM"));
    const CompanyLock::Holder holder = CompanyLock::holder(afm, InstallationId());
    if (holder == CompanyLock::Holder::Nobody || holder == CompanyLock::Holder::This)
        return true;
    return admitted(afm, holder == CompanyLock::Holder::Other ? CompanyLock::Outcome::HeldByOther
                                                              : CompanyLock::Outcome::Unreadable);
}

bool CompanyRegister::deleteCurrent() {
    if (!currentIsFree())
        return false;
    dmTables().tblComps.remove();
    return true;
}

void CompanyRegister::openChosen(const QString& afm) {
    try {
        open(afm);
    } catch (...) {
        CompanyLock::release(afm, InstallationId());
        throw;
    }
}

bool CompanyRegister::openVisible(const QString& afm) {
    if (!TableStore::instance().exists(QStringLiteral("Tables/Comps.db"))) {
        showMessage(CompanyTexts::notVisible(afm));
        return false;
    }
    TableCursor& comps = dmTables().tblComps;
    const QString filter = CompanyVisibility::filterForOpening();
    bool visible = false;
    {
        comps.setFilter(filter);
        comps.setFiltered(!filter.isEmpty());
        comps.open();
        CloseAfter close(comps);
        visible = comps.findKey({afm});
    }
    comps.setFiltered(false);
    comps.setFilter(QString());
    if (!visible) {
        showMessage(CompanyTexts::notVisible(afm));
        return false;
    }
    if (!admitted(afm, lockForThisInstallation(afm)))
        return false;
    openChosen(afm);
    return true;
}
