#pragma once
// Export templates: the column ticks and layout of the export dialog kept under a title
// in the shared table MistDilProtypa, optionally with the workspace's filter criteria.
// A title names one template whatever its letter case.

#include "common/Confirmable.h"
#include "exports/ExportChoice.h"
#include "workspace/RegisterFilter.h"

#include <optional>

class TableCursor;

struct ExportTemplate {
    QString title;
    // The workspace's filter criteria, when the template carries them (FSaved = 1);
    // the adjustable-contracts box is never part of a template.
    std::optional<FilterCriteria> filters;
    // One character per list item, "1" ticked and "0" not.
    QString mast, mistotes, trops, akinita;
    ExportLayout layout = ExportLayout::Full;
};

namespace ExportTemplates {
inline const QString kNoTitle = QStringLiteral("Δεν έχετε δώσει τίτλο αποθήκευσης προτύπου");
inline const QString kOverwrite =
    QStringLiteral("Το πρότυπο υπάρχει ήδη στο αρχείο. Να γίνει επικάλυξη των στοιχείων του;");

QString tickString(const QList<bool>& ticks);
// Ticks each item by its character of the string; items past its end keep their state.
void applyTickString(QList<bool>& ticks, const QString& string);

// The layout option becomes `layout`; the two latest layouts tick the declaration's and
// the amending declaration's "Είδος" column, the full layout changes no tick.
void setLayout(ExportChoice& choice, ExportLayout layout);

// The template of the choice's ticks and layout, without filter criteria.
ExportTemplate fromChoice(const ExportChoice& choice, const QString& title);
// The template's ticks and layout put on the choice; a change of the layout follows
// setLayout's rule.
void applyTo(const ExportTemplate& stored, ExportChoice& choice);

// The template at the cursor's current row of MistDilProtypa.
ExportTemplate read(const TableCursor& cursor);

// Saves under the template's title: an empty title is refused with a message, an
// existing template (letter case ignored) is overwritten only with consent; without it
// nothing is written and the question kOverwrite comes back. A template saved without
// filters keeps the criteria it had.
Confirmable save(const ExportTemplate& stored, Consent overwrite);
} // namespace ExportTemplates
