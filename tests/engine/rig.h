#pragma once

#include "engine/memoryform.h"
#include "engine/simulation.h"
#include "util/error.h"
#include "util/numtext.h"

#include <string>

/// A simulation over an in-memory form, as the scenario runner has it.
struct Rig
{
    MemoryForm form;
    SimulationState state;
    DiveHistory history;
    Simulation sim {form, state, history};

    /// Runs \a handler and returns the message of the error it met, or "".
    template<typename Handler>
    std::string attempt(Handler &&handler)
    {
        try {
            handler();
        } catch (const LoopwrightError &e) {
            return e.what();
        }
        return {};
    }
    std::string tick()
    {
        return attempt([this] { sim.tick(); });
    }
    std::string ticks(int n)
    {
        std::string last;
        for (int i = 0; i < n; ++i)
            last = tick();
        return last;
    }
    void set(Edit field, const char *text) { form.setText(field, text); }
    std::string text(Edit field) const { return std::string(form.text(field)); }

    /// No valve acts by itself: setpoints off, diluent solenoid off, constant
    /// flows 0, an automatic valve that never opens and an over-pressure valve
    /// that never vents.
    void quietLoop()
    {
        form.setChecked(Check::setpoint1Active, false);
        form.setChecked(Check::setpoint2Active, false);
        form.setChecked(Check::dilSolenoidDisabled, true);
        set(Edit::o2ConstantFlow, "0");
        set(Edit::dilConstantFlow, "0");
        form.setLoopDetails({0.0, 1000.0, 0.0, 0.0});
    }
};
