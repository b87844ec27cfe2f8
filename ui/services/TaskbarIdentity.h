#pragma once

#include <QIcon>
#include <QString>

namespace tolvane {

// The application's title and icon, which tell what was done last.
class TaskbarIdentity
{
  public:
    virtual ~TaskbarIdentity() = default;
    virtual void set(const QString &title, const QString &iconName);
    virtual void setTitle(const QString &title);
    virtual void setIcon(const QString &iconName);

    QString title() const { return m_title; }
    // The title boxes without a caption of their own carry: the taskbar title, or the product's
    // title before one was set.
    QString applicationTitle() const;
    // The taskbar title last set by any identity of the application.
    static QString currentTitle();
    QString iconName() const { return m_icon; }

    // The pictures by role: "logo", "warning", "error", "printer", "project", "folder",
    // "missing", "explorer", "text"; "" clears the icon.
    static QIcon icon(const QString &name);

  private:
    QString m_title;
    QString m_icon;
};

} // namespace tolvane
