#include "camera/menu_profile.h"
#include "i18n/language.h"
#include "plan/menu_summary.h"
#include "plan/mms_summary.h"
#include "plan/smtp_summary.h"
#include "support/test_registry.h"

#include <QTest>

#include <functional>

using namespace kestrova;
using namespace kestrova::plan;

namespace {

Summary menuWith(const QStringList& assignments, const PlanInputs& inputs = {}, int year = 2026) {
    camera::MenuProfileReader reader(CameraForm::B, 7, i18n::English);
    for (const QString& assignment : assignments)
        reader.takeAssignment(assignment);
    return summarizeMenu({CameraForm::B, 7, reader.settings().settings, {year, 5, 6, 7, 8, 9}},
                         inputs);
}

Summary mmsWith(const std::function<void(mms::MmsSettings&)>& change,
                const PlanInputs& inputs = {}) {
    mms::MmsSettings s;
    s.phone1 = QStringLiteral("13800138000");
    s.picturesPerDay = 10;
    change(s);
    return summarizeMms({MmsForm::A, 7, s}, inputs);
}

Summary smtpWith(const std::function<void(smtp::SmtpSettings&)>& change,
                 const PlanInputs& inputs = {}) {
    smtp::SmtpSettings s;
    s.recipient = QStringLiteral("me@example.com");
    s.picturesPerDay = 10;
    change(s);
    return summarizeSmtp({SmtpForm::B, 7, s}, inputs);
}

// A card at the folder: the folder is its root, as a card's is.
PlanInputs card(const std::function<void(CardFacts&)>& change) {
    PlanInputs inputs;
    inputs.card = {true, true, 16'000'000'000LL, 8'000'000'000LL, QStringLiteral("vfat"), false, 0};
    change(inputs.card);
    return inputs;
}

// The other files in the folder: a menu.dat of these settings, if any, and whether setup.dat and
// smtp.dat send pictures.
PlanInputs files(std::optional<QStringList> menu, bool mmsSends, bool emailSends = false) {
    PlanInputs inputs;
    if (menu) {
        camera::MenuProfileReader reader(CameraForm::B, 7, i18n::English);
        for (const QString& assignment : *menu)
            reader.takeAssignment(assignment);
        inputs.files.menu =
            MenuFacts{CameraForm::B, 7, reader.settings().settings, {2026, 5, 6, 7, 8, 9}};
    }
    inputs.files.mmsSendsPictures = mmsSends;
    inputs.files.emailSendsPictures = emailSends;
    return inputs;
}

const QStringList videoOnly{QStringLiteral("camera_mode=Video")};

PlanInputs clock(std::optional<bool> synchronised) {
    PlanInputs inputs;
    inputs.clockSynchronised = synchronised;
    return inputs;
}

// Each conflict: settings that raise it, and the nearest settings that do not; where one id
// has texts for several cases, what the raised one says.
struct Case {
    const char* name;
    ConflictId id;
    std::function<Summary()> raises;
    std::function<Summary()> clears;
    const char* says = "";
};

const std::vector<Case>& cases() {
    static const std::vector<Case> all{
        {"motion and time lapse off", ConflictId::NeverPictures,
         [] { return menuWith({"sense_level=Off"}); },
         [] {
             return menuWith({"sense_level=Off", "time_lapse=On", "time_lapse_hour=1"});
         }},
        {"timer start equal to stop", ConflictId::TimerEmpty,
         [] {
             return menuWith({"timer=On", "timer_start_hour=6", "timer_stop_hour=6"});
         },
         [] {
             return menuWith({"timer=On", "timer_start_hour=6", "timer_stop_hour=7"});
         }},
        {"timers overlap", ConflictId::TimersOverlap,
         [] {
             return menuWith({"timer=On", "timer_start_hour=18", "timer_stop_hour=6", "timer2=On",
                              "timer2_start_hour=5", "timer2_stop_hour=7"});
         },
         [] {
             return menuWith({"timer=On", "timer_start_hour=18", "timer_stop_hour=6", "timer2=On",
                              "timer2_start_hour=6", "timer2_stop_hour=7"});
         }},
        {"time lapse of 0", ConflictId::TimeLapseZero, [] { return menuWith({"time_lapse=On"}); },
         [] {
             return menuWith({"time_lapse=On", "time_lapse_second=1"});
         }},
        {"time lapse longer than the window", ConflictId::TimeLapseLong,
         [] {
             return menuWith({"timer=On", "timer_start_hour=6", "timer_stop_hour=7",
                              "time_lapse=On", "time_lapse_hour=2"});
         },
         [] {
             return menuWith({"timer=On", "timer_start_hour=6", "timer_stop_hour=8",
                              "time_lapse=On", "time_lapse_hour=2"});
         }},
        {"0 s with three photos", ConflictId::ZeroInterval,
         [] {
             return menuWith({"interval_unit=Sec", "interval_value=0", "picture_no=2"});
         },
         [] {
             return menuWith({"interval_unit=Sec", "interval_value=1", "picture_no=2"});
         }},
        {"0 s with a long video", ConflictId::ZeroInterval,
         [] {
             return menuWith(
                 {"interval_unit=Sec", "interval_value=0", "camera_mode=Video", "video_length=30"});
         },
         [] {
             return menuWith(
                 {"interval_unit=Sec", "interval_value=0", "camera_mode=Video", "video_length=29"});
         }},
        {"MMS to no one", ConflictId::NoRecipient,
         [] { return mmsWith([](mms::MmsSettings& s) { s.phone1.clear(); }); },
         [] {
             return mmsWith([](mms::MmsSettings& s) {
                 s.phone1.clear();
                 s.status = 0;
             });
         },
         "no recipient is given"},
        // Text messages go to phone numbers: an address alone takes none.
        {"MMS text messages to an address alone", ConflictId::NoRecipient,
         [] {
             return mmsWith([](mms::MmsSettings& s) {
                 s.status = 2;
                 s.phone1.clear();
                 s.email = QStringLiteral("me@example.com");
             });
         },
         [] {
             return mmsWith([](mms::MmsSettings& s) {
                 s.status = 2;
                 s.email = QStringLiteral("me@example.com");
             });
         },
         "no phone number for SMS"},
        {"e-mail file with text messages and no phone", ConflictId::NoRecipient,
         [] { return smtpWith([](smtp::SmtpSettings& s) { s.status = 2; }); },
         [] {
             return smtpWith([](smtp::SmtpSettings& s) {
                 s.status = 2;
                 s.phone = QStringLiteral("13800138000");
             });
         },
         "no phone number for SMS"},
        {"e-mail to no one", ConflictId::NoRecipient,
         [] { return smtpWith([](smtp::SmtpSettings& s) { s.recipient.clear(); }); },
         [] {
             return smtpWith([](smtp::SmtpSettings& s) { s.recipient = QStringLiteral("a@b.c"); });
         }},
        {"0 pictures a day", ConflictId::Unlimited,
         [] { return mmsWith([](mms::MmsSettings& s) { s.picturesPerDay = 0; }); },
         [] { return mmsWith([](mms::MmsSettings& s) { s.picturesPerDay = 1; }); }},
        // Nothing is sent at all: "every picture is sent" would say otherwise.
        {"0 pictures a day, but no recipient", ConflictId::Unlimited,
         [] { return mmsWith([](mms::MmsSettings& s) { s.picturesPerDay = 0; }); },
         [] {
             return mmsWith([](mms::MmsSettings& s) {
                 s.picturesPerDay = 0;
                 s.phone1.clear();
             });
         }},
        {"0 pictures a day beside a video-only menu", ConflictId::Unlimited,
         [] { return mmsWith([](mms::MmsSettings& s) { s.picturesPerDay = 0; }); },
         [] {
             return mmsWith([](mms::MmsSettings& s) { s.picturesPerDay = 0; },
                            files(videoOnly, false));
         }},
        {"0 e-mails a day beside a menu that never takes a picture", ConflictId::Unlimited,
         [] { return smtpWith([](smtp::SmtpSettings& s) { s.picturesPerDay = 0; }); },
         [] {
             return smtpWith([](smtp::SmtpSettings& s) { s.picturesPerDay = 0; },
                             files(QStringList{"sense_level=Off"}, false));
         }},
        {"video-only menu, MMS sends pictures", ConflictId::VideoMode,
         [] { return mmsWith([](mms::MmsSettings&) {}, files(videoOnly, false)); },
         [] {
             return mmsWith([](mms::MmsSettings&) {},
                            files(QStringList{"camera_mode=Camera+Video"}, false));
         },
         "setup.dat sends pictures"},
        // A time lapse takes its photos in every mode.
        {"video-only menu with a time lapse", ConflictId::VideoMode,
         [] { return mmsWith([](mms::MmsSettings&) {}, files(videoOnly, false)); },
         [] {
             return mmsWith(
                 [](mms::MmsSettings&) {},
                 files(videoOnly + QStringList{"time_lapse=On", "time_lapse_hour=1"}, false));
         }},
        {"video-only mode, the card's setup.dat sends", ConflictId::VideoMode,
         [] { return menuWith({"camera_mode=Video"}, files(std::nullopt, true)); },
         [] { return menuWith({"camera_mode=Video"}, files(std::nullopt, false)); }},
        // Two files send: the verb agrees with both.
        {"video-only mode, setup.dat and smtp.dat send", ConflictId::VideoMode,
         [] { return menuWith({"camera_mode=Video"}, files(std::nullopt, true, true)); },
         [] { return menuWith({"camera_mode=Camera"}, files(std::nullopt, true, true)); },
         "setup.dat and smtp.dat send pictures"},
        {"PC clock not synchronised", ConflictId::ClockNotSynced,
         [] { return menuWith({}, clock(false)); }, [] { return menuWith({}, clock({})); }},
        {"clock before 2024", ConflictId::ClockEarly, [] { return menuWith({}, {}, 2023); },
         [] { return menuWith({}, {}, 2024); }},
        {"card read-only", ConflictId::CardReadOnly,
         [] { return menuWith({}, card([](CardFacts& c) { c.readOnly = true; })); },
         [] { return menuWith({}, card([](CardFacts&) {})); }},
        // 20 photos of 12MP are 66 MB a day.
        {"card full within a day", ConflictId::CardShort,
         [] { return menuWith({}, card([](CardFacts& c) { c.bytesFree = 65'000'000; })); },
         [] { return menuWith({}, card([](CardFacts& c) { c.bytesFree = 67'000'000; })); }},
        {"card over 32 GB, exFAT", ConflictId::CardNotFat32,
         [] {
             return menuWith({}, card([](CardFacts& c) {
                                 c.bytesTotal = 63'900'000'000LL;
                                 c.fileSystem = QStringLiteral("exfat");
                             }));
         },
         [] {
             return menuWith({}, card([](CardFacts& c) {
                                 c.bytesTotal = 31'900'000'000LL;
                                 c.fileSystem = QStringLiteral("exfat");
                             }));
         }},
        {"pictures of an earlier deployment", ConflictId::CardOldFiles,
         [] { return menuWith({}, card([](CardFacts& c) { c.dcimFiles = 12; })); },
         [] {
             return menuWith({}, card([](CardFacts& c) {
                                 c.dcimFiles = 12;
                                 c.volumeRoot = false;
                             }));
         }},
    };
    return all;
}

int count(const Summary& summary, ConflictId id) {
    return static_cast<int>(std::count_if(summary.conflicts.begin(), summary.conflicts.end(),
                                          [id](const Conflict& c) { return c.id == id; }));
}

} // namespace

// Each warning is given once where its settings work against each other, and not where they
// just do not.
class ConflictsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void raisedAndNot_data() {
        QTest::addColumn<int>("index");
        for (std::size_t i = 0; i < cases().size(); ++i)
            QTest::newRow(cases()[i].name) << static_cast<int>(i);
    }
    void raisedAndNot() {
        QFETCH(int, index);
        const Case& c = cases()[static_cast<std::size_t>(index)];
        const Summary raised = c.raises();
        QCOMPARE(count(raised, c.id), 1);
        const auto found =
            std::find_if(raised.conflicts.begin(), raised.conflicts.end(),
                         [&c](const Conflict& conflict) { return conflict.id == c.id; });
        QVERIFY2(found->text.contains(QLatin1String(c.says)), qPrintable(found->text));
        for (const Conflict& conflict : raised.conflicts)
            QVERIFY2(!conflict.settings.isEmpty() && !conflict.text.isEmpty(),
                     qPrintable(conflictKey(conflict.id)));
        QCOMPARE(count(c.clears(), c.id), 0);
    }

    // A warning names its settings as the form captions them, in the form's language.
    void namesTheSettingsByTheirCaptions() {
        const Summary summary = menuWith({"sense_level=Off"});
        QCOMPARE(summary.conflicts.front().settings,
                 (QStringList{QStringLiteral("sense_level"), QStringLiteral("time_lapse")}));
        QCOMPARE(summary.conflicts.front().text,
                 QStringLiteral("Sense Level and Time Lapse are both off: the camera never takes a "
                                "picture."));
        PlanInputs german;
        german.language = i18n::Deutsch;
        QVERIFY(menuWith({"sense_level=Off"}, german)
                    .conflicts.front()
                    .text.startsWith(QStringLiteral("Sensor Sensib. und Zeitraffer")));
    }
};

KESTROVA_TEST(ConflictsTest)
#include "conflicts_test.moc"
