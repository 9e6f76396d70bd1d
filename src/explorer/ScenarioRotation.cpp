#include "explorer/ScenarioRotation.h"

#include <QRandomGenerator>

#include <algorithm>

namespace fc {

void ScenarioRotation::markDone(std::size_t row)
{
    if (row < m_done.size())
        m_done[row] = true;
}

std::size_t ScenarioRotation::next(QRandomGenerator &random)
{
    if (std::all_of(m_done.begin(), m_done.end(), [](bool done) { return done; }))
        std::fill(m_done.begin(), m_done.end(), false);
    std::vector<std::size_t> open;
    for (std::size_t i = 0; i < m_done.size(); ++i) {
        if (!m_done[i])
            open.push_back(i);
    }
    return open[random.bounded(quint32(open.size()))];
}

}  // namespace fc
