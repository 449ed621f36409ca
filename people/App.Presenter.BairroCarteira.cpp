#include "App.Presenter.BairroCarteira.h"

#include "App.Lib.ItemControl.h"

#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TBairroCarteiraPresenter)

TBairroCarteiraPresenter::TBairroCarteiraPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TBairroCarteiraPresenter"),
                              { { "ID_BAIRRO", 0, "0000000000" },
                                { "ID_MOTIVO", 0, "0000000000" },
                                { "DATA_INICIAL", 0, "dd/mm/yyyy" },
                                { "DATA_FINAL", 0, "dd/mm/yyyy" },
                                { "UF", 2 },
                                { "MUNICIPIO", 100 },
                                { "BAIRRO", 100 },
                                { "MOTIVO", 100 } })
{ }

QString TBairroCarteiraPresenter::GetFieldsSearch()
{
    return QStringLiteral("BAIRRO;MUNICIPIO;UF;MOTIVO;DATA_INICIAL;DATA_FINAL;ID_BAIRRO;ID_MOTIVO");
}

void TBairroCarteiraPresenter::loadRows()
{
    const auto rows = IdColaborador != 0 ? service().fillBairroCarteiraByColaborador(IdColaborador)
                                         : service().fillBairroCarteira(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

void TBairroCarteiraPresenter::afterUpdateInfoRegistroFK()
{
    if (const TItemControl *bairro = FindItemControl(QStringLiteral("EditBairro"))) {
        fillColumnFromControl(QStringLiteral("BAIRRO"), QStringLiteral("EditBairro"));
        // The neighbourhood lookup leaves "town;state"; anything shorter names neither.
        const QStringList partes = bairro->OtherInfo.split(u';');
        const bool completo = partes.size() >= 2;
        TMemTable &table = DataSetInfo();
        table.FieldByName(QStringLiteral("MUNICIPIO"))
            ->SetAsString(completo ? partes[0] : QString());
        table.FieldByName(QStringLiteral("UF"))->SetAsString(completo ? partes[1] : QString());
    }
    fillColumnFromControl(QStringLiteral("MOTIVO"), QStringLiteral("EditMotivo"));
}
