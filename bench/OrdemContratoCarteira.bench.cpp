// The collection order of a portfolio with 5,000 contracts. BM_SortContratos sorts the table once
// by "ORDEM_COBRANCA;LOGRADOURO;TITULAR", as every rebuild of the order view does;
// BM_MoveToTypedPosition moves the last contract to the first place (every other contract is
// renumbered and the table re-sorted) and back. Both run in one executable so their figures
// compare.

#include "App.Presenter.OrdemContratoCarteira.h"
#include "MemTable.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

constexpr int kContratos = 5000;
const QString kOrdemIndex = QStringLiteral("ORDEM_COBRANCA;LOGRADOURO;TITULAR");

void fillContratos(TMemTable &ATable)
{
    ATable.AddField(QStringLiteral("ID_REGISTRO"), TFieldType::LargeInt);
    ATable.AddField(QStringLiteral("ORDEM_COBRANCA"), TFieldType::Integer);
    ATable.AddField(QStringLiteral("LOGRADOURO"), TFieldType::String, 100);
    ATable.AddField(QStringLiteral("TITULAR"), TFieldType::String, 100);
    ATable.CreateDataSet();
    std::vector<int> ordens(kContratos);
    for (int i = 0; i < kContratos; ++i)
        ordens[i] = i + 1;
    std::shuffle(ordens.begin(), ordens.end(), std::mt19937(7));
    for (int i = 0; i < kContratos; ++i) {
        ATable.Append();
        ATable.FieldByName(QStringLiteral("ID_REGISTRO"))->SetAsLargeInt(i + 1);
        ATable.FieldByName(QStringLiteral("ORDEM_COBRANCA"))->SetAsInteger(ordens[i]);
        ATable.FieldByName(QStringLiteral("LOGRADOURO"))
            ->SetAsString(QStringLiteral("RUA %1").arg(i % 97));
        ATable.FieldByName(QStringLiteral("TITULAR"))
            ->SetAsString(QStringLiteral("TITULAR %1").arg(i));
        ATable.Post();
    }
}

void BM_SortContratos(benchmark::State &state)
{
    TMemTable table;
    fillContratos(table);
    for (auto _ : state) {
        table.SetIndexFieldNames(QString());
        table.SetIndexFieldNames(kOrdemIndex);
        benchmark::DoNotOptimize(table.RecordCount());
    }
}
BENCHMARK(BM_SortContratos)->Unit(benchmark::kMillisecond);

void BM_MoveToTypedPosition(benchmark::State &state)
{
    TMemTable table;
    fillContratos(table);
    table.SetIndexFieldNames(kOrdemIndex);
    table.Last();
    const std::int64_t ultimo = table.FieldByName(QStringLiteral("ID_REGISTRO"))->AsLargeInt();
    bool paraFrente = true;
    for (auto _ : state) {
        // Alternating keeps every iteration the same size: all rows move by one place.
        AlterarOrdemContratoCarteira(table, ultimo, paraFrente ? 1 : kContratos);
        paraFrente = !paraFrente;
    }
}
BENCHMARK(BM_MoveToTypedPosition)->Unit(benchmark::kMillisecond);

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
