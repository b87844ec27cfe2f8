#include "platform/FolderTree.h"

#include "platform/NativeName.h"

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane {

namespace {

bool isDotOrDotDot(const char *name)
{
    return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

// Empties the folder open as fd (which it closes); false when anything stays.
bool removeContents(int fd)
{
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return false;
    }
    bool removed = true;
    // readdir gives every entry that was not removed meanwhile exactly once.
    while (const dirent *entry = ::readdir(dir)) {
        if (isDotOrDotDot(entry->d_name))
            continue;
        struct stat st;
        if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) != 0)
            continue;
        if (S_ISDIR(st.st_mode)) {
            const int child =
                ::openat(fd, entry->d_name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (child < 0 || !removeContents(child) ||
                ::unlinkat(fd, entry->d_name, AT_REMOVEDIR) != 0)
                removed = false;
        } else if (::unlinkat(fd, entry->d_name, 0) != 0) {
            removed = false;
        }
    }
    ::closedir(dir);
    return removed;
}

} // namespace

FolderListing FolderTree::list(const QByteArray &folder)
{
    FolderListing listing;
    if (folder.isEmpty())
        return listing;
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return listing;
    DIR *dir = ::fdopendir(fd);
    if (!dir) {
        ::close(fd);
        return listing;
    }
    while (const dirent *entry = ::readdir(dir)) {
        const char *name = entry->d_name;
        if (isDotOrDotDot(name))
            continue;
        bool isFile = entry->d_type == DT_REG;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat st;
            if (::fstatat(fd, name, &st, 0) != 0)
                continue;
            isFile = S_ISREG(st.st_mode);
            isFolder = S_ISDIR(st.st_mode);
        }
        if (isFile)
            listing.files << nativename::decode(QByteArray(name));
        else if (isFolder && name[0] != '.')
            listing.folders << nativename::decode(QByteArray(name));
    }
    ::closedir(dir);
    return listing;
}

bool FolderTree::remove(const QByteArray &folder)
{
    if (folder.isEmpty())
        return false;
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool emptied = removeContents(fd);
    return ::rmdir(folder.constData()) == 0 && emptied;
}

} // namespace tolvane
