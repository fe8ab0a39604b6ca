#include "support/process_runner.h"
#include "support/test_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using kestrova::test::runProgram;

namespace {

const QString tables = QStringLiteral(KESTROVA_SOURCES "/i18n/tables");

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool writeText(const QString& path, const QString& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(text.toUtf8()) == text.toUtf8().size();
}

// A language added as CONTRIBUTING says: its row, and in every table with a column per language
// (but `forgotten`) its column, here a copy of Lithuanian's (the last column).
bool addTwelfthLanguage(const QDir& dir, const QString& forgotten) {
    const QString languages = dir.filePath(QStringLiteral("languages.csv"));
    if (!writeText(languages,
                   readText(languages) + QStringLiteral("12,Polski,\"Polski\",pl_PL,pl,2\n")))
        return false;
    for (const QString& name : dir.entryList({QStringLiteral("*.csv")})) {
        QStringList lines = readText(dir.filePath(name)).split(u'\n', Qt::SkipEmptyParts);
        if (!lines.first().endsWith(QLatin1String(",ja,lt")) || name == forgotten)
            continue;
        lines.first() += QStringLiteral(",pl");
        for (qsizetype at = 1; at < lines.size(); ++at)
            lines[at] += lines[at].mid(lines[at].lastIndexOf(QLatin1String(",\"")));
        if (!writeText(dir.filePath(name), lines.join(u'\n') + u'\n'))
            return false;
    }
    return true;
}

} // namespace

// The text tables are data a translator fills; what the generator makes of them, and how it
// refuses a table with a text missing or out of shape, naming the table, the row and the
// language.
class TextTablesTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void generate_data() {
        QTest::addColumn<QString>("twelfth"); // "": none; else the table left without it
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("refusal"); // empty: the tables are made
        QTest::addColumn<QString>("made");    // what languages.h then holds
        auto add = [](const char* name, const char* twelfth, const char* table, const char* from,
                      const char* to, const char* refusal, const char* made = "") {
            QTest::newRow(name) << QString::fromLatin1(twelfth) << QString::fromLatin1(table)
                                << QString::fromUtf8(from) << QString::fromUtf8(to)
                                << QString::fromUtf8(refusal) << QString::fromUtf8(made);
        };
        add("as committed", "", "", "", "", "", "languageCount = 11;");
        add("a twelfth language", "none", "", "", "", "",
            "{12, \"Polski\", \"pl_PL\", \"pl\", 2},");
        add("a table without its column", "mms_options.csv", "", "", "",
            "mms_options.csv: no column for pl (Polski): row mms.options.mode");
        add("a text missing", "none", "camera_labels.csv", "\"Laikmatis1\",\"Laikmatis1\"",
            "\"Laikmatis1\",", "row label.timer: no text for pl (Polski)");
        add("a text empty", "", "smtp_captions.csv", "\"Smtp nacin\"", "\"\"",
            "row smtp.smtp_mode: no text for sl (Slovenian)");
        add("a message without its Chinese", "", "messages.csv", ",\"请输入GPRS APN\"", "",
            "row msg.enter_apn: no text for zh_CN (Chinese)");
        add("a blank not quoted", "", "main_captions.csv", "\" Kameros nustat.\"",
            " Kameros nustat.", "main_captions.csv:2: row main.camera_setup: the text for lt");
        add("a list one entry longer", "", "camera_options.csv", "\"Sek|Min\",\"s|min.\"",
            "\"Sek|Min|Std\",\"s|min.\"",
            "row options.interval_unit: de (Deutsch) has 3 entries but zh_CN (Chinese) has 2");
        add("an empty entry", "", "mms_options.csv", "\"Auto|Manuell\"", "\"Auto|\"",
            "row mms.options.mode: the list for de (Deutsch) has an empty entry");
        add("a departure from no row", "", "camera_form_b.csv", "label.exit", "label.exits",
            "row label.exits: no row label.exits in camera_labels.csv, camera_options.csv");
        add("a departure of another length", "", "mms_form_a.csv", "International\"",
            "International|Roaming\"", "row mms.options.roaming: 3 entries, but the list has 2");
        add("a departure in no language", "", "camera_form_b.csv", "sl,label.exit", "sv,label.exit",
            "row label.exit: language 'sv' is no language's tag");
        add("a key twice", "", "smtp_options.csv", "smtp.options.send", "smtp.options.mode",
            "smtp_options.csv:3: row smtp.options.mode: the row is in the table twice");
        add("a column of no language", "", "smtp_captions.csv", "ja,lt", "ja,lv",
            "smtp_captions.csv: column lv is not one this table has");
        add("a language out of its place", "none", "languages.csv", "12,Polski", "13,Polski",
            "languages.csv:13: number 13, but this is row 12");
        add("a tag twice", "none", "languages.csv", "pl_PL,pl", "pl_PL,lt",
            "languages.csv:13: tag lt twice");
        add("a quote not closed", "", "mms_captions.csv", "\"MMS rezimas\"", "\"MMS rezimas",
            "mms_captions.csv:2: a quote is not closed");
    }
    void generate() {
        QFETCH(QString, twelfth);
        QFETCH(QString, table);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, refusal);
        QFETCH(QString, made);
        QTemporaryDir work;
        const QDir dir(work.filePath(QStringLiteral("tables")));
        QVERIFY(QDir().mkpath(dir.path()));
        for (const QString& name : QDir(tables).entryList({QStringLiteral("*.csv")}))
            QVERIFY(QFile::copy(QDir(tables).filePath(name), dir.filePath(name)));
        if (!twelfth.isEmpty())
            QVERIFY(addTwelfthLanguage(dir, twelfth));
        if (!table.isEmpty()) {
            const QString text = readText(dir.filePath(table));
            QVERIFY2(text.count(from) == 1, qPrintable(from));
            QVERIFY(writeText(dir.filePath(table), QString(text).replace(from, to)));
        }

        const QString out = work.filePath(QStringLiteral("out"));
        const auto result = runProgram(
            QStringLiteral(KESTROVA_PYTHON),
            {QStringLiteral(KESTROVA_SOURCES "/i18n/make_text_tables.py"), dir.path(), out},
            work.filePath(QStringLiteral("prefs.ini")));
        const QString header = out + QStringLiteral("/i18n/tables/languages.h");
        if (!refusal.isEmpty()) {
            QCOMPARE(result.exitCode, 1);
            QVERIFY2(result.err.contains(refusal), qPrintable(result.err));
            QVERIFY(!QFile::exists(header));
            return;
        }
        QVERIFY2(result.exitCode == 0, qPrintable(result.err));
        QVERIFY2(readText(header).contains(made), qPrintable(readText(header)));
        // A header for every table; made again from the same tables, none is rewritten, so
        // nothing compiles again.
        const QDir headers(out + QStringLiteral("/i18n/tables"));
        const QFileInfoList before = headers.entryInfoList({QStringLiteral("*.h")});
        QCOMPARE(before.size(), dir.entryList({QStringLiteral("*.csv")}).size());
        const auto again = runProgram(
            QStringLiteral(KESTROVA_PYTHON),
            {QStringLiteral(KESTROVA_SOURCES "/i18n/make_text_tables.py"), dir.path(), out},
            work.filePath(QStringLiteral("prefs.ini")));
        QVERIFY2(again.exitCode == 0, qPrintable(again.err));
        for (const QFileInfo& file : before)
            QCOMPARE(QFileInfo(file.filePath()).lastModified(), file.lastModified());
    }
};

KESTROVA_TEST(TextTablesTest)
#include "text_tables_test.moc"
