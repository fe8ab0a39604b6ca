#pragma once

namespace kestrova {

// The variants of each setup form; which model gets which is decided by the routing.
enum class CameraForm { A, B, C };
enum class MmsForm { A, B };
enum class SmtpForm { A, B };

} // namespace kestrova
