#include "engine/parametersource.h"

#include "util/numtext.h"

double ParameterSource::decimal(Edit field) const
{
    return numtext::parseDecimal(text(field));
}

int ParameterSource::whole(Edit field) const
{
    return numtext::parseWhole(text(field));
}

void ParameterSource::setNumber(Edit field, double value)
{
    setText(field, numtext::formatGeneral(value));
}
