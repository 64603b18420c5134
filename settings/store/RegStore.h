#pragma once
// CRegStore: the settings store. Load fills JobSettings and the condition list
// from the key SOFTWARE\Orvik\Lodestrel at start; Save writes them back at the
// end. The key lives in an SQLite database (see RegistryFile.h), by default
// registry.db under the user's configuration folder (StoreLocation.h).
//
// The primitives return a status code and keep each failure as the last
// status; Load and Save go on past a failed value. Beyond that:
// - A save is one transaction: after a crash, a kill or a failed write the
//   store holds the complete old settings or the complete new ones.
// - Several programs may save at once; each save waits for the one before it,
//   so the later save wins.
// - A store file that is not a database, or is damaged, is moved aside
//   (DamagedStore.h); loading then keeps the defaults and the next save
//   writes a fresh store.
// - An integer value whose stored size is not 4 bytes is not read: status 2,
//   the field keeps its value.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "settings/JobSettings.h"
#include "settings/SearchList.h"
#include "settings/store/RegistryFile.h"

class CRegStore {
public:
    // Status codes of the primitives.
    enum Status : int {
        StatusOk = 0,
        StatusCreateKeyFailed = 1,  // the key could not be created
        StatusReadFailed = 2,       // the value's data could not be read
        StatusWriteFailed = 3,      // the value could not be written
        StatusOpenKeyFailed = 5,    // the key could not be opened (a missing key included)
        StatusNoValue = 6,          // the value does not exist
    };

    // What a test fault hook decides for the value about to be written.
    enum class WriteVerdict { Proceed, Fail };
    using WriteHook = std::function<WriteVerdict(std::string_view name)>;

    // The store of the current user (DefaultStoreFile()).
    CRegStore();
    // The store in the given database file; nothing is created until a write.
    explicit CRegStore(std::filesystem::path storeFile);
    ~CRegStore();
    CRegStore(const CRegStore&) = delete;
    CRegStore& operator=(const CRegStore&) = delete;

    const std::string& KeyPath() const { return m_keyPath; }
    const std::filesystem::path& StoreFile() const { return m_storeFile; }
    // The code of the last failure; 0 until one happens, never reset.
    int LastStatus() const { return m_lastStatus; }

    // Fills job and list from the store; a value that is missing or cannot be
    // read leaves its field as it was.
    void Load(JobSettings& job, SearchList& list);
    // Writes job and list to the store in one transaction. Returns 0 when the
    // save was committed; otherwise the status of its first failure, and the
    // store keeps what it held before.
    int Save(const JobSettings& job, const SearchList& list);

    int ReadString(std::string_view name, std::string& target);
    // A stored size other than 4 bytes is status 2 and leaves target alone.
    int ReadDword(std::string_view name, int& target);
    // Write into an existing key; status 5 when there is none.
    int WriteString(std::string_view name, std::string_view text);
    int WriteDword(std::string_view name, int value);
    // Create the key when missing, then write: 0, or -1 on any failure.
    int CreateWriteString(std::string_view name, std::string_view text);
    int CreateWriteDword(std::string_view name, int value);

    // For tests: called before each value is written, to make a write fail or
    // to stop the process in the middle of a save.
    void SetWriteHook(WriteHook hook) { m_writeHook = std::move(hook); }

private:
    // Which whole operation holds the key open; primitives outside one open
    // the key for themselves.
    enum class Session { None, Load, Save };

    int Fail(int status);
    std::unique_ptr<RegistryFile> OpenKey(RegistryFile::OpenMode mode);
    RegistryFile* UseKey(std::unique_ptr<RegistryFile>& ownKey);
    bool CreateKey();
    int ReadValue(std::string_view name, std::string& data);
    int WriteValue(std::string_view name, RegValueType type, std::string_view data);

    void BeginLoad();
    void LoadJob(JobSettings& job);
    void LoadConditions(SearchList& list);
    void LoadFileNames(JobSettings& job);
    void BeginSave();
    void SaveJob(const JobSettings& job);
    void SaveConditions(const SearchList& list);
    void SaveFileNames(const JobSettings& job);
    int EndSave();
    void EndSession();

    std::string m_keyPath;
    std::filesystem::path m_storeFile;
    int m_lastStatus = StatusOk;
    Session m_session = Session::None;
    std::unique_ptr<RegistryFile> m_key;  // held open for the whole Load or Save
    int m_saveFailure = StatusOk;         // the first failure of the running Save
    WriteHook m_writeHook;
};
