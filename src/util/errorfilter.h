#pragma once

#include <optional>
#include <string>

/// A handler that repeats (the simulation tick) meets the same failure again
/// and again while a field stays invalid. Its message is shown once, and
/// again only after the handler has succeeded, the message has changed or a
/// new run began, so the user is not buried under message boxes while the
/// simulation goes on.
class RepeatedErrorFilter
{
public:
    /// Whether a failure with \a message deserves a message box now.
    bool shouldShow(const std::string &message)
    {
        if (m_shown && *m_shown == message)
            return false;
        m_shown = message;
        return true;
    }
    /// The handler succeeded or a new run begins: the next failure is news.
    void forget() { m_shown.reset(); }

private:
    std::optional<std::string> m_shown;
};
