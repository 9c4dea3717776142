#include "files/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <random>

namespace starwise::files {
namespace {

WriteResult Failure(WriteStatus status, const std::string& path, const std::string& cause) {
    return {status, "Cannot write " + path + ": " + cause + "."};
}

std::string ErrorText(int error) { return std::strerror(error); }

// The folder part of path ("." for a bare name), and the name part.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Opens a new file beside the target, named ".NAME.XXXXXX.tmp" with six
// random letters; returns the descriptor or -1 with errno set.
int CreateTemporary(const std::string& target, std::string& temporaryPath) {
    constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    constexpr int kAttempts = 100;
    std::random_device device;
    std::uniform_int_distribution<std::size_t> pick(0, kLetters.size() - 1);
    const std::string folder = FolderOf(target);
    constexpr std::size_t kNameBytesKept = 200;  // the temporary name stays under NAME_MAX (255)
    const std::string prefix =
        (folder == "/" ? "/" : folder + "/") + "." + NameOf(target).substr(0, kNameBytesKept) + ".";
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string suffix(6, 'x');
        for (char& letter : suffix) letter = kLetters[pick(device)];
        temporaryPath = prefix + suffix + ".tmp";
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

// Writes all of bytes to fd, continuing short writes; 0 or errno.
int WriteAll(int fd, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (count < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (count == 0) return ENOSPC;  // no progress: the file system took nothing
        done += static_cast<std::size_t>(count);
    }
    return 0;
}

}  // namespace

WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes) {
    if (path.empty()) return {WriteStatus::CannotCreate, "Cannot write a file without a name."};

    // The file that is replaced: the path itself, or what its link names.
    std::string target = path;
    struct stat before {};
    bool replacing = false;
    if (::lstat(path.c_str(), &before) == 0) {
        if (S_ISLNK(before.st_mode)) {
            char* resolved = ::realpath(path.c_str(), nullptr);
            if (resolved == nullptr) {
                return Failure(WriteStatus::NotARegularFile, path,
                               "it is a symbolic link to nothing that can be written (" + ErrorText(errno) + ")");
            }
            target = resolved;
            std::free(resolved);
            if (::stat(target.c_str(), &before) != 0) return Failure(WriteStatus::CannotCreate, path, ErrorText(errno));
        }
        if (!S_ISREG(before.st_mode)) {
            const char* kind = S_ISDIR(before.st_mode)                                 ? "a folder"
                               : S_ISCHR(before.st_mode) || S_ISBLK(before.st_mode) ? "a device"
                               : S_ISFIFO(before.st_mode)                            ? "a pipe"
                               : S_ISSOCK(before.st_mode)                            ? "a socket"
                                                                                     : "a special file";
            return Failure(WriteStatus::NotARegularFile, path, std::string{"it is "} + kind + ", not a regular file");
        }
        replacing = true;
    } else if (errno != ENOENT) {
        return Failure(WriteStatus::CannotCreate, path, ErrorText(errno));
    }

    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0) return Failure(WriteStatus::CannotCreate, path, ErrorText(errno));

    // Any failure from here on removes the temporary file.
    const auto abandon = [&](WriteStatus status, int error) {
        ::unlink(temporary.c_str());
        return Failure(status, path, ErrorText(error));
    };
    if (replacing && ::fchmod(fd, before.st_mode & 07777) != 0) {
        const int error = errno;
        ::close(fd);
        return abandon(WriteStatus::WriteFailed, error);
    }
    if (const int error = WriteAll(fd, bytes); error != 0) {
        ::close(fd);
        return abandon(WriteStatus::WriteFailed, error);
    }
    if (::fsync(fd) != 0) {
        const int error = errno;
        ::close(fd);
        return abandon(WriteStatus::WriteFailed, error);
    }
    if (::close(fd) != 0) return abandon(WriteStatus::WriteFailed, errno);
    if (::rename(temporary.c_str(), target.c_str()) != 0) return abandon(WriteStatus::RenameFailed, errno);

    // The rename is in the folder's entries: sync them too. File systems
    // that cannot sync a folder say EINVAL; the rename stands there anyway.
    const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) return Failure(WriteStatus::FolderSyncFailed, path, ErrorText(errno));
    const int synced = ::fsync(folder) == 0 ? 0 : errno;
    ::close(folder);
    if (synced != 0 && synced != EINVAL) {
        return Failure(WriteStatus::FolderSyncFailed, path,
                       "the file is written, but its folder could not be synced (" + ErrorText(synced) + ")");
    }
    return {};
}

}  // namespace starwise::files
