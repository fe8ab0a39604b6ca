#pragma once

#include "dialog/form_context.h"
#include "field/card_report_session.h"
#include "i18n/field_texts.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace kestrova::qt {

class DayChartWidget;
class DayRowWidget;

// What a returned card tells, in a window: the card's folder (and the deployment log, where
// one says where and by whom the camera was set up), read on a thread of its own with its
// progress and Cancel; the report in words with the clock finding; a row of days coloured by
// what the camera did; pictures a day against the estimate; the first and last picture; and
// Export to a Camtrap DP package. Nothing on the card is written.
class CardReportWindow final : public QDialog {
    Q_OBJECT
public:
    explicit CardReportWindow(const dialog::CardReportRequest& request, QWidget* parent = nullptr);
    ~CardReportWindow() override;
    CardReportWindow(const CardReportWindow&) = delete;
    CardReportWindow& operator=(const CardReportWindow&) = delete;

    // How Browse and Export ask for a folder or a file (the system's dialogs unless a test
    // answers instead); nothing when the owner cancels.
    using Chooser = std::function<std::optional<QString>(bool folder, const QString& start)>;
    void setChooser(Chooser chooser) { chooser_ = std::move(chooser); }

    // The triggers a day the owner chose to take into the setup form's strip.
    std::optional<int> chosenTriggers() const { return chosenTriggers_; }

    field::CardReportSession& session() { return *session_; }

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void buildControls();
    void read();
    void exportPackage();
    void refresh();
    void showReport(const field::CardReport& report);
    void showDay(int day);
    void showPicture(QLabel* picture, QLabel* caption, const QString& folder,
                     const std::optional<field::EndPicture>& end, i18n::FieldText title);
    QString text(i18n::FieldText id) const;

    dialog::CardReportRequest request_;
    std::unique_ptr<field::CardReportSession> session_;
    Chooser chooser_;
    std::optional<int> chosenTriggers_;
    bool started_ = false;
    bool reportShown_ = false;

    QLineEdit* folder_ = nullptr;
    QLineEdit* log_ = nullptr;
    QPushButton* read_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QLabel* status_ = nullptr;
    QPlainTextEdit* report_ = nullptr;
    QLabel* firstPicture_ = nullptr;
    QLabel* firstCaption_ = nullptr;
    QLabel* lastPicture_ = nullptr;
    QLabel* lastCaption_ = nullptr;
    DayRowWidget* days_ = nullptr;
    QLabel* legend_ = nullptr;
    DayChartWidget* chart_ = nullptr;
    QLabel* dayDetail_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* useTriggers_ = nullptr;
};

} // namespace kestrova::qt
