// The settings file parser on any bytes: the file is read as the headless build reads it, and
// when it parses, written back by a change and read again, which must give the same values.
#include "platform/Registry.h"

#include <QFile>
#include <QTemporaryDir>
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>

namespace {

using tolvane::Registry;
using tolvane::RegRoot;

const QString settingsKey = QStringLiteral("\\SOFTWARE\\Kelvadore\\Tolvane");
const QString historyKey = QStringLiteral("Tolvane\\History");

struct Seen
{
    QStringList names;
    QStringList values;
    bool operator!=(const Seen &o) const { return names != o.names || values != o.values; }
};

Seen look(Registry &registry)
{
    Seen seen;
    for (const auto &[root, key] : {std::pair{RegRoot::LocalMachine, settingsKey},
                                    std::pair{RegRoot::CurrentUser, historyKey}}) {
        seen.names << QStringLiteral("[%1]").arg(registry.keyExists(root, key));
        for (const QString &name : registry.valueNames(root, key)) {
            const std::optional<tolvane::RegValue> v = registry.value(root, key, name);
            if (!v)
                __builtin_trap(); // a listed value must be there
            seen.names << name;
            seen.values << (v->type == tolvane::RegValue::Text ? QStringLiteral("t:") + v->text
                                                               : QString::number(v->dword));
        }
    }
    return seen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A file in memory: no disk for the read itself.
    const int fd = memfd_create("settings", MFD_CLOEXEC);
    if (fd < 0 || write(fd, data, size) != ssize_t(size))
        __builtin_trap();
    Registry once(QStringLiteral("/proc/self/fd/%1").arg(fd), Registry::Access::ReadOnly);
    const Seen first = look(once);
    close(fd);
    if (!once.problem().isEmpty())
        return 0;

    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("registry.reg"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(data), qint64(size)) != qint64(size))
        __builtin_trap();
    file.close();
    {
        Registry writable(path);
        if (!writable.problem().isEmpty() || !writable.createKey(RegRoot::CurrentUser, "Fuzz"))
            __builtin_trap(); // what parses once parses again, and can be written
    }
    Registry again(path, Registry::Access::ReadOnly);
    if (!again.problem().isEmpty() || look(again) != first)
        __builtin_trap();
    return 0;
}
