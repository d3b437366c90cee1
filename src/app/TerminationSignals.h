#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into an orderly quit of the event loop, so
// a session logout or `kill` still writes any pending save and closes the
// store cleanly. Install once, after the application object exists.

#include <QObject>

class QSocketNotifier;

namespace murvane::app {

class TerminationSignals : public QObject {
    Q_OBJECT
public:
    explicit TerminationSignals(QObject* parent = nullptr);
    ~TerminationSignals() override;

Q_SIGNALS:
    void terminationRequested(int signalNumber);

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace murvane::app
