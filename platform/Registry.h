#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

namespace tolvane {

class FileLock;

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
// atomically under a lock, on top of the file as it is on disk at that moment, so two running
// copies never lose each other's writes. HKEY_USERS\.Default is the current user's key: this is
// a one-user desktop.
class Registry
{
  public:
    enum class Access
    {
        ReadWrite,
        // The file is read once, as it is, and never renamed or written; no folder and no lock
        // file are made. Only a regular file is opened (a FIFO or a device could hang the read);
        // any other is a problem(). Every change fails.
        ReadOnly
    };
    explicit Registry(const QString &filePath, Access access = Access::ReadWrite);
    ~Registry();

    // Gathers the changes made while it lives into one write of the file at its end, under one
    // lock: a save sequence reaches the disk once. Batches nest; the outermost one writes.
    class Batch
    {
      public:
        explicit Batch(Registry &registry);
        ~Batch(); // commits what commit() was not called for
        // Writes the changes; false when the file could not be written (then none of them is
        // stored) or the batch could not start. Inside an outer batch, true: the outer one writes.
        bool commit();

      private:
        Q_DISABLE_COPY(Batch)
        Registry *m_registry;
    };

    QString filePath() const { return m_filePath; }
    // Why the file could not be read at start, and where it was kept aside; empty when all is well.
    QString problem() const { return m_problem; }
    // True when there was no file to read at the last reading.
    bool fileMissing() const { return m_state == FileState::Missing; }

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
    // The user's own settings file, in the configuration folder: the windows and the headless
    // build share it.
    static QString userFile();

  private:
    struct Entry
    {
        QString name; // empty for the key's default value
        RegValue value;
    };
    struct Key
    {
        QString path; // full path with root, as first written
        QList<Entry> values;
        QHash<QString, qsizetype> index; // case-folded name -> position in values

        Entry *find(const QString &name);
        void set(const QString &name, const RegValue &value);
        bool remove(const QString &name);
    };
    using KeyMap = QMap<QString, Key>; // by lower-cased full path

    enum class FileState
    {
        Missing,
        Read,
        Unreadable,
        Unparsable
    };

    // What identifies the file on disk short of reading it: where it lives, its size and times.
    struct Stamp
    {
        quint64 device = 0, inode = 0;
        qint64 size = -1, modified = 0, modifiedNs = 0, changed = 0, changedNs = 0;
        bool operator==(const Stamp &o) const
        {
            return device == o.device && inode == o.inode && size == o.size &&
                   modified == o.modified && modifiedNs == o.modifiedNs && changed == o.changed &&
                   changedNs == o.changedNs;
        }
    };
    static Stamp stamp(const QString &path);
    static Stamp stamp(int handle);

    static QString fullPath(RegRoot root, const QString &path);
    static Key &addKey(KeyMap &keys, const QString &full);
    static bool parse(const QByteArray &data, KeyMap &keys, QString &error);
    QByteArray serialise() const;

    // Brings the keys up to the file on disk; false when the file cannot be used.
    bool refresh();
    FileState reread(bool thorough = false);
    bool lock();
    void unlock();
    bool begin();
    bool end();
    void keepAside();
    void readOnce();
    template <typename Change> bool change(Change &&apply);
    bool setValue(RegRoot root, const QString &path, const QString &name, const RegValue &v);

    QString m_filePath;
    QString m_problem;
    QString m_why; // what was wrong with the file at the last reading
    KeyMap m_keys;
    FileState m_state = FileState::Missing;
    QByteArray m_seen; // the file's bytes as last read or written
    Stamp m_stamp;
    std::unique_ptr<FileLock> m_lock;
    int m_depth = 0;            // open batches
    bool m_batchUsable = false; // the outermost batch has the lock and a readable file
    bool m_dirty = false;
    bool m_readOnly = false;
};

} // namespace tolvane
