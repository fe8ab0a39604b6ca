#include "i18n/mms_texts.h"

#include "model/camera_model.h"
#include "res/mms_templates.h"

#include "i18n/language.h"
#include "i18n/utf8_list.h"

#include <array>

namespace kestrova::i18n {

namespace {

// Columns by language number: Chinese, English, Deutsch, Suomi, Italiano, Francais, Magyar,
// Slovenian, Cesky, Japanese, Lithuanian. The original swapped the Japanese "MMS Mode" and
// "MMS Status" captions (the Auto list read "status", the VGA list "mode"): here each names
// its own list.
// clang-format off
constexpr auto mmsRows = std::to_array<VariantCaptionRow>({
    {"mms.mms_mode", {1039, 1039}, {"MMS 模式", "MMS Mode", "MMS Modus", "MMS valikot", "Modo MMS", "MODE MMS", "MMS Mod", "MMS nacin", "Rezim MMS", "MMS モード", "MMS rezimas"}},
    {"mms.pictures_per_day", {1059, 1059}, {"拍摄张数/每天", "Picture No./ day", "Bilderanzahl/Tag", "kuvien maara / paiva", "N. immagine/data", "Image No/jour", "Kepsz./ nap", "St. slik/dan", "Snimku za den", "撮影数/1日", "Siusti per diena"}},
    {"mms.unlimited_note", {1075, 1075}, {"注： 0 = 无限制", "Note: 0 = Unlimited", "Hinweis: 0 = Unlimited", "huom! 0 = rajaton", "Nota: -00- = illimitato", "Remarque -00- = illimite", "Megj. -00- = korlutlan", "Opomba: 0 pomeni neomejeno st. MMS", "Pozor:0=neomezene", "注意：0=制限なし", "Past: Pasir. -00- Neribota"}},
    {"mms.mms_status", {1040, 1040}, {"MMS 发送", "MMS Status", "MMS Einstellung", "MMS-tila", "stato MMS", "Etat MMS", "MMS oll.", "MMS status", "Staus MMS", "MMSステータス", "MMS bukle"}},
    {"mms.country", {1043, 1043}, {"国家", "Country", "Land", "maa", "Nazione", "Pays", "Orszag", "Drzava", " Zeme", "国名", "Salis"}},
    {"mms.operator", {1044, 1044}, {"运营商", "Operator", "Operateur", "operaattorit", "Operatori", "Operateurs", "Kezelok", "Operater", "Operater", "通信会社", "Operatorius"}},
    {"mms.url", {1047, 1047}, {"彩信网址", "URL", "URL", "URL", "URL", "URL", "URL", "URL naslov", "URL", "URL", "URL"}},
    {"mms.gateway", {1048, 1048}, {"彩信网关", "Gateway", "Gateway", "gateway", "GateWay", "GateWay", "Atjaro", "Prehod", "GateWay", "ゲートウェイ", "gateway"}},
    {"mms.port", {1049, 1049}, {"彩信端口", "Port", "Port", "port", "PORTA", "Port", "Port", "Vrata", "Port", "ポート", "Portas"}},
    {"mms.phone_no", {1050, 1050}, {"手机号码", "Phone No", "Telefonnummer", "puhelinnumero", "No. Telefono", "No telephone", "Telefonsz.", "Telefonska st.", "Tel. Cislo", "電話", "Telefono Nr."}},
    {"mms.email", {1051, 1051}, {"Email", "Email", "Email", "Sahkoposti", "Email", "Email", "Email", "Email", "Email", "Eメール", "Email"}},
    {"mms.account", {1052, 1052}, {"帐号", "Account", "Konto", "tili", "Account", "Compte", "Fiok", "Upor. Ime", "Ucet", "アカウント", "Account"}},
    {"mms.password", {1053, 1053}, {"密码", "Password", "Passwort", "salasana", "Password", "Mot de passe", "Jelszo", "Geslo", "Heslo", "パスワード", "Slaptazodis"}},
    {"mms.phone_or_email_2", {1054, 1054}, {"手机号码或邮件", "Phone or Email", "Tel. oder Email", "gsm / sahkoposti", "Tel. o mail", "Tel. ou e-mail", "Tel.vagy e-level", "Tel. st. ali Email", "Telefon / Email", "電話orEメール", "Telefono/Email"}},
    {"mms.phone_or_email_3", {1055, 1055}, {"手机号码或邮件", "Phone or Email", "Tel. oder Email", "gsm / sahkoposti", "Tel. o mail", "Tel. ou e-mail", "Tel.vagy e-level", "Tel. st. ali Email", "Telefon / Email", "電話orEメール", "Telefono/Email"}},
    {"mms.select", {1057, 1057}, {"选择目录", "Select", "Auswahl", "valitse", "Seleziona", "Choix", "Kivalaszt", "Izberi", "Select", "フォルダ選択", "Pasirinkti "}},
    {"mms.generate", {1, 1}, {"生成配置文件", "Generate", "Generieren", "luo", "Genera", "Creer", "Letrehoz", "Ustvari", "Generovat", "ファイル作成", " Issaugoti"}},
    {"mms.exit", {2, 2}, {"退出", "Exit", "Back", "poistu", "Indiet", "Retour", "Vissz.", "Nazaj", "Vystup", "終了", "Iseiti"}},
    {"mms.group", {1058, 1058}, {"彩信", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS", "MMS"}},
    {"mms.sms_remote", {1084, 1129}, {"短信远程控制", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control", "SMS upravljanje", "SMS Remote Control", "SMS Remote Control", " SMS nuotol.valdymas"}},
    // Form B keeps the "H" of its template.
    {"mms.hour_suffix", {res::mmsHourControls(MmsForm::A).suffix, 0}, {"H", "H", "H", "H", "H", "H", "H", "H", "H", "H", "H"}},
});

// Option sets by language number. Form A shares the mode and send sets of form B for languages
// 1..10 and has a roaming set of its own.
constexpr std::array<std::array<const char*, 2>, languageCount> modeTexts{{
    {"自动", "手动"},
    {"Auto", "Manual"},
    {"Auto", "Manuell"},
    {"autom", "manuaali"},
    {"Auto", "Manuale"},
    {"Auto", "Manuel"},
    {"Auto", "Kezi"},
    {"Samodejno", "Rocno"},
    {"Automaticky", "Rucne"},
    {"オート", "マニュアル"},
    {"Auto", "Manual"},
}};

constexpr std::array<std::array<const char*, 3>, languageCount> sendTexts{{
    {"关闭", "VGA", "SMS"},
    {"Off", "VGA", "SMS"},
    {"Aus", "VGA", "SMS"},
    {"pois", "VGA", "SMS"},
    {"OFF", "VGA", "SMS"},
    {"Arret", "VGA", "SMS"},
    {"Ki", "VGA", "SMS"},
    {"Izklop", "VGA", "SMS"},
    {"Vypnuto", "VGA", "SMS"},
    {"オフ", "VGA", "SMS"},
    {"NE", "VGA", "SMS"},
}};

constexpr std::array<std::array<const char*, 4>, languageCount> sendQvgaTexts{{
    {"关闭", "VGA", "QVGA", "SMS"},
    {"Off", "VGA", "QVGA", "SMS"},
    {"Aus", "VGA", "QVGA", "SMS"},
    {"pois", "VGA", "QVGA", "SMS"},
    {"OFF", "VGA", "QVGA", "SMS"},
    {"Arret", "VGA", "QVGA", "SMS"},
    {"Ki", "VGA", "QVGA", "SMS"},
    {"Izklop", "VGA", "QVGA", "SMS"},
    {"Vypnuto", "VGA", "QVGA", "SMS"},
    {"オフ", "VGA", "QVGA", "SMS"},
    {"NE", "VGA", "QVGA", "SMS"},
}};

// The blanks at the ends of some entries are part of the texts.
constexpr std::array<std::array<const char*, 2>, languageCount> roamingTextsB{{
    {"国内", "国际"},
    {"Domestic ", "International"},
    {"Domestic ", "International"},
    {"Domestic ", "International"},
    {"Domestic ", "International"},
    {"Domestic ", "International"},
    {"Domestic ", "International"},
    {"Domaca ", "Mednarodna"},
    {"Domaci ", "Mezinarodni"},
    {"Domestic ", "International"},
    {"Vietinis ", " Tarptautinis"},
}};

// Form A has sets for languages 1..10 only.
constexpr std::array<std::array<const char*, 2>, Japanese> roamingTextsA{{
    {"国内", "国际"},
    {"Domestic ", "International"},
    {"Domestic ", "International"},
    {"Domestic ", "International"},
    {"Domestic ", "International"},
    {"Domestic ", "International"},
    {"Domestic ", "International"},
    {"Domestic ", "International"},
    {"Domaci ", "Mezinarodni"},
    {"Domestic ", "International"},
}};

constexpr std::array<const char*, languageCount> offWords{
    "关闭", "Off", "Aus", "pois", "OFF", "Arret", "Off", "Izklop", "Vypnuto", "オフ", "NE"};
// clang-format on

constexpr std::size_t column(int language) {
    return static_cast<std::size_t>(language - 1);
}

} // namespace

std::span<const VariantCaptionRow> mmsCaptionRows() {
    return mmsRows;
}

QList<ControlCaption> mmsCaptions(MmsForm form, int language) {
    return variantCaptions(mmsRows, static_cast<int>(form), language);
}

int mmsOptionLanguage(MmsForm form, int language) {
    const int shown = textLanguage(language);
    return form == MmsForm::A && shown == Lithuanian ? English : shown;
}

QStringList mmsModeOptions(MmsForm form, int language) {
    return utf8List(modeTexts[column(mmsOptionLanguage(form, language))]);
}

QStringList mmsSendOptions(MmsForm form, int model, int language) {
    const std::size_t at = column(mmsOptionLanguage(form, language));
    if (form == MmsForm::B && cameraModel(model).mmsQvga)
        return utf8List(sendQvgaTexts[at]);
    return utf8List(sendTexts[at]);
}

QStringList mmsRoamingOptions(MmsForm form, int language) {
    const std::size_t at = column(mmsOptionLanguage(form, language));
    return utf8List(form == MmsForm::A ? roamingTextsA[at] : roamingTextsB[at]);
}

QStringList mmsApnOptions() {
    return {QStringLiteral("APN")};
}

QStringList mmsManualApnOptions() {
    return {QStringLiteral("APN"), QStringLiteral("CSD")};
}

QString offWord(int language) {
    return QString::fromUtf8(offWords[column(textLanguage(language))]);
}

QStringList hourOptions(int language) {
    QStringList hours;
    hours.reserve(hourOptionCount);
    for (int hour = 0; hour <= 24; ++hour)
        hours.append(QString::number(hour));
    hours.append(offWord(language));
    return hours;
}

} // namespace kestrova::i18n
