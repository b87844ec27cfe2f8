#include "platform/AtomicFile.h"

#include <QSaveFile>

namespace tolvane {

namespace {
bool fail(QSaveFile &file, QString *why, const QString &reason)
{
    if (why)
        *why = reason.isEmpty() ? QStringLiteral("write failed") : reason;
    file.cancelWriting();
    return false;
}
} // namespace

bool AtomicFile::write(const QString &path, const QByteArray &bytes, QString *why)
{
    QSaveFile file(path);
    // Unbuffered, so that each write reaches the system at once and reports what it got: a
    // buffered write says "all taken" and the full disk only shows in the flush, which the
    // commit does not check.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file, why, file.errorString());
    qint64 done = 0;
    while (done < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + done, bytes.size() - done);
        if (n <= 0)
            return fail(file, why, file.errorString());
        done += n;
    }
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return fail(file, why, file.errorString());
    if (!file.commit()) {
        if (why)
            *why =
                file.errorString().isEmpty() ? QStringLiteral("write failed") : file.errorString();
        return false;
    }
    return true;
}

} // namespace tolvane
