#include "readout.h"

#include "util/numtext.h"

void Readout::setText(std::string_view text)
{
    m_kind = Kind::Text;
    m_text.assign(text.data(), text.size());
}

std::string Readout::display() const
{
    switch (m_kind) {
    case Kind::Number:
        return numtext::formatGeneral(m_value);
    case Kind::TimeOfDay:
        return numtext::formatLongTime(static_cast<std::int64_t>(m_value));
    case Kind::Text:
        break;
    }
    return m_text;
}
