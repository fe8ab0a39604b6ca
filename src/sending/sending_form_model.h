#pragma once

#include "common/range_check.h"
#include "dialog/form_plan.h"
#include "dialog/setup_form_model.h"
#include "i18n/control_caption.h"
#include "i18n/messages.h"
#include "model/camera_model.h"
#include "res/dialog_template.h"
#include "sending/sending_messages.h"
#include "sending/sending_plan.h"
#include "sending/sending_profile.h"

#include <QString>

#include <algorithm>
#include <optional>
#include <vector>

namespace kestrova::sending {

// What a sending form is built from besides its file's table: its window, its buttons and
// folder box, its captions and its success message.
template <typename Form> struct FormParts {
    const dialog::DialogTemplate& window;
    dialog::SetupButtons buttons;
    int folderField;
    int folderLimit; // 0: none
    QList<i18n::ControlCaption> (*captions)(Form form, int language);
    i18n::Message success;
};

// A setup form of a sending file (MMS form A or B, SMTP form A or B). The table's rows say what
// it shows: each list row a list, each text and number row a box. The texts, the numbers and the
// folder are kept as stored values, taken from their boxes in the table's take order after each
// change and shown again where a handler says so; the lists are read where they are needed.
// What only one file's forms do (their read-only patterns, the recipients' boxes, a change of
// mode) is the derived form's.
template <SendingFile File> class SendingFormModel : public dialog::SetupFormModel {
public:
    using Settings = typename File::Settings;
    using Row = typename File::Row;
    using Form = typename File::Form;
    using Field = typename File::Field;
    using PlanInput = SendingPlanInput<Settings, Form>;
    using PlanPtr = SendingPlanPtr<Settings, Form>;

    void initialise() override {
        dialog::Dialog& d = dialog();
        d.setCaption(cameraModel(context().model).titleText());
        for (const i18n::ControlCaption& caption : parts_.captions(form_, context().textLanguage()))
            d.setControlCaption(caption.controlId, caption.text);
        for (const Row& row : rowsOnForm()) {
            if (row.kind == codec::FieldKind::Text && !row.limitByRule)
                d.setLimit(controlOf(row), row.bytes[column()]);
        }
        if (parts_.folderLimit > 0)
            d.setLimit(parts_.folderField, parts_.folderLimit);
        const Settings atOpen{};
        const ListContext lists =
            listContext<File>(form_, context().model, context().textLanguage(), atOpen);
        for (const Row& row : rowsOnForm()) {
            if (row.kind == codec::FieldKind::List)
                d.setEntries(controlOf(row), entriesOf(row, lists), positionOf(row, atOpen));
        }
        setPresetReadOnly(true);
        opened();
        showPreset();
        showValues();
    }

    void editChanged(int id) override {
        const Row* number = numberShownIn(id);
        takeValues(number ? id : 0);
        // A number its own rule sets to 0 above its range once it is typed there.
        if (number && number->outOfRange == OutOfRange::ZeroOnEdit &&
            number->numberIn(stored_) > number->upper) {
            number->setNumber(stored_, 0);
            showValues();
        }
    }

    // An emptied number counts once the focus leaves its box.
    void editFinished(int id) override {
        if (numberShownIn(id) && dialog().text(id).isEmpty())
            takeValues();
    }

    Form form() const { return form_; }
    bool isAutomatic() const { return positionIn(File::rows()[modeRow()]) == 0; }

    // The lists as they stand with the texts and numbers as last taken: what Generate checks,
    // before it takes the preset in "Auto" mode.
    Settings settings() const {
        Settings s = stored_;
        for (const Row& row : rowsOnForm()) {
            if (row.kind == codec::FieldKind::List)
                row.setNumber(s, valueAt(row, positionIn(row)));
        }
        if (s.automatic == 0) {
            s.country = manualCountry;
            s.operatorCode = 0;
        }
        return s;
    }

protected:
    SendingFormModel(Form form, const dialog::FormContext& context, dialog::Host& host,
                     PlanPtr plan, const FormParts<Form>& parts)
        : SetupFormModel(parts.window, parts.buttons, context, host,
                         plan ? std::optional(plan->defaultTriggers()) : std::nullopt)
        , form_(form)
        , plan_(std::move(plan))
        , parts_(parts) {
        useCardFileHooks(cardFileHooks());
    }

    // What the form does once its controls are filled, before the values are shown.
    virtual void opened() {}
    // A list value of a file or profile shown as if the user had picked it.
    virtual void loadList(const Row& row, int position) { pick(controlOf(row), position); }
    // Why the form refuses a text the user typed, beyond its box's own limit, and whether it
    // keeps the text all the same.
    struct TextFault {
        QString message;
        bool kept = false;
    };
    virtual std::optional<TextFault> textFault(const Row& /*row*/, const QString& /*text*/) const {
        return std::nullopt;
    }

    // Copies the folder, the texts and the numbers into the stored values in the take order; the
    // first failing check shows its message, moves the focus to its box and ends the taking.
    // `typing`: the number box the user is typing in, whose emptied text waits.
    bool takeValues(int typing = 0) {
        const int language = context().textLanguage();
        for (const Row* row : takeOrder()) {
            if (!row) {
                folder().typed(dialog().text(parts_.folderField));
                continue;
            }
            const int control = controlOf(*row);
            const QString text = dialog().text(control);
            if (row->kind == codec::FieldKind::Text) {
                const auto fault = textFault(*row, text);
                if (!fault || fault->kept)
                    stored_.*row->text = text;
                if (fault) {
                    fail(control, fault->message);
                    return false;
                }
                continue;
            }
            if (control == typing && text.isEmpty())
                continue;
            const auto number = parseInteger(text);
            if (!number) {
                fail(control, i18n::messageFor(i18n::Message::EnterInteger, language));
                return false;
            }
            row->setNumber(stored_, *number);
            if (!IntRange{row->lower, row->upper}.contains(*number)) {
                if (row->outOfRange == OutOfRange::ZeroOnTake) {
                    row->setNumber(stored_, 0);
                    showValues();
                }
                fail(control, i18n::integerRangeMessage(row->lower, row->upper, language));
                return false;
            }
        }
        return true;
    }

    // Puts the stored values back into their boxes.
    void showValues() override {
        for (const Row& row : rowsOnForm()) {
            if (row.kind == codec::FieldKind::Text)
                dialog().setText(controlOf(row), stored_.*row.text);
            else if (row.kind == codec::FieldKind::Number)
                dialog().setText(controlOf(row), QString::number(row.numberIn(stored_)));
        }
        dialog().setText(parts_.folderField, folder().path());
    }

    // The boxes of the texts a preset gives: read-only in "Auto" mode.
    void setPresetReadOnly(bool readOnly) {
        for (const Row& row : rowsOnForm()) {
            if (row.givenByPreset)
                dialog().setReadOnly(controlOf(row), readOnly);
        }
    }

    // In "Auto" mode the boxes of the preset's texts stay empty; the preset they stand for shows
    // in grey.
    void showPreset() {
        Settings preset = settings();
        for (const Row& row : rowsOnForm()) {
            if (row.givenByPreset)
                (preset.*row.text).clear();
        }
        preset = withPreset<File>(preset);
        for (const Row& row : rowsOnForm()) {
            if (row.givenByPreset)
                dialog().setHint(controlOf(row), preset.*row.text);
        }
    }

    // A change of mode empties the texts it clears.
    void clearModeTexts() {
        for (const Row& row : rowsOnForm()) {
            if (row.clearedByMode)
                (stored_.*row.text).clear();
        }
    }

    // The list of a row filled anew for the settings as they stand, its first entry chosen.
    void refill(const Row& row, int language) {
        const ListContext lists = listContext<File>(form_, context().model, language, settings());
        dialog().setEntries(controlOf(row), entriesOf(row, lists), 0);
    }

    const Row& rowOf(ListRole role) const {
        return *std::find_if(File::rows().begin(), File::rows().end(),
                             [role](const Row& row) { return row.role == role; });
    }

    void fail(int control, const QString& message) {
        host().showMessage(message);
        dialog().setFocus(control);
    }

    int controlOf(const Row& row) const { return row.control[column()]; }
    int controlOf(Field field) const { return controlOf(File::rows()[std::size_t(field)]); }
    std::size_t column() const { return File::column(form_); }

    // How the form names a row in its messages: the caption of its label, with its note.
    QString captionOf(const Row& row) const {
        const QString label = row.label ? dialog().controlCaption(row.label).trimmed() : QString();
        return label + row.labelNoteText();
    }

    Settings stored_; // the texts and the numbers; the lists hold the rest

private:
    std::vector<const Row*> takeOrder() const {
        std::vector<std::pair<int, const Row*>> steps{{File::folderTakeStep, nullptr}};
        for (const Row& row : rowsOnForm()) {
            if (row.kind != codec::FieldKind::List)
                steps.emplace_back(row.take[column()], &row);
        }
        std::sort(steps.begin(), steps.end(),
                  [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<const Row*> order;
        order.reserve(steps.size());
        for (const auto& step : steps)
            order.push_back(step.second);
        return order;
    }

    std::vector<std::reference_wrapper<const Row>> rowsOnForm() const {
        std::vector<std::reference_wrapper<const Row>> rows;
        for (const Row& row : File::rows()) {
            if (row.onForm(column()))
                rows.push_back(row);
        }
        return rows;
    }

    const Row* numberShownIn(int id) const {
        for (const Row& row : rowsOnForm()) {
            if (row.kind == codec::FieldKind::Number && controlOf(row) == id)
                return &row;
        }
        return nullptr;
    }

    static std::size_t modeRow() {
        for (std::size_t at = 0; at < File::rows().size(); ++at) {
            if (File::rows()[at].role == ListRole::Mode)
                return at;
        }
        return 0;
    }

    int positionIn(const Row& row) const { return dialog().selection(controlOf(row)); }

    Settings written() const { return withPreset<File>(settings()); }

    Prepared<Field> prepared() const {
        return prepare<File>(settings(), form_, context().model, context().recordLanguage(),
                             context().tvMode);
    }

    PlanInput planInput() const { return {planRequest(), form_, written()}; }

    dialog::StripContent stripContent() const override {
        return plan_ ? plan_->strip(planInput()) : dialog::StripContent{};
    }

    ProfileRead<Settings> readable(const QJsonObject& profile) const {
        return SendingProfileReader<File>(form_, context().model, context().textLanguage())
            .read(profile);
    }

    QJsonObject profileOf(const Settings& settings) const {
        return profileObject<File>(settings, form_, context().model);
    }

    DecodedRecord<Settings> decoded(const QByteArray& bytes) const {
        return decodeContainer(File::rows(), column(), File::layout(form_), bytes);
    }

    // The settings of a file or profile, shown as if the user had picked and typed them: the
    // mode first, then the preset's country and operator in "Auto" mode, the other lists, the
    // texts (in "Auto" mode the preset gives its own; their boxes stay empty), the numbers.
    void showSettings(const Settings& s) {
        const bool automatic = s.automatic == 1;
        const auto listsWhere = [&](auto wanted) {
            for (const Row& row : rowsOnForm()) {
                if (row.kind == codec::FieldKind::List && wanted(row))
                    loadList(row, positionOf(row, s));
            }
        };
        listsWhere([](const Row& row) { return row.role == ListRole::Mode; });
        if (automatic) {
            listsWhere([](const Row& row) { return row.role == ListRole::Country; });
            listsWhere([](const Row& row) { return row.role == ListRole::Operator; });
        }
        listsWhere([](const Row& row) { return row.role == ListRole::Plain; });
        for (const Row& row : rowsOnForm()) {
            if (row.kind == codec::FieldKind::Text && !(automatic && row.givenByPreset))
                type(controlOf(row), s.*row.text);
        }
        for (const Row& row : rowsOnForm()) {
            if (row.kind == codec::FieldKind::Number)
                type(controlOf(row), QString::number(row.numberIn(s)));
        }
        showPreset();
    }

    dialog::CardFileHooks cardFileHooks() {
        dialog::CardFileHooks hooks;
        hooks.fileName = QString::fromLatin1(File::fileName);
        hooks.profileKeys = File::profileKeys();
        hooks.success = parts_.success;
        // What this model's form could have written: the file read back through the profile
        // reader, which refuses a value the form's lists and boxes cannot hold.
        hooks.judge = [this](const QByteArray& bytes, QString& description) {
            const DecodedRecord<Settings> file = decoded(bytes);
            if (!file.check.intact())
                return dialog::FileFit::Damaged;
            if (readable(profileOf(file.settings)).error)
                return dialog::FileFit::OtherForm;
            description = cameraModel(context().model).nameText();
            return dialog::FileFit::Fits;
        };
        hooks.fileProfile = [this](const QByteArray& bytes) {
            return profileOf(decoded(bytes).settings);
        };
        hooks.showFile = [this](const QByteArray& bytes) {
            showSettings(readable(profileOf(decoded(bytes).settings)).settings);
        };
        hooks.profile = [this] { return profileOf(written()); };
        if (plan_)
            hooks.sheet = [this](const std::optional<QByteArray>& bytes) {
                if (bytes)
                    return plan_->cardSheet(planInput(), *bytes);
                const Prepared<Field> file = prepared();
                return plan_->sheet(planInput(),
                                    file.written() ? std::optional(file.bytes) : std::nullopt);
            };
        hooks.showProfile = [this](const QJsonObject& profile) -> std::optional<QString> {
            const ProfileRead<Settings> read = readable(profile);
            if (read.error)
                return read.error->message;
            showSettings(read.settings);
            return std::nullopt;
        };
        return hooks;
    }

    void generate() override {
        const int language = context().textLanguage();
        // An emptied number would send its last value unseen.
        for (const Row& row : rowsOnForm()) {
            if (row.kind == codec::FieldKind::Number && dialog().text(controlOf(row)).isEmpty()) {
                fail(controlOf(row), i18n::messageFor(i18n::Message::EnterInteger, language));
                return;
            }
        }
        // The folder as it stands in its box now: one typed by hand is never passed over.
        folder().typed(dialog().text(parts_.folderField));
        // The preset goes into what is written, never into the stored values, so the read-only
        // boxes stay empty in "Auto" mode whatever happens next.
        const Prepared<Field> file = prepared();
        if (file.failure) {
            fail(controlOf(file.failure->field), checkText(file.failure->text, language));
            return;
        }
        if (const auto& error = file.refusal) {
            const Row* row = error->id >= 0 ? &File::rows()[std::size_t(error->id)] : nullptr;
            host().showMessage(
                refusalInForm(*error, row, row ? captionOf(*row) : QString(), language));
            if (row)
                dialog().setFocus(controlOf(*row));
            return;
        }
        const dialog::ChangeLines changes =
            dialog::changeLinesFrom(plan_, [this] { return planInput(); });
        folder().writeFile(File::fileName, file.bytes, parts_.success, language, changes);
    }

    Form form_;
    PlanPtr plan_;
    FormParts<Form> parts_;
};

} // namespace kestrova::sending
