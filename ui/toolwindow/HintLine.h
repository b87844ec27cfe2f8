#pragma once

#include <QLabel>

namespace tolvane {

// The tool window's one-line hint label: it keeps the whole text and shows what fits, cut at the
// end with "..." so that the start of a hint is always read.
class HintLine : public QLabel
{
    Q_OBJECT

  public:
    explicit HintLine(QWidget *parent = nullptr);

    QString hint() const { return m_hint; }
    void setHint(const QString &text);

  protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

  private:
    void relayout();

    QString m_hint;
};

} // namespace tolvane
