#include "framework/SafeFile.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "framework/FileMessages.h"
#include "framework/FileSync.h"

namespace fs = std::filesystem;

namespace safefile {

FileResult ReadAll(const std::string& path, std::string& bytes, std::uintmax_t maxBytes) {
    bytes.clear();
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file)
        return FileResult::Failure(filemessages::FileErrorText(errno, path));
    std::string data;
    char buffer[1 << 16];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        if (data.size() + got > maxBytes) {
            std::fclose(file);
            return FileResult::Failure(path + " is larger than the " +
                                       std::to_string(maxBytes >> 20) +
                                       " MB that the program reads.");
        }
        data.append(buffer, got);
    }
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
    return FileResult::Success();
}

} // namespace safefile
