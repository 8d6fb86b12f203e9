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
    // The table file the canvas tiles: 1, 2 or 4 for kaveltable.bmp and its
    // "@2x" and "@4x" files; the decoded picture's identity (a new decode
    // gives a new one); whether the four-times one is being decoded aside.
    int tableScale() const { return s_.brushScale_; }
    qint64 tableDecode() const { return s_.brushSource_.cacheKey(); }
    bool decodingTable() const { return s_.decoding_; }

  private:
    QtServices& s_;
};

} // namespace stud::testing
