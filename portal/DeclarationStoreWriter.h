#pragma once
// Turns one read staging row into records of the open company's declaration tables,
// through the data module's cursors: a new initial declaration into MistDilMast with its
// properties into MistDilAkinita, a new amending declaration or termination into
// MistDilDet, or the same fields rewritten in place when a stored declaration is read
// again. The caller positions the cursors; the writer only maps columns to fields.
//
// A rent that is not a number raises AppError: the record being written is discarded.

#include <QString>

class StagingGrid;

// Inserts the row's declaration (by its kind, column 5) and sets the write mark, "1"
// for an initial and "2" for an amending declaration. Another kind writes nothing.
void StoreNewDeclaration(StagingGrid& grid, int row);
// An initial declaration's properties 1 to 4, one record each.
void StoreNewProperties(const StagingGrid& grid, int row);
// Rewrites the current record of MistDilMast or MistDilDet from the row, keys kept: the
// record becomes the declaration as read, lessors' and lessees' positions the row does
// not hold emptied.
void UpdateStoredDeclaration(StagingGrid& grid, int row);
// Rewrites the current initial declaration's stored properties from the row; a stored
// property the row does not hold is deleted.
void UpdateStoredProperties(const StagingGrid& grid, int row);
// The number of the declaration that an amending one amends, from its listed number
// ("12345 (Τροποποιεί το Α/Α 12001)" gives "12001"); a text without the note as it is.
QString AmendedNumberOf(const QString& listedNumber);

// A new declaration and, for an initial one, its properties, in one transaction: a
// failure leaves neither the declaration nor any of its properties, nor the write mark.
void StoreImportedDeclaration(StagingGrid& grid, int row);
// The same for a declaration read again over its stored records.
void UpdateImportedDeclaration(StagingGrid& grid, int row);
