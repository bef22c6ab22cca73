#pragma once
// The group "Φίλτρα και Αναζήτηση Δηλώσεων Μισθωμάτων": the stage list, three filter
// rows with their quick-search magnifiers, and the filter button.

#include "workspace/QuickSearch.h"
#include "workspace/RegisterFilter.h"

#include <QGroupBox>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class TMaskEditDate;

class FilterPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit FilterPanel(QWidget* parent = nullptr);

    // Checks the two date boxes as on leaving them: a date is written out in full, any
    // other text is marked as wrong.
    void normaliseDates();
    // The criteria as the controls hold them.
    FilterCriteria criteria() const;
    // Fills the controls with the criteria; the adjustable-contracts box keeps its tick.
    void showCriteria(const FilterCriteria& criteria);
    // The text of the field that belongs to a quick search.
    QString quickSearchText(QuickSearchKind kind) const;

    // What the magnifiers (and Enter in their fields) and the filter button run.
    std::function<void(QuickSearchKind)> onQuickSearch;
    std::function<void()> onFilter;

    QComboBox* cbStadioDilosis;
    QLineEdit* edFilterName;
    QLineEdit* edFilterAFM;
    TMaskEditDate* edFilterDateApo;
    TMaskEditDate* edFilterDateEos;
    QCheckBox* cbLisis;
    QCheckBox* cbAnaprosarmozomena;
    QLineEdit* edFilterArDil;
    QLineEdit* edFilterATAK;
    QLineEdit* edFilterAddress;
    QLabel* imFilter;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* magnifier(QuickSearchKind kind);
};
