#include "exports/WorkbookModel.h"
#include "common/ErrorReport.h"

#include <QRegularExpression>

WorkbookModel::WorkbookModel() {
    m_sheets.push_back(std::make_unique<SheetModel>(QStringLiteral("Φύλλο1")));
}

Sheet& WorkbookModel::worksheet(int index) {
    if (index < 1 || index > int(m_sheets.size()))
        throw AppError(QStringLiteral("Το βιβλίο εργασίας δεν έχει φύλλο %1.").arg(index));
    return *m_sheets[size_t(index) - 1];
}

void WorkbookModel::checkName(const QString& name, int index) const {
    // 1 to 31 characters, none of : \ / ? * [ ], unique in the workbook (case ignored).
    static const QRegularExpression forbidden(QStringLiteral("[:\\\\/?*\\[\\]]"));
    bool taken = false;
    for (size_t n = 0; n < m_sheets.size(); ++n)
        taken = taken || (int(n) + 1 != index &&
                          m_sheets[n]->name().compare(name, Qt::CaseInsensitive) == 0);
    if (name.isEmpty() || name.size() > 31 || name.contains(forbidden) || taken)
        throw AppError(QStringLiteral("Το όνομα φύλλου «%1» δεν επιτρέπεται.").arg(name));
}

Sheet& WorkbookModel::addWorksheet(const QString& name) {
    checkName(name, 0);
    m_sheets.push_back(std::make_unique<SheetModel>(name));
    return *m_sheets.back();
}

void WorkbookModel::setWorksheetName(int index, const QString& name) {
    worksheet(index); // refuses a sheet that is not there
    checkName(name, index);
    m_sheets[size_t(index) - 1]->setName(name);
}
