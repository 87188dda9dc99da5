#include "windows/TCtrlsList.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {
constexpr int kEditInset = 4;
}

QString TCtrlsList::Text() const {
    for (int k = 0; k < PartCount(); ++k) {
        const QWidget* part = Part(k);
        if (const auto* edit = qobject_cast<const QLineEdit*>(part)) {
            if (edit->text().isEmpty())
                return QString();
        } else if (const auto* combo = qobject_cast<const QComboBox*>(part)) {
            if (combo->currentIndex() < 0 || combo->currentText().isEmpty())
                return QString();
        } else {
            return QString();
        }
    }
    return PartCount() > 0 ? QStringLiteral("-") : QString();
}

void TCtrlsList::Arrange(QLabel* colon, int colonAfter) const {
    const QWidget* host = Host();
    const int n = PartCount();
    if (!host || n == 0)
        return;
    const int share = host->width() / n;
    const int height = host->height();
    for (int k = 0; k < n; ++k) {
        QWidget* part = Part(k);
        if (!part)
            continue;
        const int left = k * share;
        if (qobject_cast<QLineEdit*>(part))
            part->setGeometry(left + kEditInset, 0, share - kEditInset, height);
        else
            part->setGeometry(left, 0, share, height);
        if (colon && k == colonAfter)
            colon->setGeometry(left + share, 0, kEditInset, height);
    }
}
