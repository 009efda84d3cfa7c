#include "update/wait_pumping.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <climits>

namespace velmora {

double PauseMilliseconds(std::int64_t duration, int unit) {
  int msPerUnit = unit;
  switch (unit) {
    case 0:
      msPerUnit = 1;
      break;
    case 1:
      msPerUnit = 1000;
      break;
    case 2:
      msPerUnit = 60000;
      break;
    case 3:
      msPerUnit = 3600000;
      break;
  }
  // In double, as the product of a 64-bit count and an hour can overflow.
  return static_cast<double>(duration) * msPerUnit;
}

namespace {

QDeadlineTimer DeadlineAfter(double ms) {
  // Some 30 years on, a deadline is as good as never.
  constexpr double kNever = 1e12;
  if (ms >= kNever) return QDeadlineTimer(QDeadlineTimer::Forever, Qt::PreciseTimer);
  return QDeadlineTimer(static_cast<qint64>(ms), Qt::PreciseTimer);
}

// The time left in ms, capped to what a Qt timer or sleep takes.
int TimeLeftMs(const QDeadlineTimer& deadline) {
  qint64 left = deadline.remainingTime();  // -1 for a deadline that never comes
  return left < 0 || left > INT_MAX ? INT_MAX : static_cast<int>(left);
}

}  // namespace

bool WaitPumping(std::int64_t duration, int unit) {
  double ms = PauseMilliseconds(duration, unit);
  if (!(ms > 0)) return true;
  QDeadlineTimer deadline = DeadlineAfter(ms);
  if (!QAbstractEventDispatcher::instance()) {
    // No event loop on this thread: there is nothing to process.
    while (!deadline.hasExpired())
      QThread::msleep(static_cast<unsigned long>(TimeLeftMs(deadline)));
    return true;
  }
  // Our own timer wakes the blocking processEvents below at the deadline.
  // Processing events directly, rather than running a nested QEventLoop,
  // leaves a quit request alone: QCoreApplication::exit() would end a
  // nested loop early, whereas here it only marks the main loop.
  QTimer wake;
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  while (!deadline.hasExpired()) {
    if (!wake.isActive()) wake.start(TimeLeftMs(deadline));
    QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
  }
  return true;
}

}  // namespace velmora
