#pragma once

#include "deco/bailoutplan.h"
#include "deco/forecast.h"
#include "deco/plan.h"
#include "engine/mainview.h"
#include "engine/parametersource.h"
#include "engine/simulationstate.h"
#include "history/divehistory.h"

enum class Bypass { O2, Diluent };

/// Run control and the simulation tick over one dive. The handlers work in
/// a fixed order of steps; a conversion or division error ends a handler at
/// the step that meets it (the exception carries the message) and the steps
/// before stay done, in the state and in the view alike.
class Simulation
{
public:
    Simulation(ParameterSource &params, SimulationState &state, DiveHistory &history);

    /// "ПОГРУЖЕНИЕ" (buttonstartClick).
    void start();
    /// "ПАУЗА" (Button4Click).
    void pause();
    /// "ПРОДОЛЖИТЬ" (Button1Click).
    void resume();
    /// "СБРОС" (Button2Click).
    void reset();
    /// One timer tick (TimerPPO2Timer): moves the diver, mixes the loop, fires
    /// the valves, loads the tissues, records the history, advances the clock.
    void tick();
    /// "Обновить бездек. время" (Button5Click): the no-decompression forecast.
    void updateNoDecoTime();
    /// The dive computer's ascent from the current state holding the active
    /// setpoint (the cells' voted PPO2 when none is), at its gradient factors:
    /// reads the ascent rate, the conservatism and the setpoint, in that
    /// order, and throws their conversion errors.
    DecoPlan decoPlan() const;
    /// "Bail out now": the ascent on the bailout gases from the current
    /// state, at the dive computer's gradient factors; reads the ascent rate
    /// and the conservatism, in that order, and throws their conversion
    /// errors. None when no bailout gas is carried.
    std::optional<BailoutPlan> bailoutPlan() const;
    /// The dive computer's no-decompression forecast on what the diver breathes: the
    /// surface within reach at its high gradient factor, the step limited to
    /// 1..60 s without writing the field back; nothing is shown.
    ForecastResult liveNoDecoForecast() const;
    /// True when liveNoDecoForecast() is sure to say "Вечн" (see
    /// forecastNeverEnds); reads the conservatism.
    bool liveForecastNeverEnds() const;
    /// The conservatism as the dive computer counts it: the field's value,
    /// or 0 when it is negative (a dive computer never plans a shorter
    /// ascent than the raw model).
    double diveComputerConservatism() const;
    /// Whether the failure of \a box (a solenoid stuck open) is in effect:
    /// the user's box is checked or a flying drill has set it.
    bool failed(Check box) const;
    /// Sets a failure: a flying drill's own when one flies, else the user's
    /// box.
    void setFailure(Check box, bool on);
    /// Mouse press or release on a bypass button; ignored while it is disabled.
    void bypassMouse(Bypass which, bool pressed);

    const MainView &view() const { return m_view; }
    const SimulationState &state() const { return m_state; }
    SimulationState &state() { return m_state; }
    const DiveHistory &history() const { return m_history; }
    ParameterSource &params() { return m_params; }
    const ParameterSource &params() const { return m_params; }

private:
    double perTick(double ratePerMinute) const;
    void normaliseTickMs();
    void normaliseDecoStep();
    void setTimerInterval();
    void fillEmptyFields();
    void valveLampRefresh();
    void moveDepth();
    void metabolismStep(double dilO2Percent);
    void valveRules(double dilO2Percent);
    void compositionStep(double dilO2Percent, double dilHePercent);
    void cellStep();
    void gasStep();
    void onLoopWithFullBailout();
    void breatheTheLoop();
    void colourPpo2();
    void showReadouts();
    void decoStep();
    void drawCounterlung();
    void placeDiver();
    void advanceClock();
    void measureGradientFactors();

    void addDiluent(double amount, double dilO2Percent);
    void addOxygen(double amount);
    double fromO2Cylinder(double amount) const;
    double fromDilCylinder(double amount) const;
    void ventLoop(double amount);
    double ambientPressure() const;

    ParameterSource &m_params;
    SimulationState &m_state;
    DiveHistory &m_history;
    MainView m_view;
};
