#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

/// A failure that the program reports to the user with exactly this text.
/// Handlers catch it at their boundary; what they did before the throw stays
/// done.
class LoopwrightError : public std::runtime_error
{
public:
    explicit LoopwrightError(const std::string &message) : std::runtime_error(message) { }
};

namespace errors {
/// Longest part of a text, in characters (code points), that a message
/// quotes: a megabyte typed or pasted into a field must not become a
/// megabyte of message on every tick.
inline constexpr std::size_t kQuotedCharacters = 64;

/// \a text as a message quotes it: whole when it has at most
/// kQuotedCharacters characters, else its first kQuotedCharacters and "…".
/// A byte that is not part of a UTF-8 sequence counts as one character.
std::string excerpt(std::string_view text);

inline constexpr const char *kDivisionByZero = "Floating point division by zero";
inline constexpr const char *kInvalidOperation = "Invalid floating point operation";

/// "'abc' is not a valid floating point value"
LoopwrightError notADecimal(std::string_view text);
/// "'abc' is not a valid integer value"
LoopwrightError notAWholeNumber(std::string_view text);
} // namespace errors

/// Divides as the program's arithmetic does: a zero divisor is an error,
/// never an infinity or a NaN that would spread silently through the loop.
inline double checkedDivide(double dividend, double divisor)
{
    if (divisor == 0.0) {
        // 0/0 (and NaN/0) is an invalid operation, x/0 a division by zero.
        const bool invalid = dividend == 0.0 || dividend != dividend;
        throw LoopwrightError(invalid ? errors::kInvalidOperation : errors::kDivisionByZero);
    }
    return dividend / divisor;
}
