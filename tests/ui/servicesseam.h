#pragma once

#include "ui/qtservices.h"

#include <utility>

namespace stud::testing {

// What the window's tests and benchmark reach of its services beyond the
// game's own calls: message boxes answered in place of the user, the
// animation timers themselves, and the beeps so far.
class QtServicesSeam {
  public:
    explicit QtServicesSeam(QtServices& services) : s_(services) {}

    void setAnswerer(MessageAnswerer answerer) { s_.answerer_ = std::move(answerer); }
    QTimer* timer(Timer t) const { return s_.timers_[static_cast<int>(t)]; }
    int beeps() const { return s_.beeps_; }

  private:
    QtServices& s_;
};

} // namespace stud::testing
