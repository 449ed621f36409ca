// A page of 5,000 list rows of 20 fields on its way from the reply's JSON into the in-memory
// table a list shows: JSON into wire objects (the yardstick, as in JsonList.bench.cpp), objects
// into the table by precomputed column pairs, the whole road, and for comparison the same copy
// looking every column up by name on every row. Last, the way back: records into objects.

#include "BenchListPage.h"
#include "Common.Base.Dto.h"
#include "Common.Lib.JSON.h"
#include "Common.Lib.Utils.h"
#include "MemTable.h"

#include <benchmark/benchmark.h>

namespace {

using TRow = TLinhaBenchDto;
using bench::Rows;

const QByteArray &page()
{
    static const QByteArray text = QByteArray::fromStdString(bench::page());
    return text;
}

// The list table of these rows, as a presenter declares it.
void createColumns(TMemTable &table)
{
    table.AddField("ID", TFieldType::LargeInt);
    table.AddField("ID_REGISTRO", TFieldType::AutoInc);
    for (const char *name : { "ID_PESSOA", "ID_CONTRATO", "ID_EMPRESA" })
        table.AddField(name, TFieldType::LargeInt);
    for (const char *name : { "NUMERO_CONTRATO", "DIA_VENCIMENTO" })
        table.AddField(name, TFieldType::Integer);
    for (const char *name : { "NOME", "CPF_CNPJ", "EMAIL", "TELEFONE", "ENDERECO", "CIDADE", "UF" })
        table.AddField(name, TFieldType::String, 100);
    for (const char *name : { "VALOR", "VALOR_DESCONTO", "VALOR_PAGO" })
        table.AddField(name, TFieldType::Float)->SetDisplayFormat(",0.00");
    for (const char *name : { "DATA_VENCIMENTO", "DATA_PAGAMENTO" })
        table.AddField(name, TFieldType::DateTime)->SetDisplayFormat("dd/mm/yyyy");
    for (const char *name : { "IS_ATIVO", "IS_PAGO" })
        table.AddField(name, TFieldType::Boolean);
    table.Open();
}

// What a list fill does with the rows of a page: empty the table, pair the columns once, then
// append, copy and post each row.
void fillTable(const TObjectList<TRow> &rows, TMemTable &table)
{
    table.EmptyDataSet();
    const TObjectToRecordMap map(TRow::StaticClassInfo(), table);
    for (const auto &row : rows) {
        table.Append();
        map.copyObject(*row);
        table.Post();
    }
}

void BM_JsonToObjects(benchmark::State &state)
{
    for (auto _ : state) {
        TObjectList<TRow> rows = TDravikJson::JsonListObjectToList<TRow>(page());
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_JsonToObjects)->Unit(benchmark::kMillisecond);

void BM_ObjectsToTable(benchmark::State &state)
{
    const TObjectList<TRow> rows = TDravikJson::JsonListObjectToList<TRow>(page());
    TMemTable table;
    createColumns(table);
    for (auto _ : state) {
        fillTable(rows, table);
        benchmark::DoNotOptimize(table.RecordCount());
    }
}
BENCHMARK(BM_ObjectsToTable)->Unit(benchmark::kMillisecond);

// The whole road of a list page in the order of a list fill: the reply's JSON into objects, then
// the table emptied of the previous page and filled with the objects.
void BM_JsonToTable(benchmark::State &state)
{
    TMemTable table;
    createColumns(table);
    for (auto _ : state) {
        const TObjectList<TRow> rows = TDravikJson::JsonListObjectToList<TRow>(page());
        fillTable(rows, table);
        benchmark::DoNotOptimize(table.RecordCount());
    }
}
BENCHMARK(BM_JsonToTable)->Unit(benchmark::kMillisecond);

// The same with the table emptied before the page is read, as when a list is cleared at the
// start of a search: the previous page's records are freed before the new page is allocated,
// which the allocator serves much better.
void BM_JsonToTableEmptiedFirst(benchmark::State &state)
{
    TMemTable table;
    createColumns(table);
    for (auto _ : state) {
        table.EmptyDataSet();
        const TObjectList<TRow> rows = TDravikJson::JsonListObjectToList<TRow>(page());
        fillTable(rows, table);
        benchmark::DoNotOptimize(table.RecordCount());
    }
}
BENCHMARK(BM_JsonToTableEmptiedFirst)->Unit(benchmark::kMillisecond);

// For comparison: every property's column looked up by name on every row.
void BM_ObjectsToTableByName(benchmark::State &state)
{
    const TObjectList<TRow> rows = TDravikJson::JsonListObjectToList<TRow>(page());
    TMemTable table;
    createColumns(table);
    for (auto _ : state) {
        table.EmptyDataSet();
        for (const auto &row : rows) {
            table.Append();
            for (const TMemberInfo *property : row->ClassInfo().Properties()) {
                if (TField *field
                    = table.FindField(TUtils::convertClassPropToTableField(property->Name())))
                    TUtils::setValuePropertyToDataSet(*row, *property, *field);
            }
            table.Post();
        }
        benchmark::DoNotOptimize(table.RecordCount());
    }
}
BENCHMARK(BM_ObjectsToTableByName)->Unit(benchmark::kMillisecond);

// The way back, as child records are read into entities: every record into a new object.
void BM_TableToObjects(benchmark::State &state)
{
    const TObjectList<TRow> source = TDravikJson::JsonListObjectToList<TRow>(page());
    TMemTable table;
    createColumns(table);
    fillTable(source, table);
    for (auto _ : state) {
        TObjectList<TRow> rows;
        rows.reserve(Rows);
        const TRecordToObjectMap map(table, TRow::StaticClassInfo());
        for (table.First(); !table.Eof(); table.Next()) {
            rows.push_back(std::make_unique<TRow>());
            map.copyRecord(*rows.back());
        }
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_TableToObjects)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
