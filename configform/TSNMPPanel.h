#pragma once

#include <QDialog>
#include <QFrame>
#include <QPointer>
#include <QStringList>

#include <functional>

class QDialog;
class QSplitter;
class QTimer;
class TCtrlBtnPanel;
class TMsgPanel;
class TvSNMPRequest2Edits;

// Frame of every panel of a configuration window: a content area, the button column at its right and
// a message panel at its bottom whose memo receives the binding's status lines.
class TSNMPPanel : public QFrame {
    Q_OBJECT

public:
    // With `sharedMessages` the status lines go to that panel's memo and no message panel is made.
    TSNMPPanel(QWidget* owner, TMsgPanel* sharedMessages, TvSNMPRequest2Edits* binding);

    // Puts `control` into the content area and sizes the panel around it.
    void SetContent(QWidget* control);
    // Sizes `window` around the panel (capped at 800 x 550) and lets the panel fill it.
    void AttachToForm(QDialog* window);

    TvSNMPRequest2Edits* Binding() const { return binding_; }
    QWidget* Content() const { return content_; }
    QDialog* Window() const { return window_; }
    // The bindings are destroyed before the window: a panel asked to act after that does nothing.
    void ReleaseBinding() { binding_ = nullptr; }

    TCtrlBtnPanel* Buttons = nullptr;
    QWidget* ClientArea = nullptr;
    TMsgPanel* MessagePanel = nullptr; // none when the messages are shared
    QSplitter* ButtonSplitter = nullptr;
    QSplitter* MessageSplitter = nullptr;

    // Marks a handler that lets window messages run: the window keeps the bindings alive meanwhile.
    class HandlerScope {
    public:
        explicit HandlerScope(TSNMPPanel& panel) : panel_(panel) { ++panel_.handlerDepth_; }
        ~HandlerScope() { --panel_.handlerDepth_; }
        HandlerScope(const HandlerScope&) = delete;
        HandlerScope& operator=(const HandlerScope&) = delete;

    private:
        TSNMPPanel& panel_;
    };
    bool InHandler() const { return handlerDepth_ > 0; }

    static constexpr int MaxClientWidth = 800;
    static constexpr int MaxClientHeight = 550;

    // Labels of the values the operator changed in this panel and has not sent; null when the panel
    // has no editor rows of its own.
    std::function<QStringList()> UnsentEdits;
    // Asks before values changed and not sent are given up; true when there are none or the operator
    // agrees. `action` names what would discard them ("Refresh", "Close").
    bool ConfirmDiscard(const QString& action);

    // Reads the binding; a raised error becomes a status line. While the read runs the panel shows the
    // busy pointer and further reads are ignored.
    void ReadBinding();

protected:
    void RefreshButtonClick();
    void CloseButtonClick();

private:
    void ShowBusy(bool busy);

    TvSNMPRequest2Edits* binding_;
    TMsgPanel* sharedMessages_;
    QPointer<QDialog> window_;
    QPointer<QWidget> content_;
    QWidget* contentHolder_ = nullptr;
    int handlerDepth_ = 0;
    QTimer* busyWatch_ = nullptr;
};
