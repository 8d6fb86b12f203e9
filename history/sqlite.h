#pragma once

// A small owning layer over libsqlite3: a connection and its prepared
// statements close themselves, and every failure becomes an exception that
// carries SQLite's primary result code, so the store can tell a damaged file
// from a busy one or a full disk.

#include <cstdint>
#include <stdexcept>
#include <string>

struct sqlite3;
struct sqlite3_stmt;

namespace stud::sql {

class Error : public std::runtime_error {
  public:
    Error(int code, const std::string& what);
    int code() const { return code_; } // the primary result code (SQLITE_BUSY, ...)
    bool damaged() const;              // not a database, or corrupt
  private:
    int code_;
};

class Db {
  public:
    // Opens (and with `create` makes) the file; throws Error.
    Db(const std::string& path, bool create);
    ~Db();
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    void exec(const char* sql);
    std::int64_t scalar(const char* sql); // the first column of the first row, 0 without a row
    bool readonly() const;
    sqlite3* handle() const { return db_; }

  private:
    sqlite3* db_ = nullptr;
};

class Stmt {
  public:
    Stmt(Db& db, const char* sql);
    ~Stmt();
    Stmt(const Stmt&) = delete;
    Stmt& operator=(const Stmt&) = delete;

    Stmt& bind(int i, std::int64_t v);
    Stmt& bind(int i, const std::string& v);
    // Runs to the next row: true with a row to read, false when done.
    bool step();
    void run() {
        while (step()) {
        }
    }
    void reset();

    std::int64_t integer(int col) const;
    std::string text(int col) const;
    bool null(int col) const;

  private:
    Db& db_;
    sqlite3_stmt* st_ = nullptr;
};

// BEGIN IMMEDIATE until commit(); rolled back if left unfinished, so a
// failure half-way never leaves half a deal.
class Transaction {
  public:
    explicit Transaction(Db& db);
    ~Transaction();
    void commit();

  private:
    Db& db_;
    bool done_ = false;
};

} // namespace stud::sql
