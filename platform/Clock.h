#pragma once

#include <QDateTime>

namespace tolvane {

// Where a text shows the time, it asks this, so tests can fix the moment.
class Clock
{
  public:
    virtual ~Clock() = default;
    // A reproducible build names its moment in SOURCE_DATE_EPOCH (seconds since 1970, UTC):
    // that moment is shown then, in UTC, so two builds of one project give the same bytes.
    virtual QDateTime now() const
    {
        bool isNumber = false;
        const qint64 epoch = qEnvironmentVariable("SOURCE_DATE_EPOCH").toLongLong(&isNumber);
        if (isNumber && epoch >= 0)
            return QDateTime::fromSecsSinceEpoch(epoch, Qt::UTC);
        return QDateTime::currentDateTime();
    }
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
