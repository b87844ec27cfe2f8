#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <optional>

namespace tolvane {

enum class RegRoot
{
    LocalMachine,
    CurrentUser,
    Users
};

struct RegValue
{
    enum Type
    {
        Text,
        Dword
    };
    Type type = Text;
    QString text;
    quint32 dword = 0;
};

// A small registry kept in one text file in the registry-export syntax. Key paths and value names
// compare without regard to case and keep their case. Every change is written whole and
// atomically under a lock, and the file is read again when another process has changed it, so two
// running copies never lose each other's writes. HKEY_USERS\.Default is the current user's key:
// this is a one-user desktop.
class Registry
{
  public:
    explicit Registry(const QString &filePath);

    QString filePath() const { return m_filePath; }
    // Why the file could not be read at start, and where it was kept aside; empty when all is well.
    QString problem() const { return m_problem; }

    bool keyExists(RegRoot root, const QString &path);
    // Creates the key and any missing parents.
    bool createKey(RegRoot root, const QString &path);
    // Removes the key with all its subkeys; false when there was no such key or it failed.
    bool deleteKeyTree(RegRoot root, const QString &path);
    QStringList valueNames(RegRoot root, const QString &path);
    std::optional<RegValue> value(RegRoot root, const QString &path, const QString &name);
    // Writing needs the key to exist, as an opened key would.
    bool setText(RegRoot root, const QString &path, const QString &name, const QString &text);
    bool setDword(RegRoot root, const QString &path, const QString &name, quint32 number);
    bool deleteValue(RegRoot root, const QString &path, const QString &name);

    static QString rootName(RegRoot root);

  private:
    struct Entry
    {
        QString name;
        RegValue value;
    };
    struct Key
    {
        QString path; // full path with root, as first written
        QList<Entry> values;
    };
    using KeyMap = QMap<QString, Key>; // by lower-cased full path

    static QString fullPath(RegRoot root, const QString &path);
    bool refresh();
    bool parse(const QByteArray &data, KeyMap &keys, QString &error) const;
    QByteArray serialise() const;
    template <typename Change> bool change(Change &&apply);
    bool setValue(RegRoot root, const QString &path, const QString &name, const RegValue &v);
    void keepAside(const QString &why);

    QString m_filePath;
    QString m_problem;
    KeyMap m_keys;
    QDateTime m_stampTime;
    qint64 m_stampSize = -1;
};

} // namespace tolvane
