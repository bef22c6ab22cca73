#pragma once
// A register of lease declarations held in memory, one record per table row, each
// record keyed by the store's field names (MistDilMast, MistDilDet, MistDilAkinita).
// The synthetic register generator makes such sets; the fake platform serves its pages
// from them; the import tests compare what was stored with them field by field.

#include <QList>
#include <QString>
#include <QVariantMap>

struct RegisterDataSet {
    QString ownerAfm;                // the owner whose register this is
    QList<QVariantMap> declarations; // MistDilMast rows (initial declarations)
    QList<QVariantMap> amendments;   // MistDilDet rows (amending declarations, terminations)
    QList<QVariantMap> properties;   // MistDilAkinita rows
    QString ownerName;               // the owner's name as lessor of the declarations
};
