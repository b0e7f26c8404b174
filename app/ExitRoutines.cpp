#include "app/ExitRoutines.h"

#include <algorithm>

namespace mimora {

void ExitRoutines::add(const std::string &name, std::function<void()> routine)
{
    const bool known = std::any_of(m_routines.begin(), m_routines.end(),
                                   [&](const auto &entry) { return entry.first == name; });
    if (!known)
        m_routines.emplace_back(name, std::move(routine));
}

void ExitRoutines::run()
{
    if (m_ran)
        return;
    m_ran = true;
    for (auto &[name, routine] : m_routines)
        routine();
}

} // namespace mimora
