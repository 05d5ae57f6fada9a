#pragma once

#include "bailoutmenu.h"
#include "drillcontroller.h"
#include "engine/simulationstate.h"
#include "exportcontroller.h"
#include "graph/tdivegraph.h"
#include "history/divehistory.h"
#include "language.h"
#include "setup/options.h"
#include "taboutform.h"
#include "tdivecomputer.h"
#include "tform1.h"
#include "tloopdetales.h"

#include <filesystem>
#include <optional>

/// The program's run: the one simulation state, dive history and dive log
/// for export, and the four windows, created in their order (main window,
/// About, graph, loop details), the dive computer, the drills and the bailout
/// menu, kept until the end. Needs a QApplication.
class LoopwrightApp
{
public:
    /// Names the program for the system: its name (which also names its
    /// per-user settings folder) and its desktop file, through which the task
    /// bar shows the program's name and icon. Needs a QApplication.
    static void nameApplication();

    /// "config.ini" beside the program's executable, or in the per-user
    /// configuration folder when the program's folder cannot take it
    /// (chooseSettingsFile).
    static std::filesystem::path settingsLocation();

    /// \a settingsFile is read at start-up and written on close and by the
    /// named presets. Without one (tools, benchmarks) the windows keep their
    /// design state and nothing is ever read or written.
    explicit LoopwrightApp(std::optional<std::filesystem::path> settingsFile);

    /// What follows the windows' creation: the main window loads its
    /// settings, then the loop details dialog reads its own and derives the
    /// main window's loop volume fields (an error is reported, start-up goes
    /// on). When the settings file does not exist yet, the defaults and the
    /// eCCR type are applied last.
    void startUp();

    /// Switches the interface to the language for this run: \a commandLine's,
    /// else the one the settings file keeps, else the system's. After
    /// startUp().
    void chooseLanguage(std::optional<Language> commandLine);

    /// Shows the main window and, unless the user closed it last time, the
    /// dive computer beside it.
    void showWindows();

    SimulationState state;
    DiveHistory history;
    TForm1 form {state, history};
    TAboutForm about {&form};
    TDiveGraph graph {history, &form};
    TLoopdetales details {form.params(), &form};
    TDiveComputer diveComputer {form.simulation(), &form};
    DrillController drills {form, diveComputer};
    BailoutMenu bailout {form, [this](const std::string &words) { drills.perform(words); }};
    ExportController diveExport {form};

private:
    std::optional<std::filesystem::path> m_settingsFile;
    std::string m_keptLanguage;
};
