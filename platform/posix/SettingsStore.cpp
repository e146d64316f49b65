// The per-user settings store: a key path becomes a folder under the user's
// configuration directory and a value becomes a file in it. A value is
// replaced atomically (a temporary file no other save uses, flushed, then
// renamed over it) and durably (the folder flushed after the rename), so a
// crash never leaves a partial value behind, a power cut never undoes a
// save that succeeded, and two copies saving at once both succeed. No file
// is opened through a symlink, and nothing but a regular file is ever
// opened for reading.
#include "platform/posix/Files.h"
#include "platform/Backend.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// "Software\A\B\C" → "<config>/A/B/C": the leading "Software" level has no
// meaning in a per-user configuration directory.
std::string KeyFolder(const char* keyPath) {
    const std::string base = ConfigFolder();
    if (base.empty()) return {};
    std::string path = keyPath;
    const std::string prefix = "Software\\";
    if (path.compare(0, prefix.size(), prefix) == 0) path.erase(0, prefix.size());
    for (char& c : path)
        if (c == '\\') c = '/';
    return base + "/" + path;
}

// Flushes the folder's entries, so that a rename in it survives a power
// cut. A file system that cannot flush a folder at all says EINVAL; its
// renames are then as lasting as it can make them, which is no failure.
bool SyncFolder(const std::string& folder) {
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool synced = fsync(fd) == 0 || errno == EINVAL;
    close(fd);
    return synced;
}

// Makes the folder and those above it that are missing. Each new folder is
// flushed into its parent, as a rename is, or a power cut could take the
// folder and the first record saved in it.
bool MakeFolders(const std::string& folder) {
    for (size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) == 0) {
            if (!SyncFolder(part.substr(0, std::max<size_t>(part.rfind('/'), 1)))) return false;
        } else if (errno != EEXIST) {
            return false;
        }
        if (slash == std::string::npos) break;
    }
    struct stat info {};
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Whether a folder can be made in `parent`. Permission bits do not tell
// (root passes them all, and some file systems refuse every new entry), so
// a folder is made and removed at once under a name no other run uses: the
// start leaves nothing behind.
bool CanMakeFolderIn(const std::string& parent) {
    const std::string probe = parent + "/.stellarion-probe." + std::to_string(getpid());
    if (mkdir(probe.c_str(), 0700) != 0) return false;
    rmdir(probe.c_str());
    return true;
}

// Whether the key's folder exists and can be used, or could be made: the
// nearest folder above it that exists is a directory where this user can
// make a folder. Nothing is kept from the test: the key's folder appears
// with the first saved value.
bool FolderUsableOrMakeable(const std::string& folder) {
    std::string path = folder;
    for (;;) {
        struct stat info {};
        if (stat(path.c_str(), &info) == 0) {
            if (!S_ISDIR(info.st_mode)) return false;
            if (path == folder) return access(path.c_str(), R_OK | W_OK | X_OK) == 0;
            return CanMakeFolderIn(path);
        }
        const size_t slash = path.rfind('/');
        if (errno != ENOENT || slash == 0 || slash == std::string::npos) return false;
        path.erase(slash);
    }
}

enum class Reading { Read, Absent, Failed };

// Absent: no file, or one that is not this record (another size, a FIFO,
// a device, a socket, a symlink: none of them is opened, so none can block
// or be read through). Failed: the record may be there but could not be
// read.
Reading ReadValue(const std::string& file, void* buffer, size_t size) {
    struct stat info {};
    if (lstat(file.c_str(), &info) != 0)
        return errno == ENOENT || errno == ENOTDIR ? Reading::Absent : Reading::Failed;
    if (!S_ISREG(info.st_mode) || static_cast<size_t>(info.st_size) != size) return Reading::Absent;
    const int fd = open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ELOOP ? Reading::Absent : Reading::Failed;
    // Checked again on what was opened: the entry may have been replaced.
    Reading result = fstat(fd, &info) != 0 ? Reading::Failed
                     : !S_ISREG(info.st_mode) || static_cast<size_t>(info.st_size) != size
                         ? Reading::Absent
                         : Reading::Read;
    auto* bytes = static_cast<char*>(buffer);
    for (size_t done = 0; result == Reading::Read && done < size;) {
        const ssize_t got = read(fd, bytes + done, size - done);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) result = Reading::Failed;
        else done += static_cast<size_t>(got);
    }
    close(fd);
    return result;
}

// The file whose last read failed for another reason than its absence. It
// is not replaced: a transient fault at start must not cost the user a good
// record at exit.
std::string UnreadableFile;

// Temporary copies are "<value>.new.<process id>" (the record being
// written) and "<value>.old.<process id>" (the record it replaces, kept
// until the new one is safely in place): unique among running copies, and
// a stale one (its process gone, after a kill) can be told from one in use.
constexpr const char* NewCopy = ".new";
constexpr const char* OldCopy = ".old";
constexpr size_t CopyKindLength = 4;

std::string TemporaryName(const char* valueName, const char* kind, long process) {
    return std::string(valueName) + kind + "." + std::to_string(process);
}

// The process id in ".<digits>", 0 when `suffix` is not that.
long ProcessSuffix(const char* suffix) {
    if (*suffix != '.' || suffix[1] == 0) return 0;
    long process = 0;
    for (const char* p = suffix + 1; *p; ++p) {
        if (*p < '0' || *p > '9' || process > 99999999) return 0;
        process = process * 10 + (*p - '0');
    }
    return process;
}

// The process that wrote a temporary copy of the value, 0 when the name is
// not one of ours; -1 for the fixed name earlier versions used.
long TemporaryWriter(const char* name, const char* valueName) {
    const size_t length = std::strlen(valueName);
    if (std::strncmp(name, valueName, length) != 0) return 0;
    const char* kind = name + length;
    if (std::strcmp(kind, NewCopy) == 0) return -1;
    for (const char* known : {NewCopy, OldCopy})
        if (std::strncmp(kind, known, CopyKindLength) == 0) return ProcessSuffix(kind + CopyKindLength);
    return 0;
}

// Removes the temporary copies this user's earlier runs left behind (a
// process killed between writing and renaming); a copy still being written
// by a running process is left alone.
void RemoveStaleTemporaries(const std::string& folder, const char* valueName) {
    DIR* entries = opendir(folder.c_str());
    if (!entries) return;
    const long self = getpid();
    while (const dirent* entry = readdir(entries)) {
        const long writer = TemporaryWriter(entry->d_name, valueName);
        if (writer == 0 || writer == self) continue;
        if (writer > 0 && !(kill(static_cast<pid_t>(writer), 0) != 0 && errno == ESRCH)) continue;
        const std::string path = folder + "/" + entry->d_name;
        struct stat info {};
        if (lstat(path.c_str(), &info) == 0 && info.st_uid == geteuid()) unlink(path.c_str());
    }
    closedir(entries);
}

// Creates the temporary copy exclusively, never through a symlink; an entry
// already under our own name (planted, or left by an earlier process with
// the same id) is removed first, not written through.
int CreateTemporary(const std::string& path) {
    constexpr int flags = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC;
    int fd = open(path.c_str(), flags, 0600);
    if (fd < 0 && errno == EEXIST && unlink(path.c_str()) == 0) fd = open(path.c_str(), flags, 0600);
    return fd;
}

// Keeps the record's present bytes under `old` as a file of its own, for a
// file system that cannot give it a second name: read now, not at start,
// since another copy may have saved since. False when the record is there
// but cannot be kept so, and then it must not be replaced.
bool CopyAside(const std::string& file, const std::string& old, size_t size) {
    std::string bytes(size, '\0');
    if (ReadValue(file, bytes.data(), size) != Reading::Read) return false;
    const int fd = CreateTemporary(old);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, bytes.data(), size) && fsync(fd) == 0;
    if (close(fd) == 0 && written) return true;
    unlink(old.c_str());
    return false;
}

// Renames the new copy over the record and flushes the folder. Until the
// flush is done the old record is kept under a second name (a hard link, or
// where none can be made a copy of its bytes); when anything fails the save
// has failed, and the old record goes back in its place (or the new one
// goes, when there was none), so that what a later start finds is what the
// user was told.
bool ReplaceDurably(const std::string& folder, const std::string& temporary,
                    const std::string& file, const std::string& old, size_t size) {
    unlink(old.c_str());  // a stale or planted entry, never linked through
    bool kept = link(file.c_str(), old.c_str()) == 0;
    const bool none = !kept && errno == ENOENT;
    if (!kept && !none && !CopyAside(file, old, size)) return false;
    kept = !none;
    if (std::rename(temporary.c_str(), file.c_str()) != 0) {
        if (kept) unlink(old.c_str());
        return false;
    }
    if (SyncFolder(folder)) {
        if (kept) unlink(old.c_str());
        return true;
    }
    if (kept) std::rename(old.c_str(), file.c_str());
    else unlink(file.c_str());
    return false;
}

}  // namespace

bool BackendOpenSettingsKey(const char* keyPath) {
    const std::string folder = KeyFolder(keyPath);
    return !folder.empty() && FolderUsableOrMakeable(folder);
}

bool BackendReadSettingsValue(const char* keyPath, const char* valueName, void* buffer,
                               size_t size) {
    const std::string folder = KeyFolder(keyPath);
    if (folder.empty()) return false;
    const std::string file = folder + "/" + valueName;
    std::string data(size, '\0');
    const Reading reading = ReadValue(file, data.data(), size);
    UnreadableFile = reading == Reading::Failed ? file : std::string();
    if (reading == Reading::Read) data.copy(static_cast<char*>(buffer), size);
    return reading == Reading::Read;
}

bool BackendWriteSettingsValue(const char* keyPath, const char* valueName,
                                const void* buffer, size_t size) {
    const std::string folder = KeyFolder(keyPath);
    if (folder.empty()) return false;
    const std::string file = folder + "/" + valueName;
    if (file == UnreadableFile || !MakeFolders(folder)) return false;
    RemoveStaleTemporaries(folder, valueName);
    const std::string temporary = folder + "/" + TemporaryName(valueName, NewCopy, getpid());
    const int fd = CreateTemporary(temporary);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, buffer, size) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    const std::string old = folder + "/" + TemporaryName(valueName, OldCopy, getpid());
    if (written && closed && ReplaceDurably(folder, temporary, file, old, size)) return true;
    unlink(temporary.c_str());
    return false;
}
