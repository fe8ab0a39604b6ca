#include "mms/mms_file.h"
#include "sending/sending_messages.h"
#include "sending/sending_profile.h"
#include "smtp/smtp_file.h"
#include "support/test_registry.h"

#include <QTest>

#include <algorithm>

using namespace kestrova;
using namespace Qt::StringLiterals;

namespace {

// A sending file whose table has one number more, added as CONTRIBUTING adds one: its id after
// the last, no member (the settings keep it by its id), a header byte no row uses, a box on
// both forms, the last step of the take order.
template <typename File, const auto& base> struct WithSendDelay : File {
    using Row = typename File::Row;
    using Field = typename File::Field;

    static constexpr auto table = [] {
        std::array<Row, std::size(base) + 1> rows{};
        std::copy(base.begin(), base.end(), rows.begin());
        rows.back() =
            sending::number<Row>(Field(base.size()), "send_delay", nullptr, 0, 60,
                                 sending::both(codec::byteAt(12)), sending::both(1130), {13, 13});
        return rows;
    }();
    static_assert(codec::soundTable<table, codec::rowFault(table, Field(base.size() + 1))>());

    static std::span<const Row> rows() { return table; }
};

using Mms = WithSendDelay<mms::MmsFile, mms::fields::table>;
using Smtp = WithSendDelay<smtp::SmtpFile, smtp::fields::table>;
static_assert(sending::SendingFile<Mms> && sending::SendingFile<Smtp>);

// What became of `send_delay=<value>` on one model's form: the reader's refusal, or the value
// the written file holds and the profile made from it.
struct Outcome {
    QString refusal;
    int written = -1;
    QJsonValue profiled;
    bool readBack = false; // the profile reads back as the settings given
};

// Settings each file's checks pass.
const QStringList mmsBase{u"email=someone@example.com"_s};
const QStringList smtpBase{u"server=smtp.example.com"_s, u"port=25"_s, u"sender=cam@example.com"_s,
                           u"sender_password=pw"_s, u"recipient=me@example.org"_s};

template <typename File> Outcome assign(int model, const QStringList& base, const QString& value) {
    const auto form = File::form(model);
    sending::SendingProfileReader<File> reader(form, model, i18n::English);
    Outcome outcome;
    for (const QString& assignment : base + QStringList{u"send_delay="_s + value}) {
        if (const auto error = reader.takeAssignment(assignment)) {
            outcome.refusal = error->message;
            return outcome;
        }
    }
    const auto given = reader.settings();
    if (given.error) {
        outcome.refusal = given.error->message;
        return outcome;
    }
    const auto prepared = sending::prepare<File>(given.settings, form, model, 2, 0);
    if (!prepared.written()) {
        outcome.refusal = sending::commandRefusal<File>(prepared, i18n::English).value_or(u""_s);
        return outcome;
    }
    const auto decoded = sending::decodeContainer(File::rows(), File::column(form),
                                                  File::layout(form), prepared.bytes);
    if (!decoded.check.intact())
        return outcome;
    const auto& row = File::rows().back();
    outcome.written = row.numberIn(decoded.settings);
    const QJsonObject profile = sending::profileObject<File>(decoded.settings, form, model);
    outcome.profiled = profile.value(u"send_delay"_s);
    const auto again =
        sending::SendingProfileReader<File>(form, model, i18n::English).read(profile);
    outcome.readBack = !again.error && again.settings == given.settings;
    return outcome;
}

} // namespace

// The recipe's number reaches the file, the profile and back on both sending files, and a
// value it cannot take is refused by name rather than written as 0.
class AddedNumberTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sendDelay_data() {
        QTest::addColumn<bool>("mms");
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("written"); // -1: refused
        QTest::addColumn<QString>("refusal");
        for (const bool mms : {true, false}) {
            // Each form of the file: MMS forms A and B, SMTP forms A (model 5) and B (model 4).
            for (const int model : mms ? QList<int>{1, 5} : QList<int>{4, 5}) {
                const QByteArray file =
                    (mms ? "mms" : "smtp") + QByteArray(" model ") + QByteArray::number(model);
                QTest::newRow(file + " 12") << mms << model << "12" << 12 << "";
                QTest::newRow(file + " 60") << mms << model << "60" << 60 << "";
                QTest::newRow(file + " 99") << mms << model << "99" << -1 << "send_delay: ";
                QTest::newRow(file + " abc") << mms << model << "abc" << -1 << "send_delay: ";
            }
        }
    }
    void sendDelay() {
        QFETCH(bool, mms);
        QFETCH(int, model);
        QFETCH(QString, value);
        QFETCH(int, written);
        QFETCH(QString, refusal);
        const Outcome outcome =
            mms ? assign<Mms>(model, mmsBase, value) : assign<Smtp>(model, smtpBase, value);
        QCOMPARE(outcome.refusal.left(refusal.size()), refusal);
        QCOMPARE(outcome.written, written);
        if (written < 0)
            return;
        QCOMPARE(outcome.profiled, QJsonValue(written));
        QVERIFY(outcome.readBack);
    }
};

KESTROVA_TEST(AddedNumberTest)
#include "added_number_test.moc"
