#include "platform/Registry.h"

#include "platform/AtomicFile.h"
#include "platform/FileLock.h"
#include "platform/NativeFile.h"
#include "platform/NativeName.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tolvane {

Registry::Stamp Registry::stamp(const QString &path)
{
    struct stat st;
    if (::stat(nativename::encode(path).constData(), &st) != 0)
        return {};
    return {st.st_dev,          st.st_ino,         st.st_size,        st.st_mtim.tv_sec,
            st.st_mtim.tv_nsec, st.st_ctim.tv_sec, st.st_ctim.tv_nsec};
}

Registry::Stamp Registry::stamp(int handle)
{
    struct stat st;
    if (handle < 0 || ::fstat(handle, &st) != 0)
        return {};
    return {st.st_dev,          st.st_ino,         st.st_size,        st.st_mtim.tv_sec,
            st.st_mtim.tv_nsec, st.st_ctim.tv_sec, st.st_ctim.tv_nsec};
}

Registry::Registry(const QString &filePath, Access access)
    : m_filePath(filePath), m_readOnly(access == Access::ReadOnly)
{
    if (m_readOnly) {
        readOnce();
        return;
    }
    const qsizetype slash = filePath.lastIndexOf(QLatin1Char('/'));
    if (slash > 0)
        nativefile::createFolder(filePath.left(slash));
    refresh();
    if (m_state == FileState::Unreadable)
        m_problem = QStringLiteral("The settings file %1 cannot be read (%2). It is left as it is: "
                                   "the settings start afresh and nothing will be saved until it "
                                   "can be read.")
                        .arg(nativename::display(m_filePath), m_why);
}

Registry::~Registry() = default;

QString Registry::userFile()
{
    // The configuration folder by the bytes the environment gives, as the desktop's own programs
    // read it: a home folder whose name is not UTF-8 still has its settings.
    const QByteArray configured = qgetenv("XDG_CONFIG_HOME");
    QString config;
    if (configured.startsWith('/')) {
        config = nativename::decode(configured);
    } else {
        const QByteArray home = qgetenv("HOME");
        config = (home.isEmpty() ? QDir::homePath() : nativename::decode(home)) +
                 QStringLiteral("/.config");
    }
    return QDir::cleanPath(config) + QStringLiteral("/Tolvane/registry.reg");
}

QString Registry::rootName(RegRoot root)
{
    switch (root) {
    case RegRoot::LocalMachine:
        return QStringLiteral("HKEY_LOCAL_MACHINE");
    case RegRoot::CurrentUser:
        return QStringLiteral("HKEY_CURRENT_USER");
    case RegRoot::Users:
        return QStringLiteral("HKEY_USERS");
    }
    return QString();
}

// Reads the file as it is now. A read that finds the file's size, times and inode as last seen
// trusts what it holds; before a change (thorough) the bytes themselves are compared, since
// another copy's rewrite of the same size within one tick of the clock looks unchanged to those.
Registry::FileState Registry::reread(bool thorough)
{
    if (!thorough && m_state == FileState::Read && stamp(m_filePath) == m_stamp)
        return m_state;
    QFile file;
    if (!nativefile::openForReading(file, m_filePath)) {
        const int error = errno;
        if (!nativefile::status(m_filePath)) {
            m_keys.clear();
            m_seen.clear();
            m_why.clear();
            return m_state = FileState::Missing;
        }
        m_why = nativefile::errorText(error);
        return m_state = FileState::Unreadable;
    }
    const Stamp seen = stamp(file.handle());
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_why = file.errorString();
        return m_state = FileState::Unreadable;
    }
    m_stamp = seen;
    if (m_state == FileState::Read && data == m_seen)
        return m_state;
    KeyMap keys;
    QString error;
    if (!parse(data, keys, error)) {
        m_keys.clear();
        m_seen.clear();
        m_why = error;
        return m_state = FileState::Unparsable;
    }
    m_keys = std::move(keys);
    m_seen = data;
    m_why.clear();
    return m_state = FileState::Read;
}

// Called with the lock held, so that two copies starting together do not both move the file:
// the second finds it gone, or already replaced by a good one, and leaves it be. A kept copy is
// never removed or replaced.
void Registry::keepAside()
{
    if (reread(true) != FileState::Unparsable)
        return;
    const QString why = m_why;
    // Beside the file itself: through a link, the link would go aside and the bad file stay.
    const QString file = nativefile::writeTarget(m_filePath);
    const QString stem = file + QStringLiteral(".unreadable-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString aside = stem;
    bool kept = false;
    for (int n = 2; n < 1000; ++n) {
        if (nativefile::renameWithoutReplacing(file, aside)) {
            kept = true;
            break;
        }
        if (errno != EEXIST)
            break;
        aside = stem + QLatin1Char('-') + QString::number(n);
    }
    if (kept) {
        m_state = FileState::Missing;
        m_problem = QStringLiteral("The settings file %1 could not be read (%2). It was kept as "
                                   "%3 and the settings start afresh.")
                        .arg(nativename::display(m_filePath), why, nativename::display(aside));
    } else {
        m_problem = QStringLiteral("The settings file %1 could not be read (%2) and could not be "
                                   "moved aside; it is left as it is and nothing will be saved.")
                        .arg(nativename::display(m_filePath), why);
    }
}

// True when the keys are those of the file and changes may be written over it.
bool Registry::refresh()
{
    if (m_readOnly)
        return m_state == FileState::Read || m_state == FileState::Missing;
    if (m_depth > 0)
        return m_batchUsable; // the lock keeps the other copies out: what we hold is the file
    switch (reread()) {
    case FileState::Missing:
    case FileState::Read:
        return true;
    case FileState::Unreadable:
        return false;
    case FileState::Unparsable:
        break;
    }
    if (!lock())
        return false;
    keepAside();
    unlock();
    return m_state == FileState::Missing || m_state == FileState::Read;
}

bool Registry::lock()
{
    // The lock goes with the file itself, not with the name it was reached by: a copy that opens
    // it through a link and one that opens its real path must keep each other out.
    m_lock = FileLock::take(nativefile::writeTarget(m_filePath) + QStringLiteral(".lock"), 30000);
    return m_lock != nullptr;
}

void Registry::unlock()
{
    m_lock.reset();
}

bool Registry::begin()
{
    if (m_depth++ > 0)
        return m_batchUsable;
    m_dirty = false;
    if (m_readOnly)
        return m_batchUsable = false;
    m_batchUsable = lock();
    if (!m_batchUsable)
        return false;
    // Read under the lock: what another copy wrote a moment ago is the base of our changes.
    switch (reread(true)) {
    case FileState::Missing:
    case FileState::Read:
        break;
    case FileState::Unreadable:
        m_batchUsable = false;
        break;
    case FileState::Unparsable:
        keepAside();
        m_batchUsable = m_state == FileState::Missing || m_state == FileState::Read;
        break;
    }
    if (!m_batchUsable)
        unlock();
    return m_batchUsable;
}

bool Registry::end()
{
    if (m_depth == 0)
        return false;
    if (--m_depth > 0)
        return m_batchUsable;
    if (!m_batchUsable)
        return false;
    bool ok = true;
    if (m_dirty) {
        const QByteArray data = serialise();
        ok = AtomicFile::write(m_filePath, data);
        if (ok) {
            m_seen = data;
            m_stamp = stamp(m_filePath);
            m_state = FileState::Read;
        } else {
            // The disk has the last word: changes that did not reach it are dropped.
            m_state = FileState::Missing;
            reread(true);
        }
    }
    m_dirty = false;
    m_batchUsable = false;
    unlock();
    return ok;
}

Registry::Batch::Batch(Registry &registry) : m_registry(&registry)
{
    registry.begin();
}

Registry::Batch::~Batch()
{
    if (m_registry)
        m_registry->end();
}

bool Registry::Batch::commit()
{
    Registry *registry = std::exchange(m_registry, nullptr);
    return registry && registry->end();
}

template <typename Change> bool Registry::change(Change &&apply)
{
    Batch batch(*this);
    if (!m_batchUsable || !apply())
        return false;
    m_dirty = true;
    return batch.commit();
}

bool Registry::keyExists(RegRoot root, const QString &path)
{
    refresh();
    return m_keys.contains(fullPath(root, path).toLower());
}

bool Registry::createKey(RegRoot root, const QString &path)
{
    const QString full = fullPath(root, path);
    if (!full.contains(QLatin1Char('\\')))
        return true; // the roots always exist
    return change([&] {
        addKey(m_keys, full);
        return true;
    });
}

bool Registry::deleteKeyTree(RegRoot root, const QString &path)
{
    const QString full = fullPath(root, path).toLower();
    if (!full.contains(QLatin1Char('\\')))
        return false; // a root is never removed
    return change([&] {
        if (!m_keys.contains(full))
            return false;
        const QString prefix = full + QLatin1Char('\\');
        for (auto it = m_keys.find(full); it != m_keys.end() && it.key().startsWith(full);) {
            if (it.key() == full || it.key().startsWith(prefix))
                it = m_keys.erase(it);
            else
                ++it;
        }
        return true;
    });
}

QStringList Registry::valueNames(RegRoot root, const QString &path)
{
    refresh();
    QStringList names;
    const auto it = m_keys.constFind(fullPath(root, path).toLower());
    if (it != m_keys.constEnd())
        for (const Entry &e : it->values)
            names << e.name;
    return names;
}

std::optional<RegValue> Registry::value(RegRoot root, const QString &path, const QString &name)
{
    refresh();
    const auto it = m_keys.find(fullPath(root, path).toLower());
    if (it == m_keys.end())
        return std::nullopt;
    const Entry *e = it->find(name);
    return e ? std::optional<RegValue>(e->value) : std::nullopt;
}

bool Registry::setValue(RegRoot root, const QString &path, const QString &name, const RegValue &v)
{
    const QString full = fullPath(root, path).toLower();
    return change([&] {
        auto it = m_keys.find(full);
        if (it == m_keys.end())
            return false;
        it->set(name, v);
        return true;
    });
}

bool Registry::setText(RegRoot root, const QString &path, const QString &name, const QString &text)
{
    RegValue v;
    v.type = RegValue::Text;
    v.text = text;
    return setValue(root, path, name, v);
}

bool Registry::setDword(RegRoot root, const QString &path, const QString &name, quint32 number)
{
    RegValue v;
    v.type = RegValue::Dword;
    v.dword = number;
    return setValue(root, path, name, v);
}

bool Registry::deleteValue(RegRoot root, const QString &path, const QString &name)
{
    const QString full = fullPath(root, path).toLower();
    return change([&] {
        auto it = m_keys.find(full);
        return it != m_keys.end() && it->remove(name);
    });
}

} // namespace tolvane
