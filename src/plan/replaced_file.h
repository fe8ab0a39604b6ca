#pragma once

#include "plan/change_lines.h"
#include "plan/menu_summary.h"
#include "plan/mms_summary.h"
#include "plan/smtp_summary.h"

#include <QByteArray>

namespace kestrova::plan {

// A settings file read as one form of one model reads it: whether its settings can be shown
// there, and what they are when they can.
template <typename Facts> struct ReadFile {
    ReplacedFile state = ReplacedFile::Damaged;
    Facts facts;
};

ReadFile<MenuFacts> readMenuFile(const QByteArray& bytes, CameraForm form, int model);
ReadFile<MmsFacts> readMmsFile(const QByteArray& bytes, MmsForm form, int model);
ReadFile<SmtpFacts> readSmtpFile(const QByteArray& bytes, SmtpForm form, int model);

} // namespace kestrova::plan
