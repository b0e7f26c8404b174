#pragma once

#include <benchmark/benchmark.h>

#include <chrono>

// Times ours and the baseline alternately inside one benchmark, so both see the same
// machine at the same moment, and reports ours / baseline as the counter "ratio".
class RatioTimer
{
public:
    using Clock = std::chrono::steady_clock;

    template <typename F> void ours(F &&f)
    {
        const auto t0 = Clock::now();
        f();
        m_ours += Clock::now() - t0;
    }
    template <typename F> void baseline(F &&f)
    {
        const auto t0 = Clock::now();
        f();
        m_baseline += Clock::now() - t0;
    }
    void report(benchmark::State &state, double bar) const
    {
        const double n = double(state.iterations());
        state.counters["ratio"] = double(m_ours.count()) / double(m_baseline.count());
        state.counters["bar"] = bar;
        state.counters["ours_us"] = std::chrono::duration<double, std::micro>(m_ours).count() / n;
        state.counters["base_us"] =
            std::chrono::duration<double, std::micro>(m_baseline).count() / n;
    }

private:
    Clock::duration m_ours{};
    Clock::duration m_baseline{};
};
