#pragma once

#include "core/PathLayout.h"

#include <QLabel>

namespace tolvane {

// A one-line label that shortens a path to its width, dropping whole folders in favour of
// "...", keeping the drive and the file name.
class TFileLabel : public QLabel
{
    Q_OBJECT

  public:
    explicit TFileLabel(QWidget *parent = nullptr);

    QString fileName() const { return m_fileName; }
    void setFileName(const QString &text);
    QString separator() const { return m_separator; }
    void setSeparator(const QString &separator);
    PathLayout::Direction direction() const { return m_direction; }
    void setDirection(PathLayout::Direction direction);
    // How many times the text was laid out; a repeated equal text does not count.
    int layouts() const { return m_layouts; }
    // How many characters the last layout measured, however often.
    qsizetype measured() const { return m_measured; }

  protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    void relayout();

    QString m_fileName;
    QString m_separator;
    PathLayout::Direction m_direction = PathLayout::FromLeft;
    int m_layouts = 0;
    qsizetype m_measured = 0;
};

} // namespace tolvane
