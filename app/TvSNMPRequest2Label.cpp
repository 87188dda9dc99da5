#include "app/TvSNMPRequest2Label.h"

#include "app/TvMessageBox.h"

#include <QLabel>

TvSNMPRequest2Label::TvSNMPRequest2Label(QWidget* owner, QLabel* label, int itemIndex)
    : TvSNMPRequest2Controls(owner), label_(label), itemIndex_(itemIndex) {}

void TvSNMPRequest2Label::ReceiveOne() {
    if (label_)
        label_->setText(FromBytes(Request.VarList.Item(itemIndex_).Value));
}
