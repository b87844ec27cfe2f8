#include "core/scan/FolderScan.h"
#include "core/ResourceKinds.h"

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

bool FolderScan::passes(const QString &path, int filterPosition)
{
    const QString ext = ResourceKinds::extensionOf(path);
    if (ext.isEmpty())
        return false;
    if (filterPosition == 0)
        return filterExtensions().contains(ext);
    if (filterPosition < 1 || filterPosition > filterExtensions().size())
        return false;
    return filterExtensions().at(filterPosition - 1) == ext;
}

void FolderScan::run(const QString &folder, bool recurse, int filterPosition)
{
    m_recurse = recurse;
    m_filter = filterPosition;
    m_visited.clear();
    scan(folder);
}

void FolderScan::scan(const QString &folderText)
{
    const QString folder = Platform::folderWithSeparator(folderText);
    // Followed once: a link back to a parent would otherwise never end.
    const QString real = m_platform.canonicalFolder(folder);
    if (!real.isEmpty()) {
        if (m_visited.contains(real))
            return;
        m_visited.insert(real);
    }
    m_listener.entering(folder);
    const FolderListing listing = m_platform.listFolder(folder);
    for (const QString &name : listing.files) {
        m_listener.visiting(name, folder);
        const QString path = folder + name;
        if (m_listener.isDuplicate(path))
            return;
        if (passes(path, m_filter))
            m_listener.add(path);
    }
    if (!m_recurse)
        return;
    for (const QString &name : listing.folders) {
        // Skips every folder with a dot in its name, as the scan always has.
        if (name.contains(QLatin1Char('.')))
            continue;
        scan(folder + name);
    }
}

} // namespace tolvane
