// Writing a whole file so that a reader (or a crash) sees either the earlier
// file or the complete new one, never a part.
#pragma once

#include <string>
#include <string_view>

namespace starwise::people {

// Writes `contents` to a new file in the target's folder, checks every
// write, flushes it to the disk (fsync) and renames it over `path`; then
// syncs the folder. A target that exists must be a regular file (a link is
// followed, and the file it names is replaced); a device, folder or pipe is
// refused. On any failure the earlier file is left untouched, the temporary
// file is removed and the answer says what failed; empty on success.
std::string ReplaceFileContents(const std::string& path, std::string_view contents);

}  // namespace starwise::people
