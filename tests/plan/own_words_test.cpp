#include "camera/menu_fields.h"
#include "i18n/language.h"
#include "i18n/mms_texts.h"
#include "mms/mms_fields.h"
#include "model/camera_model.h"
#include "plan/form_captions.h"
#include "plan/menu_summary.h"
#include "plan/mms_summary.h"
#include "plan/own_wording.h"
#include "plan/setting_lines.h"
#include "plan/smtp_summary.h"
#include "smtp/smtp_fields.h"
#include "support/test_registry.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

using namespace kestrova;
using namespace kestrova::plan;

namespace {

const QRegularExpression
    blankBesideCjk(QStringLiteral("[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}] | "
                                  "[\\x{3000}-\\x{30ff}\\x{3400}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));

bool ideographic(int language) {
    return language == i18n::Chinese || language == i18n::Japanese;
}

// The English names of the settings our own words name where a form keeps them in English.
template <typename Rows, typename Captions>
QSet<QString> ownWordedNames(const Rows& rows, const Captions& english, std::size_t column) {
    QSet<QString> names;
    for (const auto& row : rows) {
        if (ownCaption(row.id) && row.control[column] != 0)
            names << english.name(row.control[column]);
    }
    return names;
}

// Every setting of the model's file of that kind, as the sheet lists it.
std::vector<SettingLine> linesOf(const QString& kind, int model, int language,
                                 QSet<QString>& ownWorded) {
    const CameraModel& camera = cameraModel(model);
    if (kind == u"menu") {
        camera::CameraSettings s = camera::CameraSettings::atOpen(camera.cameraForm);
        s.timer2 = 1;
        ownWorded = {};
        for (const camera::MenuFieldRow& row : camera::menuFields()) {
            if (ownCaption(row.id) && row.onForm(camera.cameraForm))
                ownWorded << FormCaptions::camera(camera.cameraForm, i18n::English)
                                 .name(row.controlOn(camera.cameraForm));
        }
        return menuLines({camera.cameraForm, model, s, {2026, 5, 6, 7, 8, 9}}, language);
    }
    if (kind == u"mms") {
        ownWorded = ownWordedNames(mms::mmsFields(), FormCaptions::mms(camera.mmsForm, 2),
                                   std::size_t(camera.mmsForm));
        return mmsLines({camera.mmsForm, model, mms::MmsSettings{}}, language);
    }
    ownWorded = ownWordedNames(smtp::smtpFields(), FormCaptions::smtp(camera.smtpForm, 2),
                               smtp::formColumn(camera.smtpForm));
    return smtpLines({camera.smtpForm, model, smtp::SmtpSettings{}}, language);
}

} // namespace

// Our own words where the forms keep theirs in English, or spelled without the language's
// letters: on the sheet and in every sentence, in every language.
class OwnWordsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sheetCaptions_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("language");
        // Models 1, 6 and 7 show camera forms C, A and B; 7 and 1 MMS forms A and B; 3 and 7
        // SMTP forms A and B.
        const std::pair<const char*, std::vector<int>> files[] = {
            {"menu", {1, 6, 7}}, {"mms", {7, 1}}, {"smtp", {3, 7}}};
        for (const auto& [kind, models] : files) {
            for (const int model : models) {
                for (int language = 1; language <= i18n::languageCount; ++language)
                    QTest::addRow("%s of model %d, language %d", kind, model, language)
                        << QString::fromLatin1(kind) << model << language;
            }
        }
    }
    void sheetCaptions() {
        QFETCH(QString, kind);
        QFETCH(int, model);
        QFETCH(int, language);
        QSet<QString> ownWorded;
        const std::vector<SettingLine> lines = linesOf(kind, model, language, ownWorded);
        QSet<QString> seen;
        for (const SettingLine& line : lines) {
            // No two settings under one name (the second timer named as the first).
            QVERIFY2(!seen.contains(line.caption), qPrintable(line.caption));
            seen << line.caption;
            if (language == i18n::English)
                continue;
            QVERIFY2(!ownWorded.contains(line.caption), qPrintable(line.caption));
            QVERIFY2(line.value.trimmed() != u"Domestic", qPrintable(line.caption));
        }
    }

    void sentences_data() {
        QTest::addColumn<int>("language");
        for (int language = 1; language <= i18n::languageCount; ++language)
            QTest::addRow("language %d", language) << language;
    }
    void sentences() {
        QFETCH(int, language);
        PlanInputs inputs;
        inputs.language = language;
        inputs.files.mmsSendsPictures = true;
        inputs.files.emailSendsPictures = true;
        camera::CameraSettings s = camera::CameraSettings::atOpen(CameraForm::B);
        s.camera_mode = 1; // video alone, beside two files that send pictures
        s.sense_level = 1; // high
        s.time_lapse = 0;
        s.time_lapse_second = 1;
        s.timer = 1;
        s.timer_start_hour = 18;
        s.timer_stop_hour = 6;
        s.timer2 = 1;
        s.timer2_start_hour = 5;
        s.timer2_stop_hour = 19;
        const Summary menu = summarizeMenu({CameraForm::B, 7, s, {2026, 5, 6, 7, 8, 9}}, inputs);
        s.time_lapse = 1; // no photo at all
        const Summary videoOnly =
            summarizeMenu({CameraForm::B, 7, s, {2026, 5, 6, 7, 8, 9}}, inputs);
        mms::MmsSettings m;
        m.phone1 = QStringLiteral("13800138000");
        m.email = QStringLiteral("me@example.com");
        m.remoteHours = 6;
        const Summary mms = summarizeMms({MmsForm::A, 7, m}, inputs);

        QStringList texts = menu.sentences + mms.sentences;
        for (const Summary* summary : {&menu, &videoOnly, &mms}) {
            for (const Conflict& conflict : summary->conflicts)
                texts << conflict.text;
        }
        const QString all = texts.join(u'\n');
        const QLocale locale = i18n::localeOf(language);
        // The sensitivity in our words, not the form's entry.
        QVERIFY2(all.contains(sensitivityText(1, language)), qPrintable(all));
        // A time lapse every second all day: 86,400 photos, grouped as the language groups.
        QVERIFY2(all.contains(locale.toString(86400)), qPrintable(all));
        // Two overlaps and two recipients, listed as the language lists.
        const QString separator = ideographic(language) ? QStringLiteral("\u3001") : ", ";
        QVERIFY2(all.contains(QStringLiteral("05:00\u201306:00") + separator + "18:00\u201319:00"),
                 qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("13800138000") + separator + "me@example.com"),
                 qPrintable(all));
        // The two sending files, each named once, in a sentence of their own.
        QVERIFY2(!all.contains(QStringLiteral("setup.dat, smtp.dat")), qPrintable(all));
        QVERIFY2(all.contains(QStringLiteral("smtp.dat")), qPrintable(all));
        // The remote control's hour said in words, not as the form's unit label.
        QVERIFY2(!all.contains(QStringLiteral(" H)")), qPrintable(all));
        // Every %-argument filled in; no blank beside a Chinese or Japanese character.
        QVERIFY2(!all.contains(QRegularExpression(QStringLiteral("%\\d"))), qPrintable(all));
        if (ideographic(language))
            QVERIFY2(!all.contains(blankBesideCjk), qPrintable(all));
    }
};

KESTROVA_TEST(OwnWordsTest)
#include "own_words_test.moc"
