#include "settings/store/RegistryFile.h"

#include <cerrno>
#include <sqlite3.h>
#include <sys/stat.h>
#include <system_error>

namespace {

// Long enough for another program's save (milliseconds) to end; a store that
// stays locked longer is reported as a failure, not waited for forever.
constexpr int BusyTimeoutMs = 10000;

constexpr const char* CreateTableSql =
    "CREATE TABLE IF NOT EXISTS registry (key TEXT NOT NULL, name TEXT NOT NULL COLLATE NOCASE, "
    "type INTEGER NOT NULL, data BLOB NOT NULL, PRIMARY KEY (key, name))";
constexpr const char* HasTableSql = "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = 'registry'";
constexpr const char* SelectSql = "SELECT data FROM registry WHERE key = ?1 AND name = ?2";
constexpr const char* UpsertSql =
    "INSERT INTO registry (key, name, type, data) VALUES (?1, ?2, ?3, ?4) "
    "ON CONFLICT (key, name) DO UPDATE SET type = excluded.type, data = excluded.data";

RegistryFile::OpenResult Classify(int code)
{
    const int primary = code & 0xff;
    if (primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB)
        return RegistryFile::OpenResult::Damaged;
    return RegistryFile::OpenResult::Failed;
}

// SQLite binds a null pointer as NULL, which the table refuses; an empty view
// may carry one, so it is bound from a real empty string instead.
const char* Bytes(std::string_view text)
{
    return text.empty() ? "" : text.data();
}

// Creates the missing folders up to folder, for the user alone, as
// configuration folders are.
bool CreateFolders(const std::filesystem::path& folder)
{
    std::error_code error;
    if (folder.empty() || std::filesystem::is_directory(folder, error))
        return true;
    if (folder.has_relative_path() && !CreateFolders(folder.parent_path()))
        return false;
    return mkdir(folder.c_str(), 0700) == 0 || errno == EEXIST;
}

}  // namespace

RegistryFile::OpenResult RegistryFile::Open(const std::filesystem::path& path, OpenMode mode,
                                            std::unique_ptr<RegistryFile>& file)
{
    file.reset();
    int flags = SQLITE_OPEN_READWRITE;
    if (mode == OpenMode::ExistingOnly) {
        std::error_code error;
        if (!std::filesystem::exists(path, error))
            return error ? OpenResult::Failed : OpenResult::Missing;
    } else {
        if (!CreateFolders(path.parent_path()))
            return OpenResult::Failed;
        flags |= SQLITE_OPEN_CREATE;
    }

    sqlite3* db = nullptr;
    const int opened = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    std::unique_ptr<RegistryFile> candidate(new RegistryFile(db));
    if (opened != SQLITE_OK)
        return Classify(opened);
    sqlite3_busy_timeout(db, BusyTimeoutMs);

    const OpenResult integrity = candidate->CheckIntegrity();
    if (integrity != OpenResult::Opened)
        return integrity;
    bool hasTable = false;
    if (!candidate->HasTable(hasTable))
        return Classify(sqlite3_errcode(db));
    if (!hasTable && mode == OpenMode::ExistingOnly)
        return OpenResult::Missing;
    // A table of that name that our statements do not fit is not our store.
    if (hasTable && !candidate->PrepareStatements()) {
        const int primary = sqlite3_errcode(db) & 0xff;
        return primary == SQLITE_BUSY || primary == SQLITE_LOCKED ? OpenResult::Failed : OpenResult::Damaged;
    }
    file = std::move(candidate);
    return OpenResult::Opened;
}

RegistryFile::RegistryFile(sqlite3* db) : m_db(db) {}

RegistryFile::~RegistryFile()
{
    sqlite3_finalize(m_select);
    sqlite3_finalize(m_upsert);
    if (m_db != nullptr && !sqlite3_get_autocommit(m_db))
        Execute("ROLLBACK");
    sqlite3_close_v2(m_db);
}

RegistryFile::OpenResult RegistryFile::CheckIntegrity()
{
    sqlite3_stmt* check = nullptr;
    const int prepared = sqlite3_prepare_v2(m_db, "PRAGMA quick_check", -1, &check, nullptr);
    if (prepared != SQLITE_OK)
        return Classify(prepared);
    int rows = 0;
    bool ok = false;
    int stepped;
    while ((stepped = sqlite3_step(check)) == SQLITE_ROW) {
        const auto* verdict = reinterpret_cast<const char*>(sqlite3_column_text(check, 0));
        ok = ++rows == 1 && verdict != nullptr && std::string_view(verdict) == "ok";
    }
    sqlite3_finalize(check);
    if (stepped != SQLITE_DONE)
        return Classify(stepped);
    return ok ? OpenResult::Opened : OpenResult::Damaged;
}

bool RegistryFile::HasTable(bool& hasTable)
{
    sqlite3_stmt* query = nullptr;
    if (sqlite3_prepare_v2(m_db, HasTableSql, -1, &query, nullptr) != SQLITE_OK)
        return false;
    const bool read = sqlite3_step(query) == SQLITE_ROW;
    if (read)
        hasTable = sqlite3_column_int(query, 0) > 0;
    sqlite3_finalize(query);
    return read;
}

bool RegistryFile::PrepareStatements()
{
    return sqlite3_prepare_v3(m_db, SelectSql, -1, SQLITE_PREPARE_PERSISTENT, &m_select, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v3(m_db, UpsertSql, -1, SQLITE_PREPARE_PERSISTENT, &m_upsert, nullptr) == SQLITE_OK;
}

bool RegistryFile::Execute(const char* sql)
{
    return sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool RegistryFile::EnsureTable()
{
    if (m_upsert != nullptr)
        return true;
    return Execute(CreateTableSql) && PrepareStatements();
}

bool RegistryFile::Begin(TransactionKind kind)
{
    m_inTransaction = Execute(kind == TransactionKind::Write ? "BEGIN IMMEDIATE" : "BEGIN");
    return m_inTransaction;
}

bool RegistryFile::Commit()
{
    if (!m_inTransaction || !Execute("COMMIT"))
        return false;
    m_inTransaction = false;
    return true;
}

void RegistryFile::Rollback()
{
    if (!sqlite3_get_autocommit(m_db))
        Execute("ROLLBACK");
    m_inTransaction = false;
}

bool RegistryFile::TransactionLost() const
{
    return m_inTransaction && sqlite3_get_autocommit(m_db);
}

RegistryFile::ReadResult RegistryFile::Read(std::string_view key, std::string_view name, std::string& data)
{
    if (m_select == nullptr)
        return ReadResult::Failed;
    sqlite3_bind_text(m_select, 1, Bytes(key), static_cast<int>(key.size()), SQLITE_STATIC);
    sqlite3_bind_text(m_select, 2, Bytes(name), static_cast<int>(name.size()), SQLITE_STATIC);
    ReadResult result = ReadResult::Failed;
    switch (sqlite3_step(m_select)) {
    case SQLITE_ROW: {
        // The blob pointer first: asking for the size first could convert the value.
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(m_select, 0));
        const int size = sqlite3_column_bytes(m_select, 0);
        if (bytes == nullptr && size > 0)
            break;  // out of memory
        data.assign(bytes != nullptr ? bytes : "", static_cast<std::size_t>(size));
        result = ReadResult::Found;
        break;
    }
    case SQLITE_DONE:
        result = ReadResult::NotFound;
        break;
    default:
        break;
    }
    sqlite3_reset(m_select);
    sqlite3_clear_bindings(m_select);
    return result;
}

bool RegistryFile::Write(std::string_view key, std::string_view name, RegValueType type, std::string_view data)
{
    if (m_upsert == nullptr || TransactionLost())
        return false;
    sqlite3_bind_text(m_upsert, 1, Bytes(key), static_cast<int>(key.size()), SQLITE_STATIC);
    sqlite3_bind_text(m_upsert, 2, Bytes(name), static_cast<int>(name.size()), SQLITE_STATIC);
    sqlite3_bind_int(m_upsert, 3, static_cast<int>(type));
    sqlite3_bind_blob64(m_upsert, 4, Bytes(data), data.size(), SQLITE_STATIC);
    const bool written = sqlite3_step(m_upsert) == SQLITE_DONE;
    sqlite3_reset(m_upsert);
    sqlite3_clear_bindings(m_upsert);
    return written;
}
