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

} // namespace

// Every notice exists in every language, says the same things there, and is found by its id.
class NoticesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void everyLanguageHasEveryNotice() {
        int row = 0;
        for (const NoticeRow& notice : noticeRows()) {
            QCOMPARE(static_cast<int>(notice.id), row++);
            const QString english = QString::fromUtf8(notice.texts[English - 1]);
            for (int language = 1; language <= languageCount; ++language) {
                const QString text = noticeText(notice.id, language);
                QVERIFY2(!text.trimmed().isEmpty(), notice.key.data());
                QCOMPARE(placeholders(text), placeholders(english));
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
