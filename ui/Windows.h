#pragma once

#include "ui/services/Services.h"

#include <memory>

namespace tolvane {

class MainWindow;
class ToolWindow;
class StringTableEditor;
class SearchFilter;
class BuildRunner;
class SetupWizard;
class TextCopier;

// The program's windows, created once in their fixed order and wired to each other.
class Windows
{
  public:
    explicit Windows(Services &services);
    ~Windows();

    MainWindow &main() { return *m_main; }
    ToolWindow &tool() { return *m_tool; }
    StringTableEditor &editor() { return *m_editor; }
    SearchFilter &filter() { return *m_filter; }
    BuildRunner &build() { return *m_build; }
    SetupWizard &setup() { return *m_setup; }
    TextCopier &textCopier() { return *m_textCopier; }

  private:
    std::unique_ptr<MainWindow> m_main;
    std::unique_ptr<ToolWindow> m_tool;
    std::unique_ptr<SetupWizard> m_setup;
    std::unique_ptr<StringTableEditor> m_editor;
    std::unique_ptr<SearchFilter> m_filter;
    std::unique_ptr<TextCopier> m_textCopier;
    std::unique_ptr<BuildRunner> m_build;
};

} // namespace tolvane
