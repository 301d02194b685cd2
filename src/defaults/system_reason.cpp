#include "system_reason.h"

#include <QtGlobal>

#include <cerrno>

using namespace Qt::StringLiterals;

QString systemReason(int error)
{
    // The reasons a save can meet that Qt leaves to the C library, in the C library's own
    // French words.
    switch (error) {
    case EPERM:
        return u"Opération non permise"_s;
    case EROFS:
        return u"Système de fichiers accessible en lecture seulement"_s;
    case EDQUOT:
        return u"Débordement du quota d'espace disque"_s;
    case EFBIG:
        return u"Fichier trop gros"_s;
    case EIO:
        return u"Erreur d'entrée/sortie"_s;
    case ENOTDIR:
        return u"N'est pas un dossier"_s;
    case EISDIR:
        return u"est un dossier"_s;
    case ELOOP:
        return u"Trop de niveaux de liens symboliques"_s;
    case ENAMETOOLONG:
        return u"Nom de fichier trop long"_s;
    case ENFILE:
        return u"Trop de fichiers ouverts dans le système"_s;
    case EBUSY:
        return u"Périphérique ou ressource occupé"_s;
    case ETXTBSY:
        return u"Fichier texte occupé"_s;
    case EEXIST:
        return u"Le fichier existe"_s;
    case ENXIO:
        return u"Aucun périphérique ou adresse"_s;
    case ESTALE:
        return u"Panne d'accès au fichier"_s;
    case ENOMEM:
        return u"Ne peut allouer de la mémoire"_s;
    default:
        // Permission, missing file, full disk, too many open files: Qt's own words, which its
        // translations give in the user's language.
        return qt_error_string(error);
    }
}
