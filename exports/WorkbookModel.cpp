#include "exports/WorkbookModel.h"
#include "common/ErrorReport.h"

Sheet& WorkbookModel::worksheet(int index) {
    if (index != 1)
        throw AppError(QStringLiteral("Το βιβλίο εργασίας δεν έχει φύλλο %1.").arg(index));
    return m_sheet;
}
