#pragma once

#include "field/camtrap_package.h"
#include "field/card_reading.h"

#include <QObject>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

namespace kestrova::field {

// What the card report window shows and does, beside the window: a card read on a thread of
// its own, so the window stays responsive, with how far it got and a way to stop it; the report
// once read; the Camtrap DP package written from it. Whatever the thread tells comes to
// `changed` on the thread that made the session, through its event loop.
class CardReportSession {
public:
    enum class State { Idle, Reading, Read, Cancelled, Failed, Exporting };

    CardReportSession(ReportRequest request, std::function<void()> changed);
    // Stops a reading under way and waits for its thread.
    ~CardReportSession();
    CardReportSession(const CardReportSession&) = delete;
    CardReportSession& operator=(const CardReportSession&) = delete;

    // Reads the card in the folder; a reading under way is stopped first.
    void read(const QString& folder);
    void cancel();
    // Writes the package of the report read last into `folder`, on the thread.
    void exportTo(const QString& folder);

    State state() const { return state_; }
    int filesRead() const { return filesRead_.load(); }
    int filesTotal() const { return filesTotal_.load(); }
    const std::optional<CardReport>& report() const { return report_; }
    // Why the folder could not be read (in English, from the reader's checks).
    const std::optional<QString>& problem() const { return problem_; }
    const std::optional<PackageResult>& exported() const { return exported_; }
    const QString& exportFolder() const { return exportFolder_; }
    const ReportRequest& request() const { return request_; }

private:
    void run(std::function<void()> work);
    void stop();
    void post(std::function<void()> update);

    ReportRequest request_;
    std::function<void()> changed_;
    State state_ = State::Idle;
    std::atomic_bool cancel_ = false;
    std::atomic_int filesRead_ = 0;
    std::atomic_int filesTotal_ = 0;
    std::optional<PreparedReport> prepared_;
    std::optional<CardReport> report_;
    std::optional<QString> problem_;
    std::optional<PackageResult> exported_;
    QString exportFolder_;
    std::unique_ptr<QThread> thread_;
    std::unique_ptr<QObject> home_; // lives on the session's thread: posts land there
};

} // namespace kestrova::field
