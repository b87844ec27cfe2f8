// tolvane-build: the build of the windowed program, without windows, for build servers.
#include "app/headless/CommandLine.h"
#include "app/headless/HeadlessBuild.h"
#include "platform/Clock.h"
#include "platform/LinuxPlatform.h"
#include "platform/Registry.h"
#include "settings/SettingsStore.h"

#include <QCoreApplication>

using namespace tolvane;

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvane-build"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVANE_VERSION));

    QString help;
    const headless::ParseResult parsed = headless::parseCommandLine(application.arguments(), &help);
    if (parsed.helpShown) {
        fputs(qPrintable(help), stdout);
        return 0;
    }
    if (parsed.versionShown) {
        printf("tolvane-build %s\n", TOLVANE_VERSION);
        return 0;
    }
    if (!parsed.error.isEmpty()) {
        fprintf(stderr, "tolvane-build: %s\nTry 'tolvane-build --help'.\n",
                qPrintable(parsed.error));
        return headless::Usage;
    }

    QString registryFile = parsed.line.registryFile;
    if (registryFile.isEmpty())
        registryFile = Registry::userFile();
    Registry registry(registryFile);
    if (!registry.problem().isEmpty())
        fprintf(stderr, "tolvane-build: %s\n", qPrintable(registry.problem()));
    SettingsStore settings(registry);
    LinuxPlatform platform;
    Clock clock;
    headless::HeadlessBuild build(platform, settings, clock);
    return build.run(parsed.line);
}
