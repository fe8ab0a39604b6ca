#include "plan/settings_sheet.h"

#include "camera/menu_record.h"
#include "codec/block_container.h"
#include "i18n/summary_texts.h"
#include "model/camera_model.h"

namespace kestrova::plan {

namespace {

QString escaped(const QString& text) {
    return text.toHtmlEscaped();
}

QString row(const QString& caption, const QString& value) {
    return QStringLiteral("<tr><td style=\"padding-right:12px\"><b>%1</b></td><td>%2</td></tr>")
        .arg(escaped(caption), escaped(value));
}

} // namespace

QString SettingsSheet::html() const {
    return sheetPage({*this});
}

QString sheetPage(const std::vector<SettingsSheet>& sheets) {
    QStringList sections;
    for (const SettingsSheet& sheet : sheets)
        sections << sheet.section();
    return QStringLiteral("<html><body>") + sections.join(QStringLiteral("<hr/>")) +
           QStringLiteral("</body></html>");
}

QString SettingsSheet::section() const {
    using i18n::SummaryText;
    const auto text = [this](SummaryText id) { return i18n::summaryText(id, language); };
    const CameraModel& camera = cameraModel(model);
    QString out;
    out += QStringLiteral("<h2>%1</h2>").arg(escaped(text(SummaryText::SheetTitle).arg(fileName)));
    out += QStringLiteral("<table>");
    out += row(text(SummaryText::SheetModel),
               QStringLiteral("%1 (%2)").arg(camera.nameText()).arg(model));
    out += row(text(SummaryText::SheetFolder), folder);
    out += row(text(SummaryText::SheetDate), date.toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    out += row(text(SummaryText::SheetCheckValue),
               checkValue ? QStringLiteral("0x") +
                                QString::number(*checkValue, 16).toUpper().rightJustified(4, u'0')
                          : text(SummaryText::SheetNoCheck));
    out += QStringLiteral("</table>");

    out += QStringLiteral("<h3>%1</h3><table>").arg(escaped(text(SummaryText::SheetSettings)));
    for (const SettingLine& line : lines)
        out += row(line.caption, line.hidden ? text(SummaryText::HiddenValue) : line.value);
    out += QStringLiteral("</table>");

    out += QStringLiteral("<h3>%1</h3><ul>").arg(escaped(text(SummaryText::StripTitle)));
    for (const QString& sentence : summary.sentences)
        out += QStringLiteral("<li>%1</li>").arg(escaped(sentence));
    out += QStringLiteral("</ul>");

    out += QStringLiteral("<h3>%1</h3>").arg(escaped(text(SummaryText::SheetWarnings)));
    if (summary.conflicts.empty()) {
        out += QStringLiteral("<p>%1</p>").arg(escaped(text(SummaryText::SheetNoWarnings)));
    } else {
        out += QStringLiteral("<ul>");
        for (const Conflict& conflict : summary.conflicts)
            out += QStringLiteral("<li>%1</li>").arg(escaped(conflict.text));
        out += QStringLiteral("</ul>");
    }
    return out;
}

std::optional<std::uint16_t> storedCheckValue(const QByteArray& bytes) {
    if (bytes.size() == qsizetype(std::tuple_size_v<camera::MenuRecord>))
        return camera::checkMenuRecord(bytes).storedCrc;
    if (bytes.size() == codec::containerSize)
        return codec::openContainer(bytes).storedCheckValue;
    return std::nullopt;
}

} // namespace kestrova::plan
