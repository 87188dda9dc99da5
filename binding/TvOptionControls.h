#pragma once

#include <QString>

class QComboBox;
class TvOptionList;
class TvRadioGroup;

// The GUI side of option lists: a control's items are the list's texts in entry order, so an item
// index is an entry index.
void FillItems(const TvOptionList& list, QComboBox* combo);
void FillItems(const TvOptionList& list, TvRadioGroup* group);

// Chooses the entry matching `text` by option text, else by value; none when neither matches.
void SelectOption(const TvOptionList& list, QComboBox* combo, const QString& text);
void SelectOption(const TvOptionList& list, TvRadioGroup* group, const QString& text);

// Index of the entry for `text` as SelectOption finds it, or -1.
int OptionIndex(const TvOptionList& list, const QString& text);
