#include "App.Form.SubCadastro.ServicoDependente.h"

#include "App.Adapter.Frame.ServicoDependente.h"
#include "App.Lib.ManagerControls.h"
#include "App.Presenter.ServicoDependente.h"

#include "Edit.h"
#include "ScrollBox.h"

ZUNTA_REGISTER_FORM(TFormSubCadastroServicoDependente)

TFormSubCadastroServicoDependente::TFormSubCadastroServicoDependente(QWidget *AParent)
    : TFormBaseSubCadastroServicoAdicional(QStringLiteral("TFormSubCadastroServicoDependente"),
                                           AParent)
{
    setWindowTitle(QStringLiteral("ADICIONAIS DE SERVIÇOS"));
}

void TFormSubCadastroServicoDependente::SetInfoPresenter()
{
    SetPresenter(TBasePresenter::Create<TServicoDependentePresenter>());
    TFormBaseSubCadastroServicoAdicional::SetInfoPresenter();
}

void TFormSubCadastroServicoDependente::fillListControl()
{
    TFormBaseSubCadastroServicoAdicional::fillListControl();
    TManagerControl &manager = FPresenter->ManagerControls();
    bindServico(manager, QStringLiteral("02"));
    bindCobrancaServico(manager, QStringLiteral("01"));
    bindFinalizacao(manager);
}

void TFormSubCadastroServicoDependente::fillFrameItem(TMemTable &ADataSet,
                                                      TFrameBaseAdapter *&AFrame)
{
    auto *row = TFrameBaseAdapter::New<TServicoDependenteFrameAdapter>(VertScrollBoxDados, ADataSet);
    wireRow(row);
    AFrame = row;
    TFormBaseSubCadastroServicoAdicional::fillFrameItem(ADataSet, AFrame);
}

void TFormSubCadastroServicoDependente::afterFormCreate()
{
    TFormBaseSubCadastroServicoAdicional::afterFormCreate();
    SetControlFocus(EditServico);
}
