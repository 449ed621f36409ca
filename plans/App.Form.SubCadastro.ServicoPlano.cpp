#include "App.Form.SubCadastro.ServicoPlano.h"

#include "App.Adapter.Frame.ServicoPlano.h"
#include "App.Lib.ManagerControls.h"
#include "App.Lib.Placement.h"
#include "App.Presenter.ServicoPlano.h"

#include "Edit.h"
#include "Label.h"
#include "ScrollBox.h"

TFormSubCadastroServicoPlano::TFormSubCadastroServicoPlano(QWidget *AParent)
    : TFormBaseSubCadastroServicoPlano(QStringLiteral("TFormSubCadastroServicoPlano"), AParent)
{
    setWindowTitle(QStringLiteral("Serviços Ofertados pelo Plano"));
    const TPlacement place(VertScrollBoxControls->content(), 18, 30);
    place.Field(LabelServico, EditServico, u"Servico", 8, 8, 569);
    place.Field(LabelValor, EditValor, u"Valor", 8, 66, 180);
    place.Field(LabelIndice, EditIndice, u"Indice", 200, 66, 150);
    place.Field(LabelUtilizacao, EditUtilizacao, u"Utilizacao", 362, 66, 100);
    place.Field(
        LabelListaTipoUtilizacao, EditListaTipoUtilizacao, u"ListaTipoUtilizacao", 8, 124, 569);
    trackValorIndice();
}

void TFormSubCadastroServicoPlano::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TServicoPlanoPresenter>());
    TFormBaseSubCadastroServicoPlano::SetInfoPresenter();
}

void TFormSubCadastroServicoPlano::fillListControl()
{
    TFormBaseSubCadastroServicoPlano::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    bindServicoValor(manager, QStringLiteral("03"));
    bindIndice(manager, QStringLiteral("Índice pra cálculo"));
    bindUtilizacao(manager, QStringLiteral("####"));
}

void TFormSubCadastroServicoPlano::fillFrameItem(TMemTable &ADataSet, TFrameBaseAdapter *&AFrame)
{
    AFrame = TFrameBaseAdapter::New<TServicoPlanoFrameAdapter>(VertScrollBoxDados, ADataSet);
    TFormBaseSubCadastroServicoPlano::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroServicoPlano::afterFormCreate()
{
    TFormBaseSubCadastroServicoPlano::afterFormCreate();
    SetControlFocus(EditServico);
}
