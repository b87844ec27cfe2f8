// tolvane-build: the build of the windowed program, without windows, for build servers.
#include "app/headless/CommandLine.h"
#include "app/headless/HeadlessBuild.h"
#include "app/headless/HeadlessPlatform.h"
#include "app/headless/SettingsSource.h"
#include "platform/Clock.h"
#include "platform/NativeName.h"
#include "platform/Registry.h"
#include "settings/SettingsStore.h"
#include "tools/common/SignalCleanup.h"

#include <QCoreApplication>

using namespace tolvane;

int main(int argc, char **argv)
{
    // First: a signal from here on removes what the build made.
    signalcleanup::install();
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tolvane-build"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOLVANE_VERSION));

    // Names are bytes: one that is not UTF-8 must still name its file.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << nativename::decode(QByteArray(argv[i]));
    QString help;
    const headless::ParseResult parsed = headless::parseCommandLine(arguments, &help);
    if (parsed.helpShown) {
        fputs(help.toUtf8().constData(), stdout);
        return 0;
    }
    if (parsed.versionShown) {
        printf("tolvane-build %s\n", TOLVANE_VERSION);
        return 0;
    }
    if (!parsed.error.isEmpty()) {
        fprintf(stderr, "tolvane-build: %s\nTry 'tolvane-build --help'.\n",
                nativename::display(parsed.error).toUtf8().constData());
        return headless::Usage;
    }

    const bool named = !parsed.line.registryFile.isEmpty();
    const QString registryFile = named ? parsed.line.registryFile : Registry::userFile();
    Registry registry(registryFile, Registry::Access::ReadOnly);
    SettingsStore settings(registry);
    const headless::SettingsCheck check = headless::checkSettings(registry, settings, named);
    if (!check.text.isEmpty())
        fprintf(stderr, "%s", nativename::display(check.text).toUtf8().constData());
    if (check.status != headless::Built)
        return check.status;

    headless::HeadlessPlatform platform(parsed.line.timeoutMs);
    Clock clock;
    headless::HeadlessBuild build(platform, settings, clock);
    return build.run(parsed.line);
}
