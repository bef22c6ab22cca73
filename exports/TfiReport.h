#pragma once
// The export template dialog: the four column lists of the register export, the layout
// option, and the saving and loading of templates under a title. Commands create one
// for a single export; the export reads its choice while it is alive.

#include "exports/ExportChoice.h"
#include "workspace/RegisterFilter.h"

#include <QDialog>
#include <functional>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The workspace's filter controls, as a template reads, fills and runs them.
struct WorkspaceFilters {
    std::function<FilterCriteria()> criteria;
    std::function<void(const FilterCriteria&)> show;
    std::function<void()> run;
};

class TfiReport : public QDialog {
    Q_OBJECT
public:
    explicit TfiReport(WorkspaceFilters filters, QWidget* parent = nullptr);

    // The ticks and item texts of the four lists and the layout option; the stage is
    // left at 0 for the caller to set.
    ExportChoice choice() const;
    // Ticks the lists and sets the option as the choice has them.
    void setChoice(const ExportChoice& choice);

    // "Αποθήκευση προτύπου".
    void btSaveClick();
    // "Επιλογή προτύπου": the template list; a chosen template fills the dialog, its
    // filters the workspace's, and the workspace's filter runs when filters are kept.
    void btLoadClick();
    bool templateChosen() const { return m_templateChosen; }

    QListWidget* clbMast;
    QListWidget* clbMistotes;
    QListWidget* clbTrops;
    QListWidget* clbAkinita;
    QButtonGroup* rgProperties;
    QLineEdit* edProtypoTitle;
    QCheckBox* cbSaveFilters;
    QPushButton* btLoad;
    QPushButton* btSave;
    QPushButton* btExit;
    QPushButton* btExport; // never shown: closes with OK for the commands

private:
    void rgPropertiesClick(int option);

    WorkspaceFilters m_filters;
    bool m_templateChosen = false;
};
