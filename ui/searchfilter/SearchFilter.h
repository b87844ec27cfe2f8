#pragma once

#include <QWidget>

class QLineEdit;
class QPushButton;

namespace tolvane {

class ClipPlayer;
class MainWindow;

// Selects the file list's entries of one extension.
class SearchFilter : public QWidget
{
    Q_OBJECT

  public:
    SearchFilter(MainWindow &main, QWidget *parent = nullptr);
    void openAt(const QPoint &topLeft);
    QLineEdit *edit() const { return m_edit; }

  public slots:
    void accept();
    void closeFilter();

  private:
    MainWindow &m_main;
    QLineEdit *m_edit = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_close = nullptr;
    ClipPlayer *m_animation = nullptr;
};

} // namespace tolvane
