#pragma once
// The fixed column numbers of a staging row: the list's cells, the import's marks and
// the declaration's own values as read from its details page. The page reader writes
// these columns and the store writer reads them, so both name them from here.

namespace StagingColumn {
// From the submission list.
inline constexpr int RunningNumber = 0;
inline constexpr int ListedNumber = 1; // may carry "(Τροποποιεί το Α/Α n)"
inline constexpr int SubmissionDate = 2;
inline constexpr int FirstLessee = 3;
inline constexpr int Stage = 4;
inline constexpr int Kind = 5;
// The import's marks.
inline constexpr int WriteMark = 6; // "1" initial stored, "2" amending stored
inline constexpr int OwnRow = 7;
inline constexpr int InitialNumber = 8; // of an amending declaration; "999" unknown
inline constexpr int Number = 9;
// The declaration's own values, as read from its page, from this column on.
inline constexpr int FirstPageValue = 10;

// The column of each lessor's and lessee's field, one a line so that they read as a table.
// clang-format off
// Lessor k (1 to 5): sequence number, tax number, name, percentage, capacity,
// acceptance date, accepted ("ΝΑΙ"/"ΟΧΙ").
inline constexpr int kLessors = 5;
constexpr int lessorSequence(int k) { return 7 * k + 4; }
constexpr int lessorAfm(int k) { return 7 * k + 5; }
constexpr int lessorName(int k) { return 7 * k + 6; }
constexpr int lessorPercentage(int k) { return 7 * k + 7; }
constexpr int lessorCapacity(int k) { return 7 * k + 8; }
constexpr int lessorAcceptanceDate(int k) { return 7 * k + 9; }
constexpr int lessorAccepted(int k) { return 7 * k + 10; }

// Lessee k (1 to 5): sequence number, tax number, name, acceptance date, accepted.
inline constexpr int kLessees = 5;
constexpr int lesseeSequence(int k) { return 5 * k + 46; }
constexpr int lesseeAfm(int k) { return 5 * k + 47; }
constexpr int lesseeName(int k) { return 5 * k + 48; }
constexpr int lesseeAcceptanceDate(int k) { return 5 * k + 49; }
constexpr int lesseeAccepted(int k) { return 5 * k + 50; }
// clang-format on

// The lease terms.
inline constexpr int TerminationDate = 80;
inline constexpr int LeaseType = 81;
inline constexpr int SignatureDate = 82;
inline constexpr int StartDate = 83;
inline constexpr int EndDate = 84;
inline constexpr int MonthlyRent = 85;
inline constexpr int FirstMark = 86; // the five marks, 86 to 90
inline constexpr int SubleaseCode = 91;
inline constexpr int SubleaseYear = 92;
inline constexpr int SubleaseTaxOffice = 93;
inline constexpr int Notes = 94;
inline constexpr int kNotesLength = 5000;

// Property p (1, 2, ...): 28 columns from propertyBase(p) + 1. The cell i (from 1) of
// sub-row m (1 to 4) lands on base + 6(m-1) + i; the energy certificate's cell i on
// base + 22 + i. Only the first four properties are stored.
inline constexpr int kStoredProperties = 4;
constexpr int propertyBase(int p) {
    return 28 * p + 72;
}
constexpr int propertySubRowCell(int p, int m, int i) {
    return propertyBase(p) + 6 * (m - 1) + i;
}
constexpr int propertyCertificateCell(int p, int i) {
    return propertyBase(p) + 22 + i;
}
} // namespace StagingColumn
