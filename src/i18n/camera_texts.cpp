#include "i18n/camera_texts.h"

#include "i18n/language.h"

#include <array>
#include <span>

namespace kestrova::i18n {

namespace {

// Which of the three camera forms carry a control.
enum FormMask : unsigned {
    onA = 1U,
    onB = 2U,
    onC = 4U,
    onBC = onB | onC,
    onAll = onA | onB | onC
};

constexpr unsigned maskOf(CameraForm form) {
    switch (form) {
    case CameraForm::A:
        return onA;
    case CameraForm::B:
        return onB;
    case CameraForm::C:
        break;
    }
    return onC;
}

// Columns are the languages in number order: 1 Chinese, 2 English, 3 Deutsch, 4 Suomi,
// 5 Italiano, 6 Francais, 7 Magyar, 8 Slovenian, 9 Cesky, 10 Japanese, 11 Lithuanian.
using Column = std::size_t;
constexpr Column column(int language) {
    return static_cast<Column>(language - 1);
}

struct LabelRow {
    std::string_view key;
    int controlAC; // control id on forms A and C
    int controlB;  // control id on form B
    unsigned forms;
    std::array<std::string_view, languageCount> texts;
};

constexpr std::size_t maxEntries = 4;
using Entries = std::array<std::string_view, maxEntries>;

// The control that shows a list comes from the menu field table, not from here.
struct OptionRow {
    std::string_view key;
    unsigned forms;
    int defaultPosition;
    int count;
    std::array<Entries, languageCount> entries;
};

// clang-format off
constexpr std::array labelRows{
    LabelRow{"label.mode", 1004, 1004, onAll, {"模式", "Mode", "Modus", "kuvaustila", "Modo", "Mode", "Mod", "Nacin", "Rezim", "モード", "Rezimas"}},
    LabelRow{"label.image_size", 1005, 1005, onAll, {"图象尺寸", "Image Size", "Foto-Groesse", "kuvan koko", "Dim. foto", "Taille photo", "Fenykepmer.", "Velikost slike", "Rozlis.foto", "静止画解像度", "Nuotraukos dyd."}},
    LabelRow{"label.video_size", 1006, 1006, onAll, {"录像尺寸", "Video Size", "Video-Groesse", "videon koko", "Dim. video", "Taille video", "Video meret", "Velikost videa", "Rozlis.video", "動画解像度", "Video dydis"}},
    LabelRow{"label.picture_no", 1007, 1007, onAll, {"拍摄张数", "Picture No.", "Fot Nummer", "kuvien lkm", "Foto no.", "Numero photo", "Fenykepsz.", "St. slik", "Poc. Zaznamu", "連続撮影", "Nuotr.numeris"}},
    LabelRow{"label.time_stamp", 1011, 1011, onAll, {"时间戳", "Time Stamp", "Zeit Stempel", "aikaleima", "Data/ora", "Tampon temps", "Idobelyeg.", "Prikaz datuma", "Otisk dat/cas", "タイムスタンプ", "Datos zyme"}},
    LabelRow{"label.sense_level", 1010, 1010, onAll, {"灵敏度", "Sense Level", "Sensor Sensib.", "herkkyystaso", "Sensore sens.", "Sensib capteur", "Erzekelo erz.", "Obcutljivost", "Citlivost PIR", "センサー感度", "Jautrumas"}},
    LabelRow{"label.side_pir", 1012, 1012, onBC, {"侧面PIR", "Side PIR", "Seiten-BM", "sivutunnistin", "PIR lat.", "Det. IR passif", "Oldal. PIVD", "Stranska PIR", "Postr.Pir", "サイドセンサー", "Soninis PIR"}},
    LabelRow{"label.video_length", 1008, 1008, onAll, {"录像长度", "Video Length", "Video-laenge", "videon pituus", "Lungh. video", "Long. de video", "Video hossz", "Dolzina videa", "Delka video", "動画撮影時間", "Iraso trukme"}},
    LabelRow{"label.interval", 1009, 1009, onAll, {"间隔时间", "Interval", "Intervall", "ottoviive", "Intervallo", "Intervalle", "Interval", "Interval", "Prodleva", "インターバル", "Intervalas"}},
    LabelRow{"label.set_clock", 1018, 1018, onAll, {"设置时间", "Set Clock", "Uhr stellen", "aseta kello", "Imposta ora", "Regler horloge", "Uraollitos", "Nastavi uro", "Datum a cas", "日時設定", "Laiko nustat."}},
    LabelRow{"label.timer", 1019, 1019, onAll, {"定时设置", "Timer", "Zeitschaltuhr", "ajastinkytkin", "Timer", "Minuterie", "Idokapcs. ora", "Casovnik1", "Casovac", "タイマー", "Laikmatis1"}},
    LabelRow{"label.timer2", 1041, 1047, onAll, {"定时设置2", "Timer2", "Zeitschaltuhr2", "ajastinkytkin2", "Timer2", "Minuterie2", "Idokapcs. ora2", "Casovnik2", "Casovac2", "タイマー2", "Laikmatis2"}},
    LabelRow{"label.serial_no", 1021, 1021, onAll, {"序列号", "Serial No.", "Kd.Serien Nr.", "aseta srj.n:o", "No. di serie", "No de ssrie", "Sorsz.", "Serijska st.", "Por.cislo", "任意文字挿入", "Serijinis Nr"}},
    LabelRow{"label.time_lapse", 1020, 1020, onAll, {"定时拍摄", "Time Lapse", "Zeitraffer", "ajastin kuvaus", "Eff. accel.", "Accelere", "Idolass.", "Time Lapse", "Casosber", "タイムラプス", "Laikmacio tarp"}},
    LabelRow{"label.start", 1059, 1059, onAll, {"开始:", "Start:", "Start:", "Start:", "Avvio:", "Start:", "Start:", "Zacetek:", "Start:", "開始:", "Pradeti:"}},
    LabelRow{"label.stop", 1060, 1060, onAll, {"停止:", "Stop:", "Stop:", "Stop:", "Stop:", "Stop:", "Stop:", "Konec:", "Stop:", "終了:", "Stabdyti:"}},
    LabelRow{"label.date_format", 1043, 1043, onAll, {"时间格式", "Date Format", "Datumsformat", "pvm muoto", "Formato data", "Date Format", "Datum formatum", "Format datuma", "Format Data", "日時表示", "Datos formatas"}},
    LabelRow{"label.get_time", 1031, 1031, onAll, {"获取时间", "Get Time", "Uhrzeit anfragen", "Hae aika", "Prel. Ora", "Obtenir heure", "Idot szerez", "Pridobi uro", "Nastavit cas", "PC時間反映", "Nuskait.laika"}},
    LabelRow{"label.select", 1057, 1057, onAll, {"选择目录", "Select", "Auswahl", "valitse", "Seleziona", "Choix", "Kivalaszt", "Izberi", "Vybrat", "フォルダ選択", "Pasirinkti"}},
    LabelRow{"label.generate", 1, 1, onAll, {"生成配置文件", "Generate", "Generieren", "luo", "Invio", "Creer", "Enter", "Potrdi", "Generovat", "ファイル作成", " Issaugoti"}},
    LabelRow{"label.default", 1062, 1062, onAll, {"出厂设置", "Default", "Werkseinstell.", "oletusasetus.", "Imp. fabbrica.", "Reglage usine", "Gyari beall.", "Privzeto", "Reset", "初期設定", "Gamykl.nustat."}},
    LabelRow{"label.exit", 2, 2, onAll, {"退出", "Exit", "Beenden", "poistu", "Indiet", "Retour", "Vissz.", "Izhod", "Vystup", "終了", "Iseiti"}},
};

// The position, not the text, is what gets stored, so every language keeps the same order.
constexpr std::array optionRows{
    OptionRow{"options.camera_mode", onAll, 0, 3, {{
        {"Camera", "Video", "Camera+Video"},
        {"Camera", "Video", "Camera+Video"},
        {"Foto-Kamera", "Video-Kamera", "Foto+Video"},
        {"Kamera", "Video", "kam+Video"},
        {"Foto", "Video", "Foto e video"},
        {"Photo", "Video", "Photo+Video"},
        {"Camera", "Video", "Camera+Video"},
        {"Slika", "Video", "Slika+Video"},
        {"Foto", "Video", "Foto+Video"},
        {"静止画", "動画", "静止画+動画"},
        {"Foto", "Video", "Foto+Video"},
    }}},
    OptionRow{"options.picture_no", onAll, 0, 3, {{
        {"01 张", "02 张", "03 张"},
        {"01 Photo", "02 Photo", "03 Photo"},
        {"01 Foto", "02 Foto", "03 Foto"},
        {"01 kuvaa", "02 kuvaa", "03 kuvaa"},
        {"01 Foto", "02 Foto", "03 Foto"},
        {"01 Photo", "02 Photo", "03 Photo"},
        {"01 Fenykep", "02 Fenykep", "03 Fenykep"},
        {"01 slika", "02 slika", "03 slika"},
        {"01 Foto", "02 Foto", "03 Foto"},
        {"01 Photo", "02 Photo", "03 Photo"},
        {"01 Foto", "02 Foto", "03 Foto"},
    }}},
    OptionRow{"options.time_stamp", onAll, 0, 2, {{
        {"开", "关"},
        {"On", "Off"},
        {"Ein", "Aus"},
        {"paalla", "pois"},
        {"ON", "OFF"},
        {"Marche", "Arret"},
        {"Be", "Off"},
        {"Vklop", "Izklop"},
        {"Zapnuto", "Vypnuto"},
        {"オン", "オフ"},
        {"TAIP", "NE"},
    }}},
    OptionRow{"options.sense_level", onAll, 0, 4, {{
        {"正常", "高", "低", "关闭"},
        {"Normal", "High", "Low", "Off"},
        {"Normal", "Hoch", "Niedring", "Aus"},
        {"normaali", "korkea", "matala", "pois"},
        {"Normale", "Alta", "Bassa", "OFF"},
        {"Normal", "Eleve", "Bas", "Arret"},
        {"Normul", "Magas", "Alacsony", "Ki"},
        {"Normalna", "Visoka", "Nizka", "Izklop"},
        {"Normalni", "Vsoka", "Nizka", "Vypnuto"},
        {"中", "高", "低", "オフ"},
        {"Normalus", "Aukstas", "Zemas", "NE"},
    }}},
    OptionRow{"options.side_pir", onBC, 1, 2, {{
        {"关", "开"},
        {"Off", "On"},
        {"Aus", "Ein"},
        {"pois", "paalla"},
        {"OFF", "ON"},
        {"Arret", "Marche"},
        {"Ki", "Be"},
        {"Izklop", "Vklop"},
        {"Vypnuto", "Zapnuto"},
        {"オフ", "オン"},
        {"NE", "TAIP"},
    }}},
    OptionRow{"options.interval_unit", onAll, 1, 2, {{
        {"秒", "分"},
        {"Sec", "Min"},
        {"Sek", "Min"},
        {"s", "min."},
        {"sec.", "min."},
        {"Sec", "Min"},
        {"mp", "prec"},
        {"Sek.", "Min."},
        {"Sec", "Min"},
        {"秒", "分"},
        {"sek", "min"},
    }}},
    OptionRow{"options.timer", onAll, 0, 2, {{
        {"关", "开"},
        {"Off", "On"},
        {"Aus", "Ein"},
        {"pois", "paalla"},
        {"OFF", "ON"},
        {"Arret", "Marche"},
        {"Ki", "Be"},
        {"Izklop", "Vklop"},
        {"Vypnuto", "Zapnuto"},
        {"オフ", "オン"},
        {"NE", "TAIP"},
    }}},
    OptionRow{"options.timer2", onAll, 0, 2, {{
        {"关", "开"},
        {"Off", "On"},
        {"Aus", "Ein"},
        {"pois", "paalla"},
        {"OFF", "ON"},
        {"Arret", "Marche"},
        {"Ki", "Be"},
        {"Izklop", "Vklop"},
        {"Vypnuto", "Zapnuto"},
        {"オフ", "オン"},
        {"NE", "TAIP"},
    }}},
    OptionRow{"options.serial_no", onAll, 0, 2, {{
        {"关", "开"},
        {"Off", "On"},
        {"Aus", "Ein"},
        {"pois", "paalla"},
        {"OFF", "ON"},
        {"Arret", "Marche"},
        {"Ki", "Be"},
        {"Izklop", "Vklop"},
        {"Vypnuto", "Zapnuto"},
        {"オフ", "オン"},
        {"NE", "TAIP"},
    }}},
    OptionRow{"options.time_lapse", onAll, 1, 2, {{
        {"开", "关"},
        {"On", "Off"},
        {"Ein", "Aus"},
        {"paalla", "pois"},
        {"ON", "OFF"},
        {"Marche", "Arret"},
        {"Be", "Ki"},
        {"Vklop", "Izklop"},
        {"Zapnuto", "Vypnuto"},
        {"オン", "オフ"},
        {"TAIP", "NE"},
    }}},
    OptionRow{"options.date_format", onAll, 0, 3, {{
        {"年月日", "月日年", "日月年"},
        {"YYMMDD", "MMDDYY", "DDMMYY"},
        {"YYMMDD", "MMDDYY", "DDMMYY"},
        {"VVKKPP", "KKPPVV", "PPKKVV"},
        {"YYMMDD", "MMDDYY", "DDMMYY"},
        {"YYMMDD", "MMDDYY", "DDMMYY"},
        {"YYMMDD", "MMDDYY", "DDMMYY"},
        {"YYMMDD", "MMDDYY", "DDMMYY"},
        {"RRMMDD", "MMDDRR", "DDMMRR"},
        {"YYMMDD", "MMDDYY", "DDMMYY"},
        {"MMmmdd", "mmddMM", "ddmmMM"},
    }}},
    OptionRow{"options.beep_sound", onB, 1, 2, {{
        {"关", "开"},
        {"Off", "On"},
        {"Aus", "Ein"},
        {"pois", "paalla"},
        {"OFF", "ON"},
        {"Arret", "Marche"},
        {"Ki", "Be"},
        {"Izklop", "Vklop"},
        {"Vypnuto", "Zapnuto"},
        {"オフ", "オン"},
        {"Off", "On"},
    }}},
    OptionRow{"options.sd_cycle", onB, 0, 2, {{
        {"关", "开"},
        {"Off", "On"},
        {"Aus", "Ein"},
        {"pois", "paalla"},
        {"OFF", "ON"},
        {"Arret", "Marche"},
        {"Ki", "Be"},
        {"Izklop", "Vklop"},
        {"Vypnuto", "Zapnuto"},
        {"オフ", "オン"},
        {"Off", "On"},
    }}},
};
// clang-format on

// Form B's own texts where its set departs from forms A and C. A null text means form B's set
// has no caption there and the template caption stays.
struct LabelChange {
    int language;
    std::string_view key;
    const char* text;
};

struct OptionChange {
    int language;
    std::string_view key;
    Entries entries;
};

// clang-format off
constexpr std::array formBLabelChanges{
    LabelChange{Slovenian, "label.picture_no", "Stev. slike"},
    LabelChange{Slovenian, "label.time_stamp", "Casovni zig"},
    LabelChange{Slovenian, "label.sense_level", "Obcut. senzor."},
    LabelChange{Slovenian, "label.side_pir", "Strani PIRD"},
    LabelChange{Slovenian, "label.video_length", "Dolzina slike"},
    LabelChange{Slovenian, "label.set_clock", "Nastav. ure"},
    LabelChange{Slovenian, "label.timer", "Merilnik casa"},
    LabelChange{Slovenian, "label.timer2", "Merilnik casa2"},
    LabelChange{Slovenian, "label.serial_no", "Serijska stev."},
    LabelChange{Slovenian, "label.time_lapse", "Hitro predv."},
    LabelChange{Slovenian, "label.stop", "Stop:"},
    LabelChange{Slovenian, "label.select", "Select"},
    LabelChange{Slovenian, "label.generate", "Enter"},
    LabelChange{Slovenian, "label.default", "Default"},
    LabelChange{Slovenian, "label.exit", "Nazaj"},
    LabelChange{Magyar, "label.timer2", nullptr},
};

constexpr std::array formBOptionChanges{
    OptionChange{Slovenian, "options.camera_mode", {"Slika", "Video", "Camera+Video"}},
    OptionChange{Slovenian, "options.picture_no", {"01 Slika", "02 Slika", "03 Slika"}},
    OptionChange{Slovenian, "options.sense_level", {"Normalno", "Visoko", "Nizko", "Izklop"}},
    OptionChange{Slovenian, "options.interval_unit", {"Sek", "Min"}},
};
// clang-format on

// Only the Japanese set relabels the time fields' unit captions and the second timer's start and
// stop; every other language leaves the template's "Hour", "Min", "Sec", "Start:" and "Stop:".
struct JapaneseCaption {
    std::string_view key;
    std::array<int, 5> controls;
    std::size_t controlCount;
    std::string_view text;
};

// clang-format off
constexpr std::array japaneseCaptions{
    JapaneseCaption{"label.hour", {1118, 1119, 1120, 1121, 1126}, 5, "時"},
    JapaneseCaption{"label.minute", {1122, 1123, 1124, 1125, 1127}, 5, "分"},
    JapaneseCaption{"label.second", {1128}, 1, "秒"},
    JapaneseCaption{"label.start", {1061}, 1, "開始:"},
    JapaneseCaption{"label.stop", {1063}, 1, "終了:"},
};
// clang-format on

template <typename Row, std::size_t N>
constexpr const Row* findRow(const std::array<Row, N>& rows, std::string_view key) {
    for (const Row& row : rows) {
        if (row.key == key)
            return &row;
    }
    return nullptr;
}

template <typename Change, std::size_t N>
constexpr const Change* findChange(const std::array<Change, N>& changes, int language,
                                   std::string_view key) {
    for (const Change& change : changes) {
        if (change.language == language && change.key == key)
            return &change;
    }
    return nullptr;
}

// The first `count` entries are filled and the rest left empty.
constexpr bool holdsEntries(const Entries& entries, int count) {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!entries[i].empty() != (i < static_cast<std::size_t>(count)))
            return false;
    }
    return true;
}

// A list must hold the same number of entries in every language, since the stored position
// means the same choice whatever language wrote it.
constexpr bool optionTablesConsistent() {
    for (const OptionRow& row : optionRows) {
        if (row.defaultPosition < 0 || row.defaultPosition >= row.count)
            return false;
        for (const Entries& entries : row.entries) {
            if (!holdsEntries(entries, row.count))
                return false;
        }
    }
    for (const OptionChange& change : formBOptionChanges) {
        const OptionRow* row = findRow(optionRows, change.key);
        if (row == nullptr || !holdsEntries(change.entries, row->count))
            return false;
    }
    return true;
}
static_assert(optionTablesConsistent());

constexpr bool labelTablesConsistent() {
    for (const LabelRow& row : labelRows) {
        for (std::string_view text : row.texts) {
            if (text.empty())
                return false;
        }
    }
    for (const LabelChange& change : formBLabelChanges) {
        if (findRow(labelRows, change.key) == nullptr)
            return false;
    }
    return true;
}
static_assert(labelTablesConsistent());

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int controlOn(CameraForm form, int controlAC, int controlB) {
    return form == CameraForm::B ? controlB : controlAC;
}

// The caption of one row in a text set, or null when the set leaves the control alone.
std::optional<std::string_view> labelText(const LabelRow& row, CameraForm form, int setLanguage) {
    if ((row.forms & maskOf(form)) == 0)
        return std::nullopt;
    if (form == CameraForm::B) {
        if (const LabelChange* change = findChange(formBLabelChanges, setLanguage, row.key)) {
            if (change->text == nullptr)
                return std::nullopt;
            return std::string_view{change->text};
        }
    }
    return row.texts[column(setLanguage)];
}

} // namespace

int cameraTextLanguage(CameraForm form, int language) {
    const int shown = textLanguage(language);
    if (form == CameraForm::B && shown == Lithuanian)
        return English;
    return shown;
}

QList<ControlCaption> cameraCaptions(CameraForm form, int language) {
    const int setLanguage = cameraTextLanguage(form, language);
    QList<ControlCaption> captions;
    for (const LabelRow& row : labelRows) {
        if (const auto text = labelText(row, form, setLanguage))
            captions.append({controlOn(form, row.controlAC, row.controlB), toQString(*text)});
    }
    if (setLanguage == Japanese) {
        for (const JapaneseCaption& caption : japaneseCaptions) {
            for (int control : std::span{caption.controls}.first(caption.controlCount))
                captions.append({control, toQString(caption.text)});
        }
    }
    return captions;
}

std::optional<QString> cameraLabel(CameraForm form, int language, std::string_view key) {
    const int setLanguage = cameraTextLanguage(form, language);
    if (const LabelRow* row = findRow(labelRows, key)) {
        if (const auto text = labelText(*row, form, setLanguage))
            return toQString(*text);
        return std::nullopt;
    }
    if (const JapaneseCaption* caption = findRow(japaneseCaptions, key)) {
        if (setLanguage == Japanese)
            return toQString(caption->text);
    }
    return std::nullopt;
}

QStringList cameraOptions(CameraForm form, int language, std::string_view key) {
    const OptionRow* row = findRow(optionRows, key);
    if (row == nullptr || (row->forms & maskOf(form)) == 0)
        return {};
    const int setLanguage = cameraTextLanguage(form, language);
    const Entries* entries = &row->entries[column(setLanguage)];
    if (form == CameraForm::B) {
        if (const OptionChange* change = findChange(formBOptionChanges, setLanguage, key))
            entries = &change->entries;
    }
    QStringList list;
    for (std::string_view entry : std::span{*entries}.first(static_cast<std::size_t>(row->count)))
        list.append(toQString(entry));
    return list;
}

int cameraOptionDefault(std::string_view key) {
    const OptionRow* row = findRow(optionRows, key);
    return row == nullptr ? -1 : row->defaultPosition;
}

const QList<std::string_view>& cameraOptionKeys() {
    static const QList<std::string_view> keys = [] {
        QList<std::string_view> list;
        for (const OptionRow& row : optionRows)
            list.append(row.key);
        return list;
    }();
    return keys;
}

} // namespace kestrova::i18n
