#pragma once

#include "app/loopwrightapp.h"

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
};
