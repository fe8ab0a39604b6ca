#include "i18n/fleet_texts.h"
#include "i18n/notices.h"
#include "i18n/summary_texts.h"
#include "support/test_registry.h"

#include <QRegularExpression>
#include <QTest>

using namespace kestrova::i18n;

namespace {

QStringList placeholders(const QString& text) {
    QStringList found;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

// A table's texts, each by its key, one column per language.
using Texts = QList<std::pair<QByteArray, QStringList>>;

template <typename Rows, typename Lookup> Texts textsOf(const Rows& rows, Lookup text) {
    Texts texts;
    int row = 0;
    for (const auto& entry : rows) {
        // Found by its id: the rows stand in the order of their ids.
        if (static_cast<int>(entry.id) != row++)
            return {};
        QStringList columns;
        for (int language = 1; language <= languageCount; ++language)
            columns << text(entry.id, language);
        texts.append({QByteArray(entry.key.data(), qsizetype(entry.key.size())), columns});
    }
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Texts)

// Every text the program adds exists in every language and says the same things there.
class NoticesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyLanguageHasEveryText_data() {
        QTest::addColumn<Texts>("texts");
        QTest::newRow("notices") << textsOf(noticeRows(), noticeText);
        QTest::newRow("what the camera will do") << textsOf(summaryTextRows(), summaryText);
        QTest::newRow("many cards") << textsOf(fleetTextRows(), fleetText);
    }
    void everyLanguageHasEveryText() {
        QFETCH(Texts, texts);
        QVERIFY(!texts.isEmpty());
        for (const auto& [key, columns] : texts) {
            const QString english = columns[English - 1];
            for (int language = 1; language <= languageCount; ++language) {
                const QString text = columns[language - 1];
                QVERIFY2(!text.trimmed().isEmpty(), key.constData());
                QCOMPARE(placeholders(text), placeholders(english));
                // Chinese and Japanese set a colon full width, and Japanese says フォルダ, as
                // the windows' own texts do.
                if (language == Chinese || language == Japanese)
                    QVERIFY2(!text.contains(u':'), qPrintable(text));
                if (language == Japanese)
                    QVERIFY2(!text.contains(QStringLiteral("フォルダー")), qPrintable(text));
            }
        }
    }

    void languageOutsideTheRangeReadsEnglish() {
        QCOMPARE(noticeText(Notice::NoFolderChosen, 0),
                 noticeText(Notice::NoFolderChosen, English));
        QCOMPARE(noticeText(Notice::NoFolderChosen, 12),
                 noticeText(Notice::NoFolderChosen, English));
    }
};

KESTROVA_TEST(NoticesTest)
#include "notices_test.moc"
