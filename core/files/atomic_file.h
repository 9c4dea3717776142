// Writing a whole file so that it is either complete or not there: the
// bytes go to a temporary file in the target's folder, which is renamed over
// the target only when every byte is written and on the disk. Any failure
// leaves an earlier file at the path as it was.
#pragma once

#include <string>
#include <string_view>

namespace starwise::files {

enum class WriteStatus {
    Written,
    NotARegularFile,  // the path names a folder, a device, a pipe or a socket
    CannotCreate,     // no temporary file could be made in the target's folder
    WriteFailed,      // a write, the sync or the close failed (disk full, I/O error)
    RenameFailed,     // the complete file could not be put in the target's place
    FolderSyncFailed  // the file is in place, but its folder could not be synced
};

struct WriteResult {
    WriteStatus status = WriteStatus::Written;
    // Empty when written; otherwise a sentence naming the file and the
    // cause: "Cannot write /tmp/r.pdf: No space left on device."
    std::string message;

    bool written() const { return status == WriteStatus::Written; }
};

// Writes bytes as the whole content of the file at path (POSIX file calls).
// Every write's count is checked (short writes are continued, a write of no
// bytes is taken as a full disk), then the file is fsync'ed and closed,
// renamed over path, and the folder fsync'ed so that the rename lasts.
// A new file gets mode 0666 less the umask; a replaced file keeps its mode.
// A path that exists and is not a regular file is refused and left alone.
// A symbolic link is followed: the file it points to is replaced and the
// link kept, as a person who saves through a link expects; a link to
// nothing, or to something not a regular file, is refused.
WriteResult WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace starwise::files
