#pragma once

#include "ui/services/Services.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tolvane {

// The text file utility: asks what to do with a dropped text file (print it, or copy it as a
// unit, a resource script or a project) and shows the picture of the chosen option.
class TextCopier : public QDialog
{
    Q_OBJECT

  public:
    enum Option
    {
        None = -1,
        Print,
        Unit,
        Script,
        Project
    };

    explicit TextCopier(Services &services, QWidget *parent = nullptr);

    // Its place for the whole run: 75 pixels right of and 80 below the main window's position.
    void placeBeside(const QPoint &mainWindowPosition);
    // Shows the dialog for one file with Print chosen and waits; None after Cancel.
    Option ask(const QString &path);
    // The caption that names the file.
    static QString captionFor(const QString &path);
    // ".pas", ".rc" or ".dpr" for the three copies, empty otherwise.
    static QString extensionFor(Option option);

    Option option() const;
    void setOption(Option option);
    // Which picture shows: the option it stands for.
    Option pictureShown() const { return m_pictureOption; }

  protected:
    void reject() override;
    void accept() override;

  private:
    void fitCaption();
    void showPicture(Option option);
    void restoreTaskbar();

    Services &m_s;
    QButtonGroup *m_options = nullptr;
    QLabel *m_picture = nullptr;
    Option m_pictureOption = Print;
};

} // namespace tolvane
