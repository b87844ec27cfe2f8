#include "ui/App.h"
#include "core/Product.h"
#include "core/StringTable.h"
#include "platform/LinuxPlatform.h"
#include "ui/Windows.h"
#include "ui/mainwindow/MainWindow.h"
#include "ui/searchfilter/SearchFilter.h"
#include "ui/setup/SetupWizard.h"
#include "ui/stringtable/StringTableEditor.h"
#include "ui/toolwindow/ToolWindow.h"

#include <QApplication>
#include <QScreen>

static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace tolvane {

namespace {
// The screen knows the colour depth; the platform layer does not link the GUI.
class DesktopPlatform : public LinuxPlatform
{
  public:
    int colourDepth() override
    {
        QScreen *screen = QGuiApplication::primaryScreen();
        return screen ? screen->depth() : 32;
    }
};

} // namespace

struct App::Parts
{
    explicit Parts(const QString &file)
        : registry(file), settings(registry), services{platform, settings, prompter, pacer,
                                                       sound,    taskbar,  clock,    strings}
    {
    }
    DesktopPlatform platform;
    Registry registry;
    SettingsStore settings;
    WidgetPrompter prompter;
    Pacer pacer;
    SystemSoundPlayer sound;
    TaskbarIdentity taskbar;
    Clock clock;
    StringTable strings;
    Services services;
    std::unique_ptr<Windows> windows;
};

App::App(const QString &registryFile)
    : m(std::make_unique<Parts>(registryFile.isEmpty() ? Registry::userFile() : registryFile))
{
    initResources();
    // One look on every desktop: the layouts are drawn to fixed sizes.
    QApplication::setStyle(QStringLiteral("Fusion"));
    QGuiApplication::setApplicationName(QStringLiteral("Tolvane"));
    m->taskbar.set(product::title(), QStringLiteral("logo"));
    m->windows = std::make_unique<Windows>(m->services);
    // The windows exist now: they take the title too.
    m->taskbar.setTitle(m->taskbar.title());
    QObject::connect(&m->windows->setup(), &SetupWizard::quitRequested, qApp,
                     &QCoreApplication::quit, Qt::QueuedConnection);
}

App::~App() = default;

MainWindow &App::main()
{
    return m->windows->main();
}

int App::run()
{
    main().show();
    if (!m->registry.problem().isEmpty()) {
        Box b;
        b.owner = &main();
        b.caption = product::title();
        b.text = m->registry.problem();
        b.icon = Box::Warning;
        m->prompter.ask(b);
    }
    return QApplication::exec();
}

} // namespace tolvane
