#include "binding/TvEditConstraint.h"

#include "base/ErrorCatalog.h"
#include "guibase/TvMessageBox.h"
#include "guibase/TvPlainText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QValidator>

#include <algorithm>

namespace {

std::function<void()>& BeepFunction() {
    static std::function<void()> beep;
    return beep;
}

void Beep() {
    if (BeepFunction())
        BeepFunction()();
    else
        QApplication::beep();
}

bool IsPlaceholder(const QString& text) {
    return text == QLatin1String("(NOTDONE)") || text == QLatin1String("(NULL)");
}

// Puts `text` into the edit with the cursor where the operator was typing.
void SetTextKeepingCursor(QLineEdit& edit, const QString& text, int cursor) {
    edit.setText(text);
    edit.setCursorPosition(std::clamp(cursor, 0, static_cast<int>(text.size())));
}

// Limits what the operator types, as a native edit's length limit does: texts that the program puts in
// (setText is not validated), such as "(NULL)" in a one-digit field, stay whole.
class LengthLimit : public QValidator {
public:
    LengthLimit(int limit, QObject* parent) : QValidator(parent), limit_(limit) {}
    State validate(QString& text, int&) const override { return text.size() > limit_ ? Invalid : Acceptable; }

private:
    int limit_;
};

} // namespace

TvEditConstraint::TvEditConstraint(QWidget* form, bool remember) : Form(form), Remember(remember) {}

TvEditConstraint::~TvEditConstraint() {
    for (auto& r : records_)
        Release(*r);
}

void TvEditConstraint::SetBeep(std::function<void()> beep) {
    BeepFunction() = std::move(beep);
}

EditConstraint_s* TvEditConstraint::Record(const QLineEdit* edit) const {
    for (const auto& r : records_)
        if (r->Edit == edit)
            return r.get();
    return nullptr;
}

EditConstraint_s& TvEditConstraint::Attach(const QString& format, QLineEdit* edit) {
    auto record = std::make_unique<EditConstraint_s>();
    static_cast<TvFieldFormat&>(*record) = TvFieldFormat::Parse(ToBytes(format)); // raises before any change
    Detach(edit);
    // Records of edits that are gone are dropped here; the pointers cleared themselves.
    std::erase_if(records_, [](const auto& r) { return r->Edit.isNull(); });
    record->Edit = edit;
    if (record->Width > 0)
        edit->setFixedWidth(record->Width);
    // For a list of numbers the length counts numbers, not characters.
    if (record->MaxLength > 0 && record->Type != 'n') {
        record->Limit = new LengthLimit(record->MaxLength, edit);
        edit->setValidator(record->Limit);
    }
    record->Changed = connect(edit, &QLineEdit::textChanged, this,
                              [this, edit](const QString& text) { TextChanged(edit, text); });
    edit->installEventFilter(this);
    records_.push_back(std::move(record));
    return *records_.back();
}

void TvEditConstraint::AttachAll(const QString& format, const QList<QLineEdit*>& edits) {
    QStringList pieces;
    qsizetype start = 0;
    for (qsizetype i = 1; i <= format.size(); ++i) {
        if (i == format.size() || format[i] == QLatin1Char('%')) {
            pieces << format.mid(start, i - start);
            start = i;
        }
    }
    if (!pieces.isEmpty() && pieces.size() > 1 && pieces.back() == QLatin1String("%"))
        pieces.removeLast();
    if (pieces.size() > edits.size())
        RaiseError(errControlCount);
    for (const QString& piece : pieces)
        TvFieldFormat::Parse(ToBytes(piece)); // every piece checked before the first is attached
    for (qsizetype k = 0; k < pieces.size(); ++k)
        Attach(pieces[k], edits[k]);
}

void TvEditConstraint::BuildFields(QWidget* panel, const QString& format, QList<QLineEdit*>* edits) {
    int x = 0;
    QWidget* previous = nullptr;
    QString literal;
    QString field;
    int depth = 0;
    bool inField = false;
    const qsizetype n = format.size();
    auto addLabel = [&] {
        auto* label = TvPlainText::NewLabel(literal, panel);
        label->move(x, 0);
        label->adjustSize();
        label->show();
        x += label->width() + 1;
    };
    auto addEdit = [&] {
        auto* edit = new QLineEdit(panel);
        edit->resize(edit->sizeHint());
        edit->move(x, 0);
        try {
            Attach(field, edit);
        } catch (...) {
            delete edit;
            throw;
        }
        edit->resize(edit->width(), edit->sizeHint().height());
        edit->show();
        if (previous)
            QWidget::setTabOrder(previous, edit);
        previous = edit;
        x += edit->width() + 1;
        if (edits)
            edits->append(edit);
    };
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = format[i];
        if (!inField) {
            if (c == QLatin1Char('%')) {
                if (i + 1 < n && format[i + 1] == QLatin1Char('%')) {
                    literal += c;
                    ++i;
                } else {
                    inField = true;
                    field = c;
                }
            } else {
                literal += c;
            }
            if ((inField || i == n - 1) && !literal.isEmpty())
                addLabel();
            continue;
        }
        bool ended = false;
        if (c == QLatin1Char('%')) {
            ended = true;
            --i; // read again in literal state
        } else if (QStringLiteral("fhisu").contains(c)) {
            field += c;
            ended = i != n - 1 && depth == 0 && format[i + 1] != QLatin1Char('{');
        } else if (c == QLatin1Char('n')) {
            field += c;
            if (i != n - 1 && depth == 0) {
                field += format[++i]; // the delimiter
                ended = i != n - 1 && format[i + 1] != QLatin1Char('{');
            }
        } else if (c == QLatin1Char('{')) {
            field += c;
            ++depth;
        } else if (c == QLatin1Char('}')) {
            field += c;
            ended = --depth == 0;
        } else {
            field += c;
        }
        if ((ended || i == n - 1) && !field.isEmpty())
            addEdit();
        if (ended) {
            field.clear();
            literal.clear();
            inField = false;
            depth = 0;
        }
    }
    if (auto* box = qobject_cast<QGroupBox*>(panel))
        box->setTitle(QString());
    if (auto* frame = qobject_cast<QFrame*>(panel))
        frame->setFrameShape(QFrame::NoFrame);
    // Without a layout of its own the panel would otherwise be given no room for the row.
    panel->setMinimumSize(panel->childrenRect().united(QRect(0, 0, x, 0)).size());
}

void TvEditConstraint::Detach(QLineEdit* edit) {
    auto it =
        std::find_if(records_.begin(), records_.end(), [edit](const auto& r) { return r->Edit == edit; });
    if (it == records_.end())
        return;
    Release(**it);
    records_.erase(it);
}

void TvEditConstraint::Release(EditConstraint_s& record) {
    disconnect(record.Changed);
    if (record.Edit) {
        record.Edit->removeEventFilter(this);
        if (record.Limit && record.Edit->validator() == record.Limit)
            record.Edit->setValidator(nullptr);
        delete record.Limit;
    }
}

bool TvEditConstraint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // Leaving the window (another window, a menu, our own message box) is not leaving the field.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason && !checking_)
            if (auto* edit = qobject_cast<QLineEdit*>(watched))
                Left(edit);
    }
    return QObject::eventFilter(watched, event);
}

void TvEditConstraint::TextChanged(QLineEdit* edit, const QString& text) {
    EditConstraint_s* r = Record(edit);
    if (!r || text.isEmpty() || IsPlaceholder(text))
        return;
    if (r->JumpChar != 0) {
        const qsizetype at = text.indexOf(QLatin1Char(r->JumpChar));
        if (at >= 0) {
            SetTextKeepingCursor(*edit, QString(text).remove(at, 1), static_cast<int>(at));
            FocusNext(edit);
            return;
        }
    }
    if (const auto refused = r->FirstRefused(ToBytes(text))) {
        const auto at = static_cast<qsizetype>(*refused);
        SetTextKeepingCursor(*edit, QString(text).remove(at, 1), static_cast<int>(at));
        Beep();
        return;
    }
    if (r->OldOnChange) {
        const EditConstraint_s::Hook hook = r->OldOnChange; // the hook may detach the edit
        if (!hook(*edit))
            return;
        r = Record(edit);
        if (!r)
            return;
    }
    if ((r->Flags & TvFieldFormat::flAdvance) && r->MaxLength > 0 && text.size() == r->MaxLength)
        FocusNext(edit);
}

void TvEditConstraint::Left(QLineEdit* edit) {
    EditConstraint_s* r = Record(edit);
    const QString text = edit->text();
    if (!r || IsPlaceholder(text))
        return;
    if (const auto message = r->Check(ToBytes(text))) {
        Violation(*r, *message);
        return;
    }
    r->RefusedText.reset();
    if (text.isEmpty())
        return;
    if (r->OldOnExit) {
        const EditConstraint_s::Hook hook = r->OldOnExit;
        const bool accepted = hook(*edit);
        r = Record(edit);
        if (!r)
            return;
        if (!accepted) {
            edit->setText(r->SavedText);
            return;
        }
    }
    if (Remember)
        r->SavedText = text;
}

QString TvEditConstraint::FieldName(const QLineEdit& edit) {
    if (QWidget* window = edit.window())
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (label->buddy() == &edit) {
                QString name = label->text();
                name.remove(QRegularExpression(QStringLiteral("&(?!&)")));
                return name.trimmed();
            }
    return edit.accessibleName();
}

void TvEditConstraint::Violation(EditConstraint_s& record, const std::string& message) {
    QPointer<QLineEdit> edit = record.Edit;
    const QString typed = edit ? edit->text() : QString();
    // Said once for a text: leaving the field again with it goes on (the write checks it once more).
    if (typed == record.RefusedText)
        return;
    record.RefusedText = typed;
    QString text = FromBytes(message).replace(QLatin1String("\\n"), QLatin1String("\n"));
    if (edit)
        if (const QString name = FieldName(*edit); !name.isEmpty())
            text = name + ": " + text;
    checking_ = true;
    TvMessageBox::Information(Form, text);
    checking_ = false;
    if (!edit)
        return;
    // The typed text stays for mending.
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

void TvEditConstraint::FocusNext(QLineEdit* edit) {
    // Only the operator's typing moves on; the program filling a field must not steal the focus.
    if (!edit->hasFocus())
        return;
    // The next widget of the focus chain that Tab would reach.
    for (QWidget* w = edit->nextInFocusChain(); w && w != edit; w = w->nextInFocusChain()) {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(edit->window()) && w->isEnabled() &&
            w->window() == edit->window() && !w->focusProxy()) {
            w->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}
