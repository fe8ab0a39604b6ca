#include "fleet/deploy_worker.h"

namespace kestrova::fleet {

// Carries what the loop tells from its thread to the observer's, where the worker was made. Its
// object there is gone with the worker: nothing reaches an observer that is no more.
struct DeployWorker::Relay final : DeployObserver {
    QObject home;
    DeployObserver& observer;

    explicit Relay(DeployObserver& to)
        : observer(to) {}

    void send(std::function<void(DeployObserver&)> call) {
        QMetaObject::invokeMethod(
            &home, [this, call = std::move(call)] { call(observer); }, Qt::QueuedConnection);
    }
    void status(const QString& text) override {
        send([text](DeployObserver& o) { o.status(text); });
    }
    void nextCamera(int camera) override {
        send([camera](DeployObserver& o) { o.nextCamera(camera); });
    }
    void cameraDone(int camera, const LoggedCard& card) override {
        send([camera, card](DeployObserver& o) { o.cameraDone(camera, card); });
    }
    void cardStarted(const CardReport& report) override {
        send([report](DeployObserver& o) { o.cardStarted(report); });
    }
    void cardFinished(const CardReport& report) override {
        send([report](DeployObserver& o) { o.cardFinished(report); });
    }
    void ask(const QString& question) override {
        send([question](DeployObserver& o) { o.ask(question); });
    }
    void finished(DeployEnd end, const QString& text) override {
        send([end, text](DeployObserver& o) { o.finished(end, text); });
    }
};

// The card service, made on the loop's thread: a service that takes its time to answer holds
// up no window, and its timers and signals come to the loop where it runs.
struct DeployWorker::Cards final : card::CardEjector {
    std::unique_ptr<card::CardService> service;
    std::optional<QString> eject(const card::Volume& card) override { return service->eject(card); }
};

DeployWorker::DeployWorker(CardServices cards, DeployObserver& observer)
    : makeCards_(std::move(cards))
    , cards_(std::make_unique<Cards>())
    , relay_(std::make_unique<Relay>(observer))
    , context_(new QObject) {}

DeployWorker::DeployWorker(DeploySetup setup, std::unique_ptr<DeployLog> log, CardServices cards,
                           const card::VolumeSource& volumes, FileHistory* history,
                           const Clock& clock, DeployObserver& observer)
    : DeployWorker(std::move(cards), observer) {
    log_ = std::move(log);
    begin(std::make_unique<DeployLoop>(std::move(setup), volumes, *cards_, *log_, history, clock,
                                       *relay_));
}

DeployWorker::DeployWorker(const MakeLoop& makeLoop, CardServices cards, DeployObserver& observer)
    : DeployWorker(std::move(cards), observer) {
    begin(makeLoop(*cards_, *relay_));
}

void DeployWorker::begin(std::unique_ptr<CardLoop> loop) {
    loop_ = std::move(loop);
    context_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, context_, &QObject::deleteLater);
    thread_.start();
    post([this](CardLoop& each) {
        cards_->service = makeCards_();
        // Heard of as an event of the loop's thread, whichever thread the service tells on.
        cards_->service->start([this] { post([](CardLoop& loop) { loop.cardsChanged(); }); });
        each.start();
    });
}

DeployWorker::~DeployWorker() {
    loop_->requestStop();
    post([this](CardLoop& loop) {
        loop.stopRequested();
        // Its timers and connections end where they live.
        cards_->service.reset();
    });
    thread_.quit();
    thread_.wait();
    // What the loop told meanwhile goes nowhere: its observer may be on its way out.
    relay_.reset();
}

void DeployWorker::post(std::function<void(CardLoop&)> event) {
    CardLoop* loop = loop_.get();
    QMetaObject::invokeMethod(
        context_, [loop, event = std::move(event)] { event(*loop); }, Qt::QueuedConnection);
}

void DeployWorker::answer(bool yes) {
    post([yes](CardLoop& loop) { loop.answer(yes); });
}

void DeployWorker::pickCamera(int camera) {
    post([camera](CardLoop& loop) { loop.pickCamera(camera); });
}

void DeployWorker::stop() {
    // Seen at once by a card being written; the event ends a run that waits for a card.
    loop_->requestStop();
    post([](CardLoop& loop) { loop.stopRequested(); });
}

} // namespace kestrova::fleet
