#include "defaults_record.h"

DrinkDefaults factoryDrinkDefaults(DrinkCategory category)
{
    switch (category) {
    case DrinkCategory::A:
        return {"4", "44"};
    case DrinkCategory::B:
        return {"25", "5"};
    case DrinkCategory::C:
        return {"12", "12"};
    case DrinkCategory::D:
        return {"4", "40"};
    case DrinkCategory::K:
        return {"12", "12"};
    case DrinkCategory::V:
        return {"12", "11"};
    }
    return {};
}

DefaultsRecord::DefaultsRecord()
{
    for (const DrinkCategory category : onScreenOrder)
        (*this)[category] = factoryDrinkDefaults(category);
}
