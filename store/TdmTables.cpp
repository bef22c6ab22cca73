#include "store/TdmTables.h"
#include "common/WorkFolder.h"
#include "store/StoreError.h"
#include "store/TableSchema.h"
#include "store/TableStore.h"
#include "store/TemplateFiles.h"

#include <QDir>

namespace {
const QStringList kDeclarationTables = {QStringLiteral("MistDilMast"), QStringLiteral("MistDilDet"),
                                        QStringLiteral("MistDilAkinita")};

// A shared table that cannot be made from a sound template is an error: without it the
// application cannot go on.
void copySharedTemplate(const QString& tableName) {
    const TableDef& def = TableSchema::byName(tableName);
    const QString target = QStringLiteral("Tables/") + def.fileName;
    if (!TemplateFiles::copyOver(def.templatePath(), target))
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: δεν ήταν δυνατή η δημιουργία του πίνακα ") +
                         QDir::toNativeSeparators(target) + QStringLiteral(" από το πρότυπό του ") +
                         QDir::toNativeSeparators(def.templatePath()) +
                         QStringLiteral(" (λείπει, είναι κατεστραμμένο ή ο φάκελος δεν δέχεται "
                                        "αρχεία)."));
}
} // namespace

TdmTables& dmTables() {
    static TdmTables module;
    return module;
}

TdmTables::TdmTables() {
    tblComps.setTableName(QStringLiteral("Tables\\Comps.db"));
    tblUsers.setTableName(QStringLiteral("Tables\\Users.db"));
    tblSelectUsers.setTableName(QStringLiteral("Tables\\Users.db"));
    tblMistDilProtypa.setTableName(QStringLiteral("Tables\\MistDilProtypa.db"));
    tblMistDilDet.setMasterLink(&tblMistDilMast, QStringLiteral("DilCode"));
    tblMistDilAkinita.setMasterLink(&tblMistDilMast, QStringLiteral("DilCode"));
}

QString TdmTables::companyTablePath(const QString& afm, const QString& tableName) {
    return QStringLiteral("Data\\") + afm + QLatin1Char('\\') +
           TableSchema::byName(tableName).fileName;
}

void TdmTables::copyTemplates(const QString& folder, const QStringList& tableNames) {
    for (const QString& name : tableNames) {
        const TableDef& def = TableSchema::byName(name);
        TemplateFiles::copyOver(def.templatePath(), folder + QLatin1Char('\\') + def.fileName);
    }
}

void TdmTables::CreateCompanyTables(const QString& folder) {
    copyTemplates(folder, QStringList{QStringLiteral("Edra")} + kDeclarationTables);
}

void TdmTables::ResetDeclarationTables(const QString& folder) {
    copyTemplates(folder, kDeclarationTables);
}

void TdmTables::AttachCompanyTables(const QString& afm) {
    tblEdra.setTableName(companyTablePath(afm, QStringLiteral("Edra")));
    tblMistDilMast.setTableName(companyTablePath(afm, QStringLiteral("MistDilMast")));
    tblMistDilMast.setIndexName(QStringLiteral("DilCodeDescIdx"));
    tblMistDilDet.setTableName(companyTablePath(afm, QStringLiteral("MistDilDet")));
    tblMistDilDet.setIndexName(QStringLiteral("DilCodeTropDilCodeDescIdx"));
    tblMistDilAkinita.setTableName(companyTablePath(afm, QStringLiteral("MistDilAkinita")));
}

void TdmTables::EnsureUsersTable() {
    QDir().mkpath(WorkFolder::path(QStringLiteral("Tables")));
    if (!TableStore::instance().exists(QStringLiteral("Tables/Users.db")))
        copySharedTemplate(QStringLiteral("Users"));
}

void TdmTables::EnsureSharedTables() {
    QDir().mkpath(WorkFolder::path(QStringLiteral("Tables")));
    if (!TableStore::instance().exists(QStringLiteral("Tables/Comps.db"))) {
        copySharedTemplate(QStringLiteral("Comps"));
        copySharedTemplate(QStringLiteral("MistDilProtypa"));
    }
}
