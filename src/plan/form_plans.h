#pragma once

#include "camera/menu_plan.h"
#include "mms/mms_plan.h"
#include "plan/clock_sync.h"
#include "plan/folder_facts.h"
#include "smtp/smtp_plan.h"

namespace kestrova::plan {

// The plans the setup forms are handed: each summarises the form's settings with the facts of
// its folder's card, says what a write changed, and lays out the settings sheet.

class MenuFormPlan final : public camera::MenuPlan {
public:
    // `clockSync`, when given, tells whether the PC's clock can be trusted; it must outlive
    // the plan.
    explicit MenuFormPlan(const ClockSync* clockSync = nullptr)
        : clockSync_(clockSync) {}

    int defaultTriggers() const override;
    dialog::StripContent strip(const camera::MenuPlanInput& input) const override;
    QStringList changes(const camera::MenuPlanInput& input,
                        const std::optional<QByteArray>& replaced) const override;
    QString sheet(const camera::MenuPlanInput& input,
                  const std::optional<QByteArray>& bytes) const override;

private:
    const ClockSync* clockSync_;
    FolderFacts folder_;
};

class MmsFormPlan final : public mms::MmsPlan {
public:
    int defaultTriggers() const override;
    dialog::StripContent strip(const mms::MmsPlanInput& input) const override;
    QStringList changes(const mms::MmsPlanInput& input,
                        const std::optional<QByteArray>& replaced) const override;
    QString sheet(const mms::MmsPlanInput& input,
                  const std::optional<QByteArray>& bytes) const override;

private:
    FolderFacts folder_;
};

class SmtpFormPlan final : public smtp::SmtpPlan {
public:
    int defaultTriggers() const override;
    dialog::StripContent strip(const smtp::SmtpPlanInput& input) const override;
    QStringList changes(const smtp::SmtpPlanInput& input,
                        const std::optional<QByteArray>& replaced) const override;
    QString sheet(const smtp::SmtpPlanInput& input,
                  const std::optional<QByteArray>& bytes) const override;

private:
    FolderFacts folder_;
};

} // namespace kestrova::plan
