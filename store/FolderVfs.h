#pragma once
// The SQLite file layer of the folder store. SQLite knows every file of the working
// folder (the tables, their journals, the super-journals) by a name relative to the
// folder, "/.data-folder/Data/123/MistDilMast.DB", and this layer maps each name to the
// file under the folder it was made for. SQLite writes these names into its journals: a
// table's journal names the super-journal of a change over several tables, and the
// super-journal names the tables' journals. So a change that a workstation left half
// committed (killed, or cut off by a power failure, between two tables' commits) is
// rolled back whole by the next workstation that opens one of its tables, wherever that
// workstation mounts the shared folder: SQLite treats a journal whose super-journal it
// cannot find as committed, which absolute names would make it do on every other mount.
//
// The connection's main database is a name of this layer with no file behind it, an
// empty database that is never written. SQLite commits several attached files with a
// super-journal only when the main database has a name; this one places the
// super-journals in the working folder ("Store-mj…"), where every workstation finds them.
//
// For tests, LETHORA_STORE_HALT_AFTER=N makes the process stop for good after its N-th
// write, sync, truncation or deletion of a file of the layer, once it has written
// "lethora-store: halted" on its error output, so that a test can kill it right there.

#include <QByteArray>
#include <QString>
#include <memory>

class FolderVfs {
public:
    // Registers a layer for the folder (absolute) with SQLite, under a name of its own.
    explicit FolderVfs(const QString& root);
    // Unregisters it: every connection that uses it must be closed by then.
    ~FolderVfs();
    FolderVfs(const FolderVfs&) = delete;
    FolderVfs& operator=(const FolderVfs&) = delete;

    // The URI of the connection's main database.
    QString mainUri() const;
    // The URI of a table file (absolute path), opened for reading and writing; a file
    // outside the folder keeps its own path.
    QString fileUri(const QString& absolutePath) const;

    struct Layer;

private:
    std::unique_ptr<Layer> m_layer;
};
