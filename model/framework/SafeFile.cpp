#include "model/framework/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <new>
#include <random>
#include <system_error>

#include "model/framework/FileMessages.h"
#include "model/framework/FileSync.h"
#include "model/framework/RegularFile.h"

namespace fs = std::filesystem;

namespace safefile {

FileResult ReadAll(const std::string& path, std::string& bytes, std::uintmax_t maxBytes) {
    bytes.clear();
    const framework::RegularFile opened = framework::OpenRegularFile(path);
    if (opened.outcome == framework::OpenOutcome::NotRegularFile)
        return FileResult::Failure(filemessages::NotRegularFile(path));
    if (opened.outcome != framework::OpenOutcome::Opened)
        return FileResult::Failure(filemessages::FileError(opened.error, path));
    std::FILE* file = opened.file;
    if (opened.size > maxBytes) {
        std::fclose(file);
        return FileResult::Failure(CUserText::Make(
            GW_TRANSLATE_NOOP("Messages", "%1 is larger than the %2 MB that the program reads."),
            path, std::to_string(maxBytes >> 20)));
    }
    // Only the bytes the file held when it was opened are read: a file that grows
    // meanwhile is cut there, one that shrinks just ends sooner.
    std::string data;
    try {
        // A sparse file can claim far more than memory holds.
        if (opened.size > data.max_size())
            throw std::bad_alloc();
        data.resize(static_cast<std::size_t>(opened.size));
    } catch (const std::bad_alloc&) {
        std::fclose(file);
        return FileResult::Failure(filemessages::FileError(ENOMEM, path));
    }
    std::size_t filled = 0;
    while (filled < data.size()) {
        const std::size_t got = std::fread(data.data() + filled, 1, data.size() - filled, file);
        if (got == 0)
            break;
        filled += got;
    }
    data.resize(filled);
    const bool failed = std::ferror(file) != 0;
    const int error = errno;
    std::fclose(file);
    if (failed)
        return FileResult::Failure(filemessages::FileError(error ? error : EIO, path));
    bytes = std::move(data);
    return FileResult::Success();
}

namespace {

std::string TemporaryNameBeside(const fs::path& target) {
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%016llx~", static_cast<unsigned long long>(generator()));
    return target.string() + suffix;
}

FileResult Fail(int error, const std::string& path) {
    return FileResult::Failure(filemessages::FileError(error ? error : EIO, path));
}

FileResult Discarded(const Replacement& replacement, int error, const std::string& path) {
    DiscardReplacement(replacement);
    return Fail(error, path);
}

// Something other than a regular file or a folder exists at path (links followed).
bool IsOtherThanFile(const fs::path& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    return !ec && fs::exists(status) && !fs::is_regular_file(status) && !fs::is_directory(status);
}

} // namespace

FileResult BeginReplacement(const std::string& path, Replacement& replacement, std::FILE** opened) {
    std::error_code ec;
    fs::path target = path;
    // Write through a symbolic link (or a chain of them, even one whose file does
    // not exist yet) to the file it names instead of replacing the link.
    for (int hop = 0; hop < 40 && fs::is_symlink(fs::symlink_status(target, ec)); ++hop) {
        const fs::path linked = fs::read_symlink(target, ec);
        if (ec)
            break;
        target = linked.is_absolute() ? linked : target.parent_path() / linked;
    }
    // Renaming over a named pipe or a device would take its name away from it (as
    // root, even from /dev/null); a folder is left to the rename, which says why.
    if (IsOtherThanFile(target))
        return FileResult::Failure(filemessages::NotRegularFile(path));
    // Renaming over a file needs only the folder's permission; a file the user may
    // not write is refused, as if it were written in place.
    if (!framework::MayReplace(target.string()))
        return Fail(EACCES, path);

    std::string temporary;
    std::FILE* file = nullptr;
    for (int attempt = 0; attempt < 8 && !file; ++attempt) {
        temporary = TemporaryNameBeside(target);
        file = std::fopen(temporary.c_str(), "wbx");
        if (!file && errno != EEXIST)
            break;
    }
    if (!file)
        return Fail(errno, path);
    replacement = {target.string(), temporary};
    if (opened)
        *opened = file;
    else if (std::fclose(file) != 0)
        return Discarded(replacement, errno, path);
    return FileResult::Success();
}

FileResult CommitReplacement(const std::string& path, const Replacement& replacement) {
    // The data must be on the disk before the name: a power loss after the rename
    // must not leave an empty file where the old one was.
    std::FILE* file = std::fopen(replacement.temporary.c_str(), "rb+");
    if (!file)
        return Discarded(replacement, errno, path);
    const bool synced = framework::SyncToDisk(file);
    int error = synced ? 0 : errno;
    if (std::fclose(file) != 0 && synced)
        error = errno;
    if (!synced || error != 0)
        return Discarded(replacement, error, path);
    // The target may have been replaced by something else meanwhile.
    if (IsOtherThanFile(replacement.target)) {
        DiscardReplacement(replacement);
        return FileResult::Failure(filemessages::NotRegularFile(path));
    }

    std::error_code ec;
    const auto existing = fs::status(replacement.target, ec);
    if (!ec && fs::exists(existing))
        fs::permissions(replacement.temporary, existing.permissions(), ec);
    fs::rename(replacement.temporary, replacement.target, ec);
    if (ec)
        return Discarded(replacement, ec.value(), path);
    // The new name itself must reach the disk, or a power loss can bring back the
    // old file (or none). The file is in place already; a disk error here is still
    // reported, so that the document stays modified and the user saves again.
    const fs::path folder = fs::path(replacement.target).parent_path();
    if (!framework::SyncFolder(folder.empty() ? std::string(".") : folder.string()))
        return Fail(errno, path);
    return FileResult::Success();
}

void DiscardReplacement(const Replacement& replacement) {
    std::error_code ec;
    fs::remove(replacement.temporary, ec);
}

FileResult WriteAll(const std::string& path, std::string_view bytes) {
    Replacement replacement;
    std::FILE* file = nullptr;
    if (FileResult begun = BeginReplacement(path, replacement, &file); !begun.Succeeded())
        return begun;
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int error = written ? 0 : errno;
    if (written && std::fflush(file) != 0) {
        written = false;
        error = errno;
    }
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written)
        return Discarded(replacement, error, path);
    return CommitReplacement(path, replacement);
}

} // namespace safefile
