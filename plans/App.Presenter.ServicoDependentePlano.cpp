#include "App.Presenter.ServicoDependentePlano.h"

#include "App.Lib.Plano.Calculo.h"

#include "App.Lib.ItemControl.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TServicoDependentePlanoPresenter)

TServicoDependentePlanoPresenter::TServicoDependentePlanoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TServicoDependentePlanoPresenter"),
                              { { "ID_DEPENDENTE_PLANO", 0, "0000000000" },
                                { "ID_SERVICO", 0, "0000000000" },
                                { "LISTA_TIPO_UTILIZACAO", 0, "0000000000" },
                                { "LISTA_COBRANCA_SERVICO", 0, "0000000000" },
                                { "LISTA_TIPO_COBRANCA", 0, "0000000000" },
                                { "SERVICO", 100 },
                                { "CODIGO_TIPO_UTILIZACAO", 10 },
                                { "TIPO_UTILIZACAO", 100 },
                                { "VALOR", 0, ",0.00" },
                                { "INDICE", 0, ",0.0000" },
                                { "UTILIZACAO", 0, "000" },
                                { "CALCULA_FALECIDO" } })
{ }

QString TServicoDependentePlanoPresenter::GetFieldsSearch()
{
    return QStringLiteral("SERVICO;VALOR;INDICE");
}

void TServicoDependentePlanoPresenter::loadRows()
{
    const auto rows = service().fillServicoDependentePlano(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TServicoDependentePlanoPresenter::afterUpdateInfoRegistroFK()
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
