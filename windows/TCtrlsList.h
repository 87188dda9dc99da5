#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class QLabel;

// The controls of one composite field: first the host panel, then the part controls (combo boxes and
// edits) in screen order. The host stands in for one value control of an editor row and the parts
// each edit one field of the value.
class TCtrlsList {
public:
    TCtrlsList() = default;
    explicit TCtrlsList(QWidget* host) { Controls.append(host); }

    QList<QPointer<QWidget>> Controls; // not owned: the host owns the parts, its parent owns it

    QWidget* Host() const { return Controls.isEmpty() ? nullptr : Controls.first().data(); }
    void AddPart(QWidget* part) { Controls.append(part); }
    int PartCount() const { return Controls.isEmpty() ? 0 : static_cast<int>(Controls.size()) - 1; }
    // Part k (0 = the first part on screen).
    QWidget* Part(int k) const { return Controls.value(k + 1).data(); }

    // "-" when every part holds a value (an edit with text, a combo box with a selection), else empty.
    QString Text() const;
    // Places the parts side by side across the host, each an equal share of its width; an edit is 4
    // pixels narrower than a combo box and starts 4 pixels further right. `colon`, when given, sits in
    // the gap after part `colonAfter`.
    void Arrange(QLabel* colon = nullptr, int colonAfter = -1) const;
};
