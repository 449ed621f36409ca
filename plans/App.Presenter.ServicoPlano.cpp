#include "App.Presenter.ServicoPlano.h"

#include "App.Lib.Plano.Calculo.h"

#include "App.Lib.ItemControl.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TServicoPlanoPresenter)

TServicoPlanoPresenter::TServicoPlanoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TServicoPlanoPresenter"),
                              { { "SERVICO", 100 },
                                { "ID_SERVICO", 0, "0000000000" },
                                { "LISTA_TIPO_UTILIZACAO", 0, "0000000000" },
                                { "CODIGO_TIPO_UTILIZACAO", 10 },
                                { "TIPO_UTILIZACAO", 100 },
                                { "INDICE", 0, ",0.0000" },
                                { "VALOR", 0, ",0.00" },
                                { "UTILIZACAO", 0, "000" },
                                { "IS_SERVICO_KIT" } })
{ }

QString TServicoPlanoPresenter::GetFieldsSearch()
{
    return QStringLiteral("ID_SERVICO;SERVICO;INDICE;UTILIZACAO");
}

void TServicoPlanoPresenter::loadRows()
{
    const auto rows = service().fillServicoPlano(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TServicoPlanoPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("SERVICO"), QStringLiteral("EditServico"));
    // The service lookup leaves "usage base;price"; a price it left out stays 0.
    if (const TItemControl *servico = FindItemControl(QStringLiteral("EditServico")))
        DataSetInfo()
            .FieldByName(QStringLiteral("VALOR"))
            ->SetAsFloat(PlanoCalculo::OtherInfoNumber(servico->OtherInfo, 1));
    fillColumnFromControl(QStringLiteral("TIPO_UTILIZACAO"),
                          QStringLiteral("EditListaTipoUtilizacao"));
    fillColumnFromControl(
        QStringLiteral("CODIGO_TIPO_UTILIZACAO"), QStringLiteral("EditListaTipoUtilizacao"), true);
}
