#include "exports/ChartModel.h"
#include "common/ErrorReport.h"

void ChartModel::setChartType(int type) {
    if (type != xl::ColumnClustered)
        throw AppError(QStringLiteral("Ο τύπος γραφήματος %1 δεν υποστηρίζεται.").arg(type));
    m_type = type;
}

void ChartModel::setSourceData(const CellBlock& block) {
    const CellArea& area = block.area();
    if (&block.sheet() != &m_sheet)
        throw AppError(QStringLiteral("Τα δεδομένα του γραφήματος πρέπει να βρίσκονται στο "
                                      "φύλλο του γραφήματος."));
    if (area.bottom == area.top || area.spansWholeColumns())
        throw AppError(QStringLiteral("Η περιοχή «%1» δεν μπορεί να γίνει γράφημα: χρειάζεται "
                                      "μια γραμμή επικεφαλίδων και τουλάχιστον μία γραμμή "
                                      "δεδομένων.")
                           .arg(areaName(area)));
    m_source = area;
}

void ChartModel::setChartTitleText(const QString& text) {
    m_title = text;
    m_hasTitle = true;
}

QList<ChartSeries> ChartModel::series() const {
    QList<ChartSeries> all;
    if (!m_source)
        return all;
    const CellArea& a = *m_source;
    const bool withCategories = a.right > a.left;
    std::optional<CellArea> categories;
    if (withCategories)
        categories = CellArea{a.top + 1, a.left, a.bottom, a.left};
    for (int column = withCategories ? a.left + 1 : a.left; column <= a.right; ++column)
        all.append({a.top, column, CellArea{a.top + 1, column, a.bottom, column}, categories});
    return all;
}
