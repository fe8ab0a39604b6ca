#include "qt/card_report_window.h"

#include "card/system_volumes.h"
#include "field/report_text.h"
#include "i18n/fleet_texts.h"
#include "qt/day_charts.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace kestrova::qt {

namespace {

using i18n::FieldText;

// A thumbnail's box: a picture is read scaled down to it, never decoded at its full size.
constexpr QSize thumbnailBox(128, 96);
// A deployment log of thousands of cards is a few megabytes.
constexpr qint64 logLimit = 256 * 1024 * 1024;
constexpr int preferredWidth = 900;

QString legendHtml(int language) {
    QStringList entries;
    for (const field::DayState state :
         {field::DayState::Working, field::DayState::NoPictures, field::DayState::Down,
          field::DayState::CardFull, field::DayState::Before}) {
        const QString name = state == field::DayState::Before
                                 ? field::dayStateText(state, language) + QStringLiteral(" / ") +
                                       field::dayStateText(field::DayState::After, language)
                                 : field::dayStateText(state, language);
        entries << QStringLiteral("<span style=\"color:%1\">\u25A0</span>&nbsp;%2")
                       .arg(dayStateColour(state).name(), name.toHtmlEscaped());
    }
    return entries.join(QStringLiteral(" &nbsp; "));
}

} // namespace

CardReportWindow::CardReportWindow(const dialog::CardReportRequest& request, QWidget* parent)
    : QDialog(parent)
    , request_(request) {
    field::ReportRequest reportRequest;
    reportRequest.language = request.language;
    reportRequest.fallbackModel = request.model;
    session_ = std::make_unique<field::CardReportSession>(reportRequest, [this] { refresh(); });
    chooser_ = [this](bool folder, const QString& start) -> std::optional<QString> {
        const QString chosen =
            folder ? QFileDialog::getExistingDirectory(this, QString(), start)
                   : QFileDialog::getOpenFileName(this, QString(), start,
                                                  QStringLiteral("CSV (*.csv);;* (*)"));
        return chosen.isEmpty() ? std::nullopt : std::optional<QString>(chosen);
    };
    buildControls();
    folder_->setText(QDir::toNativeSeparators(request.folder));
    log_->setText(QDir::toNativeSeparators(request.log));
    refresh();
    // Wide enough for a season's days and the report's lines; a laptop's screen holds it.
    resize(std::max(sizeHint().width(), preferredWidth), sizeHint().height());
}

CardReportWindow::~CardReportWindow() = default;

QString CardReportWindow::text(FieldText id) const {
    return i18n::fieldText(id, request_.language);
}

void CardReportWindow::buildControls() {
    setWindowTitle(text(FieldText::WindowTitle));
    auto* layout = new QVBoxLayout(this);

    auto* inputs = new QGridLayout;
    auto* folderLabel = new QLabel(text(FieldText::FolderLabel));
    folder_ = new QLineEdit;
    folderLabel->setBuddy(folder_);
    auto* browseFolder = new QPushButton(text(FieldText::Browse));
    auto* logLabel = new QLabel(i18n::fleetText(i18n::FleetText::LogLabel, request_.language));
    log_ = new QLineEdit;
    logLabel->setBuddy(log_);
    auto* browseLog = new QPushButton(text(FieldText::Browse));
    read_ = new QPushButton(text(FieldText::Read));
    read_->setDefault(true);
    inputs->addWidget(folderLabel, 0, 0);
    inputs->addWidget(folder_, 0, 1);
    inputs->addWidget(browseFolder, 0, 2);
    inputs->addWidget(logLabel, 1, 0);
    inputs->addWidget(log_, 1, 1);
    inputs->addWidget(browseLog, 1, 2);
    inputs->addWidget(read_, 0, 3, 2, 1);
    layout->addLayout(inputs);

    auto* progressRow = new QHBoxLayout;
    progress_ = new QProgressBar;
    progress_->setTextVisible(false);
    cancel_ = new QPushButton(text(FieldText::Cancel));
    status_ = new QLabel;
    status_->setWordWrap(true);
    progressRow->addWidget(progress_, 1);
    progressRow->addWidget(cancel_);
    layout->addLayout(progressRow);
    layout->addWidget(status_);

    auto* middle = new QHBoxLayout;
    report_ = new QPlainTextEdit;
    report_->setReadOnly(true);
    report_->setTabChangesFocus(true);
    report_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    report_->setMinimumHeight(2 * (thumbnailBox.height() + 24));
    middle->addWidget(report_, 1);
    auto* pictures = new QVBoxLayout;
    for (auto [picture, caption] :
         {std::pair{&firstPicture_, &firstCaption_}, std::pair{&lastPicture_, &lastCaption_}}) {
        *caption = new QLabel;
        (*caption)->setWordWrap(true);
        (*caption)->setMaximumWidth(thumbnailBox.width() + 80);
        *picture = new QLabel;
        (*picture)->setFixedSize(thumbnailBox);
        (*picture)->setAlignment(Qt::AlignCenter);
        pictures->addWidget(*caption);
        pictures->addWidget(*picture);
    }
    pictures->addStretch();
    middle->addLayout(pictures);
    layout->addLayout(middle, 1);

    auto* daysRow = new QHBoxLayout;
    auto* daysLabel = new QLabel(text(FieldText::DaysLabel));
    days_ = new DayRowWidget;
    days_->setAccessibleName(text(FieldText::DaysLabel));
    daysLabel->setBuddy(days_);
    daysRow->addWidget(daysLabel);
    daysRow->addWidget(days_, 1);
    layout->addLayout(daysRow);
    legend_ = new QLabel(legendHtml(request_.language));
    legend_->setWordWrap(true);
    layout->addWidget(legend_);
    chart_ = new DayChartWidget;
    chart_->setAccessibleName(text(FieldText::ChartTitle));
    layout->addWidget(chart_);
    dayDetail_ = new QLabel;
    dayDetail_->setWordWrap(true);
    layout->addWidget(dayDetail_);

    auto* buttons = new QHBoxLayout;
    export_ = new QPushButton(text(FieldText::Export));
    useTriggers_ = new QPushButton;
    auto* close = new QPushButton(text(FieldText::Close));
    buttons->addWidget(export_);
    buttons->addWidget(useTriggers_);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);

    // The two views move together: a day chosen in one is chosen in the other.
    connect(days_, &DayView::selectedChanged, this, [this](int day) {
        chart_->select(day);
        showDay(day);
    });
    connect(chart_, &DayView::selectedChanged, this, [this](int day) {
        days_->select(day);
        showDay(day);
    });
    connect(browseFolder, &QPushButton::clicked, this, [this] {
        if (const auto chosen = chooser_(true, folder_->text()))
            folder_->setText(QDir::toNativeSeparators(*chosen));
    });
    connect(browseLog, &QPushButton::clicked, this, [this] {
        if (const auto chosen = chooser_(false, log_->text()))
            log_->setText(QDir::toNativeSeparators(*chosen));
    });
    connect(read_, &QPushButton::clicked, this, &CardReportWindow::read);
    connect(cancel_, &QPushButton::clicked, this, [this] { session_->cancel(); });
    connect(export_, &QPushButton::clicked, this, &CardReportWindow::exportPackage);
    connect(useTriggers_, &QPushButton::clicked, this, [this] {
        chosenTriggers_ = session_->report()->comparison.nextTriggersPerDay;
        accept();
    });
    connect(close, &QPushButton::clicked, this, &CardReportWindow::reject);
}

void CardReportWindow::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A card's folder comes with the window: it is read at once.
    if (!started_ && QFileInfo(request_.folder).isDir()) {
        started_ = true;
        read();
    }
}

void CardReportWindow::reject() {
    session_->cancel();
    QDialog::reject();
}

void CardReportWindow::read() {
    const QString folder = QDir::fromNativeSeparators(folder_->text().trimmed());
    if (!QFileInfo(folder).isDir()) {
        status_->setText(text(FieldText::NotAFolder).arg(folder_->text()));
        return;
    }
    field::ReportRequest request = session_->request();
    request.log.reset();
    const QString logPath = QDir::fromNativeSeparators(log_->text().trimmed());
    if (!logPath.isEmpty()) {
        QFile log(logPath);
        if (!QFileInfo(logPath).isFile() || log.size() > logLimit ||
            !log.open(QIODevice::ReadOnly)) {
            status_->setText(i18n::fleetText(i18n::FleetText::InputUnusable, request_.language)
                                 .arg(log_->text(), log.errorString()));
            return;
        }
        request.log = log.readAll();
    }
    static const card::SystemVolumes volumes;
    request.card = card::identityAt(&volumes, folder);
    session_ = std::make_unique<field::CardReportSession>(request, [this] { refresh(); });
    reportShown_ = false;
    session_->read(folder);
    refresh();
}

void CardReportWindow::exportPackage() {
    const auto chosen = chooser_(true, QDir::homePath());
    if (!chosen)
        return;
    const QString folder = QDir::fromNativeSeparators(*chosen);
    if (field::packageOnCard(folder, QDir::fromNativeSeparators(folder_->text().trimmed()))) {
        status_->setText(text(FieldText::ExportOnCard));
        return;
    }
    session_->exportTo(folder);
    refresh();
}

void CardReportWindow::refresh() {
    using State = field::CardReportSession::State;
    const State state = session_->state();
    const bool busy = state == State::Reading || state == State::Exporting;
    read_->setEnabled(!busy);
    cancel_->setEnabled(busy);
    progress_->setMaximum(std::max(1, session_->filesTotal()));
    progress_->setValue(state == State::Read
                            ? progress_->maximum()
                            : std::min(session_->filesRead(), progress_->maximum()));
    const std::optional<field::CardReport>& report = session_->report();
    export_->setEnabled(report.has_value() && !busy);
    const auto next = report ? report->comparison.nextTriggersPerDay : std::nullopt;
    useTriggers_->setVisible(request_.offerTriggers && next.has_value());
    if (next)
        useTriggers_->setText(text(FieldText::UseTriggers).arg(*next));
    switch (state) {
    case State::Idle:
        status_->clear();
        break;
    case State::Reading:
    case State::Exporting:
        status_->setText(
            text(FieldText::Reading).arg(session_->filesRead()).arg(session_->filesTotal()));
        break;
    case State::Cancelled:
        status_->setText(text(FieldText::Cancelled));
        break;
    case State::Failed:
        status_->setText(*session_->problem());
        break;
    case State::Read:
        status_->clear();
        if (const auto& result = session_->exported()) {
            QString said = result->problem
                               ? text(FieldText::ExportFailed).arg(*result->problem)
                               : text(FieldText::Exported)
                                     .arg(QDir::toNativeSeparators(session_->exportFolder()))
                                     .arg(result->media);
            if (!result->problem && !result->missing.isEmpty())
                said +=
                    u' ' +
                    text(FieldText::ExportMissing).arg(result->missing.join(QStringLiteral(", ")));
            status_->setText(said);
        }
        break;
    }
    // The report is shown once, when it comes.
    if (state == State::Read && report && !reportShown_) {
        reportShown_ = true;
        showReport(*report);
    }
}

void CardReportWindow::showReport(const field::CardReport& report) {
    const int language = request_.language;
    report_->setPlainText(
        (field::deploymentLines(report, language) + field::workingLines(report, language) +
         field::clockLines(report, language) + field::cardLines(report, language) +
         field::comparisonLines(report, language))
            .join(u'\n'));
    days_->setDays(report.days, std::nullopt);
    chart_->setDays(report.days, report.comparison.picturesPerDayEstimated);
    showDay(days_->selected());
    showPicture(firstPicture_, firstCaption_, report.folder, report.firstPicture,
                FieldText::FirstPicture);
    showPicture(lastPicture_, lastCaption_, report.folder, report.lastPicture,
                FieldText::LastPicture);
}

void CardReportWindow::showDay(int day) {
    const auto& report = session_->report();
    if (!report || day < 0 || day >= static_cast<int>(report->days.size())) {
        dayDetail_->clear();
        return;
    }
    dayDetail_->setText(
        field::dayText(report->days[static_cast<std::size_t>(day)], request_.language));
    // What a screen reader says of the row and the chart is the day the keyboard is on.
    days_->setAccessibleDescription(dayDetail_->text());
    chart_->setAccessibleDescription(dayDetail_->text());
}

void CardReportWindow::showPicture(QLabel* picture, QLabel* caption, const QString& folder,
                                   const std::optional<field::EndPicture>& end, FieldText title) {
    picture->clear();
    if (!end) {
        caption->setText(text(title).arg(text(FieldText::NoThumbnail)));
        return;
    }
    caption->setText(
        text(title).arg(end->time.text() + u'\n' + end->relativePath.section(u'/', -1)));
    QImageReader reader(QDir(folder).filePath(end->relativePath));
    const QSize full = reader.size();
    if (full.isValid())
        reader.setScaledSize(full.scaled(thumbnailBox, Qt::KeepAspectRatio));
    const QImage image = reader.read();
    if (!image.isNull())
        picture->setPixmap(QPixmap::fromImage(image));
}

} // namespace kestrova::qt
