#include "core/scan/FolderScan.h"
#include "core/ResourceKinds.h"
#include "platform/NativeName.h"

namespace tolvane {

FolderScan::FolderScan(Platform &platform, ScanListener &listener)
    : m_platform(platform), m_listener(listener)
{
}

const QStringList &FolderScan::filterExtensions()
{
    static const QStringList extensions = {
        QStringLiteral(".ANI"), QStringLiteral(".AVI"), QStringLiteral(".BMP"),
        QStringLiteral(".CAB"), QStringLiteral(".CUR"), QStringLiteral(".EXE"),
        QStringLiteral(".ICO"), QStringLiteral(".JPG"), QStringLiteral(".GIF"),
        QStringLiteral(".FON"), QStringLiteral(".TTF"), QStringLiteral(".WAV")};
    return extensions;
}

namespace {
// The position of a path's extension among the kinds (0 to 11), -1 when it is none. Most names
// end in a dot and three ASCII characters, which are compared in place; any other extension is
// upper-cased as a whole, as it always was (a character past ASCII may upper-case to a letter).
int kindOf(const QString &path)
{
    const QStringList &kinds = FolderScan::filterExtensions();
    const qsizetype n = path.size();
    if (n >= 4 && path.at(n - 4) == QLatin1Char('.')) {
        char ext[4] = {'.', 0, 0, 0};
        bool ascii = true;
        for (int i = 1; i < 4 && ascii; ++i) {
            const char16_t c = path.at(n - 4 + i).unicode();
            ascii = c < 0x80;
            ext[i] = char(c >= 'a' && c <= 'z' ? c - 32 : c);
        }
        if (ascii) {
            for (int k = 0; k < kinds.size(); ++k)
                if (kinds.at(k) == QLatin1String(ext, 4))
                    return k;
            return -1;
        }
    }
    const QString ext = ResourceKinds::extensionOf(path);
    if (ext.isEmpty())
        return -1;
    return int(kinds.indexOf(ext));
}
} // namespace

bool FolderScan::passes(const QString &path, int filterPosition)
{
    if (filterPosition < 0 || filterPosition > filterExtensions().size())
        return false;
    const int kind = kindOf(path);
    return kind >= 0 && (filterPosition == 0 || filterPosition == kind + 1);
}

QList<UnreadFolder> FolderScan::run(const QString &folder, bool recurse, int filterPosition)
{
    m_recurse = recurse;
    m_filter = filterPosition;
    m_visited.clear();
    m_visitedPaths.clear();
    m_unread.clear();
    scan(folder);
    return m_unread;
}

void FolderScan::scan(const QString &folderText)
{
    const QString folder = Platform::folderWithSeparator(folderText);
    FolderListing listing = m_platform.listFolder(folder);
    if (!listing.error.isEmpty()) {
        m_unread << UnreadFolder{folder, listing.error};
        return;
    }
    // Followed once: a link back to a parent would otherwise never end.
    if (listing.device != 0 || listing.inode != 0) {
        const QPair<quint64, quint64> id(listing.device, listing.inode);
        if (m_visited.contains(id))
            return;
        m_visited.insert(id);
    } else {
        const QString real = m_platform.canonicalFolder(folder);
        if (!real.isEmpty()) {
            if (m_visitedPaths.contains(real))
                return;
            m_visitedPaths.insert(real);
        }
    }
    m_listener.entering(folder);
    for (const QString &name : std::as_const(listing.files)) {
        m_listener.visiting(name, folder);
        const QString path = folder + name;
        if (m_listener.isDuplicate(path))
            return;
        if (passes(path, m_filter))
            m_listener.add(path);
    }
    if (!m_recurse)
        return;
    for (const QString &name : std::as_const(listing.folders)) {
        // Skips every folder with a dot in its name, as the scan always has.
        if (name.contains(QLatin1Char('.')))
            continue;
        scan(folder + name);
    }
}

QString FolderScan::unreadText(const QList<UnreadFolder> &unread)
{
    constexpr int shown = 10;
    constexpr int longest = 160;
    QString text = QStringLiteral("One or more folder(s) could not be read; their files were not "
                                  "added to the list:");
    for (int i = 0; i < unread.size() && i < shown; ++i) {
        QString folder = nativename::display(unread.at(i).folder);
        if (folder.size() > longest)
            folder = folder.left(longest / 2) + QStringLiteral("...") + folder.right(longest / 2);
        text += QLatin1Char('\r') + folder + QStringLiteral(" (") + unread.at(i).reason +
                QLatin1Char(')');
    }
    if (unread.size() > shown)
        text += QStringLiteral("\r...and %1 more.").arg(unread.size() - shown);
    return text;
}

} // namespace tolvane
