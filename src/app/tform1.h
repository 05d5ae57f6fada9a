#pragma once

#include "drills/commands.h"
#include "engine/mainview.h"
#include "engine/parameters.h"
#include "engine/simulation.h"
#include "mainmenu.h"
#include "setup/formcontrols.h"
#include "util/errorfilter.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

class CounterlungView;
class FormParameterSource;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class TAboutForm;
class TDiveComputer;
class TDiveGraph;
class TGradientTrackBar;
class TLoopdetales;

/// The main window: every input, the instrument console, the tissue table,
/// the run buttons and the simulation timer. It only shows and forwards: the
/// engine reads the inputs through a parameter source over these widgets, and
/// after every handler the window copies the engine's view into the widgets
/// whose text, colour or position changed. The defaults, the type presets
/// and the settings file act on the controls through FormControls.
class TForm1 : public QWidget, public FormControls
{
    Q_OBJECT

public:
    /// \a state and \a history belong to the application and outlive the window.
    TForm1(SimulationState &state, DiveHistory &history, QWidget *parent = nullptr);
    ~TForm1() override;

    /// The windows the main window opens; set once they exist.
    void setDialogs(TAboutForm *about, TDiveGraph *graph, TLoopdetales *details);
    /// The dive computer window, told of every handler's result; "Вид →
    /// Дайв-компьютер" shows and hides it.
    void setDiveComputer(TDiveComputer *diveComputer);
    /// Shows or hides the dive computer window as the menu item does.
    void showDiveComputer(bool show);

    /// Where error messages go; by default an application-modal message box
    /// that does not block the handler (tests count the messages instead).
    void setErrorSink(std::function<void(const QString &)> sink);

    /// The settings file that closing writes and the named presets use; none
    /// (the default) leaves closing and the preset buttons without effect.
    void setSettingsFile(std::optional<std::filesystem::path> path);

    /// Asked, with the error's text, when closing cannot write the settings
    /// file: true closes without saving, false keeps the window open. By
    /// default a message box offering both.
    void setCloseQuestion(std::function<bool(const QString &)> question);

    /// The language the user chose from the menu, written to the settings
    /// file on closing ("ru", "en"; empty: none chosen).
    void setKeptLanguage(std::string code) { m_keptLanguage = std::move(code); }
    /// The folder of the last dive export, written to the settings file on
    /// closing (UTF-8; empty: none yet).
    void setExportFolder(std::string folder) { m_exportFolder = std::move(folder); }
    const std::string &exportFolder() const { return m_exportFolder; }

    ParameterSource &params();
    Simulation &simulation() { return *m_simulation; }

    QLineEdit *edit(Edit field) const { return m_edits[editIndex(field)]; }
    TGradientTrackBar *slider(Slider s) const { return m_sliders[int(s)]; }
    QCheckBox *check(Check box) const { return m_checks[int(box)]; }
    QTimer &timer() { return m_timer; }
    const MainMenu &menu() const { return m_menu; }
    /// The area below the menu bar that holds the designed controls.
    QWidget *client() const { return m_client; }

    // The handlers, named after their controls and events.
    void buttonstartClick();
    void Button4Click();
    void Button1Click();
    void Button2Click();
    void Button5Click();
    void TimerPPO2Timer();
    void Button9Click();
    void Button10Click();
    void Button11Click();
    void Button3Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    /// Writes the settings file; false when the window is to stay open.
    bool FormClose();

    /// While locked (a drill flies) the failure boxes are disabled whatever
    /// a type preset says: they show the user's own failures, and a drill's
    /// are its own (SimulationState::drillFaults).
    void setFailuresLocked(bool locked);

    /// Shows \a message as the window reports an error.
    void reportError(const QString &message);
    /// Copies the engine's view into the widgets (after a listener changed
    /// the simulation outside the window's own handlers).
    void applyView();

signals:
    /// "ПОГРУЖЕНИЕ" was pressed (whether or not the start succeeded).
    void diveStarted();
    /// A timer tick ran; \a completed is false when it ended on an error.
    /// The view is applied after the listeners.
    void ticked(bool completed);
    /// "СБРОС" was pressed.
    void diveReset();
    /// The user did something a diver does, in the scenario language's
    /// words: a bypass pressed or released, a setpoint box, the diluent
    /// solenoid switched off or on, a slider let go at a new position, a field
    /// edited.
    void traineeAction(const ScenarioCommand &action);

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // FormControls, over the widgets.
    std::string text(Edit field) const override;
    void setText(Edit field, std::string_view text) override;
    std::string detailText(int index) const override;
    void setDetailText(int index, std::string_view text) override;
    bool isTypeChecked(RebreatherType type) const override;
    void setTypeChecked(RebreatherType type, bool checked) override;
    bool isChecked(Check box) const override;
    void setChecked(Check box, bool checked) override;
    void setCheckEnabled(Check box, bool enabled) override;
    void setFieldEnabled(Edit field, bool enabled) override;
    void setCaptionColour(Edit field, Rgb colour) override;
    void setDilBypassAvailable(bool available) override;
    void setPosition(Slider slider, int position) override;
    void setPresetNames(const std::vector<std::string> &names) override;
    std::optional<std::string> selectedPreset() const override;

    void typeChecked(int index);
    template<typename Operation>
    void withSettingsFile(Operation &&operation);

    void findControls(); // by their design names, after layOutWindow made them
    void connectButtons();
    void connectReactions();
    void connectTraineeActions();
    void connectMenu();

    /// Runs a button handler: the error it meets is reported, and in any case
    /// the view is applied, since what the handler did before stays done.
    template<typename Handler>
    void runHandler(Handler &&handler);
    void applyConsole(const ConsoleView &now, ConsoleView &shown);
    void applyDeco(const DecoView &now, DecoView &shown);
    void showNoDecoTime(const std::string &time);
    void applyControls(const RunControls &c);

    std::unique_ptr<FormParameterSource> m_params;
    std::unique_ptr<Simulation> m_simulation;
    QTimer m_timer;
    RepeatedErrorFilter m_tickErrors;
    std::function<void(const QString &)> m_errorSink;
    std::function<bool(const QString &)> m_closeQuestion;
    std::optional<std::filesystem::path> m_settingsPath;
    std::string m_keptLanguage;
    std::string m_exportFolder;

    TAboutForm *m_about = nullptr;
    TDiveGraph *m_graph = nullptr;
    TLoopdetales *m_details = nullptr;
    TDiveComputer *m_diveComputer = nullptr;
    MainMenu m_menu;
    QWidget *m_client = nullptr;

    std::array<QLineEdit *, kEditCount> m_edits {};
    std::array<TGradientTrackBar *, kSliderCount> m_sliders {};
    std::array<QCheckBox *, kCheckCount> m_checks {};
    std::array<QRadioButton *, kTypeCount> m_types {}; // RadioButton2..RadioButton5
    std::array<QLabel *, kEditCount> m_captions {}; // null for Edit22 and Edit25
    QListWidget *m_presets = nullptr;

    QPushButton *m_buttonstart = nullptr;
    QPushButton *m_button4 = nullptr;
    QPushButton *m_button1 = nullptr;
    QPushButton *m_button2 = nullptr;
    QPushButton *m_bitBtn1 = nullptr;
    QPushButton *m_bitBtn2 = nullptr;
    QPushButton *m_button10 = nullptr;

    QLabel *m_labelO2burncurrent = nullptr;
    QLabel *m_labelsetmaxdepth = nullptr;
    QLabel *m_labelsetstartdepth = nullptr;

    // Console and decompression display.
    QLabel *m_labelppo2 = nullptr;
    QLabel *m_labeldepth = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_labelppn2 = nullptr;
    QLabel *m_labelpphe = nullptr;
    QLabel *m_label80 = nullptr;
    QLabel *m_label16 = nullptr;
    QLabel *m_label17 = nullptr;
    QLabel *m_label18 = nullptr;
    QLabel *m_imgmain = nullptr;
    CounterlungView *m_imgcounterlung = nullptr;
    QLabel *m_label62 = nullptr;
    QLabel *m_label63 = nullptr;
    QLabel *m_label66 = nullptr;
    QProgressBar *m_progressBar1 = nullptr;
    std::array<QLabel *, 16> m_ceilingCells {};
    std::array<QLabel *, 16> m_heCells {};
    std::array<QLabel *, 16> m_n2Cells {};

    MainView m_shown; // what the widgets show now
    std::array<bool, kCheckCount> m_checkEnabled; // as the presets left them
    bool m_failuresLocked = false;
    std::array<int, kSliderCount> m_grabbedAt {}; // the position a mouse press found
    bool m_setpointRuleRunning = false;
    bool m_startDepthLocked = false;
};
