#include "defaults_record.h"

DefaultsRecord::DefaultsRecord()
{
    for (const DrinkCategoryInfo &drink : drinkCategories)
        (*this)[drink.category] = {std::string(drink.factoryVolume),
                                   std::string(drink.factoryDegree)};
}
