#include "guibase/TvUrlOpener.h"

#include <QDesktopServices>

namespace {

TvUrlOpener::Hook& CurrentHook() {
    static TvUrlOpener::Hook hook;
    return hook;
}

} // namespace

bool TvUrlOpener::Open(const QUrl& url) {
    if (CurrentHook())
        return CurrentHook()(url);
    return QDesktopServices::openUrl(url);
}

void TvUrlOpener::SetHook(Hook hook) {
    CurrentHook() = std::move(hook);
}
