#include "App.Form.SubCadastro.AssinaturaContratoIntegracao.h"

#include "App.Adapter.Frame.AssinaturaContratoIntegracao.h"
#include "App.Lib.Exception.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Lib.Utils.h"
#include "App.Presenter.AssinaturaContratoIntegracao.h"
#include "Common.Dto.ListaSistema.h"

#include "Edit.h"
#include "ScrollBox.h"

#include <QGroupBox>

ZUNTA_REGISTER_FORM(TFormSubCadastroAssinaturaContratoIntegracao)

TFormSubCadastroAssinaturaContratoIntegracao::TFormSubCadastroAssinaturaContratoIntegracao(
    QWidget *AParent)
    : TFormBaseSubCadastro(QStringLiteral("TFormSubCadastroAssinaturaContratoIntegracao"), AParent)
{
    setWindowTitle(QStringLiteral("Assinaturas do Contrato"));
    QWidget *content = VertScrollBoxControls->content();
    const TPlacement place(content, 18, 30);
    place.Field(LabelListaStatusGeral, EditListaStatusGeral, u"ListaStatusGeral", 8, 8, 569);
    place.Field(LabelCodigoAssinaturaIntegracao,
                EditCodigoAssinaturaIntegracao,
                u"CodigoAssinaturaIntegracao",
                8,
                66,
                280);
    place.Field(
        LabelTokenCartaoCredito, EditTokenCartaoCredito, u"TokenCartaoCredito", 297, 66, 280);

    GroupBoxCartaoCredito = new QGroupBox(QStringLiteral("Informações do Cartão de Crédito"), content);
    GroupBoxCartaoCredito->setObjectName(QStringLiteral("GroupBoxCartaoCredito"));
    GroupBoxCartaoCredito->setGeometry(8, 124, 569, 140);
    const TPlacement card(GroupBoxCartaoCredito, 18, 30);
    card.Field(LabelNumeroCartao, EditNumeroCartao, u"NumeroCartao", 8, 24, 260);
    card.Field(LabelNomeImpressoCartao, EditNomeImpressoCartao, u"NomeImpressoCartao", 280, 24, 280);
    card.Field(LabelMesExpiracaoCartao, EditMesExpiracaoCartao, u"MesExpiracaoCartao", 8, 82, 80);
    card.Field(LabelAnoExpiracaoCartao, EditAnoExpiracaoCartao, u"AnoExpiracaoCartao", 100, 82, 80);
    card.Field(LabelCodigoSegurancaCartao,
               EditCodigoSegurancaCartao,
               u"CodigoSegurancaCartao",
               192,
               82,
               80);
}

void TFormSubCadastroAssinaturaContratoIntegracao::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TAssinaturaContratoIntegracaoPresenter>());
    TFormBaseSubCadastro::SetInfoPresenter();
}

void TFormSubCadastroAssinaturaContratoIntegracao::fillListControl()
{
    TFormBaseSubCadastro::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    manager.Bind(EditCodigoAssinaturaIntegracao, QStringLiteral("Código da Assinatura da Integração"))
        .Upper()
        .MaxLength(100)
        .Disabled()
        .Caption(LabelCodigoAssinaturaIntegracao);
    manager.Bind(EditTokenCartaoCredito, QStringLiteral("Token do Cartão de Crédito"))
        .Upper()
        .MaxLength(100)
        .Disabled()
        .Caption(LabelTokenCartaoCredito);
    manager.Bind(EditListaStatusGeral, QStringLiteral("Status da Assinatura"))
        .Upper()
        .MaxLength(100)
        .Default(QStringLiteral("A"))
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("STATUS_GERAL"))
        .OnPesquisa([this](TBaseDto *ARecord, TTypeEventProc AEvent) {
            ProcPesquisaStatusGeral(ARecord, AEvent);
        })
        .Caption(LabelListaStatusGeral);
    manager.Bind(EditNomeImpressoCartao, QStringLiteral("Nome Impresso no Cartão"))
        .Upper()
        .MaxLength(150)
        .Caption(LabelNomeImpressoCartao);
    manager.Bind(EditNumeroCartao, QStringLiteral("Número do Cartão"))
        .Format(TFormatterEdit::Personalizado)
        .Caption(LabelNumeroCartao);
    manager.Bind(EditMesExpiracaoCartao, QStringLiteral("Mês"))
        .Format(TFormatterEdit::Personalizado)
        .Caption(LabelMesExpiracaoCartao);
    manager.Bind(EditAnoExpiracaoCartao, QStringLiteral("Ano"))
        .Format(TFormatterEdit::Personalizado)
        .MaxLength(4)
        .Caption(LabelAnoExpiracaoCartao);
    manager.Bind(EditCodigoSegurancaCartao, QStringLiteral("CCV"))
        .Format(TFormatterEdit::Personalizado)
        .MaxLength(4)
        .Caption(LabelCodigoSegurancaCartao);
}

void TFormSubCadastroAssinaturaContratoIntegracao::fillFrameItem(TMemTable &ADataSet,
                                                                 TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TAssinaturaContratoIntegracaoFrameAdapter>(VertScrollBoxDados,
                                                                                ADataSet);
    TFormBaseSubCadastro::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroAssinaturaContratoIntegracao::afterFormCreate()
{
    TFormBaseSubCadastro::afterFormCreate();
    SetControlFocus(EditListaStatusGeral);
}

void TFormSubCadastroAssinaturaContratoIntegracao::afterFillForm()
{
    TFormBaseSubCadastro::afterFillForm();
    bloquearCartao();
}

void TFormSubCadastroAssinaturaContratoIntegracao::afterSave()
{
    TFormBaseSubCadastro::afterSave();
    bloquearCartao();
}

void TFormSubCadastroAssinaturaContratoIntegracao::ProcPesquisaStatusGeral(TBaseDto *ARecord,
                                                                          TTypeEventProc AEvent)
{
    TDravikHandleException::Guard([ARecord, AEvent] {
        const auto *status = dynamic_cast<const TListaSistemaDto *>(ARecord);
        if (AEvent != TTypeEventProc::epSearch || !status || status->Codigo.isEmpty())
            return;
        if (status->Codigo.toUpper() != QStringLiteral("A"))
            TAppUtils::MessageSystem(
                QStringLiteral("WARNING:Ao desativar ou suspender uma assinatura, as mensalidades "
                               "aguardando pagamento ou vencidas também são removidas."));
    });
}

void TFormSubCadastroAssinaturaContratoIntegracao::bloquearCartao()
{
    const bool bloqueado = !EditTokenCartaoCredito->text().trimmed().isEmpty();
    for (const char *name : { "EditNomeImpressoCartao",
                              "EditNumeroCartao",
                              "EditMesExpiracaoCartao",
                              "EditAnoExpiracaoCartao",
                              "EditCodigoSegurancaCartao" }) {
        TItemControl *item = FPresenter->FindItemControl(QLatin1String(name));
        item->SetDesactiveEnabled(bloqueado);
        item->Control()->setEnabled(!bloqueado && !FIsViewForm);
    }
}
