#pragma once
// The workspace's export commands. Each creates a fresh template dialog, which stays
// alive while the export it leads to reads its choice.

class TfiMistomataTaxis;

namespace TemplateCommands {
// "Επεξεργασία προτύπων": the template dialog, for editing, saving and loading
// templates; it exports nothing.
void miExportToExcelClick(TfiMistomataTaxis& workspace);
// "Επιλογή προτύπου και εξαγωγή δεδομένων": a template loaded without showing the
// dialog, then the export of its layout; nothing when no template is chosen.
void btLoadProtypoClick(TfiMistomataTaxis& workspace);
// "Εξαγωγή τρέχουσας εικόνας δεδομένων": the dialog closed at once with OK and its
// defaults exported over the list as it stands.
void btExportToExcelClick(TfiMistomataTaxis& workspace);
} // namespace TemplateCommands
