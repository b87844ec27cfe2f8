#pragma once

#include <memory>

namespace tolvane {

// Builds the services once and creates the windows in their fixed order.
class App
{
  public:
    App();
    ~App();
    int run();

  private:
    struct Parts;
    std::unique_ptr<Parts> m;
};

} // namespace tolvane
