#include "qt/filled_forms.h"

#include "mms/operator_presets.h"
#include "qt/dialog_window.h"
#include "res/camera_templates.h"
#include "res/mms_templates.h"
#include "res/smtp_templates.h"
#include "smtp/gprs_presets.h"

#include <QComboBox>
#include <QLineEdit>

#include <utility>

namespace kestrova::qt {

namespace {

// What the user does: the control changes, then the window hears of it as from the user.
void pick(DialogWindow& window, int id, int position) {
    auto* list = qobject_cast<QComboBox*>(window.widget(id));
    list->setCurrentIndex(position);
    Q_EMIT list->activated(position);
}

void type(DialogWindow& window, int id, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(window.widget(id));
    edit->setText(text);
    Q_EMIT edit->textEdited(text);
}

// The country and operator positions of the longest operator name in a preset table.
template <typename Names, typename Counts>
std::pair<int, int> longestOperator(const Names& operators, const Counts& counts) {
    std::pair<int, int> longest{0, 0};
    std::size_t length = 0;
    for (std::size_t country = 0; country < operators.size(); ++country) {
        for (int slot = 0; slot < counts[country]; ++slot) {
            if (operators[country][slot].size() > length) {
                length = operators[country][slot].size();
                longest = {int(country), slot};
            }
        }
    }
    return longest;
}

} // namespace

void fillCameraForm(DialogWindow& window, CameraForm form) {
    using namespace res::camera_form;
    pick(window, cameraMode, 2); // photos and a video
    pick(window, pictureNo, 2);
    type(window, videoLength, QStringLiteral("30"));
    pick(window, intervalUnit, 0);
    type(window, intervalValue, QStringLiteral("0"));
    pick(window, senseLevel, 1);
    pick(window, timer, 1);
    type(window, timerStartHour, QStringLiteral("18"));
    type(window, timerStopHour, QStringLiteral("6"));
    const res::SecondTimerControls second = res::secondTimerControls(form);
    pick(window, second.list, 1);
    type(window, second.startHour, QStringLiteral("11"));
    type(window, second.stopHour, QStringLiteral("13"));
    type(window, second.stopMinute, QStringLiteral("30"));
    pick(window, timeLapse, 0);
    type(window, timeLapseMinute, QStringLiteral("30"));
    pick(window, serialNo, 1);
    pick(window, serialChar1, 20);
}

void fillMmsForm(DialogWindow& window, MmsForm form) {
    using namespace res::mms_form;
    const auto [country, slot] = longestOperator(mms::mmsOperators, mms::mmsOperatorCounts);
    pick(window, countryList, country);
    pick(window, operatorList, slot);
    type(window, picturesField, QStringLiteral("0"));
    pick(window, res::mmsHourControls(form).list, 6);
    type(window, phoneField, QStringLiteral("07700900123"));
    type(window, emailField, QStringLiteral("owner@example.com"));
    type(window, recipient2Field, QStringLiteral("07700900456"));
    type(window, recipient3Field, QStringLiteral("neighbour@example.org"));
}

void fillSmtpForm(DialogWindow& window, SmtpForm form) {
    using namespace res::smtp_form;
    const auto [country, slot] = longestOperator(smtp::gprsOperators, smtp::gprsOperatorCounts);
    pick(window, countryList, country);
    pick(window, operatorList, slot);
    type(window, picturesField, QStringLiteral("0"));
    type(window, serverField, QStringLiteral("smtp.example.com"));
    type(window, portField, QStringLiteral("587"));
    type(window, senderField, QStringLiteral("trailcam@example.com"));
    type(window, senderPasswordField, QStringLiteral("secret"));
    type(window, recipientField, QStringLiteral("owner@example.com"));
    type(window, phoneField, QStringLiteral("07700900123"));
    pick(window, hourList(form), 6);
}

} // namespace kestrova::qt
