#pragma once

#include "catalog/TvWindowRecipe.h"

class TConfigForm;
class TSNMPListViewPanel;

// Turns a window recipe of the catalog into the panels of a configuration window: one binding and
// variable list per panel, the panel and window modifiers and the add presets.
class TvRecipeWindow {
public:
    // Raises the error exception when a panel cannot be built.
    static void Build(TConfigForm& form, const TvWindowRecipe& recipe);
    // Replaces the table panel's OnAddInit / OnAfterAdd by those of a preset.
    static void ApplyAddPreset(TSNMPListViewPanel& panel, TvAddPreset preset);
};
