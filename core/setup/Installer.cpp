#include "core/setup/Installer.h"
#include "core/ProgramFolder.h"
#include "platform/Platform.h"

namespace tolvane {

namespace {

const QString cabinetName = QStringLiteral("Tolvane.pd_");
const QString manualName = QStringLiteral("Tolvane.pdf");

} // namespace

Installer::Installer(Platform &platform, InstallReport &report)
    : m_platform(platform), m_report(report)
{
}

void Installer::start(const InstallPlan &plan)
{
    m_plan = plan;
    m_position = 0;
}

QString Installer::inMainFolder(const QString &name) const
{
    return Platform::folderWithSeparator(m_plan.mainFolder) + name;
}

bool Installer::advance()
{
    // A box or a pause inside a position lets the timer fire again; those ticks wait.
    if (m_busy || m_position >= lastPosition)
        return m_position < lastPosition;
    m_busy = true;
    struct Done
    {
        bool &busy;
        ~Done() { busy = false; }
    } done{m_busy};

    ++m_position;
    m_report.progress(m_position);
    switch (m_position) {
    case 1:
        m_report.showCancel();
        break;
    case 5:
        m_report.status(QStringLiteral("Creating ") + m_plan.mainFolder);
        if (!makeFolder(m_plan.mainFolder, 1000))
            return false;
        m_report.status(QStringLiteral("Adding sub ") + m_plan.projectsFolder);
        if (!makeFolder(m_plan.projectsFolder, 500))
            return false;
        break;
    case 20:
        writeSettings();
        break;
    case 30:
        removeOldManual();
        break;
    case 50:
        writeCabinet();
        break;
    case 70:
        extractManual();
        break;
    case 85:
        dropCabinet();
        break;
    case 95:
        m_report.status(QStringLiteral("...Setup complete..."));
        break;
    case lastPosition:
        m_report.complete();
        return false;
    default:
        break;
    }
    return true;
}

bool Installer::makeFolder(const QString &folder, int waitMs)
{
    // A folder that was there before belongs to the user; only one made here is marked as ours.
    const bool existed = m_platform.folderExists(folder);
    if (!existed)
        m_platform.createFolder(folder); // with the folders above it, as a fresh home may lack them
    m_report.pause(waitMs);
    if (!m_platform.folderExists(folder)) {
        m_report.folderFailed(QStringLiteral("Could not create ") + folder +
                              QStringLiteral(" please select another folder!"));
        return false;
    }
    if (!existed) {
        const QString marker = Platform::folderWithSeparator(folder) + ProgramFolder::markerName();
        const QString error = m_platform.writeFile(marker, QByteArray());
        if (!error.isEmpty())
            m_report.actionFailed(QStringLiteral("Cannot create file ") + marker + ": " + error);
    }
    return true;
}

void Installer::writeSettings()
{
    const QString error = m_report.writeSettings();
    if (!error.isEmpty())
        m_report.actionFailed(error);
}

void Installer::removeOldManual()
{
    for (const QString &name : {cabinetName, manualName}) {
        const QString file = inMainFolder(name);
        if (m_platform.fileExists(file) && !m_platform.removeFile(file)) {
            m_report.actionFailed(QStringLiteral("Cannot delete file ") + file);
            return;
        }
    }
}

void Installer::writeCabinet()
{
    const QString file = inMainFolder(cabinetName);
    QString error = m_plan.cabinet.isEmpty() ? QStringLiteral("the program carries no manual")
                                             : m_platform.writeFile(file, m_plan.cabinet);
    if (!error.isEmpty())
        m_report.actionFailed(QStringLiteral("Cannot create file ") + file + ": " + error);
}

void Installer::extractManual()
{
    const QString cabinet = inMainFolder(cabinetName);
    if (!m_platform.fileExists(cabinet))
        return; // its failure has been told at 50
    // The expander runs to its end before the sequence looks for its result at 85.
    QString output;
    const int code = m_platform.runTool(
        m_plan.extractProgram,
        {cabinet, QStringLiteral("/L"), Platform::folderWithSeparator(m_plan.mainFolder)}, &output);
    if (code != 0) {
        m_report.actionFailed(code < 0 ? QStringLiteral("Could not start ") + m_plan.extractProgram
                                       : QStringLiteral("The manual could not be unpacked: ") +
                                             output.trimmed());
        return;
    }
    // The cabinet holds TOLVANE.PDF; on a case-sensitive file system give it the manual's name.
    const QString unpacked = inMainFolder(QStringLiteral("TOLVANE.PDF"));
    if (!m_platform.fileExists(inMainFolder(manualName)) && m_platform.fileExists(unpacked) &&
        !m_platform.renameFile(unpacked, inMainFolder(manualName)))
        m_report.actionFailed(QStringLiteral("Cannot rename ") + unpacked + " to " +
                              inMainFolder(manualName));
}

void Installer::dropCabinet()
{
    const QString cabinet = inMainFolder(cabinetName);
    if (m_platform.fileExists(inMainFolder(manualName)) && m_platform.fileExists(cabinet) &&
        !m_platform.removeFile(cabinet))
        m_report.actionFailed(QStringLiteral("Cannot delete file ") + cabinet);
}

} // namespace tolvane
