#include "field/card_report_session.h"

#include "field/media_walk.h"
#include "field/package_export.h"

namespace kestrova::field {

CardReportSession::CardReportSession(ReportRequest request, std::function<void()> changed)
    : request_(std::move(request))
    , changed_(std::move(changed))
    , home_(std::make_unique<QObject>()) {}

CardReportSession::~CardReportSession() {
    stop();
}

void CardReportSession::stop() {
    cancel_ = true;
    if (thread_) {
        thread_->wait();
        thread_.reset();
    }
    cancel_ = false;
}

void CardReportSession::post(std::function<void()> update) {
    QMetaObject::invokeMethod(
        home_.get(),
        [this, update = std::move(update)] {
            update();
            if (changed_)
                changed_();
        },
        Qt::QueuedConnection);
}

void CardReportSession::run(std::function<void()> work) {
    stop();
    thread_.reset(QThread::create(std::move(work)));
    thread_->start();
}

void CardReportSession::read(const QString& folder) {
    stop();
    report_.reset();
    problem_.reset();
    exported_.reset();
    filesRead_ = 0;
    filesTotal_ = 0;
    state_ = State::Reading;
    ReportRequest request = request_;
    request.folder = folder;
    run([this, request] {
        PreparedReport prepared = prepareReport(request);
        if (prepared.problem) {
            post([this, problem = *prepared.problem] {
                problem_ = problem;
                state_ = State::Failed;
            });
            return;
        }
        filesTotal_ = MediaWalk(request.folder).count();
        post([] {});
        ReadProgress progress;
        progress.cancel = &cancel_;
        progress.progress = [this](int read) {
            filesRead_ = read;
            post([] {});
        };
        std::optional<CardReport> report = readCard(prepared, progress);
        post([this, report = std::move(report), prepared = std::move(prepared)]() mutable {
            state_ = report ? State::Read : State::Cancelled;
            report_ = std::move(report);
            prepared_ = std::move(prepared);
        });
    });
}

void CardReportSession::cancel() {
    cancel_ = true;
}

void CardReportSession::exportTo(const QString& folder) {
    if (!report_ || !prepared_ || state_ == State::Reading || state_ == State::Exporting)
        return;
    stop();
    state_ = State::Exporting;
    exported_.reset();
    exportFolder_ = folder;
    filesRead_ = 0;
    run([this, folder, report = *report_, prepared = *prepared_] {
        ReadProgress progress;
        progress.cancel = &cancel_;
        progress.progress = [this](int read) {
            filesRead_ = read;
            post([] {});
        };
        std::optional<PackageResult> result = exportCardPackage(report, prepared, folder, progress);
        post([this, result = std::move(result)] {
            // A cancelled export leaves the report as it was, and no package.
            exported_ = result;
            state_ = State::Read;
        });
    });
}

} // namespace kestrova::field
