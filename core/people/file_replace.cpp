#include "people/file_replace.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

namespace starwise::people {
namespace {

std::string Failure(const std::string& path, std::string_view doing, int error) {
    return "Could not write \"" + path + "\": " + std::string{doing} + " failed (" + std::strerror(error) +
           "). The earlier file, if any, is unchanged.";
}

}  // namespace

std::string ReplaceFileContents(const std::string& path, std::string_view contents) {
    namespace fs = std::filesystem;
    fs::path target = path;
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(target, error))) {
        const fs::path resolved = fs::weakly_canonical(target, error);
        if (!error) target = resolved;
    }
    struct stat info {};
    mode_t mode = 0644;
    if (::stat(target.c_str(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            return "Could not write \"" + path + "\": it is not a regular file (a device, folder or pipe), so it was "
                   "left alone. Name a regular file.";
        }
        mode = info.st_mode & 07777;
    } else if (errno != ENOENT) {
        return Failure(path, "looking at the file", errno);
    }

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path{"."};
    std::string temporary = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(temporary.begin(), temporary.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return Failure(path, "creating a temporary file in its folder", errno);
    temporary = name.data();

    const auto abandon = [&](std::string_view doing, int savedErrno) {
        ::close(fd);
        ::unlink(temporary.c_str());
        return Failure(path, doing, savedErrno);
    };
    std::size_t written = 0;
    while (written < contents.size()) {
        const ssize_t count = ::write(fd, contents.data() + written, contents.size() - written);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) return abandon("writing", count < 0 ? errno : ENOSPC);
        written += static_cast<std::size_t>(count);
    }
    if (::fchmod(fd, mode) != 0) return abandon("setting its permissions", errno);
    if (::fsync(fd) != 0) return abandon("flushing it to the disk", errno);
    if (::close(fd) != 0) {
        const int saved = errno;
        ::unlink(temporary.c_str());
        return Failure(path, "closing it", saved);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int saved = errno;
        ::unlink(temporary.c_str());
        return Failure(path, "renaming the finished file over it", saved);
    }
    // The rename itself reaches the disk when the folder is synced.
    if (const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

}  // namespace starwise::people
