#include "base/TvException.h"
#include "monitors/TvCounterHistory.h"
#include "monitors/TvCounterSampler.h"

#include <QTest>

#include <string>
#include <vector>

Q_DECLARE_METATYPE(std::vector<std::string>)

namespace {

using Baseline = TvCounterSampler::Baseline;
using Break = TvCounterSampler::Break;

// One counter sampled with `values` read one second apart; the cells of the last sample.
CounterCells Run(Baseline kind, int bits, const std::vector<std::string>& values,
                 std::int64_t stepMs = 1000) {
    TvCounterSampler s(kind);
    std::vector<CounterSlot> counterSlots(1);
    counterSlots[0].bits = bits;
    s.SetCounters(counterSlots);
    std::vector<CounterCells> cells;
    std::int64_t now = 0;
    for (const std::string& v : values) {
        s.Sample({v}, now, cells);
        now += stepMs;
    }
    return cells.at(0);
}

} // namespace

class TestCounterSampler : public QObject {
    Q_OBJECT

private slots:
    // Delta, rate and peak of the last of a few samples, one second apart (instance baseline: the
    // first sample only takes the baseline).
    void Deltas_data() {
        QTest::addColumn<int>("bits");
        QTest::addColumn<std::vector<std::string>>("values");
        QTest::addColumn<qulonglong>("delta");
        QTest::addColumn<qulonglong>("peak");
        QTest::newRow("steady") << 32 << std::vector<std::string>{"100", "112"} << 12ull << 12ull;
        QTest::newRow("32-bit wrap") << 32 << std::vector<std::string>{"4294967290", "5"} << 11ull << 11ull;
        QTest::newRow("counter cleared")
            << 32 << std::vector<std::string>{"2000", "500"} << 4294965796ull << 4294965796ull;
        QTest::newRow("from 0: no peak") << 32 << std::vector<std::string>{"0", "50"} << 50ull << 0ull;
        QTest::newRow("64-bit value kept low 32")
            << 32 << std::vector<std::string>{"4294967296", "4294967306"} << 10ull << 0ull;
        // A 64-bit counter does not wrap in the life of a switch: going down it was cleared, a new base.
        QTest::newRow("64-bit went down: new base")
            << 64 << std::vector<std::string>{"18446744073709551610", "4"} << 0ull << 0ull;
        QTest::newRow("64-bit past 2^32")
            << 64 << std::vector<std::string>{"5000000000", "9000000000"} << 4000000000ull << 4000000000ull;
        QTest::newRow("equal delta keeps peak")
            << 32 << std::vector<std::string>{"100", "150", "200"} << 50ull << 50ull;
    }
    void Deltas() {
        QFETCH(int, bits);
        QFETCH(std::vector<std::string>, values);
        QFETCH(qulonglong, delta);
        QFETCH(qulonglong, peak);
        const CounterCells c = Run(Baseline::Count, bits, values);
        QCOMPARE(c.Delta, delta);
        QCOMPARE(c.Peak, peak);
        QCOMPARE(c.Rate, delta); // one second apart
    }

    // A peak equal to the stored one is not a new peak: its time stays.
    void EqualDeltaIsNoNewPeak() {
        QVERIFY(Run(Baseline::Count, 32, {"100", "150"}).peak);
        QVERIFY(!Run(Baseline::Count, 32, {"100", "150", "200"}).peak);
        QVERIFY(Run(Baseline::Count, 32, {"100", "150", "201"}).peak);
    }

    // The rate divides by the time that really passed, rounded to the nearest whole number.
    void RateOverElapsedTime_data() {
        QTest::addColumn<qulonglong>("delta");
        QTest::addColumn<qint64>("ms");
        QTest::addColumn<qulonglong>("rate");
        QTest::newRow("1 s") << 12ull << qint64(1000) << 12ull;
        QTest::newRow("5 s") << 12ull << qint64(5000) << 2ull;
        QTest::newRow("rounds up") << 13ull << qint64(5000) << 3ull;
        QTest::newRow("pause of 61 s") << 61000ull << qint64(61000) << 1000ull;
        QTest::newRow("slow read: 2.5 s") << 2500ull << qint64(2500) << 1000ull;
        QTest::newRow("same millisecond") << 7ull << qint64(0) << 7000ull;
        QTest::newRow("64-bit delta") << 18000000000000000000ull << qint64(10000) << 1800000000000000000ull;
    }
    void RateOverElapsedTime() {
        QFETCH(qulonglong, delta);
        QFETCH(qint64, ms);
        QFETCH(qulonglong, rate);
        QCOMPARE(TvCounterSampler::RateOf(delta, ms), rate);
    }

    // Which cells each sample writes, per baseline kind, across a reset.
    void BaselineRules() {
        TvCounterSampler group(Baseline::Flag), instance(Baseline::Count);
        for (TvCounterSampler* s : {&group, &instance})
            s->SetCounters(std::vector<CounterSlot>(1));
        std::vector<CounterCells> g, i;
        auto both = [&](const std::string& v, std::int64_t t) {
            group.Sample({v}, t, g);
            instance.Sample({v}, t, i);
        };
        both("100", 0);
        QVERIFY(g[0].value && !g[0].deltaRate);
        QVERIFY(!i[0].value && !i[0].deltaRate && !i[0].peak);
        both("150", 1000);
        QVERIFY(g[0].value && g[0].deltaRate);
        QVERIFY(i[0].value && i[0].deltaRate && i[0].peak);
        group.Reset();
        instance.Reset();
        QCOMPARE(group.Slots()[0].peak, 0ull);
        both("400", 2000);
        QVERIFY(g[0].value && !g[0].deltaRate && !g[0].peak);
        QCOMPARE(g[0].Value, 400ull);
        QVERIFY(!i[0].value && !i[0].deltaRate);
        both("450", 3000);
        QVERIFY(g[0].deltaRate && i[0].deltaRate);
        QCOMPARE(g[0].Delta, 50ull);
        QCOMPARE(i[0].Rate, 50ull);
        QCOMPARE(instance.SampleCount(), 2);
    }

    // A counter that went down: a wrap for a 32-bit counter of a switch that kept running; a new baseline
    // (values only, the peak kept) for a restart (the up time went back) or a 64-bit counter.
    void CounterThatWentDown_data() {
        QTest::addColumn<int>("bits");
        QTest::addColumn<uint>("secondUpTime");
        QTest::addColumn<int>("broken");
        QTest::addColumn<qulonglong>("delta"); // of the sample after the one that went down
        QTest::newRow("32-bit, switch running: wrap") << 32 << 5000u << int(Break::None) << 4294964796ull;
        QTest::newRow("32-bit, switch restarted") << 32 << 100u << int(Break::Restart) << 50ull;
        QTest::newRow("64-bit, switch running: cleared") << 64 << 5000u << int(Break::WentDown) << 50ull;
        QTest::newRow("64-bit, switch restarted") << 64 << 100u << int(Break::Restart) << 50ull;
    }
    void CounterThatWentDown() {
        QFETCH(int, bits);
        QFETCH(uint, secondUpTime);
        QFETCH(int, broken);
        QFETCH(qulonglong, delta);
        TvCounterSampler s(Baseline::Flag);
        std::vector<CounterSlot> counters(1);
        counters[0].bits = bits;
        s.SetCounters(counters);
        std::vector<CounterCells> c;
        QCOMPARE(s.Sample({"1000"}, 0, c, 1000u), Break::None);
        QCOMPARE(s.Sample({"3000"}, 1000, c, 1100u), Break::None);
        QCOMPARE(c[0].Peak, 2000ull);
        QCOMPARE(int(s.Sample({"500"}, 2000, c, secondUpTime)), broken);
        if (broken != int(Break::None)) {
            QVERIFY(c[0].value && !c[0].deltaRate && !c[0].peak);
            QCOMPARE(c[0].Value, 500ull);
            QCOMPARE(c[0].Peak, 2000ull);
            QVERIFY(s.Sample({"550"}, 3000, c, secondUpTime + 100) == Break::None);
        }
        QCOMPARE(c[0].Delta, delta);
        if (broken != int(Break::None))
            QCOMPARE(c[0].Peak, 2000ull); // no absurd peak
    }

    // A text that is no number ends the sample there; the counters before it keep their new values.
    void ConversionErrorKeepsEarlierCounters() {
        TvCounterSampler s(Baseline::Count);
        s.SetCounters(std::vector<CounterSlot>(3));
        std::vector<CounterCells> cells;
        s.Sample({"1", "2", "3"}, 0, cells);
        for (const std::string bad : {"(NULL)", "", "-1", "12a", "99999999999999999999999"}) {
            try {
                s.Sample({"10", bad, "30"}, 1000, cells);
                QFAIL(("no error for " + bad).c_str());
            } catch (const TvException& e) {
                QCOMPARE(std::string(e.what()), "'" + bad + "' is not a valid integer value");
            }
            QCOMPARE(cells.size(), size_t{1});
            QCOMPARE(s.Slots()[0].current, 10ull);
            QCOMPARE(s.Slots()[2].current, 3ull);
        }
    }

    // H entries always; after twelve samples the oldest two are gone and no placeholder is left.
    void HistoryKeepsTheLastH() {
        TvCounterHistory h;
        h.Rebuild(3, 10);
        QCOMPARE(h.List(2).size(), size_t{10});
        QVERIFY(h.List(0).front().time.empty());
        for (std::uint64_t n = 1; n <= 12; ++n) {
            h.Append({n, n * 10, n * 100}, "t" + std::to_string(n), 1);
            QCOMPARE(h.List(1).size(), size_t{10});
        }
        QCOMPARE(h.List(0).front().value, 3ull);
        QCOMPARE(h.List(0).back().value, 12ull);
        QCOMPARE(h.List(2).front().value, 300ull);
        for (const HistoryData& d : h.List(1))
            QVERIFY(!d.time.empty());
        h.Rebuild(3, 20);
        QCOMPARE(h.List(0).size(), size_t{20});
        QCOMPARE(h.List(0).back().value, 0ull);
    }
};

QTEST_GUILESS_MAIN(TestCounterSampler)
#include "tst_CounterSampler.moc"
