#pragma once

#include "app/loopwrightapp.h"

#include <QLabel>
#include <QStringList>

#include <gtest/gtest.h>

#include <ostream>

/// Qt texts in a failure's message as the text they hold.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

/// The program over the design state (no settings file), its main window
/// shown and the messages it would show collected instead.
struct AppWindow : testing::Test
{
    LoopwrightApp program {std::nullopt};
    TForm1 &form = program.form;
    QStringList messages;

    void SetUp() override
    {
        form.setErrorSink([this](const QString &m) { messages << m; });
        program.startUp();
        form.show();
    }

    /// The dive computer's label named \a name, its text, and whether it
    /// shows the alarm's red.
    QLabel *readout(const char *name) const
    {
        return program.diveComputer.findChild<QLabel *>(QLatin1String(name));
    }
    QString shown(const char *name) const { return readout(name)->text(); }
    bool red(const char *name) const
    {
        return readout(name)->palette().color(QPalette::Window) == QColor(230, 0, 0);
    }
};
