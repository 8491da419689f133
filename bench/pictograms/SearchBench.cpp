// Pictogram search as the adult types: a word typed letter by letter, each
// keystroke one search over every pictogram named in German and English,
// our index against the plain way (PlainSearch), then one table of both.
//
// Run: cmake -S . -B build -DLUMARI_BENCH=ON && cmake --build build -j2 --target bench_pictograms
#include "PlainSearch.h"

#include "pictograms/EmojiFont.h"
#include "pictograms/Pictograms.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

namespace lumari::bench {
namespace {

const QStringList kLanguages = {"de", "en"};
const QStringList kTyped = {"Schmetterling", "red apple"};
constexpr int kShown = 200;  // as many as the picker shows

// Keeps every row's time per keystroke for the table after the run.
class TableReporter : public benchmark::ConsoleReporter {
public:
    TableReporter() : ConsoleReporter(OO_None) {}
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs)
            if (run.run_type == Run::RT_Iteration) microseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> microseconds;
};

std::string Row(const char* way, const QString& typed) { return std::string(way) + "/" + typed.toStdString(); }

template <typename Searcher>
void Register(const char* way, const Searcher& searcher)
{
    for (const QString& word : kTyped)
        for (qsizetype n = 1; n <= word.size(); ++n) {
            const QString typed = word.left(n);
            benchmark::RegisterBenchmark(Row(way, typed).c_str(), [&searcher, typed](benchmark::State& state) {
                for (auto _ : state) benchmark::DoNotOptimize(searcher.Search(typed, kShown));
            })->Unit(benchmark::kMicrosecond);
        }
}

// Both ways must show the same pictograms in the same order, or the figures compare nothing.
bool SameResults(const PictogramIndex& ours, const PlainSearch& plain)
{
    for (const QString& word : kTyped)
        for (qsizetype n = 1; n <= word.size(); ++n) {
            const auto a = ours.Search(word.left(n), kShown), b = plain.Search(word.left(n), kShown);
            const bool same = std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const auto& x, const auto& y) {
                return x.pictogram.emoji == y.pictogram.emoji && x.score == y.score;
            });
            if (!same) return std::fprintf(stderr, "the two ways differ for \"%s\"\n", qPrintable(word.left(n))), false;
        }
    return true;
}

void PrintTable(const TableReporter& reporter, double oursLoadMs, double plainLoadMs)
{
    std::printf("\n| typed | plain | ours | plain / ours |\n|---|---:|---:|---:|\n");
    double worstOurs = 0, worstPlain = 0, sumOurs = 0, sumPlain = 0;
    int keystrokes = 0;
    for (const QString& word : kTyped)
        for (qsizetype n = 1; n <= word.size(); ++n) {
            const double plain = reporter.microseconds.at(Row("plain", word.left(n))) / 1000;
            const double ours = reporter.microseconds.at(Row("ours", word.left(n))) / 1000;
            std::printf("| \"%s\" | %.2f ms | %.1f µs | %.0f× |\n", qPrintable(word.left(n)), plain, ours * 1000, plain / ours);
            worstOurs = std::max(worstOurs, ours), worstPlain = std::max(worstPlain, plain);
            sumOurs += ours, sumPlain += plain, ++keystrokes;
        }
    std::printf("| **mean per keystroke** (goal ≤ 16 ms) | %.2f ms | %.1f µs | %.0f× |\n", sumPlain / keystrokes,
                sumOurs / keystrokes * 1000, sumPlain / sumOurs);
    std::printf("| **slowest keystroke** (goal ≤ 16 ms) | %.2f ms | %.1f µs | %.0f× |\n", worstPlain, worstOurs * 1000,
                worstPlain / worstOurs);
    std::printf("| reading the annotations (once) | %.0f ms | %.0f ms | |\n", plainLoadMs, oursLoadMs);
}

}  // namespace
}  // namespace lumari::bench

int main(int argc, char** argv)
{
    using namespace lumari;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);

    QElapsedTimer clock;
    clock.start();
    const EmojiCoverage font;
    const bench::PlainSearch plain(ReadAnnotations(PictogramIndex::DefaultRoot(), AnnotationFiles(bench::kLanguages),
                                                   [&](const QString& emoji) { return font.Covers(emoji); }));
    const double plainLoadMs = clock.nsecsElapsed() / 1e6;
    clock.restart();
    const PictogramIndex ours = PictogramIndex::Load(PictogramIndex::DefaultRoot(), bench::kLanguages);
    const double oursLoadMs = clock.nsecsElapsed() / 1e6;
    if (!ours.available()) return std::fprintf(stderr, "%s\n", qPrintable(ours.missing())), 1;
    if (!bench::SameResults(ours, plain)) return 1;

    std::printf("Pictogram search over the %s and English annotations, %d results kept per keystroke\n",
                qPrintable(bench::kLanguages.first()), bench::kShown);
    bench::Register("plain", plain);
    bench::Register("ours", ours);
    bench::TableReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    bench::PrintTable(reporter, oursLoadMs, plainLoadMs);
    benchmark::Shutdown();
    return 0;
}
