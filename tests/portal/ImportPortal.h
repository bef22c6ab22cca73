#pragma once
// The import against the fake platform in process: the scripted portal, the owner's
// company with empty declaration tables open as the workspace holds them, a staging grid
// and a panel that records what the import shows.

#include "portal/SubmissionImport.h"
#include "store/StoreQuery.h"
#include "tests/portal/RecordingImportPanel.h"
#include "tests/portal/ScriptedPortal.h"
#include "tests/workspace/RegisterFixture.h"
#include "workspace/StagingGrid.h"

struct ImportPortal {
    explicit ImportPortal(QList<FakeOwner> owners = {SampleRegister::owner()})
        : portal(std::move(owners)), store(portal.platform.owners().first().data.ownerAfm) {
        TdmTables& tables = dmTables();
        tables.tblMistDilMast.open();
        tables.tblMistDilDet.open();
        tables.tblMistDilAkinita.open();
        grid.fillHeaderRow();
    }
    ~ImportPortal() {
        TdmTables& tables = dmTables();
        tables.tblMistDilAkinita.close();
        tables.tblMistDilDet.close();
        tables.tblMistDilMast.close();
    }

    // Signs in as the owner on the list page and runs the data check, keeping or deleting
    // the temporarily saved declarations.
    void dataCheck(bool deleteTemporarilySaved = false) {
        if (!listWindow)
            listWindow = portal.signedInWindow(PortalAddresses::submissionDetailsPage());
        import.sbGetTaxisDilsClick(deleteTemporarilySaved
                                       ? SubmissionImport::TemporarilySaved::DeleteAndImportAgain
                                       : SubmissionImport::TemporarilySaved::Keep);
    }

    int count(const QString& table, const QString& where = QString()) const {
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT * FROM '") + store.path(table) + QStringLiteral("'") +
                 (where.isEmpty() ? QString() : QStringLiteral(" WHERE ") + where));
        q.open();
        return q.recordCount();
    }
    QVariant stored(const QString& table, const QString& where, const QString& field) const {
        StoreQuery q;
        q.setSql(QStringLiteral("SELECT * FROM '") + store.path(table) +
                 QStringLiteral("' WHERE ") + where);
        q.open();
        return q.recordCount() == 1 ? q.value(field) : QVariant();
    }
    // The declarations the platform was asked to open, e.g. "view 1001".
    QStringList opened() const {
        QStringList list;
        for (const QString& action : portal.platform.actionsSubmitted())
            if (action.startsWith(QLatin1String("view")) ||
                action.startsWith(QLatin1String("edit")))
                list << action;
        return list;
    }

    ScriptedPortal portal;
    RegisterFixture store;
    StagingGrid grid;
    RecordingImportPanel panel;
    SubmissionImport import{portal.session, grid, panel};
    BrowserWindow listWindow;
};
