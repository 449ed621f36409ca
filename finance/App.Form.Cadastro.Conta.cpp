#include "App.Form.Cadastro.Conta.h"

#include "App.Adapter.Frame.Conta.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.Conta.h"
#include "App.Lib.ItemControl.h"
#include "Common.Dto.ListaSistema.h"

#include "Edit.h"
#include "ScrollBox.h"

#include <algorithm>

ZUNTA_REGISTER_FORM(TFormCadastroConta)

TFormCadastroConta::TFormCadastroConta(QWidget *AParent)
    : TFormBaseCadastro(QStringLiteral("TFormCadastroConta"), AParent)
{
    setWindowTitle(QStringLiteral("Cadastro de Contas"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelListaTipoConta, EditListaTipoConta, u"ListaTipoConta", 8, 8, 279);
    place.Field(LabelDescricao, EditDescricao, u"Descricao", 298, 8, 279);
    // The branch and the company keep room for their registration buttons beside them.
    place.Field(LabelAgencia, EditAgencia, u"Agencia", 8, 66, 241);
    place.Field(LabelNumero, EditNumero, u"Numero", 298, 66, 279);
    place.Field(LabelDigito, EditDigito, u"Digito", 8, 124, 279);
    place.Field(LabelOperacao, EditOperacao, u"Operacao", 298, 124, 279);
    place.Field(LabelPessoa, EditPessoa, u"Pessoa", 8, 182, 241);
    place.Field(LabelIntegracaoApiFinanceira,
                EditIntegracaoApiFinanceira,
                u"IntegracaoApiFinanceira",
                298,
                182,
                279);
}

void TFormCadastroConta::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TContaPresenter>());
    TFormBaseCadastro::SetInfoPresenter();
    // Loading a record enables every control it fills, so the type's rule is applied again
    // once the whole account is in the window.
    FPresenter->ProcAfterFillForm = [this] {
        const TItemControl *tipo = FPresenter->FindItemControl(EditListaTipoConta->objectName());
        if (tipo && tipo->Id != 0)
            ApplyTipoConta(tipo->OtherInfo);
    };
}

void TFormCadastroConta::fillListControl()
{
    TFormBaseCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditListaTipoConta, QStringLiteral("Tipo de Conta"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelListaTipoConta)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_CONTA"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            const auto *tipo = AEvent == TTypeEventProc::epSearch
                ? dynamic_cast<const TListaSistemaDto *>(ARecord)
                : nullptr;
            ApplyTipoConta(tipo ? std::optional<QString>(tipo->Codigo) : std::nullopt);
        });
    manager.Bind(EditDescricao, QStringLiteral("Descrição"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelDescricao);
    manager.Bind(EditAgencia, QStringLiteral("Agência"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelAgencia)
        .Lookup(QStringLiteral("TPesquisaAgencia"))
        .Cadastro(QStringLiteral("TFormCadastroAgencia"));
    manager.Bind(EditNumero, QStringLiteral("Número")).Upper().Caption(LabelNumero);
    manager.Bind(EditDigito, QStringLiteral("Dígito")).Upper().MaxLength(2).Caption(LabelDigito);
    manager.Bind(EditOperacao, QStringLiteral("Operação"))
        .Upper()
        .MaxLength(3)
        .Caption(LabelOperacao);
    manager.Bind(EditPessoa, QStringLiteral("Empresa"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Caption(LabelPessoa)
        .Lookup(QStringLiteral("TPesquisaPessoa"), QStringLiteral("EMP"))
        .Cadastro(QStringLiteral("TFormCadastroPessoa"));
    manager.Bind(EditIntegracaoApiFinanceira, QStringLiteral("Integração API Financeira"))
        .Upper()
        .MaxLength(100)
        .Caption(LabelIntegracaoApiFinanceira)
        .Lookup(QStringLiteral("TPesquisaIntegracaoApiFinanceira"));
}

void TFormCadastroConta::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TContaFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormCadastroConta::afterFormCreate()
{
    TFormBaseCadastro::afterFormCreate();
    SetControlFocus(EditListaTipoConta);
}

void TFormCadastroConta::ApplyTipoConta(const std::optional<QString> &ACodigo)
{
    const bool caixa = ACodigo && *ACodigo == u"X";
    const std::initializer_list<TEdit *> bancarios {
        EditAgencia, EditNumero, EditDigito, EditOperacao
    };
    for (TEdit *edit :
         { EditAgencia, EditNumero, EditDigito, EditOperacao, EditIntegracaoApiFinanceira }) {
        TItemControl *item = FPresenter->FindItemControl(edit->objectName());
        if (!item)
            continue;
        const bool bancario
            = std::find(bancarios.begin(), bancarios.end(), edit) != bancarios.end();
        if (ACodigo && bancario)
            item->IsRequired = !caixa;
        item->SetDesactiveEnabled(caixa);
        if (caixa || !ACodigo)
            item->Clear();
    }
}
