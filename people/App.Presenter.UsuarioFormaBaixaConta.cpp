#include "App.Presenter.UsuarioFormaBaixaConta.h"

#include "App.Lib.ItemControl.h"

#include "Edit.h"
#include "MemTable.h"

ZUNTA_REGISTER_PRESENTER(TUsuarioFormaBaixaContaPresenter)

TUsuarioFormaBaixaContaPresenter::TUsuarioFormaBaixaContaPresenter()
    : TSubCadastroPresenterOf(QStringLiteral("TUsuarioFormaBaixaContaPresenter"),
                              { { "ID_USUARIO", 0, "0000000000" },
                                { "USUARIO", 200 },
                                { "ID_CONTA", 0, "0000000000" },
                                { "CONTA", 200 },
                                { "LISTA_FORMA_PAGAMENTO", 0, "0000000000" },
                                { "FORMA_PAGAMENTO", 100 } })
{ }

void TUsuarioFormaBaixaContaPresenter::loadRows()
{
    const auto rows = service().fillUsuarioFormaBaixaConta(IdPrincipal);
    fillDataSetInfo(rows ? &*rows : nullptr);
}

QString TUsuarioFormaBaixaContaPresenter::GetFieldsSearch()
{
    return QStringLiteral("FORMA_PAGAMENTO;CONTA");
}

void TUsuarioFormaBaixaContaPresenter::afterUpdateInfoRegistroFK()
{
    const auto copyShownText = [this](const QString &AControl, const QString &AColumn) {
        const TItemControl *item = FindItemControl(AControl);
        if (auto *edit = item ? qobject_cast<TEdit *>(item->Control()) : nullptr)
            DataSetInfo().FieldByName(AColumn)->SetAsString(edit->text());
    };
    copyShownText(QStringLiteral("EditListaFormaPagamento"), QStringLiteral("FORMA_PAGAMENTO"));
    copyShownText(QStringLiteral("EditConta"), QStringLiteral("CONTA"));
}
