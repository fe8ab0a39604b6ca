#include "camera/menu_fields.h"
#include "i18n/camera_texts.h"
#include "i18n/language.h"
#include "res/camera_templates.h"
#include "support/test_registry.h"

#include <QSet>
#include <QTest>

#include <string>

using namespace kestrova;
using namespace kestrova::i18n;

Q_DECLARE_METATYPE(kestrova::CameraForm)

namespace {

constexpr CameraForm allForms[] = {CameraForm::A, CameraForm::B, CameraForm::C};

const char* formName(CameraForm form) {
    switch (form) {
    case CameraForm::A:
        return "A";
    case CameraForm::B:
        return "B";
    case CameraForm::C:
        break;
    }
    return "C";
}

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

QStringList u8List(std::initializer_list<const char*> texts) {
    QStringList list;
    for (const char* text : texts)
        list.append(QString::fromUtf8(text));
    return list;
}

std::string labelKey(const QString& key) {
    return key.toStdString();
}

// The control that shows a translated option list on a form, as the menu field table gives it
// (the date format, which the record does not carry, has its own); -1 when the form has no
// such translated list.
int optionControl(CameraForm form, std::string_view key) {
    if (cameraOptions(form, English, key).isEmpty())
        return -1;
    if (key == "options.date_format")
        return res::camera_form::dateFormat;
    for (const camera::MenuFieldRow& row : camera::menuFields()) {
        if (row.optionKey == key && row.onForm(form))
            return row.controlOn(form);
    }
    return -1;
}

// The captions as control id -> text, checking that no control is captioned twice.
QMap<int, QString> captionMap(const QList<ControlCaption>& captions) {
    QMap<int, QString> map;
    for (const ControlCaption& caption : captions) {
        if (map.contains(caption.controlId))
            qWarning("control %d captioned twice", caption.controlId);
        map.insert(caption.controlId, caption.text);
    }
    return map;
}

const int japaneseOnlyControls[] = {1118, 1119, 1120, 1121, 1122, 1123, 1124,
                                    1125, 1126, 1127, 1128, 1061, 1063};

} // namespace

class CameraTextsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void optionKeysInOrder() {
        QList<std::string_view> expected{
            "options.camera_mode", "options.picture_no",  "options.time_stamp",
            "options.sense_level", "options.side_pir",    "options.interval_unit",
            "options.timer",       "options.timer2",      "options.serial_no",
            "options.time_lapse",  "options.date_format", "options.beep_sound",
            "options.sd_cycle"};
        QCOMPARE(cameraOptionKeys(), expected);
    }

    // Entry count, control on each form (-1: the form has no such list) and opening position.
    void optionShape_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("controlA");
        QTest::addColumn<int>("controlB");
        QTest::addColumn<int>("controlC");
        QTest::addColumn<int>("defaultPosition");
        auto row = [](const char* key, int count, int a, int b, int c, int position) {
            QTest::newRow(key) << QString::fromLatin1(key) << count << a << b << c << position;
        };
        row("options.camera_mode", 3, 1013, 1013, 1013, 0);
        row("options.picture_no", 3, 1016, 1016, 1016, 0);
        row("options.time_stamp", 2, 1026, 1026, 1026, 0);
        row("options.sense_level", 4, 1027, 1027, 1027, 0);
        row("options.side_pir", 2, -1, 1028, 1028, 1);
        row("options.interval_unit", 2, 1029, 1029, 1029, 1);
        row("options.timer", 2, 1025, 1025, 1025, 0);
        row("options.timer2", 2, 1048, 1052, 1048, 0);
        row("options.serial_no", 2, 1032, 1032, 1032, 0);
        row("options.time_lapse", 2, 1033, 1033, 1033, 1);
        row("options.date_format", 3, 1044, 1044, 1044, 0);
        row("options.beep_sound", 2, -1, 1042, -1, 1);
        row("options.sd_cycle", 2, -1, 1046, -1, 0);
    }
    void optionShape() {
        QFETCH(QString, key);
        QFETCH(int, count);
        QFETCH(int, controlA);
        QFETCH(int, controlB);
        QFETCH(int, controlC);
        QFETCH(int, defaultPosition);
        const std::string k = labelKey(key);
        QCOMPARE(optionControl(CameraForm::A, k), controlA);
        QCOMPARE(optionControl(CameraForm::B, k), controlB);
        QCOMPARE(optionControl(CameraForm::C, k), controlC);
        QCOMPARE(cameraOptionDefault(k), defaultPosition);
        for (CameraForm form : allForms) {
            const int expected = optionControl(form, k) < 0 ? 0 : count;
            for (int language = 0; language <= languageCount + 1; ++language) {
                const QStringList entries = cameraOptions(form, language, k);
                if (entries.size() != expected)
                    QFAIL(qPrintable(QStringLiteral("form %1 language %2: %3 entries")
                                         .arg(QString::fromLatin1(formName(form)))
                                         .arg(language)
                                         .arg(entries.size())));
                for (const QString& entry : entries)
                    QVERIFY(!entry.isEmpty());
            }
        }
    }

    void unknownKeys() {
        QVERIFY(cameraOptions(CameraForm::A, English, "options.nothing").isEmpty());
        // The model-dependent lists are not translated texts.
        QVERIFY(cameraOptions(CameraForm::B, English, "options.image_size").isEmpty());
        QVERIFY(cameraOptions(CameraForm::C, English, "options.serial_char").isEmpty());
        QCOMPARE(optionControl(CameraForm::A, "options.video_size"), -1);
        QCOMPARE(cameraOptionDefault("options.nothing"), -1);
        QVERIFY(!cameraLabel(CameraForm::A, English, "label.nothing").has_value());
        QVERIFY(!cameraLabel(CameraForm::A, English, "options.timer").has_value());
    }

    // Against the same form in English, so a label row added moves every count alike: form A
    // lacks the side PIR, Magyar leaves form B's second timer its template caption, Japanese
    // adds the hour, minute, second and second-timer captions.
    void captionCounts_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<int>("language");
        QTest::addColumn<int>("extra");
        for (CameraForm form : allForms) {
            for (int language = -1; language <= languageCount + 1; ++language) {
                int extra = 0;
                if (form == CameraForm::B && language == Magyar)
                    --extra;
                if (language == Japanese)
                    extra += 13;
                QTest::addRow("form %s language %d", formName(form), language)
                    << form << language << extra;
            }
        }
    }
    void captionCounts() {
        QFETCH(CameraForm, form);
        QFETCH(int, language);
        QFETCH(int, extra);
        const QList<ControlCaption> captions = cameraCaptions(form, language);
        QCOMPARE(captions.size(), cameraCaptions(form, English).size() + extra);
        QCOMPARE(captionMap(captions).size(), captions.size());
        for (const ControlCaption& caption : captions)
            QVERIFY(!caption.text.isEmpty());
        const auto labels = [](CameraForm f) { return cameraCaptions(f, English).size(); };
        QCOMPARE(labels(CameraForm::A), labels(CameraForm::C) - 1);
    }

    // Form B in English, control by control; the same set stands in for Lithuanian and for a
    // language number out of range.
    void englishFormBCaptions() {
        const QMap<int, QString> expected{
            {1004, u8("Mode")},        {1005, u8("Image Size")},   {1006, u8("Video Size")},
            {1007, u8("Picture No.")}, {1011, u8("Time Stamp")},   {1010, u8("Sense Level")},
            {1012, u8("Side PIR")},    {1008, u8("Video Length")}, {1009, u8("Interval")},
            {1018, u8("Set Clock")},   {1019, u8("Timer")},        {1047, u8("Timer2")},
            {1021, u8("Serial No.")},  {1020, u8("Time Lapse")},   {1059, u8("Start:")},
            {1060, u8("Stop:")},       {1043, u8("Date Format")},  {1031, u8("Get Time")},
            {1057, u8("Select")},      {1, u8("Generate")},        {1062, u8("Default")},
            {2, u8("Exit")},
        };
        QCOMPARE(captionMap(cameraCaptions(CameraForm::B, English)), expected);
        QCOMPARE(captionMap(cameraCaptions(CameraForm::B, Lithuanian)), expected);
        QCOMPARE(captionMap(cameraCaptions(CameraForm::B, 0)), expected);
        QCOMPARE(captionMap(cameraCaptions(CameraForm::B, languageCount + 1)), expected);
    }

    // Form C in Chinese, control by control.
    void chineseFormCCaptions() {
        const QMap<int, QString> expected{
            {1004, u8("模式")},     {1005, u8("图象尺寸")},  {1006, u8("录像尺寸")},
            {1007, u8("拍摄张数")}, {1011, u8("时间戳")},    {1010, u8("灵敏度")},
            {1012, u8("侧面PIR")},  {1008, u8("录像长度")},  {1009, u8("间隔时间")},
            {1018, u8("设置时间")}, {1019, u8("定时设置")},  {1041, u8("定时设置2")},
            {1021, u8("序列号")},   {1020, u8("定时拍摄")},  {1059, u8("开始:")},
            {1060, u8("停止:")},    {1043, u8("时间格式")},  {1031, u8("获取时间")},
            {1057, u8("选择目录")}, {1, u8("生成配置文件")}, {1062, u8("出厂设置")},
            {2, u8("退出")},
        };
        QCOMPARE(captionMap(cameraCaptions(CameraForm::C, Chinese)), expected);
    }

    void labels_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("covered");
        QTest::addColumn<QString>("text");
        auto row = [](CameraForm form, int language, const char* key, const char* text) {
            QTest::addRow("%s %d %s", formName(form), language, key)
                << form << language << QString::fromLatin1(key) << (text != nullptr)
                << (text != nullptr ? QString::fromUtf8(text) : QString());
        };
        using enum CameraForm;
        // One caption per language, and the odd ones out.
        row(A, Chinese, "label.generate", "生成配置文件");
        row(A, English, "label.generate", "Generate");
        row(A, Deutsch, "label.generate", "Generieren");
        row(A, Suomi, "label.generate", "luo");
        row(A, Italiano, "label.generate", "Invio");
        row(A, Francais, "label.generate", "Creer");
        row(A, Magyar, "label.generate", "Enter");
        row(A, Slovenian, "label.generate", "Potrdi");
        row(A, Cesky, "label.generate", "Generovat");
        row(A, Japanese, "label.generate", "ファイル作成");
        row(A, Lithuanian, "label.generate", " Issaugoti");
        row(C, Lithuanian, "label.generate", " Issaugoti");
        row(B, Lithuanian, "label.generate", "Generate");
        row(C, Chinese, "label.image_size", "图象尺寸");
        row(A, Deutsch, "label.get_time", "Uhrzeit anfragen");
        row(A, Deutsch, "label.serial_no", "Kd.Serien Nr.");
        row(C, Suomi, "label.serial_no", "aseta srj.n:o");
        row(A, Suomi, "label.mode", "kuvaustila");
        row(C, Italiano, "label.exit", "Indiet");
        row(A, Italiano, "label.default", "Imp. fabbrica.");
        row(C, Francais, "label.serial_no", "No de ssrie");
        row(A, Francais, "label.video_length", "Long. de video");
        row(B, Francais, "label.date_format", "Date Format");
        row(A, Magyar, "label.set_clock", "Uraollitos");
        row(B, Magyar, "label.sense_level", "Erzekelo erz.");
        row(A, Cesky, "label.default", "Reset");
        row(B, Cesky, "label.time_lapse", "Casosber");
        row(B, Japanese, "label.serial_no", "任意文字挿入");
        row(A, Japanese, "label.get_time", "PC時間反映");
        row(C, Japanese, "label.stop", "終了:");
        row(C, Lithuanian, "label.default", "Gamykl.nustat.");
        row(A, Lithuanian, "label.time_lapse", "Laikmacio tarp");
        // The side sensor row exists on forms B and C only.
        row(A, English, "label.side_pir", nullptr);
        row(A, Japanese, "label.side_pir", nullptr);
        row(B, Deutsch, "label.side_pir", "Seiten-BM");
        row(C, Francais, "label.side_pir", "Det. IR passif");
        row(C, Cesky, "label.side_pir", "Postr.Pir");
        // Form B in Magyar leaves the second timer's caption alone.
        row(A, Magyar, "label.timer2", "Idokapcs. ora2");
        row(C, Magyar, "label.timer2", "Idokapcs. ora2");
        row(B, Magyar, "label.timer2", nullptr);
        row(B, Magyar, "label.timer", "Idokapcs. ora");
        row(B, Japanese, "label.timer2", "タイマー2");
        // Form B's own Slovenian set, against forms A and C.
        row(B, Slovenian, "label.picture_no", "Stev. slike");
        row(A, Slovenian, "label.picture_no", "St. slik");
        row(B, Slovenian, "label.time_stamp", "Casovni zig");
        row(C, Slovenian, "label.time_stamp", "Prikaz datuma");
        row(B, Slovenian, "label.sense_level", "Obcut. senzor.");
        row(A, Slovenian, "label.sense_level", "Obcutljivost");
        row(B, Slovenian, "label.side_pir", "Strani PIRD");
        row(C, Slovenian, "label.side_pir", "Stranska PIR");
        row(B, Slovenian, "label.video_length", "Dolzina slike");
        row(C, Slovenian, "label.video_length", "Dolzina videa");
        row(B, Slovenian, "label.set_clock", "Nastav. ure");
        row(A, Slovenian, "label.set_clock", "Nastavi uro");
        row(B, Slovenian, "label.timer", "Merilnik casa");
        row(A, Slovenian, "label.timer", "Casovnik1");
        row(B, Slovenian, "label.timer2", "Merilnik casa2");
        row(C, Slovenian, "label.timer2", "Casovnik2");
        row(B, Slovenian, "label.serial_no", "Serijska stev.");
        row(A, Slovenian, "label.serial_no", "Serijska st.");
        row(B, Slovenian, "label.time_lapse", "Hitro predv.");
        row(C, Slovenian, "label.time_lapse", "Time Lapse");
        row(B, Slovenian, "label.stop", "Stop:");
        row(A, Slovenian, "label.stop", "Konec:");
        row(B, Slovenian, "label.start", "Zacetek:");
        row(B, Slovenian, "label.select", "Select");
        row(C, Slovenian, "label.select", "Izberi");
        row(B, Slovenian, "label.generate", "Enter");
        row(B, Slovenian, "label.default", "Default");
        row(A, Slovenian, "label.default", "Privzeto");
        row(B, Slovenian, "label.exit", "Nazaj");
        row(C, Slovenian, "label.exit", "Izhod");
        row(B, Slovenian, "label.mode", "Nacin");
        // Lithuanian on form B, and numbers out of range, read English.
        row(B, Lithuanian, "label.mode", "Mode");
        row(B, Lithuanian, "label.timer", "Timer");
        row(A, Lithuanian, "label.timer", "Laikmatis1");
        row(A, 0, "label.exit", "Exit");
        row(C, languageCount + 1, "label.side_pir", "Side PIR");
        row(B, -3, "label.timer2", "Timer2");
        // The time field captions belong to the Japanese set alone.
        row(A, Japanese, "label.hour", "時");
        row(B, Japanese, "label.minute", "分");
        row(C, Japanese, "label.second", "秒");
        row(A, English, "label.hour", nullptr);
        row(B, Chinese, "label.minute", nullptr);
        row(C, Lithuanian, "label.second", nullptr);
    }
    void labels() {
        QFETCH(CameraForm, form);
        QFETCH(int, language);
        QFETCH(QString, key);
        QFETCH(bool, covered);
        QFETCH(QString, text);
        const std::optional<QString> label = cameraLabel(form, language, labelKey(key));
        QCOMPARE(label.has_value(), covered);
        if (covered)
            QCOMPARE(*label, text);
    }

    void options_data() {
        QTest::addColumn<CameraForm>("form");
        QTest::addColumn<int>("language");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("entries");
        auto row = [](CameraForm form, int language, const char* key,
                      std::initializer_list<const char*> entries) {
            QTest::addRow("%s %d %s", formName(form), language, key)
                << form << language << QString::fromLatin1(key) << u8List(entries);
        };
        using enum CameraForm;
        // The camera mode entries stay English in Chinese and Hungarian.
        row(A, Chinese, "options.camera_mode", {"Camera", "Video", "Camera+Video"});
        row(B, Magyar, "options.camera_mode", {"Camera", "Video", "Camera+Video"});
        row(C, English, "options.camera_mode", {"Camera", "Video", "Camera+Video"});
        row(A, Deutsch, "options.camera_mode", {"Foto-Kamera", "Video-Kamera", "Foto+Video"});
        row(C, Suomi, "options.camera_mode", {"Kamera", "Video", "kam+Video"});
        row(A, Italiano, "options.camera_mode", {"Foto", "Video", "Foto e video"});
        row(B, Francais, "options.camera_mode", {"Photo", "Video", "Photo+Video"});
        row(A, Slovenian, "options.camera_mode", {"Slika", "Video", "Slika+Video"});
        row(B, Slovenian, "options.camera_mode", {"Slika", "Video", "Camera+Video"});
        row(C, Japanese, "options.camera_mode", {"静止画", "動画", "静止画+動画"});
        row(A, Lithuanian, "options.camera_mode", {"Foto", "Video", "Foto+Video"});
        row(B, Lithuanian, "options.camera_mode", {"Camera", "Video", "Camera+Video"});
        // Date formats stay as they are but in Chinese, Finnish, Czech and Lithuanian.
        row(A, Chinese, "options.date_format", {"年月日", "月日年", "日月年"});
        row(C, Suomi, "options.date_format", {"VVKKPP", "KKPPVV", "PPKKVV"});
        row(B, Cesky, "options.date_format", {"RRMMDD", "MMDDRR", "DDMMRR"});
        row(A, Lithuanian, "options.date_format", {"MMmmdd", "mmddMM", "ddmmMM"});
        row(C, Lithuanian, "options.date_format", {"MMmmdd", "mmddMM", "ddmmMM"});
        row(B, Lithuanian, "options.date_format", {"YYMMDD", "MMDDYY", "DDMMYY"});
        row(A, Japanese, "options.date_format", {"YYMMDD", "MMDDYY", "DDMMYY"});
        row(C, Magyar, "options.date_format", {"YYMMDD", "MMDDYY", "DDMMYY"});
        row(B, Deutsch, "options.date_format", {"YYMMDD", "MMDDYY", "DDMMYY"});
        // Sense level.
        row(B, Cesky, "options.sense_level", {"Normalni", "Vsoka", "Nizka", "Vypnuto"});
        row(A, Chinese, "options.sense_level", {"正常", "高", "低", "关闭"});
        row(C, Deutsch, "options.sense_level", {"Normal", "Hoch", "Niedring", "Aus"});
        row(A, Magyar, "options.sense_level", {"Normul", "Magas", "Alacsony", "Ki"});
        row(A, Slovenian, "options.sense_level", {"Normalna", "Visoka", "Nizka", "Izklop"});
        row(B, Slovenian, "options.sense_level", {"Normalno", "Visoko", "Nizko", "Izklop"});
        row(C, Japanese, "options.sense_level", {"中", "高", "低", "オフ"});
        row(C, Lithuanian, "options.sense_level", {"Normalus", "Aukstas", "Zemas", "NE"});
        row(B, Lithuanian, "options.sense_level", {"Normal", "High", "Low", "Off"});
        // Picture count.
        row(C, Chinese, "options.picture_no", {"01 张", "02 张", "03 张"});
        row(A, Suomi, "options.picture_no", {"01 kuvaa", "02 kuvaa", "03 kuvaa"});
        row(B, Magyar, "options.picture_no", {"01 Fenykep", "02 Fenykep", "03 Fenykep"});
        row(C, Slovenian, "options.picture_no", {"01 slika", "02 slika", "03 slika"});
        row(B, Slovenian, "options.picture_no", {"01 Slika", "02 Slika", "03 Slika"});
        row(A, Japanese, "options.picture_no", {"01 Photo", "02 Photo", "03 Photo"});
        // On/off lists, in both orders.
        row(A, English, "options.time_stamp", {"On", "Off"});
        row(C, Magyar, "options.time_stamp", {"Be", "Off"});
        row(A, Magyar, "options.time_lapse", {"Be", "Ki"});
        row(B, Italiano, "options.time_stamp", {"ON", "OFF"});
        row(A, Suomi, "options.time_stamp", {"paalla", "pois"});
        row(C, Lithuanian, "options.time_stamp", {"TAIP", "NE"});
        row(B, Chinese, "options.side_pir", {"关", "开"});
        row(C, Francais, "options.side_pir", {"Arret", "Marche"});
        row(A, Cesky, "options.timer", {"Vypnuto", "Zapnuto"});
        row(B, Japanese, "options.timer2", {"オフ", "オン"});
        row(C, Lithuanian, "options.serial_no", {"NE", "TAIP"});
        row(A, Slovenian, "options.time_lapse", {"Vklop", "Izklop"});
        row(B, Deutsch, "options.time_lapse", {"Ein", "Aus"});
        row(B, Deutsch, "options.beep_sound", {"Aus", "Ein"});
        row(B, Francais, "options.sd_cycle", {"Arret", "Marche"});
        row(B, Japanese, "options.beep_sound", {"オフ", "オン"});
        row(B, Lithuanian, "options.beep_sound", {"Off", "On"});
        row(B, Lithuanian, "options.sd_cycle", {"Off", "On"});
        row(B, Lithuanian, "options.timer", {"Off", "On"});
        // Interval unit.
        row(A, Suomi, "options.interval_unit", {"s", "min."});
        row(C, Italiano, "options.interval_unit", {"sec.", "min."});
        row(A, Magyar, "options.interval_unit", {"mp", "prec"});
        row(C, Slovenian, "options.interval_unit", {"Sek.", "Min."});
        row(B, Slovenian, "options.interval_unit", {"Sek", "Min"});
        row(A, Japanese, "options.interval_unit", {"秒", "分"});
        row(C, Lithuanian, "options.interval_unit", {"sek", "min"});
        // A number out of range reads English.
        row(A, 0, "options.interval_unit", {"Sec", "Min"});
        row(B, languageCount + 1, "options.sd_cycle", {"Off", "On"});
        row(C, 42, "options.date_format", {"YYMMDD", "MMDDYY", "DDMMYY"});
        // Lists a form does not have.
        row(A, English, "options.side_pir", {});
        row(A, Deutsch, "options.beep_sound", {});
        row(C, Chinese, "options.sd_cycle", {});
    }
    void options() {
        QFETCH(CameraForm, form);
        QFETCH(int, language);
        QFETCH(QString, key);
        QFETCH(QStringList, entries);
        QCOMPARE(cameraOptions(form, language, labelKey(key)), entries);
    }

    void labelAndCaptionControls() {
        auto controlOf = [](CameraForm form, int language, const QString& text) {
            for (const ControlCaption& caption : cameraCaptions(form, language)) {
                if (caption.text == text)
                    return caption.controlId;
            }
            return -1;
        };
        QCOMPARE(controlOf(CameraForm::A, English, u8("Timer2")), 1041);
        QCOMPARE(controlOf(CameraForm::B, English, u8("Timer2")), 1047);
        QCOMPARE(controlOf(CameraForm::C, English, u8("Timer2")), 1041);
        QCOMPARE(controlOf(CameraForm::C, English, u8("Side PIR")), 1012);
        QCOMPARE(controlOf(CameraForm::B, Slovenian, u8("Strani PIRD")), 1012);
        QCOMPARE(controlOf(CameraForm::B, Slovenian, u8("Merilnik casa2")), 1047);
        QCOMPARE(controlOf(CameraForm::A, Lithuanian, u8(" Issaugoti")), 1);
        QCOMPARE(controlOf(CameraForm::A, Deutsch, u8("Beenden")), 2);
        // Form B in Magyar: nothing goes to the second timer's label.
        const QMap<int, QString> magyarB = captionMap(cameraCaptions(CameraForm::B, Magyar));
        QVERIFY(!magyarB.contains(1047));
        QVERIFY(!magyarB.contains(1041));
        QCOMPARE(magyarB.value(1019), u8("Idokapcs. ora"));
        QCOMPARE(captionMap(cameraCaptions(CameraForm::A, Magyar)).value(1041),
                 u8("Idokapcs. ora2"));
        // Form A has no side sensor row.
        for (int language = 1; language <= languageCount; ++language)
            QVERIFY(!captionMap(cameraCaptions(CameraForm::A, language)).contains(1012));
    }

    void japaneseTimeCaptions() {
        for (CameraForm form : allForms) {
            const QMap<int, QString> japanese = captionMap(cameraCaptions(form, Japanese));
            for (int control : {1118, 1119, 1120, 1121, 1126})
                QCOMPARE(japanese.value(control), u8("時"));
            for (int control : {1122, 1123, 1124, 1125, 1127})
                QCOMPARE(japanese.value(control), u8("分"));
            QCOMPARE(japanese.value(1128), u8("秒"));
            QCOMPARE(japanese.value(1059), u8("開始:"));
            QCOMPARE(japanese.value(1061), u8("開始:"));
            QCOMPARE(japanese.value(1060), u8("終了:"));
            QCOMPARE(japanese.value(1063), u8("終了:"));
            QCOMPARE(japanese.value(2), u8("終了"));
            for (int language = -1; language <= languageCount + 1; ++language) {
                if (language == Japanese)
                    continue;
                const QMap<int, QString> other = captionMap(cameraCaptions(form, language));
                for (int control : japaneseOnlyControls)
                    QVERIFY2(!other.contains(control),
                             qPrintable(QStringLiteral("form %1 language %2 control %3")
                                            .arg(QString::fromLatin1(formName(form)))
                                            .arg(language)
                                            .arg(control)));
            }
        }
    }

    // Forms A and C share their sets but for the side sensor row; form B reads English for
    // Lithuanian throughout, and A and C do not.
    void formsAgainstEachOther() {
        for (int language = 1; language <= languageCount; ++language) {
            QMap<int, QString> a = captionMap(cameraCaptions(CameraForm::A, language));
            QMap<int, QString> c = captionMap(cameraCaptions(CameraForm::C, language));
            QVERIFY(c.remove(1012) == 1);
            QCOMPARE(a, c);
            for (std::string_view key : cameraOptionKeys()) {
                if (optionControl(CameraForm::A, key) > 0)
                    QCOMPARE(cameraOptions(CameraForm::A, language, key),
                             cameraOptions(CameraForm::C, language, key));
            }
        }
        QCOMPARE(cameraCaptions(CameraForm::B, Lithuanian).size(),
                 cameraCaptions(CameraForm::B, English).size());
        for (std::string_view key : cameraOptionKeys()) {
            QCOMPARE(cameraOptions(CameraForm::B, Lithuanian, key),
                     cameraOptions(CameraForm::B, English, key));
        }
        QVERIFY(captionMap(cameraCaptions(CameraForm::A, Lithuanian)) !=
                captionMap(cameraCaptions(CameraForm::A, English)));
    }

    void textLanguagePerForm() {
        QCOMPARE(cameraTextLanguage(CameraForm::A, Lithuanian), int(Lithuanian));
        QCOMPARE(cameraTextLanguage(CameraForm::B, Lithuanian), int(English));
        QCOMPARE(cameraTextLanguage(CameraForm::C, Lithuanian), int(Lithuanian));
        QCOMPARE(cameraTextLanguage(CameraForm::B, Slovenian), int(Slovenian));
        QCOMPARE(cameraTextLanguage(CameraForm::A, 0), int(English));
        QCOMPARE(cameraTextLanguage(CameraForm::C, languageCount + 1), int(English));
    }
};

KESTROVA_TEST(CameraTextsTest)
#include "camera_texts_test.moc"
