#pragma once
// Which store holds the tables of a data folder: "[Store]" in the folder's settings.ini.
// Every workstation that shares the folder reads the same choice.
//
//   [Store]
//   Engine=sqlite        (the default: each table a file inside the folder)
//   Engine=postgresql
//   Connection=host=server.office dbname=lethora user=lethora

#include <QString>

struct StoreChoice {
    enum class Engine { Sqlite, Postgresql };
    Engine engine = Engine::Sqlite;
    QString connection; // a libpq connection string; empty for SQLite

    bool operator==(const StoreChoice&) const = default;

    // The choice of the working folder in force; an unknown engine is a StoreError.
    static StoreChoice ofWorkFolder();
    // Writes the choice into the working folder's settings.ini.
    static void write(const StoreChoice& choice);
    // The server, port and database that a connection string names, for messages; the
    // password never appears.
    static QString serverName(const QString& connection);
};
