#include "app/preferences_store.h"

#include <QFileInfo>
#include <QSettings>

namespace kestrova::app {

namespace {

const QString languageKey = QStringLiteral("language");
const QString modelKey = QStringLiteral("model");
const QString tvModeKey = QStringLiteral("TvMode");
const QString companyKey = QStringLiteral("Company");
const QString folderKey = QStringLiteral("folder");

std::unique_ptr<QSettings> platformSettings() {
    const QString iniFile = settingsFileFromEnvironment();
    if (!iniFile.isEmpty())
        return std::make_unique<QSettings>(iniFile, QSettings::IniFormat);
#ifdef Q_OS_WIN
    return std::make_unique<QSettings>(
        QStringLiteral("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\App "
                       "Paths\\Kestrova.exe"),
        QSettings::NativeFormat);
#else
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                       QStringLiteral("Kestrova"),
                                       QStringLiteral("Kestrova Setup"));
#endif
}

} // namespace

const QString PreferencesStore::companyName = QStringLiteral("Kestrova Imaging Co., Ltd");

QString settingsFileFromEnvironment() {
    return qEnvironmentVariable("KESTROVA_SETTINGS");
}

PreferencesStore::PreferencesStore()
    : settings_(platformSettings()) {}

PreferencesStore::PreferencesStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

PreferencesStore::~PreferencesStore() = default;

QString PreferencesStore::location() const {
    return settings_->fileName();
}

bool PreferencesStore::exists() const {
    if (settings_->format() == QSettings::IniFormat && !QFileInfo::exists(settings_->fileName()))
        return false;
    return !settings_->allKeys().isEmpty();
}

std::optional<std::uint16_t> PreferencesStore::readNumber(const QString& name) const {
    if (settings_->status() != QSettings::NoError)
        return std::nullopt;
    const QVariant value = settings_->value(name);
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!value.isValid() || !ok || number < 0 || number > 0xFFFFFFFFLL)
        return std::nullopt;
    // Stored as a 32-bit number whose low 16 bits are the value.
    return static_cast<std::uint16_t>(number & 0xFFFF);
}

bool PreferencesStore::writeNumber(const QString& name, std::uint16_t value) {
    settings_->setValue(name, static_cast<uint>(value));
    return sync();
}

bool PreferencesStore::sync() {
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

std::optional<int> PreferencesStore::readLanguage() const {
    return readNumber(languageKey);
}

bool PreferencesStore::writeLanguage(int language) {
    return writeNumber(languageKey, static_cast<std::uint16_t>(language));
}

std::optional<int> PreferencesStore::readModel() const {
    return readNumber(modelKey);
}

bool PreferencesStore::writeModel(int model) {
    return writeNumber(modelKey, static_cast<std::uint16_t>(model));
}

std::optional<std::uint16_t> PreferencesStore::readTvMode() const {
    return readNumber(tvModeKey);
}

bool PreferencesStore::writeTvMode(std::uint16_t tvMode) {
    return writeNumber(tvModeKey, tvMode);
}

std::optional<QString> PreferencesStore::readFolder() const {
    if (settings_->status() != QSettings::NoError || !settings_->contains(folderKey))
        return std::nullopt;
    return settings_->value(folderKey).toString();
}

bool PreferencesStore::writeFolder(const QString& folder) {
    settings_->setValue(folderKey, folder);
    return sync();
}

bool PreferencesStore::hasCompany() const {
    return settings_->status() == QSettings::NoError && settings_->contains(companyKey);
}

bool PreferencesStore::writeCompany() {
    settings_->setValue(companyKey, companyName);
    return sync();
}

} // namespace kestrova::app
