#include "camera/camera_form_model.h"

#include "camera/camera_lists.h"
#include "camera/camera_rules.h"
#include "common/clock.h"
#include "common/range_check.h"
#include "dialog/settings_file.h"
#include "format/record_file.h"
#include "i18n/camera_texts.h"
#include "i18n/notices.h"
#include "res/camera_templates.h"

#include <QDir>

namespace kestrova::camera {

using namespace res::camera_form;
using i18n::Message;

namespace {

constexpr std::string_view cameraModeKey = "options.camera_mode";

struct NumericField {
    int CameraSettings::*member;
    int id;
};

std::vector<NumericField> numericFields(CameraForm form) {
    const res::SecondTimerControls second = res::secondTimerControls(form);
    using S = CameraSettings;
    return {{&S::video_length, videoLength},
            {&S::interval_value, intervalValue},
            {&S::time_lapse_hour, timeLapseHour},
            {&S::time_lapse_minute, timeLapseMinute},
            {&S::time_lapse_second, timeLapseSecond},
            {&S::timer_start_hour, timerStartHour},
            {&S::timer_start_minute, timerStartMinute},
            {&S::timer_stop_hour, timerStopHour},
            {&S::timer_stop_minute, timerStopMinute},
            {&S::timer2_start_hour, second.startHour},
            {&S::timer2_start_minute, second.startMinute},
            {&S::timer2_stop_hour, second.stopHour},
            {&S::timer2_stop_minute, second.stopMinute}};
}

bool isListOn(int position) {
    return position != 0;
}

} // namespace

QString cameraFormTitle(CameraForm form, int model) {
    if (form == CameraForm::B)
        return model == 7 ? QStringLiteral("Kestrova Sigma") : QStringLiteral("Kestrova Rho");
    // Forms A and C share one rule.
    if (model == 5)
        return QStringLiteral("Kestrova Kappa");
    if (model == 6)
        return QStringLiteral("Kestrova Omega");
    return QStringLiteral("Kestrova Lambda");
}

CameraFormModel::CameraFormModel(CameraForm form, const dialog::FormContext& context,
                                 dialog::Host& host)
    : FormModel(res::cameraFormTemplate(form), host)
    , form_(form)
    , context_(context)
    , settings_(CameraSettings::atOpen(form))
    , captured_(CapturedTime::capture(host.clock().now()))
    , clockText_(clockText(captured_, 0).value_or(QString()))
    , folder_(host, context) {}

void CameraFormModel::initialise() {
    showValues();
    dialog().setCaption(cameraFormTitle(form_, context_.model));
    const res::SecondTimerControls second = res::secondTimerControls(form_);
    setReadOnly({timeLapseHour, timeLapseMinute, timeLapseSecond}, true);
    setReadOnly({timerStartHour, timerStartMinute, timerStopHour, timerStopMinute}, true);
    setReadOnly({second.startHour, second.startMinute, second.stopHour, second.stopMinute}, true);
    setEnabled({serialChar1, serialChar2, serialChar3, serialChar4}, false);
    fillLists();
    for (const i18n::ControlCaption& caption : i18n::cameraCaptions(form_, context_.textLanguage()))
        dialog().setControlCaption(caption.controlId, caption.text);
}

void CameraFormModel::fillLists() {
    const int language = context_.textLanguage();
    for (std::string_view key : i18n::cameraOptionKeys()) {
        const int id = i18n::cameraOptionControl(form_, key);
        if (id < 0)
            continue;
        QStringList entries = i18n::cameraOptions(form_, language, key);
        if (key == cameraModeKey)
            entries = entries.mid(0, cameraModeCount(form_, context_.model));
        dialog().setEntries(id, entries, i18n::cameraOptionDefault(key));
    }
    const CameraSettings atOpen = CameraSettings::atOpen(form_);
    dialog().setEntries(imageSize, imageSizeEntries(form_, context_.model), atOpen.image_size);
    dialog().setEntries(videoSize, videoSizeEntries(form_, context_.model), atOpen.video_size);
    for (int id : {serialChar1, serialChar2, serialChar3, serialChar4})
        dialog().setEntries(id, serialCharacters(), 0);
}

CameraSettings CameraFormModel::settings() const {
    CameraSettings s = settings_;
    const dialog::Dialog& d = dialog();
    s.camera_mode = d.selection(cameraMode);
    s.image_size = d.selection(imageSize);
    s.video_size = d.selection(videoSize);
    s.picture_no = d.selection(pictureNo);
    s.time_stamp = d.selection(timeStamp);
    s.interval_unit = d.selection(intervalUnit);
    s.sense_level = d.selection(senseLevel);
    s.timer = d.selection(timer);
    s.timer2 = d.selection(res::secondTimerControls(form_).list);
    s.time_lapse = d.selection(timeLapse);
    s.serial_no = d.selection(serialNo);
    s.serial_char1 = d.selection(serialChar1);
    s.serial_char2 = d.selection(serialChar2);
    s.serial_char3 = d.selection(serialChar3);
    s.serial_char4 = d.selection(serialChar4);
    s.date_format = d.selection(dateFormat);
    if (form_ != CameraForm::A)
        s.side_pir = d.selection(sidePir);
    if (form_ == CameraForm::B) {
        s.beep_sound = d.selection(beepSound);
        s.sd_cycle = d.selection(sdCycle);
    }
    return s;
}

int CameraFormModel::fieldOf(int CameraSettings::*member) const {
    for (const NumericField& field : numericFields(form_)) {
        if (field.member == member)
            return field.id;
    }
    return 0;
}

bool CameraFormModel::isNumericField(int id) const {
    for (const NumericField& field : numericFields(form_)) {
        if (field.id == id)
            return true;
    }
    return false;
}

void CameraFormModel::fail(int field, const QString& message) {
    host().showMessage(message);
    dialog().setFocus(field);
}

bool CameraFormModel::takeValues() {
    const int language = context_.textLanguage();
    for (const TakeStep& step : takeOrder(form_)) {
        switch (step.kind) {
        case TakeStep::Numeric: {
            const NumericSetting& setting = step.setting;
            const int id = fieldOf(setting.member);
            const auto value = parseInteger(dialog().text(id));
            if (!value) {
                fail(id, i18n::messageFor(Message::EnterInteger, language));
                return false;
            }
            // The number is kept even when out of range; the correction rules deal with it.
            settings_.*setting.member = *value;
            if (!setting.range.contains(*value)) {
                const IntRange r = setting.range;
                fail(id, setting.message == RangeMessage::Integer
                             ? i18n::integerRangeMessage(r.lower, r.upper, language)
                             : i18n::standardRangeMessage(r.lower, r.upper, language));
                return false;
            }
            break;
        }
        case TakeStep::ClockText:
            clockText_ = dialog().text(clockField);
            break;
        case TakeStep::TargetFolder:
            // The limit holds for typing only: a longer folder came from the folder browser,
            // exists, and is taken whole.
            folder_.typed(dialog().text(folderField));
            break;
        }
    }
    return true;
}

bool CameraFormModel::correctValues() {
    // The interval rule depends on the unit the list shows now.
    settings_.interval_unit = dialog().selection(intervalUnit);
    const CameraSettings before = settings_;
    applyCorrections(settings_);
    return !(settings_ == before);
}

void CameraFormModel::takeAndCorrect() {
    // Every rule runs after every take, so no number that failed its check stays behind to
    // reach the record.
    takeValues();
    if (correctValues())
        showValues();
}

void CameraFormModel::showValues() {
    for (const NumericField& field : numericFields(form_))
        dialog().setText(field.id, QString::number(settings_.*field.member));
    dialog().setText(clockField, clockText_);
    dialog().setText(folderField, folder_.path());
    dialog().setLimit(folderField, targetFolderLimit);
}

void CameraFormModel::setReadOnly(std::initializer_list<int> fields, bool readOnly) {
    for (int id : fields)
        dialog().setReadOnly(id, readOnly);
}

void CameraFormModel::setEnabled(std::initializer_list<int> controls, bool enabled) {
    for (int id : controls)
        dialog().setEnabled(id, enabled);
}

void CameraFormModel::editChanged(int id) {
    if (id == folderField) {
        // A folder typed by hand counts at once, so nothing that shows the values later puts
        // the old folder back over it.
        folder_.typed(dialog().text(folderField));
        return;
    }
    // An emptied field is the user on the way to a new number, not a mistake yet.
    if (isNumericField(id) && !dialog().text(id).isEmpty())
        takeAndCorrect();
}

void CameraFormModel::editFinished(int id) {
    if (isNumericField(id) && dialog().text(id).isEmpty())
        takeAndCorrect();
}

void CameraFormModel::listChanged(int id) {
    const int position = dialog().selection(id);
    const res::SecondTimerControls second = res::secondTimerControls(form_);
    if (id == cameraMode || id == imageSize || id == intervalUnit) {
        takeAndCorrect();
    } else if (id == timer) {
        takeValues();
        correctValues();
        setReadOnly({timerStartHour, timerStartMinute, timerStopHour, timerStopMinute},
                    !isListOn(position));
        showValues();
    } else if (id == second.list) {
        takeValues();
        correctValues();
        setReadOnly({second.startHour, second.startMinute, second.stopHour, second.stopMinute},
                    !isListOn(position));
        showValues();
    } else if (id == timeLapse) {
        takeValues();
        correctValues();
        // Position 0 is "on" in this list.
        setReadOnly({timeLapseHour, timeLapseMinute, timeLapseSecond}, position == 1);
        showValues();
    } else if (id == serialNo) {
        takeValues();
        correctValues();
        setEnabled({serialChar1, serialChar2, serialChar3, serialChar4}, isListOn(position));
        showValues();
    } else if (id == dateFormat) {
        captureTime();
    }
}

void CameraFormModel::buttonPressed(int id) {
    switch (id) {
    case getTime:
        captureTime();
        break;
    case selectButton:
        chooseFolder();
        break;
    case generateButton:
        generate();
        break;
    case defaultButton:
        restoreDefaults();
        break;
    case exitButton:
        end(dialog::DialogResult::Cancelled);
        break;
    default:
        break;
    }
}

void CameraFormModel::captureTime() {
    const int format = dialog().selection(dateFormat);
    captured_ = CapturedTime::capture(host().clock().now());
    // Without a date format the time is still captured; the text stays as it was.
    if (const auto text = clockText(captured_, format))
        clockText_ = *text;
    showValues();
}

void CameraFormModel::refreshClock() {
    captured_ = CapturedTime::capture(host().clock().now());
    if (const auto text = clockText(captured_, dialog().selection(dateFormat))) {
        clockText_ = *text;
        dialog().setText(clockField, clockText_);
    }
}

void CameraFormModel::tick() {
    refreshClock();
}

int CameraFormModel::emptyNumericField() const {
    for (const TakeStep& step : takeOrder(form_)) {
        if (step.kind != TakeStep::Numeric)
            continue;
        const int id = fieldOf(step.setting.member);
        if (dialog().text(id).isEmpty())
            return id;
    }
    return 0;
}

void CameraFormModel::chooseFolder() {
    folder_.browse();
    showValues();
}

void CameraFormModel::generate() {
    // A field still empty would send its last number unseen.
    if (const int empty = emptyNumericField()) {
        fail(empty, i18n::messageFor(Message::EnterInteger, context_.textLanguage()));
        return;
    }
    // The camera gets the time the form shows now, not the time it was opened.
    refreshClock();
    // The folder as it stands in its field now: one typed by hand is never passed over.
    folder_.use(dialog().text(folderField));
    const MenuRecord record =
        buildMenuRecord(form_, settings(), captured_, context_.recordLanguage(), context_.tvMode);
    writeMenuFile(record,
                  form_ == CameraForm::B ? Message::MenuGeneratedB : Message::MenuGenerated);
}

void CameraFormModel::restoreDefaults() {
    const int language = context_.textLanguage();
    // One click must not replace the card's settings by mistake, nor reset the form for a
    // file that cannot be written.
    if (folder_.isEmpty()) {
        host().showMessage(i18n::noticeText(i18n::Notice::NoFolderChosen, language));
        return;
    }
    const QString question = i18n::noticeText(i18n::Notice::ConfirmFactoryReset, language)
                                 .arg(QDir::toNativeSeparators(folder_.path()));
    if (!host().askYesNo(question))
        return;
    folder_.use(folder_.path());
    // A failing check does not stop the reset.
    takeValues();
    correctValues();

    for (int id : {cameraMode, imageSize, videoSize, pictureNo, timeStamp, senseLevel, timer,
                   serialNo, serialChar1, serialChar2, serialChar3, serialChar4})
        dialog().select(id, 0);
    dialog().select(intervalUnit, intervalMinutes);
    dialog().select(timeLapse, 1);
    if (form_ != CameraForm::A)
        dialog().select(sidePir, 1);

    settings_.resetToFactory();

    setReadOnly({timeLapseHour, timeLapseMinute, timeLapseSecond}, true);
    setReadOnly({timerStartHour, timerStartMinute, timerStopHour, timerStopMinute}, true);
    setEnabled({serialChar1, serialChar2, serialChar3, serialChar4}, false);
    showValues();

    writeMenuFile(buildFactoryResetRecord(),
                  form_ == CameraForm::B ? Message::FactoryGeneratedB : Message::FactoryGenerated);
}

void CameraFormModel::writeMenuFile(const MenuRecord& record, Message success) {
    dialog::writeSettingsFile(host(), folder_.path(), menuFileName, toByteArray(record), success,
                              context_.textLanguage(), folder_.writeOptions());
}

} // namespace kestrova::camera
