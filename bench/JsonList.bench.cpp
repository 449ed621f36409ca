// Reading a page of 5,000 list rows of 20 fields from JSON into wire objects and writing it back,
// beside the two yardsticks: the bare parse of the same bytes and a hand-written loop over the
// parsed document that builds the same objects.

#include "Common.Base.ClassInfo.Build.h"
#include "Common.Base.Dto.h"
#include "Common.Lib.JSON.h"
#include "JsonValueDom.h"

#include <benchmark/benchmark.h>

#include <string_view>

namespace {

class TLinhaBenchDto final : public TBaseDto
{
    ZUNTA_CLASS(TLinhaBenchDto)

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
BOOST_DESCRIBE_STRUCT(TLinhaBenchDto,
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
ZUNTA_DEFINE_CLASS(TLinhaBenchDto)

constexpr int Rows = 5000;

TObjectList<TLinhaBenchDto> makeRows()
{
    TObjectList<TLinhaBenchDto> rows;
    for (int i = 0; i < Rows; ++i) {
        auto row = std::make_unique<TLinhaBenchDto>();
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
        row->DataPagamento
            = i % 3 ? EncodeDateTime(2024, 1 + i % 12, 1 + i % 28, 10, 30, 15, 120) : TDateTime();
        row->IsAtivo = i % 5 != 0;
        row->IsPago = i % 3 != 0;
        rows.push_back(std::move(row));
    }
    return rows;
}

const std::string &page()
{
    static const std::string text = [] {
        const TObjectList<TLinhaBenchDto> rows = makeRows();
        std::vector<const TSerializeObject *> items;
        for (const auto &row : rows)
            items.push_back(row.get());
        std::string listObject = TDravikJson::ObjectsToJsonUtf8(items);
        // A paged reply: the totals first, then the rows.
        return "{\"total\":" + std::to_string(Rows) + ",\"pages\":1," + listObject.substr(1);
    }();
    return text;
}

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
