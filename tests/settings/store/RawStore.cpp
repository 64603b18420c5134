#include "RawStore.h"

#include <sqlite3.h>

#include <stdexcept>

namespace {

// A prepared statement finalized on scope exit.
class Statement {
public:
    Statement(sqlite3* db, const std::string& sql)
    {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &m_statement, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(m_statement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    operator sqlite3_stmt*() const { return m_statement; }

private:
    sqlite3_stmt* m_statement = nullptr;
};

}  // namespace

std::string Bytes(std::initializer_list<int> bytes)
{
    std::string data;
    for (int byte : bytes)
        data.push_back(static_cast<char>(byte));
    return data;
}

RawStore::RawStore(const std::filesystem::path& path, Create create)
{
    if (create != Create::No)
        std::filesystem::create_directories(path.parent_path());
    const int flags = SQLITE_OPEN_READWRITE | (create != Create::No ? SQLITE_OPEN_CREATE : 0);
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK)
        throw std::runtime_error("cannot open " + path.string());
    if (create == Create::WithTable)
        Execute("CREATE TABLE IF NOT EXISTS registry (key TEXT NOT NULL, name TEXT NOT NULL COLLATE NOCASE, "
                "type INTEGER NOT NULL, data BLOB NOT NULL, PRIMARY KEY (key, name))");
}

RawStore::~RawStore()
{
    sqlite3_close(m_db);
}

void RawStore::Execute(const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(m_db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error != nullptr ? error : "";
        sqlite3_free(error);
        throw std::runtime_error(message);
    }
}

void RawStore::Put(std::string_view name, int type, std::string_view data)
{
    Statement put(m_db, "INSERT OR REPLACE INTO registry (key, name, type, data) VALUES (?1, ?2, ?3, ?4)");
    sqlite3_bind_text(put, 1, KeyPath, -1, SQLITE_STATIC);
    sqlite3_bind_text(put, 2, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
    sqlite3_bind_int(put, 3, type);
    sqlite3_bind_blob(put, 4, data.empty() ? "" : data.data(), static_cast<int>(data.size()), SQLITE_STATIC);
    if (sqlite3_step(put) != SQLITE_DONE)
        throw std::runtime_error(sqlite3_errmsg(m_db));
}

void RawStore::Remove(std::string_view name)
{
    Statement remove(m_db, "DELETE FROM registry WHERE key = ?1 AND name = ?2");
    sqlite3_bind_text(remove, 1, KeyPath, -1, SQLITE_STATIC);
    sqlite3_bind_text(remove, 2, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
    if (sqlite3_step(remove) != SQLITE_DONE)
        throw std::runtime_error(sqlite3_errmsg(m_db));
}

std::optional<RawValue> RawStore::Get(std::string_view name)
{
    Statement get(m_db, "SELECT type, data, typeof(data) FROM registry WHERE key = ?1 AND name = ?2");
    sqlite3_bind_text(get, 1, KeyPath, -1, SQLITE_STATIC);
    sqlite3_bind_text(get, 2, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
    if (sqlite3_step(get) != SQLITE_ROW)
        return std::nullopt;
    RawValue value;
    value.type = sqlite3_column_int(get, 0);
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(get, 1));
    value.data.assign(bytes != nullptr ? bytes : "", static_cast<std::size_t>(sqlite3_column_bytes(get, 1)));
    value.storage = reinterpret_cast<const char*>(sqlite3_column_text(get, 2));
    return value;
}

int RawStore::CountValues()
{
    Statement count(m_db, "SELECT count(*) FROM registry");
    if (sqlite3_step(count) != SQLITE_ROW)
        throw std::runtime_error(sqlite3_errmsg(m_db));
    return sqlite3_column_int(count, 0);
}

std::string RawStore::TableSql()
{
    Statement sql(m_db, "SELECT sql FROM sqlite_master WHERE type = 'table' AND name = 'registry'");
    if (sqlite3_step(sql) != SQLITE_ROW)
        return {};
    return reinterpret_cast<const char*>(sqlite3_column_text(sql, 0));
}
