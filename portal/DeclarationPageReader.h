#pragma once
// Reads a declaration's details page ("ΔΗΛΩΣΗ ΣΤΟΙΧΕΙΩΝ ΜΙΣΘΩΣΗΣ ΑΚΙΝΗΤΗΣ ΠΕΡΙΟΥΣΙΑΣ"),
// as the platform shows it in its own window, into that declaration's staging row:
// lessors and their acceptance, lessees and theirs, the lease terms, the notes, the
// properties and their energy certificates. Only the browser operations are used, so the
// same reading runs on the real browser and on the scripted one.
//
// The reader does not clear the row: columns that the page does not provide keep what
// the row held.

#include "portal/BrowserOps.h"

#include <QString>

class StagingGrid;

// What the reader made of a page.
enum class PageReading {
    // Nothing was done: the flag was already set.
    AlreadyDone,
    // The document has no body yet.
    NoBody,
    // No cell carries the declaration's title: not a details page, or one still loading.
    NoTitle,
    // The title shows another number; the operator was told, nothing was written.
    OtherNumber,
    // The declaration's page, read into the row, but without its lessors or its lease
    // terms: a page whose own scripts are still adding to it.
    Incomplete,
    // The declaration's page, read whole into the row.
    Read,
};

// Reads the page document into the row. pageReadDone is the flag shared with the caller:
// nothing happens when it is already set; it is set when the reader has finished with
// the page, whatever the outcome, except for a document without a body (the caller may
// call again once the page has one). A page showing another number than the expected
// one stores nothing and tells the operator.
PageReading ReadDeclarationPage(StagingGrid& grid, int row, const QString& expectedNumber,
                                const PageDocument& document, bool& pageReadDone);
