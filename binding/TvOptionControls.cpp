#include "binding/TvOptionControls.h"

#include "binding/TvRadioGroup.h"
#include "guibase/TvMessageBox.h"
#include "values/TvOptionList.h"

#include <QComboBox>
#include <QStringList>

namespace {

QStringList Texts(const TvOptionList& list) {
    QStringList texts;
    texts.reserve(list.Count());
    for (int i = 0; i < list.Count(); ++i)
        texts << FromBytes(list.Item(i).Text);
    return texts;
}

} // namespace

int OptionIndex(const TvOptionList& list, const QString& text) {
    const std::string t = ToBytes(text);
    const int byText = list.IndexOfText(t);
    return byText >= 0 ? byText : list.IndexOfValue(t);
}

void FillItems(const TvOptionList& list, QComboBox* combo) {
    combo->clear();
    combo->addItems(Texts(list));
    combo->setCurrentIndex(-1);
}

void FillItems(const TvOptionList& list, TvRadioGroup* group) {
    group->SetItems(Texts(list));
}

void SelectOption(const TvOptionList& list, QComboBox* combo, const QString& text) {
    combo->setCurrentIndex(OptionIndex(list, text));
}

void SelectOption(const TvOptionList& list, TvRadioGroup* group, const QString& text) {
    group->SetItemIndex(OptionIndex(list, text));
}
