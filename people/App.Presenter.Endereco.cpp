#include "App.Presenter.Endereco.h"

#include "App.Lib.ItemControl.h"

#include "Edit.h"
#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TEnderecoPresenter)

TEnderecoPresenter::TEnderecoPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TEnderecoPresenter"),
                              { { "ID_LOGRADOURO", 0, "0000000000" },
                                { "ID_CARTEIRA", 0, "0000000000" },
                                { "LISTA_ENDERECO", 0, "0000000000" },
                                { "ENDERECO", 100 },
                                { "NUMERO", 20 },
                                { "COMPLEMENTO", 50 },
                                { "PONTO_REFERENCIA", 100 },
                                { "BAIRRO", 50 },
                                { "CEP", 8 },
                                { "MUNICIPIO", 50 },
                                { "UF", 2 },
                                { "CODIGO_ENDERECO", 10 },
                                { "TIPO_ENDERECO", 50 },
                                { "IS_COBRANCA" },
                                { "LATITUDE" },
                                { "LONGITUDE" } })
{ }

void TEnderecoPresenter::loadRows()
{
    const std::optional<TObjectList<TEnderecoDto>> rows = service().fillEndereco(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

QString TEnderecoPresenter::GetFieldsSearch()
{
    return QStringLiteral("ENDERECO;BAIRRO;MUNICIPIO;UF;COMPLEMENTO;CEP");
}

void TEnderecoPresenter::afterUpdateInfoRegistroFK()
{
    TMemTable &table = DataSetInfo();
    const auto editOf = [this](const char *AName) -> const TEdit * {
        const TItemControl *item = FindItemControl(QLatin1String(AName));
        return item ? qobject_cast<const TEdit *>(item->Control()) : nullptr;
    };
    if (const TEdit *tipo = editOf("EditListaEndereco"))
        table.FieldByName(QStringLiteral("TIPO_ENDERECO"))->SetAsString(tipo->text());
    if (const TEdit *rua = editOf("EditLogradouro")) {
        table.FieldByName(QStringLiteral("ENDERECO"))->SetAsString(rua->text());
        // The street lookup leaves "neighbourhood;city;state"; anything shorter names none.
        const QStringList partes
            = FindItemControl(QStringLiteral("EditLogradouro"))->OtherInfo.split(u';');
        const bool completo = partes.size() >= 3;
        int parte = 0;
        for (const char *column : { "BAIRRO", "MUNICIPIO", "UF" })
            table.FieldByName(QLatin1String(column))
                ->SetAsString(completo ? partes[parte++] : QString());
    }
}
