#include "model/core/InventoryArchive.h"

#include <cerrno>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <system_error>
#include <zip.h>

#include "model/core/CodePage1252.h"
#include "model/core/InventoryFormat.h"
#include "model/core/SidingWardDoc.h"
#include "model/core/ZipErrors.h"
#include "model/framework/FileMessages.h"
#include "model/framework/RegularFile.h"
#include "model/framework/SafeFile.h"

namespace fs = std::filesystem;

namespace inventoryarchive {
namespace {

// A picture read from its file only while libzip writes it, so that a thousand
// pictures do not hold a thousand open files, and opened as every file of the
// program is: a named pipe put in its place never holds the save.
struct CPictureSource {
    std::string path;  // the picture's name in the file system
    std::string shown; // the path as the item holds it, for the message
    std::uint64_t size = 0;
    std::time_t modified = 0;
    std::FILE* file = nullptr;
    CUserText* failure = nullptr; // where the first problem is told
    zip_error_t error{};
};

void Fail(CPictureSource& source, int zipError, int systemError, CUserText message) {
    zip_error_set(&source.error, zipError, systemError);
    if (source.failure->Empty())
        *source.failure = std::move(message);
}

zip_int64_t PictureCallback(void* state, void* data, zip_uint64_t length,
                            zip_source_cmd_t command) {
    CPictureSource& source = *static_cast<CPictureSource*>(state);
    switch (command) {
    case ZIP_SOURCE_OPEN: {
        const framework::RegularFile opened = framework::OpenRegularFile(source.path);
        if (opened.outcome != framework::OpenOutcome::Opened) {
            Fail(source, ZIP_ER_OPEN, opened.error,
                 opened.outcome == framework::OpenOutcome::NotRegularFile
                     ? filemessages::NotRegularFile(source.shown)
                     : filemessages::FileError(opened.error, source.shown));
            return -1;
        }
        source.file = opened.file;
        return 0;
    }
    case ZIP_SOURCE_READ: {
        const std::size_t got = std::fread(data, 1, static_cast<std::size_t>(length), source.file);
        if (got < length && std::ferror(source.file)) {
            const int error = errno ? errno : EIO;
            Fail(source, ZIP_ER_READ, error, filemessages::FileError(error, source.shown));
            return -1;
        }
        return static_cast<zip_int64_t>(got);
    }
    case ZIP_SOURCE_CLOSE:
        std::fclose(source.file);
        source.file = nullptr;
        return 0;
    case ZIP_SOURCE_STAT: {
        auto* stat = ZIP_SOURCE_GET_ARGS(zip_stat_t, data, length, &source.error);
        if (!stat)
            return -1;
        zip_stat_init(stat);
        stat->size = source.size;
        stat->mtime = source.modified;
        stat->valid |= ZIP_STAT_SIZE | ZIP_STAT_MTIME;
        return sizeof(zip_stat_t);
    }
    case ZIP_SOURCE_ERROR:
        return zip_error_to_data(&source.error, data, length);
    case ZIP_SOURCE_FREE:
        if (source.file)
            std::fclose(source.file);
        zip_error_fini(&source.error);
        delete &source;
        return 0;
    case ZIP_SOURCE_SUPPORTS:
        return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                              ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE,
                                              -1);
    default:
        zip_error_set(&source.error, ZIP_ER_OPNOTSUPP, 0);
        return -1;
    }
}

std::time_t ModifiedTime(const std::string& path) {
    std::error_code ec;
    const auto written = fs::last_write_time(path, ec);
    if (ec)
        return std::time(nullptr);
    return std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(written));
}

// The file name of a picture path, as it may stand in the archive: a backslash
// would be a folder to some unpackers.
std::string EntryNameOf(const std::string& picture, int number) {
    std::string name = picture.substr(picture.find_last_of('/') + 1);
    for (char& c : name) {
        if (c == '\\')
            c = '_';
    }
    return std::string(kPictureFolder) + std::to_string(number) + "-" + name;
}

// A picture to be archived: where it is read and the entry it becomes.
struct CPicture {
    std::string shown;
    std::string path;
    std::string entry; // in the inventory's code page
    std::uint64_t size = 0;
};

// The distinct pictures of the items that can be read, and those that cannot.
std::vector<CPicture> CollectPictures(const CSidingWardDoc& document,
                                      std::map<std::string, std::string>& entryOf,
                                      std::vector<std::string>& missing) {
    std::vector<CPicture> pictures;
    std::map<std::string, bool> seen;
    for (const auto& item : document.GetItems()) {
        const std::string& picture = item->GetPicture();
        if (picture.empty() || !seen.emplace(picture, true).second)
            continue;
        CPicture found{picture, codepage1252::ToUtf8(picture), {}, 0};
        const framework::RegularFile opened = framework::OpenRegularFile(found.path);
        if (opened.outcome != framework::OpenOutcome::Opened) {
            missing.push_back(picture);
            continue;
        }
        found.size = opened.size;
        std::fclose(opened.file);
        found.entry = EntryNameOf(picture, static_cast<int>(pictures.size()) + 1);
        entryOf.emplace(picture, found.entry);
        pictures.push_back(std::move(found));
    }
    return pictures;
}

// The inventory file as the archive holds it: pictures named by their entries.
std::string ArchivedInventory(const CSidingWardDoc& document,
                              const std::map<std::string, std::string>& entryOf) {
    CSidingWardDoc::ItemList items;
    items.reserve(document.GetItems().size());
    for (const auto& item : document.GetItems()) {
        auto copy = std::make_unique<CInventoryElement>(*item);
        if (const auto entry = entryOf.find(item->GetPicture()); entry != entryOf.end())
            copy->SetPicture(entry->second);
        items.push_back(std::move(copy));
    }
    return inventoryformat::Write(items, document.GetSearchHistory());
}

bool AddBuffer(zip_t* archive, std::string_view name, const std::string& bytes) {
    zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
    if (!source)
        return false;
    if (zip_file_add(archive, std::string(name).c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
        zip_source_free(source);
        return false;
    }
    return true;
}

bool AddPicture(zip_t* archive, const CPicture& picture, CUserText& failure) {
    auto* state = new CPictureSource{picture.path,
                                     picture.shown,
                                     picture.size,
                                     ModifiedTime(picture.path),
                                     nullptr,
                                     &failure,
                                     {}};
    zip_error_init(&state->error);
    zip_source_t* source = zip_source_function(archive, PictureCallback, state);
    if (!source) {
        zip_error_fini(&state->error);
        delete state;
        return false;
    }
    const zip_int64_t index = zip_file_add(archive, codepage1252::ToUtf8(picture.entry).c_str(),
                                           source, ZIP_FL_ENC_UTF_8);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    // Photographs are compressed already: deflating them again costs time for nothing.
    return zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0) ==
           0;
}

// Writes the archive's entries to the file at temporary, which libzip replaces.
FileResult WriteEntries(const std::string& temporary, const std::string& target,
                        const std::string& inventory, const std::string* catalogue,
                        const std::vector<CPicture>& pictures) {
    int code = 0;
    zip_t* archive = zip_open(temporary.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!archive) {
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const FileResult failed = FileResult::Failure(ziperrors::WriteErrorText(error, target));
        zip_error_fini(&error);
        return failed;
    }
    CUserText failure;
    bool added = AddBuffer(archive, kInventoryEntry, inventory) &&
                 (!catalogue || AddBuffer(archive, kCatalogueEntry, *catalogue));
    for (std::size_t k = 0; added && k < pictures.size(); ++k)
        added = AddPicture(archive, pictures[k], failure);
    if (added && zip_close(archive) == 0)
        return FileResult::Success();
    if (failure.Empty())
        failure = ziperrors::WriteErrorText(*zip_get_error(archive), target);
    zip_discard(archive);
    return FileResult::Failure(failure);
}

} // namespace

CArchiveWriteResult WriteArchive(const CSidingWardDoc& document, const std::string& cataloguePath,
                                 const std::string& target) {
    CArchiveWriteResult written;
    if (document.GetItems().size() > inventoryformat::kMaxItems) {
        written.result = FileResult::Failure(CUserText::Make(
            GW_TRANSLATE_NOOP("Messages", "%1 cannot be saved: an inventory holds "
                                          "at most 65535 items, this one holds %2."),
            fs::path(target).filename().string(), std::to_string(document.GetItems().size())));
        return written;
    }
    std::string catalogue;
    if (!cataloguePath.empty()) {
        written.result = safefile::ReadAll(cataloguePath, catalogue);
        if (!written.result.Succeeded())
            return written;
    }
    std::map<std::string, std::string> entryOf;
    const std::vector<CPicture> pictures =
        CollectPictures(document, entryOf, written.missingPictures);
    // Written over a file it is to hold, the archive would take that file's place.
    std::vector<std::string> held = {document.GetPathName(), cataloguePath};
    for (const CPicture& picture : pictures)
        held.push_back(picture.path);
    for (const std::string& file : held) {
        if (!file.empty() && framework::IsSameFile(file, target)) {
            written.result = FileResult::Failure(CUserText::Make(
                GW_TRANSLATE_NOOP(
                    "Messages", "%1 is the same file as %2; the archive must go to another file."),
                target, file));
            return written;
        }
    }
    const std::string inventory = ArchivedInventory(document, entryOf);

    safefile::Replacement replacement;
    written.result = safefile::BeginReplacement(target, replacement);
    if (!written.result.Succeeded())
        return written;
    written.result = WriteEntries(replacement.temporary, target, inventory,
                                  cataloguePath.empty() ? nullptr : &catalogue, pictures);
    if (!written.result.Succeeded()) {
        safefile::DiscardReplacement(replacement);
        return written;
    }
    written.result = safefile::CommitReplacement(target, replacement);
    return written;
}

} // namespace inventoryarchive
