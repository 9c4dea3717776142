// The atomic writer: a complete file or the earlier one, never a part; a
// failure named in words; nothing but regular files replaced.
#include "files/atomic_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace starwise::files {
namespace {

namespace fs = std::filesystem;

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() / ("starwise-atomic-" + std::to_string(::getpid()));
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void Put(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

    // Every entry of the folder, so that a left-over temporary file shows.
    std::size_t EntriesIn(const fs::path& folder) const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
    }

    // A failed write of big over an older file: the status, the message
    // naming the file, the older file intact, no temporary file left.
    void ExpectFailedWriteKeepsOlder(const fs::path& folder, const std::string& big, const char* cause) {
        const fs::path path = folder / "reading.pdf";
        Put(path, "older reading");
        const WriteResult result = WriteFileAtomically(path.string(), big);
        EXPECT_EQ(result.status, WriteStatus::WriteFailed) << cause << ": " << result.message;
        EXPECT_NE(result.message.find(path.string()), std::string::npos) << result.message;
        EXPECT_NE(result.message.find(cause), std::string::npos) << "expected \"" << cause << "\" in: " << result.message;
        EXPECT_EQ(Read(path), "older reading");
        EXPECT_EQ(EntriesIn(folder), 1u) << "a temporary file was left in " << folder;
    }

    fs::path folder_;
};

TEST_F(AtomicFileTest, WritesAndReplacesWholeFilesKeepingTheMode) {
    const fs::path path = folder_ / "reading.html";
    ASSERT_TRUE(WriteFileAtomically(path.string(), "first").written());
    EXPECT_EQ(Read(path), "first");
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    const WriteResult result = WriteFileAtomically(path.string(), std::string(100000, 'x'));
    ASSERT_TRUE(result.written()) << result.message;
    EXPECT_EQ(Read(path), std::string(100000, 'x'));
    EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(EntriesIn(folder_), 1u);
}

// What is not a regular file is refused and left as it was: a device (the
// full disk of /dev/full), a folder, a pipe, links to a device and to
// nothing. As root the device is a copy of /dev/full's node in the test's
// folder, so that a writer that wrongly replaced it could not harm /dev.
TEST_F(AtomicFileTest, RefusesWhatIsNotARegularFile) {
    fs::path device = folder_ / "full";
    if (::geteuid() != 0 || ::mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 7)) != 0) device = "/dev/full";
    const fs::path pipe = folder_ / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const fs::path dangling = folder_ / "dangling";
    fs::create_symlink(folder_ / "nothing", dangling);
    const fs::path linkToDevice = folder_ / "device";
    fs::create_symlink(device, linkToDevice);
    const struct {
        fs::path path;
        std::string_view cause;
    } cases[] = {{device, "it is a device, not a regular file"},
                 {folder_ / ".", "it is a folder, not a regular file"},
                 {pipe, "it is a pipe, not a regular file"},
                 {linkToDevice, "it is a device, not a regular file"},
                 {dangling, "it is a symbolic link to nothing that can be written (No such file or directory)"}};
    for (const auto& [path, cause] : cases) {
        const auto type = fs::symlink_status(path).type();
        const WriteResult result = WriteFileAtomically(path.string(), "reading");
        EXPECT_EQ(result.status, WriteStatus::NotARegularFile) << path;
        EXPECT_EQ(result.message, "Cannot write " + path.string() + ": " + std::string{cause} + ".");
        EXPECT_EQ(fs::symlink_status(path).type(), type) << path << " was replaced";
    }
    EXPECT_FALSE(fs::exists(folder_ / "nothing"));
}

TEST_F(AtomicFileTest, WritesThroughALinkAndKeepsIt) {
    const fs::path file = folder_ / "kept.pdf";
    const fs::path link = folder_ / "link.pdf";
    Put(file, "older");
    fs::create_symlink(file, link);
    ASSERT_TRUE(WriteFileAtomically(link.string(), "newer").written());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Read(file), "newer");
}

TEST_F(AtomicFileTest, MissingFolderIsNamed) {
    const fs::path path = folder_ / "no-such-folder" / "r.pdf";
    const WriteResult result = WriteFileAtomically(path.string(), "x");
    EXPECT_EQ(result.status, WriteStatus::CannotCreate);
    EXPECT_EQ(result.message, "Cannot write " + path.string() + ": No such file or directory.");
}

// A short write, as on a full disk, without root: the file size limit makes
// write() stop with EFBIG part way.
TEST_F(AtomicFileTest, ShortWriteKeepsTheOlderFile) {
    constexpr rlim_t kLimitBytes = 4096;
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = kLimitBytes;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    ExpectFailedWriteKeepsOlder(folder_, std::string(3 * kLimitBytes, 'x'), "File too large");
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, oldHandler);
}

// A full disk: a 64 KiB tmpfs (mounting needs root; skipped otherwise).
TEST_F(AtomicFileTest, FullDiskKeepsTheOlderFile) {
    const fs::path disk = folder_ / "disk";
    fs::create_directories(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root): " << std::strerror(errno);
    }
    ExpectFailedWriteKeepsOlder(disk, std::string(200000, 'x'), "No space left on device");
    ::umount2(disk.c_str(), MNT_DETACH);
}

}  // namespace
}  // namespace starwise::files
