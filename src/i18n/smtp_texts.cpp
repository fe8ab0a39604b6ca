#include "i18n/smtp_texts.h"

#include "i18n/language.h"
#include "i18n/utf8_list.h"

#include <array>

namespace kestrova::i18n {

namespace {

// Columns by language number: Chinese, English, Deutsch, Suomi, Italiano, Francais, Magyar,
// Slovenian, Cesky, Japanese, Lithuanian.
// clang-format off
constexpr auto smtpRows = std::to_array<VariantCaptionRow>({
    {"smtp.smtp_mode", {1086, 1086}, {"Smtp 模式", "Smtp Mode", "Smtp Mode", "Smtp Mode", "Smtp Mode", "Smtp Mode", "Smtp Mode", "Smtp nacin", "Smtp Mode", "Smtpモード", " Smtp rezimas"}},
    {"smtp.pictures_per_day", {1089, 1089}, {"拍摄张数/每天", "Picture No./ day", "Bilderanzahl/Tag", "kuvien maara / paiva", "N. immagine/data", "Image No/jour", "Kepsz./ nap", "St. slik/dan", "Snimku za den", "撮影数/1日", "Siusti per diena"}},
    {"smtp.unlimited_note", {1090, 1090}, {"注： 0 = 无限制", "Note: 0 = Unlimited", "Hinweis: 0 = Unlimited", "huom! 0 = rajaton", "Nota: -00- = illimitato", "Remarque -00- = illimite", "Megj. -00- = korlutlan", "Opomba: 0 pomeni neomejeno st. MMS", "Pozor:0=neomezene", "注意：0=制限なし", "Past: Pasir. -00- Neribota"}},
    {"smtp.country", {1091, 1091}, {"国家", "Country", "Land", "maa", "Nazione", "Pays", "Orszag", "Drzava", " Zeme", "国名", "Salis"}},
    {"smtp.operator", {1092, 1092}, {"运营商", "Operator", "Operateur", "operaattorit", "Operatori", "Operateurs", "Kezelok", "Operater", "Operater", "通信会社", "Operatorius"}},
    {"smtp.apn", {1097, 1097}, {"APN", "APN", "APN", "APN", "APN", "APN", "APN", "APN", "APN", "APN", "APN"}},
    {"smtp.account", {1098, 1098}, {"帐号", "Account", "Konto", "tili", "Account", "Compte", "Fiok", "Upor. Ime", "Ucet", "アカウント", "Account"}},
    {"smtp.password", {1099, 1099}, {"密码", "Password", "Passwort", "salasana", "Password", "Mot de passe", "Jelszo", "Geslo", "Heslo", "パスワード", "Slaptazodis"}},
    {"smtp.server", {1100, 1100}, {"Smtp 服务器", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp Server", "Smtp serveris"}},
    {"smtp.port", {1101, 1101}, {"Smtp端口", "Port", "Port", "Port", "Port", "Port", "Port", "Vrata", "Port", "ポート", "Port"}},
    {"smtp.sender_email", {1103, 1103}, {"发送人Email", "Sender Email", "Sender Email", "Sender Email", "Sender Email", "Sender Email", "Sender Email", "Email naslov", "Sender Email", "Sender Email", "Siuntejo email"}},
    {"smtp.sender_password", {1102, 1102}, {"发送人密码", "Password", "Password", "Password", "Password", "Password", "Password", "Geslo", "Heslo", "パスワード", "Slaptazodis"}},
    {"smtp.email_01", {1106, 1106}, {"Email 01", "Email 01", "Email 01", "Sahkoposti 01", "Email 01", "Email 01", "Email 01", "Email naslov", "Email 01", "Eメール01", "Email 01"}},
    {"smtp.select", {1111, 1111}, {"选择目录", "Select", "Auswahl", "valitse", "Seleziona", "Choix", "Kivalaszt", "Izberi", "Vybrat", "フォルダ選択", "Pasirinkti"}},
    {"smtp.generate", {1112, 1112}, {"生成配置文件", "Generate", "Generieren", "luo", "Genera", "Creer", "Letrehoz", "Ustvari", "Generovat", "ファイル作成", " Issaugoti"}},
    {"smtp.exit", {2, 2}, {"退出", "Exit", "Back", "poistu", "Indiet", "Retour", "Vissz.", "Nazaj", "Vystup", "終了", "Iseiti"}},
    {"smtp.phone_no", {1114, 1116}, {"手机号码", "Phone No", "Telefonnummer", "puhelinnumero", "No. Telefono", "No telephone", "Telefonsz.", "Telefonska st.", "Tel. Cislo", "電話", "Telefono Nr."}},
    {"smtp.sms_remote", {1132, 1107}, {"短信远程控制", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control", "SMS Remote Control", "SMS upravljanje", "SMS Remote Control", "SMS Remote Control", " SMS nuotol.valdymas"}},
});

constexpr std::array<std::array<const char*, 2>, languageCount> modeTexts{{
    {"自动", "手动"},
    {"Auto", "Manual"},
    {"Auto", "Manuell"},
    {"Autom", "Manuaali"},
    {"Auto", "Manuale"},
    {"Auto", "Manuale"},
    {"Auto", "Kezi"},
    {"Samodejno", "Rocno"},
    {"Automaticky", "Rucne"},
    {"オート", "マニュアル"},
    {"Auto", "Manual"},
}};

// The first entry is the language's off word, as at the end of the hour list.
constexpr std::array<std::array<const char*, 3>, languageCount> sendTexts{{
    {"关闭", "VGA", "SMS"},
    {"Off", "VGA", "SMS"},
    {"Aus", "VGA", "SMS"},
    {"pois", "VGA", "SMS"},
    {"OFF", "VGA", "SMS"},
    {"Arret", "VGA", "SMS"},
    {"Off", "VGA", "SMS"},
    {"Izklop", "VGA", "SMS"},
    {"Vypnuto", "VGA", "SMS"},
    {"オフ", "VGA", "SMS"},
    {"NE", "VGA", "SMS"},
}};
// clang-format on

constexpr std::size_t column(int language) {
    return static_cast<std::size_t>(textLanguage(language) - 1);
}

} // namespace

std::span<const VariantCaptionRow> smtpCaptionRows() {
    return smtpRows;
}

QList<ControlCaption> smtpCaptions(SmtpForm form, int language) {
    return variantCaptions(smtpRows, static_cast<int>(form), language);
}

QStringList smtpModeOptions(int language) {
    return utf8List(modeTexts[column(language)]);
}

QStringList smtpSendOptions(int language) {
    return utf8List(sendTexts[column(language)]);
}

} // namespace kestrova::i18n
