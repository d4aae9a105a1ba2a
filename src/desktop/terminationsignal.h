#pragma once

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (log-out, a shut-down, Ctrl+C in a terminal)
// into a Qt signal, so the game closes its window the normal way and keeps its
// settings.
class TerminationSignal : public QObject
{
    Q_OBJECT

public:
    explicit TerminationSignal(QObject* parent = nullptr);
    ~TerminationSignal() override;

signals:
    void received();

private:
    QSocketNotifier* notifier_ = nullptr;
};
