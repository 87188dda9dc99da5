#pragma once

#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvCatalog.h"
#include "configform/TConfigForm.h"
#include "snmp/TvBlockingWait.h"
#include "support/PumpUntil.h"

#include <QPointer>
#include <QTimer>

#include <functional>

// Opens a recipe window through `main` (a main window that exposes OpenRecipeWindow) and runs `inside`
// once the window is shown and a blocking first read is over: such a read lets timers run while it waits,
// and a blocking walk lets window messages run between its rows. `inside` closes the window; the window
// is one of its own, so this waits until it has closed. Whether `inside` ran.
template <typename Main>
bool RunInRecipeWindow(Main& main, const TvWindowRecipe& recipe,
                       const std::function<void(TConfigForm&)>& inside) {
    bool ran = false;
    QPointer<TConfigForm> window;
    std::function<void()> check; // lives while the window is open
    main.RecipeWindowShown = [&](TConfigForm& form) {
        window = &form;
        check = [&] {
            const TvSNMPRequest2Edits* first = form.Binding(0);
            if (TvBlockingWait::Depth() > 0 || (first && first->Busy && !first->Asynchronous)) {
                QTimer::singleShot(10, &form, check);
                return;
            }
            ran = true;
            inside(form);
        };
        QTimer::singleShot(0, &form, check);
    };
    main.OpenRecipeWindow(recipe);
    main.RecipeWindowShown = nullptr;
    (void)PumpUntil([&] { return ran && (!window || !window->isVisible()); });
    return ran;
}
