#pragma once
// Which store holds the tables of a data folder: "[Store]" in the folder's settings.ini.
// Every workstation that shares the folder reads the same choice.
//
//   [Store]
//   Engine=sqlite        (the default: each table a file inside the folder)
//   Engine=postgresql
//   Connection="host=server.office dbname=lethora user=lethora"
//
// Names are read as written here, letter case included; the connection is one text
// whatever it holds (in double quotes or not). A file that cannot be read, a section
// "[store]" or a setting not named here is refused rather than taken for the default,
// which would put the workstation on the folder's files while the others are on a server.

#include <QString>

struct StoreChoice {
    enum class Engine { Sqlite, Postgresql };
    Engine engine = Engine::Sqlite;
    QString connection; // a libpq connection string; empty for SQLite

    bool operator==(const StoreChoice&) const = default;

    // The choice of the working folder in force; an unknown engine, or settings that
    // cannot be taken as written, are a StoreError.
    static StoreChoice ofWorkFolder();
    // Writes the choice into the working folder's settings.ini (its other entries kept),
    // in one step, and reads it back. A StoreError when it was not written as given;
    // the file is then as it was.
    static void write(const StoreChoice& choice);
    // The server, port and database that a connection string names, for messages; the
    // password never appears.
    static QString serverName(const QString& connection);
};
