// Reading a page of 5,000 list rows of 20 fields from JSON into wire objects and writing it back,
// beside the two yardsticks: the bare parse of the same bytes and a hand-written loop over the
// parsed document that builds the same objects.

#include "BenchListPage.h"
#include "Common.Base.Dto.h"
#include "Common.Lib.JSON.h"
#include "JsonValueDom.h"

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

using bench::makeRows;
using bench::page;
using bench::Rows;

QString text(simdjson::dom::element value)
{
    const std::string_view s(value);
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

int digits(std::string_view s, std::size_t at, std::size_t count)
{
    int v = 0;
    for (std::size_t i = 0; i < count; ++i)
        v = v * 10 + (s[at + i] - '0');
    return v;
}

// "yyyy-mm-ddThh:nn:ss.zzzZ", as the back end writes them.
TDateTime date(simdjson::dom::element value)
{
    const std::string_view s(value);
    return EncodeDateTime(digits(s, 0, 4),
                          digits(s, 5, 2),
                          digits(s, 8, 2),
                          digits(s, 11, 2),
                          digits(s, 14, 2),
                          digits(s, 17, 2),
                          digits(s, 20, 3));
}

void BM_RawParse(benchmark::State &state)
{
    const simdjson::padded_string padded(page());
    simdjson::dom::parser parser;
    for (auto _ : state) {
        simdjson::dom::element root;
        if (parser.parse(padded).get(root) != simdjson::SUCCESS)
            state.SkipWithError("parse failed");
        benchmark::DoNotOptimize(root);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(page().size()));
}
BENCHMARK(BM_RawParse)->Unit(benchmark::kMillisecond);

void BM_HandWrittenLoop(benchmark::State &state)
{
    simdjson::dom::parser parser;
    for (auto _ : state) {
        const simdjson::padded_string padded(page());
        simdjson::dom::element root;
        if (parser.parse(padded).get(root) != simdjson::SUCCESS)
            state.SkipWithError("parse failed");
        TObjectList<TLinhaBenchDto> rows;
        const simdjson::dom::array items = root["listHelper"].get_array().value_unsafe();
        rows.reserve(items.size());
        for (const simdjson::dom::object item : items) {
            auto row = std::make_unique<TLinhaBenchDto>();
            for (const simdjson::dom::key_value_pair member : item) {
                const std::string_view key = member.key;
                const simdjson::dom::element v = member.value;
                if (key == "id")
                    row->Id = std::int64_t(v);
                else if (key == "idPessoa")
                    row->IdPessoa = std::int64_t(v);
                else if (key == "idContrato")
                    row->IdContrato = std::int64_t(v);
                else if (key == "idEmpresa")
                    row->IdEmpresa = std::int64_t(v);
                else if (key == "numeroContrato")
                    row->NumeroContrato = std::int32_t(std::int64_t(v));
                else if (key == "diaVencimento")
                    row->DiaVencimento = std::int32_t(std::int64_t(v));
                else if (key == "nome")
                    row->Nome = text(v);
                else if (key == "cpfCnpj")
                    row->CpfCnpj = text(v);
                else if (key == "email")
                    row->Email = text(v);
                else if (key == "telefone")
                    row->Telefone = text(v);
                else if (key == "endereco")
                    row->Endereco = text(v);
                else if (key == "cidade")
                    row->Cidade = text(v);
                else if (key == "uf")
                    row->Uf = text(v);
                else if (key == "valor")
                    row->Valor = double(v);
                else if (key == "valorDesconto")
                    row->ValorDesconto = double(v);
                else if (key == "valorPago")
                    row->ValorPago = double(v);
                else if (key == "dataVencimento")
                    row->DataVencimento = date(v);
                else if (key == "dataPagamento")
                    row->DataPagamento = date(v);
                else if (key == "isAtivo")
                    row->IsAtivo = bool(v);
                else if (key == "isPago")
                    row->IsPago = bool(v);
            }
            rows.push_back(std::move(row));
        }
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_HandWrittenLoop)->Unit(benchmark::kMillisecond);

void BM_GenericRead(benchmark::State &state)
{
    const QByteArray bytes = QByteArray::fromStdString(page());
    for (auto _ : state) {
        TObjectList<TLinhaBenchDto> rows = TDravikJson::JsonListObjectToList<TLinhaBenchDto>(bytes);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_GenericRead)->Unit(benchmark::kMillisecond);

// The way a service reads a page: one parse kept as a value, then the totals and the rows.
void BM_GenericReadFromParsedReply(benchmark::State &state)
{
    const QByteArray bytes = QByteArray::fromStdString(page());
    for (auto _ : state) {
        const TJsonValue reply = TJsonValue::Parse(bytes);
        const int total = reply["total"].AsInt32();
        TObjectList<TLinhaBenchDto> rows
            = TDravikJson::JsonToList<TLinhaBenchDto>(reply["listHelper"]);
        benchmark::DoNotOptimize(total);
        benchmark::DoNotOptimize(rows.data());
    }
}
BENCHMARK(BM_GenericReadFromParsedReply)->Unit(benchmark::kMillisecond);

void BM_GenericWrite(benchmark::State &state)
{
    const TObjectList<TLinhaBenchDto> rows = makeRows();
    std::vector<const TSerializeObject *> items;
    for (const auto &row : rows)
        items.push_back(row.get());
    for (auto _ : state) {
        std::string json = TDravikJson::ObjectsToJsonUtf8(items);
        benchmark::DoNotOptimize(json.data());
    }
}
BENCHMARK(BM_GenericWrite)->Unit(benchmark::kMillisecond);

// The same, ending as the QString text the Part's conversions return.
void BM_GenericWriteText(benchmark::State &state)
{
    const TObjectList<TLinhaBenchDto> rows = makeRows();
    for (auto _ : state) {
        QString json = TDravikJson::ListToJson(rows);
        benchmark::DoNotOptimize(json.data());
    }
}
BENCHMARK(BM_GenericWriteText)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
