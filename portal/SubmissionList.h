#pragma once
// The platform's page of submissions as the data check reads it: the list table, found
// by its headings, whose rows are read by what their cells hold rather than by where they
// stand (the platform may put a running number or a check box before the registration
// number); the owner's tax number shown on the page outside the list; and the number of
// each of the page's action forms.

#include "portal/BrowserOps.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class StagingGrid;

namespace SubmissionList {
// A table whose first row carries the list's headings.
struct ListTable {
    PageElement table;
    ElementCollection rows;
    int rowCount = 0;
};
// The list tables of the document's body, in document order.
QList<ListTable> listTables(const PageDocument& document);

// The five list cells of a submission row (registration number, submission date, first
// lessee, stage, kind) from the texts of its cells: the registration number is the first
// cell that reads as one (a number, alone or followed by "(Τροποποιεί το Α/Α" + number +
// ")") and is followed, four cells on, by a kind the platform writes. Nothing for a row
// that has no such cells.
std::optional<QStringList> submissionCells(const QStringList& cellTexts);

// What the reading of the list made of the page.
struct Reading {
    // The submission rows of the last list table (its heading row not counted).
    int listedRows = 0;
    // Of those, the rows read as submissions.
    int readRows = 0;
    // A list with submissions of which none could be read: the page is not understood.
    bool notUnderstood() const { return listedRows > 0 && readRows == 0; }
};
// Reads the last list table of the document into the staging grid: table row r goes to
// staging row r (its heading into row 0), its submission's cells into columns 1 to 5, and
// for r > 0 the running number r into column 0; the grid's row count becomes the table's
// row count + 1 (1 without a list). progress is told each row's share, 0 to 100.
Reading read(const PageDocument& document, StagingGrid& grid,
             const std::function<void(int percent)>& progress = {});

// Whether the text holds the expected text with no digit right after it and, when the
// expected text starts with a digit, none right before: a tax number inside a longer run
// of digits is not that tax number.
int wholeTokenCount(const QString& text, const QString& expected);
// Whether the page's body shows the expected text as a whole token outside the rows of
// its list tables (where lessees' tax numbers stand).
bool shownOutsideList(const PageDocument& document, const QString& expected);

// The number of a list page's form as its HTML shows it: the value of its hidden
// "transId" input written as the platform writes it, trimmed; empty for a form without it.
QString formNumberOf(const QString& formHtml);
// The value of the form's "transId" input, however the page writes the input's
// attributes; nothing when the form has no such input.
std::optional<QString> transIdOf(const PageElement& form);
// The number of a list page's form: its "transId" input's value, or the form's HTML as
// formNumberOf reads it.
QString formNumber(const PageElement& form, const QString& formHtml);
} // namespace SubmissionList
