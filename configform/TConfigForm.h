#pragma once

#include <QDialog>
#include <QEvent>
#include <QStringList>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class QTabWidget;
class TSNMPEditorPanel;
class TSNMPListViewPanel;
class TSNMPPanel;
class TvSNMPRequest2Edits;

// The generic configuration window: one scalar or table panel, or tabbed pages of them, each over its
// own binding. The window reads the visible panel when it is shown and on every change of page;
// closing it stops every binding and destroys them once none is busy.
class TConfigForm : public QDialog {
    Q_OBJECT

public:
    enum FormType { ftNone = 0, ftEditor = 1, ftListView = 2, ftPages = 3 };
    // Posted to the window at creation: the first read runs when its modal loop starts.
    static constexpr QEvent::Type WM_CONFIG_REFRESH = static_cast<QEvent::Type>(QEvent::User + 1234);

    explicit TConfigForm(QWidget* owner);
    ~TConfigForm() override;

    FormType ConfigFormType() const { return type_; }

    // Each Add takes ownership of the binding. Raise the error exception in the wrong state.
    TSNMPEditorPanel* AddEditorPanel(std::unique_ptr<TvSNMPRequest2Edits> binding);
    // A non-empty add (delete) value declares the row-status column that creates (destroys) rows.
    TSNMPListViewPanel* AddListViewPanel(std::unique_ptr<TvSNMPRequest2Edits> binding, int addIndex,
                                         const char* addValue, int deleteIndex, const char* deleteValue);
    void MakePaged();
    TSNMPEditorPanel* AddEditorPage(const QString& title, std::unique_ptr<TvSNMPRequest2Edits> binding);
    TSNMPListViewPanel* AddListViewPage(const QString& title, std::unique_ptr<TvSNMPRequest2Edits> binding,
                                        int addIndex, const char* addValue, int deleteIndex,
                                        const char* deleteValue);

    // Reads the visible panel's binding and stops the one left behind.
    void RefreshActive();
    // Stops every binding; when none is busy any more, destroys them and returns true. A binding still
    // busy (its reply is on its way, or its handler is below us on the stack) makes it return false:
    // the close is retried shortly, so a read never outlives its binding and nothing waits on itself.
    bool FormClose();

    // Labels of the values changed in the window and not sent; ForgetEdits gives them up.
    QStringList UnsentEdits() const;
    void ForgetEdits();

    // Runs once after the window has closed and released its bindings.
    std::function<void()> OnClosed;

    int BindingCount() const { return static_cast<int>(bindings_.size()); }
    TvSNMPRequest2Edits* Binding(int index) const;
    TvSNMPRequest2Edits* CurrentBinding() const { return current_; }
    QTabWidget* PageControl() const { return pages_; }
    TSNMPPanel* Panel(int index) const;
    bool Closing() const { return closing_; }

    void done(int result) override;

protected:
    void customEvent(QEvent* event) override;

private:
    void CheckType(FormType wanted, const char* message) const;
    // The form owns the binding; the panel is a child of `parent`.
    template <typename Panel> Panel* NewPanel(QWidget* parent, std::unique_ptr<TvSNMPRequest2Edits> binding);
    static void SetRowStatus(TSNMPListViewPanel* panel, int addIndex, const char* addValue, int deleteIndex,
                             const char* deleteValue);
    void GrowClient(QSize size);
    QWidget* AddPageSheet(const QString& title);
    void FinishPage(QWidget* sheet, TSNMPPanel* panel);
    void ReleaseBindings();

    FormType type_ = ftNone;
    std::vector<std::unique_ptr<TvSNMPRequest2Edits>> bindings_;
    std::vector<TSNMPPanel*> panels_; // children, in binding order
    QTabWidget* pages_ = nullptr;
    TvSNMPRequest2Edits* current_ = nullptr;
    bool closing_ = false;
    bool closed_ = false;
    bool retryPending_ = false;
};
