#include "i18n/field_texts.h"
#include "i18n/fleet_texts.h"
#include "i18n/notices.h"
#include "i18n/summary_texts.h"
#include "support/process_runner.h"
#include "support/test_registry.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace kestrova::i18n;

namespace {

QStringList placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

struct Message {
    QByteArray context, source, key;
    QString translation;
    bool finished = false;
    QStringList forms; // a text that counts: its translation for each form of the count
    bool counts = false;
};

QList<Message> messagesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QXmlStreamReader xml(&file);
    QList<Message> messages;
    QByteArray context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText().toUtf8();
        else if (xml.name() == u"message")
            messages.append({context,
                             {},
                             {},
                             {},
                             false,
                             {},
                             xml.attributes().value(QStringLiteral("numerus")) == u"yes"});
        else if (xml.name() == u"source")
            messages.last().source = xml.readElementText().toUtf8();
        else if (xml.name() == u"comment")
            messages.last().key = xml.readElementText().toUtf8();
        else if (xml.name() == u"translation")
            messages.last().finished = xml.attributes().value(QStringLiteral("type")).isEmpty();
        else if (xml.name() == u"numerusform")
            messages.last().forms << xml.readElementText();
        if (xml.name() == u"translation" && !messages.last().counts)
            messages.last().translation =
                xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
    }
    return messages;
}

QSet<QByteArray> keysOf(const QList<Message>& messages) {
    QSet<QByteArray> keys;
    for (const Message& message : messages)
        keys << message.context + '\n' + message.source + '\n' + message.key;
    return keys;
}

template <typename Rows>
void addTexts(QSet<QByteArray>& texts, const char* context, const Rows& rows) {
    for (const auto& row : rows)
        texts << QByteArray(context) + '\n' + row.text.source + '\n' + row.text.key;
}

} // namespace

// Every text of ours has a translation in every language that says the same things, and the
// programs look it up as translated.
class NoticesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyLanguageHasEveryText_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("language");
        // English is the texts' own language; every other has its translations.
        for (const LanguageRow& language : languageTable) {
            const QString tag = QString::fromLatin1(language.tag.data(), language.tag.size());
            if (language.number != English)
                QTest::addRow("%s", qPrintable(tag)) << tag << language.number;
        }
    }
    void everyLanguageHasEveryText() {
        QFETCH(QString, name);
        QFETCH(int, language);
        QSet<QByteArray> missing;
        addTexts(missing, noticeTextContext, noticeRows());
        addTexts(missing, summaryTextContext, summaryTextRows());
        addTexts(missing, fleetTextContext, fleetTextRows());
        addTexts(missing, fieldTextContext, fieldTextRows());
        const QList<Message> messages =
            messagesOf(QStringLiteral(KESTROVA_TRANSLATIONS "/kestrova_%1.ts").arg(name));
        QVERIFY(!messages.isEmpty());
        for (const Message& message : messages) {
            missing.remove(message.context + '\n' + message.source + '\n' + message.key);
            if (message.counts) {
                checkCounted(message, language);
                continue;
            }
            const QString& text = message.translation;
            QVERIFY2(message.finished && !text.trimmed().isEmpty(), message.source.constData());
            QCOMPARE(placeholders(text), placeholders(QString::fromUtf8(message.source)));
            // What the programs show is this translation.
            QCOMPARE(ownText(message.context, {message.source, message.key}, language), text);
            // Chinese and Japanese set a colon full width, and Japanese says フォルダ, as the
            // windows' own texts do.
            if (language == Chinese || language == Japanese)
                QVERIFY2(!text.contains(u':'), qPrintable(text));
            if (language == Japanese)
                QVERIFY2(!text.contains(QStringLiteral("フォルダー")), qPrintable(text));
        }
        QVERIFY2(missing.isEmpty(), missing.isEmpty() ? "" : missing.begin()->constData());
    }

    // A text that counts has each of its forms, saying the same things, and the count in the
    // language's own digits: one picture reads the first form.
    static void checkCounted(const Message& message, int language) {
        for (const QString& form : message.forms) {
            QVERIFY2(message.finished && !form.trimmed().isEmpty(), message.source.constData());
            QCOMPARE(placeholders(form), placeholders(QString::fromUtf8(message.source)));
        }
        QString one = message.forms.first();
        QCOMPARE(ownText(message.context, {message.source, message.key}, language, 1),
                 one.replace(QStringLiteral("%n"), QStringLiteral("1")));
        const QString many = ownText(message.context, {message.source, message.key}, language, 25);
        QVERIFY2(!many.contains(QStringLiteral("%n")) && many.contains(QStringLiteral("25")),
                 qPrintable(many));
        if (language == Chinese || language == Japanese)
            QVERIFY2(!many.contains(u':'), qPrintable(many));
    }

    // What the sources mark for translation is what the translations hold: none missing, none
    // left over, as lupdate finds them.
    void translationsHoldWhatTheSourcesMark() {
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("kestrova_de.ts"));
        QVERIFY(QFile::copy(QStringLiteral(KESTROVA_TRANSLATIONS "/kestrova_de.ts"), copy));
        const auto result = kestrova::test::runProgram(
            QStringLiteral(KESTROVA_LUPDATE),
            {QStringLiteral(KESTROVA_SOURCES), QStringLiteral("-locations"), QStringLiteral("none"),
             QStringLiteral("-no-obsolete"), QStringLiteral("-ts"), copy},
            dir.filePath(QStringLiteral("prefs.ini")));
        QCOMPARE(result.exitCode, 0);
        const QSet<QByteArray> marked = keysOf(messagesOf(copy));
        const QSet<QByteArray> held =
            keysOf(messagesOf(QStringLiteral(KESTROVA_TRANSLATIONS "/kestrova_de.ts")));
        for (const QSet<QByteArray>& odd : {marked - held, held - marked})
            QVERIFY2(odd.isEmpty(), odd.isEmpty() ? "" : odd.begin()->constData());
    }

    void languageOutsideTheRangeReadsEnglish() {
        QCOMPARE(noticeText(Notice::NoFolderChosen, 0),
                 noticeText(Notice::NoFolderChosen, English));
        QCOMPARE(noticeText(Notice::NoFolderChosen, languageCount + 1),
                 noticeText(Notice::NoFolderChosen, English));
    }
};

KESTROVA_TEST(NoticesTest)
#include "notices_test.moc"
