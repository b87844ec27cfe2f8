#pragma once

#include <QString>
#include <memory>

namespace tolvane {

class MainWindow;

// Builds the services once and creates the windows in their fixed order: the main window, the
// tool window, the setup wizard, the string table editor and the search file filter.
class App
{
  public:
    // The real services; the registry lives in the user's configuration folder unless a file is
    // given.
    explicit App(const QString &registryFile = QString());
    ~App();
    int run();

    MainWindow &main();

  private:
    struct Parts;
    std::unique_ptr<Parts> m;
};

} // namespace tolvane
