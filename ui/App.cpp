#include "App.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

namespace tolvane {

struct App::Parts
{
    QMainWindow window;
};

App::App() : m(std::make_unique<Parts>())
{
    m->window.setWindowTitle(QStringLiteral("Tolvane v3.06b"));
    m->window.setCentralWidget(new QLabel(QStringLiteral("File list:")));
    m->window.setFixedSize(479, 312);
}

App::~App() = default;

int App::run()
{
    m->window.show();
    return QApplication::exec();
}

} // namespace tolvane
