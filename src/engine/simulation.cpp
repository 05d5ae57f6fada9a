#include "engine/simulation.h"

#include "engine/console.h"

#include "deco/decodisplay.h"
#include "deco/forecast.h"
#include "util/error.h"
#include "util/numtext.h"

#include <algorithm>

using numtext::nearest1;
using numtext::nearest2;

namespace {

constexpr std::int64_t kMsPerDay = 86400000;

double band(double setpoint)
{
    return setpoint / 100.0 * 5.0;
}

// What a cylinder holding \a left delivers when \a amount is asked of it:
// never more than it holds, nothing at all through a closed valve. A negative
// amount (a negative flow typed in) passes as it stands.
double delivered(double amount, double left, bool valveOpen)
{
    return std::min(amount, valveOpen ? std::max(left, 0.0) : 0.0);
}

} // namespace

Simulation::Simulation(ParameterSource &params, SimulationState &state, DiveHistory &history)
    : m_params(params), m_state(state), m_history(history)
{ }

double Simulation::ambientPressure() const
{
    return 0.1 * m_state.currentDepthM + 1.0;
}

// A rate per minute applied for one tick: rate / (60000 / TickMs), in this
// form, with TickMs read from its field at each use.
double Simulation::perTick(double ratePerMinute) const
{
    const double stepsPerMinute = checkedDivide(60000.0, m_params.tickMs());
    return checkedDivide(ratePerMinute, stepsPerMinute);
}

void Simulation::fillEmptyFields()
{
    for (int i = 0; i < kEditCount; ++i) {
        if (m_params.text(editAt(i)).empty())
            m_params.setText(editAt(i), "0");
    }
}

void Simulation::start()
{
    RunControls &c = m_view.controls;
    SimulationState &s = m_state;
    s.oxygen = {};
    s.gf99 = 0.0;
    s.surfaceGf = 0.0;
    onLoopWithFullBailout();
    c.pauseEnabled = true;
    c.startEnabled = false;
    c.resetEnabled = false;
    s.o2SupplyLeft = m_params.o2SupplyVolume();
    s.o2SupplyAtStart = s.o2SupplyLeft;
    s.dilSupplyLeft = m_params.dilSupplyVolume();
    s.dilSupplyAtStart = s.dilSupplyLeft;
    s.loopO2Percent = m_params.startPPO2() * 100.0;
    c.timerOn = true;
    s.loopGas = m_params.startLoopVolume();
    s.o2BypassHeld = false;
    s.dilBypassHeld = false;
    s.currentDepthM = m_params.startDepth();
    s.loopPPO2 = m_params.startPPO2();
    c.o2BypassEnabled = true;
    c.dilBypassEnabled = s.dilBypassAvailable;
    c.graphEnabled = false;
    fillEmptyFields();
    // Nitrogen first: with both start fields bad, the message names that one.
    const double startN2 = m_params.startTissueN2();
    startTissues(s.tissues, startN2, m_params.startTissueHe());
    // The dive's own safe ascent depth from the start, not the last dive's:
    // the dive log's first sample and the ceiling warning read it.
    computeCeilings(s.tissues, s.ceilings);
    s.cells.settle(s.loopPPO2);
    breatheTheLoop();
}

void Simulation::pause()
{
    RunControls &c = m_view.controls;
    c.timerOn = false;
    c.continueEnabled = true;
    c.resetEnabled = true;
    c.pauseEnabled = false;
    c.o2BypassEnabled = false;
    c.dilBypassEnabled = false;
    c.graphEnabled = true;
}

void Simulation::resume()
{
    RunControls &c = m_view.controls;
    c.timerOn = true;
    c.resetEnabled = false;
    c.continueEnabled = false;
    c.startEnabled = false;
    c.pauseEnabled = true;
    c.o2BypassEnabled = true;
    c.dilBypassEnabled = true; // whatever the type allows: the next tick corrects it
    c.graphEnabled = false;
    fillEmptyFields();
}

void Simulation::reset()
{
    RunControls &c = m_view.controls;
    ConsoleView &v = m_view.console;
    SimulationState &s = m_state;
    // A new dive starts with both cylinders open, before anything can fail.
    s.o2ValveOpen = true;
    s.dilValveOpen = true;
    s.cells.makeOk();
    s.oxygen = {};
    s.gf99 = 0.0;
    s.surfaceGf = 0.0;
    onLoopWithFullBailout();

    m_params.setPosition(Slider::o2Consumption, 0);
    s.o2ConsumptionLpm = 0.0;
    m_params.setPosition(Slider::startDepth, 0);
    m_params.setPosition(Slider::maxDepth, 0);
    s.maxDepthM = 0;

    v.o2Used.setText("0");
    v.dilUsed.setText("0");
    v.co2.setText("0");
    v.ppo2.setText("N/A");
    v.ppn2.setText("N/A");
    v.depth.setText("N/A");
    v.diveTime.setText("");
    v.pphe.setText("N/A");

    s.o2Used = 0.0;
    s.o2Metabolised = 0.0;
    s.dilUsed = 0.0;
    s.loopPPO2 = 0.0;
    s.simClockMs = kSimClockStartMs;
    s.currentDepthM = 0.0;

    c.continueEnabled = false;
    c.pauseEnabled = false;
    c.startEnabled = true;

    s.loopGas = m_params.startLoopVolume();

    v.diverTop = numtext::nearestPixel(m_params.startDepth() * 4.81, kPictureLimit) + 73;
    c.startDepthLocked = false;
    m_params.setChecked(Check::o2SolenoidStuck, false);
    m_params.setChecked(Check::dilSolenoidStuck, false);
    if (s.drillFaults)
        *s.drillFaults = {};
    m_params.setChecked(Check::opvLamp, true);
    c.o2BypassEnabled = false;
    c.dilBypassEnabled = false;
    for (Check lamp :
            {Check::o2SolenoidLamp, Check::dilSolenoidLamp, Check::o2AdvLamp, Check::dilAdvLamp})
        m_params.setChecked(lamp, true);
    m_history.clear();
    c.graphEnabled = false;
    // Nothing from here on can fail, so the idle look of the decompression
    // display (warning, Label62, bar and table) is set in one go.
    resetDecoDisplay(
            m_view.deco, m_params.text(Edit::startTissueN2), m_params.text(Edit::startTissueHe));
    s.cells.settle(s.loopPPO2);
    breatheTheLoop();
}

// The first thing the dive button and reset do, before anything can fail.
void Simulation::onLoopWithFullBailout()
{
    SimulationState &s = m_state;
    s.breathing = Breathing::Loop;
    s.bailoutLeft = {s.bailout.gases[0].litres, s.bailout.gases[1].litres};
    s.bailoutDelivered = 0.0;
    s.outOfGas = false;
}

// The last thing they do: the diver breathes the loop they leave.
void Simulation::breatheTheLoop()
{
    SimulationState &s = m_state;
    s.breathedPPO2 = s.loopPPO2;
    s.breathedPPN2 = s.loopPPN2;
    s.breathedPPHe = s.loopPPHe;
}

void Simulation::tick()
{
    m_state.o2ConsumptionLpm = m_params.o2Consumption();
    m_state.maxDepthM = m_params.maxDepth();
    normaliseTickMs();
    setTimerInterval();
    const double dilO2Percent = m_params.dilO2Percent();
    const double dilHePercent = m_params.dilHePercent();
    valveLampRefresh();
    m_view.controls.dilBypassEnabled = m_state.dilBypassAvailable;
    moveDepth();
    metabolismStep(dilO2Percent);
    valveRules(dilO2Percent);
    compositionStep(dilO2Percent, dilHePercent);
    cellStep();
    gasStep();
    colourPpo2();
    showReadouts();
    normaliseDecoStep();
    if (m_params.text(Edit::conservatism).empty())
        m_params.setText(Edit::conservatism, "0");
    decoStep();
    m_state.oxygen.breathe(m_state.breathedPPO2, m_params.tickMs() / 60000.0);
    drawCounterlung();
    placeDiver();
    m_history.record(m_state.simClockMs, m_state.currentDepthM, m_state.breathedPPO2,
            m_state.ceilings.safeAscentDepth);
    advanceClock();
    measureGradientFactors();
}

// Last, so that a tick that ends on an error keeps the values of the one
// before.
void Simulation::measureGradientFactors()
{
    SimulationState &s = m_state;
    const GradientFactorPair gf =
            leadingGradientFactors(s.tissues, 0.1 * s.currentDepthM + 1.0, 1.0);
    s.gf99 = gf.atP;
    s.surfaceGf = gf.atQ;
}

void Simulation::normaliseTickMs()
{
    if (m_params.tickMsWhole() > 1000)
        m_params.setText(Edit::tickMs, "1000");
    if (m_params.tickMsWhole() < 10)
        m_params.setText(Edit::tickMs, "10");
}

void Simulation::normaliseDecoStep()
{
    if (m_params.decoStepSeconds() < 1)
        m_params.setText(Edit::decoStepSeconds, "1");
    if (m_params.decoStepSeconds() > 60)
        m_params.setText(Edit::decoStepSeconds, "60");
}

void Simulation::setTimerInterval()
{
    const int tickMs = m_params.tickMsWhole();
    const auto shortening = numtext::nearestInt(tickMs / 100.0 * m_params.simSpeed());
    const auto interval = tickMs - shortening;
    m_view.controls.timerIntervalMs = interval < 1 ? 1 : int(interval);
}

void Simulation::valveLampRefresh()
{
    m_state.valveLampCounter += 1;
    if (m_state.valveLampCounter > 5) {
        for (Check lamp : {Check::dilSolenoidLamp, Check::o2SolenoidLamp, Check::o2AdvLamp,
                     Check::dilAdvLamp})
            m_params.setChecked(lamp, true);
        m_state.valveLampCounter = 0;
    }
}

void Simulation::moveDepth()
{
    SimulationState &s = m_state;
    const double target = s.maxDepthM;
    if (target > s.currentDepthM) {
        s.currentDepthM = s.currentDepthM + perTick(m_params.descentRate());
        if (target < s.currentDepthM)
            s.currentDepthM = target;
        m_view.controls.startDepthLocked = true;
    }
    if (target < s.currentDepthM) {
        s.currentDepthM = s.currentDepthM - perTick(m_params.ascentRate());
        if (target > s.currentDepthM)
            s.currentDepthM = target;
        m_view.controls.startDepthLocked = true;
    }
}

void Simulation::metabolismStep(double dilO2Percent)
{
    SimulationState &s = m_state;
    double uptake = perTick(s.o2ConsumptionLpm);
    s.loopO2Gas = s.loopGas / 100.0 * s.loopO2Percent;
    // The diver cannot take up oxygen that the loop does not hold, and takes
    // none from it while breathing a bailout gas.
    uptake = std::min(uptake, std::max(s.loopO2Gas, 0.0));
    if (s.breathing != Breathing::Loop)
        uptake = 0.0;
    double x = s.loopO2Gas - uptake;
    const double o2Flow = fromO2Cylinder(perTick(m_params.o2ConstantFlow()));
    x = o2Flow + x;
    const double co2 = uptake * kRespiratoryQuotient;
    x = m_params.regenerationRatio() * co2 + x;
    s.loopGas = s.loopGas + (x - s.loopO2Gas);
    s.loopO2Gas = x;

    const double dilFlow = fromDilCylinder(perTick(m_params.dilConstantFlow()));
    s.dilUsed += dilFlow;
    s.loopGas += dilFlow;
    s.loopO2Gas += dilFlow / 100.0 * dilO2Percent;

    s.o2SupplyLeft -= o2Flow;
    s.o2Metabolised += uptake;
    s.o2Used += o2Flow;
    s.dilSupplyLeft -= dilFlow;
}

double Simulation::fromO2Cylinder(double amount) const
{
    return delivered(amount, m_state.o2SupplyLeft, m_state.o2ValveOpen);
}

double Simulation::fromDilCylinder(double amount) const
{
    return delivered(amount, m_state.dilSupplyLeft, m_state.dilValveOpen);
}

void Simulation::addDiluent(double amount, double dilO2Percent)
{
    SimulationState &s = m_state;
    const double gas = fromDilCylinder(amount);
    s.dilUsed += gas;
    s.loopGas += gas;
    s.loopO2Gas += gas / 100.0 * dilO2Percent;
    s.dilSupplyLeft -= gas;
}

void Simulation::addOxygen(double amount)
{
    SimulationState &s = m_state;
    const double gas = fromO2Cylinder(amount);
    s.loopGas += gas;
    s.loopO2Gas += gas;
    s.o2Used += gas;
    s.o2SupplyLeft -= gas;
}

void Simulation::ventLoop(double amount)
{
    SimulationState &s = m_state;
    const double o2Percent = checkedDivide(s.loopO2Gas * 100.0, s.loopGas);
    s.loopGas -= amount;
    s.loopO2Gas -= amount / 100.0 * o2Percent;
}

void Simulation::valveRules(double dilO2Percent)
{
    SimulationState &s = m_state;
    ParameterSource &p = m_params;
    // What the cells voted after the previous tick's loop (or the dive
    // button's): the controller knows the loop only through them.
    const double ppo2 = s.cells.vote.voted;

    // 1, 2: the diluent solenoid holds PPO2 down to 5 % above each setpoint.
    if (!p.dilSolenoidDisabled() && p.setpoint1Active()
            && p.setpoint1() + band(p.setpoint1()) < ppo2) {
        addDiluent(perTick(p.dilSolenoidFlow()), dilO2Percent);
        p.setChecked(Check::dilSolenoidLamp, false);
    }
    if (!p.dilSolenoidDisabled() && p.setpoint2Active()
            && p.setpoint2() + band(p.setpoint2()) < ppo2) {
        addDiluent(perTick(p.dilSolenoidFlow()), dilO2Percent);
        p.setChecked(Check::dilSolenoidLamp, false);
    }
    // 3: a stuck diluent solenoid delivers whatever else says.
    if (failed(Check::dilSolenoidStuck)) {
        addDiluent(perTick(p.dilSolenoidFlow()), dilO2Percent);
        p.setChecked(Check::dilSolenoidLamp, false);
    }
    // 4: diluent bypass.
    if (s.dilBypassHeld && p.dilBypassFlow() > 0.0) {
        addDiluent(perTick(p.dilBypassFlow()), dilO2Percent);
        p.setChecked(Check::dilAdvLamp, false);
    }
    // 5: the automatic valve refills a squeezed loop to exactly its threshold.
    {
        const LoopDetails details = p.loopDetails();
        const double threshold = details.advThreshold();
        const double ambient = ambientPressure();
        if (threshold > s.loopGas / ambient) {
            const double amount = threshold * ambient - s.loopGas;
            if (!p.advOnOxygen()) {
                addDiluent(amount, dilO2Percent);
                p.setChecked(Check::dilAdvLamp, false);
            } else {
                addOxygen(amount);
                p.setChecked(Check::o2AdvLamp, false);
            }
        }
    }
    // 6, 7: the oxygen solenoid holds PPO2 up to each setpoint.
    if (p.setpoint1Active() && p.setpoint1() > ppo2) {
        addOxygen(perTick(p.o2SolenoidFlow()));
        p.setChecked(Check::o2SolenoidLamp, false);
    }
    if (p.setpoint2Active() && p.setpoint2() > ppo2) {
        addOxygen(perTick(p.o2SolenoidFlow()));
        p.setChecked(Check::o2SolenoidLamp, false);
    }
    // 8: stuck oxygen solenoid.
    if (failed(Check::o2SolenoidStuck)) {
        addOxygen(perTick(p.o2SolenoidFlow()));
        p.setChecked(Check::o2SolenoidLamp, false);
    }
    // 9: oxygen bypass; unlike the diluent bypass a zero flow still opens the lamp.
    if (s.o2BypassHeld) {
        addOxygen(perTick(p.o2BypassFlow()));
        p.setChecked(Check::o2AdvLamp, false);
    }
    // 10: the over-pressure valve vents an expanding loop to exactly its
    // threshold; its lamp closes at the eleventh quiet tick since it last closed.
    {
        const double threshold = p.loopDetails().opvThreshold();
        const double ambient = ambientPressure();
        if (s.loopGas / ambient > threshold) {
            ventLoop(s.loopGas - threshold * ambient);
            p.setChecked(Check::opvLamp, false);
        } else {
            s.opvLampCounter += 1;
            if (s.opvLampCounter > 10) {
                s.opvLampCounter = 0;
                p.setChecked(Check::opvLamp, true);
            }
        }
    }
}

void Simulation::compositionStep(double dilO2Percent, double dilHePercent)
{
    SimulationState &s = m_state;
    s.loopO2Percent = checkedDivide(s.loopO2Gas * 100.0, s.loopGas);
    s.loopInertGas = s.loopGas - s.loopO2Gas;
    if (s.loopInertGas <= 0.0) {
        s.loopN2Gas = 0.0;
        s.loopHeGas = 0.0;
    } else {
        // The inert part is always split in the diluent's ratio of nitrogen to
        // helium, whatever gas brought it into the loop.
        s.dilEquivalentGas =
                checkedDivide(100.0, checkedDivide(100.0 - dilO2Percent, s.loopInertGas));
        s.loopN2Gas = (100.0 - dilO2Percent - dilHePercent) * (s.dilEquivalentGas / 100.0);
        s.loopHeGas = s.loopInertGas - s.loopN2Gas;
    }
    s.loopN2Percent = checkedDivide(s.loopN2Gas * 100.0, s.loopGas);
    s.loopHePercent = checkedDivide(s.loopHeGas * 100.0, s.loopGas);
    const double ambient = ambientPressure();
    s.loopPPO2 = ambient * (s.loopO2Percent / 100.0);
    s.loopPPN2 = ambient * (s.loopN2Percent / 100.0);
    s.loopPPHe = ambient * (s.loopHePercent / 100.0);
}

void Simulation::cellStep()
{
    SimulationState &s = m_state;
    // Only a lagging cell needs the tick's length; the field reads as a
    // number here, since its normalisation at the start of the tick did.
    const double dtSeconds = s.cells.lags() ? m_params.tickMs() / 1000.0 : 0.0;
    s.cells.step(s.loopPPO2, dtSeconds);
}

void Simulation::gasStep()
{
    SimulationState &s = m_state;
    if (s.breathing == Breathing::Loop) {
        s.outOfGas = false;
        breatheTheLoop();
        return;
    }
    const std::size_t j = gasIndex(s.breathing);
    const BailoutGas &gas = s.bailout.gases[j];
    const double p = 0.1 * s.currentDepthM + 1.0;
    const double asked = s.bailout.rmvLpm * p * m_params.tickMs() / 60000.0;
    const double got = std::min(asked, std::max(s.bailoutLeft[j], 0.0));
    s.bailoutLeft[j] -= got;
    s.bailoutDelivered += got;
    // An empty cylinder is only flagged: the model has no asphyxia, and the
    // diver goes on breathing the gas's partial pressures.
    s.outOfGas = got < asked;
    s.breathedPPO2 = p * gas.fractionO2();
    s.breathedPPN2 = p * gas.fractionN2();
    s.breathedPPHe = p * gas.fractionHe();
}

void Simulation::colourPpo2()
{
    // With both setpoints active the second one has the last word.
    Rgb &colour = m_view.console.ppo2Colour;
    const double voted = m_state.cells.vote.voted;
    if (m_params.setpoint1Active())
        colour = judgePpo2Colour(colour, m_params.setpoint1(), voted);
    if (m_params.setpoint2Active())
        colour = judgePpo2Colour(colour, m_params.setpoint2(), voted);
}

void Simulation::showReadouts()
{
    const SimulationState &s = m_state;
    ConsoleView &v = m_view.console;
    v.o2Used.setNumber(nearest1(s.o2Used));
    v.co2.setNumber(nearest1(kRespiratoryQuotient * s.o2Metabolised));
    v.dilUsed.setNumber(nearest1(s.dilUsed));
    m_params.setNumber(Edit::o2SupplyVolume, nearest1(s.o2SupplyLeft));
    m_params.setNumber(Edit::dilSupplyVolume, nearest1(s.dilSupplyLeft));
    v.loopVolume.setNumber(nearest1(checkedDivide(s.loopGas, ambientPressure())));
    v.depth.setNumber(nearest1(s.currentDepthM));
    // The start-depth slider follows the depth as the label shows it.
    const double shownDepth = numtext::shownValue(v.depth.value());
    m_params.setPosition(Slider::startDepth, numtext::nearestPixel(shownDepth, kPictureLimit));
    v.ppo2.setNumber(nearest2(s.cells.vote.voted));
    v.ppn2.setNumber(nearest2(s.loopPPN2));
    v.pphe.setNumber(nearest2(s.loopPPHe));
}

void Simulation::decoStep()
{
    SimulationState &s = m_state;
    // Both fields are read before the first compartment changes, so a bad
    // text leaves the tissues as the previous tick left them.
    const double tickMs = m_params.tickMs();
    const double conservatism = m_params.conservatism();
    tissueLoadingStep(
            s.tissues, s.loadFractions, tickMs, s.breathedPPN2, s.breathedPPHe, conservatism);
    computeCeilings(s.tissues, s.ceilings);
    showDecoState(m_view.deco, s.tissues, s.ceilings, s.currentDepthM, s.noDecoTimeText);
}

void Simulation::drawCounterlung()
{
    ConsoleView &v = m_view.console;
    v.counterlung = CounterlungLook::Blank;
    // The loop volume as its label shows it, against the maximum loop volume.
    const double shownVolume = numtext::shownValue(v.loopVolume.value());
    const CounterlungShape shape = counterlungShape(shownVolume, m_params.maxLoopVolume());
    v.ellipseTop = shape.top;
    v.ellipseBottom = shape.bottom;
    v.counterlung = CounterlungLook::Ellipse;
    v.opvLampTop = shape.opvLampTop;
}

void Simulation::placeDiver()
{
    m_view.console.diverTop = diverTopFor(m_params.startDepth(), m_view.console.diverTop);
}

void Simulation::advanceClock()
{
    m_state.simClockMs = m_state.simClockMs + std::int64_t(m_params.tickMsWhole());
    const std::int64_t ofDay = ((m_state.simClockMs % kMsPerDay) + kMsPerDay) % kMsPerDay;
    m_view.console.diveTime.setTimeOfDay(ofDay);
}

void Simulation::updateNoDecoTime()
{
    // The tick keeps the step within 1..60 s; between ticks (before the first
    // dive, in a pause) the field may hold anything, and a step below 1 would
    // never reach the forecast's bound. Apply the tick's limits here too.
    normaliseDecoStep();
    const int stepSeconds = m_params.decoStepSeconds();
    const double conservatism = m_params.conservatism();
    const ForecastResult result = noDecoForecast(
            m_state.tissues, m_state.loopPPN2, m_state.loopPPHe, conservatism, stepSeconds);
    m_state.noDecoTimeText = result.text;
    m_view.deco.noDecoTime = m_state.noDecoTimeText;
}

double Simulation::diveComputerConservatism() const
{
    return std::max(0.0, m_params.conservatism());
}

DecoPlan Simulation::decoPlan() const
{
    const SimulationState &s = m_state;
    AscentGas gas = inertSplit(s.loopPPN2, s.loopPPHe);
    gas.ascentRateMpm = m_params.ascentRate();
    gas.conservatismPercent = diveComputerConservatism();
    gas.setpoint = s.cells.vote.voted;
    if (m_params.setpoint1Active())
        gas.setpoint = m_params.setpoint1();
    else if (m_params.setpoint2Active())
        gas.setpoint = m_params.setpoint2();
    gas.gfLow = s.gradientFactors.lowFraction();
    gas.gfHigh = s.gradientFactors.highFraction();
    return planAscent(s.tissues, s.currentDepthM, gas);
}

std::optional<BailoutPlan> Simulation::bailoutPlan() const
{
    const SimulationState &s = m_state;
    BailoutAscent ascent;
    ascent.limits.ascentRateMpm = m_params.ascentRate();
    ascent.conservatismPercent = diveComputerConservatism();
    ascent.limits.gfLow = s.gradientFactors.lowFraction();
    ascent.limits.gfHigh = s.gradientFactors.highFraction();
    ascent.rmvLpm = s.bailout.rmvLpm;
    ascent.gases = s.bailout.gases;
    return planBailout(s.tissues, s.currentDepthM, ascent, s.bailoutLeft);
}

ForecastResult Simulation::liveNoDecoForecast() const
{
    const int stepSeconds = std::clamp(m_params.decoStepSeconds(), 1, 60);
    const double conservatism = diveComputerConservatism();
    return noDecoForecast(m_state.tissues, m_state.breathedPPN2, m_state.breathedPPHe, conservatism,
            stepSeconds, m_state.gradientFactors.highFraction());
}

bool Simulation::liveForecastNeverEnds() const
{
    return forecastNeverEnds(m_state.tissues, m_state.breathedPPN2, m_state.breathedPPHe,
            diveComputerConservatism(), m_state.gradientFactors.highFraction());
}

bool Simulation::failed(Check box) const
{
    if (m_params.isChecked(box))
        return true;
    return m_state.drillFaults && m_state.drillFaults->on(box);
}

void Simulation::setFailure(Check box, bool on)
{
    if (m_state.drillFaults && isFaultBox(box))
        *m_state.drillFaults->flag(box) = on;
    else
        m_params.setChecked(box, on);
}

void Simulation::bypassMouse(Bypass which, bool pressed)
{
    const RunControls &c = m_view.controls;
    if (which == Bypass::O2 && c.o2BypassEnabled)
        m_state.o2BypassHeld = pressed;
    else if (which == Bypass::Diluent && c.dilBypassEnabled)
        m_state.dilBypassHeld = pressed;
}
