#pragma once

#include "core/check/CheckOutcome.h"

#include <QObject>

#include <memory>

class BackgroundJob;
class CheckListener;

// A check on a worker thread of its own; its end comes as finished() on the
// thread that started it. Knows no window: everything goes to the listener.
class CheckEngine : public QObject {
    Q_OBJECT
public:
    CheckEngine(const CheckSettings &settings, std::unique_ptr<CheckListener> listener, QObject *parent = nullptr);
    ~CheckEngine() override;

    void start();
    void cancel();
    const CheckOutcome &outcome() const { return m_outcome; }
    const CheckSettings &settings() const { return m_settings; }

signals:
    void finished();

private:
    const CheckSettings m_settings;
    std::unique_ptr<CheckListener> m_listener;
    BackgroundJob *m_job = nullptr;
    CheckOutcome m_outcome;
};
