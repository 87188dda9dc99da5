#include "guibase/TvUrlOpener.h"

#include <QDesktopServices>

namespace {

TvUrlOpener::Hook& OpenHook() {
    static TvUrlOpener::Hook hook;
    return hook;
}

} // namespace

bool TvUrlOpener::Open(const QUrl& url) {
    if (OpenHook())
        return OpenHook()(url);
    return QDesktopServices::openUrl(url);
}

void TvUrlOpener::SetHook(Hook hook) {
    OpenHook() = std::move(hook);
}
