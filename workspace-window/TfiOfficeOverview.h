#pragma once
// "Εκκρεμότητες Γραφείου": a child window of the main window with the office's
// outstanding work across every owner the operator may open — leases ending within the
// days chosen, provisionally saved declarations, parties who have not accepted — and the
// owners whose tables could not be read. A double-click asks the main window to open
// that owner and the workspace on that declaration.

#include "workspace/OfficeOverview.h"

#include <QDate>
#include <QWidget>
#include <functional>

class OverviewListModel;
class QAction;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTableView;
class QTimer;

class TfiOfficeOverview : public QWidget {
    Q_OBJECT
public:
    explicit TfiOfficeOverview(QWidget* parent = nullptr);

    QSpinBox* sbDays;
    QPushButton* btRefresh;
    QPushButton* btExportToExcel;
    QAction* miExportToExcel; // the main window's "Εξαγωγή σε Excel" runs it
    QTableView* gridExpiring;
    QTableView* gridUnfinished;
    QTableView* gridUnaccepted;
    QLabel* lbUnreadable;

    // Asked to open the owner (AFM) and the workspace on the declaration (DilCode).
    std::function<void(const QString& afm, qlonglong dilCode)> onOpenDeclaration;

    // The day the window counts from; the system date of each reading unless a test
    // sets another.
    void setToday(const QDate& today) { m_today = today; }
    // Reads the three lists again; with only the expiring one when the days changed.
    void refresh(int lists = OfficeOverviewReader::AllLists);
    void btExportToExcelClick();
    const OverviewListModel& list(int n) const { return *m_models.at(n); }

private:
    QGroupBox* listGroup(QTableView*& grid, int n);
    void gridDoubleClick(int n, int row);

    QDate m_today;
    QTimer* m_daysChanged;
    QList<OverviewListModel*> m_models;
    QList<QGroupBox*> m_groups;
};
