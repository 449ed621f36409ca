#include "App.Presenter.AdicionalContratoPlano.h"

#include "App.Lib.Plano.Calculo.h"

#include "App.Lib.ItemControl.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TAdicionalContratoPlanoPresenter)

TAdicionalContratoPlanoPresenter::TAdicionalContratoPlanoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TAdicionalContratoPlanoPresenter"),
                              { { "ID_SERVICO", 0, "0000000000" },
                                { "SERVICO", 100 },
                                { "ID_PLANO", 0, "0000000000" },
                                { "PLANO", 100 },
                                { "LISTA_TIPO_UTILIZACAO", 0, "0000000000" },
                                { "LISTA_COBRANCA_SERVICO", 0, "0000000000" },
                                { "LISTA_TIPO_COBRANCA", 0, "0000000000" },
                                { "TIPO_UTILIZACAO", 100 },
                                { "COBRANCA_SERVICO", 100 },
                                { "TIPO_COBRANCA", 100 },
                                { "VALOR_SERVICO", 0, ",0.00" },
                                { "INDICE", 0, ",0.0000" },
                                { "UTILIZACAO", 0, "000" },
                                { "PARCELAS", 0, "000" },
                                { "LISTA_BAIXA_ADICIONAL", 0, "0000000000" },
                                { "BAIXA_ADICIONAL", 100 },
                                { "DATA_FINAL", 0, "dd/mm/yyyy" } })
{ }

QString TAdicionalContratoPlanoPresenter::GetFieldsSearch()
{
    return QStringLiteral("ID_PLANO;SERVICO");
}

void TAdicionalContratoPlanoPresenter::loadRows()
{
    const auto rows = service().fillAdicionalContratoPlano(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TAdicionalContratoPlanoPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("SERVICO"), QStringLiteral("EditServico"));
    if (const TItemControl *servico = FindItemControl(QStringLiteral("EditServico")))
        DataSetInfo()
            .FieldByName(QStringLiteral("VALOR_SERVICO"))
            ->SetAsFloat(PlanoCalculo::OtherInfoNumber(servico->OtherInfo, 1));
}
