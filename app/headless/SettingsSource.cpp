#include "app/headless/SettingsSource.h"
#include "platform/Registry.h"
#include "settings/SettingsStore.h"

namespace tolvane::headless {

namespace {
const char *const freshSettings =
    "tolvane-build: the settings of a fresh installation apply: scripts only (the script and\n"
    "  its .res), and the script and the library both named \"Untitled\", so that --compile\n"
    "  stops at the question of equal names unless --yes answers it.\n"
    "  Pass --registry FILE to read a settings file, or set what you need with --script-name\n"
    "  NAME, --library-name NAME and --compile.\n";
} // namespace

SettingsCheck checkSettings(Registry &registry, SettingsStore &settings, bool named)
{
    SettingsCheck check;
    const QString file = registry.filePath();
    if (!registry.problem().isEmpty()) {
        check.status = SettingsUnusable;
        check.text = QStringLiteral("tolvane-build: %1\n  Nothing was built: mend the file, or "
                                    "name another with --registry FILE.\n")
                         .arg(registry.problem());
        return check;
    }
    if (registry.fileMissing()) {
        if (named) {
            check.status = SettingsMissing;
            check.text =
                QStringLiteral("tolvane-build: the settings file %1 does not exist.\n").arg(file);
            return check;
        }
        check.text = QStringLiteral("tolvane-build: no settings file was found (%1).\n").arg(file) +
                     QLatin1String(freshSettings);
        return check;
    }
    if (!settings.settingsKeyExists())
        check.text = QStringLiteral("tolvane-build: the settings file %1 holds no settings of "
                                    "Tolvane (its setup has not been run).\n")
                         .arg(file) +
                     QLatin1String(freshSettings);
    return check;
}

} // namespace tolvane::headless
