#pragma once
// The newest amending declaration of each declaration: the one with the highest
// TropDilCode. It gives a lease's current state (its stage, kind, end date, rent and
// acceptances) wherever the register is read.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariantList>

// The stage of a declaration only provisionally saved on the platform, and the kind of a
// termination.
inline const QString kProvisionalStage = QStringLiteral("Προσωρινά Αποθηκευμένο");
inline const QString kTerminationKind = QStringLiteral("Λύση");

// The columns asked for of each declaration's newest amending declaration in the
// amending declarations table at detPath, by DilCode. One statement reads the table.
QHash<qlonglong, QVariantList> newestAmendments(const QString& detPath, const QStringList& columns);
