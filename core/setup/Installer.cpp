#include "core/setup/Installer.h"
#include "core/Product.h"
#include "core/ProgramFolder.h"
#include "core/setup/SetupBox.h"
#include "platform/Platform.h"

namespace tolvane {

namespace {

const QString cabinetName = QStringLiteral("Tolvane.pd_");
const QString manualName = QStringLiteral("Tolvane.pdf");
const QString unpackedName = QStringLiteral("TOLVANE.PDF"); // as the cabinet holds it

} // namespace

Installer::Installer(Platform &platform, InstallReport &report)
    : m_platform(platform), m_report(report)
{
}

void Installer::start(const InstallPlan &plan)
{
    m_plan = plan;
    m_position = 0;
    m_stopRequested = false;
    m_manualBlocked = false;
}

QString Installer::inMainFolder(const QString &name) const
{
    return Platform::folderWithSeparator(m_plan.mainFolder) + name;
}

void Installer::failed(const QString &text)
{
    m_report.ask(
        setupbox::make(Message::Id::SetupStepFailed, product::title(), text, Message::Icon::Error));
}

bool Installer::advance()
{
    // A box or a pause inside a position lets the timer fire again; those ticks wait.
    if (m_busy || m_position >= lastPosition)
        return m_position < lastPosition;
    m_stopRequested = false;
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
        for (const auto &[status, folder, waitMs] :
             {std::tuple{QStringLiteral("Creating "), m_plan.mainFolder, 1000},
              std::tuple{QStringLiteral("Adding sub "), m_plan.projectsFolder, 500}}) {
            m_report.status(status + folder);
            const Step step = makeFolder(folder, waitMs);
            if (step == Step::Stopped)
                --m_position; // what it made is marked; the next advance starts the position again
            if (step != Step::Done)
                return false;
        }
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
        m_report.ask(setupbox::make(
            Message::Id::SetupComplete, product::title(),
            QStringLiteral("Program needs to be restarted for changes to take affect"),
            Message::Icon::Information, Message::Ok, Message::Owner::SetupWizard));
        m_report.complete();
        return false;
    default:
        break;
    }
    return true;
}

Installer::Step Installer::makeFolder(const QString &folder, int waitMs)
{
    // A folder that was there before belongs to the user; only one made here is marked as ours,
    // at once, so that a cancel during the pause below knows what setup made.
    const bool existed = m_platform.folderExists(folder);
    if (!existed && m_platform.createFolder(folder)) {
        const QString marker = Platform::folderWithSeparator(folder) + ProgramFolder::markerName();
        const QString error = m_platform.writeFile(marker, QByteArray());
        if (!error.isEmpty())
            failed(QStringLiteral("Cannot create file ") + marker + ": " + error);
    }
    m_report.pause(waitMs);
    if (m_stopRequested)
        return Step::Stopped;
    if (!m_platform.folderExists(folder)) {
        m_report.ask(setupbox::make(Message::Id::FolderNotCreated, QStringLiteral("Error"),
                                    QStringLiteral("Could not create ") + folder +
                                        QStringLiteral(" please select another folder!"),
                                    Message::Icon::Error, Message::Abort));
        return Step::Failed;
    }
    return Step::Done;
}

void Installer::writeSettings()
{
    const QString error = m_report.writeSettings();
    if (!error.isEmpty())
        failed(error);
}

void Installer::removeOldManual()
{
    // In a folder setup made, or beside the manual an earlier setup put there, the old manual
    // makes way. Anything else of those names is the user's own file and stays.
    const QString folder = Platform::folderWithSeparator(m_plan.mainFolder);
    const bool ours = m_platform.fileExists(folder + ProgramFolder::markerName()) ||
                      m_platform.fileExists(folder + ProgramFolder::manualMarkerName());
    QStringList kept;
    for (const QString &name : {cabinetName, manualName, unpackedName}) {
        const QString file = inMainFolder(name);
        if (!m_platform.fileExists(file))
            continue;
        if (!ours) {
            kept << file;
        } else if (name != unpackedName && !m_platform.removeFile(file)) {
            failed(QStringLiteral("Cannot delete file ") + file);
            return;
        }
    }
    if (kept.isEmpty())
        return;
    m_manualBlocked = true;
    m_report.ask(setupbox::make(Message::Id::ManualKept, product::title(),
                                QStringLiteral("The manual was not unpacked: ") + kept.join(", ") +
                                    QStringLiteral(" was there before setup and is kept."),
                                Message::Icon::Information, Message::Ok,
                                Message::Owner::SetupWizard));
}

void Installer::writeCabinet()
{
    if (m_manualBlocked)
        return;
    const QString folder = Platform::folderWithSeparator(m_plan.mainFolder);
    // In a folder that was there before, this file says the manual is setup's, for the next
    // setup and for uninstall.
    if (!m_platform.fileExists(folder + ProgramFolder::markerName())) {
        const QString marker = folder + ProgramFolder::manualMarkerName();
        const QString error = m_platform.writeFile(marker, QByteArray());
        if (!error.isEmpty()) {
            m_manualBlocked = true;
            failed(QStringLiteral("Cannot create file ") + marker + ": " + error);
            return;
        }
    }
    const QString file = inMainFolder(cabinetName);
    QString error = m_plan.cabinet.isEmpty() ? QStringLiteral("the program carries no manual")
                                             : m_platform.writeFile(file, m_plan.cabinet);
    if (!error.isEmpty())
        failed(QStringLiteral("Cannot create file ") + file + ": " + error);
}

void Installer::extractManual()
{
    const QString cabinet = inMainFolder(cabinetName);
    if (m_manualBlocked || !m_platform.fileExists(cabinet))
        return; // its failure has been told at 50
    // The expander runs to its end before the sequence looks for its result at 85.
    QString output;
    const int code = m_platform.runTool(
        m_plan.extractProgram,
        {cabinet, QStringLiteral("/L"), Platform::folderWithSeparator(m_plan.mainFolder)}, &output);
    if (code != 0) {
        failed(code < 0 ? QStringLiteral("Could not start ") + m_plan.extractProgram
                        : QStringLiteral("The manual could not be unpacked: ") + output.trimmed());
        return;
    }
    // The cabinet holds TOLVANE.PDF; on a case-sensitive file system give it the manual's name.
    const QString unpacked = inMainFolder(unpackedName);
    if (!m_platform.fileExists(inMainFolder(manualName)) && m_platform.fileExists(unpacked) &&
        !m_platform.renameFile(unpacked, inMainFolder(manualName)))
        failed(QStringLiteral("Cannot rename ") + unpacked + " to " + inMainFolder(manualName));
}

void Installer::dropCabinet()
{
    const QString cabinet = inMainFolder(cabinetName);
    if (!m_manualBlocked && m_platform.fileExists(inMainFolder(manualName)) &&
        m_platform.fileExists(cabinet) && !m_platform.removeFile(cabinet))
        failed(QStringLiteral("Cannot delete file ") + cabinet);
}

} // namespace tolvane
