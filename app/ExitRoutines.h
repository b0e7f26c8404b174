#pragma once

#include <functional>
#include <string>
#include <vector>

namespace mimora {

/**
 * The routines run once after the event loop ends, in the order they were added.
 * Adding a routine under a name already in the list does nothing.
 */
class ExitRoutines
{
public:
    void add(const std::string &name, std::function<void()> routine);
    /** Runs each routine once; later calls run nothing. */
    void run();
    int count() const { return static_cast<int>(m_routines.size()); }

private:
    std::vector<std::pair<std::string, std::function<void()>>> m_routines;
    bool m_ran = false;
};

} // namespace mimora
