#include "core/BuildTexts.h"
#include "core/Product.h"
#include "platform/Platform.h"

namespace tolvane::buildtexts {

QString processingText(int n)
{
    if (n > 500)
        return QStringLiteral("...Processing..this may take awhile...");
    if (n >= 250)
        return QStringLiteral("...Processing..this will take a minute...");
    if (n < 100)
        return QStringLiteral("...just a second!...");
    return QString();
}

QString zeroByteQuestion(const QString &path)
{
    return QStringLiteral("File \"") + path.toUpper() + QStringLiteral("\",") +
           QStringLiteral("\rcontains zero bytes of data. The compiler cannot accept this file!") +
           QStringLiteral("\rWould you like to remove the file from the File list?");
}

QString recentDirectoryMessage(const QString &currentFolder)
{
    return QStringLiteral("The recent default directory is: ") +
           Platform::folderWithSeparator(currentFolder).toUpper() +
           QStringLiteral("\rTo save to this directory press the \"Build/Build All\" button again, "
                          "or\rpress the "
                          "\"Tool\" button to select an alternate destination directory!");
}

QString configurationProblem(bool resourceCompiler, const QString &path)
{
    return QStringLiteral(
               "Cannot read the compiler's path information please check settings!\r\r") +
           (resourceCompiler ? QStringLiteral("Brcc32 compiler Path: ")
                             : QStringLiteral("Dcc32 compiler Path: ")) +
           path + QStringLiteral(" ?");
}

QString fileSummary(const QString &s, const QString &l, const SummarySizes &z,
                    const QString &totalText, const QString &destinationScriptName)
{
    return product::summaryOwnership() + QLatin1Char('\r') + product::contact() +
           QStringLiteral("\r\r") + QStringLiteral("Script Document:( ") + s +
           QStringLiteral(".rc )  Size = ") + QString::number(z.script) + QStringLiteral(" Bytes") +
           QStringLiteral("\rResource File: ( ") + s + QStringLiteral(".res )  Size = ") +
           QString::number(z.resource) + QStringLiteral(" Bytes") +
           QStringLiteral("\rLibrary (DLL): ( ") + l + QStringLiteral(".dll )  Size = ") +
           QString::number(z.library) + QStringLiteral(" Bytes") +
           QStringLiteral("\rDelphi Project file: ( ") + l + QStringLiteral(".dpr )  Size = ") +
           QString::number(z.project) + QStringLiteral(" Bytes") +
           QStringLiteral("\rTotal size of project = ") + totalText +
           QStringLiteral("\r\rWould you like to print the contents of ") + destinationScriptName +
           QLatin1Char('?');
}

QString spaceFailure(const QString &destinationFolder, const QString &totalText,
                     const QString &freeText)
{
    QString folder = destinationFolder;
    if (Platform::endsWithSeparator(folder) && folder.size() > 1)
        folder.chop(1);
    return QStringLiteral("Not enough space on target drive ") + folder +
           QStringLiteral(", to move project files!\r Required space for project files = ") +
           totalText + QStringLiteral("\r Available space on target disk = ") + freeText +
           QStringLiteral("\r         . . .Please select another directory. . .");
}

QString credit()
{
    return product::buildCredit();
}

QString ownership()
{
    return product::rightsReserved();
}

QString contact()
{
    return product::contact();
}

} // namespace tolvane::buildtexts
