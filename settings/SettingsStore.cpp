#include "settings/SettingsStore.h"

#include <algorithm>

namespace tolvane {

namespace {
QString gotNothing(const QString &name)
{
    return QStringLiteral("Failed to get data for '%1'").arg(name);
}
QString wrongType(const QString &name)
{
    return QStringLiteral("Invalid data type for '%1'").arg(name);
}
QString notSet(const QString &name)
{
    return QStringLiteral("Failed to set data for '%1'").arg(name);
}
bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}
} // namespace

SettingsStore::SettingsStore(Registry &registry) : m_registry(registry) {}

bool SettingsStore::settingsKeyExists()
{
    return m_registry.keyExists(RegRoot::LocalMachine, settingsKeyPath());
}

bool SettingsStore::openSettingsKey(bool create)
{
    if (settingsKeyExists())
        return true;
    return create && createSettingsKey();
}

bool SettingsStore::createSettingsKey(QString *error)
{
    if (m_registry.createKey(RegRoot::LocalMachine, settingsKeyPath()))
        return true;
    return fail(error, QStringLiteral("Failed to create key %1").arg(settingsKeyPath()));
}

bool SettingsStore::readText(const QString &name, QString &out, QString *error)
{
    const auto v = m_registry.value(RegRoot::LocalMachine, settingsKeyPath(), name);
    if (!v) {
        out.clear();
        return true;
    }
    if (v->type != RegValue::Text)
        return fail(error, wrongType(name));
    out = v->text;
    return true;
}

bool SettingsStore::readNumber(const QString &name, quint32 &out, QString *error)
{
    const auto v = m_registry.value(RegRoot::LocalMachine, settingsKeyPath(), name);
    if (!v)
        return fail(error, gotNothing(name));
    if (v->type != RegValue::Dword)
        return fail(error, wrongType(name));
    out = v->dword;
    return true;
}

bool SettingsStore::readInteger(const QString &name, qint32 &out, QString *error)
{
    quint32 n = 0;
    if (!readNumber(name, n, error))
        return false;
    out = static_cast<qint32>(n);
    return true;
}

bool SettingsStore::readFlag(const QString &name, bool &out, QString *error)
{
    quint32 n = 0;
    if (!readNumber(name, n, error))
        return false;
    out = n != 0;
    return true;
}

bool SettingsStore::readColour(const QString &name, quint32 &out, QString *error)
{
    return readNumber(name, out, error);
}

bool SettingsStore::writeText(const QString &name, const QString &value, QString *error)
{
    if (m_registry.setText(RegRoot::LocalMachine, settingsKeyPath(), name, value))
        return true;
    return fail(error, notSet(name));
}

bool SettingsStore::writeInteger(const QString &name, qint32 value, QString *error)
{
    if (m_registry.setDword(RegRoot::LocalMachine, settingsKeyPath(), name,
                            static_cast<quint32>(value)))
        return true;
    return fail(error, notSet(name));
}

bool SettingsStore::writeFlag(const QString &name, bool value, QString *error)
{
    return writeInteger(name, value ? 1 : 0, error);
}

bool SettingsStore::writeColour(const QString &name, quint32 value, QString *error)
{
    if (m_registry.setDword(RegRoot::LocalMachine, settingsKeyPath(), name, value))
        return true;
    return fail(error, notSet(name));
}

QString SettingsStore::load(const Sequence &sequence, SettingsTarget &target)
{
    if (!openSettingsKey(false))
        return QString();
    for (const SequenceItem &item : sequence) {
        const ValueType type = SettingsRecord::row(item.key).type;
        QString error;
        QVariant value;
        switch (type) {
        case ValueType::Text: {
            QString text;
            if (!readText(item.name, text, &error))
                return error;
            value = text;
            break;
        }
        case ValueType::Integer: {
            qint32 n = 0;
            if (!readInteger(item.name, n, &error))
                return error;
            value = n;
            break;
        }
        case ValueType::Flag: {
            bool on = false;
            if (!readFlag(item.name, on, &error))
                return error;
            value = on;
            break;
        }
        case ValueType::Colour: {
            quint32 c = 0;
            if (!readColour(item.name, c, &error))
                return error;
            value = c;
            break;
        }
        }
        target.apply(item, value);
    }
    return QString();
}

QString SettingsStore::save(const Sequence &sequence, const SettingsTarget &target)
{
    if (!openSettingsKey(false))
        return QString();
    for (const SequenceItem &item : sequence) {
        const ValueType type = SettingsRecord::row(item.key).type;
        const QVariant value = target.current(item);
        QString error;
        bool ok = false;
        switch (type) {
        case ValueType::Text:
            ok = writeText(item.name, value.toString(), &error);
            break;
        case ValueType::Integer:
            ok = writeInteger(item.name, value.toInt(), &error);
            break;
        case ValueType::Flag:
            ok = writeFlag(item.name, value.toBool(), &error);
            break;
        case ValueType::Colour:
            ok = writeColour(item.name, value.toUInt(), &error);
            break;
        }
        if (!ok)
            return error;
    }
    return QString();
}

QStringList SettingsStore::loadHistory()
{
    QStringList entries = m_registry.valueNames(RegRoot::CurrentUser, historyKeyPath());
    // The list is sorted, so the names arrive in text order: n0, n1, n10, n11, n2 ...
    std::sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
        return a.compare(b, Qt::CaseInsensitive) < 0;
    });
    for (int i = 0; i < entries.size(); ++i) {
        const auto v =
            m_registry.value(RegRoot::CurrentUser, historyKeyPath(), QStringLiteral("n%1").arg(i));
        if (v && v->type == RegValue::Text && !v->text.isEmpty())
            entries[i] = v->text;
    }
    return entries;
}

void SettingsStore::saveHistory(const QStringList &entries)
{
    m_registry.deleteKeyTree(RegRoot::CurrentUser, historyKeyPath());
    if (!m_registry.createKey(RegRoot::CurrentUser, historyKeyPath()))
        return;
    for (int i = 0; i < entries.size(); ++i)
        if (!m_registry.setText(RegRoot::CurrentUser, historyKeyPath(),
                                QStringLiteral("n%1").arg(i), entries.at(i)))
            return;
}

bool SettingsStore::removeHistory()
{
    if (!m_registry.keyExists(RegRoot::Users, historyRemovalKeyPath()))
        return false;
    return m_registry.deleteKeyTree(RegRoot::Users, historyRemovalKeyPath());
}

bool SettingsStore::writeMirror(const QString &name, const QString &text)
{
    if (!m_registry.keyExists(RegRoot::LocalMachine, mirrorKeyPath()) &&
        !m_registry.createKey(RegRoot::LocalMachine, mirrorKeyPath()))
        return false;
    return m_registry.setText(RegRoot::LocalMachine, mirrorKeyPath(), name, text);
}

bool SettingsStore::removeCompanyKey()
{
    if (!settingsKeyExists())
        return false;
    return m_registry.deleteKeyTree(RegRoot::LocalMachine, companyKeyPath());
}

QString SettingsStore::readTextRaw(RegRoot root, const QString &key, const QString &name)
{
    const auto v = m_registry.value(root, key, name);
    return v && v->type == RegValue::Text ? v->text : QString();
}

QString SettingsStore::systemRoot()
{
    return readTextRaw(RegRoot::LocalMachine,
                       QStringLiteral("SOFTWARE\\Microsoft\\Windows\\CurrentVersion"),
                       QStringLiteral("SystemRoot"));
}

QString SettingsStore::bootFolder()
{
    return readTextRaw(RegRoot::LocalMachine,
                       QStringLiteral("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Setup\\"),
                       QStringLiteral("WinBootDir"));
}

QString SettingsStore::delphiRoot(int version)
{
    return readTextRaw(RegRoot::LocalMachine,
                       QStringLiteral("\\SOFTWARE\\Borland\\Delphi\\%1.0").arg(version),
                       QStringLiteral("RootDir"));
}

} // namespace tolvane
