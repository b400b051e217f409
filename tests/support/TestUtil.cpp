#include "support/TestUtil.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

void ProcessEventsFor(int ms) {
    WaitUntil([] { return false; }, ms);
}

bool WaitUntil(const std::function<bool()>& predicate, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (!predicate()) {
        const qint64 left = timeoutMs - timer.elapsed();
        if (left <= 0) {
            return predicate();
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents,
                                        static_cast<int>(qMin<qint64>(left, 10)));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // processEvents returns at once when nothing is pending; a short sleep
        // keeps the wait from spinning a core others need.
        QThread::msleep(1);
    }
    return true;
}

QByteArray ReadFileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path.toStdString();
        return {};
    }
    return file.readAll();
}

void WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        ADD_FAILURE() << "cannot write " << path.toStdString();
    }
}
