// The settings file as a build server reads it: once, as it is, and never changed.
#include "platform/NativeName.h"
#include "platform/Registry.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tolvane {

// A file that is only read is looked at before it is opened: a FIFO would block the open, a
// device could give bytes without end.
void Registry::readOnce()
{
    const QByteArray name = nativename::encode(m_filePath);
    const auto unreadable = [&](const QString &why) {
        m_state = FileState::Unreadable;
        m_problem =
            QStringLiteral("The settings file %1 cannot be read (%2).").arg(m_filePath, why);
    };
    const auto kind = [](mode_t mode) {
        return S_ISDIR(mode) ? QStringLiteral("it is a folder")
                             : QStringLiteral("it is not a regular file but a FIFO, a device or "
                                              "a socket");
    };
    struct stat st;
    if (::stat(name.constData(), &st) != 0) {
        if (errno == ENOENT)
            m_state = FileState::Missing;
        else
            unreadable(QString::fromLocal8Bit(std::strerror(errno)));
        return;
    }
    if (!S_ISREG(st.st_mode))
        return unreadable(kind(st.st_mode));
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return unreadable(QString::fromLocal8Bit(std::strerror(errno)));
    QByteArray data;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
    if (!ok) {
        ::close(fd);
        return unreadable(kind(st.st_mode));
    }
    char chunk[65536];
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            ok = got == 0;
            break;
        }
        data.append(chunk, got);
    }
    const int readError = errno;
    ::close(fd);
    if (!ok)
        return unreadable(QString::fromLocal8Bit(std::strerror(readError)));
    QString error;
    if (!parse(data, m_keys, error)) {
        m_keys.clear();
        m_state = FileState::Unparsable;
        m_problem = QStringLiteral("The settings file %1 is not in settings syntax (%2).")
                        .arg(m_filePath, error);
        return;
    }
    m_state = FileState::Read;
}

} // namespace tolvane
