#include "engine/fieldtext.h"

#include "util/numtext.h"

bool FieldText::assign(std::string_view text)
{
    if (m_text == text)
        return false;
    m_text.assign(text.data(), text.size());
    m_decimalKnown = false;
    m_wholeKnown = false;
    m_numberKnown = false;
    return true;
}

double FieldText::decimal() const
{
    if (!m_decimalKnown) {
        m_decimal = numtext::parseDecimal(m_text); // a failure is not remembered
        m_decimalKnown = true;
    }
    return m_decimal;
}

int FieldText::whole() const
{
    if (!m_wholeKnown) {
        m_whole = numtext::parseWhole(m_text);
        m_wholeKnown = true;
    }
    return m_whole;
}
