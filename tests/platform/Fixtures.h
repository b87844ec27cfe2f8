#pragma once

#include <QString>
#include <QTemporaryDir>
#include <linux/capability.h>

namespace tolvane::test {

// A real, small file system (tmpfs) for full-disk tests. It is mounted in a mount namespace of
// the test process's own, so nothing stays mounted when the process ends, however it ends. Needs
// root (CI) or user namespaces; otherwise isMounted() is false and whyNot() says why.
class SmallFileSystem
{
  public:
    explicit SmallFileSystem(int pages = 32);
    ~SmallFileSystem();
    bool isMounted() const { return m_mounted; }
    QString whyNot() const { return m_whyNot; }
    QString filePath(const QString &name) const { return m_root + QLatin1Char('/') + name; }
    // Enters the mount namespace; call it before any thread starts (a user namespace, needed
    // without root, can only be entered by a process of one thread). Empty when it worked.
    static QString prepare();
    // Fills the file system with page-sized files until it is full, then frees this many pages.
    bool leaveFree(int pages);

    static constexpr int pageSize = 4096;

  private:
    QTemporaryDir m_dir;
    QString m_root;
    bool m_mounted = false;
    QString m_whyNot;
};

// Deletes a tree by the bytes of its names, which QTemporaryDir cannot do for a name that is not
// UTF-8.
void removeTree(const QByteArray &path);

// While it lives, the calling thread is held to file permissions even as root: root reads a file
// without read permission, which would make an unreadable-file test pass for nothing.
class PermissionsApply
{
  public:
    PermissionsApply();
    ~PermissionsApply();

  private:
    __user_cap_data_struct m_saved[2] = {};
    bool m_changed = false;
};

} // namespace tolvane::test
