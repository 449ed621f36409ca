#include "App.Presenter.ColaboradorEmpresa.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TColaboradorEmpresaPresenter)

TColaboradorEmpresaPresenter::TColaboradorEmpresaPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TColaboradorEmpresaPresenter"),
                              { { "ID_EMPRESA", 0, "0000000000" },
                                { "ID_MOTIVO", 0, "0000000000" },
                                { "CODIGO_REGISTRO", 20 },
                                { "EMPRESA", 100 },
                                { "MOTIVO", 100 },
                                { "DATA_ADMISSAO", 0, "dd/mm/yyyy" },
                                { "DATA_DEMISSAO", 0, "dd/mm/yyyy" } })
{ }

QString TColaboradorEmpresaPresenter::GetFieldsSearch()
{
    return QStringLiteral("EMPRESA;MOTIVO;CODIGO_REGISTRO;ID_MOTIVO;ID_EMPRESA;DATA_ADMISSAO");
}

void TColaboradorEmpresaPresenter::loadRows()
{
    const auto rows = service().fillColaboradorEmpresa(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TColaboradorEmpresaPresenter::deleteChildRecords(std::int64_t AId)
{
    if (DataSetFuncaoColaboradorEmpresa)
        deleteRecordsRegistroFK(
            AId, *DataSetFuncaoColaboradorEmpresa, ListRemoveFuncaoColaboradorEmpresa);
    if (DataSetEquipeColaboradorEmpresa)
        deleteRecordsRegistroFK(
            AId, *DataSetEquipeColaboradorEmpresa, ListRemoveEquipeColaboradorEmpresa);
}

void TColaboradorEmpresaPresenter::afterUpdateInfoRegistroFK()
{
    fillColumnFromControl(QStringLiteral("EMPRESA"), QStringLiteral("EditEmpresa"));
    fillColumnFromControl(QStringLiteral("MOTIVO"), QStringLiteral("EditMotivo"));
}
