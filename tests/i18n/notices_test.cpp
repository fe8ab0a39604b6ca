#include "i18n/fleet_texts.h"
#include "i18n/notices.h"
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

// Each row's id is its place, and its text exists in every language with the same placeholders.
template <typename Rows, typename Text> void checkTable(const Rows& rows, Text text) {
    int row = 0;
    for (const auto& entry : rows) {
        QCOMPARE(static_cast<int>(entry.id), row++);
        const QString english = QString::fromUtf8(entry.texts[English - 1]);
        for (int language = 1; language <= languageCount; ++language) {
            const QString shown = text(entry.id, language);
            QVERIFY2(!shown.trimmed().isEmpty(), entry.key.data());
            QCOMPARE(placeholders(shown), placeholders(english));
            // Chinese and Japanese set a colon full width, and Japanese says フォルダ, as
            // the windows' own texts do.
            if (language == Chinese || language == Japanese)
                QVERIFY2(!shown.contains(u':'), qPrintable(shown));
            if (language == Japanese)
                QVERIFY2(!shown.contains(QStringLiteral("フォルダー")), qPrintable(shown));
        }
    }
}

} // namespace

// Every notice and fleet text exists in every language, says the same things there, and is found by
// its id.
class NoticesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyLanguageHasEveryNotice() { checkTable(noticeRows(), noticeText); }
    void everyLanguageHasEveryFleetText() { checkTable(fleetTextRows(), fleetText); }

    void languageOutsideTheRangeReadsEnglish() {
        QCOMPARE(noticeText(Notice::NoFolderChosen, 0),
                 noticeText(Notice::NoFolderChosen, English));
        QCOMPARE(noticeText(Notice::NoFolderChosen, 12),
                 noticeText(Notice::NoFolderChosen, English));
    }
};

KESTROVA_TEST(NoticesTest)
#include "notices_test.moc"
