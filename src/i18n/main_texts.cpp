#include "i18n/main_texts.h"

#include "common/version.h"

namespace kestrova::i18n {

namespace {

// Columns by language number: Chinese, English, Deutsch, Suomi, Italiano, Francais, Magyar,
// Slovenian, Cesky, Japanese, Lithuanian. nullptr: the English text of the row.
// clang-format off
constexpr auto mainRows = std::to_array<MainCaptionRow>({
    {"main.camera_setup", 1000, {"相机设置", "Camera Setup", "Kamera Installation", "kamera-asetukset", "Setup camera", "Reglage camera", "Kamera beallita", "Nast. kamere", "Nastaveni", "本体設定", " Kameros nustat."}},
    {"main.mms_setup", 1001, {"彩信设置", "MMS Setup", "MMS Installation", "MMS valikot", "impost. MMS", "Reglage MMS", "MMS beol.", "MMS nastavitve", "Nastaveni MMS", "MMS設定", "MMS nustat."}},
    {"main.smtp_setup", 1002, {"SMTP设置", "Smtp Setup", "Smtp Setup", "Smtp Setup", "Smtp Setup", "Smtp Setup", "Smtp Setup", "SMTP nastavitve", "Nastaveni Smtp", "SMTP設定", "Smtp nustat."}},
    {"main.update_link", 1076, {"获取最新版本程序更新", "Click here to get the latest updates", nullptr, "paina tasta saadaksesi uusimmat paivitykset", nullptr, nullptr, nullptr, "Klikni za najnovejse posodobitve", "Stisknete pro update", nullptr, nullptr}},
    {"main.version", 1077, {"程序版本:" KESTROVA_VERSION_TEXT, "Version:" KESTROVA_VERSION_TEXT, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr}},
    {"main.language_label", 1078, {"选择语言", "Select Language", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, "Zvolit Jazyk", nullptr, nullptr}},
    {"main.model_label", 1079, {"机器型号", "Camera Model", nullptr, nullptr, nullptr, nullptr, nullptr, "Model Kamera", "Fotopast Model", nullptr, nullptr}},
});
// clang-format on

} // namespace

std::span<const MainCaptionRow> mainCaptionRows() {
    return mainRows;
}

QList<ControlCaption> mainCaptions(int language) {
    const auto column = static_cast<std::size_t>(textLanguage(language) - 1);
    constexpr auto englishColumn = static_cast<std::size_t>(English - 1);
    QList<ControlCaption> captions;
    captions.reserve(static_cast<qsizetype>(mainRows.size()));
    for (const MainCaptionRow& row : mainRows) {
        const char* text = row.texts[column] ? row.texts[column] : row.texts[englishColumn];
        captions.append({row.controlId, QString::fromUtf8(text)});
    }
    return captions;
}

} // namespace kestrova::i18n
