#include "i18n/camera_texts.h"

#include "i18n/language.h"
#include "i18n/tables/camera_extra_captions.h"
#include "i18n/tables/camera_form_b.h"
#include "i18n/tables/camera_labels.h"
#include "i18n/tables/camera_options.h"
#include "i18n/utf8_text.h"

#include <array>

namespace kestrova::i18n {

namespace {

constexpr char letterOf(CameraForm form) {
    switch (form) {
    case CameraForm::A:
        return 'A';
    case CameraForm::B:
        return 'B';
    case CameraForm::C:
        break;
    }
    return 'C';
}

constexpr bool onForm(std::string_view forms, CameraForm form) {
    return forms.find(letterOf(form)) != std::string_view::npos;
}

constexpr std::size_t column(int language) {
    return static_cast<std::size_t>(language - 1);
}

// The entries a list cell holds.
constexpr int entryCount(std::string_view cell) {
    int count = 1;
    for (char c : cell)
        count += c == static_cast<char>(entrySeparator) ? 1 : 0;
    return count;
}

// A list opens on one of its own entries.
constexpr bool defaultsInsideTheirLists() {
    for (const CameraOptionRow& row : tables::cameraOptions) {
        if (row.defaultPosition < 0 || row.defaultPosition >= entryCount(row.entries[0]))
            return false;
    }
    return true;
}
static_assert(defaultsInsideTheirLists());

template <typename Row, std::size_t N>
constexpr const Row* findRow(const std::array<Row, N>& rows, std::string_view key) {
    for (const Row& row : rows) {
        if (row.key == key)
            return &row;
    }
    return nullptr;
}

// Form B's text for a key where its set departs from forms A and C, or nullptr.
const LanguageDeparture* formBDeparture(int setLanguage, std::string_view key) {
    return rowFor(tables::cameraFormB, setLanguage, key);
}

// Form B's Magyar set has no caption for the second timer: the template's stays.
bool formBLeavesTemplateCaption(int setLanguage, std::string_view key) {
    return setLanguage == Magyar && key == "label.timer2";
}

int controlOn(CameraForm form, const CameraLabelRow& row) {
    return form == CameraForm::B ? row.controlB : row.controlAC;
}

// The caption of one row in a text set, or null when the set leaves the control alone.
std::optional<std::string_view> labelText(const CameraLabelRow& row, CameraForm form,
                                          int setLanguage) {
    if (!onForm(row.forms, form))
        return std::nullopt;
    if (form == CameraForm::B) {
        if (formBLeavesTemplateCaption(setLanguage, row.key))
            return std::nullopt;
        if (const LanguageDeparture* departure = formBDeparture(setLanguage, row.key))
            return departure->text;
    }
    return row.texts[column(setLanguage)];
}

} // namespace

int cameraTextLanguage(CameraForm form, int language) {
    const int shown = textLanguage(language);
    if (form == CameraForm::B && shown == Lithuanian)
        return English;
    return shown;
}

QList<ControlCaption> cameraCaptions(CameraForm form, int language) {
    const int setLanguage = cameraTextLanguage(form, language);
    QList<ControlCaption> captions;
    for (const CameraLabelRow& row : tables::cameraLabels) {
        if (const auto text = labelText(row, form, setLanguage))
            captions.append({controlOn(form, row), utf8Text(*text)});
    }
    for (const ExtraCaptionRow& row : tables::cameraExtraCaptions) {
        if (row.language != setLanguage)
            continue;
        for (int control : row.controls) {
            if (control != 0)
                captions.append({control, utf8Text(row.text)});
        }
    }
    return captions;
}

std::optional<QString> cameraLabel(CameraForm form, int language, std::string_view key) {
    const int setLanguage = cameraTextLanguage(form, language);
    if (const CameraLabelRow* row = findRow(tables::cameraLabels, key)) {
        if (const auto text = labelText(*row, form, setLanguage))
            return utf8Text(*text);
        return std::nullopt;
    }
    if (const ExtraCaptionRow* caption = rowFor(tables::cameraExtraCaptions, setLanguage, key))
        return utf8Text(caption->text);
    return std::nullopt;
}

QStringList cameraOptions(CameraForm form, int language, std::string_view key) {
    const CameraOptionRow* row = findRow(tables::cameraOptions, key);
    if (row == nullptr || !onForm(row->forms, form))
        return {};
    const int setLanguage = cameraTextLanguage(form, language);
    if (form == CameraForm::B) {
        if (const LanguageDeparture* departure = formBDeparture(setLanguage, key))
            return utf8Entries(departure->text);
    }
    return utf8Entries(row->entries[column(setLanguage)]);
}

int cameraOptionDefault(std::string_view key) {
    const CameraOptionRow* row = findRow(tables::cameraOptions, key);
    return row == nullptr ? -1 : row->defaultPosition;
}

const QList<std::string_view>& cameraOptionKeys() {
    static const QList<std::string_view> keys = [] {
        QList<std::string_view> list;
        for (const CameraOptionRow& row : tables::cameraOptions)
            list.append(row.key);
        return list;
    }();
    return keys;
}

} // namespace kestrova::i18n
