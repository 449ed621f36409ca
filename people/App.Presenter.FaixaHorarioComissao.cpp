#include "App.Presenter.FaixaHorarioComissao.h"

ZUNTA_REGISTER_PRESENTER(TFaixaHorarioComissaoPresenter)

TFaixaHorarioComissaoPresenter::TFaixaHorarioComissaoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TFaixaHorarioComissaoPresenter"),
                              { { "ID_COMISSAO", 0, "0000000000" },
                                { "HORA_INICIAL", 0, "hh:mm" },
                                { "HORA_FINAL", 0, "hh:mm" } })
{ }

QString TFaixaHorarioComissaoPresenter::GetFieldsSearch()
{
    return QStringLiteral("HORA_INICIAL;HORA_FINAL");
}

void TFaixaHorarioComissaoPresenter::loadRows()
{
    const auto rows = service().fillFaixaHorarioComissao(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TFaixaHorarioComissaoPresenter::deleteChildRecords(std::int64_t AId)
{
    if (m_dataSetFaixaComissao)
        deleteRecordsRegistroFK(AId, *m_dataSetFaixaComissao, m_listRemoveFaixaComissao);
}
