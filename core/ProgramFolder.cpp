#include "core/ProgramFolder.h"
#include "platform/Platform.h"

#include <QDir>

namespace tolvane {

QStringList ProgramFolder::setupFiles()
{
    return {QStringLiteral("Tolvane.pdf"), QStringLiteral("Tolvane.pd_")};
}

namespace {

bool marked(Platform &platform, const QString &folder)
{
    return platform.fileExists(Platform::folderWithSeparator(folder) + ProgramFolder::markerName());
}

bool inside(const QString &path, const QString &folder)
{
    return path.startsWith(Platform::folderWithSeparator(folder));
}

} // namespace

RemovalPlan ProgramFolder::removalPlan(Platform &platform, const QString &folder,
                                       const QString &projects, const QString &home)
{
    RemovalPlan plan;
    if (folder.trimmed().isEmpty() || !platform.folderExists(folder)) {
        plan.message = QStringLiteral("Could not locate program folder ") + folder;
        return plan;
    }
    // Decide on the real folder: a link's own path says nothing about what it leads to.
    const QString real = platform.resolvedPath(folder);
    plan.folder = real;
    const QString refused = QStringLiteral("The folder \"%1\" was not removed: ").arg(folder);
    const QString realHome =
        platform.resolvedPath(home).isEmpty() ? QDir::cleanPath(home) : platform.resolvedPath(home);
    plan.kind = RemovalPlan::Refused;
    if (real.isEmpty() || QDir(real).isRoot()) {
        plan.message = refused + QStringLiteral("it is the root of a drive.");
        return plan;
    }
    if (!realHome.isEmpty() && (real == realHome || inside(realHome, real))) {
        plan.message = refused + QStringLiteral("it is your home folder or holds it.");
        return plan;
    }
    if (marked(platform, real)) {
        plan.kind = RemovalPlan::WholeFolder;
        plan.trees << real;
        // The setting named a link: once the folder is gone the link leads nowhere.
        if (platform.isLink(folder))
            plan.files << folder;
        return plan;
    }
    // Adopted: the user's own files stay; the manual and a subfolder setup made go.
    plan.kind = RemovalPlan::SetupItems;
    plan.message = QStringLiteral("The folder \"%1\" was kept: it was there before setup. Only "
                                  "what setup put into it was removed.")
                       .arg(folder);
    const QString realProjects = platform.resolvedPath(projects);
    if (!realProjects.isEmpty() && inside(realProjects, real) && marked(platform, realProjects))
        plan.trees << realProjects;
    const QString manualMarker = Platform::folderWithSeparator(real) + manualMarkerName();
    if (!platform.fileExists(manualMarker))
        return plan; // a manual there is the user's own file
    for (const QString &name : setupFiles()) {
        const QString file = Platform::folderWithSeparator(real) + name;
        if (platform.fileExists(file))
            plan.files << file;
    }
    plan.files << manualMarker;
    return plan;
}

} // namespace tolvane
