#pragma once

#include "plan/plan_inputs.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace kestrova::plan {

// The DCIM files counted at most: enough to tell an emptied card from a used one, quick on a
// card full of pictures.
inline constexpr int dcimCountLimit = 10000;

// The facts of the volume the folder lies on, and the pictures its DCIM holds unless
// `countPictures` is false. Nothing known for a folder that does not exist or lies on no volume
// that answers.
CardFacts readCardFacts(const QString& folder, bool countPictures = true);

// What the settings files in the folder say, read as the model's forms wrote them; a missing or
// damaged file says nothing.
CardFiles readCardFiles(const QString& folder, int model);
// The same of files' bytes (a kit's, say); nothing: no such file.
CardFiles cardFilesOf(const std::optional<QByteArray>& menu, const std::optional<QByteArray>& mms,
                      const std::optional<QByteArray>& smtp, int model);

} // namespace kestrova::plan
