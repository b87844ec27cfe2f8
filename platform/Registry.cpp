#include "platform/Registry.h"

#include "platform/AtomicFile.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <cctype>
#include <sys/stat.h>
#include <utility>

namespace tolvane {

namespace {

const char header[] = "Windows Registry Editor Version 5.00";
const char olderHeader[] = "REGEDIT4";

QString normalisedPath(QString path)
{
    path.replace(QLatin1Char('/'), QLatin1Char('\\'));
    const QStringList parts = path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    return parts.join(QLatin1Char('\\'));
}

QString escaped(const QString &text)
{
    QString out;
    out.reserve(text.size() + 2);
    for (QChar c : text) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out += QLatin1Char('\\');
        if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else
            out += c;
    }
    return out;
}

void skipBlanks(QStringView line, qsizetype &pos)
{
    while (pos < line.size() &&
           (line.at(pos) == QLatin1Char(' ') || line.at(pos) == QLatin1Char('\t')))
        ++pos;
}

// After a value only blanks and a comment may follow.
bool nothingMore(QStringView line, qsizetype pos)
{
    skipBlanks(line, pos);
    return pos == line.size() || line.at(pos) == QLatin1Char(';');
}

// Reads a quoted string starting at pos (on the opening quote); pos ends after the closing quote.
bool readQuoted(QStringView line, qsizetype &pos, QString &out)
{
    if (pos >= line.size() || line.at(pos) != QLatin1Char('"'))
        return false;
    ++pos;
    out.clear();
    while (pos < line.size()) {
        QChar c = line.at(pos++);
        if (c == QLatin1Char('"'))
            return true;
        if (c == QLatin1Char('\\')) {
            if (pos >= line.size())
                return false;
            c = line.at(pos++);
            if (c == QLatin1Char('n'))
                c = QLatin1Char('\n');
            else if (c == QLatin1Char('r'))
                c = QLatin1Char('\r');
        }
        out += c;
    }
    return false;
}

// Exports of the registry editor come in UTF-16 with a byte order mark; ours and most hand-made
// files are UTF-8, some editors put a mark in front of that too.
QString decoded(const QByteArray &data)
{
    if (data.startsWith("\xFF\xFE"))
        return QString::fromUtf16(reinterpret_cast<const char16_t *>(data.constData() + 2),
                                  (data.size() - 2) / 2);
    if (data.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(data.constData() + 3, data.size() - 3);
    return QString::fromUtf8(data);
}

std::optional<RegRoot> rootNamed(const QString &name)
{
    for (RegRoot root : {RegRoot::LocalMachine, RegRoot::CurrentUser, RegRoot::Users})
        if (name.compare(Registry::rootName(root), Qt::CaseInsensitive) == 0)
            return root;
    return std::nullopt;
}

} // namespace

Registry::Stamp Registry::stamp(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
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

Registry::Entry *Registry::Key::find(const QString &name)
{
    const auto it = index.constFind(name.toCaseFolded());
    return it == index.constEnd() ? nullptr : &values[*it];
}

void Registry::Key::set(const QString &name, const RegValue &value)
{
    if (Entry *e = find(name)) {
        e->value = value;
        return;
    }
    index.insert(name.toCaseFolded(), values.size());
    values.append(Entry{name, value});
}

bool Registry::Key::remove(const QString &name)
{
    const auto it = index.find(name.toCaseFolded());
    if (it == index.end())
        return false;
    const qsizetype at = *it;
    index.erase(it);
    values.removeAt(at);
    for (qsizetype &i : index)
        if (i > at)
            --i;
    return true;
}

Registry::Registry(const QString &filePath, Access access)
    : m_filePath(filePath), m_readOnly(access == Access::ReadOnly)
{
    if (m_readOnly) {
        readOnce();
        return;
    }
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    refresh();
    if (m_state == FileState::Unreadable)
        m_problem = QStringLiteral("The settings file %1 cannot be read (%2). It is left as it is: "
                                   "the settings start afresh and nothing will be saved until it "
                                   "can be read.")
                        .arg(m_filePath, m_why);
}

Registry::~Registry() = default;

QString Registry::userFile()
{
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return QDir(config.isEmpty() ? QDir::homePath() + QStringLiteral("/.config") : config)
        .filePath(QStringLiteral("Tolvane/registry.reg"));
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

QString Registry::fullPath(RegRoot root, const QString &path)
{
    QString rest = normalisedPath(path);
    if (root == RegRoot::Users) {
        // The default profile is the one user of this desktop.
        const QString def = QStringLiteral(".Default");
        if (rest.compare(def, Qt::CaseInsensitive) == 0) {
            root = RegRoot::CurrentUser;
            rest.clear();
        } else if (rest.startsWith(def + QLatin1Char('\\'), Qt::CaseInsensitive)) {
            root = RegRoot::CurrentUser;
            rest = rest.mid(def.size() + 1);
        }
    }
    return rest.isEmpty() ? rootName(root) : rootName(root) + QLatin1Char('\\') + rest;
}

// The key and every missing parent below its root, as the registry itself has them.
Registry::Key &Registry::addKey(KeyMap &keys, const QString &full)
{
    qsizetype cut = full.indexOf(QLatin1Char('\\'));
    cut = cut < 0 ? full.size() : full.indexOf(QLatin1Char('\\'), cut + 1); // the root is not one
    if (cut < 0)
        cut = full.size();
    for (;;) {
        const QString walk = full.left(cut);
        Key &key = keys[walk.toLower()];
        if (key.path.isEmpty())
            key.path = walk;
        if (cut >= full.size())
            return key;
        cut = full.indexOf(QLatin1Char('\\'), cut + 1);
        if (cut < 0)
            cut = full.size();
    }
}

bool Registry::parse(const QByteArray &data, KeyMap &keys, QString &error)
{
    const QString text = decoded(data);
    Key *current = nullptr;
    bool removedKey = false; // values below a "[-...]" line go with the key
    bool sawHeader = false;
    int number = 0;
    for (qsizetype start = 0; start <= text.size();) {
        qsizetype stop = text.indexOf(QLatin1Char('\n'), start);
        if (stop < 0)
            stop = text.size();
        const QStringView line = QStringView(text).mid(start, stop - start).trimmed();
        start = stop + 1;
        ++number;
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        const QString where = QStringLiteral("line %1").arg(number);
        if (!sawHeader) {
            if (line != QLatin1String(header) && line != QLatin1String(olderHeader)) {
                error = where + QStringLiteral(": the header is missing");
                return false;
            }
            sawHeader = true;
            continue;
        }
        if (line.startsWith(QLatin1Char('['))) {
            if (!line.endsWith(QLatin1Char(']'))) {
                error = where + QStringLiteral(": a key line must end with ']'");
                return false;
            }
            QStringView inner = line.mid(1, line.size() - 2).trimmed();
            const bool removal = inner.startsWith(QLatin1Char('-'));
            if (removal)
                inner = inner.mid(1);
            const QString path = normalisedPath(inner.toString());
            const QString rootText = path.section(QLatin1Char('\\'), 0, 0);
            const std::optional<RegRoot> root = rootNamed(rootText);
            if (!root) {
                error = where + QStringLiteral(": unknown root key '%1'").arg(rootText);
                return false;
            }
            const QString full = fullPath(*root, path.section(QLatin1Char('\\'), 1));
            if (removal) {
                const QString lower = full.toLower();
                const QString prefix = lower + QLatin1Char('\\');
                // Keys that start with the path lie together; "Key 2" may lie between "Key"
                // and "Key\Sub", so skip rather than stop.
                for (auto it = keys.lowerBound(lower);
                     it != keys.end() && it.key().startsWith(lower);) {
                    if (it.key() == lower || it.key().startsWith(prefix))
                        it = keys.erase(it);
                    else
                        ++it;
                }
                current = nullptr;
                removedKey = true;
                continue;
            }
            current = &addKey(keys, full);
            removedKey = false;
            continue;
        }
        if (!current) {
            if (removedKey)
                continue;
            error = where + QStringLiteral(": a value outside of any key");
            return false;
        }
        qsizetype pos = 0;
        QString name; // "@" is the key's default value, which has no name
        if (line.startsWith(QLatin1Char('@')))
            pos = 1;
        else if (!readQuoted(line, pos, name)) {
            error = where + QStringLiteral(": expected \"Name\"=value");
            return false;
        }
        skipBlanks(line, pos);
        if (pos >= line.size() || line.at(pos) != QLatin1Char('=')) {
            error = where + QStringLiteral(": expected \"Name\"=value");
            return false;
        }
        ++pos;
        skipBlanks(line, pos);
        const QStringView rest = line.mid(pos);
        RegValue value;
        if (rest.startsWith(QLatin1Char('"'))) {
            if (!readQuoted(line, pos, value.text) || !nothingMore(line, pos)) {
                error = where + QStringLiteral(": a text value must be one quoted string");
                return false;
            }
        } else if (rest.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            pos += 6;
            const qsizetype first = pos;
            while (pos < line.size() && pos - first <= 8 && isxdigit(line.at(pos).toLatin1()))
                ++pos;
            bool ok = false;
            value.type = RegValue::Dword;
            value.dword = line.mid(first, pos - first).toUInt(&ok, 16);
            if (!ok || pos - first > 8 || !nothingMore(line, pos)) {
                error = where + QStringLiteral(": a number must be dword: and eight hex digits");
                return false;
            }
        } else if (rest.startsWith(QLatin1Char('-')) && nothingMore(line, pos + 1)) {
            current->remove(name);
            continue;
        } else {
            error = where + QStringLiteral(": unknown value type");
            return false;
        }
        current->set(name, value);
    }
    if (!sawHeader && !text.trimmed().isEmpty()) {
        error = QStringLiteral("the header is missing");
        return false;
    }
    return true;
}

QByteArray Registry::serialise() const
{
    QString out = QLatin1String(header) + QLatin1String("\n");
    for (const Key &key : m_keys) {
        out += QLatin1String("\n[") + key.path + QLatin1String("]\n");
        for (const Entry &e : key.values) {
            if (e.name.isEmpty())
                out += QLatin1String("@=");
            else
                out += QLatin1Char('"') + escaped(e.name) + QLatin1String("\"=");
            if (e.value.type == RegValue::Text)
                out += QLatin1Char('"') + escaped(e.value.text) + QLatin1Char('"');
            else
                out += QStringLiteral("dword:%1").arg(e.value.dword, 8, 16, QLatin1Char('0'));
            out += QLatin1Char('\n');
        }
    }
    return out.toUtf8();
}

// Reads the file as it is now. A read that finds the file's size, times and inode as last seen
// trusts what it holds; before a change (thorough) the bytes themselves are compared, since
// another copy's rewrite of the same size within one tick of the clock looks unchanged to those.
Registry::FileState Registry::reread(bool thorough)
{
    if (!thorough && m_state == FileState::Read && stamp(m_filePath) == m_stamp)
        return m_state;
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists()) {
            m_keys.clear();
            m_seen.clear();
            m_why.clear();
            return m_state = FileState::Missing;
        }
        m_why = file.errorString();
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
    const QString stem = m_filePath + QStringLiteral(".unreadable-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QString aside = stem;
    bool kept = false;
    for (int n = 2; n < 1000; ++n) {
        if (!QFileInfo::exists(aside) && !QFileInfo(aside).isSymLink()) {
            kept = QFile::rename(m_filePath, aside);
            break;
        }
        aside = stem + QLatin1Char('-') + QString::number(n);
    }
    if (kept) {
        m_state = FileState::Missing;
        m_problem = QStringLiteral("The settings file %1 could not be read (%2). It was kept as "
                                   "%3 and the settings start afresh.")
                        .arg(m_filePath, why, aside);
    } else {
        m_problem = QStringLiteral("The settings file %1 could not be read (%2) and could not be "
                                   "moved aside; it is left as it is and nothing will be saved.")
                        .arg(m_filePath, why);
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
    m_lock = std::make_unique<QLockFile>(m_filePath + QStringLiteral(".lock"));
    m_lock->setStaleLockTime(10000);
    // Another copy holds the lock for one write of a small file: ask again soon, not in the
    // tenths of seconds QLockFile::lock() waits between attempts.
    QDeadlineTimer deadline(30000);
    int pause = 1;
    while (!m_lock->tryLock(0)) {
        if (m_lock->error() != QLockFile::LockFailedError || deadline.hasExpired()) {
            m_lock.reset();
            return false;
        }
        QThread::msleep(pause);
        pause = qMin(pause * 2, 64);
    }
    return true;
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
