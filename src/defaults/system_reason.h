// Why a file operation failed, in French whatever the C library's language: Qt's translations
// give its few reasons by the user's language, but the system's other reasons come from the C
// library, in English where the French locale is not installed.
#pragma once

#include <QString>

// The reason for the error number error, as the warning of a failed save shows it.
QString systemReason(int error);
