#include "settings/store/RegStore.h"

#include <cstdint>
#include <variant>

#include "settings/store/DamagedStore.h"
#include "settings/store/StoreLocation.h"
#include "settings/store/StoredValues.h"

namespace {

constexpr const char* CompanyKey = "SOFTWARE\\Orvik";
constexpr const char* ProgramKey = "\\Lodestrel";
constexpr std::size_t DwordSize = 4;

std::string EncodeDword(int value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    std::string data(DwordSize, '\0');
    for (std::size_t i = 0; i < DwordSize; ++i)
        data[i] = static_cast<char>((bits >> (8 * i)) & 0xff);
    return data;
}

int DecodeDword(std::string_view data)
{
    std::uint32_t bits = 0;
    for (std::size_t i = DwordSize; i-- > 0;)
        bits = bits << 8 | static_cast<unsigned char>(data[i]);
    return static_cast<int>(bits);
}

// "%s%d": the name of a condition's value.
std::string ValueName(const char* prefix, int number)
{
    return prefix + std::to_string(number);
}

// The primitive that fits a field's type.
int ReadField(CRegStore& store, std::string_view name, int& target)
{
    return store.ReadDword(name, target);
}
int ReadField(CRegStore& store, std::string_view name, std::string& target)
{
    return store.ReadString(name, target);
}
int CreateWriteField(CRegStore& store, std::string_view name, int value)
{
    return store.CreateWriteDword(name, value);
}
int CreateWriteField(CRegStore& store, std::string_view name, const std::string& text)
{
    return store.CreateWriteString(name, text);
}

}  // namespace

CRegStore::CRegStore() : CRegStore(DefaultStoreFile()) {}

CRegStore::CRegStore(std::filesystem::path storeFile)
    : m_keyPath(std::string(CompanyKey) + ProgramKey), m_storeFile(std::move(storeFile))
{
}

CRegStore::~CRegStore() = default;

int CRegStore::Fail(int status)
{
    m_lastStatus = status;
    if (m_session == Session::Save && m_saveFailure == StatusOk)
        m_saveFailure = status;
    return status;
}

// A damaged database is moved aside first, so that the key then reads as
// missing and a creating open starts a fresh store.
std::unique_ptr<RegistryFile> CRegStore::OpenKey(RegistryFile::OpenMode mode)
{
    std::unique_ptr<RegistryFile> key;
    if (m_storeFile.empty())
        return key;
    if (RegistryFile::Open(m_storeFile, mode, key) == RegistryFile::OpenResult::Damaged &&
        MoveDamagedStoreAside(m_storeFile))
        RegistryFile::Open(m_storeFile, mode, key);
    return key;
}

// The key held open by the running Load or Save, else the existing key opened
// for this one call (kept in ownKey). Null when there is none.
RegistryFile* CRegStore::UseKey(std::unique_ptr<RegistryFile>& ownKey)
{
    if (m_session != Session::None)
        return m_key.get();
    ownKey = OpenKey(RegistryFile::OpenMode::ExistingOnly);
    return ownKey.get();
}

bool CRegStore::CreateKey()
{
    if (m_session != Session::None)
        return m_key != nullptr;
    const std::unique_ptr<RegistryFile> key = OpenKey(RegistryFile::OpenMode::CreateIfMissing);
    return key != nullptr && key->EnsureTable();
}

int CRegStore::ReadValue(std::string_view name, std::string& data)
{
    std::unique_ptr<RegistryFile> ownKey;
    RegistryFile* key = UseKey(ownKey);
    if (key == nullptr)
        return Fail(StatusOpenKeyFailed);
    switch (key->Read(m_keyPath, name, data)) {
    case RegistryFile::ReadResult::Found:
        return StatusOk;
    case RegistryFile::ReadResult::NotFound:
        return Fail(StatusNoValue);
    case RegistryFile::ReadResult::Failed:
        break;
    }
    return Fail(StatusReadFailed);
}

int CRegStore::WriteValue(std::string_view name, RegValueType type, std::string_view data)
{
    std::unique_ptr<RegistryFile> ownKey;
    RegistryFile* key = UseKey(ownKey);
    if (key == nullptr)
        return Fail(StatusOpenKeyFailed);
    if (m_writeHook && m_writeHook(name) == WriteVerdict::Fail)
        return Fail(StatusWriteFailed);
    if (!key->Write(m_keyPath, name, type, data))
        return Fail(StatusWriteFailed);
    return StatusOk;
}

int CRegStore::ReadString(std::string_view name, std::string& target)
{
    std::string data;
    const int status = ReadValue(name, data);
    if (status == StatusOk)
        target = std::move(data);
    return status;
}

int CRegStore::ReadDword(std::string_view name, int& target)
{
    std::string data;
    const int status = ReadValue(name, data);
    if (status != StatusOk)
        return status;
    if (data.size() != DwordSize)
        return Fail(StatusReadFailed);
    target = DecodeDword(data);
    return StatusOk;
}

int CRegStore::WriteString(std::string_view name, std::string_view text)
{
    return WriteValue(name, RegValueType::String, text);
}

int CRegStore::WriteDword(std::string_view name, int value)
{
    return WriteValue(name, RegValueType::Dword, EncodeDword(value));
}

int CRegStore::CreateWriteString(std::string_view name, std::string_view text)
{
    if (!CreateKey()) {
        Fail(StatusCreateKeyFailed);
        return -1;
    }
    return WriteString(name, text) == StatusOk ? 0 : -1;
}

int CRegStore::CreateWriteDword(std::string_view name, int value)
{
    if (!CreateKey()) {
        Fail(StatusCreateKeyFailed);
        return -1;
    }
    return WriteDword(name, value) == StatusOk ? 0 : -1;
}

void CRegStore::Load(JobSettings& job, SearchList& list)
{
    BeginLoad();
    LoadJob(job);
    if (job.AplName.empty())
        job.AplExec = 0;
    LoadConditions(list);
    LoadFileNames(job);
    EndSession();
}

// Reads see one consistent state of the store, even while another program saves.
void CRegStore::BeginLoad()
{
    m_session = Session::Load;
    m_key = OpenKey(RegistryFile::OpenMode::ExistingOnly);
    if (m_key != nullptr && !m_key->Begin(RegistryFile::TransactionKind::Read))
        m_key.reset();
}

void CRegStore::LoadJob(JobSettings& job)
{
    for (const JobValue& value : JobValues)
        std::visit([&](auto field) { ReadField(*this, value.name, job.*field); }, value.field);
    job.ComentChar = ComentCharFor(job.Coment);
}

// The list ends at the first position whose SearchString is empty or cannot be
// read; a condition whose search string is already in the list is dropped.
void CRegStore::LoadConditions(SearchList& list)
{
    for (int n = 0; n < SearchList::MaxCount; ++n) {
        auto condition = std::make_unique<CSearchInf>();
        for (const ConditionValue& value : ConditionValues)
            std::visit([&](auto field) { ReadField(*this, ValueName(value.prefix, n), (*condition).*field); },
                       value.field);
        if (condition->SearchString.empty())
            return;
        list.AddUnique(std::move(condition));
    }
}

// Only the file name of the mode the job is in is restored, with the result file.
void CRegStore::LoadFileNames(JobSettings& job)
{
    if (job.FileSaveRest == 0)
        return;
    if (job.DirMode == 0)
        ReadString(SourceFileValue, job.SourceFile);
    else
        ReadString(SearchDirValue, job.SearchDir);
    ReadString(ResultFileValue, job.ResultFile);
}

int CRegStore::Save(const JobSettings& job, const SearchList& list)
{
    BeginSave();
    SaveJob(job);
    SaveConditions(list);
    SaveFileNames(job);
    return EndSave();
}

// The write lock is taken at once, so a save that starts while another is
// running waits for it (SQLite's busy timeout) and ends after it.
void CRegStore::BeginSave()
{
    m_session = Session::Save;
    m_saveFailure = StatusOk;
    m_key = OpenKey(RegistryFile::OpenMode::CreateIfMissing);
    if (m_key != nullptr && !(m_key->Begin(RegistryFile::TransactionKind::Write) && m_key->EnsureTable()))
        m_key.reset();
}

void CRegStore::SaveJob(const JobSettings& job)
{
    for (const JobValue& value : JobValues)
        std::visit([&](auto field) { CreateWriteField(*this, value.name, job.*field); }, value.field);
}

// Every position past the list gets an empty search string, so a shorter list
// never brings back conditions of an earlier, longer one.
void CRegStore::SaveConditions(const SearchList& list)
{
    for (int n = 0; n < SearchList::MaxCount; ++n) {
        if (n < list.Count()) {
            const CSearchInf& condition = list.At(n);
            for (const ConditionValue& value : ConditionValues)
                std::visit([&](auto field) { CreateWriteField(*this, ValueName(value.prefix, n), condition.*field); },
                           value.field);
        } else {
            CreateWriteString(ValueName("SearchString", n), "");
            CreateWriteDword(ValueName("SkipUse", n), 0);
            CreateWriteString(ValueName("SkipStr", n), "");
        }
    }
}

void CRegStore::SaveFileNames(const JobSettings& job)
{
    const bool keep = job.FileSaveRest != 0;
    CreateWriteString(SourceFileValue, keep ? std::string_view(job.SourceFile) : std::string_view());
    CreateWriteString(SearchDirValue, keep ? std::string_view(job.SearchDir) : std::string_view());
    CreateWriteString(ResultFileValue, keep ? std::string_view(job.ResultFile) : std::string_view());
}

// Commits only a save in which every value was written; otherwise the
// transaction is rolled back and the store keeps its complete old settings.
int CRegStore::EndSave()
{
    if (m_key != nullptr && m_saveFailure == StatusOk && !m_key->Commit())
        Fail(StatusWriteFailed);
    const int outcome = m_saveFailure;
    EndSession();
    return outcome;
}

// Closing the key ends its transaction; what was not committed is rolled back.
void CRegStore::EndSession()
{
    m_key.reset();
    m_session = Session::None;
}
