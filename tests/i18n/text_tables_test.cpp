#include "i18n/language.h"
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

// The cells of a CSV line as written, quotes and all.
QStringList rawCells(const QString& line) {
    QStringList cells{QString()};
    bool quoted = false;
    for (const QChar c : line) {
        if (c == u'"')
            quoted = !quoted;
        if (c == u',' && !quoted)
            cells << QString();
        else
            cells.last() += c;
    }
    return cells;
}

// The language the cases add after the table's last: Welsh, on English's camera byte.
const int added = kestrova::i18n::languageCount + 1;

// A language added as CONTRIBUTING says: its row, and in every table with a column per language
// its column, here a copy of English's. `forgotten` names a table left without the column, or
// "table:key", a row left without its text.
bool addLanguage(const QDir& dir, const QString& forgotten) {
    const QString languages = dir.filePath(QStringLiteral("languages.csv"));
    const int byte = kestrova::i18n::cameraLanguageByte(kestrova::i18n::English);
    if (!writeText(languages,
                   readText(languages) +
                       QStringLiteral("%1,Cymraeg,\"Cymraeg\",cy_GB,cy,%2\n").arg(added).arg(byte)))
        return false;
    const std::string_view last = kestrova::i18n::languageTable.back().tag;
    const QString lastColumn = u',' + QString::fromLatin1(last.data(), qsizetype(last.size()));
    for (const QString& name : dir.entryList({QStringLiteral("*.csv")})) {
        QStringList lines = readText(dir.filePath(name)).split(u'\n', Qt::SkipEmptyParts);
        if (!lines.first().endsWith(lastColumn) || name == forgotten)
            continue;
        const auto english = rawCells(lines.first()).indexOf(QStringLiteral("en"));
        lines.first() += QStringLiteral(",cy");
        for (qsizetype at = 1; at < lines.size(); ++at) {
            const QStringList cells = rawCells(lines[at]);
            const bool left = forgotten == name + u':' + cells.first();
            lines[at] += u',' + (left ? QString() : cells.value(english));
        }
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
        QTest::addColumn<bool>("adding");       // a language after the table's last
        QTest::addColumn<QString>("forgotten"); // what it was not given
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("refusal"); // empty: the tables are made
        QTest::addColumn<QString>("made");    // what languages.h then holds
        auto add = [](const char* name, bool adding, const QString& forgotten, const char* table,
                      const QString& from, const QString& to, const QString& refusal,
                      const QString& made = {}) {
            QTest::newRow(name) << adding << forgotten << QString::fromLatin1(table) << from << to
                                << refusal << made;
        };
        const QString none;
        const int english = kestrova::i18n::cameraLanguageByte(kestrova::i18n::English);
        add("as committed", false, none, "", none, none, none,
            QStringLiteral("languageCount = %1;").arg(added - 1));
        add("a language more", true, none, "", none, none, none,
            QStringLiteral("{%1, \"Cymraeg\", \"cy_GB\", \"cy\", %2},").arg(added).arg(english));
        add("a table without its column", true, QStringLiteral("mms_options.csv"), "", none, none,
            QStringLiteral("mms_options.csv: no column for cy (Cymraeg): row mms.options.mode"));
        add("a text missing", true, QStringLiteral("camera_labels.csv:label.timer"), "", none, none,
            QStringLiteral("row label.timer: no text for cy (Cymraeg)"));
        add("a language out of its place", true, none, "languages.csv",
            QStringLiteral("%1,Cymraeg").arg(added), QStringLiteral("%1,Cymraeg").arg(added + 1),
            QStringLiteral("languages.csv:%1: number %1, but this is row %2")
                .arg(added + 1)
                .arg(added));
        add("a tag twice", true, none, "languages.csv", QStringLiteral("cy_GB,cy"),
            QStringLiteral("cy_GB,en"),
            QStringLiteral("languages.csv:%1: tag en twice").arg(added + 1));
        auto change = [&add](const char* name, const char* table, const char* from, const char* to,
                             const char* refusal) {
            add(name, false, {}, table, QString::fromUtf8(from), QString::fromUtf8(to),
                QString::fromUtf8(refusal));
        };
        change("a text empty", "smtp_captions.csv", "\"Smtp nacin\"", "\"\"",
               "row smtp.smtp_mode: no text for sl (Slovenian)");
        change("a message without its Chinese", "messages.csv", ",\"请输入GPRS APN\"", "",
               "row msg.enter_apn: no text for zh_CN (Chinese)");
        change("a blank not quoted", "main_captions.csv", "\" Kameros nustat.\"",
               " Kameros nustat.", "main_captions.csv:2: row main.camera_setup: the text for lt");
        change("a list one entry longer", "camera_options.csv", "\"Sek|Min\",\"s|min.\"",
               "\"Sek|Min|Std\",\"s|min.\"",
               "row options.interval_unit: de (Deutsch) has 3 entries but zh_CN (Chinese) has 2");
        change("an empty entry", "mms_options.csv", "\"Auto|Manuell\"", "\"Auto|\"",
               "row mms.options.mode: the list for de (Deutsch) has an empty entry");
        change("a departure from no row", "camera_form_b.csv", "label.exit", "label.exits",
               "row label.exits: no row label.exits in camera_labels.csv, camera_options.csv");
        change("a departure of another length", "mms_form_a.csv", "International\"",
               "International|Roaming\"", "row mms.options.roaming: 3 entries, but the list has 2");
        change("a departure in no language", "camera_form_b.csv", "sl,label.exit", "sv,label.exit",
               "row label.exit: language 'sv' is no language's tag");
        change("a key twice", "smtp_options.csv", "smtp.options.send", "smtp.options.mode",
               "smtp_options.csv:3: row smtp.options.mode: the row is in the table twice");
        change("a column of no language", "smtp_captions.csv", "ja,lt", "ja,lv",
               "smtp_captions.csv: column lv is not one this table has");
        change("a quote not closed", "messages.csv", "\"请输入GPRS APN\"", "\"请输入GPRS APN",
               "messages.csv:2: a quote is not closed");
    }
    void generate() {
        QFETCH(bool, adding);
        QFETCH(QString, forgotten);
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
        if (adding)
            QVERIFY(addLanguage(dir, forgotten));
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
