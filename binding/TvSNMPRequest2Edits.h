#pragma once

#include "binding/TvSNMPRequest2Controls.h"

#include "binding/TvListSortProxy.h"
#include "binding/TvListViewModel.h"

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTreeView;
class TvEditConstraint;
class TvOptionList;
class TvRadioGroup;

// One bind call: which item, which part of its value, and the controls that show it.
struct ControlBinding {
    int VarIndex = 0;
    int ByteOffset = 0;                       // first octet of the part; 0 for whole values
    int PartSyntax = 0;                       // the item's Syntax for whole values
    const TvOptionList* OptionList = nullptr; // explicit list, not owned
    QList<QPointer<QWidget>> Controls;        // in field order, not owned
    std::vector<int> BitIndexes;              // check-box bindings: the bit of each box
};

// Binding of one variable list to edits, combo boxes, radio groups, check boxes for bits, labels and,
// for tables, a list view with one line per row. Parts of values go through the raw value codec.
class TvSNMPRequest2Edits : public TvSNMPRequest2Controls {
public:
    // The window's own reaction to a row being selected or deselected; runs before the binding's.
    using SelectHandler = std::function<void(QTreeView* sender, int row, bool selected)>;

    explicit TvSNMPRequest2Edits(QWidget* owner);
    ~TvSNMPRequest2Edits() override;

    SelectHandler ListViewSelectHandler;
    QPointer<QTreeView> ListView; // not owned
    std::vector<ControlBinding> Bindings;
    std::unique_ptr<TvEditConstraint> Constraints;
    bool DisableUntilSelected = true;
    // The list view masks the columns of secrets (keys, passwords, communities) until its proxy is told to
    // show them. Set before BindListView.
    bool MaskSecrets = false;

    // The list view gets a model of ours (TvListViewModel) and becomes a read-only, whole-row report.
    void BindListView(QTreeView* listView, bool disableUntilSelected);
    void BindStaticText(int index, QLabel* label);
    void BindComboBox(int index, QComboBox* combo);
    void BindRadioGroup(int index, TvRadioGroup* group);
    void BindEditsInPanel(int index, const QString& format, QWidget* panel);
    void BindEdits(int index, const QString& format, QLineEdit* first, const QList<QLineEdit*>& further = {});
    void BindBitCheckBoxes(int index, const std::string& bitList, const QList<QCheckBox*>& boxes);
    void BindPartialList(int index, int byteOffset, int partSyntax, const TvOptionList* options,
                         QComboBox* combo);
    void BindPartialEdits(int index, int byteOffset, int partSyntax, const TvOptionList* options,
                          const QString& format, QLineEdit* first, const QList<QLineEdit*>& further = {});
    void Unbind(int index);
    void SetConstraintOwner(QWidget* window);

    // Values into controls and back; -1 for every item. Both stop at the first error.
    void LoadControls(int index = -1);
    void StoreControls(int index = -1);
    void SetControlsEnabled(bool enabled);

    // The model behind the bound list view, or nullptr. Row numbers are the model's (the read order);
    // the view shows them through ListProxy, which sorts and filters.
    TvListViewModel* ListModel() const { return model_.data(); }
    TvListSortProxy* ListProxy() const { return proxy_.data(); }
    // The model row of an index of the view's model.
    int SourceRow(const QModelIndex& viewIndex) const;
    // The selected line of the list view, or -1.
    int SelectedRow() const;

    // For a table: the selected line as read; no line selected, nothing is known.
    std::vector<std::string> KnownValues() const override;
    void BeforeGet() override;
    void ReceiveOne() override;
    void ControlsToValues() override;
    void GetFailed(TvSNMPError& reply) override;
    void AfterGet() override;
    // The list view's selection: copies the row into the values and loads the controls.
    virtual void SelectItem(QTreeView* sender, int row, bool selected);

private:
    const TvOptionList* EffectiveOptions(const ControlBinding& b) const;
    void CheckIndex(int index) const;
    void CheckPartSyntax(int partSyntax) const;
    ControlBinding& AddWhole(int index);
    ControlBinding& Add(int index, int byteOffset, int partSyntax, const TvOptionList* options);
    void AddEdits(ControlBinding& b, const QString& format, QLineEdit* first,
                  const QList<QLineEdit*>& further);
    void BindList(ControlBinding& b, QWidget* control);
    void Load(const ControlBinding& b);
    std::string PartRawFromControls(const ControlBinding& b, bool& fromBits) const;
    void BuildColumns();
    void RowSelected(int row, bool selected);
    void ReportProblem(const std::string& message);

    QPointer<TvListViewModel> model_; // child of the list view
    QPointer<TvListSortProxy> proxy_; // child of the list view
    QMetaObject::Connection selection_;
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
};
