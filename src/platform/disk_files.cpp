#include "platform/disk_files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <system_error>

#include "platform/xdg_folders.h"

namespace shortmsg {
namespace {

// Closes the file when it goes out of scope.
struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool IsSafeRelativePath(std::string_view path) {
    if (path.empty() || path.front() == '/') return false;
    size_t start = 0;
    for (;;) {
        const size_t slash = path.find('/', start);
        const std::string_view part = path.substr(start, slash - start);
        if (part.empty() || part == "." || part == ".." ||
            part.find('\0') != std::string_view::npos) {
            return false;
        }
        if (slash == std::string_view::npos) return true;
        start = slash + 1;
    }
}

std::filesystem::path DataRootFor(const char* xdgDataHome, const char* home) {
    return XdgShortmsgFolder(xdgDataHome, home, ".local/share");
}

std::filesystem::path DefaultDataRoot() {
    return DataRootFor(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

DiskFiles::DiskFiles(std::filesystem::path root) : root_(std::move(root)) {}

bool DiskFiles::Append(const std::string& path, std::string_view bytes, std::string& error) {
    return Write(path, bytes, "ab", error);
}

bool DiskFiles::Output(const std::string& path, std::string_view bytes, std::string& error) {
    return Write(path, bytes, "wb", error);
}

bool DiskFiles::Write(const std::string& path, std::string_view bytes, const char* mode,
                      std::string& error) {
    if (!IsSafeRelativePath(path)) {
        error = "not a file name inside the data folder: " + path;
        return false;
    }
    const std::filesystem::path full = root_ / path;
    std::error_code ec;
    std::filesystem::create_directories(full.parent_path(), ec);
    if (ec) {
        error = "cannot create the folder of " + path + ": " + ec.message();
        return false;
    }
    if (std::filesystem::is_directory(full, ec)) {
        error = "cannot write " + path + ": a folder of that name is in the way";
        return false;
    }
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(full.c_str(), mode));
    if (!file) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    const bool closed = std::fclose(file.release()) == 0;
    if (!written || !closed) {
        error = "cannot write " + path + ": " + std::strerror(errno);
        return false;
    }
    return true;
}

RecordingFiles::RecordingFiles(TextFiles& inner, Hook onWrite)
    : inner_(inner), onWrite_(std::move(onWrite)) {}

bool RecordingFiles::Append(const std::string& path, std::string_view bytes, std::string& error) {
    if (!inner_.Append(path, bytes, error)) return false;
    if (onWrite_) onWrite_(path, bytes);
    return true;
}

bool RecordingFiles::Output(const std::string& path, std::string_view bytes, std::string& error) {
    if (!inner_.Output(path, bytes, error)) return false;
    if (onWrite_) onWrite_(path, bytes);
    return true;
}

}  // namespace shortmsg
