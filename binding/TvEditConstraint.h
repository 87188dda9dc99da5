#pragma once

#include "values/TvFieldFormat.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

#include <functional>
#include <memory>
#include <vector>

class QLineEdit;
class QValidator;
class QWidget;

// One constrained edit. The field format supplies Type, Delimiter, Min, Max, MaxLength, Flags and
// JumpChar.
struct EditConstraint_s : TvFieldFormat {
    // Behaviour that must run inside the constraint's own, in its place: a hook returns false to
    // refuse (a change hook stops the rest of the keystroke handling; a leave hook puts the last
    // accepted text back). Other connections of the edit stay as they are.
    using Hook = std::function<bool(QLineEdit& edit)>;

    QPointer<QLineEdit> Edit;           // not owned
    QString SavedText;                  // last accepted text
    std::optional<QString> RefusedText; // the text last refused with a message (not said twice)
    Hook OldOnChange;
    Hook OldOnExit;
    QMetaObject::Connection Changed;
    QPointer<QValidator> Limit; // the length limit of typing, owned by the edit
};

// Tests what the operator types into edits against field formats such as "%i{n1x4094}": filters
// keystrokes as the text changes, checks ranges and lengths when the field is left (message box,
// last accepted text back, focus back) and lays out rows of fields such as the four octets of an
// address.
class TvEditConstraint : public QObject {
    Q_OBJECT

public:
    // `form` owns the message boxes and is asked to move the focus on; `remember` makes every text
    // accepted on leaving a field its SavedText.
    explicit TvEditConstraint(QWidget* form, bool remember = false);

    // The caption of the label that names `edit` (its buddy), without the mnemonic mark; else its
    // accessible name.
    static QString FieldName(const QLineEdit& edit);
    ~TvEditConstraint() override;
    TvEditConstraint(const TvEditConstraint&) = delete;
    TvEditConstraint& operator=(const TvEditConstraint&) = delete;

    // Constrains `edit` with one field format. A bad format raises -2 and leaves the edit as it was.
    // Attaching an edit again replaces its constraint.
    EditConstraint_s& Attach(const QString& format, QLineEdit* edit);
    // A format of several fields, piece k for edit k. More pieces than edits raises -522; any bad
    // piece raises -2; either way nothing is attached.
    void AttachAll(const QString& format, const QList<QLineEdit*>& edits);
    // Creates the labels and edits of a row of fields on `panel`, left to right, and appends the edits
    // to `edits` when given.
    void BuildFields(QWidget* panel, const QString& format, QList<QLineEdit*>* edits = nullptr);
    // Frees the edit's constraint; the edit keeps its text.
    void Detach(QLineEdit* edit);
    void SetForm(QWidget* form) { Form = form; }

    // The record of an edit, or nullptr.
    EditConstraint_s* Record(const QLineEdit* edit) const;

    // Sounds for a refused keystroke (tests replace it; empty restores the system beep).
    static void SetBeep(std::function<void()> beep);

    QPointer<QWidget> Form;
    bool Remember = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TextChanged(QLineEdit* edit, const QString& text);
    void Left(QLineEdit* edit);
    void Violation(EditConstraint_s& record, const std::string& message);
    void FocusNext(QLineEdit* edit);
    void Release(EditConstraint_s& record);

    std::vector<std::unique_ptr<EditConstraint_s>> records_;
    bool checking_ = false; // a leave check is showing its message box
};
