#include "configform/TCtrlBtnPanel.h"
#include "guibase/TvPlainText.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("Buttons");
    CountText = TvPlainText::NewLabel("0", this);
    CountText->setObjectName("CountText");
    CountText->setAlignment(Qt::AlignCenter);
    CountText->setFrameShape(QFrame::Panel);
    CountText->setFrameShadow(QFrame::Sunken);
    CountText->setFixedSize(MemberWidth, 21);
    SamplesLabel = TvPlainText::NewLabel("Samples", this);
    SamplesLabel->setObjectName("SamplesLabel");
    SamplesLabel->setAlignment(Qt::AlignCenter);

    RefreshButton = MakeButton("RefreshButton", "Refresh", "Get.bmp", true);
    EditButton = MakeButton("EditButton", "Edit", "Set.bmp", true);
    SetCheckedButton = MakeButton("SetCheckedButton", "Set Checked", "SetCheck.bmp", true);
    AddButton = MakeButton("AddButton", "Add", "Add.bmp", false);
    DeleteButton = MakeButton("DeleteButton", "Delete", "Delete.bmp", false);
    CheckAllButton = MakeButton("CheckAllButton", "Check All", "SelectAll.bmp", true);
    ClearChecksButton = MakeButton("ClearChecksButton", "Clear Checks", "SelectNone.bmp", true);
    CloseButton = MakeButton("CloseButton", "Close", "Close.bmp", true);
    ShowSecrets = new QCheckBox("Show secrets", this);
    ShowSecrets->setObjectName("ShowSecrets");
    ShowSecrets->setToolTip(
        TvPlainText::ToolTip("Keys, passwords and community strings show as dots, also in "
                             "copies and CSV exports, until this is ticked."));
    ShowSecrets->hide();

    setFixedWidth(PanelWidth);
    ArrangeButtons();
}

QPushButton* TCtrlBtnPanel::MakeButton(const char* name, const char* caption, const char* glyph,
                                       bool visible) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    // A bitmap of the button's name in the current folder replaces the caption; any trouble keeps it.
    const QString file = QDir::current().filePath(glyph);
    if (QFileInfo(file).isFile()) {
        if (const QPixmap pixmap(file); !pixmap.isNull()) {
            button->setIcon(QIcon(pixmap));
            button->setIconSize(pixmap.size());
            button->setText(QString());
            button->setToolTip(TvPlainText::ToolTip(caption));
        }
    }
    // Enter in a field never presses a button: Refresh would throw away what was typed.
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setVisible(visible);
    return button;
}

QList<QWidget*> TCtrlBtnPanel::Members() const {
    return {CountText,    SamplesLabel,   RefreshButton,     EditButton,  SetCheckedButton, AddButton,
            DeleteButton, CheckAllButton, ClearChecksButton, ShowSecrets, CloseButton};
}

void TCtrlBtnPanel::ArrangeButtons() {
    int y = TopMargin;
    for (QWidget* member : Members()) {
        const int height = member == CountText ? CountText->height() : member->sizeHint().height();
        // The box's caption, wider than the buttons, takes the margins rather than being cut.
        const int width = member == ShowSecrets
                              ? std::min(PanelWidth, std::max(MemberWidth, member->sizeHint().width()))
                              : MemberWidth;
        member->setGeometry(std::min(LeftMargin, PanelWidth - width), y, width, height);
        if (member->isVisibleTo(this))
            y = member->y() + member->height() + Gap;
    }
    stackHeight_ = y - Gap + TopMargin;
    setMinimumHeight(stackHeight_);
}

void TCtrlBtnPanel::SetCount(int count) {
    CountText->setText(QString::number(count));
}
