#pragma once
// The list of saved export templates: pick one with "Επιλογή" or a double click;
// Ctrl+Delete removes the selected one after the grid's confirmation.

#include "exports/ExportTemplate.h"

#include <QDialog>
#include <optional>

class QPushButton;
class QTableView;

class TfiMistDilProtList : public QDialog {
    Q_OBJECT
public:
    // Shows the templates table, which the caller holds open.
    explicit TfiMistDilProtList(QWidget* parent = nullptr);

    QTableView* grdProtypa;
    QPushButton* btSelect;
    QPushButton* btExit;

    inline static const QString kDeleteRecord = QStringLiteral("Delete record?");

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

// Opens the templates table and the list over it; the selected template when the list
// is closed with "Επιλογή", nothing otherwise. The table is closed again.
std::optional<ExportTemplate> chooseExportTemplate(QWidget* parent = nullptr);
