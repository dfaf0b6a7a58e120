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
        return FileResult::Failure(path + " is not a regular file.");
    if (opened.outcome != framework::OpenOutcome::Opened)
        return FileResult::Failure(filemessages::FileErrorText(opened.error, path));
    std::FILE* file = opened.file;
    if (opened.size > maxBytes) {
        std::fclose(file);
        return FileResult::Failure(path + " is larger than the " + std::to_string(maxBytes >> 20) +
                                   " MB that the program reads.");
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
        return FileResult::Failure(filemessages::FileErrorText(ENOMEM, path));
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
        return FileResult::Failure(filemessages::FileErrorText(error ? error : EIO, path));
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
    return FileResult::Failure(filemessages::FileErrorText(error ? error : EIO, path));
}

} // namespace

FileResult WriteAll(const std::string& path, std::string_view bytes) {
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

    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    int error = written ? 0 : errno;
    if (written && std::fflush(file) != 0) {
        written = false;
        error = errno;
    }
    if (written && !framework::SyncToDisk(file)) {
        written = false;
        error = errno;
    }
    if (std::fclose(file) != 0 && written) {
        written = false;
        error = errno;
    }
    if (!written) {
        fs::remove(temporary, ec);
        return Fail(error, path);
    }

    const auto existing = fs::status(target, ec);
    if (!ec && fs::exists(existing))
        fs::permissions(temporary, existing.permissions(), ec);

    fs::rename(temporary, target, ec);
    if (ec) {
        const int renameError = ec.value();
        fs::remove(temporary, ec);
        return Fail(renameError, path);
    }
    // The new name itself must reach the disk, or a power loss can bring back the
    // old file (or none). The file is in place already; a disk error here is still
    // reported, so that the document stays modified and the user saves again.
    const fs::path folder = target.parent_path();
    if (!framework::SyncFolder(folder.empty() ? std::string(".") : folder.string()))
        return Fail(errno, path);
    return FileResult::Success();
}

} // namespace safefile
