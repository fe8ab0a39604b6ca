#include "plan/settings_sheet.h"

#include "camera/menu_record.h"
#include "codec/block_container.h"
#include "i18n/summary_texts.h"
#include "model/camera_model.h"
#include "plan/amounts.h"

namespace kestrova::plan {

namespace {

using i18n::SummaryText;

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

// A caption and its value; `captionWidth` the caption column's share of the table, or none.
QString row(const QString& caption, const QString& value, const QString& captionWidth = {}) {
    const QString width =
        captionWidth.isEmpty() ? QString() : QStringLiteral(" width=\"%1\"").arg(captionWidth);
    return QStringLiteral("<tr><td%1 style=\"padding-right:8px\"><b>%2</b></td><td>%3</td></tr>")
        .arg(width, escaped(caption), escaped(value));
}

// Each heading keeps the same room above and below it, whatever stands before it.
QString heading(const QString& text) {
    return QStringLiteral("<h3 style=\"margin-top:10px; margin-bottom:4px\">%1</h3>")
        .arg(escaped(text));
}

QString items(const QStringList& texts) {
    QString out = QStringLiteral("<ul style=\"margin-top:0px\">");
    for (const QString& text : texts)
        out += QStringLiteral("<li>%1</li>").arg(escaped(text));
    return out + QStringLiteral("</ul>");
}

// An assumption as the owner reads it, with the value as the arithmetic took it.
QString assumptionLine(const Assumption& assumption, int language) {
    const auto text = [language](SummaryText id) { return i18n::summaryText(id, language); };
    QLocale locale = i18n::localeOf(language);
    const QString value = locale.toString(assumption.value, 'g', 12);
    const QString what = assumption.whatText();
    const std::string_view key = assumption.key;
    if (key == "triggers_per_day")
        return text(SummaryText::AssumeTriggers).arg(value);
    if (key == "megabytes_per_picture")
        return text(SummaryText::AssumePicture).arg(what, value);
    if (key == "megabytes_per_video_second")
        return text(SummaryText::AssumeVideo).arg(what, value);
    if (key == "kilobytes_per_mms")
        return text(SummaryText::AssumeMms).arg(what, value);
    if (key == "kilobytes_per_email")
        return text(SummaryText::AssumeEmail).arg(what, value);
    if (key == "sent_pictures_per_trigger")
        return text(SummaryText::AssumeSentPerTrigger).arg(value);
    if (key == "seconds_per_photo")
        return text(SummaryText::AssumePhotoCapture).arg(value);
    if (key == "days_per_month")
        return text(SummaryText::AssumeMonth).arg(value);
    return assumption.keyText() + QStringLiteral(": ") + value;
}

// The assumptions the figures rest on, each once.
QStringList assumptionLines(const Summary& summary, int language) {
    QStringList lines;
    for (const Figure& figure : summary.figures) {
        for (const Assumption& assumption : figure.basis) {
            const QString line = assumptionLine(assumption, language);
            if (!lines.contains(line))
                lines << line;
        }
    }
    return lines;
}

} // namespace

QString sheetFolderText(const QString& folder) {
    if (folder.size() <= sheetFolderLength)
        return folder;
    const qsizetype head = sheetFolderLength / 3;
    const qsizetype tail = sheetFolderLength - head - 1;
    return folder.left(head) + u'\u2026' + folder.right(tail);
}

QString SettingsSheet::html() const {
    const auto text = [this](SummaryText id) { return i18n::summaryText(id, language); };
    const CameraModel& camera = cameraModel(model);
    QString out = QStringLiteral("<html><body>");
    out += QStringLiteral("<h2 style=\"margin-top:0px; margin-bottom:4px\">%1</h2>")
               .arg(escaped(text(SummaryText::SheetTitle).arg(fileName)));
    if (notWritten)
        out += QStringLiteral("<p><b>%1</b></p>").arg(escaped(text(SummaryText::SheetNotWritten)));
    out += QStringLiteral("<table>");
    out += row(text(SummaryText::SheetModel),
               QStringLiteral("%1 (%2)").arg(camera.nameText()).arg(model));
    out += row(text(SummaryText::SheetFolder), sheetFolderText(folder));
    out += row(text(SummaryText::SheetDate), date.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    out += row(text(SummaryText::SheetCheckValue),
               checkValue ? QStringLiteral("0x") +
                                QString::number(*checkValue, 16).toUpper().rightJustified(4, u'0')
                          : text(SummaryText::SheetNoCheck));
    out += QStringLiteral("</table>");

    // Two columns, so that the longest file's settings and its summary share one page.
    out += QStringLiteral("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" "
                          "style=\"margin-top:10px\"><tr>"
                          "<td width=\"52%\" valign=\"top\" style=\"padding-right:12px\">");
    out += heading(text(SummaryText::SheetSettings)) + QStringLiteral("<table width=\"100%\">");
    for (const SettingLine& line : lines)
        out += row(line.caption, line.hidden ? text(SummaryText::HiddenValue) : line.value,
                   QStringLiteral("45%"));
    out += QStringLiteral("</table></td><td width=\"48%\" valign=\"top\">");

    out += heading(text(SummaryText::StripTitle)) + items(summary.sentences);
    const QStringList assumed = assumptionLines(summary, language);
    if (!assumed.isEmpty())
        out += heading(text(SummaryText::SheetAssumed)) + items(assumed);
    out += heading(text(SummaryText::SheetWarnings));
    if (summary.conflicts.empty()) {
        out += QStringLiteral("<p>%1</p>").arg(escaped(text(SummaryText::SheetNoWarnings)));
    } else {
        QStringList warnings;
        for (const Conflict& conflict : summary.conflicts)
            warnings << conflict.text;
        out += items(warnings);
    }
    return out + QStringLiteral("</td></tr></table></body></html>");
}

std::optional<std::uint16_t> storedCheckValue(const QByteArray& bytes) {
    if (bytes.size() == qsizetype(std::tuple_size_v<camera::MenuRecord>))
        return camera::checkMenuRecord(bytes).storedCrc;
    if (bytes.size() == codec::containerSize)
        return codec::openContainer(bytes).storedCheckValue;
    return std::nullopt;
}

} // namespace kestrova::plan
