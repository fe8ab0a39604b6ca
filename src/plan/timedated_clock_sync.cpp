#include "plan/timedated_clock_sync.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace kestrova::plan {

// Shared with the thread that asks, which may outlive the object (a bus that never answers
// holds it until the bus goes away).
struct TimedatedClockSync::State {
    std::mutex mutex;
    std::condition_variable doneChanged;
    bool done = false;
    std::optional<bool> answer;
};

namespace {

// A reply later than this counts as none: timedated answers in milliseconds where it runs.
constexpr int replyWaitMs = 300;

std::optional<bool> ask(const QString& address) {
    // A stopped bus daemon would hold Qt's connection, and the program's exit, for 25 seconds.
    if (!card::busAnswers(address, replyWaitMs))
        return std::nullopt;
    // A connection of its own for each question, however many are under way.
    static std::atomic<int> questions;
    const QString name = QStringLiteral("kestrova-timedated-%1").arg(questions++);
    std::optional<bool> answer;
    {
        const QDBusConnection bus = QDBusConnection::connectToBus(address, name);
        if (bus.isConnected()) {
            QDBusMessage call = QDBusMessage::createMethodCall(
                QStringLiteral("org.freedesktop.timedate1"),
                QStringLiteral("/org/freedesktop/timedate1"),
                QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
            call << QStringLiteral("org.freedesktop.timedate1")
                 << QStringLiteral("NTPSynchronized");
            const QDBusMessage reply = bus.call(call, QDBus::Block, replyWaitMs);
            if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
                const QVariant value =
                    reply.arguments().constFirst().value<QDBusVariant>().variant();
                if (value.typeId() == QMetaType::Bool)
                    answer = value.toBool();
            }
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return answer;
}

} // namespace

TimedatedClockSync::TimedatedClockSync(const QString& busAddress)
    : state_(std::make_shared<State>()) {
    std::thread([state = state_, busAddress] {
        const std::optional<bool> answer = ask(busAddress);
        const std::lock_guard lock(state->mutex);
        state->answer = answer;
        state->done = true;
        state->doneChanged.notify_all();
    }).detach();
}

std::optional<bool> TimedatedClockSync::synchronised() const {
    const std::lock_guard lock(state_->mutex);
    return state_->answer;
}

bool TimedatedClockSync::waitUntilDone(int ms) const {
    std::unique_lock lock(state_->mutex);
    return state_->doneChanged.wait_for(lock, std::chrono::milliseconds(ms),
                                        [this] { return state_->done; });
}

} // namespace kestrova::plan
