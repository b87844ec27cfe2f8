#include "app/StartProject.h"
#include "core/Product.h"
#include "ui/App.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationVersion(QStringLiteral(TOLVANE_VERSION));
    // The desktop entry's name, so a Wayland desktop shows the entry's icon for the windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.kelvadore.Tolvane"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        tolvane::product::title() +
        QStringLiteral(" - resource builder. Started with a project file, it opens with that "
                       "project loaded."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("project"),
                                 QStringLiteral("A project file (.tpf) to load."),
                                 QStringLiteral("[project]"));
    parser.process(application);
    if (parser.positionalArguments().size() > 1) {
        fputs("tolvane: one project file at a time\n", stderr);
        return 2;
    }

    tolvane::App app;
    tolvane::loadProjectAtStart(app.main(), parser.positionalArguments().value(0));
    return app.run();
}
