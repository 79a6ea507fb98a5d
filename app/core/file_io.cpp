#include "app/core/file_io.h"

#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quintavo::appcore {

namespace {

// Closes a descriptor on every path out of a function.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : m_fd(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (m_fd >= 0) ::close(m_fd);
    }
    int Get() const { return m_fd; }
    // Closes now and reports the error, which matters after writing.
    int Close() {
        const int rc = ::close(m_fd);
        m_fd = -1;
        return rc;
    }

private:
    int m_fd;
};

std::filesystem::path ResolveLink(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_symlink(path, ec)) return path;
    const auto target = std::filesystem::canonical(path, ec);
    return ec ? path : target;
}

std::atomic<unsigned> g_tempCounter{0};

} // namespace

std::string SystemErrorText(const std::filesystem::path& path, int errorNumber) {
    return path.string() + ": " + std::strerror(errorNumber);
}

ReadResult ReadFileBounded(const std::filesystem::path& path, std::size_t limit) {
    ReadResult result;
    // O_NONBLOCK keeps a named pipe from stalling the open; such files are
    // refused just below.
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.Get() < 0) {
        result.Status = errno == ENOENT ? ReadStatus::Missing : ReadStatus::Unreadable;
        result.Error = SystemErrorText(path, errno);
        return result;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        result.Status = ReadStatus::Unreadable;
        result.Error = SystemErrorText(path, errno);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.Status = ReadStatus::Unreadable;
        result.Error = SystemErrorText(path, S_ISDIR(info.st_mode) ? EISDIR : EINVAL);
        return result;
    }

    // One byte beyond the limit tells a file of exactly `limit` bytes from a
    // larger one.
    result.Data.resize(limit + 1);
    std::size_t got = 0;
    while (got < result.Data.size()) {
        const ssize_t n = ::read(fd.Get(), result.Data.data() + got, result.Data.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            result.Status = ReadStatus::Unreadable;
            result.Error = SystemErrorText(path, errno);
            result.Data.clear();
            return result;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    if (got > limit) {
        result.Status = ReadStatus::TooLarge;
        result.Data.resize(limit);
        result.Error = SystemErrorText(path, EFBIG);
    } else {
        result.Status = ReadStatus::Read;
        result.Data.resize(got);
    }
    return result;
}

FileResult WriteFileAtomically(const std::filesystem::path& requested, std::string_view data) {
    const std::filesystem::path path = ResolveLink(requested);
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) folder = ".";

    // A short fixed-form name, so a target name near the length limit still
    // leaves room for it.
    std::filesystem::path temp;
    int rawFd = -1;
    for (int attempt = 0; attempt < 100 && rawFd < 0; ++attempt) {
        temp = folder / (".quintavo-" + std::to_string(::getpid()) + "-" +
                         std::to_string(g_tempCounter.fetch_add(1)) + ".tmp");
        rawFd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (rawFd < 0 && errno != EEXIST) break;
    }
    if (rawFd < 0) return FileResult::Failure(SystemErrorText(requested, errno));
    FileDescriptor fd(rawFd);

    auto fail = [&](int errorNumber) {
        ::unlink(temp.c_str());
        return FileResult::Failure(SystemErrorText(requested, errorNumber));
    };

    struct stat old {};
    if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        // Best effort: a file that was shared or private stays so.
        if (::fchmod(fd.Get(), old.st_mode & 07777) != 0) return fail(errno);
        [[maybe_unused]] const int ignored = ::fchown(fd.Get(), old.st_uid, old.st_gid);
    }

    std::size_t written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd.Get(), data.data() + written, data.size() - written);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        written += static_cast<std::size_t>(n);
    }
    if (::fsync(fd.Get()) != 0) return fail(errno);
    if (fd.Close() != 0) return fail(errno);
    if (::rename(temp.c_str(), path.c_str()) != 0) return fail(errno);

    // Makes the rename itself durable; the new file is in place either way.
    FileDescriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Get() >= 0) ::fsync(dir.Get());
    return {};
}

} // namespace quintavo::appcore
