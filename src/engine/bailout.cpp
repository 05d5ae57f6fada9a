#include "engine/bailout.h"

#include "util/numtext.h"

std::string_view breathingName(Breathing breathing)
{
    switch (breathing) {
    case Breathing::Gas1:
        return "1";
    case Breathing::Gas2:
        return "2";
    case Breathing::Loop:
        break;
    }
    return "loop";
}

std::string mixText(const BailoutGas &gas)
{
    return numtext::formatGeneral(gas.o2Percent) + '/' + numtext::formatGeneral(gas.hePercent);
}
