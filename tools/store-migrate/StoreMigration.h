#pragma once
// Moves the tables of a data folder on SQLite into a PostgreSQL database: every table
// file under "Tables" and "Data" (the shared tables, every company and its backups, a
// folder that is a link followed) becomes the table of the same path on the server, rows
// in their order. Nothing is copied when any of those tables on the server already holds
// rows, a company of the register has no tables in the folder, a company is open on a
// workstation, or a text is stored in bytes that the server cannot hold as they are (not
// UTF-8, or a NUL); the copy is one transaction. Then each table's row count and checksum
// are compared on both sides. Nothing in the folder is changed or deleted.

#include "tools/store-migrate/TableSummary.h"

#include <QList>
#include <QString>

struct MigratedTable {
    QString path; // relative to the working folder, "/"
    TableSummary folder;
    TableSummary server;
};

namespace StoreMigration {
// The table files of the working folder in force, relative, in a steady order.
QStringList tableFiles();
// Copies them into the server that connection names and compares each copy. A failure
// (the server, a refusal above, a row the server refuses) is a StoreError with the
// operator's message, naming the company or the rows, and nothing stays copied.
QList<MigratedTable> run(const QString& connection);
} // namespace StoreMigration
