// The program's name, version and credit texts, shown alike by the splash window, the About
// window and the header of both help pages.
#pragma once

#include <QString>

namespace Credits {

inline QString programName()
{
    return QStringLiteral("Sobrimetre");
}

inline QString version()
{
    return QStringLiteral("version 4.0");
}

inline QString copyright()
{
    return QStringLiteral("© 2026 les auteurs de Sobrimetre");
}

inline QString rightsReserved()
{
    return QStringLiteral("Tous droits réservés.");
}

} // namespace Credits
