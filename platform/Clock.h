#pragma once

#include <QDateTime>

namespace tolvane {

// Where a text shows the time, it asks this, so tests can fix the moment.
class Clock
{
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const { return QDateTime::currentDateTime(); }
};

class FixedClock : public Clock
{
  public:
    explicit FixedClock(const QDateTime &moment) : m_moment(moment) {}
    QDateTime now() const override { return m_moment; }

  private:
    QDateTime m_moment;
};

} // namespace tolvane
