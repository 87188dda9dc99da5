#pragma once

#include "binding/TvDedicatedWindow.h"

#include <memory>
#include <string>

class QComboBox;
class QLineEdit;
class QPushButton;
class QStatusBar;
class TvSNMPRequest2Controls;
class TvSNMPRequest2Edits;
struct TvSNMPError;

// SSL settings: the SSL status, the four cipher suites (one bit each of the Cipher Suites value) and
// the cache time-out, read and written together.
class TSSLManagementForm : public TvDedicatedWindow {
    Q_OBJECT

public:
    explicit TSSLManagementForm(QWidget* parent);
    ~TSSLManagementForm() override;

    QComboBox* cbxSSLVersion;
    QLineEdit* edtciphersuites; // hidden: the Cipher Suites text the combos stand for
    QComboBox* cbxciphersuites1;
    QComboBox* cbxciphersuites2;
    QComboBox* cbxciphersuites3;
    QComboBox* cbxciphersuites4;
    QLineEdit* edtCacheTimeOut;
    QPushButton* btnGet;
    QPushButton* btnSet;
    QStatusBar* StatusBar1;

    TvSNMPRequest2Edits* Binding() const { return binding_.get(); }

    void btnGetClick();
    void btnSetClick();

private:
    void Read();
    void GetDone(TvSNMPRequest2Controls& binding, TvSNMPError& reply);

    std::unique_ptr<TvSNMPRequest2Edits> binding_;
};
