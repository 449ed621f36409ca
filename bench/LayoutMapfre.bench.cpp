// A PAG file of 20,000 draw numbers. BM_BuildPagFile fills the records from the rows and builds
// the file's bytes; BM_BarePagLoop writes the same bytes with a bare formatting loop. Both run in
// one executable so their figures compare: the records should stay within twice the bare loop.

#include "App.Lib.Layout.Mapfre.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

constexpr int kRows = 20000;

TObjectList<TLayoutMapfrePagDto> pagRows()
{
    TObjectList<TLayoutMapfrePagDto> rows;
    rows.reserve(kRows);
    for (int i = 0; i < kRows; ++i) {
        auto row = std::make_unique<TLayoutMapfrePagDto>();
        row->CodigoCliente = 123;
        row->CodigoPlano = 12;
        row->CodigoEstipulante = 45;
        row->DataGeracao = EncodeDate(2025, 12, 10);
        row->Ano = 2025;
        row->Sequencial = 8;
        row->NumeroSerieDistribuicao = i % 1000;
        row->NumeroSorte = 10000000 + i;
        row->DataVigenciaSorteio = EncodeDate(2026, 1, 15);
        row->Cpf = QString::number(10000000000LL + i);
        rows.push_back(std::move(row));
    }
    return rows;
}

void BM_BuildPagFile(benchmark::State &state)
{
    const auto rows = pagRows();
    for (auto _ : state) {
        TPagLayoutMapfre layout;
        layout.fillRows(rows);
        benchmark::DoNotOptimize(layout.BuildFile());
    }
}
BENCHMARK(BM_BuildPagFile)->Unit(benchmark::kMillisecond);

void BM_BarePagLoop(benchmark::State &state)
{
    for (auto _ : state) {
        QByteArray bytes;
        bytes.reserve(80 * (kRows + 2));
        bytes += "H012300120045202512102025000008\r\n";
        long long total = 0;
        char line[96];
        for (int i = 0; i < kRows; ++i) {
            total += 53333333;
            std::snprintf(line,
                          sizeof line,
                          "D202512%03d%08d%017d20260115%025lld%09d\r\n",
                          i % 1000,
                          10000000 + i,
                          53333333,
                          10000000000LL + i,
                          i + 1);
            bytes += line;
        }
        std::snprintf(line, sizeof line, "T%09d%017lld\r\n", kRows, total);
        bytes += line;
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_BarePagLoop)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
