#pragma once
// The data module: one cursor per table and the scratch query, for the whole process,
// and the operations that create and reset tables from their empty templates.

#include "store/StoreQuery.h"
#include "store/TableCursor.h"

#include <QObject>

class TdmTables : public QObject {
    Q_OBJECT
public:
    TdmTables();

    TableCursor tblComps;
    TableCursor tblUsers;
    TableCursor tblSelectUsers;
    TableCursor tblMistDilProtypa;
    TableCursor tblEdra;
    TableCursor tblMistDilMast;
    TableCursor tblMistDilDet;
    TableCursor tblMistDilAkinita;
    StoreQuery qrTemp;

    // Copies the empty templates of Edra and the three declaration tables into the
    // company folder ("Data\" + AFM), replacing files of the same name.
    void CreateCompanyTables(const QString& folder);
    // The same for the three declaration tables only; Edra is left alone.
    void ResetDeclarationTables(const QString& folder);
    // Points the four per-company cursors at "Data\" + afm.
    void AttachCompanyTables(const QString& afm);
    // Creates "Tables" if missing and copies the Users template when there is no Users table.
    void EnsureUsersTable();
    // Creates "Tables" if missing and copies Comps and MistDilProtypa when there is no Comps table.
    void EnsureSharedTables();

    // The path of a per-company table, e.g. "Data\123\MistDilMast.DB".
    static QString companyTablePath(const QString& afm, const QString& tableName);

private:
    void copyTemplates(const QString& folder, const QStringList& tableNames);
};

// The data module of the process; created at start-up.
TdmTables& dmTables();
