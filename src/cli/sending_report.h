#pragma once

#include "cli/file_report.h"
#include "cli/report_text.h"
#include "common/profile_values.h"
#include "i18n/language.h"
#include "model/camera_model.h"
#include "sending/sending_messages.h"
#include "sending/sending_profile.h"

#include <QJsonObject>

#include <memory>
#include <optional>

namespace kestrova::cli {

// Which form wrote a file: the model says so, or else what the file itself shows.
template <typename Form> struct FormGuess {
    Form form{};
    bool fromModel = false;
    bool ambiguous = false; // the file reads the same for either form
    bool fromFile = false;  // the file's own layout told it
};

// What the report of one sending file says in words of its own.
template <sending::SendingFile File> struct SendingReportParts {
    using Settings = typename File::Settings;
    using Row = typename File::Row;

    const char* formWord;       // "MMS form A"
    const char* adjustmentNote; // after the check value's addition
    const char* madeName;       // the text made from another's, in lines
    const char* madeKey;        // and in the JSON
    // The form of a file read without a model.
    FormGuess<typename File::Form> (*guess)(const QByteArray& bytes);
    // A value told in words of the file's own, and whether it lies in its list; nothing where
    // the table's entries tell both.
    std::optional<QString> (*value)(const Row& row, const Settings& s, std::optional<int> model);
    std::optional<bool> (*fits)(const Row& row, const Settings& s, std::optional<int> model);
};

// One decoded sending file, as text lines and as a profile for its command. Its settings walk
// the file's table: each row the form has, by its name.
template <sending::SendingFile File> class SendingReport final : public FileReport {
public:
    using Settings = typename File::Settings;
    using Row = typename File::Row;
    using Form = typename File::Form;

    SendingReport(const QByteArray& bytes, std::optional<int> model,
                  const SendingReportParts<File>& parts)
        : parts_(parts)
        , model_(model)
        , guess_(model ? FormGuess<Form>{File::form(*model), true} : parts.guess(bytes))
        , decoded_(sending::decodeContainer(File::rows(), File::column(guess_.form),
                                            File::layout(guess_.form), bytes))
        , size_(bytes.size())
        , refusal_(refusal()) {}

    bool damaged() const override {
        return !decoded_.check.intact() || !outOfRange().isEmpty() || refusal_;
    }

    QStringList lines() const override {
        const sending::RecordCheck& check = decoded_.check;
        const QString fileName = QString::fromLatin1(File::fileName);
        QStringList out;
        out << QStringLiteral("kind: %1").arg(File::profileKeys().kind);
        out << QStringLiteral("size: %1")
                   .arg(okOr(check.sizeOk, QStringLiteral("720 bytes"),
                             QStringLiteral("%1 bytes, a %2 has 720").arg(size_).arg(fileName)));
        if (!check.sizeOk)
            return out;
        const QString adjustment = check.adjustment == 0
                                       ? QString()
                                       : QStringLiteral(" + %1%2")
                                             .arg(check.adjustment)
                                             .arg(QString::fromLatin1(parts_.adjustmentNote));
        out << QStringLiteral("check value: stored %1, CRC %2")
                   .arg(hex16(check.storedCheckValue),
                        okOr(check.checkValueOk, hex16(check.computedCrc) + adjustment,
                             hex16(check.computedCrc) + adjustment));
        out << QStringLiteral("line ends: %1")
                   .arg(okOr(check.lineEndsOk, QStringLiteral("CR LF"), QStringLiteral("missing")));
        out << QStringLiteral("check block: %1")
                   .arg(okOr(check.checkBlockOk, QStringLiteral("zero but the check value"),
                             QStringLiteral("not zero")));
        out << QStringLiteral("layout: %1")
                   .arg(okOr(check.layoutOk, QStringLiteral("as the format has it"),
                             QStringLiteral("values or zeros out of place")));
        out << QStringLiteral("texts: %1")
                   .arg(okOr(check.textsOk, QStringLiteral("code page 936, within their limits"),
                             QStringLiteral("not code page 936 or too long")));
        if (layout().madePlace.has())
            out << QStringLiteral("%1: %2 %3")
                       .arg(QString::fromLatin1(parts_.madeName), quotedText(decoded_.madeText),
                            check.madeTextOk ? QStringLiteral("(ok)")
                                             : QStringLiteral("(not the sender's, DAMAGED)"));
        if (model_)
            out << QStringLiteral("model: %1 (%2), %3 form %4")
                       .arg(*model_)
                       .arg(cameraModel(*model_).nameText(), QString::fromLatin1(parts_.formWord))
                       .arg(letter());
        else if (guess_.ambiguous)
            out << QStringLiteral("form: A or B (the header reads the same; give --model)");
        else if (guess_.fromFile)
            out << QStringLiteral("form: %1 (from the header)").arg(letter());
        for (const Row& row : File::rows()) {
            if (row.kind != codec::FieldKind::Text && onForm(row))
                out << row.nameText() + QStringLiteral(": ") + valueText(row);
        }
        for (const Row& row : File::rows()) {
            if (row.kind == codec::FieldKind::Text && onForm(row))
                out << row.nameText() + QStringLiteral(": ") + valueText(row);
        }
        out << languageLine(QString::fromLatin1(File::languageKey), decoded_.languageByte);
        if (layout().tvModeByte >= 0)
            out << QStringLiteral("tv_mode: %1").arg(decoded_.tvModeByte);
        addOutOfRangeLine(out, outOfRange());
        addRefusalLine(out, refusal_);
        return out;
    }

    QJsonObject json() const override {
        const sending::RecordCheck& check = decoded_.check;
        QJsonObject object = jsonHead(File::profileKeys().kind, check.checkValueOk, !damaged());
        if (!check.sizeOk)
            return object;
        addRangeAndModel(object, outOfRange(), model_);
        addRefusal(object, refusal_);
        if (layoutPerForm() && !guess_.ambiguous)
            object[QStringLiteral("form")] = QString(letter());
        insertSettings(object, profile());
        if (layout().madePlace.has())
            object[QString::fromLatin1(parts_.madeKey)] = decoded_.madeText;
        object[QString::fromLatin1(File::languageKey)] = decoded_.languageByte;
        if (layout().tvModeByte >= 0)
            object[QStringLiteral("tv_mode")] = decoded_.tvModeByte;
        return object;
    }

private:
    const sending::ContainerLayout<Settings, typename File::Field>& layout() const {
        return File::layout(guess_.form);
    }
    // Whether the forms lay out their records differently, so the form is part of the file.
    static bool layoutPerForm() { return &File::layout(Form::A) != &File::layout(Form::B); }
    QChar letter() const { return QChar(u'A' + static_cast<int>(guess_.form)); }
    bool onForm(const Row& row) const { return row.onForm(File::column(guess_.form)); }
    int model() const { return model_.value_or(0); }

    QJsonObject profile() const {
        return sending::profileObject<File>(decoded_.settings, guess_.form, model());
    }

    sending::ListContext lists() const {
        return sending::listContext<File>(guess_.form, model(), i18n::English, decoded_.settings);
    }

    // A row's value as the report words it: a text quoted, a number, a list's entry in the
    // words profiles use.
    QString valueText(const Row& row) const {
        const Settings& s = decoded_.settings;
        if (parts_.value)
            if (auto own = parts_.value(row, s, model_))
                return *own;
        if (row.kind == codec::FieldKind::Text)
            return quotedText(s.*row.text) +
                   (holdsControl(s.*row.text)
                        ? QStringLiteral(" (control characters: not written by this program)")
                        : QString());
        const int value = row.numberIn(s);
        if (row.kind == codec::FieldKind::Number)
            return QString::number(value) +
                   (row.zeroIsUnlimited && value == 0 ? QStringLiteral(" (unlimited)") : QString());
        if (row.profileStyle == sending::ProfileStyle::HourOrOff && value == row.upper)
            return QStringLiteral("off");
        if (fits(row))
            return row.profileStyle == sending::ProfileStyle::HourOrOff
                       ? QString::number(value)
                       : sending::profileWordsOf(row, lists()).value(sending::positionOf(row, s));
        return QStringLiteral("%1 (not in the list: DAMAGED)").arg(value);
    }

    bool fits(const Row& row) const {
        const Settings& s = decoded_.settings;
        if (parts_.fits)
            if (auto own = parts_.fits(row, s, model_))
                return *own;
        if (row.kind == codec::FieldKind::Text)
            return !holdsControl(s.*row.text);
        const int value = row.numberIn(s);
        if (row.kind == codec::FieldKind::Number)
            return value >= row.lower && value <= row.upper;
        const int position = sending::positionOf(row, s);
        return position >= 0 && position < sending::entriesOf(row, lists()).size();
    }

    // The values that no form and no command writes, by their names in the profile: the check
    // value can be right while they are not.
    QStringList outOfRange() const {
        if (!decoded_.check.sizeOk)
            return {};
        QStringList wrong;
        for (const Row& row : File::rows()) {
            if (onForm(row) && !fits(row))
                wrong << row.nameText();
        }
        if (!i18n::cameraLanguageBytes.contains(decoded_.languageByte))
            wrong << QString::fromLatin1(File::languageKey);
        return wrong;
    }

    // What the command says of these settings, read back as a profile: the first refusal for
    // the model given, or, without one, for every model whose form reads the file this way;
    // nothing when one of them takes them.
    std::optional<QString> refusal() const {
        if (!decoded_.check.sizeOk)
            return std::nullopt;
        std::optional<QString> why;
        for (int model = 1; model <= modelCount; ++model) {
            if ((model_ && model != *model_) || !File::onModel(model))
                continue;
            const Form form = File::form(model);
            if (&File::layout(form) != &layout())
                continue;
            const auto read =
                sending::SendingProfileReader<File>(form, model, i18n::English)
                    .read(sending::profileObject<File>(decoded_.settings, form, model));
            if (read.error) {
                why = read.error->message;
                continue;
            }
            const auto prepared =
                sending::prepare<File>(read.settings, form, model,
                                       i18n::cameraLanguageBytes.contains(decoded_.languageByte)
                                           ? decoded_.languageByte
                                           : i18n::cameraLanguageByte(i18n::English),
                                       static_cast<std::uint16_t>(decoded_.tvModeByte));
            why = sending::commandRefusal<File>(prepared, i18n::English);
            if (!why)
                return std::nullopt;
        }
        return why;
    }

    const SendingReportParts<File>& parts_;
    std::optional<int> model_;
    FormGuess<Form> guess_;
    sending::DecodedRecord<Settings> decoded_;
    qsizetype size_;
    std::optional<QString> refusal_;
};

} // namespace kestrova::cli
