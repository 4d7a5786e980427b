#pragma once

#include <ClpEventHandler.hpp>

#include "optimiser/fewest/Deadline.h"

namespace marlo::fewest {

// Ends a simplex solve at the deadline or the stop: the LPs of long lists and large models take
// seconds, longer than a stop may wait.
class LpDeadlineHandler : public ClpEventHandler {
  public:
    explicit LpDeadlineHandler(const Deadline& deadline) : deadline_(deadline) {}
    int event(Event whichEvent) override {
        return whichEvent == endOfIteration && deadline_.passed() ? 0 : -1;
    }
    ClpEventHandler* clone() const override { return new LpDeadlineHandler(*this); }

  private:
    const Deadline& deadline_;
};

}  // namespace marlo::fewest
