#pragma once

#include "ui/services/Services.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;

namespace tolvane {

class ToolWindow;

// The string table editor: numbered strings for the next build's STRINGTABLE block.
class StringTableEditor : public QWidget
{
    Q_OBJECT

  public:
    StringTableEditor(Services &services, ToolWindow &tool, QWidget *parent = nullptr);
    // Reads its colours when the settings key exists.
    void start();
    // "&Insert String Table": Done is off while the table is empty.
    void open();
    // The main window emptied the table.
    void tableClearedOutside();
    // "Window color" and "Font color" of the tool window reach the list and the entry field.
    void setEntryColours(const QColor *background, const QColor *text);

    QLineEdit *field() const { return m_field; }
    QListWidget *list() const { return m_list; }

  public slots:
    void insert();
    void addPlaceholder(const QString &placeholder);
    void done();
    void cancel();
    void exportTable();
    void removeFocused();
    // Re-evaluated as the mouse moves over the list.
    void updateRemove();

  protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

  private:
    void checkField(const QString &text);
    void refreshButtons();
    void updateHints();

    Services &m_s;
    ToolWindow &m_tool;
    QLineEdit *m_field = nullptr;
    QListWidget *m_list = nullptr;
    QPushButton *m_insert = nullptr, *m_addS = nullptr, *m_addD = nullptr, *m_done = nullptr,
                *m_export = nullptr, *m_cancel = nullptr;
    QMenu *m_menu = nullptr;
    QAction *m_remove = nullptr;
    bool m_checking = false;
};

} // namespace tolvane
