#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <random>
#include <set>
#include <system_error>
#include <zip.h>

#include "model/core/CodePage1252.h"
#include "model/core/InventoryArchive.h"
#include "model/core/InventoryFormat.h"
#include "model/core/ZipErrors.h"
#include "model/framework/FileMessages.h"
#include "model/framework/FileSync.h"
#include "model/framework/RegularFile.h"

namespace fs = std::filesystem;

namespace inventoryarchive {
namespace {

// The file types of an entry's Unix mode, as the ZIP format carries them.
constexpr std::uint32_t kModeTypeMask = 0170000;
constexpr std::uint32_t kModeRegular = 0100000;
constexpr std::uint32_t kModeFolder = 0040000;

// More entries than an inventory can have pictures cannot come from the program.
constexpr zip_int64_t kMaxEntries = static_cast<zip_int64_t>(inventoryformat::kMaxItems) + 3;

constexpr std::size_t kChunk = std::size_t{1} << 20;

FileResult Unsafe(const std::string& name) {
    return FileResult::Failure(CUserText::Make(
        GW_TRANSLATE_NOOP("Messages", "The archive holds an unsafe entry: %1."), name));
}

CUserText NotEmpty(const std::string& folder) {
    return CUserText::Make(
        GW_TRANSLATE_NOOP("Messages", "%1 already exists and is not an empty folder."), folder);
}

// One of the names the program writes: the inventory, the catalogue, the picture
// folder or a picture directly inside it.
bool FollowsLayout(const std::string& name) {
    if (name == kInventoryEntry || name == kCatalogueEntry || name == kPictureFolder)
        return true;
    if (!name.starts_with(kPictureFolder))
        return false;
    const std::string file = name.substr(kPictureFolder.size());
    return !file.empty() && file != "." && file != ".." &&
           file.find_first_of(std::string_view("/\\\0", 3)) == std::string::npos;
}

// Only plain files (and the picture folder as a folder) are unpacked: a link
// could send what follows it anywhere, a device is no picture. Archives made
// elsewhere than on Unix carry no file type.
bool IsPlainEntry(zip_t* archive, zip_uint64_t index, const std::string& name) {
    zip_uint8_t system = 0;
    zip_uint32_t attributes = 0;
    if (zip_file_get_external_attributes(archive, index, 0, &system, &attributes) != 0)
        return false;
    if (system != ZIP_OPSYS_UNIX)
        return true;
    const std::uint32_t type = (attributes >> 16) & kModeTypeMask;
    return type == 0 || type == kModeRegular || (type == kModeFolder && name == kPictureFolder);
}

// A libzip archive closed (and its file with it) however the unpack ends.
struct CZipCloser {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
using ZipArchive = std::unique_ptr<zip_t, CZipCloser>;

struct CZipFileCloser {
    void operator()(zip_file_t* file) const { zip_fclose(file); }
};

// The new folder beside the target that the entries are unpacked into; removed
// with what it holds unless it was renamed into place.
class CUnpackFolder {
public:
    ~CUnpackFolder() {
        if (!m_path.empty()) {
            std::error_code ec;
            fs::remove_all(m_path, ec);
        }
    }
    FileResult Create(const fs::path& target) {
        static thread_local std::mt19937_64 generator{std::random_device{}()};
        std::error_code ec;
        for (int attempt = 0; attempt < 8; ++attempt) {
            char suffix[24];
            std::snprintf(suffix, sizeof suffix, ".%016llx~",
                          static_cast<unsigned long long>(generator()));
            const fs::path candidate = target.string() + suffix;
            if (fs::create_directory(candidate, ec)) {
                m_path = candidate;
                return FileResult::Success();
            }
            if (ec)
                break;
        }
        return FileResult::Failure(
            filemessages::FileError(ec ? ec.value() : EEXIST, target.string()));
    }
    const fs::path& Path() const { return m_path; }
    void Release() { m_path.clear(); }

private:
    fs::path m_path;
};

// The declared and the written sizes, held to the limits.
class CSizeLimit {
public:
    CSizeLimit(std::uint64_t archiveSize, const std::string& archivePath)
        : m_limit(std::min(kMaxUnpackedBytes, archiveSize * kMaxExpansion)),
          m_viaRatio(archiveSize * kMaxExpansion < kMaxUnpackedBytes), m_path(archivePath) {}

    // False once more than the limit was counted.
    bool Count(std::uint64_t& total, std::uint64_t bytes) const {
        total = bytes > m_limit ? m_limit + 1 : total + bytes;
        return total <= m_limit;
    }
    FileResult Refusal() const {
        if (m_viaRatio)
            return FileResult::Failure(CUserText::Make(
                GW_TRANSLATE_NOOP("Messages", "The archive %1 would unpack to more than %2 times "
                                              "its own size; it is not unpacked."),
                m_path, std::to_string(kMaxExpansion)));
        return FileResult::Failure(CUserText::Make(
            GW_TRANSLATE_NOOP(
                "Messages", "The archive %1 would unpack to more than 4 GiB; it is not unpacked."),
            m_path));
    }

private:
    std::uint64_t m_limit;
    bool m_viaRatio;
    std::string m_path;
};

struct CEntry {
    zip_uint64_t index;
    std::string name;
};

// Checks every entry's name, type and declared size before anything is written.
FileResult CheckEntries(zip_t* archive, const std::string& archivePath, const CSizeLimit& limit,
                        std::vector<CEntry>& entries) {
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    if (count > kMaxEntries)
        return FileResult::Failure(CUserText::Make(
            GW_TRANSLATE_NOOP("Messages", "The archive %1 holds more files than an inventory has "
                                          "pictures; it is not unpacked."),
            archivePath));
    std::set<std::string> seen;
    std::uint64_t declared = 0;
    for (zip_uint64_t index = 0; index < static_cast<zip_uint64_t>(count); ++index) {
        zip_stat_t stat;
        if (zip_stat_index(archive, index, 0, &stat) != 0)
            return FileResult::Failure(
                ziperrors::DamagedText(*zip_get_error(archive), archivePath));
        const std::string name = stat.name;
        if (!FollowsLayout(name) || !IsPlainEntry(archive, index, name) ||
            !seen.insert(name).second)
            return Unsafe(name);
        if ((stat.valid & ZIP_STAT_SIZE) && !limit.Count(declared, stat.size))
            return limit.Refusal();
        if (name != kPictureFolder)
            entries.push_back({index, name});
    }
    if (!seen.contains(std::string(kInventoryEntry)))
        return FileResult::Failure(CUserText::Make(
            GW_TRANSLATE_NOOP("Messages", "The archive %1 holds no inventory."), archivePath));
    return FileResult::Success();
}

// A file made new in the unpack folder; messages name it where it will end up.
class COutputFile {
public:
    COutputFile(const fs::path& path, std::string shown) : m_shown(std::move(shown)) {
        m_file = std::fopen(path.c_str(), "wbx");
        m_error = m_file ? 0 : errno;
    }
    ~COutputFile() {
        if (m_file)
            std::fclose(m_file);
    }
    void Write(const char* data, std::size_t size) {
        if (m_file && m_error == 0 && std::fwrite(data, 1, size, m_file) != size)
            m_error = errno ? errno : EIO;
    }
    FileResult Finish() {
        if (m_file && m_error == 0 && (std::fflush(m_file) != 0 || !framework::SyncToDisk(m_file)))
            m_error = errno ? errno : EIO;
        if (m_file && std::fclose(m_file) != 0 && m_error == 0)
            m_error = errno ? errno : EIO;
        m_file = nullptr;
        return m_error ? FileResult::Failure(filemessages::FileError(m_error, m_shown))
                       : FileResult::Success();
    }

private:
    std::FILE* m_file = nullptr;
    int m_error = 0;
    std::string m_shown;
};

// Reads one entry, counting its bytes against the limit, into bytes (the
// inventory) or into a file.
FileResult UnpackEntry(zip_t* archive, const CEntry& entry, const std::string& archivePath,
                       const CSizeLimit& limit, std::uint64_t& total, COutputFile* output,
                       std::string* bytes) {
    const std::unique_ptr<zip_file_t, CZipFileCloser> file(
        zip_fopen_index(archive, entry.index, 0));
    if (!file)
        return FileResult::Failure(ziperrors::DamagedText(*zip_get_error(archive), archivePath));
    std::vector<char> chunk(kChunk);
    while (true) {
        const zip_int64_t got = zip_fread(file.get(), chunk.data(), chunk.size());
        if (got < 0)
            return FileResult::Failure(
                ziperrors::DamagedText(*zip_file_get_error(file.get()), archivePath));
        if (got == 0)
            break;
        // Declared sizes can lie: what counts is what comes out.
        if (!limit.Count(total, static_cast<std::uint64_t>(got)))
            return limit.Refusal();
        if (output)
            output->Write(chunk.data(), static_cast<std::size_t>(got));
        else
            bytes->append(chunk.data(), static_cast<std::size_t>(got));
    }
    return output ? output->Finish() : FileResult::Success();
}

// The inventory with each archived picture named by its unpacked file.
FileResult RewritePictures(const std::string& archived, const std::string& archivePath,
                           const std::string& pictureFolder,
                           const std::set<std::string>& unpackedPictures, std::string& written) {
    CInventoryFileContents contents;
    const FileResult read = inventoryformat::Read(archived, contents);
    if (read.outcome != FileOutcome::Ok)
        return FileResult::Failure(CUserText::Make(
            GW_TRANSLATE_NOOP("Messages",
                              "The archive %1 is damaged: its inventory cannot be read (%2)"),
            archivePath, read.text.Empty() ? CUserText::Verbatim(read.message) : read.text));
    for (auto& item : contents.items) {
        const std::string& picture = item->GetPicture();
        if (picture.starts_with(kPictureFolder) &&
            unpackedPictures.contains(codepage1252::ToUtf8(picture)))
            item->SetPicture(pictureFolder + picture.substr(kPictureFolder.size()));
    }
    written = inventoryformat::Write(contents.items, contents.searchHistory);
    return FileResult::Success();
}

// The absolute form of the folder named by the user, without a trailing "/".
fs::path TargetOf(const std::string& folder) {
    std::error_code ec;
    fs::path target = fs::absolute(folder, ec).lexically_normal();
    if (!target.has_filename() && target.has_parent_path() && target != target.root_path())
        target = target.parent_path();
    return target;
}

} // namespace

FileResult UnpackArchive(const std::string& archivePath, const std::string& folder,
                         CUnpackedArchive& unpacked) {
    const fs::path target = TargetOf(folder);
    std::error_code ec;
    const fs::file_status status = fs::symlink_status(target, ec);
    if (fs::exists(status) && !(fs::is_directory(status) && fs::is_empty(target, ec)))
        return FileResult::Failure(NotEmpty(folder));
    // Picture paths are kept in the inventory's code page.
    const auto pictureFolder = codepage1252::FromUtf8((target / "pictures/").string());
    if (!pictureFolder)
        return FileResult::Failure(CUserText::Make(
            GW_TRANSLATE_NOOP("Messages", "The name of the folder %1 holds characters that an "
                                          "inventory cannot keep in its picture paths."),
            folder));

    const framework::RegularFile opened = framework::OpenRegularFile(archivePath);
    if (opened.outcome == framework::OpenOutcome::NotRegularFile)
        return FileResult::Failure(filemessages::NotRegularFile(archivePath));
    if (opened.outcome != framework::OpenOutcome::Opened)
        return FileResult::Failure(filemessages::FileError(opened.error, archivePath));
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_filep_create(opened.file, 0, -1, &error);
    if (!source) {
        std::fclose(opened.file);
        const FileResult failed = FileResult::Failure(ziperrors::DamagedText(error, archivePath));
        zip_error_fini(&error);
        return failed;
    }
    const ZipArchive archive(zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error));
    if (!archive) {
        zip_source_free(source);
        const FileResult failed = FileResult::Failure(ziperrors::DamagedText(error, archivePath));
        zip_error_fini(&error);
        return failed;
    }
    zip_error_fini(&error);

    const CSizeLimit limit(opened.size, archivePath);
    std::vector<CEntry> entries;
    if (FileResult checked = CheckEntries(archive.get(), archivePath, limit, entries);
        !checked.Succeeded())
        return checked;

    CUnpackFolder unpackFolder;
    if (FileResult created = unpackFolder.Create(target); !created.Succeeded())
        return created;
    if (!fs::create_directory(unpackFolder.Path() / "pictures", ec))
        return FileResult::Failure(filemessages::FileError(ec.value(), folder));

    std::uint64_t total = 0;
    std::string inventory;
    std::set<std::string> pictures;
    for (const CEntry& entry : entries) {
        FileResult done;
        if (entry.name == kInventoryEntry) {
            done =
                UnpackEntry(archive.get(), entry, archivePath, limit, total, nullptr, &inventory);
        } else {
            COutputFile output(unpackFolder.Path() / entry.name, (target / entry.name).string());
            done = UnpackEntry(archive.get(), entry, archivePath, limit, total, &output, nullptr);
            if (entry.name != kCatalogueEntry)
                pictures.insert(entry.name);
        }
        if (!done.Succeeded())
            return done;
    }

    std::string rewritten;
    if (FileResult read =
            RewritePictures(inventory, archivePath, *pictureFolder, pictures, rewritten);
        !read.Succeeded())
        return read;
    const std::string inventoryPath = (target / kInventoryEntry).string();
    COutputFile output(unpackFolder.Path() / kInventoryEntry, inventoryPath);
    output.Write(rewritten.data(), rewritten.size());
    if (FileResult done = output.Finish(); !done.Succeeded())
        return done;

    // An empty folder in the target's place is replaced; one that filled up
    // meanwhile makes the rename fail and the unpack with it.
    fs::rename(unpackFolder.Path(), target, ec);
    if (ec)
        return FileResult::Failure(ec.value() == ENOTEMPTY || ec.value() == EEXIST
                                       ? NotEmpty(folder)
                                       : filemessages::FileError(ec.value(), folder));
    unpackFolder.Release();
    if (!framework::SyncFolder(target.parent_path().string()))
        return FileResult::Failure(filemessages::FileError(errno, folder));
    unpacked.inventoryPath = inventoryPath;
    unpacked.cataloguePath =
        std::any_of(entries.begin(), entries.end(),
                    [](const CEntry& entry) { return entry.name == kCatalogueEntry; })
            ? (target / kCatalogueEntry).string()
            : std::string();
    return FileResult::Success();
}

} // namespace inventoryarchive
