#pragma once

#include <QString>

namespace tav::platform {

// Captions are kept verbatim, access-key "&" included. What a label shows: a single "&" marks the
// access key and is not drawn, "&&" draws one "&".
QString displayedCaption(const QString& caption);

// The letter after the caption's single "&", upper-cased; a null character when there is none.
QChar accessKeyOf(const QString& caption);

} // namespace tav::platform
