#pragma once

#include "dialog/target_folder.h"

#include <QMap>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <optional>

class QSettings;

namespace kestrova::app {

// The persisted values: "language", "model", "TvMode", the "Company" marker and the "folder"
// the forms last wrote to, with whether it was a volume's root and which volume.
// On Windows they are written to the user's own registry key of the program (HKEY_CURRENT_USER),
// and read from the machine-wide key (HKEY_LOCAL_MACHINE) where the user's has no value: a
// standard user cannot write the machine's. Elsewhere they live in a per-user INI file; on
// either, in the INI file that KESTROVA_SETTINGS names when it is set. Every operation reports
// success or failure; the callers ignore failures and fall back to defaults.
class PreferencesStore {
public:
    PreferencesStore();                                // the platform's store
    explicit PreferencesStore(const QString& iniFile); // a given INI file
    ~PreferencesStore();

    QString location() const;
    // Why the INI file is left alone (a FIFO, a huge file); empty when it is in use.
    QString problem() const { return problem_; }

    // Whether the store exists at all; creating it is what marks a first start.
    bool exists() const;

    std::optional<int> readLanguage() const;
    bool writeLanguage(int language);
    std::optional<int> readModel() const;
    bool writeModel(int model);
    std::optional<std::uint16_t> readTvMode() const;
    bool writeTvMode(std::uint16_t tvMode);
    // The folder and what it was; `mountPoint` is unknown in a store written before it was kept.
    struct StoredFolder {
        QString path;
        std::optional<bool> mountPoint;
        VolumeIdentity volume;
    };
    std::optional<StoredFolder> readFolder() const;
    bool writeFolder(const dialog::ChosenFolder& folder);
    bool hasCompany() const;
    bool writeCompany();

    static const QString companyName;

private:
    void readPastFaultyLines();
    QVariant value(const QString& name) const;
    std::optional<std::uint16_t> readNumber(const QString& name) const;
    bool writeValue(const QString& name, const QVariant& value);
    bool writeValues(const QList<std::pair<QString, QVariant>>& values);
    bool writeNumber(const QString& name, std::uint16_t value);

    // Before settings_, which fills them as it is made.
    QString location_;
    QString problem_;
    // None when the INI file cannot be used: every value reads as unset, and nothing is written.
    std::unique_ptr<QSettings> settings_;
    // The machine-wide key, read where settings_ has no value (Windows only).
    std::unique_ptr<QSettings> machine_;
    // What an INI file with lines QSettings cannot parse holds, read line by line; handed to
    // QSettings at the first write, which then drops only those lines.
    std::optional<QMap<QString, QString>> lineByLine_;
};

// The INI file KESTROVA_SETTINGS names, or an empty text when it is not set.
QString settingsFileFromEnvironment();

} // namespace kestrova::app
