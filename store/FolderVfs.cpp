#include "store/FolderVfs.h"
#include "store/StoreError.h"

#include <QAtomicInt>
#include <QDir>
#include <QUrl>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <sqlite3.h>
#include <thread>

struct FolderVfs::Layer {
    sqlite3_vfs vfs{};
    sqlite3_vfs* base = nullptr;
    QByteArray name;
    QString root;
};

namespace {
using Layer = FolderVfs::Layer;

// The names of the layer are this, "/" and the path relative to the folder.
const char kFolderName[] = "/.data-folder";
const size_t kFolderNameLength = sizeof kFolderName - 1;
const char kMainName[] = "/.data-folder/Store";

Layer* layerOf(sqlite3_vfs* vfs) {
    return static_cast<Layer*>(vfs->pAppData);
}

bool isLayerName(const char* name) {
    return name && std::strncmp(name, kFolderName, kFolderNameLength) == 0 &&
           name[kFolderNameLength] == '/';
}

// The file's own path, in the system's spelling.
QByteArray pathOf(const Layer* layer, const char* name) {
    return QDir::toNativeSeparators(layer->root + QString::fromUtf8(name + kFolderNameLength))
        .toUtf8();
}

// The test seam: stops the process for good after the chosen number of writes.
void counted() {
    static const int limit = qEnvironmentVariableIntValue("LETHORA_STORE_HALT_AFTER");
    static int writes = 0;
    if (limit <= 0 || ++writes < limit)
        return;
    std::fputs("lethora-store: halted\n", stderr);
    std::fflush(stderr);
    for (;;)
        std::this_thread::sleep_for(std::chrono::hours(1));
}

// A file of the layer: the system's file under it, and the name that file was given.
struct LayerFile {
    sqlite3_file file;
    sqlite3_file* inner;
    sqlite3_filename name; // from sqlite3_create_filename, or null
};

const size_t kInnerOffset = (sizeof(LayerFile) + 7) & ~size_t(7);

sqlite3_file* innerOf(sqlite3_file* file) {
    return reinterpret_cast<LayerFile*>(file)->inner;
}

const sqlite3_io_methods& innerMethods(sqlite3_file* file) {
    return *innerOf(file)->pMethods;
}

int countedResult(sqlite3_file* file, int rc) {
    if (reinterpret_cast<LayerFile*>(file)->name)
        counted();
    return rc;
}

int fileClose(sqlite3_file* file) {
    auto* own = reinterpret_cast<LayerFile*>(file);
    const int rc = own->inner->pMethods ? own->inner->pMethods->xClose(own->inner) : SQLITE_OK;
    sqlite3_free_filename(own->name);
    own->name = nullptr;
    return rc;
}
int fileRead(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset) {
    return innerMethods(file).xRead(innerOf(file), buffer, amount, offset);
}
int fileWrite(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset) {
    return countedResult(file, innerMethods(file).xWrite(innerOf(file), buffer, amount, offset));
}
int fileTruncate(sqlite3_file* file, sqlite3_int64 size) {
    return countedResult(file, innerMethods(file).xTruncate(innerOf(file), size));
}
int fileSync(sqlite3_file* file, int flags) {
    return countedResult(file, innerMethods(file).xSync(innerOf(file), flags));
}
int fileSize(sqlite3_file* file, sqlite3_int64* size) {
    return innerMethods(file).xFileSize(innerOf(file), size);
}
int fileLock(sqlite3_file* file, int level) {
    return innerMethods(file).xLock(innerOf(file), level);
}
int fileUnlock(sqlite3_file* file, int level) {
    return innerMethods(file).xUnlock(innerOf(file), level);
}
int fileCheckReservedLock(sqlite3_file* file, int* out) {
    return innerMethods(file).xCheckReservedLock(innerOf(file), out);
}
int fileControl(sqlite3_file* file, int op, void* argument) {
    return innerMethods(file).xFileControl(innerOf(file), op, argument);
}
int fileSectorSize(sqlite3_file* file) {
    return innerMethods(file).xSectorSize(innerOf(file));
}
int fileDeviceCharacteristics(sqlite3_file* file) {
    return innerMethods(file).xDeviceCharacteristics(innerOf(file));
}

// Version 1: no shared memory (the store keeps the rollback journal) and no mapping.
const sqlite3_io_methods kLayerFileMethods = {
    .iVersion = 1,
    .xClose = fileClose,
    .xRead = fileRead,
    .xWrite = fileWrite,
    .xTruncate = fileTruncate,
    .xSync = fileSync,
    .xFileSize = fileSize,
    .xLock = fileLock,
    .xUnlock = fileUnlock,
    .xCheckReservedLock = fileCheckReservedLock,
    .xFileControl = fileControl,
    .xSectorSize = fileSectorSize,
    .xDeviceCharacteristics = fileDeviceCharacteristics,
    .xShmMap = nullptr,
    .xShmLock = nullptr,
    .xShmBarrier = nullptr,
    .xShmUnmap = nullptr,
    .xFetch = nullptr,
    .xUnfetch = nullptr,
};

// The main database: empty, read-only, and shared by no one, so it takes no lock.
int mainClose(sqlite3_file*) {
    return SQLITE_OK;
}
int mainRead(sqlite3_file*, void* buffer, int amount, sqlite3_int64) {
    std::memset(buffer, 0, size_t(amount));
    return SQLITE_IOERR_SHORT_READ;
}
int mainWrite(sqlite3_file*, const void*, int, sqlite3_int64) {
    return SQLITE_IOERR_WRITE;
}
int mainTruncate(sqlite3_file*, sqlite3_int64) {
    return SQLITE_IOERR_TRUNCATE;
}
int mainSync(sqlite3_file*, int) {
    return SQLITE_OK;
}
int mainSize(sqlite3_file*, sqlite3_int64* size) {
    *size = 0;
    return SQLITE_OK;
}
int mainLock(sqlite3_file*, int) {
    return SQLITE_OK;
}
int mainCheckReservedLock(sqlite3_file*, int* out) {
    *out = 0;
    return SQLITE_OK;
}
int mainControl(sqlite3_file*, int, void*) {
    return SQLITE_NOTFOUND;
}
int mainSectorSize(sqlite3_file*) {
    return 512;
}
int mainDeviceCharacteristics(sqlite3_file*) {
    return 0;
}

const sqlite3_io_methods kMainMethods = {
    .iVersion = 1,
    .xClose = mainClose,
    .xRead = mainRead,
    .xWrite = mainWrite,
    .xTruncate = mainTruncate,
    .xSync = mainSync,
    .xFileSize = mainSize,
    .xLock = mainLock,
    .xUnlock = mainLock,
    .xCheckReservedLock = mainCheckReservedLock,
    .xFileControl = mainControl,
    .xSectorSize = mainSectorSize,
    .xDeviceCharacteristics = mainDeviceCharacteristics,
    .xShmMap = nullptr,
    .xShmLock = nullptr,
    .xShmBarrier = nullptr,
    .xShmUnmap = nullptr,
    .xFetch = nullptr,
    .xUnfetch = nullptr,
};

int layerOpen(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* file, int flags,
              int* outFlags) {
    Layer* layer = layerOf(vfs);
    auto* own = reinterpret_cast<LayerFile*>(file);
    own->file.pMethods = nullptr;
    own->inner = reinterpret_cast<sqlite3_file*>(reinterpret_cast<char*>(file) + kInnerOffset);
    own->inner->pMethods = nullptr;
    own->name = nullptr;
    if (name && std::strcmp(name, kMainName) == 0) {
        own->file.pMethods = &kMainMethods;
        if (outFlags)
            *outFlags = SQLITE_OPEN_READONLY;
        return SQLITE_OK;
    }
    const char* innerName = name;
    if (isLayerName(name)) {
        own->name = sqlite3_create_filename(pathOf(layer, name).constData(), "", "", 0, nullptr);
        if (!own->name)
            return SQLITE_NOMEM;
        innerName = own->name;
        flags &= ~SQLITE_OPEN_URI; // the parameters were read already
    }
    const int rc = layer->base->xOpen(layer->base, innerName, own->inner, flags, outFlags);
    if (rc != SQLITE_OK) {
        if (own->inner->pMethods)
            own->inner->pMethods->xClose(own->inner);
        sqlite3_free_filename(own->name);
        own->name = nullptr;
        return rc;
    }
    own->file.pMethods = &kLayerFileMethods;
    return SQLITE_OK;
}

int layerDelete(sqlite3_vfs* vfs, const char* name, int syncFolder) {
    Layer* layer = layerOf(vfs);
    if (!isLayerName(name))
        return layer->base->xDelete(layer->base, name, syncFolder);
    const int rc = layer->base->xDelete(layer->base, pathOf(layer, name).constData(), syncFolder);
    counted();
    return rc;
}

int layerAccess(sqlite3_vfs* vfs, const char* name, int flags, int* out) {
    Layer* layer = layerOf(vfs);
    if (!isLayerName(name))
        return layer->base->xAccess(layer->base, name, flags, out);
    return layer->base->xAccess(layer->base, pathOf(layer, name).constData(), flags, out);
}

int layerFullPathname(sqlite3_vfs* vfs, const char* name, int size, char* out) {
    Layer* layer = layerOf(vfs);
    if (!isLayerName(name) && std::strcmp(name, kMainName) != 0)
        return layer->base->xFullPathname(layer->base, name, size, out);
    if (int(std::strlen(name)) >= size)
        return SQLITE_CANTOPEN;
    std::strcpy(out, name);
    return SQLITE_OK;
}

void* layerDlOpen(sqlite3_vfs* vfs, const char* name) {
    return layerOf(vfs)->base->xDlOpen(layerOf(vfs)->base, name);
}
void layerDlError(sqlite3_vfs* vfs, int size, char* out) {
    layerOf(vfs)->base->xDlError(layerOf(vfs)->base, size, out);
}
void (*layerDlSym(sqlite3_vfs* vfs, void* library, const char* symbol))(void) {
    return layerOf(vfs)->base->xDlSym(layerOf(vfs)->base, library, symbol);
}
void layerDlClose(sqlite3_vfs* vfs, void* library) {
    layerOf(vfs)->base->xDlClose(layerOf(vfs)->base, library);
}
int layerRandomness(sqlite3_vfs* vfs, int size, char* out) {
    return layerOf(vfs)->base->xRandomness(layerOf(vfs)->base, size, out);
}
int layerSleep(sqlite3_vfs* vfs, int microseconds) {
    return layerOf(vfs)->base->xSleep(layerOf(vfs)->base, microseconds);
}
int layerCurrentTime(sqlite3_vfs* vfs, double* out) {
    return layerOf(vfs)->base->xCurrentTime(layerOf(vfs)->base, out);
}
int layerGetLastError(sqlite3_vfs* vfs, int size, char* out) {
    return layerOf(vfs)->base->xGetLastError(layerOf(vfs)->base, size, out);
}
int layerCurrentTimeInt64(sqlite3_vfs* vfs, sqlite3_int64* out) {
    return layerOf(vfs)->base->xCurrentTimeInt64(layerOf(vfs)->base, out);
}

QString uriPath(const QString& path) {
    return QString::fromLatin1(QUrl::toPercentEncoding(path, "/"));
}
} // namespace

FolderVfs::FolderVfs(const QString& root) : m_layer(std::make_unique<Layer>()) {
    static QAtomicInt serial;
    Layer& layer = *m_layer;
    layer.base = sqlite3_vfs_find(nullptr);
    if (!layer.base || layer.base->iVersion < 2)
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: το SQLite δεν δίνει πρόσβαση σε αρχεία"));
    layer.root = QDir::cleanPath(root);
    layer.name = "lethora-folder-" + QByteArray::number(serial.fetchAndAddRelaxed(1));
    sqlite3_vfs& vfs = layer.vfs;
    vfs.iVersion = 2;
    vfs.szOsFile = int(kInnerOffset) + layer.base->szOsFile;
    vfs.mxPathname = layer.base->mxPathname;
    vfs.zName = layer.name.constData();
    vfs.pAppData = &layer;
    vfs.xOpen = layerOpen;
    vfs.xDelete = layerDelete;
    vfs.xAccess = layerAccess;
    vfs.xFullPathname = layerFullPathname;
    vfs.xDlOpen = layerDlOpen;
    vfs.xDlError = layerDlError;
    vfs.xDlSym = layerDlSym;
    vfs.xDlClose = layerDlClose;
    vfs.xRandomness = layerRandomness;
    vfs.xSleep = layerSleep;
    vfs.xCurrentTime = layerCurrentTime;
    vfs.xGetLastError = layerGetLastError;
    vfs.xCurrentTimeInt64 = layerCurrentTimeInt64;
    if (sqlite3_vfs_register(&vfs, 0) != SQLITE_OK)
        throw StoreError(QStringLiteral("Σφάλμα πίνακα: το SQLite δεν δίνει πρόσβαση σε αρχεία"));
}

FolderVfs::~FolderVfs() {
    sqlite3_vfs_unregister(&m_layer->vfs);
}

QString FolderVfs::mainUri() const {
    return QStringLiteral("file:") + uriPath(QString::fromLatin1(kMainName)) +
           QStringLiteral("?vfs=") + QString::fromLatin1(m_layer->name);
}

QString FolderVfs::fileUri(const QString& absolutePath) const {
    const QString relative = QDir(m_layer->root).relativeFilePath(absolutePath);
    if (relative.startsWith(QLatin1String("..")) || QDir::isAbsolutePath(relative))
        return QUrl::fromLocalFile(absolutePath).toString(QUrl::FullyEncoded) +
               QStringLiteral("?mode=rw");
    return QStringLiteral("file:") +
           uriPath(QString::fromLatin1(kFolderName) + QLatin1Char('/') + relative) +
           QStringLiteral("?mode=rw");
}
