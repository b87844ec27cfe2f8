#include "platform/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>

namespace tolvane {

namespace {

const char header[] = "Windows Registry Editor Version 5.00";

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

// Reads a quoted string starting at pos (on the opening quote); pos ends after the closing quote.
bool readQuoted(const QString &line, int &pos, QString &out)
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

} // namespace

Registry::Registry(const QString &filePath) : m_filePath(filePath)
{
    QDir().mkpath(QFileInfo(filePath).absolutePath());
    refresh();
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

bool Registry::parse(const QByteArray &data, KeyMap &keys, QString &error) const
{
    const QStringList lines = QString::fromUtf8(data).split(QLatin1Char('\n'));
    Key *current = nullptr;
    bool sawHeader = false;
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        const QString where = QStringLiteral("line %1").arg(i + 1);
        if (!sawHeader) {
            if (line.trimmed() != QLatin1String(header)) {
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
            const QString path = normalisedPath(line.mid(1, line.size() - 2));
            const QString root = path.section(QLatin1Char('\\'), 0, 0);
            RegRoot r;
            if (root == rootName(RegRoot::LocalMachine))
                r = RegRoot::LocalMachine;
            else if (root == rootName(RegRoot::CurrentUser))
                r = RegRoot::CurrentUser;
            else if (root == rootName(RegRoot::Users))
                r = RegRoot::Users;
            else {
                error = where + QStringLiteral(": unknown root key '%1'").arg(root);
                return false;
            }
            const QString full = fullPath(r, path.section(QLatin1Char('\\'), 1));
            Key &key = keys[full.toLower()];
            if (key.path.isEmpty())
                key.path = full;
            current = &key;
            continue;
        }
        if (!current) {
            error = where + QStringLiteral(": a value outside of any key");
            return false;
        }
        int pos = 0;
        Entry entry;
        if (!readQuoted(line, pos, entry.name) || pos >= line.size() ||
            line.at(pos) != QLatin1Char('=')) {
            error = where + QStringLiteral(": expected \"Name\"=value");
            return false;
        }
        ++pos;
        const QString rest = line.mid(pos);
        if (rest.startsWith(QLatin1Char('"'))) {
            int p = 0;
            entry.value.type = RegValue::Text;
            if (!readQuoted(rest, p, entry.value.text) || p != rest.size()) {
                error = where + QStringLiteral(": a text value must be one quoted string");
                return false;
            }
        } else if (rest.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
            const QString digits = rest.mid(6);
            bool ok = false;
            entry.value.type = RegValue::Dword;
            entry.value.dword = digits.toUInt(&ok, 16);
            if (!ok || digits.size() != 8) {
                error = where + QStringLiteral(": a number must be dword: and eight hex digits");
                return false;
            }
        } else {
            error = where + QStringLiteral(": unknown value type");
            return false;
        }
        bool replaced = false;
        for (Entry &e : current->values) {
            if (e.name.compare(entry.name, Qt::CaseInsensitive) == 0) {
                e.value = entry.value;
                replaced = true;
            }
        }
        if (!replaced)
            current->values << entry;
    }
    if (!sawHeader && !data.trimmed().isEmpty()) {
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

void Registry::keepAside(const QString &why)
{
    const QString aside = m_filePath + QStringLiteral(".unreadable-") +
                          QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-hhmmss"));
    QFile::remove(aside);
    const bool kept = QFile::rename(m_filePath, aside);
    m_problem = kept
                    ? QStringLiteral("The settings file %1 could not be read (%2). It was kept as "
                                     "%3 and the settings start afresh.")
                          .arg(m_filePath, why, aside)
                    : QStringLiteral("The settings file %1 could not be read (%2) and could not be "
                                     "moved aside; it is left as it is and nothing will be saved.")
                          .arg(m_filePath, why);
    if (!kept)
        m_stampSize = -2; // never matches: refresh keeps failing, changes keep being refused
}

// Reads the file again when it changed since we last saw it. False when it cannot be used.
bool Registry::refresh()
{
    QFileInfo info(m_filePath);
    if (!info.exists()) {
        if (m_stampSize != -1)
            m_keys.clear();
        m_stampSize = -1;
        return true;
    }
    if (m_stampSize == -2)
        return false;
    if (info.size() == m_stampSize && info.lastModified() == m_stampTime)
        return true;
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    KeyMap keys;
    QString error;
    if (!parse(file.readAll(), keys, error)) {
        file.close();
        keepAside(error);
        m_keys.clear();
        return m_stampSize != -2;
    }
    m_keys = keys;
    m_stampSize = info.size();
    m_stampTime = info.lastModified();
    return true;
}

template <typename Change> bool Registry::change(Change &&apply)
{
    QLockFile lock(m_filePath + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.lock())
        return false;
    if (!refresh())
        return false;
    if (!apply())
        return false;
    QSaveFile file(m_filePath);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(serialise());
    if (!file.commit())
        return false;
    QFileInfo info(m_filePath);
    m_stampSize = info.size();
    m_stampTime = info.lastModified();
    return true;
}

bool Registry::keyExists(RegRoot root, const QString &path)
{
    refresh();
    return m_keys.contains(fullPath(root, path).toLower());
}

bool Registry::createKey(RegRoot root, const QString &path)
{
    const QString full = fullPath(root, path);
    return change([&] {
        const QStringList parts = full.split(QLatin1Char('\\'));
        QString walk;
        for (const QString &part : parts) {
            walk = walk.isEmpty() ? part : walk + QLatin1Char('\\') + part;
            if (walk == parts.first())
                continue; // the roots always exist
            Key &key = m_keys[walk.toLower()];
            if (key.path.isEmpty())
                key.path = walk;
        }
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
        for (auto it = m_keys.begin(); it != m_keys.end();) {
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
    const auto it = m_keys.constFind(fullPath(root, path).toLower());
    if (it == m_keys.constEnd())
        return std::nullopt;
    for (const Entry &e : it->values)
        if (e.name.compare(name, Qt::CaseInsensitive) == 0)
            return e.value;
    return std::nullopt;
}

bool Registry::setValue(RegRoot root, const QString &path, const QString &name, const RegValue &v)
{
    const QString full = fullPath(root, path).toLower();
    return change([&] {
        auto it = m_keys.find(full);
        if (it == m_keys.end())
            return false;
        for (Entry &e : it->values)
            if (e.name.compare(name, Qt::CaseInsensitive) == 0) {
                e.value = v;
                return true;
            }
        it->values << Entry{name, v};
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
        if (it == m_keys.end())
            return false;
        for (int i = 0; i < it->values.size(); ++i)
            if (it->values.at(i).name.compare(name, Qt::CaseInsensitive) == 0) {
                it->values.removeAt(i);
                return true;
            }
        return false;
    });
}

} // namespace tolvane
