#include "plan/change_lines.h"

#include "i18n/summary_texts.h"

namespace kestrova::plan {

QStringList changeLines(ReplacedFile replaced, const std::vector<SettingLine>& before,
                        const std::vector<SettingLine>& after, int language, int most) {
    using i18n::SummaryText;
    const auto text = [language](SummaryText id) { return i18n::summaryText(id, language); };
    switch (replaced) {
    case ReplacedFile::None:
        return {text(SummaryText::ChangeNewFile)};
    case ReplacedFile::Damaged:
        return {text(SummaryText::ChangeReplacedDamaged)};
    case ReplacedFile::FactoryReset:
        return {text(SummaryText::ChangeReplacedFactory)};
    case ReplacedFile::OtherForm:
        return {text(SummaryText::ChangeReplacedOther)};
    case ReplacedFile::Readable:
        break;
    }
    QStringList changed;
    for (const SettingLine& now : after) {
        if (now.stamped)
            continue;
        const SettingLine* was = nullptr;
        for (const SettingLine& line : before) {
            if (line.caption == now.caption)
                was = &line;
        }
        if (was && was->value == now.value)
            continue;
        if (now.hidden)
            changed << text(SummaryText::ChangedHiddenLine).arg(now.caption);
        else
            changed << text(SummaryText::ChangedLine)
                           .arg(now.caption, was ? was->value : QString(), now.value);
    }
    if (changed.isEmpty())
        return {text(SummaryText::ChangeNothing)};
    QStringList lines{text(SummaryText::ChangedHeader)};
    lines << changed.mid(0, most);
    if (changed.size() > most)
        lines << text(SummaryText::ChangedMore).arg(changed.size() - most);
    return lines;
}

} // namespace kestrova::plan
