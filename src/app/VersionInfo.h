#pragma once
// The program's version information: numbers, maker and legal texts, shown
// by the splash window and the about box.
#include <QString>

namespace versioninfo {

inline constexpr int Major = CORKCRAFTER_VERSION_MAJOR;
inline constexpr int Minor = CORKCRAFTER_VERSION_MINOR;
inline constexpr int Revision = CORKCRAFTER_VERSION_REVISION;

inline constexpr const char* CompanyName = "Kelvane Software";
inline constexpr const char* Copyright = "Copyright \u00A9 Kelvane Software";
inline constexpr const char* LegalTrademarks =
    "Corkcrafter is a trademark of Kelvane Software. Other names may be trademarks of their owners. "
    "This program is provided as is, without warranty of any kind.";

// "2.15": the minor number always with two digits.
inline QString majorMinor() { return QString("%1.%2").arg(Major).arg(Minor, 2, 10, QChar('0')); }
// "2.15.74"
inline QString full() { return majorMinor() + "." + QString::number(Revision); }

} // namespace versioninfo
