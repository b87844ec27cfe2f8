#include "core/OutputNames.h"
#include "platform/Platform.h"

namespace tolvane {

OutputNames OutputNames::form(const QString &programFolder, const QString &tempFolder,
                              const QString &destination, const QString &s, const QString &l,
                              bool settingsKeyExists)
{
    const QString pf = Platform::folderWithSeparator(programFolder);
    const QString dest = Platform::folderWithSeparator(destination);
    OutputNames n;
    n.workingScript = (settingsKeyExists ? pf : tempFolder) + s + QStringLiteral(".rc");
    n.workingResource = pf + s + QStringLiteral(".res");
    n.workingProject = pf + l + QStringLiteral(".dpr");
    n.workingLibrary = pf + l + QStringLiteral(".dll");
    n.destinationScript = dest + s + QStringLiteral(".rc");
    n.destinationResource = dest + s + QStringLiteral(".res");
    n.destinationProject = dest + l + QStringLiteral(".dpr");
    n.destinationLibrary = dest + l + QStringLiteral(".dll");
    n.printCopy = dest + s + QStringLiteral(".wri");
    n.destinationFolder = dest;
    return n;
}

} // namespace tolvane
