#include "support/faultvfs.h"

#include <sqlite3.h>

#include <cstring>

namespace stud::testing {

namespace {

sqlite3_vfs* real = nullptr;
sqlite3_vfs wrapped{};
FaultVfs state;

struct File {
    sqlite3_file base;
    sqlite3_file* inner; // the real file, allocated right after this one
};

sqlite3_file* in(sqlite3_file* f) {
    return reinterpret_cast<File*>(f)->inner;
}

int xClose(sqlite3_file* f) {
    const int rc = in(f)->pMethods ? in(f)->pMethods->xClose(in(f)) : SQLITE_OK;
    return rc;
}
int xRead(sqlite3_file* f, void* p, int n, sqlite3_int64 off) {
    return in(f)->pMethods->xRead(in(f), p, n, off);
}
int xWrite(sqlite3_file* f, const void* p, int n, sqlite3_int64 off) {
    const long long left = state.budget.load();
    if (left >= 0) {
        if (left < n) return SQLITE_FULL;
        state.budget -= n;
    }
    return in(f)->pMethods->xWrite(in(f), p, n, off);
}
int xTruncate(sqlite3_file* f, sqlite3_int64 size) {
    return in(f)->pMethods->xTruncate(in(f), size);
}
int xSync(sqlite3_file* f, int flags) {
    ++state.syncs;
    return in(f)->pMethods->xSync(in(f), flags);
}
int xFileSize(sqlite3_file* f, sqlite3_int64* size) {
    return in(f)->pMethods->xFileSize(in(f), size);
}
int xLock(sqlite3_file* f, int l) {
    return in(f)->pMethods->xLock(in(f), l);
}
int xUnlock(sqlite3_file* f, int l) {
    return in(f)->pMethods->xUnlock(in(f), l);
}
int xCheckReservedLock(sqlite3_file* f, int* out) {
    return in(f)->pMethods->xCheckReservedLock(in(f), out);
}
int xFileControl(sqlite3_file* f, int op, void* arg) {
    return in(f)->pMethods->xFileControl(in(f), op, arg);
}
int xSectorSize(sqlite3_file* f) {
    return in(f)->pMethods->xSectorSize(in(f));
}
int xDeviceCharacteristics(sqlite3_file* f) {
    return in(f)->pMethods->xDeviceCharacteristics(in(f));
}
int xShmMap(sqlite3_file* f, int page, int size, int extend, void volatile** p) {
    return in(f)->pMethods->xShmMap(in(f), page, size, extend, p);
}
int xShmLock(sqlite3_file* f, int offset, int n, int flags) {
    return in(f)->pMethods->xShmLock(in(f), offset, n, flags);
}
void xShmBarrier(sqlite3_file* f) {
    in(f)->pMethods->xShmBarrier(in(f));
}
int xShmUnmap(sqlite3_file* f, int del) {
    return in(f)->pMethods->xShmUnmap(in(f), del);
}
int xFetch(sqlite3_file* f, sqlite3_int64 off, int n, void** p) {
    return in(f)->pMethods->xFetch(in(f), off, n, p);
}
int xUnfetch(sqlite3_file* f, sqlite3_int64 off, void* p) {
    return in(f)->pMethods->xUnfetch(in(f), off, p);
}

const sqlite3_io_methods kMethods{3,
                                  xClose,
                                  xRead,
                                  xWrite,
                                  xTruncate,
                                  xSync,
                                  xFileSize,
                                  xLock,
                                  xUnlock,
                                  xCheckReservedLock,
                                  xFileControl,
                                  xSectorSize,
                                  xDeviceCharacteristics,
                                  xShmMap,
                                  xShmLock,
                                  xShmBarrier,
                                  xShmUnmap,
                                  xFetch,
                                  xUnfetch};

int xOpen(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* f, int flags, int* outFlags) {
    File* file = reinterpret_cast<File*>(f);
    file->inner = reinterpret_cast<sqlite3_file*>(file + 1);
    std::memset(file->inner, 0, static_cast<std::size_t>(real->szOsFile));
    const int rc = real->xOpen(real, name, file->inner, flags, outFlags);
    file->base.pMethods = file->inner->pMethods ? &kMethods : nullptr;
    return rc;
}

} // namespace

FaultVfs& FaultVfs::install() {
    if (!real) {
        sqlite3_initialize();
        real = sqlite3_vfs_find(nullptr);
        wrapped = *real;
        wrapped.zName = "stud-fault";
        wrapped.szOsFile = static_cast<int>(sizeof(File)) + real->szOsFile;
        wrapped.xOpen = xOpen;
        sqlite3_vfs_register(&wrapped, 1);
    }
    return state;
}

} // namespace stud::testing
