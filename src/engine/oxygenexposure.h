#pragma once

/// Oxygen taken by the diver over a dive: the CNS clock in percent of the
/// single-exposure limit and the pulmonary dose in OTU.
struct OxygenExposure
{
    double cnsPercent = 0.0;
    double otu = 0.0;

    /// \a dtMin minutes breathing \a ppo2 kg/cm². Above 0.5 the CNS clock
    /// runs against the single-exposure limit and OTUs accrue; at or below
    /// it the CNS clock decays with a 90-minute half-time. A PPO2 that is not
    /// a number changes nothing.
    void breathe(double ppo2, double dtMin);
};

/// The single-exposure limit in minutes at \a ppo2 kg/cm²: the oxygen
/// exposure table as straight segments between its points (720 min at 0.6,
/// 300 at 1.0, 120 at 1.5, 45 at 1.6), never below 1 minute.
double cnsLimitMinutes(double ppo2);
