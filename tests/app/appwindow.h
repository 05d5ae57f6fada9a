#pragma once

#include "app/loopwrightapp.h"

#include <QStringList>

#include <gtest/gtest.h>

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
