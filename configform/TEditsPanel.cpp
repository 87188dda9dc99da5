#include "configform/TEditsPanel.h"

#include "base/ErrorCatalog.h"
#include "base/TvException.h"
#include "binding/TvDedicatedWindow.h"
#include "binding/TvEditConstraint.h"
#include "binding/TvSNMPRequest2Edits.h"
#include "catalog/TvDisruptiveWrites.h"
#include "catalog/TvSecretVars.h"
#include "configform/TCtrlBtnPanel.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"
#include "values/TvValueCheck.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kTop = 20;
constexpr int kCheckLeft = 20;
constexpr int kCheckWidth = 20;
constexpr int kMinRowHeight = 21;
constexpr int kRowGap = 5;
constexpr int kMargin = 40;

bool SameText(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

void Paint(QWidget* w, const QColor& text, const QColor& background) {
    QPalette p = w->palette();
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Base, background);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Button, background);
    w->setPalette(p);
}

} // namespace

QLineEdit* EditRow::Edit() const {
    return qobject_cast<QLineEdit*>(Value);
}
QComboBox* EditRow::Combo() const {
    return qobject_cast<QComboBox*>(Value);
}

bool IsMulticastAddress(const QString& text) {
    if (text.startsWith('.') || text.endsWith('.'))
        return false;
    const QStringList pieces = text.split('.', Qt::SkipEmptyParts);
    if (pieces.size() != 4)
        return false;
    for (int k = 0; k < 4; ++k) {
        const long n = std::atol(pieces[k].toLatin1().constData());
        if (n >= 256)
            return false;
        if (k == 0 && (n < 224 || n > 239))
            return false;
    }
    return true;
}

TEditsPanel::TEditsPanel(QWidget* owner, TvSNMPRequest2Edits* binding)
    : QWidget(owner), readOnlyBackground_(QApplication::palette().color(QPalette::Button)),
      binding_(binding) {
    setObjectName("EditsPanel");
    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName("ScrollBox");
    scrollBox_->setFrameShape(QFrame::NoFrame);
    rowsHost_ = new QWidget;
    rowsHost_->setObjectName("Rows");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scrollBox_);

    TvSNMPVarList& list = binding_->Request.VarList;
    rows_.reserve(static_cast<size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) {
        const TvSNMPVarItem& item = list.Item(i);
        EditRow row;
        const bool writable = list.IsWritable(i);
        row.RowKind = item.Options ? (writable ? EditRow::rkList : EditRow::rkOptionText)
                                   : (writable ? EditRow::rkEdit : EditRow::rkReadOnly);
        row.Check = new QCheckBox(rowsHost_);
        row.Check->setObjectName(QString("Check%1").arg(i));
        row.Check->setProperty("tag", i);
        row.Check->setFixedWidth(kCheckWidth);
        // Tab reaches every row's check box and Space ticks it.
        row.Check->setFocusPolicy(Qt::StrongFocus);
        connect(row.Check, &QCheckBox::clicked, this, [this, i] { CheckBoxClick(i); });
        const QString label = FromBytes(item.Label);
        row.Label = TvPlainText::NewLabel(label, rowsHost_);
        row.Label->setObjectName(QString("Label%1").arg(i));
        row.Label->setProperty("tag", i);
        row.Label->adjustSize();
        if (row.RowKind == EditRow::rkList) {
            auto* combo = new QComboBox(rowsHost_);
            row.Value = combo;
            binding_->BindComboBox(i, combo);
            connect(combo, &QComboBox::activated, this,
                    [this, i] { rows_[static_cast<size_t>(i)].Changed = true; });
        } else {
            auto* edit = new QLineEdit(rowsHost_);
            row.Value = edit;
            // Before the binding's constraint: a field the constraint resets is not checked again.
            edit->installEventFilter(this);
            // Addresses have a longest form: typing stops there.
            if (item.Syntax == synIpAddress || item.Syntax == synNsapAddress)
                edit->setMaxLength(15);
            else if (item.Syntax == synMacAddress)
                edit->setMaxLength(17);
            binding_->BindEdits(i, row.Format, edit);
            connect(edit, &QLineEdit::textEdited, this,
                    [this, i] { rows_[static_cast<size_t>(i)].Changed = true; });
        }
        row.Secret = TvSecretVars::FindInstance(item.Oid) != nullptr;
        if (QLineEdit* edit = row.Edit(); edit && row.Secret)
            edit->setEchoMode(QLineEdit::Password);
        row.Value->setObjectName(QString("Value%1").arg(i));
        row.Value->setProperty("tag", i);
        row.Label->setBuddy(row.Value);
        row.Check->setAccessibleName(label);
        row.Value->setAccessibleName(label);
        rows_.push_back(row);
    }
    ApplyRowStates(false);
    ArrangeRows(true);
    scrollBox_->setWidget(rowsHost_);
    ChainTabOrder();
}

void TEditsPanel::ChainTabOrder() {
    // Screen order: each row's check box, then its value.
    QWidget* previous = nullptr;
    for (const EditRow& row : rows_)
        for (QWidget* w : {static_cast<QWidget*>(row.Check), row.Value}) {
            if (previous)
                QWidget::setTabOrder(previous, w);
            previous = w;
        }
}

TEditsPanel::~TEditsPanel() = default;

bool TEditsPanel::ValidRow(int row, const char* operation) const {
    if (row >= 0 && row < RowCount())
        return true;
    throw TvException(std::string("TEditsPanel::") + operation + " - no row " + std::to_string(row) + "!",
                      errUnknown);
}

void TEditsPanel::ApplyRowStates(bool defaultCheck) {
    defaultCheck_ = defaultCheck;
    const TvSNMPVarList& list = binding_->Request.VarList;
    for (int i = 0; i < RowCount(); ++i) {
        if (!list.IsWritable(i) || i < list.KeyCount)
            MakeRowReadOnly(i);
        else
            MakeRowWritable(i);
    }
}

void TEditsPanel::MakeRowReadOnly(int i) {
    if (i < 0 || i >= RowCount()) {
        TvMessageBox::Information(this, QString("aIdx is overtop!\n you may define < %1").arg(RowCount()));
        return;
    }
    EditRow& row = rows_[static_cast<size_t>(i)];
    row.Writable = false;
    row.Check->setEnabled(false);
    row.Check->hide();
    row.Check->setChecked(false);
    if (QLineEdit* edit = row.Edit()) {
        edit->setReadOnly(true);
        edit->setFocusPolicy(Qt::NoFocus);
    } else {
        row.Value->setEnabled(false);
    }
    Paint(row.Value, readOnlyText_, readOnlyBackground_);
}

void TEditsPanel::MakeRowWritable(int i) {
    ValidRow(i, "MakeRowWritable");
    EditRow& row = rows_[static_cast<size_t>(i)];
    row.Writable = true;
    row.Check->setEnabled(true);
    row.Check->setVisible(!(binding_->Request.VarList.Item(i).Access & accHidden));
    row.Check->setChecked(defaultCheck_);
    if (QLineEdit* edit = row.Edit()) {
        // A bit-map row is edited in its dialog only.
        edit->setReadOnly(row.Columns > 0);
        edit->setFocusPolicy(Qt::StrongFocus);
    }
    row.Value->setEnabled(true);
    Paint(row.Value, Qt::black, QColor(0xFFFFFF));
}

void TEditsPanel::SetValueWidth(int width) {
    valueWidth_ = width;
    ArrangeRows(true);
}

void TEditsPanel::ArrangeRows(bool resize) {
    const TvSNMPVarList& list = binding_->Request.VarList;
    int labelWidth = 0;
    for (const EditRow& row : rows_)
        labelWidth = std::max(labelWidth, row.Label->sizeHint().width());
    int y = kTop;
    bool first = true;
    for (int i = 0; i < RowCount(); ++i) {
        EditRow& row = rows_[static_cast<size_t>(i)];
        const int height = std::max(row.Value->sizeHint().height(), kMinRowHeight);
        row.Value->resize(valueWidth_, height);
        if (list.Item(i).Access & accHidden)
            continue;
        // The first row shown starts at the top: hidden rows take no room.
        if (!first)
            y += height + kRowGap;
        first = false;
        const int checkHeight = row.Check->sizeHint().height();
        const QSize label = row.Label->sizeHint();
        row.Value->move(0, y);
        row.Check->setGeometry(kCheckLeft, y + (height - checkHeight) / 2, kCheckWidth, checkHeight);
        const int labelLeft = kCheckLeft + kCheckWidth + kRowGap;
        row.Label->setGeometry(labelLeft, y + (height - label.height()) / 2, label.width(), label.height());
        row.Value->move(labelWidth + labelLeft + kRowGap, y);
    }
    if (!resize)
        return;
    int right = 0;
    int bottom = 0;
    for (int i = 0; i < RowCount(); ++i) {
        if (list.Item(i).Access & accHidden)
            continue;
        const QRect r = rows_[static_cast<size_t>(i)].Value->geometry();
        right = std::max(right, r.x() + r.width());
        bottom = std::max(bottom, r.y() + r.height());
    }
    rowsHost_->setFixedSize(right + kMargin, bottom + kMargin);
    this->resize(right + kMargin, bottom + kMargin);
}

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* buttons) {
    if (!binding_)
        throw TvException("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!", errUnknown);
    buttons_ = buttons;
    for (QWidget* w :
         QList<QWidget*>{buttons->RefreshButton, buttons->SetCheckedButton, buttons->CheckAllButton,
                         buttons->ClearChecksButton, buttons->CloseButton})
        w->show();
    for (QWidget* w : QList<QWidget*>{buttons->CountText, buttons->SamplesLabel, buttons->EditButton,
                                      buttons->AddButton, buttons->DeleteButton})
        w->hide();
    if (AllRowsReadOnly()) {
        buttons->SetCheckedButton->hide();
        buttons->CheckAllButton->hide();
        buttons->ClearChecksButton->hide();
    } else {
        auto selectable = [this](const EditRow& row) {
            return row.Check->isVisibleTo(rowsHost_) && row.Check->isEnabled();
        };
        if (std::count_if(rows_.begin(), rows_.end(), selectable) <= 1) {
            buttons->CheckAllButton->hide();
            buttons->ClearChecksButton->hide();
            buttons->SetCheckedButton->setText("Set");
            buttons->SetCheckedButton->setEnabled(true);
            for (EditRow& row : rows_)
                if (selectable(row))
                    row.Check->setChecked(true);
            const auto ticked = std::count_if(rows_.begin(), rows_.end(), [this](const EditRow& row) {
                return row.Check->isVisibleTo(rowsHost_) && row.Check->isChecked();
            });
            // A single writable row needs no selection.
            if (ticked <= 1)
                for (EditRow& row : rows_)
                    row.Check->hide();
        }
    }
    buttons->ShowSecrets->setVisible(HasSecrets());
    if (HasSecrets()) {
        const QSignalBlocker quiet(buttons->ShowSecrets);
        buttons->ShowSecrets->setChecked(secretsShown_);
        disconnect(buttons->ShowSecrets, nullptr, this, nullptr);
        connect(buttons->ShowSecrets, &QCheckBox::toggled, this, &TEditsPanel::SetSecretsShown);
        if (std::find(secretToggles_.begin(), secretToggles_.end(), buttons->ShowSecrets) ==
            secretToggles_.end())
            secretToggles_.emplace_back(buttons->ShowSecrets);
    }
    buttons->ArrangeButtons();
}

bool TEditsPanel::HasSecrets() const {
    return std::any_of(rows_.begin(), rows_.end(), [](const EditRow& row) { return row.Secret; });
}

void TEditsPanel::SetSecretsShown(bool shown) {
    secretsShown_ = shown;
    for (const EditRow& row : rows_)
        if (QLineEdit* edit = row.Edit(); edit && row.Secret)
            edit->setEchoMode(shown ? QLineEdit::Normal : QLineEdit::Password);
    if (binding_)
        if (TvListSortProxy* proxy = binding_->ListProxy())
            proxy->SetSecretsShown(shown);
    for (const QPointer<QCheckBox>& toggle : secretToggles_)
        if (toggle) {
            const QSignalBlocker quiet(toggle.data());
            toggle->setChecked(shown);
        }
}

bool TEditsPanel::AllRowsReadOnly() const {
    const TvSNMPVarList& list = binding_->Request.VarList;
    for (int i = 0; i < RowCount(); ++i)
        if (list.IsWritable(i) && i >= list.KeyCount)
            return false;
    return true;
}

void TEditsPanel::SetOctetItem(int i, int columns, int bits) {
    ValidRow(i, "SetOctetItem");
    EditRow& row = rows_[static_cast<size_t>(i)];
    if (row.RowKind != EditRow::rkReadOnly && row.RowKind != EditRow::rkEdit)
        throw TvException("You can only assign Octet Item to a Edit!", errUnknown);
    row.Columns = std::max(columns, 1);
    row.Bits = bits;
    row.Edit()->setReadOnly(true);
    row.Edit()->installEventFilter(this);
}

bool TEditsPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Leaving the window (another window, a menu, a message box) is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !checkingValue_)
            for (int i = 0; i < RowCount(); ++i)
                if (rows_[static_cast<size_t>(i)].Value == watched) {
                    ValueLeft(i);
                    break;
                }
        return QWidget::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::KeyPress) {
        for (int i = 0; i < RowCount(); ++i) {
            const EditRow& row = rows_[static_cast<size_t>(i)];
            if (row.Value != watched || row.Columns == 0)
                continue;
            if (event->type() == QEvent::KeyPress) {
                // Moving through the window keeps working.
                const int key = static_cast<QKeyEvent*>(event)->key();
                if (key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Escape)
                    return false;
            }
            OpenBitmapDialog(i);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TEditsPanel::HideRow(int i) {
    ValidRow(i, "HideRow");
    EditRow& row = rows_[static_cast<size_t>(i)];
    binding_->Request.VarList.Item(i).Access |= accHidden;
    row.Check->hide();
    row.Label->hide();
    row.Value->hide();
}

void TEditsPanel::ShowRow(int i) {
    ValidRow(i, "ShowRow");
    EditRow& row = rows_[static_cast<size_t>(i)];
    binding_->Request.VarList.Item(i).Access &= ~accHidden;
    row.Check->setVisible(row.Writable);
    row.Label->show();
    row.Value->show();
}

void TEditsPanel::CheckRow(int i) {
    ValidRow(i, "CheckRow");
    rows_[static_cast<size_t>(i)].Check->setChecked(true);
    UpdateSetButton();
}

void TEditsPanel::UncheckRow(int i) {
    ValidRow(i, "UncheckRow");
    rows_[static_cast<size_t>(i)].Check->setChecked(false);
    UpdateSetButton();
}

void TEditsPanel::ClearRow(int i) {
    ValidRow(i, "ClearRow");
    EditRow& row = rows_[static_cast<size_t>(i)];
    if (QLineEdit* edit = row.Edit())
        edit->clear();
    else if (QComboBox* combo = row.Combo())
        combo->setCurrentIndex(-1);
    binding_->Request.VarList.Item(i).Value.clear();
}

void TEditsPanel::ClearRows() {
    for (int i = 0; i < RowCount(); ++i)
        ClearRow(i);
}

void TEditsPanel::SetRowValue(int i, const QString& text) {
    ValidRow(i, "SetRowValue");
    EditRow& row = rows_[static_cast<size_t>(i)];
    if (QLineEdit* edit = row.Edit()) {
        edit->setText(text);
    } else if (QComboBox* combo = row.Combo()) {
        combo->setCurrentIndex(-1);
        for (int k = 0; k < combo->count(); ++k)
            if (SameText(combo->itemText(k), text)) {
                combo->setCurrentIndex(k);
                break;
            }
    }
    binding_->Request.VarList.Item(i).Value = ToBytes(text);
}

void TEditsPanel::SetVarFormat(int i, const QString& format) {
    ValidRow(i, "SetVarFormat");
    EditRow& row = rows_[static_cast<size_t>(i)];
    binding_->Unbind(i);
    switch (row.RowKind) {
    case EditRow::rkReadOnly:
    case EditRow::rkEdit:
        binding_->BindEdits(i, format, row.Edit());
        row.Format = format;
        break;
    case EditRow::rkList:
        throw TvException("Can not set Var format to a ComboBox!", errUnknown);
    default:
        throw TvException("Unknow UI Control type!", errUnknown);
    }
}

bool TEditsPanel::IsRowTicked(int i) const {
    return rows_.at(static_cast<size_t>(i)).Check->isChecked();
}

bool TEditsPanel::AnyVisibleTicked() const {
    return std::any_of(rows_.begin(), rows_.end(), [this](const EditRow& row) {
        return row.Check->isVisibleTo(rowsHost_) && row.Check->isChecked();
    });
}

void TEditsPanel::UpdateSetButton() {
    if (buttons_ && buttons_->SetCheckedButton->text() != "Set")
        buttons_->SetCheckedButton->setEnabled(AnyVisibleTicked());
}

bool TEditsPanel::IsDisruptiveRow(int i) const {
    return binding_ && i >= 0 && i < binding_->Request.VarList.Count() &&
           TvDisruptiveWrites::Find(binding_->Request.VarList.Item(i).Oid) != nullptr;
}

void TEditsPanel::CheckAll() {
    for (int i = 0; i < RowCount(); ++i) {
        EditRow& row = rows_[static_cast<size_t>(i)];
        if (row.Check->isEnabled() && !IsDisruptiveRow(i))
            row.Check->setChecked(true);
    }
    if (buttons_ && AnyVisibleTicked())
        buttons_->SetCheckedButton->setEnabled(true);
}

void TEditsPanel::ClearChecks() {
    for (EditRow& row : rows_)
        if (row.Check->isEnabled())
            row.Check->setChecked(false);
    if (buttons_ && !AnyVisibleTicked())
        buttons_->SetCheckedButton->setEnabled(false);
}

void TEditsPanel::CheckBoxClick(int i) {
    if (MulticastRangeMode && i != 4 && rows_[static_cast<size_t>(i)].Check->isChecked())
        CheckAll();
    if (buttons_)
        buttons_->SetCheckedButton->setEnabled(AnyVisibleTicked());
}

bool TEditsPanel::RowEmpty(int i) const {
    const EditRow& row = rows_[static_cast<size_t>(i)];
    if (const QLineEdit* edit = row.Edit())
        return edit->text().isEmpty();
    if (const QComboBox* combo = row.Combo())
        return combo->currentText().isEmpty();
    return true;
}

bool TEditsPanel::CheckMulticastEntry() {
    if (!MulticastRangeMode)
        return true;
    auto fail = [this](const char* text) {
        TvMessageBox::Error(this, text);
        return false;
    };
    if (RowCount() < 5 || !IsRowTicked(4))
        return fail("Some fields need to be checked!");
    const int ticked = IsRowTicked(1) + IsRowTicked(2) + IsRowTicked(3);
    if (ticked != 0 && ticked != 3)
        return fail("Some fields need to be checked!");
    auto text = [this](int i) {
        const EditRow& row = rows_[static_cast<size_t>(i)];
        return row.Edit() ? row.Edit()->text() : row.Combo() ? row.Combo()->currentText() : QString();
    };
    if (!IsMulticastAddress(text(1)))
        return fail("Bad value of FromIP field!");
    if (!IsMulticastAddress(text(2)))
        return fail("Bad value of ToIP field!");
    if (text(3) == "none")
        return fail("Bad value of Access field!");
    return true;
}

bool TEditsPanel::CheckConstraints() {
    // A value typed and never left has not been checked yet: nothing refused may go out.
    if (!binding_->Constraints)
        return true;
    for (const EditRow& row : rows_) {
        QLineEdit* edit = row.Edit();
        if (!edit || !row.Check->isChecked() || edit->isReadOnly())
            continue;
        const EditConstraint_s* record = binding_->Constraints->Record(edit);
        const QString text = edit->text();
        if (!record || text == "(NULL)")
            continue;
        if (const auto message = record->Check(ToBytes(text))) {
            TvMessageBox::Error(this, FromBytes(*message).replace(QLatin1String("\\n"), QLatin1String("\n")));
            edit->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

QString TEditsPanel::BrokenValue(int i) const {
    if (!binding_ || i < 0 || i >= RowCount() || i >= binding_->Request.VarList.Count())
        return {};
    const EditRow& row = rows_[static_cast<size_t>(i)];
    const QLineEdit* edit = row.Edit();
    const TvSNMPVarItem& item = binding_->Request.VarList.Item(i);
    // Bit-map rows are filled by their dialog; option texts are not typed.
    if (!edit || edit->isReadOnly() || row.Columns > 0 || item.Options)
        return {};
    const std::string text = ToBytes(edit->text());
    const auto rule = TvValueCheck::Broken(text, item.Syntax);
    // The message names a secret's field, not what was typed into it.
    const std::string shown = row.Secret ? std::string(TvSecretVars::kHidden) : text;
    return rule ? FromBytes(TvValueCheck::Message(item.Label, shown, *rule)) : QString();
}

void TEditsPanel::ValueLeft(int i) {
    const QString message = BrokenValue(i);
    if (message.isEmpty())
        return;
    QPointer<QLineEdit> edit = rows_[static_cast<size_t>(i)].Edit();
    checkingValue_ = true;
    TvMessageBox::Error(window(), message);
    checkingValue_ = false;
    // The text stays for the operator to mend; nothing of it is cut to fit.
    if (edit) {
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
}

bool TEditsPanel::CheckValues() {
    for (int i = 0; i < RowCount(); ++i) {
        if (!IsRowTicked(i))
            continue;
        const QString message = BrokenValue(i);
        if (message.isEmpty())
            continue;
        TvMessageBox::Error(this, message);
        if (QLineEdit* edit = rows_[static_cast<size_t>(i)].Edit()) {
            edit->setFocus(Qt::OtherFocusReason);
            edit->selectAll();
        }
        return false;
    }
    return true;
}

QStringList TEditsPanel::EmptyRows() const {
    QStringList names;
    const TvSNMPVarList& list = binding_->Request.VarList;
    for (int i = 0; i < list.Count() && i < RowCount(); ++i)
        if (IsRowTicked(i) && !(list.Item(i).Access & accExcluded) && RowEmpty(i))
            names << rows_[static_cast<size_t>(i)].Label->text();
    return names;
}

bool TEditsPanel::ConfirmDisruptive() {
    const TvSNMPVarList& list = binding_->Request.VarList;
    QStringList effects;
    for (int i = 0; i < list.Count() && i < RowCount(); ++i) {
        const TvSNMPVarItem& item = list.Item(i);
        const TvDisruptiveVar* mark = TvDisruptiveWrites::Find(item.Oid);
        if (!mark || !IsRowTicked(i) || (item.Access & accExcluded))
            continue;
        // The value that does nothing is written without a question.
        if (mark->Harmless &&
            QString::compare(FromBytes(item.Value), mark->Harmless, Qt::CaseInsensitive) == 0)
            continue;
        effects << QString("\"%1\" = \"%2\": writing it %3.")
                       .arg(FromBytes(item.Label), FromBytes(item.Value), QString::fromLatin1(mark->Effect));
    }
    if (effects.isEmpty())
        return true;
    return TvMessageBox::YesNo(this, effects.join('\n') + "\n\nSend this write?", "Confirm");
}

QStringList TEditsPanel::UnsentEdits() const {
    QStringList labels;
    for (const EditRow& row : rows_)
        if (row.Changed && row.Writable && row.Value->isVisibleTo(rowsHost_))
            labels << row.Label->text();
    return labels;
}

void TEditsPanel::ForgetEdits() {
    for (EditRow& row : rows_)
        row.Changed = false;
}

bool TEditsPanel::WriteChecked() {
    if (!binding_ || !CheckMulticastEntry() || !CheckConstraints() || !CheckValues())
        return false;
    // A read on its way would bring the switch's values back over what is written now.
    if (binding_->Busy) {
        binding_->ShowStatus(TvSNMPRequest2Controls::opSet, TvDedicatedWindow::kWaitingMessage);
        return false;
    }
    try {
        binding_->ControlsToValues();
    } catch (const TvException& e) {
        TvMessageBox::Error(this, FromBytes(e.Message()));
        return false;
    }
    const TvSNMPVarList& list = binding_->Request.VarList;
    std::vector<int> ticked;
    for (int i = 0; i < list.Count() && i < RowCount(); ++i)
        if (IsRowTicked(i) && !(list.Item(i).Access & accExcluded))
            ticked.push_back(i);
    if (const QStringList emptyRows = EmptyRows(); !emptyRows.isEmpty()) {
        TvMessageBox::Warning(this, "Some items are empty!\n" + emptyRows.join('\n'));
        return false;
    }
    if (!ConfirmDisruptive())
        return false;
    try {
        // Nothing ticked writes nothing (an empty list would name every item). Through the event pump
        // the window and the others stay live meanwhile; a table is read again once the write is in.
        if (!ticked.empty())
            binding_->Set(binding_->Asynchronous, false, ticked);
    } catch (const TvException& e) {
        binding_->ShowStatus(e.Message());
    }
    // Sent, whatever the answer: the operator's changes are no longer pending.
    for (int i = 0; i < RowCount(); ++i)
        if (IsRowTicked(i))
            rows_[static_cast<size_t>(i)].Changed = false;
    return true;
}

void TEditsPanel::OpenBitmapDialog(int r) {
    ValidRow(r, "OpenBitmapDialog");
    EditRow& row = rows_[static_cast<size_t>(r)];
    if (row.Columns == 0 || !binding_ || inHandler_)
        return;
    // The dialog works on the values last read: a read on its way would change them under it.
    if (binding_->Busy) {
        binding_->ShowStatus(TvSNMPRequest2Controls::opGet, TvDedicatedWindow::kWaitingMessage);
        return;
    }
    inHandler_ = true;
    struct Mark {
        bool& flag;
        ~Mark() { flag = false; }
    } mark{inHandler_};
    TvSNMPRequest2Edits& binding = *binding_;
    const int i = r;
    const bool writable = binding.Request.VarList.IsWritable(i);

    QDialog dialog(window());
    dialog.setWindowModality(Qt::WindowModal); // holds its window only
    dialog.setObjectName("BitmapDialog");
    dialog.setWindowTitle(FromBytes(binding.Request.VarList.Item(i).Label));
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint);
    try {
        binding.StoreControls(-1);
    } catch (const TvException&) {
    }

    QList<QCheckBox*> boxes;
    QStringList bitList;
    int right = 0;
    int bottom = 0;
    for (int n = 0; n < row.Bits; ++n) {
        auto* label = TvPlainText::NewLabel(QString::number(n + 1), &dialog);
        label->adjustSize();
        auto* box = new QCheckBox(&dialog);
        box->setObjectName(QString("Bit%1").arg(n));
        box->setFixedWidth(kCheckWidth);
        box->setFocusPolicy(Qt::NoFocus);
        box->setEnabled(writable);
        box->adjustSize();
        const int line = n / row.Columns;
        const int column = n % row.Columns;
        const int lh = label->height();
        const int ch = box->height();
        label->move(column * 20 + 10, line * (ch + lh) + 10);
        box->move(column * 20 + 10, lh + line * (lh + ch) + 10);
        boxes << box;
        bitList << QString::number(n);
        // The width follows a full line, or the last box when there are fewer bits than columns.
        if (n < row.Columns)
            right = std::max(right, box->x() + box->width());
        bottom = std::max(bottom, box->y() + box->height());
    }
    // Unbinding puts the row's own binding back below, whatever happens.
    binding.Unbind(i);
    binding.BindBitCheckBoxes(i, ToBytes(bitList.join(',')), boxes);
    try {
        binding.LoadControls(i);
    } catch (const TvException&) {
        ClearRow(r);
        for (QCheckBox* box : boxes)
            box->setChecked(false);
    }

    auto* ok = new QPushButton("OK", &dialog);
    ok->setObjectName("OK");
    auto* cancel = new QPushButton("Cancel", &dialog);
    cancel->setObjectName("Cancel");
    auto* all = new QPushButton("Check All", &dialog);
    all->setObjectName("CheckAll");
    auto* none = new QPushButton("Clear Checks", &dialog);
    none->setObjectName("ClearChecks");
    int x = 10;
    for (QPushButton* b : {ok, cancel, all, none}) {
        b->adjustSize();
        b->move(x, bottom + 10);
        x += b->width() + 10;
        b->setFocusPolicy(Qt::StrongFocus);
    }
    connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    connect(all, &QPushButton::clicked, &dialog, [boxes] {
        for (QCheckBox* b : boxes)
            b->setChecked(true);
    });
    connect(none, &QPushButton::clicked, &dialog, [boxes] {
        for (QCheckBox* b : boxes)
            b->setChecked(false);
    });
    if (!writable) {
        cancel->hide();
        all->hide();
        none->hide();
    }
    dialog.setFixedSize(std::max(right + 10, x), ok->y() + ok->height() + 10);
    QPointer<TEditsPanel> alive(this);
    const int result = dialog.exec();
    if (!alive || !binding_)
        return;
    if (result == QDialog::Accepted) {
        try {
            binding.StoreControls(-1);
        } catch (const TvException& e) {
            binding.ShowStatus(e.Message());
        }
    }
    binding.Unbind(i);
    binding.BindEdits(i, row.Format, row.Edit());
    try {
        binding.LoadControls(i);
        binding.StoreControls(-1);
    } catch (const TvException&) {
    }
}
