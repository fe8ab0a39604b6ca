#include "camera/camera_form_model.h"

#include "model/camera_model.h"

#include "camera/camera_rules.h"
#include "camera/menu_field_entries.h"
#include "camera/menu_profile.h"
#include "common/clock.h"
#include "common/range_check.h"
#include "dialog/settings_file.h"
#include "i18n/camera_texts.h"
#include "i18n/notices.h"
#include "res/camera_templates.h"
#include "storage/record_file.h"

#include <QDir>

namespace kestrova::camera {

using namespace res::camera_form;
using i18n::Message;

namespace {

using codec::FieldKind;

bool isListOn(int position) {
    return position != 0;
}

} // namespace

CameraFormModel::CameraFormModel(CameraForm form, const dialog::FormContext& context,
                                 dialog::Host& host, MenuPlanPtr plan)
    : SetupFormModel(res::cameraFormTemplate(form),
                     {selectButton, generateButton, exitButton, moreButton}, context, host,
                     plan ? std::optional(plan->defaultTriggers()) : std::nullopt)
    , form_(form)
    , plan_(std::move(plan))
    , settings_(CameraSettings::atOpen(form))
    , captured_(CapturedTime::capture(host.clock().now()))
    , clockText_(clockText(captured_, 0).value_or(QString())) {
    useCardFileHooks(cardFileHooks());
}

void CameraFormModel::initialise() {
    showValues();
    dialog().setCaption(cameraModel(context().model).titleText());
    const res::SecondTimerControls second = res::secondTimerControls(form_);
    setReadOnly({timeLapseHour, timeLapseMinute, timeLapseSecond}, true);
    setReadOnly({timerStartHour, timerStartMinute, timerStopHour, timerStopMinute}, true);
    setReadOnly({second.startHour, second.startMinute, second.stopHour, second.stopMinute}, true);
    setEnabled({serialChar1, serialChar2, serialChar3, serialChar4}, false);
    fillLists();
    for (const i18n::ControlCaption& caption :
         i18n::cameraCaptions(form_, context().textLanguage()))
        dialog().setControlCaption(caption.controlId, caption.text);
}

void CameraFormModel::fillLists() {
    const int language = context().textLanguage();
    const CameraSettings atOpen = CameraSettings::atOpen(form_);
    for (const MenuFieldRow& row : menuFields()) {
        if (row.kind == FieldKind::List && row.onForm(form_))
            dialog().setEntries(row.controlOn(form_),
                                fieldEntries(row, form_, context().model, language),
                                row.numberIn(atOpen));
    }
    // The date format only shapes the clock text; the record has no byte for it.
    constexpr std::string_view dateFormatKey = "options.date_format";
    dialog().setEntries(dateFormat, i18n::cameraOptions(form_, language, dateFormatKey),
                        i18n::cameraOptionDefault(dateFormatKey));
}

CameraSettings CameraFormModel::settings() const {
    CameraSettings s = settings_;
    for (const MenuFieldRow& row : menuFields()) {
        if (row.kind == FieldKind::List && row.onForm(form_))
            row.setNumber(s, dialog().selection(row.controlOn(form_)));
    }
    s.date_format = dialog().selection(dateFormat);
    return s;
}

void CameraFormModel::showLists(const CameraSettings& settings) {
    for (const MenuFieldRow& row : menuFields()) {
        if (row.kind == FieldKind::List && row.onForm(form_))
            dialog().select(row.controlOn(form_), row.numberIn(settings));
    }
}

const MenuFieldRow* CameraFormModel::numericFieldShownIn(int id) const {
    for (const MenuFieldRow& row : menuFields()) {
        if (row.kind == FieldKind::Number && row.controlOn(form_) == id)
            return &row;
    }
    return nullptr;
}

void CameraFormModel::fail(int field, const QString& message) {
    host().showMessage(message);
    dialog().setFocus(field);
}

bool CameraFormModel::takeValues() {
    const int language = context().textLanguage();
    for (const TakeStep& step : takeOrder(form_)) {
        switch (step.kind) {
        case TakeStep::Numeric: {
            const MenuFieldRow& row = menuField(step.field);
            const int id = row.controlOn(form_);
            const auto value = parseInteger(dialog().text(id));
            if (!value) {
                fail(id, i18n::messageFor(Message::EnterInteger, language));
                return false;
            }
            // The number is kept even when out of range; the correction rules deal with it.
            row.setNumber(settings_, *value);
            if (!inRange(row, *value)) {
                fail(id, row.rangeMessage == RangeMessage::Integer
                             ? i18n::integerRangeMessage(row.lower, row.upper, language)
                             : i18n::standardRangeMessage(row.lower, row.upper, language));
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
            folder().typed(dialog().text(folderField));
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
    for (const MenuFieldRow& row : menuFields()) {
        if (row.kind == FieldKind::Number && row.onForm(form_))
            dialog().setText(row.controlOn(form_), QString::number(row.numberIn(settings_)));
    }
    dialog().setText(clockField, clockText_);
    dialog().setText(folderField, folder().path());
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
        folder().typed(dialog().text(folderField));
        return;
    }
    // An emptied field is the user on the way to a new number, not a mistake yet.
    if (numericFieldShownIn(id) && !dialog().text(id).isEmpty())
        takeAndCorrect();
}

void CameraFormModel::editFinished(int id) {
    if (numericFieldShownIn(id) && dialog().text(id).isEmpty())
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

void CameraFormModel::otherButtonPressed(int id) {
    if (id == getTime)
        captureTime();
    else if (id == defaultButton)
        resetAndWriteFactoryFile();
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
        const int id = menuField(step.field).controlOn(form_);
        if (dialog().text(id).isEmpty())
            return id;
    }
    return 0;
}

void CameraFormModel::showSettings(const CameraSettings& s) {
    // The lists first: their rules open the number fields, and the interval unit decides what
    // interval value stands.
    for (const FieldKind kind : {FieldKind::List, FieldKind::Number}) {
        for (const MenuFieldRow& row : menuFields()) {
            if (row.kind != kind || !row.onForm(form_))
                continue;
            if (kind == FieldKind::List)
                pick(row.controlOn(form_), row.numberIn(s));
            else
                type(row.controlOn(form_), QString::number(row.numberIn(s)));
        }
    }
}

dialog::CardFileHooks CameraFormModel::cardFileHooks() {
    dialog::CardFileHooks hooks;
    hooks.fileName = QString::fromLatin1(menuFileName);
    hooks.profileKeys = menuProfileKeys();
    hooks.success = form_ == CameraForm::B ? Message::MenuGeneratedB : Message::MenuGenerated;
    // What this model's form could have written: read back through the profile reader, which
    // refuses a value the form's lists and fields cannot hold.
    const auto readable = [this](const QJsonObject& profile) {
        return MenuProfileReader(form_, context().model, context().textLanguage()).read(profile);
    };
    const auto decoded = [this](const QByteArray& bytes) {
        return decodeMenuRecord(toMenuRecord(bytes), form_);
    };
    hooks.judge = [this, readable, decoded](const QByteArray& bytes, QString& description) {
        const MenuRecordCheck check = checkMenuRecord(bytes);
        if (!check.intact())
            return dialog::FileFit::Damaged;
        // The factory reset record holds no settings to show.
        if (check.factoryReset)
            return dialog::FileFit::FactoryReset;
        const DecodedMenu menu = decoded(bytes);
        if (readable(menuProfileObject(menu.settings, form_, context().model)).error)
            return dialog::FileFit::OtherForm;
        const CapturedTime& t = menu.clock;
        const QDateTime clock(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute));
        description = i18n::noticeText(i18n::Notice::HoldsMenuOf, context().textLanguage())
                          .arg(cameraModel(context().model).nameText(),
                               clock.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
        return dialog::FileFit::Fits;
    };
    hooks.fileProfile = [this, decoded](const QByteArray& bytes) {
        return menuProfileObject(decoded(bytes).settings, form_, context().model);
    };
    hooks.showFile = [this, readable, decoded](const QByteArray& bytes) {
        showSettings(
            readable(menuProfileObject(decoded(bytes).settings, form_, context().model)).settings);
    };
    hooks.profile = [this] { return menuProfileObject(settings(), form_, context().model); };
    // A camera menu goes back with the clock of now; the factory reset record has none.
    hooks.withCurrentClock = [this](const QByteArray& bytes) -> std::optional<QByteArray> {
        if (checkMenuRecord(bytes).factoryReset)
            return std::nullopt;
        return toByteArray(
            withClock(toMenuRecord(bytes), CapturedTime::capture(host().clock().now())));
    };
    if (plan_)
        hooks.sheet = [this](const std::optional<QByteArray>& written) {
            if (written)
                return plan_->cardSheet(planInput(), *written);
            return plan_->sheet(planInput(), toByteArray(prepareMenuFile(
                                                 form_, settings(), captured_,
                                                 context().recordLanguage(), context().tvMode)));
        };
    hooks.showProfile = [this, readable](const QJsonObject& profile) -> std::optional<QString> {
        const ProfileRead<CameraSettings> read = readable(profile);
        if (read.error)
            return read.error->message;
        showSettings(read.settings);
        return std::nullopt;
    };
    return hooks;
}

void CameraFormModel::generate() {
    // A field still empty would send its last number unseen.
    if (const int empty = emptyNumericField()) {
        fail(empty, i18n::messageFor(Message::EnterInteger, context().textLanguage()));
        return;
    }
    // The camera gets the time the form shows now, not the time it was opened.
    refreshClock();
    // The folder as it stands in its field now: one typed by hand is never passed over.
    folder().typed(dialog().text(folderField));
    const MenuRecord record =
        prepareMenuFile(form_, settings(), captured_, context().recordLanguage(), context().tvMode);
    const dialog::ChangeLines changes =
        dialog::changeLinesFrom(plan_, [this] { return planInput(); });
    writeMenuFile(record, form_ == CameraForm::B ? Message::MenuGeneratedB : Message::MenuGenerated,
                  changes);
}

MenuPlanInput CameraFormModel::planInput() const {
    // What Generate writes: with the corrections it makes.
    CameraSettings written = settings();
    applyCorrections(written);
    return {planRequest(), form_, written, captured_};
}

dialog::StripContent CameraFormModel::stripContent() const {
    return plan_ ? plan_->strip(planInput()) : dialog::StripContent{};
}

void CameraFormModel::resetAndWriteFactoryFile() {
    const int language = context().textLanguage();
    // One click must not replace the card's settings by mistake, nor reset the form for a
    // file that cannot be written.
    if (folder().isEmpty()) {
        host().showMessage(i18n::noticeText(i18n::Notice::NoFolderChosen, language));
        return;
    }
    const QString question = i18n::noticeText(i18n::Notice::ConfirmFactoryReset, language)
                                 .arg(QDir::toNativeSeparators(folder().path()));
    if (!host().askYesNo(question))
        return;
    // A failing check does not stop the reset.
    takeValues();
    correctValues();

    // The lists show the reset as well; those the factory leaves alone keep their choice.
    CameraSettings reset = settings();
    reset.resetToFactory();
    showLists(reset);
    settings_ = reset;

    setReadOnly({timeLapseHour, timeLapseMinute, timeLapseSecond}, true);
    setReadOnly({timerStartHour, timerStartMinute, timerStopHour, timerStopMinute}, true);
    setEnabled({serialChar1, serialChar2, serialChar3, serialChar4}, false);
    showValues();

    writeMenuFile(buildFactoryResetRecord(),
                  form_ == CameraForm::B ? Message::FactoryGeneratedB : Message::FactoryGenerated);
}

void CameraFormModel::writeMenuFile(const MenuRecord& record, Message success,
                                    const dialog::ChangeLines& changes) {
    folder().writeFile(menuFileName, toByteArray(record), success, context().textLanguage(),
                       changes);
}

} // namespace kestrova::camera
