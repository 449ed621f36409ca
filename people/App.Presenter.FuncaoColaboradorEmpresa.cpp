#include "App.Presenter.FuncaoColaboradorEmpresa.h"

ZUNTA_REGISTER_PRESENTER(TFuncaoColaboradorEmpresaPresenter)

TFuncaoColaboradorEmpresaPresenter::TFuncaoColaboradorEmpresaPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TFuncaoColaboradorEmpresaPresenter"),
                              { { "ID_COLABORADOR_EMPRESA", 0, "0000000000" },
                                { "ID_FUNCAO", 0, "0000000000" },
                                { "ID_MOTIVO", 0, "0000000000" },
                                { "LISTA_SALARIO", 0, "0000000000" },
                                { "DATA", 0, "dd/mm/yyyy" },
                                { "SALARIO", 0, ",0.00" },
                                { "CODIGO_TIPO_SALARIO", 20 },
                                { "TIPO_SALARIO", 100 },
                                { "FUNCAO", 100 },
                                { "MOTIVO", 100 } })
{ }

QString TFuncaoColaboradorEmpresaPresenter::GetFieldsSearch()
{
    return QStringLiteral(
        "FUNCAO;MOTIVO;TIPO_SALARIO;CODIGO_TIPO_SALARIO;DATA;ID_FUNCAO;ID_MOTIVO");
}

void TFuncaoColaboradorEmpresaPresenter::loadRows()
{
    const auto rows = service().fillFuncaoColaboradorEmpresa(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TFuncaoColaboradorEmpresaPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("FUNCAO"), QStringLiteral("EditFuncao"));
    fillColumnFromControl(QStringLiteral("MOTIVO"), QStringLiteral("EditMotivo"));
    fillColumnFromControl(QStringLiteral("TIPO_SALARIO"), QStringLiteral("EditListaSalario"));
    fillColumnFromControl(
        QStringLiteral("CODIGO_TIPO_SALARIO"), QStringLiteral("EditListaSalario"), true);
}
