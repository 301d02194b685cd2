// What the help pages say of the estimate's limits, in their words: the main window prints it at
// the foot of the curve's page too.
#pragma once

namespace Caution {

inline constexpr const char16_t *evaluationNotMeasure
        = u"MAIS ATTENTION ! IL NE S'AGIT QUE D'ÉVALUATION ET NON DE MESURE !";
inline constexpr const char16_t *individualVariations
        = u"Il existe en effet d'importantes VARIATIONS INDIVIDUELLES portant sur la tolérance à "
          u"alcoolémie égale et sur la rapidité du retour à la normale après l'absorption de "
          u"boissons alcoolisées.";

} // namespace Caution
