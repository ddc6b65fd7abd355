#pragma once

#include <QString>

namespace tav::components {

// The text recorded for a failure code: "General Codes Failure" for a cancel, "Unknown Error" for
// a code the table does not know.
QString dialogErrorText(int code);

} // namespace tav::components
