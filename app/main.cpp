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
    parser.setApplicationDescription(tolvane::product::title() +
                                     QStringLiteral(" - resource builder."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.process(application);

    tolvane::App app;
    return app.run();
}
