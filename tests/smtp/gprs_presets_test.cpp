#include "smtp/gprs_presets.h"
#include "support/test_registry.h"

#include <QTest>

#include <algorithm>
#include <initializer_list>

using namespace kestrova::smtp;

namespace {

QStringList list(std::initializer_list<const char*> values) {
    QStringList names;
    for (const char* value : values) {
        names.append(QString::fromUtf8(value));
    }
    return names;
}

QString text(std::string_view value) {
    return QString::fromLatin1(value.data(), static_cast<qsizetype>(value.size()));
}

bool isPrintableAscii(std::string_view value) {
    return std::all_of(value.begin(), value.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

} // namespace

class GprsPresetsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void countries_data() {
        QTest::addColumn<int>("country");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("operators");
        const auto row = [](int country, const char* name,
                            std::initializer_list<const char*> operators) {
            QTest::addRow("%d %s", country, name)
                << country << QString::fromUtf8(name) << list(operators);
        };
        row(0, "China", {"China Mobile", "China Unicom"});
        row(1, "United States", {"T-Mobile", "AT&T"});
        row(2, "Deutschland", {"Vodafone", "T-Mobile", "E-Plus", "O2"});
        row(3, "United Kingdom",
            {"Vodafone", "O2", "T-Mobile", "Orange", "3", "Virgin", "Tesco Mobile", "ASDA Mobile"});
        row(4, "Canada", {"Fido", "Rogers"});
        row(5, "Sweden", {"Telenor", "Telia", "Tele2"});
        row(6, "Slovenia", {"Mobitel", "Simobil", "Tusmobil", "izimobil", "Bob"});
        row(7, "Portugal", {"Optimus", "Vodafone"});
        row(8, "Turkey", {"Avea", "Turkcell"});
        row(9, "Schweiz", {"Orange", "Sunrise", "Swisscom"});
        row(10, "Spain", {"Amena", "Vodafone", "Telefonica", "Orange"});
        row(11, "Slovakia", {"T-Mobile", "Orange", "O2"});
        row(12, "Russia", {"MTS", "Beeline"});
        row(13, "Romania", {"Orange"});
        row(14, "Poland", {"ERA", "Orange"});
        row(15, "Netherlands", {"T-Mobile", "Vodafone"});
        row(16, "Italy", {"TIM", "Vodafone"});
        row(17, "Ireland", {"Meteor", "Vodafone"});
        row(18, "Hungary", {"Pannon (contract)", "Vodafone", "T-Mobile"});
        row(19, "Greece", {"T-Cosmote", "Vodafone"});
        row(20, "France", {"Bouygues", "Orange"});
        row(21, "Australia", {"Optus", "Telstra", "Vodafone", "Three", "Virgin"});
        row(22, "Oesterreich", {"A1", "T-Mobile"});
        row(23, "Brazil", {"Brazil Telecom", "Claro"});
        row(24, "Bulgaria", {"Globul", "Mtel", "Vivacom"});
        row(25, "Croatia", {"VIPNet"});
        row(26, "Ceska republika", {"Eurotel", "O2", "T-Mobile", "Vodafone"});
        row(27, "Denmark", {"TDC", "Telia"});
        row(28, "Finland", {"Radiolinja", "DNA", "Sonera", "Elisa"});
        row(29, "New Zealand", {"Vodafone"});
        row(30, "Norway", {"Netcom", "Telenor", "Tele2", "NetworkNorway"});
        row(31, "South Africa", {"Cell C", "Vodacom", "MTN"});
        row(32, "Egypt", {"MobilNil", "Vodafone"});
        row(33, "Ukraine", {"KiyvStar", "MTS", "LIFE", "Beeline UA"});
        row(34, "Lithuania", {"Omnitel", "Bite"});
        row(35, "India", {"Idea", "BPL", "Airtel", "VodaFone"});
        row(36, "Latvia", {"LMT"});
        row(37, "Namibia", {"MTC"});
        row(38, "Estonia", {"EMT", "ELISA", "TELE2"});
        row(39, "Belgium", {"Proximus", "Mobistar", "Base"});
        row(40, "Cyprus", {"Cyta"});
    }
    void countries() {
        QFETCH(int, country);
        QFETCH(QString, name);
        QFETCH(QStringList, operators);
        QCOMPARE(gprsCountryNames().at(country), name);
        QCOMPARE(gprsOperatorCount(country), operators.size());
        QCOMPARE(gprsOperatorNames(country), operators);
        const auto& slots = gprsOperators[static_cast<std::size_t>(country)];
        for (int slot = 0; slot < gprsOperatorSlots; ++slot) {
            QCOMPARE(text(slots[static_cast<std::size_t>(slot)]),
                     slot < operators.size() ? operators.at(slot) : QString());
        }
    }

    void countryListHasFortyOneEntries() {
        QCOMPARE(gprsCountryCount, 41);
        QCOMPARE(gprsCountryNames().size(), 41);
        QVERIFY(!gprsCountryNames().contains(QStringLiteral("Cayman Islands")));
    }

    void singleOperatorCountries() {
        QStringList single;
        for (int country = 0; country < gprsCountryCount; ++country) {
            if (gprsOperatorCount(country) == 1) {
                single.append(gprsCountryNames().at(country));
            }
        }
        QCOMPARE(single,
                 list({"Romania", "Croatia", "New Zealand", "Latvia", "Namibia", "Cyprus"}));
    }

    void holdsOneHundredTenPresets() {
        int counted = 0;
        int filled = 0;
        int largest = 0;
        for (int country = 0; country < gprsCountryCount; ++country) {
            const int count = gprsOperatorCount(country);
            QVERIFY(count >= 1);
            counted += count;
            largest = std::max(largest, count);
            for (int slot = 0; slot < gprsOperatorSlots; ++slot) {
                const bool used = slot < count;
                QCOMPARE(!gprsPreset(country, slot).isEmpty(), used);
                filled += used ? 1 : 0;
            }
        }
        QCOMPARE(counted, 110);
        QCOMPARE(filled, 110);
        QCOMPARE(largest, 8);
    }

    void presetValuesFitTheirLimits_data() {
        QTest::addColumn<int>("country");
        QTest::addColumn<int>("slot");
        const QStringList countries = gprsCountryNames();
        for (int country = 0; country < gprsCountryCount; ++country) {
            const QStringList operators = gprsOperatorNames(country);
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
        const GprsPreset preset = gprsPreset(country, slot);
        QVERIFY(!preset.apn.empty());
        QVERIFY2(preset.apn.size() <= 25, preset.apn.data());
        QVERIFY2(preset.user.size() <= 20, preset.user.data());
        QVERIFY2(preset.password.size() <= 11, preset.password.data());
        for (std::string_view value : {preset.apn, preset.user, preset.password}) {
            QVERIFY2(isPrintableAscii(value), value.data());
            QVERIFY(value.size() <= 32); // the GPRS fields of the SMTP form
        }
    }

    void namesArePlainAscii() {
        for (int country = 0; country < gprsCountryCount; ++country) {
            QVERIFY(isPrintableAscii(gprsCountries[static_cast<std::size_t>(country)]));
            for (std::string_view name : gprsOperators[static_cast<std::size_t>(country)]) {
                QVERIFY(isPrintableAscii(name));
            }
        }
    }

    void firstPresetIsChinaMobile() {
        QCOMPARE(text(gprsPreset(0, 0).apn), QStringLiteral("cmnet"));
    }

    void positionsOutsideTheTable_data() {
        QTest::addColumn<int>("country");
        QTest::addColumn<int>("slot");
        QTest::newRow("country -1") << -1 << 0;
        QTest::newRow("country 41") << 41 << 0;
        QTest::newRow("slot -1") << 0 << -1;
        QTest::newRow("slot 10") << 0 << 10;
        QTest::newRow("unused slot") << 13 << 1;
    }
    void positionsOutsideTheTable() {
        QFETCH(int, country);
        QFETCH(int, slot);
        QVERIFY(gprsPreset(country, slot).isEmpty());
        if (country < 0 || country >= gprsCountryCount) {
            QCOMPARE(gprsOperatorCount(country), 0);
            QVERIFY(gprsOperatorNames(country).isEmpty());
        }
    }
};

KESTROVA_TEST(GprsPresetsTest)
#include "gprs_presets_test.moc"
