#include "i18n/language.h"
#include "mms/operator_presets.h"
#include "support/test_registry.h"

#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <initializer_list>

using namespace kestrova;
using namespace kestrova::mms;

namespace {

QString text(std::string_view value) {
    return QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size()));
}

QStringList utf8List(std::initializer_list<const char*> values) {
    QStringList list;
    for (const char* value : values) {
        list.append(QString::fromUtf8(value));
    }
    return list;
}

bool isPrintableAscii(std::string_view value) {
    for (char c : value) {
        if (c < 0x20 || c > 0x7E) {
            return false;
        }
    }
    return true;
}

bool isDottedIpv4(std::string_view value) {
    static const QRegularExpression form(
        QStringLiteral("^(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})\\.(\\d{1,3})$"));
    const auto match = form.match(text(value));
    if (!match.hasMatch()) {
        return false;
    }
    for (int octet = 1; octet <= 4; ++octet) {
        if (match.captured(octet).toInt() > 255) {
            return false;
        }
    }
    return true;
}

} // namespace

class OperatorPresetsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countries_data() {
        QTest::addColumn<int>("country");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("operators");
        const auto row = [](int country, const char* name,
                            std::initializer_list<const char*> operators) {
            QTest::addRow("%d %s", country, name)
                << country << QString::fromUtf8(name) << utf8List(operators);
        };
        row(0, "China", {"China Mobile", "China Unicom"});
        row(1, "United States", {"T-Mobile", "AT&T"});
        row(2, "Deutschland", {"Vodafone", "T-Mobile", "E-Plus", "O2"});
        row(3, "United Kingdom",
            {"Vodafone", "O2", "O2 Payandgo", "Orange", "3", "Virgin", "Vodafone Prepay",
             "BT Mobile", "ASDA Mobile"});
        row(4, "Canada", {"Fido", "Rogers"});
        row(5, "Sweden", {"Telenor", "Telia", "Tele2 "});
        row(6, "Slovenia", {"Mobitel", "Izi Mobil", "Si Mobil", "Tusmobil", "Bob"});
        row(7, "Portugal", {"Optimus", "Vodafone"});
        row(8, "Turkey", {"Avea", "Turkcell"});
        row(9, "Schweiz", {"Orange", "Sunrise", "Swisscom"});
        row(10, "Spain", {"Orange", "Vodafone", "Telstra", "Movistar"});
        row(11, "Slovakia", {"T-Mobile", "Orange", "O2"});
        row(12, "Russia", {"A Mobile", "Beeline"});
        row(13, "Romania", {"Orange"});
        row(14, "Poland", {"ERA", "Orange", "Plus", "Heyah", "Play"});
        row(15, "Netherlands", {"T-Mobile", "Vodafone"});
        row(16, "Italy", {"TIM", "Vodafone"});
        row(17, "Ireland", {"Meteor", "Vodafone"});
        row(18, "Hungary", {"T-Mobile", "Vodafone"});
        row(19, "Greece", {"T-Cosmote", "Vodafone"});
        row(20, "France", {"Bouygues", "Orange", "SFR"});
        row(21, "Australia", {"Optus", "Telstra", "Mic1", "Vodafone", "Three", "Virgin"});
        row(22, "Oesterreich", {"A1", "T-Mobile"});
        row(23, "Brazil", {"Brazil Telecom", "Claro"});
        row(24, "Bulgaria", {"Globul", "Mtel", "Vivacom"});
        row(25, "Croatia", {"VIPNet", "T-mobile HR"});
        row(26, "Ceska republika", {"Eurotel", "O2", "T-Mobile", "Vodafone"});
        row(27, "Denmark", {"Sonofon", "TDC", "Telia"});
        row(28, "Finland", {"Alands", "DNA", "Sonera", "Elisa"});
        row(29, "New Zealand", {"Vodafone"});
        row(30, "Norway", {"Netcom", "Telenor", "Onecall", "Tele2", "NetworkNorway", "Chess"});
        row(31, "South Africa", {"Cell C", "Virgin", "MTN", "Vodacom"});
        row(32, "Egypt", {"MobilNil", "Vodafone"});
        row(33, "Ukraine", {"KiyvStar", "MTS", "LIFE", "Beeline UA", "UMC Ukraine"});
        row(34, "Lithuania", {"Omnitel", "Omnitel Ezio", "Tele2 Pildyk", "Bite"});
        row(35, "India", {"Idea", "CellOne", "BPL", "Airtel", "VodaFone"});
        row(36, "Latvia", {"Okarte"});
        row(37, "Namibia", {"MTC"});
        row(38, "Estonia", {"EMT", "ELISA", "TELE2"});
        row(39, "Belgium", {"Proximus", "Mobistar", "Base"});
        row(40, "Cyprus", {"Cyta"});
        row(41, "Cayman Islands", {"Digicel"});
    }
    void countries() {
        QFETCH(int, country);
        QFETCH(QString, name);
        QFETCH(QStringList, operators);
        QCOMPARE(mmsCountryNames(i18n::English).at(country), name);
        QCOMPARE(mmsOperatorCount(country), operators.size());
        QCOMPARE(mmsOperatorNames(country, i18n::English), operators);
        // The table slots behind the lists: names up to count(c), empty after.
        const auto& slots = mmsOperators[static_cast<std::size_t>(country)];
        for (int slot = 0; slot < mmsOperatorSlots; ++slot) {
            const QString slotName = text(slots[static_cast<std::size_t>(slot)]);
            QCOMPARE(slotName, slot < operators.size() ? operators.at(slot) : QString());
        }
    }

    void countryListHasFortyTwoEntries() {
        QCOMPARE(mmsCountryCount, 42);
        QCOMPARE(mmsCountryNames(i18n::English).size(), 42);
        QCOMPARE(mmsCountryNames(i18n::Chinese).size(), 42);
    }

    void chineseListDiffersOnlyInChina() {
        const QStringList english = mmsCountryNames(i18n::English);
        const QStringList chinese = mmsCountryNames(i18n::Chinese);
        QCOMPARE(english.at(0), QStringLiteral("China"));
        QCOMPARE(chinese.at(0), QString::fromUtf8("中国"));
        QCOMPARE(chinese.mid(1), english.mid(1));
    }

    void otherLanguagesShowEnglishNames_data() {
        QTest::addColumn<int>("language");
        for (int language = i18n::English; language <= i18n::languageCount; ++language) {
            QTest::addRow("language %d", language) << language;
        }
        QTest::addRow("outside the range") << 0;
    }
    void otherLanguagesShowEnglishNames() {
        QFETCH(int, language);
        QCOMPARE(mmsCountryNames(language), mmsCountryNames(i18n::English));
        QCOMPARE(mmsOperatorNames(0, language), utf8List({"China Mobile", "China Unicom"}));
    }

    void chineseOperatorNamesOfChina() {
        QCOMPARE(mmsOperatorNames(0, i18n::Chinese), utf8List({"中国移动", "中国联通"}));
        // Only country 0 has Chinese operator names.
        QCOMPARE(mmsOperatorNames(3, i18n::Chinese), mmsOperatorNames(3, i18n::English));
    }

    void tele2KeepsItsTrailingBlank() {
        QCOMPARE(mmsOperatorNames(5, i18n::English).at(2), QStringLiteral("Tele2 "));
        QCOMPARE(mmsOperatorNames(30, i18n::English).at(3), QStringLiteral("Tele2"));
    }

    void unitedKingdomHasNineOperators() {
        QCOMPARE(mmsOperatorCount(3), 9);
        QCOMPARE(mmsOperatorNames(3, i18n::English).at(8), QStringLiteral("ASDA Mobile"));
        QVERIFY(!mmsPreset(3, 8).isEmpty());
        QVERIFY(mmsPreset(3, 9).isEmpty());
    }

    void holdsOneHundredTwentyFivePresets() {
        int counted = 0;
        int filled = 0;
        int largest = 0;
        for (int country = 0; country < mmsCountryCount; ++country) {
            const int count = mmsOperatorCount(country);
            QVERIFY(count >= 1);
            QVERIFY(count <= mmsOperatorSlots);
            counted += count;
            largest = std::max(largest, count);
            for (int slot = 0; slot < mmsOperatorSlots; ++slot) {
                const bool used = slot < count;
                QCOMPARE(!mmsPreset(country, slot).isEmpty(), used);
                filled += used ? 1 : 0;
            }
        }
        QCOMPARE(counted, 125);
        QCOMPARE(filled, 125);
        QCOMPARE(largest, 9);
    }

    void presetValuesFitTheirLimits_data() {
        QTest::addColumn<int>("country");
        QTest::addColumn<int>("slot");
        const QStringList countries = mmsCountryNames(i18n::English);
        for (int country = 0; country < mmsCountryCount; ++country) {
            const QStringList operators = mmsOperatorNames(country, i18n::English);
            for (int slot = 0; slot < operators.size(); ++slot) {
                QTest::addRow("%d/%d %s / %s", country, slot, qPrintable(countries.at(country)),
                              qPrintable(operators.at(slot)))
                    << country << slot;
            }
        }
    }
    void presetValuesFitTheirLimits() {
        QFETCH(int, country);
        QFETCH(int, slot);
        const OperatorPreset preset = mmsPreset(country, slot);

        QVERIFY(!preset.url.empty());
        QVERIFY2(preset.url.size() <= 39, preset.url.data());
        QVERIFY(!preset.apn.empty());
        QVERIFY2(preset.apn.size() <= 21, preset.apn.data());
        QVERIFY2(isDottedIpv4(preset.gateway), preset.gateway.data());
        QVERIFY(preset.gateway.size() <= 15);
        QVERIFY2(
            QRegularExpression(QStringLiteral("^\\d{2,4}$")).match(text(preset.port)).hasMatch(),
            preset.port.data());
        QVERIFY2(preset.account.size() <= 20, preset.account.data());
        QVERIFY2(preset.password.size() <= 10, preset.password.data());
        for (std::string_view value : {preset.url, preset.apn, preset.gateway, preset.port,
                                       preset.account, preset.password}) {
            QVERIFY2(isPrintableAscii(value), value.data());
        }
    }

    void accountAndPasswordEmptyForMoreThanHalf() {
        int emptyAccounts = 0;
        int emptyPasswords = 0;
        for (int country = 0; country < mmsCountryCount; ++country) {
            for (int slot = 0; slot < mmsOperatorCount(country); ++slot) {
                const OperatorPreset preset = mmsPreset(country, slot);
                emptyAccounts += preset.account.empty() ? 1 : 0;
                emptyPasswords += preset.password.empty() ? 1 : 0;
            }
        }
        QVERIFY(emptyAccounts * 2 > 125);
        QVERIFY(emptyPasswords * 2 > 125);
    }

    void firstPresetIsChinaMobile() {
        const OperatorPreset preset = mmsPreset(0, 0);
        QCOMPARE(text(preset.apn), QStringLiteral("cmwap"));
        QCOMPARE(text(preset.gateway), QStringLiteral("10.0.0.172"));
        QCOMPARE(text(preset.port), QStringLiteral("80"));
    }

    void positionsOutsideTheTable_data() {
        QTest::addColumn<int>("country");
        QTest::addColumn<int>("slot");
        QTest::newRow("country -1") << -1 << 0;
        QTest::newRow("country 42") << 42 << 0;
        QTest::newRow("country 0x80 (manual mode)") << 0x80 << 0;
        QTest::newRow("slot -1") << 0 << -1;
        QTest::newRow("slot 10") << 0 << 10;
        QTest::newRow("unused slot") << 13 << 1;
    }
    void positionsOutsideTheTable() {
        QFETCH(int, country);
        QFETCH(int, slot);
        QVERIFY(mmsPreset(country, slot).isEmpty());
        if (country < 0 || country >= mmsCountryCount) {
            QCOMPARE(mmsOperatorCount(country), 0);
            QVERIFY(mmsOperatorNames(country, i18n::English).isEmpty());
        }
    }
};

KESTROVA_TEST(OperatorPresetsTest)
#include "operator_presets_test.moc"
