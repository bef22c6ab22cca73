#pragma once
// Counts and look-ups over the open company's stored declarations, read straight from
// its tables whatever filter the workspace has on.

#include <QString>

namespace StoredDeclarations {
// Table paths of the open company ("Data\" + AFM + "\MistDilMast.DB", …).
QString mastPath();
QString detPath();
QString akinitaPath();

int CountSavedArxDils();
int CountSavedTropDils();
// The initial declaration of an amending one: its DilCode as text when exactly one
// stored row has that amending number and its DilCode is not 0; empty otherwise. A text
// that is not a whole number is an error.
QString GetArxDilOfTrop(const QString& amendingNumber);
// "Update … SET FilterField = 0" over the whole declarations table.
void ClearFilterMarks();
// Removes the temporarily saved declarations with their properties, and the temporarily
// saved amending declarations, in one transaction.
void DeleteTemporarilySaved();
} // namespace StoredDeclarations
