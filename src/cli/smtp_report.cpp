#include "app/camera_models.h"
#include "app/routing.h"
#include "cli/cli_error.h"
#include "cli/file_report.h"
#include "cli/json_values.h"
#include "cli/report_text.h"
#include "codec/block_container.h"
#include "i18n/language.h"
#include "smtp/smtp_checks.h"
#include "smtp/smtp_fields.h"
#include "smtp/smtp_profile.h"
#include "smtp/smtp_record.h"

#include <QJsonObject>

#include <memory>
#include <optional>
#include <vector>

namespace kestrova::cli {

namespace {

using smtp::SmtpField;
using smtp::SmtpSettings;

// The settings of the header in the order the report lists them.
constexpr SmtpField headerLines[] = {SmtpField::Mode,        SmtpField::Country,
                                     SmtpField::Operator,    SmtpField::PicturesPerDay,
                                     SmtpField::RemoteHours, SmtpField::Status};

// Which form wrote a file: the model says so, or else the header bytes that differ between the
// forms (A: 1, 1, hours; B: status, hours, 1). A header that reads the same both ways (form A
// with 1 hour, form B with "VGA" and 1 hour) holds the same settings either way, save the status
// form A has not got.
struct FormGuess {
    SmtpForm form = SmtpForm::A;
    bool fromModel = false;
    bool ambiguous = false;
};

FormGuess guessForm(const QByteArray& bytes, std::optional<int> model) {
    if (model) {
        if (!app::hasSmtp(*model))
            fail(ExitBadInput, QStringLiteral("model %1 (%2) has no SMTP settings; smtp.dat "
                                              "belongs to models 3 to 7")
                                   .arg(*model)
                                   .arg(app::modelName(*model)));
        return {app::smtpFormFor(*model), true, false};
    }
    const codec::OpenedContainer opened = codec::openContainer(bytes);
    const codec::Block& header = opened.plain[0];
    const bool fitsA = header[6] == 1 && header[7] == 1 && header[8] <= smtp::remoteOff;
    const bool fitsB = header[8] == 1 && header[6] <= 2 && header[7] <= smtp::remoteOff;
    if (fitsA && fitsB)
        return {SmtpForm::A, false, true};
    return {fitsB ? SmtpForm::B : SmtpForm::A, false, false};
}

QChar letter(SmtpForm form) {
    return form == SmtpForm::A ? u'A' : u'B';
}

// One decoded "smtp.dat", as text lines and as a JSON profile for the smtp command.
class SmtpReport final : public FileReport {
public:
    SmtpReport(const QByteArray& bytes, std::optional<int> model)
        : model_(model)
        , guess_(guessForm(bytes, model))
        , decoded_(smtp::decodeSmtpRecord(bytes, guess_.form))
        , refusal_(refusal()) {}

    bool damaged() const override {
        return !decoded_.check.intact() || !outOfRange().isEmpty() || refusal_;
    }

    QStringList lines() const override {
        const smtp::SmtpRecordCheck& check = decoded_.check;
        QStringList out;
        out << QStringLiteral("kind: smtp");
        out << QStringLiteral("size: %1")
                   .arg(okOr(check.sizeOk, QStringLiteral("720 bytes"), QStringLiteral("wrong")));
        if (!check.sizeOk)
            return out;
        out << QStringLiteral("check value: stored %1, CRC %2 + %3 %4")
                   .arg(hex16(check.storedCheckValue), hex16(check.computedCrc))
                   .arg(smtp::smtpAdjustment)
                   .arg(verdict(check.checkValueOk));
        out << QStringLiteral("line ends: %1")
                   .arg(okOr(check.lineEndsOk, QStringLiteral("CR LF"), QStringLiteral("missing")));
        out << QStringLiteral("layout: %1")
                   .arg(check.layoutOk && check.checkBlockOk ? QStringLiteral("ok")
                                                             : QStringLiteral("DAMAGED"));
        out << QStringLiteral("texts: %1")
                   .arg(check.textsOk ? QStringLiteral("ok")
                                      : QStringLiteral("not code page 936 or too long (DAMAGED)"));
        out << QStringLiteral("user name: %1 %2")
                   .arg(quotedText(decoded_.userName),
                        check.userNameOk ? QStringLiteral("(ok)")
                                         : QStringLiteral("(not the sender's, DAMAGED)"));
        if (model_)
            out << QStringLiteral("model: %1 (%2), SMTP form %3")
                       .arg(*model_)
                       .arg(app::modelName(*model_))
                       .arg(letter(guess_.form));
        else if (guess_.ambiguous)
            out << QStringLiteral("form: A or B (the header reads the same; give --model)");
        else
            out << QStringLiteral("form: %1 (from the header)").arg(letter(guess_.form));
        for (const smtp::SmtpFieldRow* row : headerRows())
            out << QStringLiteral("%1: %2").arg(row->nameText(), valueText(*row));
        for (const auto& [name, value] : texts())
            out << QStringLiteral("%1: %2%3")
                       .arg(name, quotedText(value),
                            holdsControl(value)
                                ? QStringLiteral(" (control characters: not written by this "
                                                 "program)")
                                : QString());
        out << languageLine(QStringLiteral("smtp_language"), decoded_.languageByte);
        addOutOfRangeLine(out, outOfRange());
        addRefusalLine(out, refusal_);
        return out;
    }

    QJsonObject json() const override {
        const smtp::SmtpRecordCheck& check = decoded_.check;
        const SmtpSettings& s = decoded_.settings;
        QJsonObject object = jsonHead(QStringLiteral("smtp"), check.checkValueOk, !damaged());
        if (!check.sizeOk)
            return object;
        addRangeAndModel(object, outOfRange(), model_);
        addRefusal(object, refusal_);
        if (!guess_.ambiguous)
            object[QStringLiteral("form")] = QString(letter(guess_.form));
        insertSettings(object, smtp::smtpProfile(s, guess_.form));
        object[QStringLiteral("user_name")] = decoded_.userName;
        object[QStringLiteral("smtp_language")] = decoded_.languageByte;
        return object;
    }

private:
    static QString unknown(int value) {
        return QStringLiteral("%1 (not in the list: DAMAGED)").arg(value);
    }

    // The header settings the form has, in the report's order.
    std::vector<const smtp::SmtpFieldRow*> headerRows() const {
        std::vector<const smtp::SmtpFieldRow*> rows;
        for (SmtpField id : headerLines) {
            if (smtp::onForm(smtp::smtpField(id), guess_.form))
                rows.push_back(&smtp::smtpField(id));
        }
        return rows;
    }

    bool inRange(const smtp::SmtpFieldRow& row) const {
        const int value = decoded_.settings.*row.number;
        if (row.kind == codec::FieldKind::Number)
            return value >= row.lower && value <= row.upper;
        return smtp::smtpEntryText(row.id, decoded_.settings).has_value();
    }

    QString valueText(const smtp::SmtpFieldRow& row) const {
        const int value = decoded_.settings.*row.number;
        if (row.kind == codec::FieldKind::Number)
            return QStringLiteral("%1%2").arg(value).arg(value == 0 ? QStringLiteral(" (unlimited)")
                                                                    : QString());
        return smtp::smtpEntryText(row.id, decoded_.settings).value_or(unknown(value));
    }

    // What `kestrova smtp` says of these settings, read back as a profile: the first refusal for
    // the model given, or, without one, for every model of the form; nothing when one takes them.
    std::optional<QString> refusal() const {
        if (!decoded_.check.sizeOk)
            return std::nullopt;
        const QJsonObject profile = smtp::smtpProfile(decoded_.settings, guess_.form);
        std::optional<QString> why;
        for (int model = 1; model <= kestrova::modelCount; ++model) {
            if ((model_ && model != *model_) || !app::hasSmtp(model) ||
                app::smtpFormFor(model) != guess_.form)
                continue;
            const auto read =
                smtp::SmtpProfileReader(
                    guess_.form,
                    QStringLiteral("model %1 (%2)").arg(model).arg(app::modelName(model)),
                    i18n::English)
                    .read(profile);
            if (read.error) {
                why = read.error->message;
                continue;
            }
            const smtp::PreparedSmtpFile prepared =
                smtp::prepareSmtpFile(read.settings, guess_.form,
                                      i18n::cameraLanguageBytes.contains(decoded_.languageByte)
                                          ? decoded_.languageByte
                                          : i18n::cameraLanguageByte(i18n::English),
                                      i18n::English);
            if (!prepared.refusal)
                return std::nullopt;
            const auto& refused = *prepared.refusal;
            why = refused.field ? smtp::smtpField(*refused.field).nameText() +
                                      QStringLiteral(": ") + refused.message
                                : refused.message;
        }
        return why;
    }

    // The values that no form and no command writes, by their names in the profile.
    QStringList outOfRange() const {
        if (!decoded_.check.sizeOk)
            return {};
        QStringList wrong;
        for (const smtp::SmtpFieldRow* row : headerRows()) {
            if (!inRange(*row))
                wrong << row->nameText();
        }
        for (const auto& [name, value] : texts()) {
            if (holdsControl(value))
                wrong << name;
        }
        if (!i18n::cameraLanguageBytes.contains(decoded_.languageByte))
            wrong << QStringLiteral("smtp_language");
        return wrong;
    }

    std::vector<std::pair<QString, QString>> texts() const {
        std::vector<std::pair<QString, QString>> out;
        for (const smtp::SmtpFieldRow& row : smtp::smtpFields()) {
            if (row.kind == codec::FieldKind::Text)
                out.emplace_back(row.nameText(), decoded_.settings.*row.text);
        }
        return out;
    }

    std::optional<int> model_;
    FormGuess guess_;
    smtp::DecodedSmtp decoded_;
    std::optional<QString> refusal_;
};

} // namespace

std::unique_ptr<FileReport> smtpReport(const QByteArray& bytes, std::optional<int> model) {
    return std::make_unique<SmtpReport>(bytes, model);
}

} // namespace kestrova::cli
