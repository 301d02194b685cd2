// What the curve window's printed page tells, in the main window's words: the person and the
// drinks as the boxes hold them, the options in force, the result shown and the help pages'
// caution.
#include "sobrimetre.h"

#include "curve/page_facts.h"
#include "engine/curve_peak.h"
#include "windows/caution.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {

// A box's text as typed, without the blanks around it; an empty box says so.
QString typed(const QLineEdit *box, const QString &whenEmpty)
{
    const QString text = box->text().trimmed();
    return text.isEmpty() ? whenEmpty : text;
}

} // namespace

PageFacts Sobrimetre::pageFacts() const
{
    PageFacts facts;
    const QString weight = Poids->text().trimmed();
    const QString delay = typed(Délai, u"0"_s);
    facts.person = {
            {u"Poids"_s, weight.isEmpty() ? u"non indiqué"_s : weight + u" kg"_s},
            {u"Sexe"_s, OptionH->isChecked() ? u"homme"_s : u"femme"_s},
            {u"Corpulence"_s, CorpuN->isChecked() ? u"normale"_s : u"forte"_s},
            {u"Repas"_s, CocheR->checkState() == Qt::Checked ? u"oui"_s : u"non"_s},
            {u"Dernier verre"_s,
             u"il y a %1 %2"_s.arg(delay,
                                   QString::fromUtf8(hourUnit(readDelay(delay.toStdString()))))},
    };
    for (const DrinkCategoryInfo &drink : drinkCategories) {
        const DrinkColumn &column = drinkColumn(drink.category);
        facts.drinks.append({QString::fromUtf8(drink.heading), typed(column.count, u"0"_s),
                             typed(column.volume, u"-"_s), typed(column.degree, u"-"_s)});
    }
    QStringList options{SeuilProbatoire->isChecked()
                                ? u"seuil de 0,2 g/l (permis probatoire, transport en commun)"_s
                                : u"seuil de 0,5 g/l"_s};
    if (EstimationPrudente->isChecked())
        options << u"estimation prudente (écarts entre personnes)"_s;
    if (keepsJournal()) {
        options << u"journal de la soirée"_s;
        facts.glasses = journalGlassesOnPage();
    }
    facts.options = options.join(u", "_s);

    facts.result = {{u"Alcoolémie estimée"_s, withDecimalPoint(m_shown.level) + u" g/l"_s}};
    if (m_shown.estimated) {
        const QString range = spreadRangeOf(m_shown);
        if (!range.isEmpty()) {
            if (m_shown.prudent)
                facts.result.append(
                        {u"Estimation moyenne"_s, withDecimalPoint(m_shown.middle) + u" g/l"_s});
            facts.result.append({u"Selon les personnes"_s, range});
        }
        facts.result.append({u"Verdict"_s, QString::fromUtf8(verdictInWords(m_shown.verdict))});
        facts.result.append({u"Attendre encore"_s, QString::fromStdString(m_shown.wait) + u' '
                                                           + QString::fromUtf8(m_shown.waitUnit)});
        if (!m_shownTips.driveAt.isEmpty())
            facts.result.append({u"Conduite possible"_s, m_shownTips.driveAt});
    } else {
        facts.result.append({u"Verdict"_s, u"aucune estimation"_s});
    }
    facts.caution = QString::fromUtf16(Caution::evaluationNotMeasure) + u' '
                    + QString::fromUtf16(Caution::individualVariations);
    return facts;
}
