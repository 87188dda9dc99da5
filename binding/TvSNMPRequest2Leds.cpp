#include "binding/TvSNMPRequest2Leds.h"

#include "base/TvException.h"
#include "values/TvNumList.h"
#include "values/TvOptionList.h"
#include "values/TvRawValueCodec.h"

#include <QFrame>

TvSNMPRequest2Leds::TvSNMPRequest2Leds(QWidget* owner)
    : TvSNMPRequest2Controls(owner), refreshTimer_(std::make_unique<QTimer>()),
      blinkTimer_(std::make_unique<QTimer>()) {
    // The timers belong to the binding, not the window: they call into it and must die with it.
    blinkTimer_->setInterval(kBlinkIntervalMs);
    QObject::connect(refreshTimer_.get(), &QTimer::timeout, refreshTimer_.get(),
                     [this] { RefreshTimerTick(); });
    QObject::connect(blinkTimer_.get(), &QTimer::timeout, blinkTimer_.get(), [this] { BlinkStep(); });
}

TvSNMPRequest2Leds::~TvSNMPRequest2Leds() {
    Stop();
    leds_.clear();
}

void TvSNMPRequest2Leds::AddLed(int varIndex, int byteIndex, const TvSNMPLedColorMapList& map,
                                TvLedShape* shape) {
    leds_.push_back({varIndex, byteIndex, &map, shape, false, map.OffColor});
    if (shape) {
        shape->SetColor(map.OffColor);
        shape->Describe(map.OffColor, false);
        shape->show();
    }
}

bool TvSNMPRequest2Leds::AddLeds(int varIndex, const std::string& octets, const TvSNMPLedColorMapList& map,
                                 QWidget* panel, int left, int gap, TvLedShape::Kind kind, int width,
                                 int height) {
    TvNumList<int> list(',');
    if (!list.Parse(octets))
        return false;
    for (int p = 0; p < list.Count(); ++p)
        if (list.Get(p) < 0)
            return false;
    for (int p = 0; p < list.Count(); ++p) {
        auto* shape = new TvLedShape(panel, kind);
        shape->setGeometry(left + p * (gap + width), 1, width, height);
        AddLed(varIndex, list.Get(p), map, shape);
    }
    if (auto* frame = qobject_cast<QFrame*>(panel))
        frame->setFrameShape(QFrame::NoFrame);
    return true;
}

void TvSNMPRequest2Leds::SetLedMode(int mode, int headerLength) {
    LedMode = mode > 0 ? mode : lmSingle;
    HeaderLength = headerLength > 0 ? headerLength : 4;
}

void TvSNMPRequest2Leds::Start(int interval) {
    stopped_ = false;
    refreshTimer_->setInterval(interval * 10);
    // A zero interval would spin; like a GUI timer without an interval it never fires.
    if (interval > 0)
        refreshTimer_->start();
    try {
        Get();
    } catch (...) {
        ResetLeds();
        throw;
    }
}

void TvSNMPRequest2Leds::Stop() {
    stopped_ = true;
    refreshTimer_->stop();
    blinkTimer_->stop();
    ResetLeds();
}

void TvSNMPRequest2Leds::ResetLeds() {
    blinkTimer_->stop();
    for (LedBinding& led : leds_) {
        led.Blinking = false;
        led.Color = led.Map->OffColor;
        if (led.Shape) {
            led.Shape->SetColor(led.Color);
            led.Shape->Describe(led.Color, false);
            led.Shape->show();
        }
    }
}

void TvSNMPRequest2Leds::RefreshTimerTick() {
    // Ticks do not wait for an earlier read: a dead switch still gets asked every interval.
    try {
        Get();
    } catch (const TvException& e) {
        ResetLeds();
        ShowStatus(e.Message());
    } catch (const std::exception& e) {
        ResetLeds();
        ShowStatus(e.what());
    }
}

void TvSNMPRequest2Leds::ReadNow() {
    if (stopped_)
        return;
    if (Busy) {
        readAgain_ = true;
        return;
    }
    if (refreshTimer_->isActive())
        refreshTimer_->start();
    ++ImmediateReads;
    RefreshTimerTick();
}

void TvSNMPRequest2Leds::ReadAgainIfAsked() {
    if (!readAgain_)
        return;
    readAgain_ = false;
    // After the reply's handling is over and the binding is free again.
    QTimer::singleShot(0, refreshTimer_.get(), [this] { ReadNow(); });
}

void TvSNMPRequest2Leds::ReceiveOne() {
    ReadAgainIfAsked();
    if (stopped_)
        return;
    BlinkTicks = 0;
    for (LedBinding& led : leds_) {
        EvaluateLed(led);
        if (led.Shape)
            led.Shape->Describe(led.Color, led.Blinking);
    }
    BlinkStep();
}

void TvSNMPRequest2Leds::GetFailed(TvSNMPError& reply) {
    ReadAgainIfAsked();
    LastOperation = opGet;
    ResetLeds();
    ShowStatus(reply.Message); // a poll never opens a message box
}

void TvSNMPRequest2Leds::EvaluateLed(LedBinding& led) {
    const TvSNMPVarItem& item = Request.VarList.Item(led.VarIndex);
    const std::string text = item.Options ? item.Options->TextToValue(item.Value) : item.Value;
    const std::string raw = TextToRaw(text, item.Syntax);
    const TvLedState state = EvaluateLedOctets(raw, led.ByteIndex, LedMode, HeaderLength, *led.Map);
    led.Color = state.Color;
    led.Blinking = state.Blinking;
}

void TvSNMPRequest2Leds::BlinkStep() {
    bool blinking = false;
    for (LedBinding& led : leds_) {
        if (!led.Shape)
            continue;
        if (led.Blinking) {
            blinking = true;
            const bool showColor = led.Shape->Color() == led.Map->OffColor || BlinkTicks > BlinkLimit;
            led.Shape->SetColor(showColor ? led.Color : led.Map->OffColor);
        } else {
            led.Shape->SetColor(led.Color);
        }
    }
    if (blinking)
        ++BlinkTicks;
    // Past the limit every flashing LED rests on its colour: further ticks would change nothing.
    const bool more = blinking && BlinkTicks <= BlinkLimit + 1 && !stopped_;
    if (more && !blinkTimer_->isActive())
        blinkTimer_->start();
    else if (!more)
        blinkTimer_->stop();
}
