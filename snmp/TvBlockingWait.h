#pragma once

#include <functional>

// The program's one way to wait in place. While a blocking exchange waits for its reply the GUI thread
// keeps painting: windows repaint and timers run, but the operator's input waits until the reply is in
// and close requests are held until the wait ends (nothing can be clicked twice or closed under the
// exchange). The GUI installs a notifier that shows the busy pointer meanwhile. A second blocking
// exchange is refused while one waits.
class TvBlockingWait {
public:
    // Called with true when the outermost wait starts and with false when it ends.
    using Notifier = std::function<void(bool waiting)>;
    static void SetNotifier(Notifier notifier);

    TvBlockingWait();
    ~TvBlockingWait();
    TvBlockingWait(const TvBlockingWait&) = delete;
    TvBlockingWait& operator=(const TvBlockingWait&) = delete;

    // Lets pending events other than user input run (nothing without an application object).
    void LetEventsIn();

    // Waits in progress, nested ones included.
    static int Depth();
};
