#pragma once

#include "binding/TvLedShape.h"
#include "binding/TvSNMPRequest2Controls.h"
#include "values/TvLedOctets.h"
#include "values/TvSNMPLedColorMapList.h"

#include <QPointer>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

// Binds a status value of octets to LED shapes: reads it periodically, turns each LED's octets into a
// colour through its map, and flashes the LEDs whose blink bits are set for a few ticks after each
// reading. Failed readings darken every LED until a reading succeeds again; polling goes on.
class TvSNMPRequest2Leds : public TvSNMPRequest2Controls {
public:
    struct LedBinding {
        int VarIndex;                     // item of the list
        int ByteIndex;                    // octet of the value
        const TvSNMPLedColorMapList* Map; // shared data, not owned
        QPointer<TvLedShape> Shape;       // owned by the owner window
        bool Blinking = false;
        TvLedColor Color = kLedBlack; // the colour to show
    };

    static constexpr int kBlinkIntervalMs = 60;

    explicit TvSNMPRequest2Leds(QWidget* owner);
    ~TvSNMPRequest2Leds() override;

    int BlinkLimit = 6; // blink ticks after a reading during which blinking LEDs flash
    int BlinkTicks = 0; // blink ticks since the last reading
    int LedMode = lmSingle;
    int HeaderLength = 4; // in paired mode, octets before this index are single-octet LEDs

    // Appends an LED and paints its shape in the map's off colour.
    void AddLed(int varIndex, int byteIndex, const TvSNMPLedColorMapList& map, TvLedShape* shape);
    // One shape per octet index of the comma-separated `octets`, inside `panel` at top 1 and left
    // `left` + p × (`gap` + `width`); then the panel loses its bevels. False, adding nothing, when the
    // list is not a list of octet indexes.
    bool AddLeds(int varIndex, const std::string& octets, const TvSNMPLedColorMapList& map, QWidget* panel,
                 int left, int gap, TvLedShape::Kind kind, int width, int height);
    // Non-positive values give mode 1 and header length 4.
    void SetLedMode(int mode, int headerLength);

    // Polls every `interval` × 10 ms (no timer for a non-positive interval) and reads once at once. A
    // failure to send that first read darkens the LEDs and is raised.
    void Start(int interval);
    // Both timers off, every LED dark; replies still on their way no longer light them.
    void Stop();
    // Every LED stops blinking and shows its off colour.
    void ResetLeds();
    // Reads at once instead of at the next tick (a notification said that a port changed); the next tick
    // comes a whole interval later. While a read is in flight one more follows its reply, however many
    // are asked for meanwhile, so a flood of notifications costs one read per round trip.
    void ReadNow();
    int ImmediateReads = 0; // reads ReadNow started

    const std::vector<LedBinding>& Leds() const { return leds_; }
    bool Polling() const { return refreshTimer_->isActive(); }
    int PollInterval() const { return refreshTimer_->interval(); }
    // The blink timer runs only while some LED can still change colour by it.
    bool BlinkTimerActive() const { return blinkTimer_->isActive(); }

    void ReceiveOne() override;
    void GetFailed(TvSNMPError& reply) override;
    // Colour and blinking of one LED from the value of its item.
    virtual void EvaluateLed(LedBinding& led);
    // One blink step: flashing LEDs alternate with their off colour while BlinkTicks ≤ BlinkLimit.
    void BlinkStep();

private:
    void RefreshTimerTick();

    std::vector<LedBinding> leds_;
    std::unique_ptr<QTimer> refreshTimer_;
    std::unique_ptr<QTimer> blinkTimer_;
    bool stopped_ = false;
    bool readAgain_ = false; // ReadNow was asked while a read was in flight
    void ReadAgainIfAsked();
};
