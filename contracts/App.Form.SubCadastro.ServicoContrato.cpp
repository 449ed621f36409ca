#include "App.Form.SubCadastro.ServicoContrato.h"

#include "App.Adapter.Frame.ServicoContrato.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ServicoContrato.h"

#include "CheckBox.h"
#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormSubCadastroServicoContrato)

TFormSubCadastroServicoContrato::TFormSubCadastroServicoContrato(QWidget *AParent)
    : TFormBaseSubCadastroServicoAdicional(QStringLiteral("TFormSubCadastroServicoContrato"),
                                           AParent)
{
    setWindowTitle(QStringLiteral("Serviços Adicionais ao Contrato"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Control(CheckBoxIsServicoBonificado, u"IsServicoBonificado", 440, 34, 160, 19);
    CheckBoxIsServicoBonificado->setText(QStringLiteral("Serviço Bonificado?"));
    place.Field(LabelListaTipoCobranca, EditListaTipoCobranca, u"ListaTipoCobranca", 297, 240, 280);
}

void TFormSubCadastroServicoContrato::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TServicoContratoPresenter>());
    TFormBaseSubCadastroServicoAdicional::SetInfoPresenter();
}

void TFormSubCadastroServicoContrato::fillListControl()
{
    TFormBaseSubCadastroServicoAdicional::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    bindServico(manager, QStringLiteral("01"));
    manager.Bind(CheckBoxIsServicoBonificado, QStringLiteral("Serviço Bonificado?"))
        .Default(QStringLiteral("False"));
    bindCobrancaServico(manager, {});
    manager.Bind(EditListaTipoCobranca, QStringLiteral("Tipo da Cobrança"))
        .Required()
        .Upper()
        .MaxLength(100)
        .Lookup(QStringLiteral("TPesquisaLista"), QStringLiteral("TIPO_COBRANCA"))
        .Caption(LabelListaTipoCobranca);
    bindFinalizacao(manager);
}

void TFormSubCadastroServicoContrato::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    auto *row = TFrameBaseAdapter::New<TServicoContratoFrameAdapter>(VertScrollBoxDados, ADataSet);
    wireRow(row);
    AFrame = row;
    TFormBaseSubCadastroServicoAdicional::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroServicoContrato::afterFormCreate()
{
    TFormBaseSubCadastroServicoAdicional::afterFormCreate();
    SetControlFocus(EditServico);
}

void TFormSubCadastroServicoContrato::executeRemover(QObject *Sender)
{
    ProcTotalizadorContrato();
    TFormBaseSubCadastroServicoAdicional::executeRemover(Sender);
}

void TFormSubCadastroServicoContrato::adicionarServicosContrato(std::int64_t AIdPlano)
{
    static_cast<TServicoContratoPresenter *>(PresenterSubCadastro())
        ->adicionarServicosContrato(AIdPlano);
    executeFillDadosSubCadastro(false);
}

void TFormSubCadastroServicoContrato::excluirServicosComPlanoVinculado(std::int64_t AIdPlano)
{
    static_cast<TServicoContratoPresenter *>(PresenterSubCadastro())
        ->excluirServicosComPlanoVinculado(AIdPlano);
}
