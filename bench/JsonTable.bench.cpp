// A page of 5,000 list rows of 20 fields on its way from the reply's JSON into the in-memory
// table a list shows: JSON into wire objects (the yardstick, as in JsonList.bench.cpp), objects
// into the table by precomputed column pairs, the whole road, and for comparison the same copy
// looking every column up by name on every row. Last, the way back: records into objects.

#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "Common.Lib.JSON.h"
#include "Common.Lib.Utils.h"
#include "MemTable.h"

#include <benchmark/benchmark.h>

namespace {

class TLinhaTabelaBenchDto final : public TBaseDto
{
    ZUNTA_CLASS(TLinhaTabelaBenchDto)

    std::int64_t IdPessoa = 0;
    std::int64_t IdContrato = 0;
    std::int64_t IdEmpresa = 0;
    std::int32_t NumeroContrato = 0;
    std::int32_t DiaVencimento = 0;
    QString Nome;
    QString CpfCnpj;
    QString Email;
    QString Telefone;
    QString Endereco;
    QString Cidade;
    QString Uf;
    double Valor = 0;
    double ValorDesconto = 0;
    double ValorPago = 0;
    TDateTime DataVencimento;
    TDateTime DataPagamento;
    bool IsAtivo = false;
    bool IsPago = false;
};
BOOST_DESCRIBE_STRUCT(TLinhaTabelaBenchDto,
                      (TBaseDto),
                      (IdPessoa,
                       IdContrato,
                       IdEmpresa,
                       NumeroContrato,
                       DiaVencimento,
                       Nome,
                       CpfCnpj,
                       Email,
                       Telefone,
                       Endereco,
                       Cidade,
                       Uf,
                       Valor,
                       ValorDesconto,
                       ValorPago,
                       DataVencimento,
                       DataPagamento,
                       IsAtivo,
                       IsPago))
ZUNTA_DEFINE_CLASS(TLinhaTabelaBenchDto)

using TRow = TLinhaTabelaBenchDto;

constexpr int Rows = 5000;

const QByteArray &page()
{
    static const QByteArray text = [] {
        TObjectList<TRow> rows;
        std::vector<const TSerializeObject *> items;
        for (int i = 0; i < Rows; ++i) {
            auto row = std::make_unique<TRow>();
            row->Id = 1000000 + i;
            row->IdPessoa = 2000000 + i;
            row->IdContrato = 3000000 + i;
            row->IdEmpresa = 1;
            row->NumeroContrato = 50000 + i;
            row->DiaVencimento = 1 + i % 28;
            row->Nome = QStringLiteral("Maria da Conceição Silva %1").arg(i);
            row->CpfCnpj = QStringLiteral("%1").arg(12345678900LL + i, 11, 10, QChar(u'0'));
            row->Email = QStringLiteral("cliente%1@exemplo.com.br").arg(i);
            row->Telefone = QStringLiteral("(11) 9%1").arg(10000000 + i);
            row->Endereco = QStringLiteral("Rua das Acácias, %1 - Jardim São Paulo").arg(i % 900);
            row->Cidade = QStringLiteral("São Paulo");
            row->Uf = QStringLiteral("SP");
            row->Valor = 89.9 + i % 50;
            row->ValorDesconto = (i % 7) * 1.25;
            row->ValorPago = i % 3 ? 89.9 : 0;
            row->DataVencimento = EncodeDateTime(2024, 1 + i % 12, 1 + i % 28, 0, 0, 0, 0);
            row->DataPagamento = i % 3
                ? EncodeDateTime(2024, 1 + i % 12, 1 + i % 28, 10, 30, 15, 120)
                : TDateTime();
            row->IsAtivo = i % 5 != 0;
            row->IsPago = i % 3 != 0;
            items.push_back(row.get());
            rows.push_back(std::move(row));
        }
        const std::string listObject = TDravikJson::ObjectsToJsonUtf8(items);
        // A paged reply: the totals first, then the rows.
        return QByteArray::fromStdString("{\"total\":" + std::to_string(Rows) + ",\"pages\":1,"
                                         + listObject.substr(1));
    }();
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
