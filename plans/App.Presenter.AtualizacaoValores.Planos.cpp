#include "App.Presenter.AtualizacaoValores.Planos.h"

#include "Common.Dto.AtualizacaoValores.Planos.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TPlanosAtualizacaoValoresPresenter)

TPlanosAtualizacaoValoresPresenter::TPlanosAtualizacaoValoresPresenter()
    : TAtualizacaoValoresPresenter(QStringLiteral("TPlanosAtualizacaoValoresPresenter"),
                                   QStringLiteral("planos"))
{ }

void TPlanosAtualizacaoValoresPresenter::CreateExtraFields()
{
    TAtualizacaoValoresPresenter::CreateExtraFields();
    TMemTable &table = DataSetInfo();
    table.AddField(QStringLiteral("ATUALIZAR_PARCELAS_VENCIDAS"), TFieldType::Boolean);
    table.AddField(QStringLiteral("ATUALIZAR_PARCELAS_FUTURAS"), TFieldType::Boolean);
    table.AddField(QStringLiteral("ATUALIZAR_VINCULACAO_API"), TFieldType::Boolean);
    AddListColumns(table,
                   TPlanosAtualizacaoValoresDto::StaticClassInfo(),
                   { { "VALOR_PLANO_ATUAL", 0, ",0.00" },
                     { "NOVO_VALOR_PLANO", 0, ",0.00" },
                     { "PERCENTUAL_VALOR_PLANO", 0, ",0.00" } },
                   ClassName());
}

void TPlanosAtualizacaoValoresPresenter::fillListDto()
{
    TObjectList<TPlanosAtualizacaoValoresDto> rows;
    AppendDataSetRows(&DataSetInfo(), rows);
    for (auto &row : rows)
        FListDto.push_back(std::move(row));
}

const TClassInfo &TPlanosAtualizacaoValoresPresenter::RowClass() const
{
    return TPlanosAtualizacaoValoresDto::StaticClassInfo();
}

void TPlanosAtualizacaoValoresPresenter::fillRegistroColumns(
    const TAtualizacaoValoresDto &ARegistro)
{
    const auto *plano = dynamic_cast<const TPlanosAtualizacaoValoresDto *>(&ARegistro);
    if (!plano)
        return;
    TMemTable &table = DataSetInfo();
    const auto field
        = [&table](const char *AName) { return table.FieldByName(QLatin1String(AName)); };
    field("NOVO_VALOR_PLANO")->SetAsFloat(plano->NovoValorPlano);
    field("VALOR_PLANO_ATUAL")->SetAsFloat(plano->ValorPlanoAtual);
    field("PERCENTUAL_VALOR_PLANO")->SetAsFloat(plano->PercentualValorPlano);
    field("ATUALIZAR_PARCELAS_VENCIDAS")->SetAsBoolean(plano->AtualizarParcelasVencidas);
    field("ATUALIZAR_PARCELAS_FUTURAS")->SetAsBoolean(plano->AtualizarParcelasFuturas);
    field("ATUALIZAR_VINCULACAO_API")->SetAsBoolean(plano->AtualizarVinculacaoAPI);
}
