#pragma once

#include <QFrame>

class QCheckBox;
class QLabel;
class QPushButton;

// The column of command buttons at the right of every panel: a count text, its caption, eight buttons
// and the "Show secrets" box of panels that hold keys, passwords or communities. The panels choose which
// members are visible, then stack them with ArrangeButtons.
class TCtrlBtnPanel : public QFrame {
    Q_OBJECT

public:
    static constexpr int LeftMargin = 10;
    static constexpr int TopMargin = 10;
    static constexpr int MemberWidth = 96;
    static constexpr int Gap = 5;
    static constexpr int PanelWidth = 2 * LeftMargin + MemberWidth;

    explicit TCtrlBtnPanel(QWidget* parent);

    // Stacks the visible members from the top; hidden ones keep their place in the order but take no
    // room. The panel's minimum height follows the stack.
    void ArrangeButtons();
    // Shows the number of table lines.
    void SetCount(int count);

    QLabel* CountText = nullptr;
    QLabel* SamplesLabel = nullptr;
    QPushButton* RefreshButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* SetCheckedButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* CheckAllButton = nullptr;
    QPushButton* ClearChecksButton = nullptr;
    QPushButton* CloseButton = nullptr;
    QCheckBox* ShowSecrets = nullptr; // hidden unless the rows hold secrets

    // The members in stacking order.
    QList<QWidget*> Members() const;
    // Height the stacked members need, bottom margin included.
    int StackHeight() const { return stackHeight_; }

private:
    QPushButton* MakeButton(const char* name, const char* caption, const char* glyph, bool visible);

    int stackHeight_ = 0;
};
