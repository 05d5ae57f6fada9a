#pragma once

#include <string>
#include <string_view>

/// The text of an input field with what it parses to remembered: a tick reads
/// the same unchanged texts many times and parses each of them once. Reading
/// stays exactly "parse the current text": a new text forgets the values.
class FieldText
{
public:
    const std::string &text() const { return m_text; }
    /// Stores \a text; returns false when it was already the text.
    bool assign(std::string_view text);

    /// The text as a decimal number; throws the conversion error.
    double decimal() const;
    /// The text as a whole number; throws the conversion error.
    int whole() const;

    /// Whether the text is the general-format text of \a value, as written
    /// by rememberNumber (so writing the same number again can be skipped).
    bool showsNumber(double value) const { return m_numberKnown && m_number == value; }
    void rememberNumber(double value)
    {
        m_numberKnown = true;
        m_number = value;
    }

private:
    std::string m_text;
    mutable bool m_decimalKnown = false;
    mutable bool m_wholeKnown = false;
    mutable double m_decimal = 0.0;
    mutable int m_whole = 0;
    bool m_numberKnown = false;
    double m_number = 0.0;
};
