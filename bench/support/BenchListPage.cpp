#include "BenchListPage.h"

#include "Common.Base.ClassInfo.Build.h"
#include "Common.Lib.JSON.h"

ZUNTA_DEFINE_CLASS(TLinhaBenchDto)

namespace bench {

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

} // namespace bench
