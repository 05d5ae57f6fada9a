#pragma once

#include <cstdint>
#include <string>
#include <string_view>

/// What a label shows: a fixed text, a number in the general format, or a
/// time of day. Numbers and times are kept as values and formatted only when
/// someone looks, so the tick itself never formats text.
class Readout
{
public:
    enum class Kind : std::uint8_t { Text, Number, TimeOfDay };

    Readout() = default;
    explicit Readout(std::string_view text) : m_text(text) { }

    void setText(std::string_view text);
    /// \a value is shown with the general format (already rounded by the caller).
    void setNumber(double value)
    {
        m_kind = Kind::Number;
        m_value = value;
    }
    /// \a msOfDay (0..86 399 999) is shown as "H:mm:ss".
    void setTimeOfDay(std::int64_t msOfDay)
    {
        m_kind = Kind::TimeOfDay;
        m_value = double(msOfDay);
    }

    Kind kind() const { return m_kind; }
    double value() const { return m_value; }
    /// The text a person sees.
    std::string display() const;

    friend bool operator==(const Readout &a, const Readout &b)
    {
        if (a.m_kind != b.m_kind)
            return false;
        return a.m_kind == Kind::Text ? a.m_text == b.m_text : a.m_value == b.m_value;
    }

private:
    Kind m_kind = Kind::Text;
    double m_value = 0.0;
    std::string m_text;
};
