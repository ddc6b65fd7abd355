#include "DialogErrors.h"

namespace tav::components {

QString dialogErrorText(int code)
{
    switch (code) {
    case 0xFFFF: return QStringLiteral("Dialog Failure");
    case 0: return QStringLiteral("General Codes Failure");
    case 1: return QStringLiteral("Structure Size Error");
    case 2: return QStringLiteral("Initialization Failure");
    case 3: return QStringLiteral("No Template");
    case 4: return QStringLiteral("No Instance Handle");
    case 5: return QStringLiteral("Load String Failure");
    case 6: return QStringLiteral("Find Resource Failure");
    case 7: return QStringLiteral("Load Resource Failure");
    case 8: return QStringLiteral("Lock Resource Failure");
    case 9: return QStringLiteral("Memory Allocation Failure");
    case 10: return QStringLiteral("Memory Lock Failure");
    case 11: return QStringLiteral("No Hook");
    case 12: return QStringLiteral("Register Message Failure");
    case 0x3000: return QStringLiteral("File Name Codes Error");
    case 0x3001: return QStringLiteral("Subclassing Failure");
    case 0x3002: return QStringLiteral("Invalid File Name");
    case 0x3003: return QStringLiteral("File Name/Title Buffer Too Small");
    default: return QStringLiteral("Unknown Error");
    }
}

} // namespace tav::components
