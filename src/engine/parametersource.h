#pragma once

#include "engine/parameters.h"

#include <string_view>

/// The four volumes of the loop details dialog, litres; 0 until it sets them.
struct LoopDetails
{
    double lungVolumeInhale = 0.0;
    double lungVolumeExhale = 0.0;
    double counterlungVolume = 0.0;
    double deadSpaceVolume = 0.0;

    /// Loop volume at the end of a full inhalation with an empty counterlung:
    /// below it the automatic diluent valve refills the loop.
    double advThreshold() const { return deadSpaceVolume + lungVolumeInhale; }
    /// Loop volume at the end of a full exhalation with a full counterlung:
    /// above it the over-pressure valve vents.
    double opvThreshold() const { return lungVolumeExhale + counterlungVolume + deadSpaceVolume; }

    friend bool operator==(const LoopDetails &, const LoopDetails &) = default;
};

/// Where the engine reads its inputs: the main window's controls, or an
/// in-memory form of them. Field texts are parsed at every use, so an edit
/// acts from the next read on; the engine writes back through the same
/// interface (normalised fields, cylinder contents, the start-depth slider,
/// the valve lamps), so those writes feed later reads the same way.
class ParameterSource
{
public:
    virtual ~ParameterSource() = default;

    virtual std::string_view text(Edit field) const = 0;
    virtual void setText(Edit field, std::string_view text) = 0;
    virtual int position(Slider slider) const = 0;
    /// Clamps to the slider's range and runs its change reaction.
    virtual void setPosition(Slider slider, int position) = 0;
    virtual bool isChecked(Check box) const = 0;
    /// Runs the box's click reaction when the state changes.
    virtual void setChecked(Check box, bool checked) = 0;
    /// The four volumes the loop details dialog confirmed last.
    LoopDetails loopDetails() const { return m_details; }
    void setLoopDetails(const LoopDetails &details) { m_details = details; }

    /// The field's text as a decimal number; throws the conversion error. A
    /// source may remember the value of a text it has parsed before.
    virtual double decimal(Edit field) const;
    /// The field's text as a whole number; throws the conversion error.
    virtual int whole(Edit field) const;
    /// Writes \a value in the general format (already rounded by the caller).
    virtual void setNumber(Edit field, double value);

    // One getter per parameter; units in the comments.
    double maxLoopVolume() const { return decimal(Edit::maxLoopVolume); } ///< l
    double startLoopVolume() const { return decimal(Edit::startLoopVolume); } ///< l at 1 kg/cm²
    double descentRate() const { return decimal(Edit::descentRate); } ///< m/min
    double minLoopVolume() const
    {
        return decimal(Edit::minLoopVolume);
    } ///< l, never used by the engine
    double startPPO2() const { return decimal(Edit::startPPO2); } ///< kg/cm²
    double setpoint1() const { return decimal(Edit::setpoint1); } ///< kg/cm²
    double o2SupplyVolume() const { return decimal(Edit::o2SupplyVolume); } ///< l at 1 kg/cm²
    double setpoint2() const { return decimal(Edit::setpoint2); } ///< kg/cm²
    double ascentRate() const { return decimal(Edit::ascentRate); } ///< m/min
    double dilSupplyVolume() const { return decimal(Edit::dilSupplyVolume); } ///< l at 1 kg/cm²
    double o2SolenoidFlow() const { return decimal(Edit::o2SolenoidFlow); } ///< l/min
    double o2ConstantFlow() const { return decimal(Edit::o2ConstantFlow); } ///< l/min
    double dilSolenoidFlow() const { return decimal(Edit::dilSolenoidFlow); } ///< l/min
    double dilO2Percent() const { return decimal(Edit::dilO2Percent); } ///< %
    double startTissueN2() const { return decimal(Edit::startTissueN2); } ///< kg/cm²
    double dilHePercent() const { return decimal(Edit::dilHePercent); } ///< %
    double startTissueHe() const { return decimal(Edit::startTissueHe); } ///< kg/cm²
    double regenerationRatio() const
    {
        return decimal(Edit::regenerationRatio);
    } ///< l O2 per l CO2
    double dilConstantFlow() const { return decimal(Edit::dilConstantFlow); } ///< l/min
    int tickMsWhole() const { return whole(Edit::tickMs); } ///< ms, 10..1000 once normalised
    double tickMs() const { return decimal(Edit::tickMs); } ///< the same text as a decimal
    int decoStepSeconds() const
    {
        return whole(Edit::decoStepSeconds);
    } ///< s, 1..60 once normalised
    double conservatism() const { return decimal(Edit::conservatism); } ///< %
    double dilBypassFlow() const { return decimal(Edit::dilBypassFlow); } ///< l/min
    double o2BypassFlow() const { return decimal(Edit::o2BypassFlow); } ///< l/min

    double o2Consumption() const { return position(Slider::o2Consumption) / 10.0; } ///< l/min
    int maxDepth() const { return position(Slider::maxDepth); } ///< m
    int startDepth() const { return position(Slider::startDepth); } ///< m
    int simSpeed() const { return position(Slider::simSpeed); } ///< % faster

    bool setpoint1Active() const { return isChecked(Check::setpoint1Active); }
    bool setpoint2Active() const { return isChecked(Check::setpoint2Active); }
    bool advOnOxygen() const { return isChecked(Check::advOnOxygen); }
    bool dilSolenoidDisabled() const { return isChecked(Check::dilSolenoidDisabled); }

protected:
    explicit ParameterSource(const LoopDetails &details = {}) : m_details(details) { }

private:
    LoopDetails m_details;
};

/// The check-box reactions that every source applies when a state changes:
/// the two setpoint boxes exclude each other (the box unchecked by the rule
/// does not apply it in turn).
inline bool isSetpointBox(Check box)
{
    return box == Check::setpoint1Active || box == Check::setpoint2Active;
}
inline Check otherSetpointBox(Check box)
{
    return box == Check::setpoint1Active ? Check::setpoint2Active : Check::setpoint1Active;
}
