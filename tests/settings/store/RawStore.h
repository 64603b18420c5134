#pragma once
// Direct access to a store database with plain SQL, as another tool would
// have: to check the documented format and to plant values that the program
// itself would never write.

#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;

struct RawValue {
    int type = 0;      // 1 string, 4 integer
    std::string data;  // the stored bytes
    std::string storage;  // SQLite's storage class of data ("blob", "text", ...)
};

class RawStore {
public:
    static constexpr const char* KeyPath = "SOFTWARE\\Orvik\\Lodestrel";

    // Opens the database; Empty and WithTable create it when missing, the
    // latter with the documented table.
    enum class Create { No, Empty, WithTable };
    explicit RawStore(const std::filesystem::path& path, Create create = Create::No);
    ~RawStore();
    RawStore(const RawStore&) = delete;
    RawStore& operator=(const RawStore&) = delete;

    void Put(std::string_view name, int type, std::string_view data);
    void Remove(std::string_view name);
    // The value with exactly this name (compared without regard to case, as the table does).
    std::optional<RawValue> Get(std::string_view name);
    int CountValues();
    // The CREATE statement of the registry table as SQLite keeps it.
    std::string TableSql();
    void Execute(const std::string& sql);

private:
    sqlite3* m_db = nullptr;
};

// Bytes from a list of numbers, for values that are not text.
std::string Bytes(std::initializer_list<int> bytes);
