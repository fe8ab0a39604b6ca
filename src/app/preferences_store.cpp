#include "app/preferences_store.h"

#include "storage/bounded_read.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace kestrova::app {

namespace {

const QString languageKey = QStringLiteral("language");
const QString modelKey = QStringLiteral("model");
const QString tvModeKey = QStringLiteral("TvMode");
const QString companyKey = QStringLiteral("Company");
const QString folderKey = QStringLiteral("folder");
const QString folderMountPointKey = QStringLiteral("folderMountPoint");
const QString folderVolumeKey = QStringLiteral("folderVolume");
const QString folderVolumeLabelKey = QStringLiteral("folderVolumeLabel");

// Far more than the few values a preferences file holds.
constexpr qint64 largestIni = 64 * 1024;

#ifndef Q_OS_WIN
// The INI file QSettings would read for the user's preferences, as it names it.
QString platformIniFile() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Kestrova/Kestrova Setup.ini");
}
#endif

// QSettings reads the whole INI file as it opens it, and waits forever on a FIFO: only a
// regular file of a preferences file's size is handed to it. Why not, for any other.
QString unusableIni(const QString& path) {
    const storage::BoundedRead read = storage::readBounded(path, largestIni);
    switch (read.status) {
    case storage::BoundedRead::Status::NotRegular:
    case storage::BoundedRead::Status::ReadError:
        return read.reason;
    case storage::BoundedRead::Status::TooLarge:
        return read.sizeText() + QStringLiteral(", more than a preferences file holds");
    default:
        return {};
    }
}

std::unique_ptr<QSettings> iniSettings(const QString& path, QString& problem) {
    problem = unusableIni(path);
    if (!problem.isEmpty())
        return nullptr;
    return std::make_unique<QSettings>(path, QSettings::IniFormat);
}

#ifdef Q_OS_WIN
// The program's key of the preferences, under the machine's part of the registry or the user's.
QString registryKey(const QString& root) {
    return root + QStringLiteral("\\Software\\Microsoft\\Windows\\CurrentVersion\\App "
                                 "Paths\\Kestrova.exe");
}
#endif

std::unique_ptr<QSettings> platformSettings(QString& location, QString& problem) {
    location = settingsFileFromEnvironment();
#ifdef Q_OS_WIN
    // The user's own key: the machine's is for administrators to write.
    if (location.isEmpty()) {
        location = registryKey(QStringLiteral("HKEY_CURRENT_USER"));
        return std::make_unique<QSettings>(location, QSettings::NativeFormat);
    }
#else
    if (location.isEmpty()) {
        location = platformIniFile();
        problem = unusableIni(location);
        if (!problem.isEmpty())
            return nullptr;
        return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                           QStringLiteral("Kestrova"),
                                           QStringLiteral("Kestrova Setup"));
    }
#endif
    return iniSettings(location, problem);
}

// The machine-wide key of the preferences, read where the user's own has no value: as an
// installation left it, in the 64-bit view of the registry or the 32-bit one an older
// installation wrote. None elsewhere, and none when an INI file is named.
std::unique_ptr<QSettings> machineSettings() {
#ifdef Q_OS_WIN
    if (settingsFileFromEnvironment().isEmpty()) {
        for (const auto format : {QSettings::Registry64Format, QSettings::Registry32Format}) {
            auto machine = std::make_unique<QSettings>(
                registryKey(QStringLiteral("HKEY_LOCAL_MACHINE")), format);
            if (!machine->allKeys().isEmpty())
                return machine;
        }
    }
#endif
    return nullptr;
}

} // namespace

const QString PreferencesStore::companyName = QStringLiteral("Kestrova Imaging Co., Ltd");

QString settingsFileFromEnvironment() {
    return qEnvironmentVariable("KESTROVA_SETTINGS");
}

PreferencesStore::PreferencesStore()
    : settings_(platformSettings(location_, problem_))
    , machine_(machineSettings()) {
    readPastFaultyLines();
}

PreferencesStore::PreferencesStore(const QString& iniFile)
    : location_(iniFile)
    , settings_(iniSettings(iniFile, problem_)) {
    readPastFaultyLines();
}

// QSettings reports a whole INI file as faulty for one line it cannot parse ("# note"), and
// after a broken section line ("[broken") files every later key under it; a second QSettings
// on the same file in this process gets the parse from a cache, without the fault. So an INI
// file is read here too, line by line: a line that is neither a key, a whole section line nor
// a ";" comment is passed over, and when there is one, the values come from this reading.
void PreferencesStore::readPastFaultyLines() {
    if (!settings_ || settings_->format() != QSettings::IniFormat)
        return;
    const storage::BoundedRead read = storage::readBounded(settings_->fileName(), largestIni);
    if (!read.ok())
        return;
    QMap<QString, QString> values;
    QString section;
    bool faulty = false;
    for (const QByteArray& raw : read.bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            section = line.mid(1, line.size() - 2).trimmed();
            if (section.compare(QStringLiteral("General"), Qt::CaseInsensitive) == 0)
                section.clear();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (line.startsWith(u'[') || equals <= 0) {
            faulty = true;
            continue;
        }
        QString text = line.mid(equals + 1).trimmed();
        if (text.size() >= 2 && text.startsWith(u'"') && text.endsWith(u'"'))
            text = text.mid(1, text.size() - 2);
        const QString key = line.left(equals).trimmed();
        values[section.isEmpty() ? key : section + u'/' + key] = text;
    }
    if (faulty)
        lineByLine_ = values;
}

QVariant PreferencesStore::value(const QString& name) const {
    if (!settings_)
        return {};
    if (lineByLine_)
        return lineByLine_->contains(name) ? QVariant(lineByLine_->value(name)) : QVariant();
    if (settings_->status() == QSettings::AccessError)
        return {};
    if (machine_ && !settings_->contains(name))
        return machine_->value(name);
    return settings_->value(name);
}

PreferencesStore::~PreferencesStore() = default;

QString PreferencesStore::location() const {
    return settings_ ? settings_->fileName() : location_;
}

bool PreferencesStore::exists() const {
    // An INI file that is there, even empty, is not a first start; one that cannot be used is
    // left as it is.
    if (!settings_)
        return true;
    if (settings_->format() == QSettings::IniFormat)
        return QFileInfo::exists(settings_->fileName());
    return !settings_->allKeys().isEmpty() || machine_;
}

std::optional<std::uint16_t> PreferencesStore::readNumber(const QString& name) const {
    const QVariant value = this->value(name);
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!value.isValid() || !ok || number < 0 || number > 0xFFFFFFFFLL)
        return std::nullopt;
    // Stored as a 32-bit number whose low 16 bits are the value.
    return static_cast<std::uint16_t>(number & 0xFFFF);
}

bool PreferencesStore::writeNumber(const QString& name, std::uint16_t value) {
    return writeValue(name, static_cast<uint>(value));
}

bool PreferencesStore::writeValue(const QString& name, const QVariant& value) {
    return writeValues({{name, value}});
}

bool PreferencesStore::writeValues(const QList<std::pair<QString, QVariant>>& values) {
    if (!settings_)
        return false;
    // A file read line by line is written back whole: what could be read, and the new values.
    const bool rewritten = lineByLine_.has_value();
    if (rewritten) {
        settings_->clear();
        for (auto it = lineByLine_->cbegin(); it != lineByLine_->cend(); ++it)
            settings_->setValue(it.key(), it.value());
        lineByLine_.reset();
    }
    for (const auto& [name, value] : values)
        settings_->setValue(name, value);
    settings_->sync();
    // QSettings may keep reporting the parse fault of the old text; only a failed write counts.
    const QSettings::Status status = settings_->status();
    return status == QSettings::NoError || (rewritten && status == QSettings::FormatError);
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

std::optional<PreferencesStore::StoredFolder> PreferencesStore::readFolder() const {
    const QVariant folder = value(folderKey);
    if (!folder.isValid())
        return std::nullopt;
    StoredFolder stored{folder.toString(), std::nullopt, {}};
    if (const QVariant mountPoint = value(folderMountPointKey); mountPoint.isValid())
        stored.mountPoint = mountPoint.toBool();
    stored.volume = {value(folderVolumeKey).toString(), value(folderVolumeLabelKey).toString()};
    return stored;
}

bool PreferencesStore::writeFolder(const dialog::ChosenFolder& folder) {
    return writeValues({{folderKey, folder.path},
                        {folderMountPointKey, folder.mountPoint},
                        {folderVolumeKey, folder.volume.uuid},
                        {folderVolumeLabelKey, folder.volume.label}});
}

bool PreferencesStore::hasCompany() const {
    return value(companyKey).isValid();
}

bool PreferencesStore::writeCompany() {
    return writeValue(companyKey, companyName);
}

} // namespace kestrova::app
