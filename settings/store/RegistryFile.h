#pragma once
// RegistryFile: one open connection to the settings database, a file holding
// registry-style values in one table:
//
//   CREATE TABLE registry (key TEXT NOT NULL, name TEXT NOT NULL COLLATE NOCASE,
//                          type INTEGER NOT NULL, data BLOB NOT NULL,
//                          PRIMARY KEY (key, name));
//
// A value is found by its key path and its name; names compare without regard
// to ASCII letter case. type is 1 for a string (REG_SZ) and 4 for a 32-bit
// integer (REG_DWORD); data holds the string's bytes exactly (0 bytes allowed)
// or the integer's 4 bytes, little-endian. The statements are prepared once per
// connection and reused, so thousands of values inside one transaction take
// milliseconds. Waits for another program's transaction are left to SQLite's
// busy timeout.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

enum class RegValueType : int { String = 1, Dword = 4 };

class RegistryFile {
public:
    enum class OpenMode {
        ExistingOnly,     // creates nothing; a file without the table counts as missing
        CreateIfMissing,  // creates the folders and the file; EnsureTable makes the table
    };
    enum class OpenResult { Opened, Missing, Damaged, Failed };
    enum class ReadResult { Found, NotFound, Failed };
    enum class TransactionKind {
        Read,   // a consistent view of all values until Commit
        Write,  // takes the write lock at once, waiting for another writer
    };

    // Opens the database at path; file is set only when the result is Opened.
    // Damaged means the file is not a database of ours or fails its integrity
    // check; the caller decides what happens to it.
    static OpenResult Open(const std::filesystem::path& path, OpenMode mode, std::unique_ptr<RegistryFile>& file);

    RegistryFile(const RegistryFile&) = delete;
    RegistryFile& operator=(const RegistryFile&) = delete;
    // Rolls back a transaction still open and closes the connection.
    ~RegistryFile();

    // Creates the table when the file does not have it yet.
    bool EnsureTable();

    bool Begin(TransactionKind kind);
    bool Commit();
    void Rollback();

    // Sets data to the stored bytes of the value, whatever its type.
    ReadResult Read(std::string_view key, std::string_view name, std::string& data);
    // Creates or replaces the value. Refused once a transaction begun here has
    // been abandoned by SQLite after an error, so that no later value is
    // committed on its own.
    bool Write(std::string_view key, std::string_view name, RegValueType type, std::string_view data);

private:
    explicit RegistryFile(sqlite3* db);

    OpenResult CheckIntegrity();
    bool HasTable(bool& hasTable);
    bool PrepareStatements();
    bool Execute(const char* sql);
    bool TransactionLost() const;

    sqlite3* m_db = nullptr;
    sqlite3_stmt* m_select = nullptr;
    sqlite3_stmt* m_upsert = nullptr;
    bool m_inTransaction = false;  // a transaction begun by Begin has not ended yet
};
