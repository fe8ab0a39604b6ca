#include "plan/change_lines.h"
#include "support/test_registry.h"

#include <QTest>

using namespace kestrova::plan;

namespace {

std::vector<SettingLine> lines(int count, int changedFrom = -1) {
    std::vector<SettingLine> out;
    for (int i = 0; i < count; ++i)
        out.push_back({QStringLiteral("Setting %1").arg(i), changedFrom >= 0 && i >= changedFrom
                                                                ? QStringLiteral("new")
                                                                : QStringLiteral("old")});
    return out;
}

} // namespace

Q_DECLARE_METATYPE(kestrova::plan::ReplacedFile)

// What the success message adds about the file a write replaced.
class ChangeLinesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lines_data() {
        QTest::addColumn<ReplacedFile>("replaced");
        QTest::addColumn<int>("changedFrom");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("no file before") << ReplacedFile::None << -1 << QStringList{"New file."};
        QTest::newRow("the same settings")
            << ReplacedFile::Readable << -1 << QStringList{"No setting changed."};
        QTest::newRow("one difference")
            << ReplacedFile::Readable << 11
            << QStringList{"Changed on the card:", "Setting 11: old -> new"};
        QStringList many{"Changed on the card:"};
        for (int i = 2; i < 10; ++i)
            many << QStringLiteral("Setting %1: old -> new").arg(i);
        many << QStringLiteral("and 2 more");
        QTest::newRow("ten differences") << ReplacedFile::Readable << 2 << many;
        QTest::newRow("a damaged file")
            << ReplacedFile::Damaged << 0 << QStringList{"It replaced a damaged file."};
    }
    void lines() {
        QFETCH(ReplacedFile, replaced);
        QFETCH(int, changedFrom);
        QFETCH(QStringList, expected);
        QCOMPARE(changeLines(replaced, ::lines(12), ::lines(12, changedFrom), 2), expected);
    }

    // A masked field says that it changed, never what it holds; the clock, which every write
    // sets, is no change.
    void hiddenAndStampedValues() {
        std::vector<SettingLine> before{{QStringLiteral("Password"), QStringLiteral("secret")},
                                        {QStringLiteral("Set Clock"), QStringLiteral("07:08")}};
        std::vector<SettingLine> after{
            {QStringLiteral("Password"), QStringLiteral("other"), true},
            {QStringLiteral("Set Clock"), QStringLiteral("09:10"), false, true}};
        QCOMPARE(changeLines(ReplacedFile::Readable, before, after, 2),
                 (QStringList{QStringLiteral("Changed on the card:"),
                              QStringLiteral("Password: changed")}));
    }
};

KESTROVA_TEST(ChangeLinesTest)
#include "change_lines_test.moc"
