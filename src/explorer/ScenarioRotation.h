#pragma once

#include <cstddef>
#include <vector>

class QRandomGenerator;

namespace fc {

// The scenarios not yet done, drawn at random; once all are done, all are offered again.
class ScenarioRotation {
public:
    explicit ScenarioRotation(std::size_t count) : m_done(count, false) {}

    void markDone(std::size_t row);
    std::size_t next(QRandomGenerator &random);

private:
    std::vector<bool> m_done;
};

}  // namespace fc
