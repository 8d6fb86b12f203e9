#include "history/sqlite.h"

#include <sqlite3.h>

namespace stud::sql {

namespace {

[[noreturn]] void fail(sqlite3* db, int rc) {
    throw Error(rc & 0xff, db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
}

} // namespace

Error::Error(int code, const std::string& what) : std::runtime_error(what), code_(code) {}

bool Error::damaged() const {
    return code_ == SQLITE_NOTADB || code_ == SQLITE_CORRUPT;
}

Db::Db(const std::string& path, bool create) {
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    const int rc = sqlite3_open_v2(path.c_str(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const Error e(rc & 0xff, db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc));
        sqlite3_close_v2(db_);
        db_ = nullptr;
        throw e;
    }
    sqlite3_extended_result_codes(db_, 0);
}

Db::~Db() {
    sqlite3_close_v2(db_);
}

void Db::exec(const char* text) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, text, nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
        const std::string what = message ? message : sqlite3_errstr(rc);
        sqlite3_free(message);
        throw Error(rc & 0xff, what);
    }
}

std::int64_t Db::scalar(const char* text) {
    Stmt s(*this, text);
    return s.step() ? s.integer(0) : 0;
}

bool Db::readonly() const {
    return sqlite3_db_readonly(db_, "main") == 1;
}

Stmt::Stmt(Db& db, const char* text) : db_(db) {
    const int rc = sqlite3_prepare_v2(db.handle(), text, -1, &st_, nullptr);
    if (rc != SQLITE_OK) fail(db.handle(), rc);
}

Stmt::~Stmt() {
    sqlite3_finalize(st_);
}

Stmt& Stmt::bind(int i, std::int64_t v) {
    const int rc = sqlite3_bind_int64(st_, i, v);
    if (rc != SQLITE_OK) fail(db_.handle(), rc);
    return *this;
}

Stmt& Stmt::bind(int i, const std::string& v) {
    const int rc =
        sqlite3_bind_text(st_, i, v.data(), static_cast<int>(v.size()), SQLITE_TRANSIENT);
    if (rc != SQLITE_OK) fail(db_.handle(), rc);
    return *this;
}

bool Stmt::step() {
    const int rc = sqlite3_step(st_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    sqlite3_reset(st_);
    fail(db_.handle(), rc);
}

void Stmt::reset() {
    sqlite3_reset(st_);
    sqlite3_clear_bindings(st_);
}

std::int64_t Stmt::integer(int col) const {
    return sqlite3_column_int64(st_, col);
}

std::string Stmt::text(int col) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st_, col));
    return p ? std::string(p, static_cast<std::size_t>(sqlite3_column_bytes(st_, col)))
             : std::string();
}

bool Stmt::null(int col) const {
    return sqlite3_column_type(st_, col) == SQLITE_NULL;
}

Transaction::Transaction(Db& db) : db_(db) {
    db_.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (!done_) sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
}

void Transaction::commit() {
    db_.exec("COMMIT");
    done_ = true;
}

} // namespace stud::sql
