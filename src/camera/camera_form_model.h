#pragma once

#include "camera/camera_settings.h"
#include "camera/captured_time.h"
#include "camera/menu_fields.h"
#include "camera/menu_plan.h"
#include "camera/menu_record.h"
#include "common/form_variants.h"
#include "dialog/settings_file.h"
#include "dialog/setup_form_model.h"
#include "i18n/messages.h"

#include <QString>

#include <initializer_list>

namespace kestrova::camera {

// A camera setup form (A, B or C): edits one set of camera settings and writes them as
// "menu.dat" into a folder the user chooses, or writes the factory reset record instead.
// The lists are read where they are needed; the numeric fields, the clock text and the folder
// are taken from the controls in one pass that checks them in a fixed order. A numeric field
// the user has emptied is left alone until the focus leaves it or Generate runs.
class CameraFormModel final : public dialog::SetupFormModel {
public:
    // Takes the values the form opens with and captures the PC time. With a plan, the form
    // shows what the camera will do, says what a write changed and prints a settings sheet.
    CameraFormModel(CameraForm form, const dialog::FormContext& context, dialog::Host& host,
                    MenuPlanPtr plan = nullptr);

    void initialise() override;
    void listChanged(int id) override;
    void editChanged(int id) override;
    void editFinished(int id) override;

    // The clock shown ticks once a second, and Generate writes the time it shows.
    int tickInterval() const override { return 1000; }
    void tick() override;

    CameraForm form() const { return form_; }

    // What Generate would write now: the lists as they stand with the numbers as last taken.
    CameraSettings settings() const;
    const CapturedTime& capturedTime() const { return captured_; }

private:
    // Copies every numeric field, the clock text and the folder into the settings in the
    // fixed order; the first failing check shows its message, moves the focus to its field and
    // ends the taking.
    bool takeValues();
    // Brings out-of-range numbers back into range; whether anything changed.
    bool correctValues();
    void takeAndCorrect();
    void showValues() override;
    // Selects each list the form shows as the settings have it.
    void showLists(const CameraSettings& settings);

    void setReadOnly(std::initializer_list<int> fields, bool readOnly);
    void setEnabled(std::initializer_list<int> controls, bool enabled);
    void fillLists();
    void captureTime();
    // Captures the time and shows it in the clock text alone, leaving every other field as the
    // user has it.
    void refreshClock();
    // The first numeric field left empty, or 0.
    int emptyNumericField() const;
    // The settings of a file or profile, shown as if the user had picked and typed them; the
    // clock stays as it is.
    void showSettings(const CameraSettings& settings);
    dialog::CardFileHooks cardFileHooks();
    void generate() override;
    // The Default button: resets the form to the factory values and writes the factory reset
    // record.
    void resetAndWriteFactoryFile();
    void otherButtonPressed(int id) override;
    void writeMenuFile(const MenuRecord& record, i18n::Message success,
                       const dialog::ChangeLines& changes = {});
    MenuPlanInput planInput() const;
    dialog::StripContent stripContent() const override;
    void fail(int field, const QString& message);
    // The numeric field shown in a control, or nullptr.
    const MenuFieldRow* numericFieldShownIn(int id) const;

    CameraForm form_;
    MenuPlanPtr plan_;
    CameraSettings settings_; // only its numbers are kept up to date; the lists hold the rest
    CapturedTime captured_;
    QString clockText_;
};

} // namespace kestrova::camera
