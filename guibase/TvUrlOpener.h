#pragma once

#include <QUrl>

#include <functional>

// The one way the program hands a file or link to the desktop (the help page to the browser). Tests
// install a hook that answers instead of the desktop.
class TvUrlOpener {
public:
    // Receives every URL that would be opened and returns whether it was.
    using Hook = std::function<bool(const QUrl& url)>;

    // True when the desktop took the URL.
    static bool Open(const QUrl& url);
    // An empty hook restores the desktop.
    static void SetHook(Hook hook);
};
