// The one rule that ties two JobSettings fields together.

#include "settings/JobSettings.h"

std::string ComentCharFor(int Coment)
{
    switch (Coment) {
    case 2:
        return "@";
    case 3:
        return "!";
    case 4:
        return "*";
    default:
        return "#";
    }
}
