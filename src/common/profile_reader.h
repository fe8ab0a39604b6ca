#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <optional>

namespace kestrova {

// Why a value is not taken, as the command says it (English, or the form's message in its
// language), and, where it can be, in words of ours a window says in any language: a text marked
// QT_TRANSLATE_NOOP("ProfileReason", ...) with what fills its %1, %2, ...
struct Reason {
    QString text;
    const char* source = nullptr;
    QStringList arguments = {};
};

// Why a named value was not taken: an English message that starts with the setting's name (or
// with "--set" for an assignment without a name), and the reason after the name in words of
// ours where there are some.
struct ProfileError {
    QString message;
    const char* source = nullptr;
    QStringList arguments = {};
    QString setting = {}; // the name the reason is about, where it has words of ours

    bool operator==(const ProfileError&) const = default;
};

// The error for a setting of that name, for that reason.
ProfileError refusedSetting(const QString& name, const Reason& why);

// One NAME=VALUE split at its first "=": the name without its blanks, the value as typed (a
// password may begin or end with a blank); an error where no name comes before the "=".
struct Assignment {
    QString name;
    QString value;
    std::optional<ProfileError> error;
};

Assignment splitAssignment(const QString& text);

// The names of a field table's settings, in its order, as profiles and NAME=VALUE spell them.
template <typename Rows> QStringList settingNames(const Rows& rows) {
    QStringList names;
    for (const auto& row : rows)
        names << row.nameText();
    return names;
}

// Why a value is neither a JSON number nor a text, which is all a form's field can hold.
std::optional<QString> notNumberOrText(const QJsonValue& value);

// The settings one form could hold, or the first value it could not.
template <typename Settings> struct ProfileRead {
    Settings settings;
    std::optional<ProfileError> error;
};

// How a profile and NAME=VALUE assignments become one form's settings, for each settings file:
// the values are taken one after the other (a profile first, then each assignment), the first
// refusal stops the taking, and settings() settles what depends on more than one value.
template <typename Settings> class ProfileReader {
public:
    virtual ~ProfileReader() = default;

    // A JSON object as inspect prints it; names that are no setting are passed over (the file
    // check has refused what is neither a setting nor part of the report).
    std::optional<ProfileError> takeProfile(const QJsonObject& profile) {
        for (auto it = profile.begin(); it != profile.end() && !error_; ++it) {
            if (isSetting(it.key()))
                error_ = take(it.key(), it.value());
        }
        return error_;
    }

    // A profile alone: its settings, or the first refusal.
    ProfileRead<Settings> read(const QJsonObject& profile) {
        takeProfile(profile);
        return settings();
    }

    // One NAME=VALUE.
    std::optional<ProfileError> takeAssignment(const QString& text) {
        if (error_)
            return error_;
        const Assignment assignment = splitAssignment(text);
        error_ = assignment.error
                     ? assignment.error
                     : take(assignment.name, QJsonValue(trimsValues_ ? assignment.value.trimmed()
                                                                     : assignment.value));
        return error_;
    }

    // The settings as the form's fields would hold them, or the first refusal.
    ProfileRead<Settings> settings() const {
        if (error_)
            return {Settings{}, error_};
        return settle();
    }

protected:
    // `trimsValues`: whether an assignment's value loses its blanks (no value of the file can
    // begin or end with one).
    explicit ProfileReader(bool trimsValues)
        : trimsValues_(trimsValues) {}

    virtual bool isSetting(const QString& name) const = 0;
    // One named value; a name that is no setting is refused with the nearest one.
    virtual std::optional<ProfileError> take(const QString& name, const QJsonValue& value) = 0;
    virtual ProfileRead<Settings> settle() const = 0;

private:
    bool trimsValues_;
    std::optional<ProfileError> error_;
};

} // namespace kestrova
